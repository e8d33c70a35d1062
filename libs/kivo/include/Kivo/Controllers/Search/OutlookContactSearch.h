#pragma once

#include <Kivo/Controllers/Search/ContactSearch.h>

namespace Kivo {
namespace Outlook {
class OutlookIntegration;
}
namespace Controllers {
namespace Search {

// Searches the user's Outlook address book. Whether Outlook is there is known once the
// detection that starts with the object has finished; the user's consent is the
// integration's.
class OutlookContactSearch : public ContactSearch
{
    Q_OBJECT

public:
    enum Error
    {
        Initializing = 1,
        Timeout = 2,
        Failure = 3
    };
    Q_ENUM(Error)

    OutlookContactSearch(Outlook::OutlookIntegration* integration, Simulation::Service* service, QObject* parent);

    // False only once the detection found no Outlook.
    bool isAvailable() const;
    bool isDetected() const { return m_Detected; }
    // The user allowed the search of Outlook contacts.
    bool isChecked() const;
    bool isEnabled() const { return isChecked(); }

signals:
    void errorMessage(Kivo::Controllers::Search::OutlookContactSearch::Error error, const QString& message);
    void outlookDetectionFinished();
    void outlookSearchChecked(bool checked);

protected:
    void reportUnavailable() override;

private:
    QPointer<Outlook::OutlookIntegration> m_Integration;
    bool m_Detected = false;
    bool m_Installed = false;
};

} // namespace Search
} // namespace Controllers
} // namespace Kivo
