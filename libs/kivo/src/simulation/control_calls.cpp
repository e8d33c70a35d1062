// What the server and the far end of a call do of their own accord: calls, the messages and
// calls it asks for.
#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Service.h>

namespace Kivo {
namespace Simulation {

bool Control::injectMessagesWaiting(int voice, int video)
{
    if (!m_Service.isSignedIn())
        return refuse("waiting messages", "nobody is signed in");
    if (voice < 0 || video < 0)
        return refuse("waiting messages", "a count is negative");
    Service* service = &m_Service;
    m_Service.post([service, voice, video] { emit service->messagesWaiting(voice, video); }, true);
    return true;
}

bool Control::injectCallRequest(const QString& address)
{
    if (!m_Service.isSignedIn())
        return refuse("call request", "nobody is signed in");
    if (!Service::isCallableAddress(address))
        return refuse("call request", "the address cannot be called");
    Service* service = &m_Service;
    const QString remote = address.trimmed();
    m_Service.post([service, remote] { emit service->callRequested(remote); }, true);
    return true;
}

int Control::injectIncomingCall(const IncomingCall& incoming)
{
    if (!m_Service.isSignedIn())
        return refuse("incoming call", "nobody is signed in");
    if (incoming.from.trimmed().isEmpty())
        return refuse("incoming call", "the caller is empty");
    if (!m_Service.isLinkUp(Service::CallsLink))
        return refuse("incoming call", "the call connection is down");
    const int callId = m_Service.m_NextCallId++;
    Service* service = &m_Service;
    m_Service.post(
        [service, callId, incoming] {
            Call call;
            call.id = callId;
            call.remote = incoming.from;
            call.video = incoming.video;
            call.incoming = true;
            call.executive = incoming.executive.trimmed();
            call.transferredBy = incoming.transferredBy.trimmed();
            call.silent = incoming.silent;
            call.started = QDateTime::currentDateTimeUtc();
            service->m_Calls.insert(callId, call);
            emit service->incomingCall(callId, incoming.from, incoming.video);
            emit service->callUpdated(call);
        },
        true);
    return callId;
}

void Control::setAutoAnswer(bool autoAnswer)
{
    m_Service.m_AutoAnswer = autoAnswer;
}

bool Control::ringingOutgoing(int callId, const char* event) const
{
    const auto call = m_Service.m_Calls.constFind(callId);
    if (call == m_Service.m_Calls.constEnd() || call->incoming || call->state != CallState::Ringing)
        return refuse(event, "there is no such ringing call of the user");
    return true;
}

bool Control::injectRemoteAnswer(int callId)
{
    if (!ringingOutgoing(callId, "remote answer"))
        return false;
    m_Service.postAnswer(callId);
    return true;
}

bool Control::injectRemoteReject(int callId)
{
    if (!ringingOutgoing(callId, "remote rejection"))
        return false;
    m_Service.postEnd(callId, CallEnd::Rejected);
    return true;
}

bool Control::injectRemoteBusy(int callId)
{
    if (!ringingOutgoing(callId, "remote busy"))
        return false;
    m_Service.postEnd(callId, CallEnd::Busy);
    return true;
}

bool Control::injectRemoteHold(int callId, bool hold)
{
    const auto found = m_Service.m_Calls.constFind(callId);
    if (found == m_Service.m_Calls.constEnd() || found->state != CallState::Active)
        return refuse("remote hold", "there is no such active call");
    Service* service = &m_Service;
    m_Service.post(
        [service, callId, hold] {
            auto call = service->m_Calls.find(callId);
            if (call == service->m_Calls.end() || call->heldByRemote == hold)
                return;
            call->heldByRemote = hold;
            emit service->callUpdated(*call);
        },
        true);
    return true;
}

bool Control::injectRemoteTransfer(int callId, const QString& to)
{
    const auto found = m_Service.m_Calls.constFind(callId);
    if (found == m_Service.m_Calls.constEnd() || found->state != CallState::Active)
        return refuse("remote transfer", "there is no such active call");
    if (!Service::isCallableAddress(to))
        return refuse("remote transfer", "the new party cannot be called");
    Service* service = &m_Service;
    const QString party = to.trimmed();
    m_Service.post(
        [service, callId, party] {
            auto call = service->m_Calls.find(callId);
            if (call == service->m_Calls.end())
                return;
            call->transferredBy = call->remote;
            call->remote = party;
            call->heldByRemote = false;
            emit service->callUpdated(*call);
        },
        true);
    return true;
}

bool Control::injectVideoRequest(int callId)
{
    const auto found = m_Service.m_Calls.constFind(callId);
    if (found == m_Service.m_Calls.constEnd() || found->state != CallState::Active || found->video)
        return refuse("video request", "there is no such active audio call");
    Service* service = &m_Service;
    m_Service.post(
        [service, callId] {
            auto call = service->m_Calls.find(callId);
            if (call == service->m_Calls.end() || call->video)
                return;
            call->videoRequested = true;
            emit service->callUpdated(*call);
        },
        true);
    return true;
}

} // namespace Simulation
} // namespace Kivo
