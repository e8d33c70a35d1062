#pragma once

#include <QObject>
#include <QStringList>

namespace Kivo {
namespace Configuration {
class Config;
}
namespace Sessions {
class SubSession;
}

namespace Contacts {

// Watches the lines of the users whom the signed-in user monitors (busy lamp field). It is
// ready once the call connection of the session is up for the first time.
class BlfController : public QObject
{
    Q_OBJECT

public:
    // Configuration item that switches the busy lamp field on.
    static constexpr int EnabledItem = 153;

    BlfController(const Configuration::Config* config, const Sessions::SubSession* callConnection,
                  QObject* parent = nullptr);

    bool isEnabled() const { return m_Enabled; }
    bool isReady() const { return m_Ready; }

    // The addresses of the users whose lines are watched, as the service lists them.
    QStringList monitoredUsers() const { return m_MonitoredUsers; }
    bool isMonitoredUserListEmpty() const { return m_MonitoredUsers.isEmpty(); }
    void setMonitoredUsers(const QStringList& users) { m_MonitoredUsers = users; }

signals:
    void blfControllerReady();

private:
    void onCallConnectionState(int state);

    bool m_Enabled;
    bool m_Ready = false;
    QStringList m_MonitoredUsers;
};

} // namespace Contacts
} // namespace Kivo
