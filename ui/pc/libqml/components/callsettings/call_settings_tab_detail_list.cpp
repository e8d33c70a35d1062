#include "libqml/components/callsettings/call_settings_tab_detail_list.h"

#include "libqml/components/callsettings/call_settings_tab_detail.h"

namespace QML {

CallSettingsTabDetailList::CallSettingsTabDetailList(QObject* parent)
    : QAbstractListModel(parent)
{
}

int CallSettingsTabDetailList::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_Details.size();
}

QVariant CallSettingsTabDetailList::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_Details.size())
        return QVariant();
    CallSettingsTabDetail* detail = m_Details.at(index.row());
    switch (role) {
    case TabTitleRole:
        return detail->tabTitle();
    case TabTypeRole:
        return int(detail->tabType());
    case TabObjectRole:
        return QVariant::fromValue<QObject*>(detail);
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> CallSettingsTabDetailList::roleNames() const
{
    return {{TabTitleRole, "tabTitle"}, {TabTypeRole, "tabType"}, {TabObjectRole, "callSettingsTabObject"}};
}

bool CallSettingsTabDetailList::removeRows(int row, int count, const QModelIndex& parent)
{
    if (parent.isValid() || row < 0 || count <= 0 || row + count > m_Details.size())
        return false;
    beginRemoveRows(QModelIndex(), row, row + count - 1);
    for (int i = 0; i < count; ++i)
        m_Details.takeAt(row)->deleteLater();
    endRemoveRows();
    return true;
}

void CallSettingsTabDetailList::append(CallSettingsTabDetail* detail)
{
    const int row = m_Details.size();
    beginInsertRows(QModelIndex(), row, row);
    m_Details.append(detail);
    endInsertRows();
    emit dataChanged(index(row), index(row));
}

} // namespace QML
