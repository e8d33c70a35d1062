#pragma once

#include <Kivo/Contacts/IContact.h>
#include <Kivo/Contacts/IGroup.h>

#include <QHash>
#include <QList>
#include <QMetaObject>
#include <QAbstractItemModel>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

namespace Kivo {
namespace Simulation {
class Service;
struct ContactRecord;
struct GroupRecord;
} // namespace Simulation

namespace Controllers {
class CommsSessionController;
}
namespace Models {
class ContactListModel;
class Groups;
} // namespace Models

namespace Contacts {

// The signed-in user's contact list: stored contacts in list order, groups, favourites and
// the user's own contact (id 0). Every change is a request to the service; the list
// changes and signals when the service reports the change, as a real server would.
class Contacts : public QObject
{
    Q_OBJECT

public:
    // Kinds of the list's models, combined as bits (contacts_models.cpp). Kind 1 alone is the
    // grouped list: each group's row followed by its contacts' rows. Any other kind is a flat
    // list, one row per contact that passes every filter bit.
    enum ModelKind
    {
        StoredContacts = 0x0001,
        Flat = 0x0002,
        OnlineOnly = 0x0010,
        Reachable = 0x0100,
        FavoritesOnly = 0x1000,
        // The contacts whose lines the user monitors (busy lamp field).
        Monitored = 0x4000,
        Executives = 0x8000,
        // Not a filter: the presence requests waiting for an answer, oldest first.
        PresenceRequests = 0x0084
    };

    explicit Contacts(QObject* parent = nullptr);
    ~Contacts() override;

    // Fills the list from the service's signed-in account and follows its changes from now
    // on; emits contactsLoaded(). A service without a session leaves the list empty.
    void attach(Simulation::Service& service);
    // Forgets the service and empties the list (sign-out).
    void detach();

    // 0 is the own contact; null for an unknown id.
    IContact* getContact(int id) const;
    QList<IContact*> contacts() const { return m_Contacts; }
    // The stored contact with this address (compared ignoring case), or null.
    IContact* findByAddress(const QString& address) const;
    QList<IContact*> favorites() const;
    QList<IGroup*> groups() const { return m_Groups; }
    IGroup* getGroup(int id) const;
    // Display names of the stored contacts, in list order.
    QStringList names() const;
    // Other users' requests to see the signed-in user's presence, oldest first: contacts in
    // no list, each deleted when its answer is confirmed.
    QList<IContact*> presenceRequests() const { return m_Requests; }
    IContact* getPresenceRequest(int id) const;
    // Without a service nothing can be changed, nor while the service refuses changes.
    bool isReadOnly() const;

    // The list's model of a kind, owned by the list and the same object on every call; null
    // for a kind that names no contacts. `recursive` also lists the contacts of nested
    // lists, which this list does not have. Kind 1 is the Models::Groups model.
    QAbstractItemModel* getModel(int kind, bool recursive = true);
    Models::Groups* groupsModel();

    // A contact in no list, owned by `parent`, for a card to fill in and add.
    IContact* createTemporaryContact(QObject* parent);

    // Asks for a new group; the returned group joins groups() and groupAdded() is emitted
    // when the service confirms it. Null when no request could be made.
    IGroup* addGroup(const QString& name);
    void addFavorite(int id);
    void removeFavorite(int id);
    // Asks the service to store a copy of `contact`; contactAdded() brings the stored one.
    void addContact(IContact* contact, bool subscribe, bool favorite);
    void removeContact(QPointer<IContact> contact);
    void removeGroup(int id);
    // The group order is the service's (contacts_groups.cpp); a move is a request to it and
    // groupsReordered() follows its answer.
    bool isFirstGroup(const IGroup* group) const;
    bool isLastGroup(const IGroup* group) const;

    // The conversations that the menu entries below act on (contacts_comms_actions.cpp).
    void setCommsSessionController(Controllers::CommsSessionController* comms);
    Controllers::CommsSessionController* commsSessionController() const;

public slots:
    // A "Conference with" or "Transfer to" entry was chosen: its data is the engine action,
    // its properties name the two conversations.
    void handleCommsCustomActions();
    // An executive's entry of a call's transfer menu: the call goes to the executive
    // (the entry's "execaddress").
    void pushCallToExecutive();

signals:
    void contactAdded(Kivo::Contacts::IContact* contact);
    // The stored contact that the service made for the temporary contact `temporaryId`.
    void contactStored(int temporaryId, Kivo::Contacts::IContact* contact);
    void contactRemoved(int id);
    void favoritesChanged();
    void groupAdded(Kivo::Contacts::GroupPtr group);
    void groupRemoved();
    void groupsReordered();
    void contactsLoaded();
    void readOnlyChanged(bool readOnly);
    // A stored contact's details, groups, favourite mark or presence changed.
    void contactChanged(Kivo::Contacts::IContact* contact);
    // Emitted before the contacts are deleted (sign-out, reload).
    void contactsAboutToBeCleared();
    // The service refused a request about the contact or group `id` (a temporary id for an
    // addition); `text` says why.
    void requestFailed(int id, const QString& text);
    // Presence requests that arrived together, and the end of one (before it is deleted).
    void presenceRequestsAdded(const QList<Kivo::Contacts::IContact*>& requests);
    void presenceRequestRemoved(int id);

private:
    friend class IContact;
    friend class IGroup;

    void requestSubscription(IContact& contact, bool subscribed);
    void requestMembership(IContact& contact, int groupId, bool member);
    void requestUpdate(IContact& contact, const Properties::Map& properties);
    void requestRename(IGroup& group, const QString& name);
    void requestMove(IGroup& group, int position);
    void answerPresenceRequest(IContact& request, bool accept);
    bool canRequest(const char* what) const;

    void cbContactAdded(int tag, const Simulation::ContactRecord& record);
    void cbContactChanged(const Simulation::ContactRecord& record);
    void cbContactRemoved(int id);
    void cbGroupAdded(int tag, const Simulation::GroupRecord& record);
    void cbGroupRenamed(int id, const QString& name);
    void cbGroupRemoved(int id);
    void cbGroupsReordered(const QList<int>& groupIds);
    void cbRequestFailed(int id, const QString& text);
    void cbPresenceChanged(int id, int presence, const QString& note);
    void cbOwnPresenceChanged(int presence);
    void cbPresenceRequestsReceived(const QList<Simulation::ContactRecord>& requesters);
    void cbPresenceRequestAnswered(const QString& address);
    // Takes the service's waiting requests; emits presenceRequestsAdded() for them.
    void loadPresenceRequests(const QList<Simulation::ContactRecord>& requesters);

    IContact* makeStored(const Simulation::ContactRecord& record);
    void clear();

    QPointer<Simulation::Service> m_Service;
    QPointer<Controllers::CommsSessionController> m_Comms;
    QList<QMetaObject::Connection> m_Connections;
    IContact* m_Own = nullptr;
    QList<IContact*> m_Contacts;
    // The stored contacts by id, for look-ups in constant time.
    QHash<int, IContact*> m_ById;
    QList<IGroup*> m_Groups;
    QList<IContact*> m_Requests;
    QHash<int, QPointer<IGroup>> m_PendingGroups;
    QHash<int, Models::ContactListModel*> m_Models;
    Models::Groups* m_GroupsModel = nullptr;
    int m_NextTemporaryId = -1;
};

} // namespace Contacts
} // namespace Kivo
