#pragma once

#include <QObject>

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

    // The chat connection came up: the services that ride on it are announced, once.
    void chatConnected()
    {
        if (!m_PresenceRules || m_PresenceRulesAnnounced)
            return;
        m_PresenceRulesAnnounced = true;
        emit presenceRulesEnabled();
    }

signals:
    void presenceRulesEnabled();

private:
    bool m_PresenceRules;
    bool m_PresenceRulesAnnounced = false;
};

} // namespace Services
} // namespace Kivo
