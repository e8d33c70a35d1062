#include <Kivo/Controllers/VyxServiceObject.h>
#include <Kivo/Controllers/VyxSupplementaryServicesController2.h>
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"
#include "../vyx/service_failure.h"

#include <QTimer>

namespace Kivo {
namespace Controllers {

namespace {

using Tesk::Core::Logging::LevelInfo;
using Tesk::Core::Logging::LevelWarning;

SupplementaryService serviceOf(const Simulation::SupplementaryServiceRecord& record)
{
    return SupplementaryService(static_cast<SupplementaryService::Id>(record.id), record.active, record.target);
}

Simulation::SupplementaryServiceRecord recordOf(const SupplementaryService& service)
{
    return Simulation::SupplementaryServiceRecord{int(service.id()), service.active(), service.target().trimmed()};
}

} // namespace

VyxSupplementaryServicesController2::VyxSupplementaryServicesController2(Simulation::Service* service, QObject* parent)
    : QObject(parent)
    , m_Service(service)
{
    Vyx::registerFailureTypes();
    qRegisterMetaType<Kivo::Controllers::SupplementaryService>("Kivo::Controllers::SupplementaryService");
    qRegisterMetaType<QList<Kivo::Controllers::SupplementaryService>>("QList<Kivo::Controllers::SupplementaryService>");
    if (!service)
        return;
    connect(service, &Simulation::Service::supplementaryServicesReceived, this,
            &VyxSupplementaryServicesController2::onServicesReceived);
    connect(service, &Simulation::Service::supplementaryServiceChanged, this,
            &VyxSupplementaryServicesController2::onServiceChanged);
    connect(service, &Simulation::Service::serviceRequestFailed, this,
            &VyxSupplementaryServicesController2::onRequestFailed);
}

VyxSupplementaryServicesController2::~VyxSupplementaryServicesController2() = default;

QString VyxSupplementaryServicesController2::serviceName(int id)
{
    switch (id) {
    case SupplementaryService::CallForwardingAlways:
        return QStringLiteral("Call Forwarding Always");
    case SupplementaryService::CallForwardingNotLoggedIn:
        return QStringLiteral("Call Forwarding Not Logged In");
    case SupplementaryService::CallForwardingBusy:
        return QStringLiteral("Call Forwarding Busy");
    case SupplementaryService::CallForwardingNotReachable:
        return QStringLiteral("Call Forwarding Not Reachable");
    case SupplementaryService::CallForwardingNoReply:
        return QStringLiteral("Call Forwarding No Answer");
    case SupplementaryService::OriginatingIdPresentation:
        return QStringLiteral("Calling Line ID Presentation");
    case SupplementaryService::OriginatingIdRestriction:
        return QStringLiteral("Calling Line ID Restriction");
    case SupplementaryService::TerminatingIdPresentation:
        return QStringLiteral("Connected Line ID Presentation");
    case SupplementaryService::TerminatingIdRestriction:
        return QStringLiteral("Connected Line ID Restriction");
    case SupplementaryService::CallingLineIdBlocking:
        return QStringLiteral("Calling Line ID Delivery Blocking");
    case SupplementaryService::BarringAllIncoming:
        return QStringLiteral("Barring All Incoming");
    case SupplementaryService::BarringIncomingRoaming:
        return QStringLiteral("Barring Incoming When Roaming");
    case SupplementaryService::BarringAllOutgoing:
        return QStringLiteral("Barring All Outgoing");
    case SupplementaryService::BarringOutgoingInternational:
        return QStringLiteral("Barring Outgoing International");
    case SupplementaryService::BarringOutgoingInternationalExHome:
        return QStringLiteral("Barring Outgoing International Except Home");
    case SupplementaryService::CallWaiting:
        return QStringLiteral("Call Waiting");
    case SupplementaryService::DoNotDisturb:
        return QStringLiteral("Do Not Disturb");
    case SupplementaryService::RemoteOffice:
        return QStringLiteral("Remote Office");
    default:
        return QString();
    }
}

QObject* VyxSupplementaryServicesController2::getServiceByName(const QString& name) const
{
    for (VyxServiceObject* object : m_Objects) {
        if (object->name() == name)
            return object;
    }
    return nullptr;
}

QList<SupplementaryService> VyxSupplementaryServicesController2::services() const
{
    return m_Reported;
}

SupplementaryService VyxSupplementaryServicesController2::lastReported(int id) const
{
    for (const SupplementaryService& service : m_Reported) {
        if (service.id() == id)
            return service;
    }
    return SupplementaryService(static_cast<SupplementaryService::Id>(id), false, QString());
}

void VyxSupplementaryServicesController2::track(int requestId, const Pending& pending)
{
    if (requestId == 0) {
        // Never reached the server; answered like any failure, from the event loop.
        QTimer::singleShot(0, this, [this, pending] {
            const Vyx::Failure failure = Vyx::Failure::notConnected();
            fail(pending, Simulation::ServiceFailure{failure.error, failure.info.code, failure.info.message});
        });
        return;
    }
    m_Pending.insert(requestId, pending);
}

void VyxSupplementaryServicesController2::fetchServicesList()
{
    track(m_Service ? m_Service->requestSupplementaryServices() : 0, Pending{Purpose::List, nullptr, {}});
}

void VyxSupplementaryServicesController2::fetchSupplementaryServices()
{
    track(m_Service ? m_Service->requestSupplementaryServices() : 0, Pending{Purpose::DialogList, nullptr, {}});
}

void VyxSupplementaryServicesController2::fetchService(VyxServiceObject* object)
{
    track(m_Service ? m_Service->requestSupplementaryServices() : 0, Pending{Purpose::ObjectFetch, object, {}});
}

void VyxSupplementaryServicesController2::pushService(VyxServiceObject* object)
{
    const SupplementaryService wanted = object->service();
    KIVO_LOG(LevelInfo) << "Pushing service " << object->name() << (wanted.active() ? " on" : " off");
    track(m_Service ? m_Service->requestSupplementaryServiceChange(recordOf(wanted)) : 0,
          Pending{Purpose::ObjectPush, object, lastReported(object->serviceId())});
}

void VyxSupplementaryServicesController2::changeSupplementaryService(const SupplementaryService& service)
{
    track(m_Service ? m_Service->requestSupplementaryServiceChange(recordOf(service)) : 0,
          Pending{Purpose::DialogChange, nullptr, lastReported(service.id())});
}

void VyxSupplementaryServicesController2::resetServices()
{
    for (VyxServiceObject* object : qAsConst(m_Objects))
        object->dropLocalChanges();
}

VyxServiceObject* VyxSupplementaryServicesController2::objectFor(int id)
{
    if (VyxServiceObject* object = m_Objects.value(id))
        return object;
    const QString attribute = id == SupplementaryService::RemoteOffice ? getRemoteOfficeNumberAttribute()
                              : SupplementaryService::hasTarget(id)   ? QString::fromLatin1(ForwardingNumberAttribute)
                                                                      : QString();
    auto* object = new VyxServiceObject(id, serviceName(id), attribute, this);
    m_Objects.insert(id, object);
    return object;
}

void VyxSupplementaryServicesController2::onServicesReceived(int requestId,
                                                             const QList<Simulation::SupplementaryServiceRecord>& records)
{
    if (!m_Pending.contains(requestId))
        return;
    const Pending pending = m_Pending.take(requestId);
    QList<SupplementaryService> reported;
    QMap<int, VyxServiceObject*> gone = m_Objects;
    for (const Simulation::SupplementaryServiceRecord& record : records) {
        const SupplementaryService service = serviceOf(record);
        reported.append(service);
        gone.remove(record.id);
        VyxServiceObject* object = objectFor(record.id);
        // Only the asker, and services whose server state moved on, hear of it.
        const bool changed = !object->isKnown() || lastReported(record.id) != service;
        object->serverAnswered(service, changed || object == pending.object);
    }
    for (auto it = gone.begin(); it != gone.end(); ++it) {
        if (it.value() == pending.object)
            it.value()->requestFailed(QStringLiteral("The service is no longer offered"));
        m_Objects.remove(it.key());
        it.value()->deleteLater();
    }
    m_Reported = reported;
    m_ListFetched = true;
    switch (pending.purpose) {
    case Purpose::List:
        emit servicesReady();
        break;
    case Purpose::DialogList:
        emit supplementaryServices(reported);
        break;
    default:
        break;
    }
}

void VyxSupplementaryServicesController2::onServiceChanged(int requestId, const Simulation::SupplementaryServiceRecord& record)
{
    if (!m_Pending.contains(requestId))
        return;
    const Pending pending = m_Pending.take(requestId);
    const SupplementaryService service = serviceOf(record);
    bool known = false;
    for (SupplementaryService& reported : m_Reported) {
        if (reported.id() == service.id()) {
            reported = service;
            known = true;
        }
    }
    if (!known)
        m_Reported.append(service);
    objectFor(service.id())->serverAnswered(service, true);
    emit supplementaryServiceChanged(service);
}

void VyxSupplementaryServicesController2::onRequestFailed(int requestId, const Simulation::ServiceFailure& failure)
{
    if (m_Pending.contains(requestId))
        fail(m_Pending.take(requestId), failure);
}

void VyxSupplementaryServicesController2::fail(const Pending& pending, const Simulation::ServiceFailure& serviceFailure)
{
    const Vyx::Failure failure = Vyx::Failure::from(serviceFailure);
    KIVO_LOG(LevelWarning) << "Supplementary services request failed: " << int(failure.error) << " "
                           << failure.info.code << " " << failure.info.message;
    switch (pending.purpose) {
    case Purpose::List:
        emit fetchFailed(failure.error, failure.info);
        break;
    case Purpose::DialogList:
        emit fetchFailed(failure.error, failure.info.message);
        break;
    case Purpose::ObjectFetch:
    case Purpose::ObjectPush:
        if (pending.object)
            pending.object->requestFailed(failure.text());
        break;
    case Purpose::DialogChange:
        emit failedToChangeSupplementaryService(pending.before);
        break;
    }
}

} // namespace Controllers
} // namespace Kivo
