// The session's calls: made from the service's reports, placed and answered on the user's
// word, each one kept alive while it runs.
#include <Kivo/MediaEngine/CallControllerBase.h>

#include <Kivo/MediaEngine/IMediaHandlerVideo.h>
#include <Kivo/Simulation/Devices.h>
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

#include <QMetaMethod>
#include <QTimer>

namespace Kivo {
namespace MediaEngine {

namespace {

using Tesk::Core::Logging::LevelInfo;
using Tesk::Core::Logging::LevelWarning;

} // namespace

void CallControllerBase::connectService()
{
    qRegisterMetaType<Kivo::MediaEngine::Call>("Kivo::MediaEngine::Call");
    qRegisterMetaType<Kivo::MediaEngine::CallBasePtr::CallState>("Kivo::MediaEngine::CallBasePtr::CallState");
    connect(&Simulation::Service::shared(), &Simulation::Service::callUpdated, this, &CallControllerBase::onCallUpdated);
    connect(&Simulation::Service::shared(), &Simulation::Service::callTransferFailed, this, [this](int callId, int code) {
        if (const Call call = getCall(callId))
            emit call->transferFailed(code);
    });
    connect(&Simulation::Service::shared(), &Simulation::Service::callParked, this, [this](int callId, const QString& orbit) {
        if (const Call call = getCall(callId))
            emit call->parked(orbit);
    });
    connect(&Simulation::Service::shared(), &Simulation::Service::callDiverted, this, &CallControllerBase::callDiverted);
    qRegisterMetaType<Kivo::MediaEngine::IMediaHandlerAudio::AvailableAudioDevices>(
        "Kivo::MediaEngine::IMediaHandlerAudio::AvailableAudioDevices");
    connect(&Simulation::Service::shared().devices(), &Simulation::Devices::audioDevicesFailed, this,
            [this](bool input, bool output) {
                KIVO_LOG(LevelWarning) << "Audio devices failed:" << (input ? " input" : "") << (output ? " output" : "");
                emit audioDeviceError(input && output ? IMediaHandlerAudio::NoAudioDevices
                                      : input         ? IMediaHandlerAudio::OutputDevicesOnly
                                                      : IMediaHandlerAudio::InputDevicesOnly);
            });
}

Call CallControllerBase::activeCall() const
{
    for (const Call& call : m_Order) {
        if (call->getCallState() == CallBasePtr::InCall)
            return call;
    }
    return nullptr;
}

bool CallControllerBase::videoAvailable()
{
    if (m_Video && m_Video->currentCamera())
        return true;
    KIVO_LOG(LevelWarning) << "Video cannot start: no camera";
    emit failedToStartVideo();
    return false;
}

Call CallControllerBase::placeCall(const QStringList& typed, bool video, bool fromPhone, const QString& asExecutive)
{
    QStringList addresses;
    for (const QString& address : typed)
        addresses.append(address.trimmed());
    if (video && !videoAvailable())
        video = false;
    const Call active = activeCall();
    if (active) {
        // The new call exists for the question only; the service hears of it once confirmed.
        Call asked(new CallBasePtr(this, 0, addresses.join(", "), false, video, fromPhone));
        bool ok = true;
        emit confirmCall(asked, active, ok);
        if (!ok) {
            KIVO_LOG(LevelInfo) << "New call not confirmed";
            return nullptr;
        }
    }
    const int callId = Simulation::Service::shared().placeCall(addresses, video, asExecutive);
    if (callId == 0)
        return nullptr;
    if (active)
        active->hold();
    return track(callId, addresses.join(", "), video, fromPhone);
}

Call CallControllerBase::retrieveParkedCall(const QString& orbit)
{
    const Call active = activeCall();
    const QString party = Simulation::Service::shared().parkedParty(orbit);
    const int callId = Simulation::Service::shared().retrieveParkedCall(orbit);
    if (callId == 0)
        return nullptr;
    if (active)
        active->hold();
    return track(callId, party, false, false);
}

Call CallControllerBase::track(int callId, const QString& remote, bool video, bool fromPhone)
{
    const bool wasIdle = m_Order.isEmpty();
    Call call(new CallBasePtr(this, callId, remote, false, video, fromPhone));
    m_Calls.insert(callId, call);
    m_Order.append(call);
    emit outgoingCall(call);
    if (wasIdle)
        emit activeCalls(true);
    return call;
}

void CallControllerBase::answer(CallBasePtr* call, bool video)
{
    if (!call || (call->getCallState() != CallBasePtr::Incoming && call->getCallState() != CallBasePtr::WaitingForUs))
        return;
    if (video && !videoAvailable())
        video = false;
    if (!video && call->isVideoCall())
        Simulation::Service::shared().setCallVideo(call->getCallId(), false);
    const Call active = activeCall();
    if (active && active.get() != call && isSignalConnected(QMetaMethod::fromSignal(&CallControllerBase::confirmIncomingCall))) {
        emit confirmIncomingCall(Call(call), active);
        return;
    }
    confirmed(call);
}

void CallControllerBase::confirmed(CallBasePtr* call)
{
    if (!call || (call->getCallState() != CallBasePtr::Incoming && call->getCallState() != CallBasePtr::WaitingForUs))
        return;
    holdOthers(call);
    Simulation::Service::shared().answerCall(call->getCallId());
}

void CallControllerBase::holdOthers(const CallBasePtr* call)
{
    for (const Call& other : qAsConst(m_Order)) {
        if (other.get() != call && other->getCallState() == CallBasePtr::InCall)
            other->hold();
    }
}

void CallControllerBase::onCallUpdated(const Simulation::Call& update)
{
    Call call = m_Calls.value(update.id);
    if (!call) {
        // Only calls that start ringing at the user are new; anything else belongs to a
        // call this session never had.
        if (!update.incoming || update.state != Simulation::CallState::Ringing)
            return;
        const bool wasIdle = m_Order.isEmpty();
        call = Call(new CallBasePtr(this, update.id, update.remote, true, update.video, false));
        call->update(update);
        m_Calls.insert(update.id, call);
        m_Order.append(call);
        KIVO_LOG(LevelInfo) << "Incoming call " << update.id << " from " << update.remote;
        emit incomingCall(call);
        if (wasIdle)
            emit activeCalls(true);
        return;
    }
    call->update(update);
    if (update.state == Simulation::CallState::Ended)
        retire(update.id);
}

void CallControllerBase::retire(int callId)
{
    const Call call = m_Calls.take(callId);
    if (!call)
        return;
    m_Order.removeOne(call);
    // Whoever reacts to the end may still be using the call: let go of it a turn later.
    m_Retired.append(call);
    QTimer::singleShot(0, this, [this] { m_Retired.clear(); });
    if (m_Order.isEmpty()) {
        emit activeCalls(false);
        return;
    }
    // A call that waited for the one that ended now simply rings.
    const QList<Call> remaining = m_Order;
    for (const Call& other : remaining) {
        const std::optional<Simulation::Call> current = Simulation::Service::shared().call(other->getCallId());
        if (other->getCallState() == CallBasePtr::WaitingForUs && current)
            other->update(*current);
    }
}

} // namespace MediaEngine
} // namespace Kivo
