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
#include <Kivo/Simulation/ConversationTypes.h>
#include <Kivo/Simulation/MyRoom.h>
#include <Kivo/Simulation/ServiceSettings.h>
#include <Kivo/Simulation/ShareTypes.h>
#include <Kivo/Simulation/Types.h>
#include <Kivo/Utils/Location.h>

#include <QHash>
#include <QObject>
#include <QQueue>
#include <QSet>
#include <QStringList>

#include <functional>
#include <optional>

namespace Kivo {
namespace Simulation {

class Colleagues;
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
    // Puts the group at `position` of the list's group order (service_groups.cpp): the order
    // is the account's, kept from one sign-in to the next.
    bool requestMoveGroup(int groupId, int position);
    // Other users' requests to see the signed-in user's presence (service_presence_requests.cpp),
    // oldest first. Accepting one puts the requester in the contact list (in `groupId` when
    // not 0) unless it is there already; either answer ends the request.
    QList<ContactRecord> presenceRequests();
    bool answerPresenceRequest(const QString& address, bool accept, int groupId);
    // The server takes no changes of the contact list while its version does not match the
    // client's; the change reaches the client after the latency.
    void setContactListReadOnly(bool readOnly);
    bool isContactListReadOnly() const { return m_ContactListReadOnly; }
    // Every account of the service is a directory entry.
    bool searchDirectory(int requestId, const Kivo::Simulation::PropertyMap& criteria);
    // Directory searches by typed text (service_directory.cpp): every word of a name or an
    // address that begins with the text matches, and every number that holds it; the text
    // is taken literally, a final "*" aside. An empty text lists the whole directory. The
    // Outlook address book is the signed-in user's contacts, present while Outlook is.
    bool searchDirectoryText(int requestId, Kivo::Simulation::Directory directory, const QString& text);
    void setOutlookInstalled(bool installed) { m_OutlookInstalled = installed; }
    bool isOutlookInstalled() const { return m_OutlookInstalled; }
    // Own presence note and published location (service_presence.cpp).
    void setOwnNote(const QString& note);
    QString ownNote() const;
    // The user's profile picture as PNG data; empty for none.
    void setOwnPicture(const QByteArray& png);
    QByteArray ownPicture() const;
    void setOwnLocation(const Kivo::Utils::Location::Info& location);
    Kivo::Utils::Location::Info ownLocation() const;
    // Asks where the signed-in user is: the located address arrives as a SOAP-action report,
    // the location last published as a pubsub report.
    void requestLocations();
    // Calls the user places (service_calls.cpp). Several addresses make a conference; the
    // remote side answers a ringing call after the latency. Returns 0 with a log line when
    // nobody is signed in or an address is not callable; `asExecutive` places the call on
    // behalf of that executive.
    int placeCall(const QStringList& remotes, bool video, const QString& asExecutive = QString());
    // Addresses as an add-in or a link hands them over: not empty, not overlong, no control
    // characters.
    static bool isCallableAddress(const QString& address);
    // The accounts' My Rooms and what their owners publish (service_rooms.cpp). A room's
    // owner sees every detail of it; anybody else sees its conference chat address only.
    std::optional<MyRoom> myRoom(const QString& owner) const;
    // Whether the next request of `kind` is to fail (Control::failNextServiceRequest), for
    // requests answered at once; takes the failure when it is.
    bool takeDueFailure(ServiceRequest kind);
    bool isMyRoomChat(const QString& chat) const;
    PropertyMap myRoomProperties(const QString& owner, bool ownerView) const;
    // The vCard of `jid` arrives as vCardReady, an empty one for an address the service does
    // not know; the guest link of the signed-in user's room as guestLinkReady (empty when
    // the room takes no guests). Each returns false with a log line when nobody is signed in.
    bool requestVCard(const QString& jid);
    bool requestGuestLink(bool reset);

    // The machine's audio devices and cameras (devices.cpp); they outlive sessions and loads.
    Devices& devices();
    // The people on the other side of the user's chats and calls (colleagues.cpp).
    Colleagues& colleagues() { return *m_Colleagues; }
    // What an account keeps on the REST interface (service_settings.cpp), known from the
    // account data without signing in; empty for an account the service does not know.
    AccountServices servicesOf(const QString& userName) const;
    // Requests of the signed-in user's settings. Each returns its id, or 0 with a log line
    // when nobody is signed in; the answer carries that id, or serviceRequestFailed does when
    // the server refuses the request. A refused change stores nothing.
    int requestSupplementaryServices();
    int requestSupplementaryServiceChange(const Kivo::Simulation::SupplementaryServiceRecord& service);
    int requestAnywhere();
    int requestAnywhereChange(const Kivo::Simulation::AnywhereRecord& anywhere);
    int requestSimultaneousRing();
    int requestSimultaneousRingChange(const Kivo::Simulation::SimultaneousRingRecord& ring);
    int requestCallCenterAgent();
    int requestCallCenterQueueName(const QString& serviceUserId);
    // `queues` carries the memberships to keep; a state of -1 leaves the agent's state.
    int requestCallCenterAgentChange(int state, const QString& reason,
                                     const QList<Kivo::Simulation::AgentQueueRecord>& queues);
    int requestPresenceRules();
    int requestPresenceRulesChange(const QList<Kivo::Simulation::PresenceRuleRecord>& rules);

    // What the user does with a running call (service_calls.cpp). Each returns false with a
    // log line when the call is not there or not in a state that allows it; the change
    // arrives as callUpdated.
    // Declines a ringing incoming call; `why` is Rejected or Busy.
    bool rejectCall(int callId, CallEnd why = CallEnd::Rejected);
    bool holdCall(int callId, bool hold);
    bool sendTones(int callId, const QString& tones);
    bool setCallVideo(int callId, bool video);
    // 0 stops, 1 records, 2 pauses.
    bool setRecording(int callId, int state);
    // Blind transfer to an address, or a consultative one onto a second call of the user.
    bool transferCall(int callId, const QString& target);
    bool transferCallTo(int callId, int otherCallId);
    // Parks the call on `orbit` (the user's own number when empty); retrieving it calls the
    // parked party again. Returns the orbit, or an empty text when the call cannot be parked.
    QString parkCall(int callId, const QString& orbit);
    int retrieveParkedCall(const QString& orbit);
    // Who waits on `orbit`; empty when nobody does.
    QString parkedParty(const QString& orbit) const;
    // The second call's parties join the first, which becomes a conference.
    bool mergeCalls(int callId, int otherCallId);
    // Calls `address` into a running call, which becomes a conference once it answers.
    bool addCallParty(int callId, const QString& address);

    // The busy lamp field (service_blf.cpp): the lines of the users the signed-in user
    // monitors, in the account's order; empty while nobody is signed in.
    QList<Kivo::Simulation::BlfLine> monitoredLines() const;
    // The user takes the call that rings on a monitored line (pick-up), or joins the call of
    // a busy one (barge-in); either way the call becomes the user's own and is answered at
    // once. Returns the new call's id, 0 with a log line when the line does not allow it.
    int pickupMonitoredCall(const QString& address);
    int bargeInMonitoredCall(const QString& address);

    // Chat (service_chat.cpp). A conversation is the peer's or the room's address. Sending
    // returns the message's id, 0 when nothing could be sent; the message arrives in the
    // archive as chatMessageStored, marked failed when the chat connection is down.
    qint64 sendChatMessage(const QString& conversation, const QString& text);
    // Messages of a conversation from `since` on (all when invalid), as chatHistoryReceived.
    bool requestChatHistory(int requestId, const QString& conversation, const QDateTime& since);
    bool requestConversations(int requestId);
    bool markConversationRead(const QString& conversation);
    bool deleteChatHistory(const QString& conversation);

    // Group-chat rooms (service_chat_rooms.cpp).
    bool requestRooms(int requestId);
    // A new room owned by the user; an ad-hoc room invites `invitees` at once.
    QString createRoom(bool adHoc, const QStringList& invitees = QStringList());
    bool joinRoom(const QString& jid, const QString& password);
    bool leaveRoom(const QString& jid);
    bool requestRoomConfig(const QString& jid);
    bool configureRoom(const QString& jid, const Kivo::Simulation::RoomConfig& config);
    bool destroyRoom(const QString& jid);
    bool kickFromRoom(const QString& jid, const QString& who);
    bool setRoomRole(const QString& jid, const QString& who, Kivo::Simulation::RoomRole role);
    bool setRoomSubject(const QString& jid, const QString& subject);
    bool requestRoomMembers(const QString& jid);
    bool removeRoomMembers(const QString& jid, const QStringList& members);
    bool inviteToRoom(const QString& jid, const QStringList& invitees);
    std::optional<Kivo::Simulation::RoomRecord> room(const QString& jid) const;

    // File transfers (service_files.cpp). Offering returns the transfer's id, 0 when refused.
    int offerFile(const QString& peer, const QString& path);
    bool acceptFile(int transferId, const QString& path);
    bool declineFile(int transferId);
    bool cancelFile(int transferId);
    std::optional<Kivo::Simulation::FileTransferRecord> fileTransfer(int transferId) const;

    // Desktop shares of the screen-sharing service (service_shares.cpp), one per peer at a
    // time. Starting the user's share returns its id, 0 with a log line when it cannot start;
    // the others return false with a log line when the share is not there or not in a state
    // that allows the request. Every change arrives as shareUpdated.
    int startShare(const QString& peer);
    bool pauseShare(int shareId, bool paused);
    // The user's answer to an invitation: watch the peer's desktop, or not.
    bool joinShare(int shareId);
    bool declineShare(int shareId);
    bool endShare(int shareId);
    std::optional<Kivo::Simulation::ShareRecord> share(int shareId) const;

    // The call log and the mailbox (service_history.cpp); failures arrive when the server
    // interface is down.
    bool requestCallLog(int requestId);
    bool requestVoiceMails(int requestId);
    bool deleteVoiceMail(const QString& id);
    bool setVoiceMailRead(const QString& id, bool read);
    // The recording (a WAV file) or the fax (a PDF file) of a message.
    bool requestVoiceMailMedia(const QString& id);

    // The session's connections to the server, each of which can be lost on its own.
    enum Link
    {
        CallsLink = 0,
        ChatLink = 1,
        ServerLink = 2,
        LinkCount
    };
    bool isLinkUp(int link) const { return !m_DownLinks.contains(link); }

    // A user's password of the server interface (service_credentials.cpp), at first the
    // sign-in password and kept apart from it: the days until it expires arrive as
    // passwordStatusReceived; a change is checked against it and answered with
    // passwordChangeFinished. The server interface asks for no session, only the password.
    void requestPasswordStatus(const QString& userName);
    void changePassword(const QString& userName, const QString& oldPassword, const QString& newPassword);
    // A proxy that asked for credentials (proxyCredentialsRequested) gets the user's answer;
    // empty ones leave the service's connectivity test without it.
    void answerProxyCredentials(const QString& userName, const QString& password);
    // The owner of a My Room admits a guest who waits at its door, or turns the guest away
    // (service_guests.cpp). False with a log line when nobody is signed in.
    bool answerGuest(const QString& room, const QString& guest, bool admit);

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
    // The group order changed: the groups' identifiers, first to last.
    void groupsReordered(const QList<int>& groupIds);
    void contactRequestFailed(int subject, const QString& text);
    void contactListReadOnlyChanged(bool readOnly);
    // Requests that arrived together, in arrival order; and the end of one request.
    void presenceRequestsReceived(const QList<Kivo::Simulation::ContactRecord>& requesters);
    void presenceRequestAnswered(const QString& address);
    void directorySearchFinished(int requestId, const QList<Kivo::Simulation::PropertyMap>& matches);
    void directoryTextSearchFinished(int requestId, const QList<Kivo::Simulation::PropertyMap>& matches);
    void ownNoteChanged(const QString& note);
    void ownPictureChanged(const QByteArray& png);
    void ownLocationChanged(const Kivo::Utils::Location::Info& location);
    void soapActionLocationReceived(const Kivo::Utils::Location::Info& location);
    void pubsubLocationReceived(const Kivo::Utils::Location::Info& location);
    void outgoingCall(int callId, const QString& remote, bool video);
    // Waiting voice and video messages of the signed-in user.
    void messagesWaiting(int voice, int video);
    // The server asks the client to call `address` (click-to-call).
    void callRequested(const QString& address);
    void vCardReady(const QString& jid, const QString& fullName, const QString& roomChat);
    void guestLinkReady(const QString& roomChat, const QString& link);
    // Every change of a call, its end included (service_calls.cpp).
    void callUpdated(const Kivo::Simulation::Call& call);
    void callTransferFailed(int callId, int code);
    void callParked(int callId, const QString& orbit);
    void callLogAdded(const Kivo::Simulation::CallLogRecord& record);
    // Chat and rooms (service_chat.cpp, service_chat_rooms.cpp).
    void chatMessageStored(const Kivo::Simulation::ChatMessageRecord& message);
    void typingChanged(const QString& conversation, const QString& from, bool typing);
    void chatHistoryReceived(int requestId, const QString& conversation,
                             const QVector<Kivo::Simulation::ChatMessageRecord>& messages);
    void conversationsReceived(int requestId, const QList<Kivo::Simulation::ConversationSummary>& conversations);
    void conversationRead(const QString& conversation);
    void chatHistoryDeleted(const QString& conversation);
    void roomsReceived(int requestId, const QList<Kivo::Simulation::RoomRecord>& rooms);
    void roomCreated(const QString& jid, bool adHoc);
    void roomJoined(const Kivo::Simulation::RoomRecord& room);
    void roomJoinFailed(const QString& jid, Kivo::Simulation::RoomJoinError error);
    void roomLeft(const QString& jid);
    void roomInvitation(const QString& jid, const QString& from);
    void occupantJoined(const QString& jid, const QString& who, Kivo::Simulation::RoomRole role);
    // `by` is the one who removed `who`; empty when `who` left by themselves.
    void occupantLeft(const QString& jid, const QString& who, const QString& by);
    void roomRoleChanged(const QString& jid, const QString& who, Kivo::Simulation::RoomRole role);
    void roomSubjectChanged(const QString& jid, const QString& subject);
    void roomConfigReceived(const QString& jid, const Kivo::Simulation::RoomConfig& config);
    void roomConfigForbidden(const QString& jid);
    void roomConfigured(const Kivo::Simulation::RoomRecord& room);
    void roomDestroyed(const QString& jid);
    void roomDestructionFailed(const QString& jid);
    void roomMembersReceived(const QString& jid, const QStringList& members);
    void roomRequestFailed(const QString& jid, const QString& text);
    // File transfers (service_files.cpp).
    void fileTransferChanged(const Kivo::Simulation::FileTransferRecord& transfer);
    // Desktop shares (service_shares.cpp): every change of one, its end included.
    void shareUpdated(const Kivo::Simulation::ShareRecord& share);
    // The call log and the mailbox (service_history.cpp).
    void callLogReceived(int requestId, const QList<Kivo::Simulation::CallLogRecord>& records);
    void callLogFailed(int requestId, const QString& text);
    void voiceMailsReceived(int requestId, const QList<Kivo::Simulation::VoiceMailRecord>& mails);
    void voiceMailsFailed(int requestId, const QString& text);
    void voiceMailArrived(const Kivo::Simulation::VoiceMailRecord& mail);
    void voiceMailChanged(const Kivo::Simulation::VoiceMailRecord& mail);
    void voiceMailDeleted(const QString& id);
    // `request` names what failed: "delete", "read" or "media".
    void voiceMailRequestFailed(const QString& id, const QString& request);
    void voiceMailMediaReady(const QString& id, const QByteArray& media);
    // A connection of the session went down or came back (0 calls, 1 chat, 2 server).
    void linkChanged(int link, bool up);
    // Answers about the user's settings on the REST interface (service_settings.cpp).
    void supplementaryServicesReceived(int requestId, const QList<Kivo::Simulation::SupplementaryServiceRecord>& services);
    void supplementaryServiceChanged(int requestId, const Kivo::Simulation::SupplementaryServiceRecord& service);
    void anywhereReceived(int requestId, const Kivo::Simulation::AnywhereRecord& anywhere);
    void simultaneousRingReceived(int requestId, const Kivo::Simulation::SimultaneousRingRecord& ring);
    void callCenterAgentReceived(int requestId, const Kivo::Simulation::CallCenterAgentRecord& agent);
    void callCenterQueueNameReceived(int requestId, const QString& serviceUserId, const QString& name);
    void presenceRulesReceived(int requestId, const QList<Kivo::Simulation::PresenceRuleRecord>& rules);
    void serviceRequestFailed(int requestId, const Kivo::Simulation::ServiceFailure& failure);
    // A monitored user's line changed (service_blf.cpp).
    void blfLineChanged(const Kivo::Simulation::BlfLine& line);
    // The days until the user's password expires, asked for or told by the server of its
    // own accord; below 0 when it has expired (service_credentials.cpp).
    void passwordStatusReceived(const QString& userName, int daysLeft);
    void passwordChangeFinished(const QString& userName, bool success, int code, const QString& message);
    // The connectivity test met a proxy that wants credentials (answerProxyCredentials).
    void proxyCredentialsRequested(bool https);
    // A call to the user was diverted elsewhere by the user's forwarding, before it rang.
    void callDiverted(const QString& from, const QString& to);

private:
    friend class Colleagues;
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
    // The directory entries made from the accounts, with the numbers their contacts list.
    QList<PropertyMap> directoryEntries() const;
    // Whether somebody is signed in; logs the refusal of `request` otherwise.
    bool sessionOpen(const char* request) const;
    // Call steps that both the user's requests and the remote side (Control) take: a call
    // still ringing when the step runs is answered; a call still there ends.
    void postAnswer(int callId);
    void postEnd(int callId, CallEnd reason);

    QList<Account> m_Accounts;
    std::optional<int> m_SignedIn;
    bool m_SigningIn = false;
    QHash<int, Call> m_Calls;
    int m_NextCallId = 1;
    int m_Latency = DefaultLatency;
    bool m_Reachable = true;
    bool m_OutlookInstalled = true;
    bool m_ContactListReadOnly = false;
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

    // Conversations of each account, by account index (service_history.cpp reads them from
    // the account data); made empty on first use for an account without any.
    void loadConversations(const QByteArray& json);
    ConversationBook& conversationBook();
    // Whether a request may go to the service: somebody is signed in and, for a link
    // (0 calls, 1 chat, 2 server), that connection is up. Logs a refusal.
    bool linkUsable(const char* request, int link) const;
    void endCall(int callId, CallEnd reason);
    void logCall(const Call& call);
    void storeMessage(ChatMessageRecord message);
    void advanceTransfer(int transferId);
    void announceWaitingMessages();
    RoomRecord* findRoom(const QString& jid);
    // The room of a My Room's chat, made when somebody first enters it.
    RoomRecord* openMyRoomChat(const QString& jid);
    QString ownAddress() const;
    QHash<int, ConversationBook> m_ConversationBooks;
    QSet<int> m_DownLinks;
    // The far end answers the user's calls and takes offered files by itself.
    bool m_AutoAnswer = true;
    QHash<QString, Call> m_Parked;
    int m_NextTransferId = 1;
    // Desktop shares (service_shares.cpp): the share of a peer, by the peer's address in
    // lower case.
    std::optional<ShareRecord> shareOf(const QString& peer) const;
    // Records and reports a change of a share; an ended one is forgotten.
    void updateShare(ShareRecord share);
    QHash<int, ShareRecord> m_Shares;
    int m_NextShareId = 1;

    // Per user name, in lower case: where the account is located and what it last published.
    void loadLocations(const QByteArray& json);
    // The signed-in user's key in these tables; only while somebody is signed in.
    QString ownKey() const;
    QHash<QString, Kivo::Utils::Location::Info> m_LocatedAt;
    QHash<QString, Kivo::Utils::Location::Info> m_PublishedLocations;
    QHash<QString, QString> m_OwnNotes;
    QHash<QString, QByteArray> m_OwnPictures;

    // Per owner's user name, in lower case.
    void loadMyRooms(const QByteArray& json);
    QHash<QString, MyRoom> m_MyRooms;
    QHash<QString, int> m_GuestLinkGenerations;
    Devices* m_Devices = nullptr;
    Colleagues* m_Colleagues;

    // Per user name, in lower case (service_settings.cpp).
    void loadServiceSettings(const QByteArray& json);
    // Runs `answer` with a new request id after the latency, unless a failure of `kind` is
    // due: then that failure arrives instead.
    int postServiceRequest(ServiceRequest kind, const char* name, std::function<void(int)> answer);
    void refuseRequest(int requestId, int code, const QString& message);
    AccountServices& ownServices();

    // Lines of monitored users that are not idle, by address in lower case; a line not
    // listed is idle (service_blf.cpp).
    BlfLine blfLine(const QString& address) const;
    bool isMonitored(const QString& address) const;
    void setBlfLine(const BlfLine& line);
    // A call of the user that is answered as soon as it arrives.
    int postAnsweredCall(Call call);
    QHash<QString, BlfLine> m_BlfLines;
    // Days until each account's password of the server interface expires, and the ones
    // changed there, by user name in lower case; absent are a fresh password's days and the
    // sign-in password (service_credentials.cpp).
    QHash<QString, int> m_PasswordDaysLeft;
    QHash<QString, QString> m_InterfacePasswords;
    int m_NextGuest = 1;
    QHash<QString, AccountServices> m_ServiceSettings;
    QHash<int, QQueue<ServiceFailure>> m_DueFailures;
    int m_NextServiceRequest = 1;
};

} // namespace Simulation
} // namespace Kivo
