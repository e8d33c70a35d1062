#include <Kivo/Presence/IPresenceController.h>
#include <Kivo/Presence/LocationPublisher.h>
#include <Kivo/Presence/LocationSource.h>
#include <Kivo/Sessions/SessionManagerBase.h>

namespace Kivo {
namespace Sessions {

void SessionManagerBase::createPresenceControllers()
{
    m_PresenceController = new Controllers::IPresenceController(this);
    m_LocationSource = new Presence::LocationSource(this);
    m_LocationPublisher = new Presence::LocationPublisher(this);
}

} // namespace Sessions
} // namespace Kivo
