#pragma once

#include <QObject>

namespace Kivo {
namespace Vyx {

// The service-side call settings (forwarding, do not disturb, remote office ...) reached
// over the server interface. Reports once per sign-in when the services are known.
class SupplementaryServicesController : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    bool isReady() const { return m_Ready; }
    // The number of services the user may change; 0 until ready.
    int servicesCount() const { return m_Count; }
    // The server interface answered with `count` services.
    void setServices(int count);

signals:
    void servicesReady();

private:
    bool m_Ready = false;
    int m_Count = 0;
};

} // namespace Vyx
} // namespace Kivo
