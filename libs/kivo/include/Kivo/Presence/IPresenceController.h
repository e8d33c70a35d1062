#pragma once

#include <QObject>

namespace Kivo {
namespace Controllers {

// The session's view of the user's own availability. Offline mode is the user's own
// choice to appear offline: the chat connection is then expected to be down, and presence
// controls must stay usable so the user can come back.
class IPresenceController : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool offlineMode READ getOfflineMode NOTIFY offlineModeChanged)

public:
    explicit IPresenceController(QObject* parent = nullptr);

    bool getOfflineMode() const { return m_OfflineMode; }

signals:
    void offlineModeChanged(bool offline);

private:
    void cbOwnPresenceChanged(int presence);

    bool m_OfflineMode = false;
};

} // namespace Controllers
} // namespace Kivo
