#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Models/ContactListModel.h>
#include <Kivo/Models/Roles.h>

#include "contact_rows.h"

namespace Kivo {
namespace Models {

using Contacts::IContact;

ContactListModel::ContactListModel(Contacts::Contacts& list, int kind, QObject* parent)
    : QAbstractListModel(parent)
    , m_List(&list)
    , m_Kind(kind)
{
    connect(&list, &Contacts::Contacts::contactsLoaded, this, &ContactListModel::reload);
    connect(&list, &Contacts::Contacts::contactsAboutToBeCleared, this, &ContactListModel::clear);
    if (kind == Contacts::Contacts::PresenceRequests)
        followPresenceRequests(list);
    else
        followContacts(list);
    reload();
}

void ContactListModel::followContacts(Contacts::Contacts& list)
{
    connect(&list, &Contacts::Contacts::contactAdded, this, [this](IContact* contact) {
        // A change reported while the contact was being added may have listed it already.
        if (accepts(*contact) && !m_RowOf.contains(contact->getId()))
            insert(contact);
    });
    connect(&list, &Contacts::Contacts::contactRemoved, this, &ContactListModel::removeContact);
    connect(&list, &Contacts::Contacts::contactChanged, this, &ContactListModel::contactChanged);
}

void ContactListModel::followPresenceRequests(Contacts::Contacts& list)
{
    // Requests that arrive together come in as one insertion.
    connect(&list, &Contacts::Contacts::presenceRequestsAdded, this, [this](const QList<IContact*>& requests) {
        const int first = int(m_Rows.size());
        beginInsertRows(QModelIndex(), first, first + int(requests.size()) - 1);
        for (IContact* request : requests) {
            m_RowOf.insert(request->getId(), int(m_Rows.size()));
            m_Rows.append(request);
            watchRequest(request);
        }
        endInsertRows();
        emit countChanged();
    });
    connect(&list, &Contacts::Contacts::presenceRequestRemoved, this, &ContactListModel::removeContact);
}

void ContactListModel::watchRequest(IContact* request)
{
    // Requests are in no list: their details change on the object only.
    connect(request, &IContact::changed, this, [this, request] { contactChanged(request); });
}

void ContactListModel::removeContact(int id)
{
    const int row = m_RowOf.value(id, -1);
    if (row >= 0)
        remove(row);
}

bool ContactListModel::accepts(const IContact& contact) const
{
    using Kind = Contacts::Contacts::ModelKind;
    if (m_Kind == Kind::PresenceRequests)
        return contact.isPresenceRequest();
    if (!contact.isStored())
        return false;
    // The simulated service has no executives who let the user call for them.
    if (m_Kind & Kind::Executives)
        return false;
    if ((m_Kind & Kind::OnlineOnly) && !ContactRows::isAvailable(contact.presenceState()))
        return false;
    if ((m_Kind & Kind::Monitored) && !contact.isMonitored())
        return false;
    if ((m_Kind & Kind::FavoritesOnly) && !contact.isFavorite())
        return false;
    if ((m_Kind & Kind::Reachable) && contact.getAddress().isEmpty()
        && ContactRows::data(contact, Roles::Number).toString().isEmpty())
        return false;
    return true;
}

void ContactListModel::reload()
{
    beginResetModel();
    m_Rows.clear();
    m_RowOf.clear();
    if (m_List) {
        const bool requests = m_Kind == Contacts::Contacts::PresenceRequests;
        const QList<IContact*> contacts = requests ? m_List->presenceRequests() : m_List->contacts();
        for (IContact* contact : contacts) {
            if (accepts(*contact)) {
                m_RowOf.insert(contact->getId(), int(m_Rows.size()));
                m_Rows.append(contact);
                if (requests)
                    watchRequest(contact);
            }
        }
    }
    endResetModel();
    emit countChanged();
}

void ContactListModel::clear()
{
    if (m_Rows.isEmpty())
        return;
    beginResetModel();
    m_Rows.clear();
    m_RowOf.clear();
    endResetModel();
    emit countChanged();
}

void ContactListModel::insert(IContact* contact)
{
    const int row = int(m_Rows.size());
    beginInsertRows(QModelIndex(), row, row);
    m_Rows.append(contact);
    m_RowOf.insert(contact->getId(), row);
    endInsertRows();
    emit countChanged();
}

void ContactListModel::remove(int row)
{
    beginRemoveRows(QModelIndex(), row, row);
    m_RowOf.remove(m_Rows.takeAt(row)->getId());
    for (int later = row; later < m_Rows.size(); ++later)
        m_RowOf.insert(m_Rows.at(later)->getId(), later);
    endRemoveRows();
    emit countChanged();
}

void ContactListModel::contactChanged(IContact* contact)
{
    const int row = m_RowOf.value(contact->getId(), -1);
    const bool wanted = accepts(*contact);
    if (row < 0 && wanted)
        insert(contact);
    else if (row >= 0 && !wanted)
        remove(row);
    else if (row >= 0)
        emit dataChanged(index(row), index(row));
}

int ContactListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_Rows.size());
}

QModelIndex ContactListModel::index(int row, int column, const QModelIndex& parent) const
{
    // The base class asks two virtual functions first; a sort makes two indexes per
    // comparison of rows.
    return !parent.isValid() && column == 0 && row >= 0 && row < ContactListModel::rowCount() ? createIndex(row, 0) : QModelIndex();
}

QVariant ContactListModel::data(const QModelIndex& index, int role) const
{
    const IContact* contact = index.isValid() ? m_Rows.value(index.row()) : nullptr;
    return contact ? ContactRows::data(*contact, role) : QVariant();
}

KeyedRows::Row ContactListModel::keyedRow(int row) const
{
    Row keyed;
    if (row >= 0 && row < m_Rows.size())
        keyed.keys = &ContactKeys::of(*m_Rows.at(row));
    if (row >= 0 && row + RowsAhead < m_Rows.size())
        ContactKeys::prefetch(m_Rows.at(row + RowsAhead));
    return keyed;
}

QHash<int, QByteArray> ContactListModel::roleNames() const
{
    return Roles::names();
}

} // namespace Models
} // namespace Kivo
