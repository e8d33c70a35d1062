#pragma once

#include <Kivo/Sessions/SubSession.h>

namespace Kivo {
namespace Services {
namespace Xmpp {
class XmppClient;
class XmppContactDataService;
} // namespace Xmpp
} // namespace Services

namespace Sessions {

// The session's chat and presence connection.
class XmppSession : public SubSession
{
    Q_OBJECT

public:
    explicit XmppSession(const QString& host, QObject* parent = nullptr);

    // Null until the connection first comes up.
    Services::Xmpp::XmppContactDataService* getXmppContactDataService() const { return m_ContactData; }
    // The connection's XMPP client: its traffic, for the debug console.
    Services::Xmpp::XmppClient* client() const { return m_Client; }

signals:
    // The connection came up; its services can be used from now on.
    void connected();

private:
    void onStateChanged(const SubSession* session, SubSession::State state);

    Services::Xmpp::XmppContactDataService* m_ContactData = nullptr;
    Services::Xmpp::XmppClient* m_Client;
};

} // namespace Sessions
} // namespace Kivo
