#pragma once

// The simulated service.
//
// A small, deterministic, in-process model of the communications server that the engine's
// public classes stand on in place of a real network: accounts with their passwords,
// contacts with presence, calls, chat and server events. It runs on the GUI thread; every
// answer and every event reaches observers later, through Qt timers, in the order it was
// requested or injected, never from inside the call that caused it.
//
// Product code never includes this header: it talks to the engine's public classes, which
// are thin faces over one Service. Tests and the demo set the scene through Control.

#include <Kivo/Simulation/ContactRecord.h>
#include <Kivo/Simulation/MyRoom.h>
#include <Kivo/Simulation/Types.h>
#include <Kivo/Utils/Location.h>

#include <QHash>
#include <QObject>
#include <QQueue>
#include <QStringList>

#include <functional>
#include <optional>

namespace Kivo {
namespace Simulation {

class Devices;

class Service : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultLatency = 100;

    explicit Service(QObject* parent = nullptr);

    // The service the engine's faces use, made on first use with its start accounts loaded.
    static Service& shared();

    // Sets the scene: replaces every account, ending any session silently and dropping
    // pending events. A document that cannot be read leaves no accounts and returns false.
    bool load(const QByteArray& json, QString* error = nullptr);
    bool loadDemoAccount();
    // Reads an account document from a file (account_file.cpp).
    bool loadAccountFile(const QString& path, QString* error = nullptr);
    // What the shared service starts with: the file named by TELVARION_ACCOUNT_FILE, or the
    // demo account when that is unset or not usable.
    bool loadStartAccounts();

    // Delay in milliseconds before answers and events are delivered.
    void setLatency(int milliseconds);
    int latency() const { return m_Latency; }

    // An unreachable service refuses every sign-in with ServerUnreachable.
    void setReachable(bool reachable) { m_Reachable = reachable; }
    bool isReachable() const { return m_Reachable; }

    QStringList userNames() const;
    // User names compare case-insensitively, passwords exactly.
    SignInError checkCredentials(const QString& userName, const QString& password) const;

    // Requests of the engine's faces; their results arrive as signals.
    void signIn(const QString& userName, const QString& password);
    void signOut();
    bool answerCall(int callId);
    bool endCall(int callId);
    void setOwnPresence(int presence);
    // The signed-in account's contact list and the directory (service_contacts.cpp). Each
    // request returns false with a log line when nobody is signed in; otherwise its result
    // arrives as a change signal or as contactRequestFailed for `subject` (the contact or
    // group id, or the caller's tag of an addition).
    QList<ContactRecord> contactRecords();
    // One contact's record, found in constant time.
    std::optional<ContactRecord> contactRecord(int contactId);
    QList<GroupRecord> groupRecords();
    bool requestAddContact(int tag, const Kivo::Simulation::ContactRecord& record);
    bool requestRemoveContact(int contactId);
    bool requestUpdateContact(int contactId, const Kivo::Simulation::PropertyMap& properties);
    bool requestFavorite(int contactId, bool favorite);
    bool requestSubscription(int contactId, bool subscribed);
    bool requestGroupMembership(int contactId, int groupId, bool member);
    bool requestAddGroup(int tag, const QString& name);
    bool requestRenameGroup(int groupId, const QString& name);
    bool requestRemoveGroup(int groupId);
    // Every account of the service is a directory entry.
    bool searchDirectory(int requestId, const Kivo::Simulation::PropertyMap& criteria);
    // Own presence note and published location (service_presence.cpp).
    void setOwnNote(const QString& note);
    QString ownNote() const;
    void setOwnLocation(const Kivo::Utils::Location::Info& location);
    Kivo::Utils::Location::Info ownLocation() const;
    // Asks where the signed-in user is: the located address arrives as a SOAP-action report,
    // the location last published as a pubsub report.
    void requestLocations();
    // Calls and chats the user starts (service_calls.cpp). Several addresses make a
    // conference; the remote side answers a ringing call after the latency. Each returns 0
    // (or false) with a log line when nobody is signed in or an address is not callable.
    int placeCall(const QStringList& remotes, bool video);
    bool startChat(const QStringList& remotes);
    // Addresses as an add-in or a link hands them over: not empty, not overlong, no control
    // characters.
    static bool isCallableAddress(const QString& address);
    // The accounts' My Rooms and what their owners publish (service_rooms.cpp). A room's
    // owner sees every detail of it; anybody else sees its conference chat address only.
    std::optional<MyRoom> myRoom(const QString& owner) const;
    bool isMyRoomChat(const QString& chat) const;
    PropertyMap myRoomProperties(const QString& owner, bool ownerView) const;
    // The vCard of `jid` arrives as vCardReady, an empty one for an address the service does
    // not know; the guest link of the signed-in user's room as guestLinkReady (empty when
    // the room takes no guests). Each returns false with a log line when nobody is signed in.
    bool requestVCard(const QString& jid);
    bool requestGuestLink(bool reset);

    // The machine's audio devices and cameras (devices.cpp); they outlive sessions and loads.
    Devices& devices();

    bool isSignedIn() const { return m_SignedIn.has_value(); }
    std::optional<Account> signedInAccount() const;
    QList<Contact> contacts() const;
    std::optional<Contact> contact(int contactId) const;
    QList<Call> calls() const { return m_Calls.values(); }
    std::optional<Call> call(int callId) const;

signals:
    void signedIn(const QString& userName);
    void signInFailed(const QString& userName, Kivo::Simulation::SignInError error);
    // `reason` is empty when the user signed out, the server's text when it forced it.
    void signedOut(const QString& reason);
    void ownPresenceChanged(int presence);
    void presenceChanged(int contactId, int presence, const QString& note);
    void incomingCall(int callId, const QString& remote, bool video);
    void callStateChanged(int callId, Kivo::Simulation::CallState state);
    void chatMessageReceived(const QString& from, const QString& text);
    void serverError(int code, const QString& text);
    void contactAdded(int tag, const Kivo::Simulation::ContactRecord& record);
    void contactChanged(const Kivo::Simulation::ContactRecord& record);
    void contactRemoved(int contactId);
    void groupAdded(int tag, const Kivo::Simulation::GroupRecord& group);
    void groupRenamed(int groupId, const QString& name);
    void groupRemoved(int groupId);
    void contactRequestFailed(int subject, const QString& text);
    void directorySearchFinished(int requestId, const QList<Kivo::Simulation::PropertyMap>& matches);
    void ownNoteChanged(const QString& note);
    void ownLocationChanged(const Kivo::Utils::Location::Info& location);
    void soapActionLocationReceived(const Kivo::Utils::Location::Info& location);
    void pubsubLocationReceived(const Kivo::Utils::Location::Info& location);
    void outgoingCall(int callId, const QString& remote, bool video);
    void chatStarted(const QStringList& remotes);
    // Waiting voice and video messages of the signed-in user.
    void messagesWaiting(int voice, int video);
    // The server asks the client to call `address` (click-to-call).
    void callRequested(const QString& address);
    void vCardReady(const QString& jid, const QString& fullName, const QString& roomChat);
    void guestLinkReady(const QString& roomChat, const QString& link);

private:
    friend class Control;

    // Runs `event` after the latency, unless the service was reloaded meanwhile or, for a
    // session event, the session it belonged to has ended.
    void post(std::function<void()> event, bool sessionEvent);
    void deliverNext();
    void endSession(const QString& reason);
    int accountIndex(const QString& userName) const;
    // The signed-in account's contact, found through an index by id; null when unknown.
    Contact* findContact(int contactId);
    const Contact* findContact(int contactId) const;
    // Keeps the id index in step with the signed-in account's contact list.
    void contactAppended();
    void contactsReordered();
    ContactBook& contactBook();
    ContactRecord recordOf(const ContactBook& book, int contactId) const;
    void postContactChange(int contactId, std::function<bool(ContactRecord&)> change);
    // Whether somebody is signed in; logs the refusal of `request` otherwise.
    bool sessionOpen(const char* request) const;
    // Call steps that both the user's requests and the remote side (Control) take: a call
    // still ringing when the step runs is answered; a call still there ends.
    void postAnswer(int callId);
    void postEnd(int callId);

    QList<Account> m_Accounts;
    std::optional<int> m_SignedIn;
    bool m_SigningIn = false;
    QHash<int, Call> m_Calls;
    int m_NextCallId = 1;
    int m_Latency = DefaultLatency;
    bool m_Reachable = true;
    // Contact lists by account index, made from the account's contacts on first use.
    QHash<int, ContactBook> m_ContactBooks;
    // Position of each contact of the signed-in account by id; built when first needed.
    mutable QHash<int, int> m_ContactPositions;
    mutable bool m_ContactPositionsValid = false;

    struct Pending
    {
        std::function<void()> event;
        quint64 generation;
        std::optional<quint64> session;
    };
    QQueue<Pending> m_Pending;
    quint64 m_Generation = 0;
    quint64 m_Session = 0;

    // Per user name, in lower case: where the account is located and what it last published.
    void loadLocations(const QByteArray& json);
    // The signed-in user's key in these tables; only while somebody is signed in.
    QString ownKey() const;
    QHash<QString, Kivo::Utils::Location::Info> m_LocatedAt;
    QHash<QString, Kivo::Utils::Location::Info> m_PublishedLocations;
    QHash<QString, QString> m_OwnNotes;

    // Per owner's user name, in lower case.
    void loadMyRooms(const QByteArray& json);
    QHash<QString, MyRoom> m_MyRooms;
    QHash<QString, int> m_GuestLinkGenerations;
    Devices* m_Devices = nullptr;
};

} // namespace Simulation
} // namespace Kivo
