// What happens on the lines of monitored users, which the server reports of its own accord.
#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Service.h>

namespace Kivo {
namespace Simulation {

bool Control::injectBlfLineState(const QString& address, int state, const QString& caller)
{
    if (!m_Service.isSignedIn())
        return refuse("line state", "nobody is signed in");
    if (!m_Service.isMonitored(address))
        return refuse("line state", "the user is not monitored");
    if (state < BlfOffline || state > BlfHeld)
        return refuse("line state", "the state is out of range");
    BlfLine line;
    line.address = address.trimmed();
    line.state = state;
    line.caller = state == BlfIdle || state == BlfOffline ? QString() : caller.trimmed();
    Service* service = &m_Service;
    m_Service.post([service, line] { service->setBlfLine(line); }, true);
    return true;
}

} // namespace Simulation
} // namespace Kivo
