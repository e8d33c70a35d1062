// The session's controllers of the account's settings on the REST interface. Which of them
// exist is the account's: the server tells at sign-in what the account has.
#include <Kivo/Controllers/CorvantiumAnywhereController.h>
#include <Kivo/Controllers/SimultaneousRingController.h>
#include <Kivo/Controllers/VyxSupplementaryServicesController2.h>
#include <Kivo/Services/CallCenterAgentHandler.h>
#include <Kivo/Services/SessionServices.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Simulation/Service.h>

namespace Kivo {
namespace Sessions {

void SessionManagerBase::createServiceControllers()
{
    Simulation::Service* service = &Simulation::Service::shared();
    const Simulation::AccountServices account = service->servicesOf(m_UserName);
    if (account.supplementary)
        m_SupplementaryServices2 = new Controllers::VyxSupplementaryServicesController2(service, this);
    if (account.anywhere)
        m_Anywhere = new Controllers::CorvantiumAnywhereController(service, this);
    if (account.simultaneousRing)
        m_SimultaneousRing = new Controllers::SimultaneousRingController(service, this);
    if (account.agent)
        m_CallCenterAgent = new Services::CallCenterAgentHandler(service, m_UserName, this);
    m_Services = new Services::SessionServices(account.presenceRules.has_value(), this);
    if (XmppSession* xmpp = xmppSubSession()) {
        const QString mucServer = QStringLiteral("conference.") + m_UserName.section(QLatin1Char('@'), 1);
        connect(xmpp, &SubSession::stateChanged, m_Services,
                [services = m_Services, mucServer](const SubSession*, SubSession::State state) {
                    if (state == SubSession::Connected)
                        services->chatConnected(mucServer);
                });
    }
}

} // namespace Sessions
} // namespace Kivo
