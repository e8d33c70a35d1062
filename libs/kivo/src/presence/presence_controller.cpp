#include <Kivo/Presence/IPresenceController.h>
#include <Kivo/Simulation/Service.h>

namespace Kivo {
namespace Controllers {

namespace {

// The two internal presence values that mean the user shows as offline.
bool isOffline(int presence)
{
    return presence == 2 || presence == 3;
}

} // namespace

IPresenceController::IPresenceController(QObject* parent)
    : QObject(parent)
{
    Simulation::Service& service = Simulation::Service::shared();
    if (const auto account = service.signedInAccount())
        m_OfflineMode = isOffline(account->presence);
    connect(&service, &Simulation::Service::ownPresenceChanged, this, &IPresenceController::cbOwnPresenceChanged);
}

void IPresenceController::cbOwnPresenceChanged(int presence)
{
    const bool offline = isOffline(presence);
    if (offline == m_OfflineMode)
        return;
    m_OfflineMode = offline;
    emit offlineModeChanged(offline);
}

} // namespace Controllers
} // namespace Kivo
