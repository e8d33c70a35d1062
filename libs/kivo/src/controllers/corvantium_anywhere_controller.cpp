#include <Kivo/Controllers/CorvantiumAnywhereController.h>
#include <Kivo/Controllers/RzlLocation.h>
#include <Kivo/Models/ObjectListModel.h>
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"
#include "../vyx/service_failure.h"

#include <QTimer>

namespace Kivo {
namespace Controllers {

namespace {

using Tesk::Core::Logging::LevelWarning;

RzlLocation::Details detailsOf(const Simulation::AnywhereLocationRecord& record)
{
    return {record.number,          record.description, record.active, record.diversionInhibitor,
            record.answerConfirmation, record.callControl, record.criteriaActive};
}

Simulation::AnywhereLocationRecord recordOf(const RzlLocation::Details& details)
{
    return {details.phoneNumber,        details.description, details.active, details.diversionInhibitor,
            details.answerConfirmation, details.callControl, details.criteriaActive};
}

} // namespace

CorvantiumAnywhereController::CorvantiumAnywhereController(Simulation::Service* service, QObject* parent)
    : QObject(parent)
    , m_Service(service)
    , m_Model(new Models::ObjectListModel(LocationRole, "location", this))
{
    Vyx::registerFailureTypes();
    if (!service)
        return;
    connect(service, &Simulation::Service::anywhereReceived, this, &CorvantiumAnywhereController::onReceived);
    connect(service, &Simulation::Service::serviceRequestFailed, this, &CorvantiumAnywhereController::onRequestFailed);
}

CorvantiumAnywhereController::~CorvantiumAnywhereController() = default;

bool CorvantiumAnywhereController::alertAll() const
{
    return m_AlertAll;
}

void CorvantiumAnywhereController::setAlertAll(bool on)
{
    if (on == m_AlertAll)
        return;
    m_AlertAll = on;
    emit alertAllChanged();
    Simulation::AnywhereRecord wanted = current();
    wanted.alertAll = on;
    send(wanted);
}

QList<QObject*> CorvantiumAnywhereController::locationObjects() const
{
    return m_Model->objects();
}

QAbstractItemModel* CorvantiumAnywhereController::getLocations() const
{
    return m_Model;
}

RzlLocation* CorvantiumAnywhereController::location(int index) const
{
    return m_Locations.value(index);
}

Simulation::AnywhereRecord CorvantiumAnywhereController::current() const
{
    Simulation::AnywhereRecord record;
    record.alertAll = m_AlertAll;
    for (const RzlLocation* location : m_Locations)
        record.locations.append(recordOf(location->details()));
    return record;
}

void CorvantiumAnywhereController::track(int requestId, Purpose purpose)
{
    if (requestId == 0) {
        QTimer::singleShot(0, this, [this] {
            const Vyx::Failure failure = Vyx::Failure::notConnected();
            fail(Simulation::ServiceFailure{failure.error, failure.info.code, failure.info.message});
        });
        return;
    }
    m_Pending.insert(requestId, purpose);
}

void CorvantiumAnywhereController::send(const Simulation::AnywhereRecord& wanted)
{
    track(m_Service ? m_Service->requestAnywhereChange(wanted) : 0, Purpose::Change);
}

bool CorvantiumAnywhereController::validIndex(int index, const char* operation)
{
    if (index >= 0 && index < m_Locations.size())
        return true;
    KIVO_LOG(LevelWarning) << "Anywhere: " << operation << " of location " << index << " refused: no such location";
    return false;
}

void CorvantiumAnywhereController::updateLists()
{
    track(m_Service ? m_Service->requestAnywhere() : 0, Purpose::Fetch);
}

void CorvantiumAnywhereController::addLocation(const QString& number)
{
    Simulation::AnywhereRecord wanted = current();
    Simulation::AnywhereLocationRecord added;
    added.number = number.trimmed();
    added.active = true;
    wanted.locations.append(added);
    send(wanted);
}

void CorvantiumAnywhereController::saveLocationDetails(int index, bool)
{
    if (validIndex(index, "saving"))
        send(current());
}

void CorvantiumAnywhereController::fetchLocationDetails(int index)
{
    if (validIndex(index, "fetching details"))
        track(m_Service ? m_Service->requestAnywhere() : 0, Purpose::Details);
}

void CorvantiumAnywhereController::removeLocation(int index)
{
    if (!validIndex(index, "removing"))
        return;
    Simulation::AnywhereRecord wanted = current();
    wanted.locations.removeAt(index);
    send(wanted);
}

void CorvantiumAnywhereController::show(const Simulation::AnywhereRecord& anywhere)
{
    m_Stored = anywhere;
    if (anywhere.alertAll != m_AlertAll) {
        m_AlertAll = anywhere.alertAll;
        emit alertAllChanged();
    }
    const QList<RzlLocation*> old = m_Locations;
    m_Locations.clear();
    QList<QObject*> objects;
    for (const Simulation::AnywhereLocationRecord& record : anywhere.locations) {
        auto* location = new RzlLocation(detailsOf(record), this);
        connect(location, &RzlLocation::activeToggled, this, [this] { send(current()); });
        m_Locations.append(location);
        objects.append(location);
    }
    m_Model->setObjects(objects);
    emit locationsChanged();
    // Views may still be reading the old ones in this turn of the event loop.
    for (RzlLocation* location : old)
        location->deleteLater();
}

void CorvantiumAnywhereController::onReceived(int requestId, const Simulation::AnywhereRecord& anywhere)
{
    if (!m_Pending.contains(requestId))
        return;
    const Purpose purpose = m_Pending.take(requestId);
    show(anywhere);
    emit serviceStatusReady();
    if (purpose == Purpose::Details)
        emit detailsReady();
}

void CorvantiumAnywhereController::onRequestFailed(int requestId, const Simulation::ServiceFailure& failure)
{
    if (!m_Pending.contains(requestId))
        return;
    const Purpose purpose = m_Pending.take(requestId);
    // A refused change leaves the server as it was: show that again.
    if (purpose == Purpose::Change && m_Stored)
        show(*m_Stored);
    fail(failure);
}

void CorvantiumAnywhereController::fail(const Simulation::ServiceFailure& serviceFailure)
{
    const Vyx::Failure failure = Vyx::Failure::from(serviceFailure);
    KIVO_LOG(LevelWarning) << "Anywhere request failed: " << failure.info.code << " " << failure.info.message;
    emit operationFailed(failure.error, failure.info);
}

} // namespace Controllers
} // namespace Kivo
