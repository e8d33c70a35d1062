#pragma once

#include <Kivo/Contacts/Properties.h>

#include <QList>
#include <QObject>
#include <QPointer>

namespace Kivo {
namespace Simulation {
class Service;
}
namespace Controllers {

// Searches the company directory of the service. Each search gets an id; its answer comes
// later as searchFinished or searchFailed with that id.
class ContactSearchController : public QObject
{
    Q_OBJECT

public:
    explicit ContactSearchController(Simulation::Service* service, QObject* parent = nullptr);

    // Entries that match any of the criteria (same property, equal value: text ignoring
    // case, numbers by their digits). Returns the search id, 0 when nothing was asked.
    int search(const Contacts::Properties::Map& criteria);

signals:
    void searchFinished(int requestId, const QList<Kivo::Contacts::Properties::Map>& matches);
    void searchFailed(int requestId, const QString& text);

private:
    QPointer<Simulation::Service> m_Service;
    int m_LastRequestId = 0;
};

} // namespace Controllers
} // namespace Kivo
