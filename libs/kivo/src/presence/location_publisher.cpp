#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Presence/LocationPublisher.h>
#include <Kivo/Presence/PresenceData.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

namespace Kivo {
namespace Presence {

using Tesk::Core::Logging::LevelInfo;
using Tesk::Core::Logging::LevelWarning;

LocationPublisher::LocationPublisher(Sessions::SessionManagerBase* session)
    : QObject(session)
    , m_Session(session)
{
}

void LocationPublisher::uninitialize()
{
    if (m_Session)
        KIVO_LOG(LevelInfo) << "Location publishing ends with the session";
    m_Session = nullptr;
}

void LocationPublisher::ownLocationChanged()
{
    if (!m_Session) {
        KIVO_LOG(LevelWarning) << "Own location not published: the session is closing";
        return;
    }
    Contacts::Contacts* contacts = m_Session->contactsManager().data();
    Contacts::IContact* own = contacts ? contacts->getContact(0) : nullptr;
    PresenceData* presence = own ? own->getPresence() : nullptr;
    if (!presence) {
        KIVO_LOG(LevelWarning) << "Own location not published: there is no own presence";
        return;
    }
    Simulation::Service::shared().setOwnLocation(presence->getLocationInfo());
}

} // namespace Presence
} // namespace Kivo
