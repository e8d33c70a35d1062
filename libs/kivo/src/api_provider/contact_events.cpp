#include "contact_events.h"

#include "addin_server.h"
#include "contact_replies.h"

#include <Kivo/Simulation/Service.h>

namespace Kivo {
namespace ApiProvider {

ContactEvents::ContactEvents(AddinServer* server, QObject* parent)
    : QObject(parent)
    , m_Server(server)
{
}

void ContactEvents::start()
{
    if (m_Started)
        return;
    m_Started = true;
    Simulation::Service* service = &Simulation::Service::shared();
    connect(service, &Simulation::Service::ownPresenceChanged, this, [this] { onPresenceChanged(0); });
    connect(service, &Simulation::Service::ownNoteChanged, this, [this] { onPresenceChanged(0); });
    connect(service, &Simulation::Service::presenceChanged, this,
            [this](int contactId) { onPresenceChanged(contactId); });
}

void ContactEvents::stop()
{
    m_Started = false;
    disconnect(&Simulation::Service::shared(), nullptr, this, nullptr);
}

void ContactEvents::onPresenceChanged(int contactId)
{
    m_Server->broadcast(AddinEvents::Contacts, ContactReplies::presence(contactId));
}

} // namespace ApiProvider
} // namespace Kivo
