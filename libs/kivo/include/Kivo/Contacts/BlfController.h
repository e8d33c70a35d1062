#pragma once

#include <Kivo/Simulation/Types.h>

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>

namespace Kivo {
namespace Configuration {
class Config;
}
namespace Sessions {
class SubSession;
}

namespace Contacts {

class Contacts;
class IContact;

// Watches the lines of the users whom the signed-in user monitors (busy lamp field). It is
// ready once the call connection of the session is up for the first time; from then on the
// stored contacts of the monitored users carry their line's state (IContact::blfState) and
// appear in the contact list's model of kind Contacts::Monitored.
class BlfController : public QObject
{
    Q_OBJECT

public:
    // Configuration item that switches the busy lamp field on.
    static constexpr int EnabledItem = 153;

    BlfController(const Configuration::Config* config, const Sessions::SubSession* callConnection,
                  Contacts* contacts, QObject* parent = nullptr);

    bool isEnabled() const { return m_Enabled; }
    bool isReady() const { return m_Ready; }

    // The addresses of the users whose lines are watched, as the service lists them.
    QStringList monitoredUsers() const { return m_MonitoredUsers; }
    bool isMonitoredUserListEmpty() const { return m_MonitoredUsers.isEmpty(); }
    void setMonitoredUsers(const QStringList& users) { m_MonitoredUsers = users; }

    // The name of whoever calls the monitored contact `contactId`: the caller's contact name
    // when the caller is a contact, else the caller's address; empty while nobody calls.
    QString getBlfRemoteCallerName(int contactId) const;

signals:
    void blfControllerReady();

private:
    void onCallConnectionState(int state);
    void onLineChanged(const Simulation::BlfLine& line);
    // Gives every known line to the stored contact of its user (after a contact list reload
    // or a new contact).
    void applyLines();
    void applyLine(const Simulation::BlfLine& line);

    bool m_Enabled;
    bool m_Ready = false;
    QStringList m_MonitoredUsers;
    QPointer<Contacts> m_Contacts;
    // The last report of each monitored line, by address in lower case.
    QHash<QString, Simulation::BlfLine> m_Lines;
};

} // namespace Contacts
} // namespace Kivo
