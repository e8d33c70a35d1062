#include <Kivo/Models/ChatRoomsFilter.h>
#include <Kivo/Models/ChatRoomsModel.h>

#include <Kivo/Controllers/XmppChatController.h>
#include <Kivo/Simulation/ConversationTypes.h>

namespace Kivo {
namespace Models {

ChatRoomsModel::ChatRoomsModel(const QString& ownAddress, QObject* parent)
    : QAbstractListModel(parent)
    , m_OwnAddress(ownAddress)
{
    connect(this, &QAbstractItemModel::rowsInserted, this, &ChatRoomsModel::countChanged);
    connect(this, &QAbstractItemModel::rowsRemoved, this, &ChatRoomsModel::countChanged);
    connect(this, &QAbstractItemModel::modelReset, this, &ChatRoomsModel::countChanged);
}

int ChatRoomsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_Rooms.size();
}

QVariant ChatRoomsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_Rooms.size())
        return QVariant();
    const Room& room = m_Rooms.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case NameRole:
        return room.name.isEmpty() ? room.jid.section('@', 0, 0) : room.name;
    case JidRole:
        return room.jid;
    case SubjectRole:
        return room.subject;
    case OwnerRole:
        return room.owner;
    case OwnedRole:
        return !m_OwnAddress.isEmpty() && room.owner.compare(m_OwnAddress, Qt::CaseInsensitive) == 0;
    case MembersOnlyRole:
        return room.membersOnly;
    case PasswordProtectedRole:
        return room.passwordProtected;
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> ChatRoomsModel::roleNames() const
{
    return {{Qt::DisplayRole, "display"}, {JidRole, "jid"},           {NameRole, "name"},
            {SubjectRole, "subject"},    {OwnerRole, "owner"},        {OwnedRole, "owned"},
            {MembersOnlyRole, "membersOnly"}, {PasswordProtectedRole, "passwordProtected"}};
}

ChatRoomsModel::Room ChatRoomsModel::roomOf(const Simulation::RoomRecord& record)
{
    Room room;
    room.jid = record.jid;
    room.name = record.name;
    room.subject = record.subject;
    room.owner = record.owner;
    room.membersOnly = record.membersOnly;
    room.passwordProtected = !record.password.isEmpty();
    return room;
}

int ChatRoomsModel::indexOf(const QString& jid) const
{
    for (int i = 0; i < m_Rooms.size(); ++i) {
        if (m_Rooms.at(i).jid.compare(jid, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void ChatRoomsModel::setRooms(const QList<Simulation::RoomRecord>& rooms)
{
    beginResetModel();
    m_Rooms.clear();
    for (const Simulation::RoomRecord& room : rooms)
        m_Rooms.append(roomOf(room));
    endResetModel();
}

void ChatRoomsModel::updateRoom(const Simulation::RoomRecord& record)
{
    if (record.adHoc)
        return;
    const int row = indexOf(record.jid);
    if (row < 0) {
        beginInsertRows(QModelIndex(), m_Rooms.size(), m_Rooms.size());
        m_Rooms.append(roomOf(record));
        endInsertRows();
        return;
    }
    m_Rooms[row] = roomOf(record);
    emit dataChanged(index(row), index(row));
}

void ChatRoomsModel::removeRoom(const QString& jid)
{
    const int row = indexOf(jid);
    if (row < 0)
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_Rooms.removeAt(row);
    endRemoveRows();
}

void ChatRoomsModel::clear()
{
    beginResetModel();
    m_Rooms.clear();
    endResetModel();
}

ChatRoomsFilter::ChatRoomsFilter(ChatRoomsModel* rooms, Controllers::XmppChatController* controller, QObject* parent)
    : QSortFilterProxyModel(parent)
    , m_Controller(controller)
{
    setSourceModel(rooms);
    setFilterRole(ChatRoomsModel::NameRole);
    setFilterCaseSensitivity(Qt::CaseInsensitive);
    setSortRole(ChatRoomsModel::NameRole);
    setSortCaseSensitivity(Qt::CaseInsensitive);
    setDynamicSortFilter(true);
    sort(0);
    connect(this, &QAbstractItemModel::rowsInserted, this, &ChatRoomsFilter::countChanged);
    connect(this, &QAbstractItemModel::rowsRemoved, this, &ChatRoomsFilter::countChanged);
    connect(this, &QAbstractItemModel::modelReset, this, &ChatRoomsFilter::countChanged);
    connect(this, &QAbstractItemModel::layoutChanged, this, &ChatRoomsFilter::countChanged);
}

void ChatRoomsFilter::setFetchingRooms(bool fetching)
{
    if (fetching == m_Fetching)
        return;
    m_Fetching = fetching;
    emit fetchingRoomsChanged();
}

void ChatRoomsFilter::clearAndFetchRooms()
{
    if (auto* rooms = qobject_cast<ChatRoomsModel*>(sourceModel()))
        rooms->clear();
    if (m_Controller)
        m_Controller->fetchRooms();
}

} // namespace Models
} // namespace Kivo
