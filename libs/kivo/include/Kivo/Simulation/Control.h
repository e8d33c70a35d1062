#pragma once

#include <Kivo/Simulation/ConversationTypes.h>
#include <Kivo/Simulation/ServiceSettings.h>
#include <Kivo/Simulation/Types.h>
#include <Kivo/Utils/Location.h>

#include <QString>
#include <QStringList>

namespace Kivo {
namespace Simulation {

class Service;

// Injects what the server would do of its own accord. Each call checks the event against
// the service's present state and returns false, with a log line, when it cannot happen;
// an accepted event is delivered after the service's latency like any other.
class Control
{
public:
    explicit Control(Service& service);

    // Returns the new call's id, or 0 when nobody is signed in or `from` is empty.
    int injectIncomingCall(const QString& from, bool video = false);
    bool injectRemoteHangUp(int callId);
    bool injectChatMessage(const QString& from, const QString& text);
    bool injectPresenceChange(int contactId, int presence, const QString& note = QString());
    // Other users ask to see the signed-in user's presence, all in one delivery
    // (service_presence_requests.cpp); refused for an empty, the user's own or an already
    // waiting address.
    bool injectPresenceRequests(const QStringList& from);
    bool injectServerError(int code, const QString& text);
    bool forceSignOut(const QString& reason);
    // Where the service says the signed-in user is (service_presence.cpp).
    bool injectSoapActionLocation(const Kivo::Utils::Location::Info& location);
    bool injectPubsubLocation(const Kivo::Utils::Location::Info& location);
    // Server messages and click-to-call requests (control_calls.cpp).
    bool injectMessagesWaiting(int voice, int video);
    bool injectCallRequest(const QString& address);
    // Devices plugged into or out of the machine (control_media.cpp); refused for an empty or
    // taken identifier, or one that is not plugged in.
    bool plugInAudioDevice(const QByteArray& identifier, const QString& displayName, bool input);
    bool unplugAudioDevice(const QByteArray& identifier);
    bool plugInCamera(const QByteArray& name, const QString& displayName);
    bool unplugCamera(const QByteArray& name);
    // The REST interface (control_settings.cpp): the next request of `request`'s kind fails
    // with `failure` (several calls queue up), or a supplementary service changes on the
    // server's side, as another device of the user would change it; the client learns it at
    // its next fetch.
    bool failNextServiceRequest(ServiceRequest request, const ServiceFailure& failure);
    bool injectSupplementaryService(const SupplementaryServiceRecord& service);

    // An incoming call with more to it than a caller (control_calls.cpp).
    struct IncomingCall
    {
        QString from;
        bool video = false;
        // The executive the caller calls for.
        QString executive;
        // Who transferred the call to the user.
        QString transferredBy;
        bool silent = false;
    };
    int injectIncomingCall(const IncomingCall& call);
    // Whether the far end answers the user's calls and takes offered files by itself (the
    // default); when it does not, the calls ring until one of the events below.
    void setAutoAnswer(bool autoAnswer);
    // Whether the account's colleagues answer chats and take calls at their own pace and their
    // lines follow their calls (the default); when they do not, the far end answers calls
    // at once and nobody replies (colleagues.cpp).
    void setColleaguesActive(bool active);
    bool injectRemoteAnswer(int callId);
    bool injectRemoteReject(int callId);
    bool injectRemoteBusy(int callId);
    bool injectRemoteHold(int callId, bool hold);
    // The far end hands the call on to `to`: the user now talks to `to`.
    bool injectRemoteTransfer(int callId, const QString& to);
    bool injectVideoRequest(int callId);
    // Chat and rooms (control_chat.cpp).
    bool injectTyping(const QString& from, bool typing, const QString& room = QString());
    bool injectRoomMessage(const QString& room, const QString& from, const QString& text);
    bool injectRoomJoin(const QString& room, const QString& who);
    bool injectRoomLeave(const QString& room, const QString& who);
    // `by` dismisses the signed-in user from the room.
    bool injectRoomKickUser(const QString& room, const QString& by);
    bool injectRoomInvitation(const QString& room, const QString& from);
    // Returns the transfer's id, 0 when refused.
    int injectFileOffer(const QString& from, const QString& fileName, qint64 size);
    bool injectFileAccepted(int transferId);
    bool injectFileDeclined(int transferId);
    // The mailbox and the session's connections (control_history.cpp). Returns the new
    // message's id, empty when refused.
    QString injectVoiceMail(const QString& from, Kivo::Simulation::VoiceMailKind kind, int seconds);
    // A monitored user's line changes (control_blf.cpp): `state` is a BlfLineState and
    // `caller` who calls or talks to the monitored user. Refused for a user the signed-in
    // user does not monitor or a state out of range.
    bool injectBlfLineState(const QString& address, int state, const QString& caller = QString());
    // `link` is one of Service::Link.
    bool injectLinkLost(int link);
    bool injectLinkRestored(int link);
    // The server's account and the network around the client (service_credentials.cpp):
    // the days until the user's password expires (below 0 when it has, within
    // MaxPasswordDays either way), told by the server at once; and a proxy of the
    // connectivity test asking for credentials, with or without a session.
    static constexpr int MaxPasswordDays = 10000;
    bool setPasswordDaysLeft(int days);
    bool injectProxyCredentialsRequest(bool https);
    // A guest asks at the door of the signed-in user's My Room (service_guests.cpp), which
    // must take guests and have the user inside. Returns the guest's address, empty when
    // refused.
    static constexpr int MaxGuestNameLength = 64;
    QString injectGuestRequest(const QString& name);
    // The user's forwarding diverted a call from `from` (to `to`, when known) before it rang
    // (control_events.cpp).
    bool injectCallDiverted(const QString& from, const QString& to = QString());
    // The machine's audio input, output or both stop working while plugged in.
    bool injectAudioDeviceFailure(bool input, bool output);

    // The rooms the signed-in user knows, for naming one (control_events.cpp).
    QList<RoomRecord> rooms() const;

    // Why the last refused event could not happen ("incoming call: nobody is signed in").
    QString lastRefusal() const { return m_LastRefusal; }

    // A peer's desktop share (control_shares.cpp): `from` invites the user to watch it (a
    // mismatched share comes from a share component this client cannot work with), holds
    // the picture or lets it move again, and ends it. Returns the share's id, 0 when
    // refused; the others are refused while `from` shows the user nothing.
    int injectShareStarted(const QString& from, bool mismatched = false);
    bool injectSharePaused(const QString& from, bool paused);
    bool injectShareStopped(const QString& from);

private:
    // Logs why `event` cannot happen and keeps it; returns false (0 for a call id).
    bool refuse(const char* event, const char* why) const;
    // Whether `callId` is a call of the user that still rings at the far end; logs otherwise.
    bool ringingOutgoing(int callId, const char* event) const;
    // The peer takes or declines a file the user offered.
    bool answerOwnOffer(int transferId, bool accepted);

    Service& m_Service;
    mutable QString m_LastRefusal;
};

} // namespace Simulation
} // namespace Kivo
