// What the contact list does for the conversations' menu entries.
#include <Kivo/Contacts/Contacts.h>

#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Controllers/CommunicationSession.h>

#include "../kivo_log.h"

#include <QAction>

namespace Kivo {
namespace Contacts {

void Contacts::setCommsSessionController(Controllers::CommsSessionController* comms)
{
    m_Comms = comms;
}

Controllers::CommsSessionController* Contacts::commsSessionController() const
{
    return m_Comms;
}

void Contacts::handleCommsCustomActions()
{
    const auto* entry = qobject_cast<const QAction*>(sender());
    if (!entry || !m_Comms)
        return;
    using Controllers::CommsSessionController;
    m_Comms->handleCustomAction(entry->data().toInt(),
                                entry->property(CommsSessionController::getOriginatorKey().toLatin1()).toString(),
                                entry->property(CommsSessionController::getDestinationKey().toLatin1()).toString());
}

void Contacts::pushCallToExecutive()
{
    const auto* entry = qobject_cast<const QAction*>(sender());
    const QString executive = entry ? entry->property("execaddress").toString() : QString();
    if (executive.isEmpty() || !m_Comms)
        return;
    for (Controllers::CommunicationSession* session : m_Comms->commsList()) {
        MediaEngine::CallBasePtr* call = session->getCall();
        if (call && call->isExecutiveCall()
            && (call->getExecutiveAddress().compare(executive, Qt::CaseInsensitive) == 0
                || call->getRemoteAddress().compare(executive, Qt::CaseInsensitive) == 0)) {
            call->pushToExecutive();
            return;
        }
    }
    KIVO_LOG(Tesk::Core::Logging::LevelWarning) << "No executive call to hand to " << executive;
}

} // namespace Contacts
} // namespace Kivo
