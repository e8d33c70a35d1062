#include <Kivo/Presence/LocationSource.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Simulation/Service.h>

namespace Kivo {
namespace Presence {

LocationSource::LocationSource(Sessions::SessionManagerBase* session)
    : QObject(session)
{
    qRegisterMetaType<Kivo::Utils::Location::Info>();
    Simulation::Service& service = Simulation::Service::shared();
    connect(&service, &Simulation::Service::soapActionLocationReceived, this,
            &LocationSource::soapActionLocationReceived);
    connect(&service, &Simulation::Service::pubsubLocationReceived, this, &LocationSource::pubsubLocationReceived);
    connect(session, &Sessions::SessionManagerBase::stateChanged, this,
            [this](Sessions::SessionManagerBase::State state) {
                if (state == Sessions::SessionManagerBase::SignedIn)
                    requestLocations();
            });
    connect(session, &Sessions::SessionManagerBase::reconnectionStateChanged, this,
            [this](Sessions::SessionManagerBase*, bool reconnecting) {
                if (!reconnecting)
                    requestLocations();
            });
}

void LocationSource::requestLocations()
{
    Simulation::Service::shared().requestLocations();
}

} // namespace Presence
} // namespace Kivo
