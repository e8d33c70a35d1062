// Calls and chats that the signed-in user starts on the simulated service.
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

namespace Kivo {
namespace Simulation {

namespace {

using Tesk::Core::Logging::LevelInfo;
using Tesk::Core::Logging::LevelWarning;

constexpr int MaxAddressLength = 256;

// Checks every address; an empty list is refused too.
bool callable(const QStringList& remotes, const char* what)
{
    if (remotes.isEmpty()) {
        KIVO_LOG(LevelWarning) << "Simulated service: " << what << " without an address refused";
        return false;
    }
    for (const QString& remote : remotes) {
        if (!Service::isCallableAddress(remote)) {
            KIVO_LOG(LevelWarning) << "Simulated service: " << what << " to an address that cannot be called refused";
            return false;
        }
    }
    return true;
}

QStringList trimmed(const QStringList& remotes)
{
    QStringList result;
    for (const QString& remote : remotes)
        result.append(remote.trimmed());
    return result;
}

} // namespace

bool Service::isCallableAddress(const QString& address)
{
    const QString text = address.trimmed();
    if (text.isEmpty() || text.size() > MaxAddressLength)
        return false;
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return false;
    }
    return true;
}

int Service::placeCall(const QStringList& remotes, bool video)
{
    if (!sessionOpen("call"))
        return 0;
    if (!callable(remotes, "call"))
        return 0;
    const int callId = m_NextCallId++;
    const QString remote = trimmed(remotes).join(", ");
    KIVO_LOG(LevelInfo) << "Simulated service: calling " << remote << " as call " << callId;
    post(
        [this, callId, remote, video] {
            m_Calls.insert(callId, Call{callId, remote, video, false, CallState::Ringing});
            emit outgoingCall(callId, remote, video);
            emit callStateChanged(callId, CallState::Ringing);
            // The remote side picks up after one more latency, unless the call went meanwhile.
            postAnswer(callId);
        },
        true);
    return callId;
}

bool Service::startChat(const QStringList& remotes)
{
    if (!sessionOpen("chat"))
        return false;
    if (!callable(remotes, "chat"))
        return false;
    const QStringList participants = trimmed(remotes);
    post([this, participants] { emit chatStarted(participants); }, true);
    return true;
}

} // namespace Simulation
} // namespace Kivo
