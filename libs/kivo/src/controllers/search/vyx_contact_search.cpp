#include <Kivo/Controllers/Search/VyxContactSearch.h>
#include <Kivo/Simulation/Types.h>

namespace Kivo {
namespace Controllers {
namespace Search {

VyxContactSearch::VyxContactSearch(Simulation::Service* service, QObject* parent)
    : VyxContactSearch(Simulation::Directory::Telephony, service, parent)
{
}

VyxContactSearch::VyxContactSearch(Simulation::Directory directory, Simulation::Service* service, QObject* parent)
    : ContactSearch(ServerDirectory, directory, service, parent)
{
    qRegisterMetaType<Kivo::Vyx::VyxErrorInfo>();
}

void VyxContactSearch::reportUnavailable()
{
    emit errorMessage(Vyx::VyxComponent::NetworkError,
                      Vyx::VyxErrorInfo{0, QStringLiteral("The directory is not available")});
}

VyxContactFullSearch::VyxContactFullSearch(Simulation::Service* service, QObject* parent)
    : VyxContactSearch(Simulation::Directory::Enterprise, service, parent)
{
}

} // namespace Search
} // namespace Controllers
} // namespace Kivo
