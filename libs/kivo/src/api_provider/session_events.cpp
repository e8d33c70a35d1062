#include "session_events.h"

#include "addin_connection.h"
#include "addin_server.h"
#include "contact_replies.h"

#include <Kivo/Simulation/Service.h>

namespace Kivo {
namespace ApiProvider {

SessionEvents::SessionEvents(AddinServer* server, QObject* parent)
    : QObject(parent)
    , m_Server(server)
{
}

void SessionEvents::start()
{
    if (m_Started)
        return;
    m_Started = true;
    Simulation::Service* service = &Simulation::Service::shared();
    connect(service, &Simulation::Service::ownPresenceChanged, this, [this] { onPresenceChanged(0); });
    connect(service, &Simulation::Service::ownNoteChanged, this, [this] { onPresenceChanged(0); });
    connect(service, &Simulation::Service::presenceChanged, this,
            [this](int contactId) { onPresenceChanged(contactId); });
    connect(service, &Simulation::Service::contactRemoved, this, [this](int contactId) {
        m_Server->broadcast(AddinEvents::Contacts, AddinEvents::contactRemoved(contactId));
    });
    connect(service, &Simulation::Service::contactChanged, this, [this](const Simulation::ContactRecord& record) {
        m_Server->broadcast(AddinEvents::Contacts, ContactReplies::properties(record.id));
    });
    connect(service, &Simulation::Service::messagesWaiting, this,
            [this](int voice) { onMessagesWaiting(voice); });
}

void SessionEvents::stop()
{
    m_Started = false;
    m_VoiceMessages = -1;
    disconnect(&Simulation::Service::shared(), nullptr, this, nullptr);
}

void SessionEvents::replayTo(AddinConnection* connection) const
{
    if (m_VoiceMessages >= 0 && connection->wants(AddinEvents::VoiceMail))
        connection->send(AddinEvents::voicemail(m_VoiceMessages, 0, 0, 0));
}

void SessionEvents::onPresenceChanged(int contactId)
{
    m_Server->broadcast(AddinEvents::Contacts, ContactReplies::presence(contactId));
}

void SessionEvents::onMessagesWaiting(int voice)
{
    m_VoiceMessages = voice;
    m_Server->broadcast(AddinEvents::VoiceMail, AddinEvents::voicemail(voice, 0, 0, 0));
}

} // namespace ApiProvider
} // namespace Kivo
