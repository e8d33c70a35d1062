#pragma once

#include <QSortFilterProxyModel>

namespace Kivo {
namespace Models {

// The list of conversations of the main window: all of them while open; closed, only those
// with a call in progress.
class ActiveCommsFilter : public QSortFilterProxyModel
{
    Q_OBJECT
    Q_PROPERTY(bool open READ getOpen WRITE setOpen NOTIFY openChanged)
    Q_PROPERTY(int count READ rowCount NOTIFY countChanged)
    Q_PROPERTY(QObject* activeCallCommsSession READ activeCallCommsSession NOTIFY activeCallCommsSessionChanged)

public:
    explicit ActiveCommsFilter(QObject* parent = nullptr);

    bool getOpen() const { return m_Open; }
    void setOpen(bool open);
    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return QSortFilterProxyModel::rowCount(parent);
    }
    // The conversation whose call the user talks on, or null.
    QObject* activeCallCommsSession() const;

    void setSourceModel(QAbstractItemModel* model) override;

signals:
    void openChanged();
    void countChanged();
    void activeCallCommsSessionChanged();

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    bool m_Open = true;
};

} // namespace Models
} // namespace Kivo
