#pragma once

#include <Kivo/Services/CallCenterAgentQueue.h>

#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>

namespace Kivo {
namespace Simulation {
class Service;
struct CallCenterAgentRecord;
struct ServiceFailure;
} // namespace Simulation

namespace Services {

// The user as a call-centre agent: the agent's ACD state (signed in, available, unavailable
// with an optional reason, wrapping up, signed out) and the queues the agent is joined to.
// What states and reasons the agent may use is the account's configuration, known from
// sign-in; the state and the queues come with each fetch: the queues first, then their
// names one by one, then allQueueNamesReceived().
class CallCenterAgentHandler : public QObject
{
    Q_OBJECT

public:
    enum ACDStates
    {
        SignIn = 0,
        Available = 1,
        Unavailable = 2,
        WrapUp = 3,
        SignOut = 4
    };
    Q_ENUM(ACDStates)

    CallCenterAgentHandler(Simulation::Service* service, const QString& userName, QObject* parent = nullptr);
    ~CallCenterAgentHandler() override;

    // A basic agent has queues but no ACD state.
    bool getIsOnlyBasicAgent() const { return m_Basic; }
    bool getAgentUnavailableCodesRequired() const { return m_CodesRequired; }
    // Each state with its name as the agent sees it.
    QMap<ACDStates, QString> getACDStatusMap() const;
    // Reason code -> description.
    QMap<QString, QString> getACDUnavailableCodes() const { return m_Codes; }
    QString getDefaultUnavailableReason() const { return m_DefaultReason; }
    // The current state's name and reason code; empty before the first fetch.
    QString getCurrentACDStatus() const;
    QString getCurrentACDUnavailableCode() const { return m_CurrentCode; }

    void fetchCallCenterAgentDetails();
    // `status` is a state's name (empty keeps the state); `reason` a code or empty.
    void putCallCenterAgentDetails(const QString& status, const QString& reason,
                                   QList<Kivo::Services::CallCenterAgentQueue*> queues);

signals:
    void callCenterQueuesParsed(QList<Kivo::Services::CallCenterAgentQueue*> queues);
    void callCenterAgentQueueNameReceived(const QString& serviceUserId, const QString& name);
    void allQueueNamesReceived();
    void errorReceivingCallCenterAgentData();
    void callCenterAgentDataPublished(bool published);

private:
    void onAgentReceived(int requestId, const Simulation::CallCenterAgentRecord& agent);
    void onQueueNameReceived(int requestId, const QString& serviceUserId, const QString& name);
    void onRequestFailed(int requestId, const Simulation::ServiceFailure& failure);
    void queueNameDone(int requestId);
    void keepState(const Simulation::CallCenterAgentRecord& agent);

    QPointer<Simulation::Service> m_Service;
    bool m_Basic = false;
    bool m_CodesRequired = false;
    QMap<QString, QString> m_Codes;
    QString m_DefaultReason;
    int m_CurrentState = -1;
    QString m_CurrentCode;
    int m_FetchRequest = 0;
    int m_PutRequest = 0;
    QSet<int> m_NameRequests;
};

} // namespace Services
} // namespace Kivo
