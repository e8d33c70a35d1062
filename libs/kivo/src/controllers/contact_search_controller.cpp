#include <Kivo/Controllers/ContactSearchController.h>
#include <Kivo/Simulation/Service.h>

#include <QTimer>

namespace Kivo {
namespace Controllers {

ContactSearchController::ContactSearchController(Simulation::Service* service, QObject* parent)
    : QObject(parent)
    , m_Service(service)
{
    qRegisterMetaType<QList<Kivo::Contacts::Properties::Map>>();
    if (service) {
        connect(service, &Simulation::Service::directorySearchFinished, this,
                [this](int requestId, const QList<Simulation::PropertyMap>& matches) {
                    QList<Contacts::Properties::Map> found;
                    for (const Simulation::PropertyMap& match : matches)
                        found.append(Contacts::Properties::fromNumbered(match));
                    emit searchFinished(requestId, found);
                });
    }
}

int ContactSearchController::search(const Contacts::Properties::Map& criteria)
{
    if (criteria.isEmpty())
        return 0;
    const int requestId = ++m_LastRequestId;
    if (!m_Service || !m_Service->searchDirectory(requestId, Contacts::Properties::toNumbered(criteria))) {
        // The answer comes from the event loop like every other, never from inside this call.
        QTimer::singleShot(0, this, [this, requestId] {
            emit searchFailed(requestId, QStringLiteral("The directory is not available"));
        });
    }
    return requestId;
}

} // namespace Controllers
} // namespace Kivo
