#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

namespace Kivo {
namespace Contacts {

namespace {

using Tesk::Core::Logging::LevelInfo;
using Tesk::Core::Logging::LevelWarning;

} // namespace

Contacts::Contacts(QObject* parent)
    : QObject(parent)
    , m_Own(new IContact(0, QString(), this))
{
    qRegisterMetaType<Kivo::Contacts::IContact*>();
    qRegisterMetaType<Kivo::Contacts::GroupPtr>("Kivo::Contacts::GroupPtr");
    qRegisterMetaType<Kivo::Contacts::Properties::Map>();
}

Contacts::~Contacts() = default;

void Contacts::attach(Simulation::Service& service)
{
    detach();
    m_Service = &service;
    if (!isReadOnly())
        emit readOnlyChanged(false);
    using Simulation::Service;
    m_Connections = {
        connect(&service, &Service::contactAdded, this, &Contacts::cbContactAdded),
        connect(&service, &Service::contactChanged, this, &Contacts::cbContactChanged),
        connect(&service, &Service::contactRemoved, this, &Contacts::cbContactRemoved),
        connect(&service, &Service::groupAdded, this, &Contacts::cbGroupAdded),
        connect(&service, &Service::groupRenamed, this, &Contacts::cbGroupRenamed),
        connect(&service, &Service::groupRemoved, this, &Contacts::cbGroupRemoved),
        connect(&service, &Service::groupsReordered, this, &Contacts::cbGroupsReordered),
        connect(&service, &Service::contactRequestFailed, this, &Contacts::cbRequestFailed),
        connect(&service, &Service::presenceChanged, this, &Contacts::cbPresenceChanged),
        connect(&service, &Service::ownPresenceChanged, this, &Contacts::cbOwnPresenceChanged),
        connect(&service, &Service::contactListReadOnlyChanged, this, &Contacts::readOnlyChanged),
        connect(&service, &Service::presenceRequestsReceived, this, &Contacts::cbPresenceRequestsReceived),
        connect(&service, &Service::presenceRequestAnswered, this, &Contacts::cbPresenceRequestAnswered),
    };

    // The own presence object reads the signed-in account when it is made.
    m_Own->deleteLater();
    m_Own = new IContact(0, QString(), this);
    if (const auto account = service.signedInAccount()) {
        Properties::Map own = Properties::fromNumbered(service.myRoomProperties(account->userName, true));
        own.insert(Properties::DisplayName, account->displayName);
        own.insert(Properties::Address, account->userName);
        own.insert(Properties::Jid, account->userName);
        m_Own->applyProperties(own);
        m_Own->applyPresence(account->presence, QString());
    }
    for (const Simulation::GroupRecord& record : service.groupRecords()) {
        auto* group = new IGroup(record.id, record.name, this);
        group->m_List = this;
        m_Groups.append(group);
    }
    const QList<Simulation::ContactRecord> records = service.contactRecords();
    m_Contacts.reserve(records.size());
    m_ById.reserve(records.size());
    for (const Simulation::ContactRecord& record : records)
        m_Contacts.append(makeStored(record));
    KIVO_LOG(LevelInfo) << "Contact list loaded: " << int(m_Contacts.size()) << " contact(s), "
                        << int(m_Groups.size()) << " group(s)";
    emit contactsLoaded();
    loadPresenceRequests(service.presenceRequests());
}

void Contacts::detach()
{
    for (const QMetaObject::Connection& connection : qAsConst(m_Connections))
        disconnect(connection);
    m_Connections.clear();
    const bool wasReadOnly = isReadOnly();
    m_Service = nullptr;
    clear();
    if (!wasReadOnly)
        emit readOnlyChanged(true);
}

void Contacts::clear()
{
    emit contactsAboutToBeCleared();
    qDeleteAll(m_Contacts);
    m_Contacts.clear();
    m_ById.clear();
    qDeleteAll(m_Groups);
    m_Groups.clear();
    qDeleteAll(m_Requests);
    m_Requests.clear();
    for (const QPointer<IGroup>& pending : qAsConst(m_PendingGroups))
        delete pending.data();
    m_PendingGroups.clear();
}

IContact* Contacts::makeStored(const Simulation::ContactRecord& record)
{
    auto* contact = new IContact(record.id, QString(), this);
    contact->m_Stored = true;
    contact->m_List = this;
    contact->apply(Properties::fromNumbered(record.properties), record.favorite, record.subscribed, record.groups);
    contact->applyPresence(record.presence, record.note);
    m_ById.insert(record.id, contact);
    return contact;
}

IContact* Contacts::getContact(int id) const
{
    return id == 0 ? m_Own : m_ById.value(id);
}

IContact* Contacts::findByAddress(const QString& address) const
{
    const QString wanted = address.trimmed();
    if (wanted.isEmpty())
        return nullptr;
    for (IContact* contact : m_Contacts) {
        if (contact->getAddress().compare(wanted, Qt::CaseInsensitive) == 0)
            return contact;
    }
    return nullptr;
}

QList<IContact*> Contacts::favorites() const
{
    QList<IContact*> favorites;
    for (IContact* contact : m_Contacts) {
        if (contact->isFavorite())
            favorites.append(contact);
    }
    return favorites;
}

IGroup* Contacts::getGroup(int id) const
{
    for (IGroup* group : m_Groups) {
        if (group->getId() == id)
            return group;
    }
    return nullptr;
}

bool Contacts::isReadOnly() const
{
    return !m_Service || m_Service->isContactListReadOnly();
}

QStringList Contacts::names() const
{
    QStringList names;
    for (const IContact* contact : m_Contacts)
        names.append(contact->getDisplayName());
    return names;
}

IContact* Contacts::createTemporaryContact(QObject* parent)
{
    return new IContact(m_NextTemporaryId--, QString(), parent);
}

bool Contacts::canRequest(const char* what) const
{
    if (m_Service)
        return true;
    KIVO_LOG(LevelWarning) << "Contact list not connected to the service: " << what << " refused";
    return false;
}

IGroup* Contacts::addGroup(const QString& name)
{
    if (!canRequest("group addition"))
        return nullptr;
    const int tag = m_NextTemporaryId--;
    if (!m_Service->requestAddGroup(tag, name))
        return nullptr;
    auto* group = new IGroup(tag, name.trimmed(), this);
    m_PendingGroups.insert(tag, group);
    return group;
}

void Contacts::addFavorite(int id)
{
    if (canRequest("favourite") && getContact(id) && id != 0)
        m_Service->requestFavorite(id, true);
}

void Contacts::removeFavorite(int id)
{
    if (canRequest("favourite") && getContact(id) && id != 0)
        m_Service->requestFavorite(id, false);
}

void Contacts::addContact(IContact* contact, bool subscribe, bool favorite)
{
    if (!contact || !canRequest("contact addition"))
        return;
    if (contact->isStored()) {
        KIVO_LOG(LevelInfo) << "Already in the contact list: " << contact->getIdentity();
        return;
    }
    Simulation::ContactRecord record;
    record.properties = Properties::toNumbered(contact->properties());
    record.subscribed = subscribe;
    record.favorite = favorite;
    m_Service->requestAddContact(contact->getId(), record);
}

void Contacts::removeContact(QPointer<IContact> contact)
{
    if (!contact || !contact->isStored() || !canRequest("contact removal"))
        return;
    m_Service->requestRemoveContact(contact->getId());
}

void Contacts::removeGroup(int id)
{
    if (canRequest("group removal") && getGroup(id))
        m_Service->requestRemoveGroup(id);
}

void Contacts::requestSubscription(IContact& contact, bool subscribed)
{
    if (canRequest("subscription"))
        m_Service->requestSubscription(contact.getId(), subscribed);
}

void Contacts::requestMembership(IContact& contact, int groupId, bool member)
{
    if (canRequest("group membership"))
        m_Service->requestGroupMembership(contact.getId(), groupId, member);
}

void Contacts::requestUpdate(IContact& contact, const Properties::Map& properties)
{
    if (canRequest("contact update"))
        m_Service->requestUpdateContact(contact.getId(), Properties::toNumbered(properties));
}

void Contacts::requestRename(IGroup& group, const QString& name)
{
    if (canRequest("group rename"))
        m_Service->requestRenameGroup(group.getId(), name);
}

void Contacts::cbContactAdded(int tag, const Simulation::ContactRecord& record)
{
    if (getContact(record.id))
        return;
    IContact* contact = makeStored(record);
    m_Contacts.append(contact);
    emit contactAdded(contact);
    emit contactStored(tag, contact);
    if (record.favorite)
        emit favoritesChanged();
}

void Contacts::cbContactChanged(const Simulation::ContactRecord& record)
{
    IContact* contact = getContact(record.id);
    if (!contact || record.id == 0)
        return;
    const bool wasFavorite = contact->isFavorite();
    contact->apply(Properties::fromNumbered(record.properties), record.favorite, record.subscribed, record.groups);
    contact->applyPresence(record.presence, record.note);
    emit contactChanged(contact);
    if (wasFavorite != record.favorite)
        emit favoritesChanged();
}

void Contacts::cbContactRemoved(int id)
{
    IContact* contact = getContact(id);
    if (!contact || id == 0)
        return;
    m_Contacts.removeOne(contact);
    m_ById.remove(id);
    const bool wasFavorite = contact->isFavorite();
    emit contactRemoved(id);
    if (wasFavorite)
        emit favoritesChanged();
    // Deleted from the event loop, as callers may be inside a slot of the contact; until
    // then it is no longer stored, so it sends no more requests.
    contact->m_Stored = false;
    contact->deleteLater();
}

void Contacts::cbGroupAdded(int tag, const Simulation::GroupRecord& record)
{
    IGroup* group = m_PendingGroups.take(tag);
    if (!group)
        group = new IGroup(record.id, record.name, this);
    group->applyId(record.id);
    group->applyName(record.name);
    group->m_List = this;
    m_Groups.append(group);
    emit groupAdded(group);
}

void Contacts::cbGroupRenamed(int id, const QString& name)
{
    if (IGroup* group = getGroup(id))
        group->applyName(name);
}

void Contacts::cbGroupRemoved(int id)
{
    IGroup* group = getGroup(id);
    if (!group)
        return;
    m_Groups.removeOne(group);
    emit groupRemoved();
    group->deleteLater();
}

void Contacts::cbRequestFailed(int id, const QString& text)
{
    KIVO_LOG(LevelWarning) << "Contact list request about " << id << " refused: " << text;
    if (QPointer<IGroup> pending = m_PendingGroups.take(id))
        pending->deleteLater();
    emit requestFailed(id, text);
}

void Contacts::cbPresenceChanged(int id, int presence, const QString& note)
{
    IContact* contact = id == 0 ? nullptr : getContact(id);
    if (contact && contact->isSubscribed()) {
        contact->applyPresence(presence, note);
        emit contactChanged(contact);
    }
}

void Contacts::cbOwnPresenceChanged(int presence)
{
    m_Own->applyPresence(presence, m_Own->statusText());
}

} // namespace Contacts
} // namespace Kivo
