// What the server does of its own accord about messages and calls it asks for.
#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

namespace Kivo {
namespace Simulation {

namespace {

using Tesk::Core::Logging::LevelWarning;

bool refused(const char* event, const char* why)
{
    KIVO_LOG(LevelWarning) << "Simulated service: " << event << " not injected: " << why;
    return false;
}

} // namespace

bool Control::injectMessagesWaiting(int voice, int video)
{
    if (!m_Service.isSignedIn())
        return refused("waiting messages", "nobody is signed in");
    if (voice < 0 || video < 0)
        return refused("waiting messages", "a count is negative");
    Service* service = &m_Service;
    m_Service.post([service, voice, video] { emit service->messagesWaiting(voice, video); }, true);
    return true;
}

bool Control::injectCallRequest(const QString& address)
{
    if (!m_Service.isSignedIn())
        return refused("call request", "nobody is signed in");
    if (!Service::isCallableAddress(address))
        return refused("call request", "the address cannot be called");
    Service* service = &m_Service;
    const QString remote = address.trimmed();
    m_Service.post([service, remote] { emit service->callRequested(remote); }, true);
    return true;
}

} // namespace Simulation
} // namespace Kivo
