// The session's history, executive and classification controllers, and the sub-sessions
// that follow the service's connections.
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Controllers/ExecutiveHandler.h>
#include <Kivo/Controllers/SecurityClassificationController.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Simulation/Service.h>
#include <Kivo/Vyx/VyxCallHistoryController.h>

namespace Kivo {
namespace Sessions {

void SessionManagerBase::createConversationControllers()
{
    m_CallHistory = new Vyx::VyxCallHistoryController(this);
    m_ExecutiveHandler = new Controllers::ExecutiveHandler(this);
    m_SecurityClassification = new Controllers::SecurityClassificationController(this);
    m_Contacts->setCommsSessionController(m_CommsSessions);
}

void SessionManagerBase::followLinks()
{
    qRegisterMetaType<const Kivo::Sessions::SubSession*>("const Kivo::Sessions::SubSession*");
    qRegisterMetaType<Kivo::Sessions::SubSession::State>("Kivo::Sessions::SubSession::State");
    // The service's connections (0 calls, 1 chat, 2 server) are the sub-sessions' types.
    connect(&Simulation::Service::shared(), &Simulation::Service::linkChanged, this, [this](int link, bool up) {
        for (SubSession* sub : qAsConst(m_SubSessions)) {
            if (sub->getType() != link)
                continue;
            if (up)
                sub->start();
            else
                sub->fail();
        }
    });
}

} // namespace Sessions
} // namespace Kivo
