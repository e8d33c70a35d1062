// The session's busy lamp field, waiting messages and call requests.
#include <Kivo/Contacts/BlfController.h>
#include <Kivo/Controllers/CallRequestSource.h>
#include <Kivo/Controllers/MessagesSource.h>
#include <Kivo/Sessions/SessionManagerBase.h>

namespace Kivo {
namespace Sessions {

void SessionManagerBase::createCallControllers()
{
    const SubSession* callConnection = nullptr;
    for (const SubSession* sub : qAsConst(m_SubSessions)) {
        if (sub->getType() == SubSession::Sip)
            callConnection = sub;
    }
    m_BlfController = new Contacts::BlfController(m_Config, callConnection, m_Contacts, this);
    m_MessagesSource = new Controllers::MessagesSource(this);
    m_CallRequestSource = new Controllers::CallRequestSource(m_Contacts, m_CommsSessions, this);
}

} // namespace Sessions
} // namespace Kivo
