#pragma once

#include <QSortFilterProxyModel>

namespace Kivo {
namespace Models {

// The history timeline narrowed to one kind of entry.
class TimelineFilter : public QSortFilterProxyModel
{
    Q_OBJECT
    Q_PROPERTY(int filterType READ getFilterType NOTIFY filterTypeChanged)
    Q_PROPERTY(int count READ rowCount NOTIFY countChanged)

public:
    enum Type { Chat = 0, Call = 1, VoiceMail = 2 };
    Q_ENUM(Type)

    explicit TimelineFilter(QObject* parent = nullptr);

    int getFilterType() const { return m_Type; }
    void setFilterType(Type type);
    // Shows entries of `type` from now on, whatever was shown before.
    void resetFilter(Type type);
    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return QSortFilterProxyModel::rowCount(parent);
    }

signals:
    void filterTypeChanged();
    void countChanged();

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    Type m_Type = Chat;
};

} // namespace Models
} // namespace Kivo
