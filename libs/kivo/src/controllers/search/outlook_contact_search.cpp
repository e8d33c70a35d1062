#include <Kivo/Controllers/OutlookCalendar.h>
#include <Kivo/Controllers/Search/OutlookContactSearch.h>
#include <Kivo/Outlook/OutlookIntegration.h>
#include <Kivo/Simulation/Service.h>

#include <QTimer>

namespace Kivo {
namespace Controllers {
namespace Search {

OutlookContactSearch::OutlookContactSearch(Outlook::OutlookIntegration* integration, Simulation::Service* service,
                                           QObject* parent)
    : ContactSearch(PersonalAddressBook, Simulation::Directory::Outlook, service, parent)
    , m_Integration(integration)
{
    if (integration)
        connect(integration, &Outlook::OutlookIntegration::enabledChanged, this,
                &OutlookContactSearch::outlookSearchChecked);
    QTimer::singleShot(0, this, [this] {
        m_Detected = true;
        m_Installed = this->service() && this->service()->isOutlookInstalled();
        emit outlookDetectionFinished();
    });
}

bool OutlookContactSearch::isAvailable() const
{
    return !m_Detected || m_Installed;
}

bool OutlookContactSearch::isChecked() const
{
    return m_Integration && m_Integration->isEnabled();
}

void OutlookContactSearch::reportUnavailable()
{
    if (!m_Detected)
        emit errorMessage(Initializing, QString());
    else
        emit errorMessage(Failure, QStringLiteral("Outlook was not found"));
}

} // namespace Search

OutlookCalendar::OutlookCalendar(Outlook::OutlookIntegration* integration, Simulation::Service* service,
                                 QObject* parent)
    : QObject(parent)
    , m_Integration(integration)
{
    if (integration)
        connect(integration, &Outlook::OutlookIntegration::enabledChanged, this,
                &OutlookCalendar::outlookCalendarChecked);
    QTimer::singleShot(0, this, [this, service = QPointer<Simulation::Service>(service)] {
        m_Detected = true;
        m_Installed = service && service->isOutlookInstalled();
        emit outlookDetectionFinished();
    });
}

bool OutlookCalendar::isEnabled() const
{
    return m_Integration && m_Integration->isEnabled();
}

} // namespace Controllers
} // namespace Kivo
