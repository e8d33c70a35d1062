#include <Kivo/Services/Xmpp/XmppClient.h>
#include <Kivo/Services/Xmpp/XmppContactDataService.h>
#include <Kivo/Sessions/XmppSession.h>
#include <Kivo/Simulation/Service.h>

namespace Kivo {
namespace Sessions {

XmppSession::XmppSession(const QString& host, QObject* parent)
    : SubSession(Xmpp, host, parent)
    , m_Client(new Services::Xmpp::XmppClient(&Simulation::Service::shared(), this))
{
    connect(this, &SubSession::stateChanged, this, &XmppSession::onStateChanged);
}

void XmppSession::onStateChanged(const SubSession*, SubSession::State state)
{
    if (state != Connected)
        return;
    if (!m_ContactData)
        m_ContactData = new Services::Xmpp::XmppContactDataService(this);
    m_Client->streamStarted();
    emit connected();
}

} // namespace Sessions
} // namespace Kivo
