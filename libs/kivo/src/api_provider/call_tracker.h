#pragma once

#include "addin_events.h"

#include <Kivo/Simulation/Types.h>

#include <QList>
#include <QObject>

namespace Kivo {
namespace ApiProvider {

class AddinConnection;
class AddinServer;

// Follows the session's calls for the add-ins: each call gets a contact id (the contact's
// when the remote party is a stored contact, else one of its own) and its state changes
// become call events. Answering, hanging up, holding and muting act on these calls.
class CallTracker : public QObject
{
    Q_OBJECT

public:
    // Contact ids of parties that are no stored contact start here.
    static constexpr int UnknownPartyIds = 1000000;
    // The contact id of a conference.
    static constexpr int ConferenceContactId = -1;

    explicit CallTracker(AddinServer* server, QObject* parent = nullptr);

    void start();
    // Forgets every call; the add-ins hear nothing more of them.
    void stop();

    // Each is false, with a log line, when there is no call to act on.
    bool answer();
    bool hangup();
    bool hold(bool hold);
    bool mute(bool mute);

    // The calls running now, for an add-in that has just asked for call events.
    void replayTo(AddinConnection* connection) const;
    // The remote address of a call whose party is no stored contact.
    QString unknownPartyAddress(int contactId) const;

private:
    struct Tracked
    {
        int callId = 0;
        AddinEvents::CallInfo info;
        AddinEvents::CallState state = AddinEvents::CallRinging;
    };

    void onIncomingCall(int callId, const QString& remote, bool video);
    void onCallStateChanged(int callId, Kivo::Simulation::CallState state);
    Tracked& track(int callId, const QString& remote, bool video, bool incoming);
    void report(Tracked& call, AddinEvents::CallState state);
    int indexOf(int callId) const;
    // The call the user is talking on (open or held), else the newest ringing one.
    int currentIndex() const;

    AddinServer* m_Server;
    QList<Tracked> m_Calls;
    bool m_Started = false;
};

} // namespace ApiProvider
} // namespace Kivo
