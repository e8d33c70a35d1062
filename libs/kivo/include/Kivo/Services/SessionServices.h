#pragma once

#include <QObject>
#include <QString>

namespace Kivo {
namespace Services {

// Tells the program about services of the session that become usable only once the chat
// connection is up, so that their menu entries appear then and not before.
class SessionServices : public QObject
{
    Q_OBJECT

public:
    SessionServices(bool presenceRules, QObject* parent)
        : QObject(parent)
        , m_PresenceRules(presenceRules)
    {
    }

    bool hasPresenceRules() const { return m_PresenceRules; }

    // The chat connection came up: the services that ride on it are announced, the presence
    // rules once; the group-chat server `mucServer` is discovered again on every connection,
    // and its rooms may have changed meanwhile.
    void chatConnected(const QString& mucServer)
    {
        emit mucServerChanged(mucServer);
        if (!m_PresenceRules || m_PresenceRulesAnnounced)
            return;
        m_PresenceRulesAnnounced = true;
        emit presenceRulesEnabled();
    }

signals:
    void presenceRulesEnabled();
    void mucServerChanged(const QString& mucServer);

private:
    bool m_PresenceRules;
    bool m_PresenceRulesAnnounced = false;
};

} // namespace Services
} // namespace Kivo
