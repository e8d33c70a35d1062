#include <Kivo/Services/Xmpp/XmppContactDataService.h>
#include <Kivo/Sessions/XmppSession.h>

namespace Kivo {
namespace Sessions {

XmppSession::XmppSession(const QString& host, QObject* parent)
    : SubSession(Xmpp, host, parent)
{
    connect(this, &SubSession::stateChanged, this, &XmppSession::onStateChanged);
}

void XmppSession::onStateChanged(const SubSession*, SubSession::State state)
{
    if (state != Connected)
        return;
    if (!m_ContactData)
        m_ContactData = new Services::Xmpp::XmppContactDataService(this);
    emit connected();
}

} // namespace Sessions
} // namespace Kivo
