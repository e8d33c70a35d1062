#pragma once

#include <Kivo/Simulation/ServiceSettings.h>
#include <Kivo/Vyx/VyxComponent.h>
#include <Kivo/Vyx/VyxErrorInfo.h>

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

#include <optional>

class QAbstractItemModel;

namespace Kivo {
namespace Models {
class ObjectListModel;
}
namespace Simulation {
class Service;
}

namespace Controllers {

class RzlLocation;

// The user's Anywhere locations on the server: other phones of the user that ring with the
// user's calls. Every change goes to the server as the whole set; the locations shown are
// always the server's last answer, so a refused change shows the stored state again.
class CorvantiumAnywhereController : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool alertAll READ alertAll WRITE setAlertAll NOTIFY alertAllChanged)
    Q_PROPERTY(QList<QObject*> locations READ locationObjects NOTIFY locationsChanged)

public:
    // The locations' model role that holds the RzlLocation.
    static constexpr int LocationRole = 268;

    explicit CorvantiumAnywhereController(Simulation::Service* service, QObject* parent = nullptr);
    ~CorvantiumAnywhereController() override;

    bool alertAll() const;
    void setAlertAll(bool on);
    QList<QObject*> locationObjects() const;
    QAbstractItemModel* getLocations() const;
    RzlLocation* location(int index) const;

public slots:
    // Asks for the locations; serviceStatusReady() follows.
    void updateLists();
    void addLocation(const QString& number);
    // Sends the location's settings as the user set them.
    void saveLocationDetails(int index, bool);
    // Asks the server again; detailsReady() follows.
    void fetchLocationDetails(int index);
    void removeLocation(int index);

signals:
    void alertAllChanged();
    void locationsChanged();
    void serviceStatusReady();
    void detailsReady();
    void operationFailed(Kivo::Vyx::VyxComponent::Error error, const Kivo::Vyx::VyxErrorInfo& info);

private:
    enum class Purpose
    {
        Fetch,
        Details,
        Change
    };

    void send(const Simulation::AnywhereRecord& wanted);
    void track(int requestId, Purpose purpose);
    Simulation::AnywhereRecord current() const;
    bool validIndex(int index, const char* operation);
    void onReceived(int requestId, const Simulation::AnywhereRecord& anywhere);
    void onRequestFailed(int requestId, const Simulation::ServiceFailure& failure);
    void fail(const Simulation::ServiceFailure& failure);
    // Shows the server's state: locations made anew from it.
    void show(const Simulation::AnywhereRecord& anywhere);

    QPointer<Simulation::Service> m_Service;
    std::optional<Simulation::AnywhereRecord> m_Stored;
    bool m_AlertAll = false;
    QList<RzlLocation*> m_Locations;
    Models::ObjectListModel* m_Model;
    QHash<int, Purpose> m_Pending;
};

} // namespace Controllers
} // namespace Kivo
