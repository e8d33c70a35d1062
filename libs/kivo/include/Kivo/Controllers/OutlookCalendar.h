#pragma once

#include <QObject>
#include <QPointer>

namespace Kivo {
namespace Outlook {
class OutlookIntegration;
}
namespace Simulation {
class Service;
}
namespace Controllers {

// Follows the user's Outlook calendar for presence. Whether Outlook is there is known once
// the detection that starts with the object has finished; the consent is the integration's.
class OutlookCalendar : public QObject
{
    Q_OBJECT

public:
    OutlookCalendar(Outlook::OutlookIntegration* integration, Simulation::Service* service, QObject* parent);

    // False only once the detection found no Outlook.
    bool isAvailable() const { return !m_Detected || m_Installed; }
    bool isEnabled() const;

signals:
    void outlookDetectionFinished();
    void outlookCalendarChecked(bool checked);

private:
    QPointer<Outlook::OutlookIntegration> m_Integration;
    bool m_Detected = false;
    bool m_Installed = false;
};

} // namespace Controllers
} // namespace Kivo
