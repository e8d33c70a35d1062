#pragma once

#include <Kivo/MediaEngine/Call.h>

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

namespace Kivo {
namespace Actions {
class ActionData;
class Source;
} // namespace Actions
namespace Contacts {
class Contacts;
class IContact;
} // namespace Contacts
namespace MediaEngine {
class CallControllerBase;
}
namespace Sessions {
class SessionManagerBase;
}
namespace Simulation {
struct ShareRecord;
}
namespace Controllers {

class CommunicationSession;
class FtController;
class GuestHelper;
class XmppChat;
class XmppChatController;

// Makes and tracks the session's conversations: one communication session per party (its
// calls and its chat together), per room and per conference, in the order they began.
class CommsSessionController : public QObject
{
    Q_OBJECT

public:
    // The controller of `session`'s conversations; without one it makes calls and chats
    // only through the service.
    explicit CommsSessionController(Sessions::SessionManagerBase* session = nullptr);
    ~CommsSessionController() override;

    // Every conversation, oldest first.
    QList<CommunicationSession*> commsList() const { return m_Sessions; }
    // The one-to-one conversation with the contact `contactId`, or null.
    CommunicationSession* getSession(int contactId) const;
    // The conversation of a call, or null.
    CommunicationSession* getSession(const MediaEngine::Call& call) const;
    CommunicationSession* sessionOfUri(const QString& uri) const;
    // The number or address the user called last; empty before the first call.
    QString getLastDialedNumber() const { return m_LastDialed; }
    // Names of the dynamic properties of a "Conference with" or "Transfer to" entry that
    // carry the two sessions' URIs.
    static QString getOriginatorKey();
    static QString getDestinationKey();
    Sessions::SessionManagerBase* sessionManager() const;
    Contacts::Contacts* contacts() const;
    MediaEngine::CallControllerBase* callController() const;
    XmppChatController* xmppChats() const;
    FtController* fileTransfers() const;
    // The guests waiting to enter the user's My Room.
    GuestHelper* guestHelper() const { return m_GuestHelper; }
    QString ownAddress() const;
    // The address a participant text names: a contact id's address, or the text itself when
    // it can be called; empty when it names nobody who can be reached.
    QString resolve(const QString& participant) const;

public slots:
    // Calls `addresses` (one address: a call; more: a conference call). An empty list or an
    // empty address places nothing.
    void createCall(const QStringList& addresses, bool video);
    void createCallFromPhone(const QStringList& addresses);
    void createChat(const QStringList& addresses);
    // A new room of the user, to configure before use.
    void createChat();
    // A group chat with `contacts`; `adHoc` makes it a room that needs no configuration.
    void createChat(const QList<Kivo::Contacts::IContact*>& contacts, bool adHoc);
    void createMyRoomSession(const QString& call, const QString& chat, const QString& webcollab);
    void createWebCollabSession(const QStringList& addresses);
    // Enters the group chat of a listed room.
    void createGroupChat(const QString& roomJid);
    // Brings the conversation of `call` to the front; a call the service does not run is
    // refused with a log line.
    void handleActivateSessionOfCall(const Kivo::MediaEngine::Call& call);
    // Carries out a communication action on the contacts of `source`, or on the session that
    // is the source.
    void actionTriggered(Kivo::Actions::ActionData& data, Kivo::Actions::Source& source);
    // A message of the session arrived or was read: its place among the conversations moves.
    void updateSession(Kivo::Controllers::CommunicationSession* session);
    // Merges or transfers between the two sessions named by a menu entry's properties.
    void handleCustomAction(int actionId, const QString& originatorUri, const QString& destinationUri);
    void retrieveParkedCall(const QString& orbit);

signals:
    void sessionCreated(Kivo::Controllers::CommunicationSession* session, bool incoming);
    // A session the user asked for is set up: its window may show.
    void sessionReady(Kivo::Controllers::CommunicationSession* session);
    void sessionUpdated(Kivo::Controllers::CommunicationSession* session);
    void sessionRemoved(Kivo::Controllers::CommunicationSession* session);
    // A My Room was asked for and its room is being entered.
    void myRoomSessionCreated(const QString& call, const QString& chat, const QString& webcollab);
    void preferencesChanged();
    // A conversation asks for a page of the preferences window.
    void preferenceActivated(int page);
    // Something was dropped on a conversation.
    void droppedOnCommunication();
    // A conversation was brought to the front while the program was in the background.
    void handleBackgroundActivationChange();
    void failedToAddContacts(const QStringList& contacts);
    void emergencyCallNotification();
    void callTransferred(Kivo::Controllers::CommunicationSession* session);
    void errorJoiningRoom(const QString& name);
    // A selection over the group limit: `limit` contacts at most, `adding` to an ongoing one.
    void groupCommunicationError(int limit, bool adding);
    void commsSessionsLimitExceeded();

private:
    void connectEngine();
    void onCall(const MediaEngine::Call& call, bool incoming);
    void onChat(XmppChat* chat, bool incoming);
    // A desktop share of the screen-sharing service (comms_session_shares.cpp).
    void onShareUpdated(const Simulation::ShareRecord& share);
    CommunicationSession* makeSession(const QString& key);
    void add(CommunicationSession* session, bool incoming);
    // The session's chat reached the active state: a session the user began is ready.
    void chatReady(CommunicationSession* session);
    void remove(CommunicationSession* session);
    // The key of the one-to-one conversation with `address`: its contact's, else the address's.
    QString keyOf(const QString& address, Contacts::IContact** contact) const;
    Contacts::IContact* contactOf(const QString& address) const;
    MediaEngine::Call placeCall(const QStringList& addresses, bool video, bool fromPhone);
    CommunicationSession* placeConsultationCall(const QString& number, bool video);
    bool isEmergencyNumber(const QString& address) const;
    void handleSessionAction(CommunicationSession* session, int id);
    // Pick-up and barge-in on the monitored lines of the contacts (busy lamp field).
    void handleMonitoredLineAction(const QList<Contacts::IContact*>& contacts, int id);
    // "End All Calls" and "End All Chats".
    void endAll(bool calls);
    // A blind transfer of the one call going on.
    void transferActiveCall(const QStringList& addresses);

    QPointer<Sessions::SessionManagerBase> m_SessionManager;
    QList<CommunicationSession*> m_Sessions;
    // Sessions by their key and by the service's call id.
    QHash<QString, CommunicationSession*> m_ByKey;
    QHash<int, CommunicationSession*> m_ByCall;
    // Sessions the user began that wait for their chat to be ready before they show.
    QList<QPointer<CommunicationSession>> m_AwaitingReady;
    // The session the next call placed belongs to, when not its party's (a room's call).
    QString m_NextCallTarget;
    QString m_LastDialed;
    GuestHelper* m_GuestHelper;

    friend class CommunicationSession;
};

} // namespace Controllers
} // namespace Kivo
