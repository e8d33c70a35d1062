// What the server does of its own accord about messages and calls it asks for.
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

} // namespace Simulation
} // namespace Kivo
