// What happens around the user's calls without a call window to show it: calls that the
// user's forwarding diverted, and audio devices that stop working.
#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Devices.h>
#include <Kivo/Simulation/Service.h>

namespace Kivo {
namespace Simulation {

bool Control::injectCallDiverted(const QString& from, const QString& to)
{
    if (!m_Service.isSignedIn())
        return refuse("diverted call", "nobody is signed in");
    if (!Service::isCallableAddress(from) || (!to.isEmpty() && !Service::isCallableAddress(to)))
        return refuse("diverted call", "the caller or the new destination cannot be called");
    if (!m_Service.isLinkUp(Service::CallsLink))
        return refuse("diverted call", "the call connection is down");
    Service* service = &m_Service;
    const QString caller = from.trimmed();
    const QString destination = to.trimmed();
    m_Service.post([service, caller, destination] { emit service->callDiverted(caller, destination); }, true);
    return true;
}

bool Control::injectAudioDeviceFailure(bool input, bool output)
{
    if (!input && !output)
        return refuse("audio device failure", "neither the input nor the output fails");
    Devices& devices = m_Service.devices();
    m_Service.post([&devices, input, output] { devices.reportFailure(input, output); }, false);
    return true;
}

QList<RoomRecord> Control::rooms() const
{
    if (!m_Service.isSignedIn())
        return {};
    return m_Service.conversationBook().rooms.values();
}

} // namespace Simulation
} // namespace Kivo
