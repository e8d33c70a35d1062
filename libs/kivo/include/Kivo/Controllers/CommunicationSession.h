#pragma once

#include <Kivo/Actions/Source.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/MediaEngine/Call.h>

#include <QPointer>
#include <QString>
#include <QUrl>

namespace Kivo {
namespace Actions {
class Provider;
}
namespace Models {
class CommsSessionParticipants;
}
namespace Webcollab {
class WebcollabBase;
}
namespace Controllers {

class ChatInterface;
class CommsSessionController;
class XmppChat;
class ZynHandler;

// One conversation: a call, a chat, a share, or several of them together, with one party
// or with a group. Its state is a set of flags; every change of it is reported with the
// state before and after. The session is gone (destroyed) once nothing is left in it.
class CommunicationSession : public Actions::Source
{
    Q_OBJECT
    Q_PROPERTY(uint state READ getState NOTIFY stateChanged)
    Q_PROPERTY(bool chatActive READ chatActive NOTIFY stateChanged)
    Q_PROPERTY(bool callActive READ callActive NOTIFY stateChanged)
    Q_PROPERTY(bool vyxCallActive READ vyxCallActive NOTIFY stateChanged)
    Q_PROPERTY(bool webCollabActive READ webCollabActive NOTIFY stateChanged)
    Q_PROPERTY(bool group READ isGroup NOTIFY stateChanged)
    Q_PROPERTY(bool myRoomSession READ isMyRoomSession CONSTANT)
    Q_PROPERTY(QObject* call READ callObject NOTIFY callChanged)
    Q_PROPERTY(QObject* chat READ chatObject NOTIFY stateChanged)
    Q_PROPERTY(QObject* contact READ contactObject NOTIFY contactChanged)
    Q_PROPERTY(QObject* participants READ participantsObject CONSTANT)
    Q_PROPERTY(QObject* webcollab READ webcollabObject NOTIFY stateChanged)
    Q_PROPERTY(QObject* zynHandler READ getZynHandler CONSTANT)
    Q_PROPERTY(int unreadMessages READ unreadMessages NOTIFY unreadMessagesChanged)
    Q_PROPERTY(bool hasAssociatedFirstCall READ getHasAssociatedFirstCall NOTIFY hasAssociatedFirstCallChanged)
    Q_PROPERTY(bool hasAssociatedSecondCall READ hasAssociatedSecondCall NOTIFY hasAssociatedFirstCallChanged)
    // The other conversation of a transfer: the first call's or the consultation call's.
    Q_PROPERTY(QObject* associatedSession READ associatedSessionObject NOTIFY hasAssociatedFirstCallChanged)
    Q_PROPERTY(bool allowedToInvite READ isAllowedToInvite NOTIFY allowedToInviteChanged)
    Q_PROPERTY(bool shareInvitationOrphan READ getShareInvitationOrphan WRITE setShareInvitationOrphan
                   NOTIFY shareInvitationChanged)
    Q_PROPERTY(QString chatSecurityClassification READ getChatSecurityClassification NOTIFY securityChanged)
    Q_PROPERTY(QString callSecurityClassification READ getCurrentCallSecurityClassification NOTIFY securityChanged)
    Q_PROPERTY(int callRecordMode READ getCallRecordMode NOTIFY callRecordingStateChanged)

public:
    // Bits of getState().
    enum StateFlag
    {
        Empty = 0,
        Chat = 0x1,
        CallFlag = 0x2,
        Share = 0x4,
        Conference = 0x8
    };
    Q_ENUM(StateFlag)

    // What call recording the service offers: below Always none; Always records every call
    // (the user may pause); OnDemand starts on request; OnDemandWithStop also stops.
    enum RecordMode
    {
        NoRecording = 0,
        Always = 3,
        OnDemand = 4,
        OnDemandWithStop = 5
    };

    // The session controller makes sessions; `key` names the conversation inside it.
    explicit CommunicationSession(CommsSessionController* controller = nullptr, const QString& key = QString(),
                                  QObject* parent = nullptr);
    ~CommunicationSession() override;

    QList<Actions::ActionData> actionsData() const override { return {}; }
    int sourceType() const override { return ObjectType; }

    uint getState() const { return m_State; }
    bool chatActive() const;
    bool callActive() const;
    bool vyxCallActive() const;
    bool webCollabActive() const { return m_Share; }
    bool isGroup() const { return m_State & Conference; }
    bool isMyRoomSession() const { return m_MyRoom; }
    bool isOwnMyRoomSession() const { return m_MyRoom && m_OwnMyRoom; }
    // The user started the conversation, or owns its room.
    bool isSessionOwner() const;
    // Whether more people may be brought in: a group the user may invite to, or a
    // one-to-one conversation that can become one.
    bool isAllowedToInvite() const;
    // A call with audio only: no video, no chat, no share.
    bool isOnlyAudioCall() const;
    // This session's call is the consultation call of a transfer of `associated` session.
    bool getHasAssociatedFirstCall() const;
    bool hasAssociatedSecondCall() const;
    CommunicationSession* associatedSession() const { return m_Associated; }
    int unreadMessages() const;

    QString key() const { return m_Key; }
    // The conversation's addresses: the party's SIP address (or the conference's) and its
    // XMPP address (the peer's or the room's); either may be empty.
    QString uri() const;
    QString jid() const;

    MediaEngine::CallBasePtr* getCall() const { return m_Call.get(); }
    MediaEngine::Call getCallRef() const { return m_Call; }
    ChatInterface* getChat() const;
    ChatInterface* getChatInterface() const { return getChat(); }
    Contacts::IContact* getContact() const;
    Models::CommsSessionParticipants* getParticipants() const { return m_Participants; }
    Webcollab::WebcollabBase* getWebCollab() const;
    // The screen-share handler of the screen-sharing service, when the configuration offers
    // that service; null otherwise.
    QObject* getZynHandler() const;
    ZynHandler* zynHandler() const { return m_ZynHandler; }
    int getCallRecordMode() const;

    // Which other session this one could join with (for "Conference with") and whether its
    // call could be transferred onto the other's (for "Transfer to"). `chatAllowed` lets
    // two chats join; `reason` says why not. Conferencing answers 0 for no, else the bits
    // 1 (the calls merge) and 2 (the chats join).
    int getConferencingOptions(CommunicationSession* other, bool chatAllowed, QString& reason) const;
    bool canTransferWith(CommunicationSession* other, bool chatAllowed, QString& reason) const;

    bool isChatSecurityClassificationEnabled() const;
    bool isCallSecurityClassificationEnabled() const;
    QString getChatSecurityClassification() const;
    QString getCurrentCallSecurityClassification() const { return m_CallClassification; }

    bool getShareInvitationOrphan() const { return m_ShareInvitationOrphan; }
    void setShareInvitationOrphan(bool orphan);

    // The session's actions provider: the session keeps its actions' enabled states.
    void setActionsProvider(Actions::Provider* provider);
    Actions::Provider* actionsProvider() const;
    // The action of that id of the session's actions provider (for QML, an
    // Actions::Action); null without a provider or without the action.
    Q_INVOKABLE QObject* action(int id) const;

    // The session controller's side.
    void attachCall(const MediaEngine::Call& call);
    void attachChat(XmppChat* chat);
    void setContact(Contacts::IContact* contact);
    void setMyRoom(bool myRoom, bool own);
    void setShare(bool active);
    // A share of the screen-sharing service runs in the conversation (the session takes it
    // over), or the one of `shareId` ended (communication_session_shares.cpp).
    void attachShare(Webcollab::WebcollabBase* share, bool incoming);
    void detachShare(int shareId);
    void setAssociatedSession(CommunicationSession* session, bool first);
    // Recomputes the state; `incoming` marks a change the far end caused.
    void refreshState(bool incoming);

public slots:
    void acceptChat();
    void closeChat();
    // Ends everything of the session: call, chat and share.
    void close();
    void closeWebcollab();
    // Brings contacts (a comma-separated list of contact ids, or addresses) into the
    // conversation: a chat becomes a group chat, a call a conference.
    void addParticipants(const QString& participants, const QString& text);
    void transferCall(const QString& target);
    // The consultation call is up: join the first call's party with it.
    void transferCallToThis();
    void setCallTransferAssociatedSession(Kivo::Controllers::CommunicationSession* session, bool first);
    // A consultation call for a transfer; `audio` false makes it a video call.
    void createSecondCall(const QString& number, bool audio);
    void parkCall(const QString& extension);
    void callRecordClicked();
    void callRecordStopClicked();
    // Hands the call over to the executive it was placed for.
    void transferToExecutive();
    void fileDropped(const QUrl& file);
    void setCurrentCallSecurityClassification(const QString& classification);
    // Sessions of the user's room: the answer to a guest who asks to enter.
    void handleNewGuestRequestAccepted(const QString& jid);
    void handleNewGuestRequestRejected(const QString& jid);

signals:
    void stateChanged();
    void sessionStateChanged(Kivo::Controllers::CommunicationSession* session, unsigned int previous,
                             unsigned int current, bool incoming);
    void contactChanged();
    void callChanged();
    void chatActiveChanged();
    void backgroundActiveChanged();
    void handleShareActivation();
    void activated();
    void participantUpdated();
    void shareInvitationChanged();
    void hasAssociatedFirstCallChanged();
    void allowedToInviteChanged();
    void callRecordingStateChanged();
    void unreadMessagesChanged();
    void securityChanged();
    // The session's call, relayed.
    void callStateChanged(Kivo::MediaEngine::CallBasePtr* call, Kivo::MediaEngine::CallBasePtr::CallState state);
    void videoStateChanged(Kivo::MediaEngine::CallBasePtr* call, Kivo::MediaEngine::CallBasePtr::CallState state);
    void ringing(const Kivo::MediaEngine::Call& call);
    void addVideoRequest(const Kivo::MediaEngine::Call& call);
    void opened();
    void closed();
    void earlymediaReceived();
    void transferFailed(const Kivo::MediaEngine::Call& call, int code);
    void transferDone();
    // "Send File" on the conversation: the user is to choose the file to send in its chat.
    void fileSelectionRequested();
    void showGuestNotification(Kivo::Controllers::CommunicationSession* session, Kivo::Contacts::ContactPtr guest);
    void hideGuestNotification(Kivo::Controllers::CommunicationSession* session, Kivo::Contacts::ContactPtr guest);

private:
    // A guest waits at the door of the user's room: the owner is asked.
    void onGuestWaiting(const QString& jid);
    QString guestName(const QString& address) const;
    QObject* callObject() const;
    QObject* chatObject() const;
    QObject* contactObject() const;
    QObject* participantsObject() const;
    QObject* associatedSessionObject() const;
    QObject* webcollabObject() const;
    void onCallStateChanged(MediaEngine::CallBasePtr* call, MediaEngine::CallBasePtr::CallState state);
    void onChatStateChanged();
    void updateActions();
    void syncParticipantsWithCall();

    QPointer<CommsSessionController> m_Controller;
    QString m_Key;
    uint m_State = Empty;
    MediaEngine::Call m_Call;
    QPointer<XmppChat> m_Chat;
    QPointer<Contacts::IContact> m_Contact;
    Models::CommsSessionParticipants* m_Participants;
    QPointer<Webcollab::WebcollabBase> m_WebCollab;
    ZynHandler* m_ZynHandler = nullptr;
    QPointer<Actions::Provider> m_Provider;
    QPointer<CommunicationSession> m_Associated;
    bool m_AssociatedFirst = false;
    bool m_Share = false;
    bool m_MyRoom = false;
    bool m_OwnMyRoom = false;
    bool m_Owner = false;
    bool m_ShareInvitationOrphan = false;
    QString m_CallClassification;
};

} // namespace Controllers
} // namespace Kivo
