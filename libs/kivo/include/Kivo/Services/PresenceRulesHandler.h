#pragma once

#include <QObject>

namespace Kivo {
namespace Services {

// Keeps the user's presence rules on the server.
class PresenceRulesHandler : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool enabled READ isEnabled NOTIFY enabledChanged)

public:
    explicit PresenceRulesHandler(QObject* parent = nullptr) : QObject(parent) {}

    bool isEnabled() const { return m_Enabled; }

    void setEnabled(bool enabled)
    {
        if (enabled == m_Enabled)
            return;
        m_Enabled = enabled;
        emit enabledChanged();
    }

signals:
    void enabledChanged();

private:
    bool m_Enabled = false;
};

} // namespace Services
} // namespace Kivo
