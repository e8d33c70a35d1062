#pragma once

#include <Kivo/Controllers/SupplementaryService.h>
#include <Kivo/Vyx/VyxComponent.h>
#include <Kivo/Vyx/VyxErrorInfo.h>

#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>

namespace Kivo {
namespace Simulation {
class Service;
struct ServiceFailure;
struct SupplementaryServiceRecord;
} // namespace Simulation

namespace Controllers {

class VyxServiceObject;

// The user's supplementary services on the server's REST interface. It offers them two
// ways: as service objects that the call-settings pages edit and push one by one, and as
// whole lists and single changes through signals and slots, for the supplementary-services
// dialog. Every request is answered asynchronously, or fails with the server's reason.
class VyxSupplementaryServicesController2 : public QObject
{
    Q_OBJECT

public:
    static constexpr const char* ForwardingNumberAttribute = "forwardToPhoneNumber";
    static constexpr const char* RemoteOfficeNumberAttribute = "remoteOfficeNumber";

    explicit VyxSupplementaryServicesController2(Simulation::Service* service, QObject* parent = nullptr);
    ~VyxSupplementaryServicesController2() override;

    // Whether the list of services has arrived once.
    bool isServicesListFetched() const { return m_ListFetched; }
    bool hasService(int id) const { return m_Objects.contains(id); }
    VyxServiceObject* getService(int id) const { return m_Objects.value(id); }
    Q_INVOKABLE QObject* getServiceByName(const QString& name) const;
    Q_INVOKABLE QString getRemoteOfficeNumberAttribute() const { return QString::fromLatin1(RemoteOfficeNumberAttribute); }
    // The services as the server last reported them, in its order.
    QList<SupplementaryService> services() const;
    // The name pages look a service up by; empty for an id the engine does not know.
    static QString serviceName(int id);

    // The service objects' requests.
    void fetchService(VyxServiceObject* object);
    void pushService(VyxServiceObject* object);

public slots:
    // Asks for the list; servicesReady() or fetchFailed(error, info) follows.
    void fetchServicesList();
    // Drops the changes that the service objects hold but never pushed.
    void resetServices();
    // Asks for the list; supplementaryServices(list) or fetchFailed(error, text) follows.
    void fetchSupplementaryServices();
    // Sends one service; supplementaryServiceChanged with the stored service, or
    // failedToChangeSupplementaryService with the service as it was, follows.
    void changeSupplementaryService(const Kivo::Controllers::SupplementaryService& service);

signals:
    void servicesReady();
    void fetchFailed(Kivo::Vyx::VyxComponent::Error error, const Kivo::Vyx::VyxErrorInfo& info);
    void supplementaryServices(const QList<Kivo::Controllers::SupplementaryService>& services);
    void supplementaryServiceChanged(const Kivo::Controllers::SupplementaryService& service);
    void failedToChangeSupplementaryService(const Kivo::Controllers::SupplementaryService& service);
    void fetchFailed(Kivo::Vyx::VyxComponent::Error error, QString text);

private:
    enum class Purpose
    {
        List,
        DialogList,
        ObjectFetch,
        ObjectPush,
        DialogChange
    };
    struct Pending
    {
        Purpose purpose;
        QPointer<VyxServiceObject> object;
        SupplementaryService before;
    };

    void track(int requestId, const Pending& pending);
    void onServicesReceived(int requestId, const QList<Simulation::SupplementaryServiceRecord>& records);
    void onServiceChanged(int requestId, const Simulation::SupplementaryServiceRecord& record);
    void onRequestFailed(int requestId, const Simulation::ServiceFailure& failure);
    void fail(const Pending& pending, const Simulation::ServiceFailure& failure);
    // The service's object, made on first sight.
    VyxServiceObject* objectFor(int id);
    SupplementaryService lastReported(int id) const;

    QPointer<Simulation::Service> m_Service;
    QMap<int, VyxServiceObject*> m_Objects;
    QList<SupplementaryService> m_Reported;
    QHash<int, Pending> m_Pending;
    bool m_ListFetched = false;
};

} // namespace Controllers
} // namespace Kivo
