#pragma once

#include <Kivo/Simulation/ServiceSettings.h>
#include <Kivo/Vyx/VyxComponent.h>
#include <Kivo/Vyx/VyxErrorInfo.h>

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QAbstractItemModel;

namespace Kivo {
namespace Models {
class ObjectListModel;
}
namespace Simulation {
class Service;
}

namespace Controllers {

// One number (or SIP address) that rings with the user's calls; an empty row is a free place.
class SimultaneousRingDetail : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString phoneNumber READ getPhoneNumber WRITE setPhoneNumber NOTIFY detailChanged)
    // Whether the callee there must confirm before the call is put through.
    Q_PROPERTY(bool active READ getActive WRITE setActive NOTIFY detailChanged)

public:
    SimultaneousRingDetail(const QString& number, bool answerConfirmation, QObject* parent)
        : QObject(parent)
        , m_Number(number)
        , m_Active(answerConfirmation)
    {
    }

    QString getPhoneNumber() const { return m_Number; }
    bool getActive() const { return m_Active; }
    void setPhoneNumber(const QString& number)
    {
        if (number == m_Number)
            return;
        m_Number = number;
        emit detailChanged();
    }
    void setActive(bool active)
    {
        if (active == m_Active)
            return;
        m_Active = active;
        emit detailChanged();
    }

signals:
    void detailChanged();

private:
    QString m_Number;
    bool m_Active;
};

// Simultaneous ring on the server: up to ten numbers that ring together with the user's
// own phone. The page edits the rows and the two switches here; saveRingLocations() sends
// them all, and the rows then show what the server stored.
class SimultaneousRingController : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool simRingMainActive READ getSimRingMainActive WRITE setSimRingMainActive NOTIFY simRingMainActiveChanged)
    Q_PROPERTY(bool doNotRingActive READ getDoNotRingActive WRITE setDoNotRingActive NOTIFY doNotRingActiveChanged)
    Q_PROPERTY(QList<QObject*> locations READ locationObjects NOTIFY locationsChanged)

public:
    // The locations' model role that holds the SimultaneousRingDetail.
    static constexpr int DetailRole = 259;

    explicit SimultaneousRingController(Simulation::Service* service, QObject* parent = nullptr);
    ~SimultaneousRingController() override;

    bool getSimRingMainActive() const { return m_Active; }
    void setSimRingMainActive(bool active);
    bool getDoNotRingActive() const { return m_DoNotRing; }
    void setDoNotRingActive(bool active);
    // Always ten rows: the stored numbers first, then free ones.
    QList<QObject*> locationObjects() const;
    QAbstractItemModel* getLocations() const;

public slots:
    // Asks for the stored settings; serviceStatusReady() follows.
    void updateLists();
    // Sends the switches and the rows with a number; locationsSaved() follows.
    void saveRingLocations();

signals:
    void simRingMainActiveChanged();
    void doNotRingActiveChanged();
    void locationsChanged();
    void serviceStatusReady();
    void locationsSaved();
    void operationFailed(Kivo::Vyx::VyxComponent::Error error, const Kivo::Vyx::VyxErrorInfo& info);

private:
    void track(int requestId, bool save);
    void onReceived(int requestId, const Simulation::SimultaneousRingRecord& ring);
    void onRequestFailed(int requestId, const Simulation::ServiceFailure& failure);
    void fail(const Simulation::ServiceFailure& failure);
    void show(const Simulation::SimultaneousRingRecord& ring);

    QPointer<Simulation::Service> m_Service;
    bool m_Active = false;
    bool m_DoNotRing = false;
    Models::ObjectListModel* m_Model;
    QHash<int, bool> m_Pending;
};

} // namespace Controllers
} // namespace Kivo
