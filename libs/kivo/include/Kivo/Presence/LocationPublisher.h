#pragma once

#include <QObject>

namespace Kivo {
namespace Sessions {
class SessionManagerBase;
}
namespace Presence {

// Publishes the user's own location, as the own presence data holds it, to the service.
// After uninitialize() (the session is closing) nothing is published any more.
class LocationPublisher : public QObject
{
    Q_OBJECT

public:
    explicit LocationPublisher(Sessions::SessionManagerBase* session);

    bool isInitialized() const { return m_Session != nullptr; }

public slots:
    void uninitialize();
    void ownLocationChanged();

private:
    Sessions::SessionManagerBase* m_Session;
};

} // namespace Presence
} // namespace Kivo
