#pragma once

#include <Kivo/MediaEngine/Call.h>

#include <QList>
#include <QObject>
#include <QSet>
#include <QStringList>

namespace Kivo {
namespace Actions {
class ActionData;
class Source;
} // namespace Actions
namespace Controllers {

// Makes and tracks the session's conversations.
class CommsSessionController : public QObject
{
    Q_OBJECT

public:
    // Follows the simulated service's calls and chats.
    explicit CommsSessionController(QObject* parent = nullptr);

    // The calls this controller placed or took over that the service still runs.
    QList<MediaEngine::Call> calls() const { return m_Calls; }
    // The call the user works with now; invalid when there is none.
    MediaEngine::Call activeCall() const { return m_ActiveCall; }

public slots:
    // Calls `addresses` (one address: a call; more: a conference call). An empty list or an
    // empty address places nothing.
    void createCall(const QStringList& addresses, bool video);
    void createChat(const QStringList& addresses);
    void createMyRoomSession(const QString& call, const QString& chat, const QString& webcollab);
    void createWebCollabSession(const QStringList& addresses);
    // Brings the conversation of `call` to the front; a call the service does not run is
    // refused with a log line.
    void handleActivateSessionOfCall(const Kivo::MediaEngine::Call& call);
    // Carries out a communication action on the contacts of `source`.
    void actionTriggered(Kivo::Actions::ActionData& data, Kivo::Actions::Source& source);

signals:
    void preferencesChanged();
    // A conversation asks for a page of the preferences window.
    void preferenceActivated(int page);
    // A call of this controller was placed with the service, or has ended.
    void callPlaced(const Kivo::MediaEngine::Call& call);
    void callEnded(const Kivo::MediaEngine::Call& call);
    void chatCreated(const QStringList& addresses);
    void myRoomSessionCreated(const QString& call, const QString& chat, const QString& webcollab);
    void webCollabSessionCreated(const QStringList& addresses);
    void sessionActivated(const Kivo::MediaEngine::Call& call);
    // A selection over the group limit: `limit` contacts at most, `adding` to an ongoing one.
    void groupCommunicationError(int limit, bool adding);
    void commsSessionsLimitExceeded();

private:
    void onOutgoingCall(int callId, const QString& remote, bool video);
    void onCallEnded(int callId);
    int indexOfCall(int callId) const;

    // Calls asked of the service that it has not reported yet.
    QSet<int> m_Placing;
    QList<MediaEngine::Call> m_Calls;
    MediaEngine::Call m_ActiveCall;
};

} // namespace Controllers
} // namespace Kivo
