#include "Models/Chat/room_members_model.h"

namespace Models {
namespace Chat {

RoomMembersModel::RoomMembersModel(Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts, QObject* parent)
    : QAbstractListModel(parent)
    , m_Contacts(contacts)
{
}

RoomMembersModel::~RoomMembersModel()
{
    qDeleteAll(m_Members);
}

void RoomMembersModel::addMembers(const QStringList& jids)
{
    for (const QString& jid : jids) {
        const Kivo::Contacts::IContact* contact = m_Contacts ? m_Contacts->findByAddress(jid) : nullptr;
        const int row = m_Members.size();
        beginInsertRows(QModelIndex(), row, row);
        m_Members.append(new Member{jid, contact ? contact->getDisplayName() : jid});
        m_CheckStates.append(Qt::Unchecked);
        endInsertRows();
    }
}

QStringList RoomMembersModel::checkedMembers() const
{
    QStringList checked;
    for (int row = 0; row < m_Members.size(); ++row) {
        if (m_CheckStates.at(row) == Qt::Checked)
            checked.append(m_Members.at(row)->jid);
    }
    return checked;
}

int RoomMembersModel::removeCheckedMembers()
{
    int row = 0;
    while (row < m_Members.size()) {
        if (m_CheckStates.at(row) != Qt::Checked) {
            ++row;
            continue;
        }
        beginRemoveRows(QModelIndex(), row, row);
        m_CheckStates.removeAt(row);
        delete m_Members.takeAt(row);
        endRemoveRows();
    }
    return m_Members.size();
}

bool RoomMembersModel::isRow(const QModelIndex& index) const
{
    return index.row() >= 0 && index.row() < m_Members.size();
}

int RoomMembersModel::rowCount(const QModelIndex&) const
{
    return m_Members.size();
}

QVariant RoomMembersModel::data(const QModelIndex& index, int role) const
{
    if (!isRow(index))
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return m_Members.at(index.row())->displayName;
    case Qt::CheckStateRole:
        return m_CheckStates.at(index.row());
    default:
        return QVariant();
    }
}

bool RoomMembersModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!isRow(index) || role != Qt::CheckStateRole)
        return false;
    m_CheckStates[index.row()] = value.toInt();
    // Every view of the row follows, not only the one that made the change.
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags RoomMembersModel::flags(const QModelIndex&) const
{
    return Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled;
}

} // namespace Chat
} // namespace Models
