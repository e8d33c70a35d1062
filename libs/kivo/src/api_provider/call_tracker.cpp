#include "call_tracker.h"

#include "addin_connection.h"
#include "addin_server.h"
#include "contact_lookup.h"

#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

namespace Kivo {
namespace ApiProvider {

using Tesk::Core::Logging::LevelDebug;
using Tesk::Core::Logging::LevelWarning;

CallTracker::CallTracker(AddinServer* server, QObject* parent)
    : QObject(parent)
    , m_Server(server)
{
}

void CallTracker::start()
{
    if (m_Started)
        return;
    m_Started = true;
    connect(&Simulation::Service::shared(), &Simulation::Service::incomingCall, this, &CallTracker::onIncomingCall);
    connect(&Simulation::Service::shared(), &Simulation::Service::callStateChanged, this, &CallTracker::onCallStateChanged);
}

void CallTracker::stop()
{
    m_Started = false;
    disconnect(&Simulation::Service::shared(), nullptr, this, nullptr);
    m_Calls.clear();
}

int CallTracker::indexOf(int callId) const
{
    for (int i = 0; i < m_Calls.size(); ++i) {
        if (m_Calls.at(i).callId == callId)
            return i;
    }
    return -1;
}

int CallTracker::currentIndex() const
{
    for (int i = m_Calls.size() - 1; i >= 0; --i) {
        if (m_Calls.at(i).state == AddinEvents::CallOpen || m_Calls.at(i).state == AddinEvents::CallOnHold)
            return i;
    }
    for (int i = m_Calls.size() - 1; i >= 0; --i) {
        if (m_Calls.at(i).state == AddinEvents::CallRinging)
            return i;
    }
    return -1;
}

CallTracker::Tracked& CallTracker::track(int callId, const QString& remote, bool video, bool incoming)
{
    Tracked call;
    call.callId = callId;
    call.info.uri = remote;
    call.info.video = video;
    call.info.direction = incoming ? AddinEvents::CallIncoming : AddinEvents::CallOutgoing;
    // The service names a conference by its parties' addresses, joined.
    const bool conference = !incoming && remote.contains(QLatin1String(", "));
    const int contactId = conference ? ConferenceContactId : ContactLookup::idOf(remote);
    call.info.contactId = contactId != 0 ? contactId : UnknownPartyIds + callId;
    m_Calls.append(call);
    m_Server->broadcast(AddinEvents::Calls, AddinEvents::newCall(call.info));
    return m_Calls.last();
}

void CallTracker::report(Tracked& call, AddinEvents::CallState state)
{
    call.state = state;
    m_Server->broadcast(AddinEvents::Calls, AddinEvents::callState(call.info, state));
}

void CallTracker::onIncomingCall(int callId, const QString& remote, bool video)
{
    if (indexOf(callId) >= 0)
        return;
    report(track(callId, remote, video, true), AddinEvents::CallRinging);
}

void CallTracker::onCallStateChanged(int callId, Simulation::CallState state)
{
    int index = indexOf(callId);
    if (state == Simulation::CallState::Ended) {
        if (index < 0)
            return;
        Tracked call = m_Calls.takeAt(index);
        m_Server->broadcast(AddinEvents::Calls, AddinEvents::callState(call.info, AddinEvents::CallClosed));
        return;
    }
    if (index < 0) {
        // A call the user placed: the add-ins first hear of it now.
        const std::optional<Simulation::Call> placed = Simulation::Service::shared().call(callId);
        if (!placed)
            return;
        track(callId, placed->remote, placed->video, placed->incoming);
        index = m_Calls.size() - 1;
    }
    report(m_Calls[index], state == Simulation::CallState::Active ? AddinEvents::CallOpen : AddinEvents::CallRinging);
}

bool CallTracker::answer()
{
    for (int i = m_Calls.size() - 1; i >= 0; --i) {
        const Tracked& call = m_Calls.at(i);
        if (call.state == AddinEvents::CallRinging && call.info.direction == AddinEvents::CallIncoming)
            return Simulation::Service::shared().answerCall(call.callId);
    }
    KIVO_LOG(LevelWarning) << "Client API: no ringing call to answer";
    return false;
}

bool CallTracker::hangup()
{
    const int index = currentIndex();
    if (index < 0) {
        KIVO_LOG(LevelWarning) << "Client API: no call to hang up";
        return false;
    }
    return Simulation::Service::shared().endCall(m_Calls.at(index).callId);
}

bool CallTracker::hold(bool hold)
{
    const AddinEvents::CallState from = hold ? AddinEvents::CallOpen : AddinEvents::CallOnHold;
    for (int i = m_Calls.size() - 1; i >= 0; --i) {
        if (m_Calls.at(i).state == from) {
            report(m_Calls[i], hold ? AddinEvents::CallOnHold : AddinEvents::CallOpen);
            return true;
        }
    }
    KIVO_LOG(LevelWarning) << "Client API: no call to " << (hold ? "hold" : "resume");
    return false;
}

bool CallTracker::mute(bool mute)
{
    const int index = currentIndex();
    if (index < 0 || m_Calls.at(index).state == AddinEvents::CallRinging) {
        KIVO_LOG(LevelWarning) << "Client API: no open call to " << (mute ? "mute" : "unmute");
        return false;
    }
    KIVO_LOG(LevelDebug) << "Client API: call " << m_Calls.at(index).callId << (mute ? " muted" : " unmuted");
    m_Server->broadcast(AddinEvents::CallMute, AddinEvents::callMuteState(mute));
    return true;
}

void CallTracker::replayTo(AddinConnection* connection) const
{
    for (const Tracked& call : m_Calls) {
        connection->send(AddinEvents::newCall(call.info));
        connection->send(AddinEvents::callState(call.info, call.state));
    }
}

QString CallTracker::unknownPartyAddress(int contactId) const
{
    for (const Tracked& call : m_Calls) {
        if (call.info.contactId == contactId && contactId >= UnknownPartyIds)
            return call.info.uri;
    }
    return QString();
}

} // namespace ApiProvider
} // namespace Kivo
