#include <Kivo/Controllers/CommsSessionController.h>

#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

#include <algorithm>

namespace Kivo {
namespace Controllers {

using Tesk::Core::Logging::LevelInfo;
using Tesk::Core::Logging::LevelWarning;

CommsSessionController::CommsSessionController(QObject* parent)
    : QObject(parent)
{
    // Calls travel in queued connections and signal spies by this name.
    qRegisterMetaType<MediaEngine::Call>("Kivo::MediaEngine::Call");
    Simulation::Service& service = Simulation::Service::shared();
    connect(&service, &Simulation::Service::callStateChanged, this, [this](int callId, Simulation::CallState state) {
        if (state == Simulation::CallState::Ended)
            onCallEnded(callId);
    });
    connect(&service, &Simulation::Service::chatStarted, this, &CommsSessionController::chatCreated);
    connect(&service, &Simulation::Service::outgoingCall, this, &CommsSessionController::onOutgoingCall);
}

void CommsSessionController::createCall(const QStringList& addresses, bool video)
{
    KIVO_LOG(LevelInfo) << "Call requested to " << addresses.join(", ") << (video ? " with video" : "");
    const int callId = Simulation::Service::shared().placeCall(addresses, video);
    if (callId != 0)
        m_Placing.insert(callId);
}

void CommsSessionController::createChat(const QStringList& addresses)
{
    KIVO_LOG(LevelInfo) << "Chat requested with " << addresses.join(", ");
    Simulation::Service::shared().startChat(addresses);
}

void CommsSessionController::createMyRoomSession(const QString& call, const QString& chat, const QString& webcollab)
{
    KIVO_LOG(LevelInfo) << "My Room session requested: call " << call << ", chat " << chat << ", sharing "
                        << webcollab;
    // The room is its chat: without one there is nothing to join.
    if (!Simulation::Service::shared().startChat({chat}))
        return;
    if (!call.trimmed().isEmpty())
        createCall({call}, false);
    emit myRoomSessionCreated(call, chat, webcollab);
}

void CommsSessionController::createWebCollabSession(const QStringList& addresses)
{
    KIVO_LOG(LevelInfo) << "Web collaboration requested with " << addresses.join(", ");
    if (addresses.isEmpty()
        || !std::all_of(addresses.cbegin(), addresses.cend(), &Simulation::Service::isCallableAddress)) {
        KIVO_LOG(LevelWarning) << "Web collaboration refused: an address cannot be reached";
        return;
    }
    emit webCollabSessionCreated(addresses);
}

void CommsSessionController::handleActivateSessionOfCall(const MediaEngine::Call& call)
{
    const auto running = Simulation::Service::shared().call(call.callId());
    if (!running) {
        KIVO_LOG(LevelWarning) << "No call " << call.callId() << " to bring to the front";
        return;
    }
    m_ActiveCall = MediaEngine::Call(running->id, running->remote, running->video);
    KIVO_LOG(LevelInfo) << "Call " << call.callId() << " brought to the front";
    emit sessionActivated(m_ActiveCall);
}

void CommsSessionController::onOutgoingCall(int callId, const QString& remote, bool video)
{
    if (!m_Placing.remove(callId))
        return;
    const MediaEngine::Call call(callId, remote, video);
    m_Calls.append(call);
    emit callPlaced(call);
}

void CommsSessionController::onCallEnded(int callId)
{
    m_Placing.remove(callId);
    if (m_ActiveCall.callId() == callId)
        m_ActiveCall = MediaEngine::Call();
    const int index = indexOfCall(callId);
    if (index < 0)
        return;
    const MediaEngine::Call ended = m_Calls.takeAt(index);
    emit callEnded(ended);
}

int CommsSessionController::indexOfCall(int callId) const
{
    for (int i = 0; i < m_Calls.size(); ++i) {
        if (m_Calls.at(i).callId() == callId)
            return i;
    }
    return -1;
}

} // namespace Controllers
} // namespace Kivo
