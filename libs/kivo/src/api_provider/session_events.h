#pragma once

#include <QObject>

namespace Kivo {
namespace ApiProvider {

class AddinConnection;
class AddinServer;

// Passes the session's news other than calls to the add-ins that asked for them: presence,
// contact changes and waiting voice messages.
class SessionEvents : public QObject
{
    Q_OBJECT

public:
    explicit SessionEvents(AddinServer* server, QObject* parent = nullptr);

    void start();
    void stop();
    // What an add-in that has just asked for these events has missed.
    void replayTo(AddinConnection* connection) const;

private:
    void onPresenceChanged(int contactId);
    void onMessagesWaiting(int voice);

    AddinServer* m_Server;
    bool m_Started = false;
    // Voice messages waiting, -1 until the service has told.
    int m_VoiceMessages = -1;
};

} // namespace ApiProvider
} // namespace Kivo
