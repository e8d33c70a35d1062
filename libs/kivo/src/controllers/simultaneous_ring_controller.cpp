#include <Kivo/Controllers/SimultaneousRingController.h>
#include <Kivo/Models/ObjectListModel.h>
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"
#include "../vyx/service_failure.h"

#include <QTimer>

namespace Kivo {
namespace Controllers {

using Tesk::Core::Logging::LevelWarning;

SimultaneousRingController::SimultaneousRingController(Simulation::Service* service, QObject* parent)
    : QObject(parent)
    , m_Service(service)
    , m_Model(new Models::ObjectListModel(DetailRole, "detail", this))
{
    Vyx::registerFailureTypes();
    show(Simulation::SimultaneousRingRecord());
    if (!service)
        return;
    connect(service, &Simulation::Service::simultaneousRingReceived, this, &SimultaneousRingController::onReceived);
    connect(service, &Simulation::Service::serviceRequestFailed, this, &SimultaneousRingController::onRequestFailed);
}

SimultaneousRingController::~SimultaneousRingController() = default;

void SimultaneousRingController::setSimRingMainActive(bool active)
{
    if (active == m_Active)
        return;
    m_Active = active;
    emit simRingMainActiveChanged();
}

void SimultaneousRingController::setDoNotRingActive(bool active)
{
    if (active == m_DoNotRing)
        return;
    m_DoNotRing = active;
    emit doNotRingActiveChanged();
}

QList<QObject*> SimultaneousRingController::locationObjects() const
{
    return m_Model->objects();
}

QAbstractItemModel* SimultaneousRingController::getLocations() const
{
    return m_Model;
}

void SimultaneousRingController::track(int requestId, bool save)
{
    if (requestId == 0) {
        QTimer::singleShot(0, this, [this] {
            const Vyx::Failure failure = Vyx::Failure::notConnected();
            fail(Simulation::ServiceFailure{failure.error, failure.info.code, failure.info.message});
        });
        return;
    }
    m_Pending.insert(requestId, save);
}

void SimultaneousRingController::updateLists()
{
    track(m_Service ? m_Service->requestSimultaneousRing() : 0, false);
}

void SimultaneousRingController::saveRingLocations()
{
    Simulation::SimultaneousRingRecord wanted;
    wanted.active = m_Active;
    wanted.doNotRingOnCall = m_DoNotRing;
    for (const QObject* object : m_Model->objects()) {
        const auto* detail = qobject_cast<const SimultaneousRingDetail*>(object);
        if (detail && !detail->getPhoneNumber().trimmed().isEmpty())
            wanted.locations.append({detail->getPhoneNumber().trimmed(), detail->getActive()});
    }
    track(m_Service ? m_Service->requestSimultaneousRingChange(wanted) : 0, true);
}

void SimultaneousRingController::show(const Simulation::SimultaneousRingRecord& ring)
{
    setSimRingMainActive(ring.active);
    setDoNotRingActive(ring.doNotRingOnCall);
    const QList<QObject*> old = m_Model->objects();
    QList<QObject*> details;
    for (int row = 0; row < Simulation::SimultaneousRingRecord::MaxLocations; ++row) {
        const Simulation::SimultaneousRingLocationRecord location = ring.locations.value(row);
        details.append(new SimultaneousRingDetail(location.number, location.answerConfirmation, this));
    }
    m_Model->setObjects(details);
    emit locationsChanged();
    for (QObject* detail : old)
        detail->deleteLater();
}

void SimultaneousRingController::onReceived(int requestId, const Simulation::SimultaneousRingRecord& ring)
{
    if (!m_Pending.contains(requestId))
        return;
    const bool saved = m_Pending.take(requestId);
    show(ring);
    emit serviceStatusReady();
    if (saved)
        emit locationsSaved();
}

void SimultaneousRingController::onRequestFailed(int requestId, const Simulation::ServiceFailure& failure)
{
    if (m_Pending.remove(requestId) > 0)
        fail(failure);
}

void SimultaneousRingController::fail(const Simulation::ServiceFailure& serviceFailure)
{
    const Vyx::Failure failure = Vyx::Failure::from(serviceFailure);
    KIVO_LOG(LevelWarning) << "Simultaneous ring request failed: " << failure.info.code << " " << failure.info.message;
    emit operationFailed(failure.error, failure.info);
}

} // namespace Controllers
} // namespace Kivo
