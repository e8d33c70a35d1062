#pragma once

#include <Kivo/Utils/Location.h>

#include <QObject>

namespace Kivo {
namespace Sessions {
class SessionManagerBase;
}
namespace Presence {

// Where the service says the user is. Each time the session signs in or comes back from a
// reconnection it asks again; the answer comes in two kinds: the address-based location of
// a SOAP action and the location last published over pubsub.
class LocationSource : public QObject
{
    Q_OBJECT

public:
    explicit LocationSource(Sessions::SessionManagerBase* session);

signals:
    void soapActionLocationReceived(const Kivo::Utils::Location::Info& location);
    void pubsubLocationReceived(const Kivo::Utils::Location::Info& location);

private:
    void requestLocations();
};

} // namespace Presence
} // namespace Kivo
