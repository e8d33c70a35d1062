#pragma once

#include <QSortFilterProxyModel>

namespace Kivo {
namespace Models {

// The history timeline narrowed to one kind of entry.
class TimelineFilter : public QSortFilterProxyModel
{
    Q_OBJECT
    Q_PROPERTY(int filterType READ getFilterType NOTIFY filterTypeChanged)

public:
    enum Type { Chat = 0, Call = 1, VoiceMail = 2 };
    Q_ENUM(Type)

    explicit TimelineFilter(QObject* parent = nullptr) : QSortFilterProxyModel(parent) {}

    int getFilterType() const { return m_Type; }

    void setFilterType(Type type)
    {
        if (type == m_Type)
            return;
        m_Type = type;
        invalidateFilter();
        emit filterTypeChanged();
    }

signals:
    void filterTypeChanged();

private:
    Type m_Type = Chat;
};

} // namespace Models
} // namespace Kivo
