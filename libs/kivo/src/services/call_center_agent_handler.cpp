#include <Kivo/Services/CallCenterAgentHandler.h>
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

#include <QTimer>

#include <algorithm>

namespace Kivo {
namespace Services {

namespace {

using Tesk::Core::Logging::LevelInfo;
using Tesk::Core::Logging::LevelWarning;

// The service's names of the ACD states.
QString stateName(int state)
{
    switch (state) {
    case CallCenterAgentHandler::SignIn:
        return QStringLiteral("Sign-In");
    case CallCenterAgentHandler::Available:
        return QStringLiteral("Available");
    case CallCenterAgentHandler::Unavailable:
        return QStringLiteral("Unavailable");
    case CallCenterAgentHandler::WrapUp:
        return QStringLiteral("Wrap-Up");
    case CallCenterAgentHandler::SignOut:
        return QStringLiteral("Sign-Out");
    default:
        return QString();
    }
}

} // namespace

CallCenterAgentHandler::CallCenterAgentHandler(Simulation::Service* service, const QString& userName, QObject* parent)
    : QObject(parent)
    , m_Service(service)
{
    qRegisterMetaType<QList<Kivo::Services::CallCenterAgentQueue*>>("QList<Kivo::Services::CallCenterAgentQueue*>");
    if (!service)
        return;
    if (const auto agent = service->servicesOf(userName).agent) {
        m_Basic = agent->basic;
        m_CodesRequired = agent->codesRequired;
        m_Codes = agent->unavailableCodes;
        m_DefaultReason = agent->defaultReason;
    }
    connect(service, &Simulation::Service::callCenterAgentReceived, this, &CallCenterAgentHandler::onAgentReceived);
    connect(service, &Simulation::Service::callCenterQueueNameReceived, this,
            &CallCenterAgentHandler::onQueueNameReceived);
    connect(service, &Simulation::Service::serviceRequestFailed, this, &CallCenterAgentHandler::onRequestFailed);
}

CallCenterAgentHandler::~CallCenterAgentHandler() = default;

QMap<CallCenterAgentHandler::ACDStates, QString> CallCenterAgentHandler::getACDStatusMap() const
{
    QMap<ACDStates, QString> states;
    for (int state = SignIn; state <= SignOut; ++state)
        states.insert(static_cast<ACDStates>(state), stateName(state));
    return states;
}

QString CallCenterAgentHandler::getCurrentACDStatus() const
{
    return stateName(m_CurrentState);
}

void CallCenterAgentHandler::fetchCallCenterAgentDetails()
{
    m_FetchRequest = m_Service ? m_Service->requestCallCenterAgent() : 0;
    m_NameRequests.clear();
    if (m_FetchRequest == 0)
        QTimer::singleShot(0, this, &CallCenterAgentHandler::errorReceivingCallCenterAgentData);
}

void CallCenterAgentHandler::putCallCenterAgentDetails(const QString& status, const QString& reason,
                                                       QList<CallCenterAgentQueue*> queues)
{
    int state = -1;
    if (!status.isEmpty()) {
        // Looked up by value: the enum has no invalid state to stand for a missing name.
        const QMap<ACDStates, QString> states = getACDStatusMap();
        const auto found = std::find(states.cbegin(), states.cend(), status);
        if (found == states.cend()) {
            KIVO_LOG(LevelWarning) << "Call-centre agent: no state named " << status;
            QTimer::singleShot(0, this, [this] { emit callCenterAgentDataPublished(false); });
            return;
        }
        state = found.key();
    }
    QList<Simulation::AgentQueueRecord> memberships;
    for (const CallCenterAgentQueue* queue : queues) {
        if (!queue)
            continue;
        Simulation::AgentQueueRecord record;
        record.serviceUserId = queue->getServiceUserId();
        record.joined = queue->getAvailable();
        memberships.append(record);
    }
    KIVO_LOG(LevelInfo) << "Call-centre agent: publishing state " << status << " reason " << reason << " and "
                        << int(memberships.size()) << " queue(s)";
    m_PutRequest = m_Service ? m_Service->requestCallCenterAgentChange(state, reason, memberships) : 0;
    if (m_PutRequest == 0)
        QTimer::singleShot(0, this, [this] { emit callCenterAgentDataPublished(false); });
}

void CallCenterAgentHandler::keepState(const Simulation::CallCenterAgentRecord& agent)
{
    m_CurrentState = agent.basic ? -1 : agent.state;
    m_CurrentCode = agent.unavailableCode;
}

void CallCenterAgentHandler::onAgentReceived(int requestId, const Simulation::CallCenterAgentRecord& agent)
{
    if (requestId == m_PutRequest) {
        m_PutRequest = 0;
        keepState(agent);
        emit callCenterAgentDataPublished(true);
        return;
    }
    if (requestId != m_FetchRequest)
        return;
    m_FetchRequest = 0;
    keepState(agent);
    // Queues of an earlier fetch that no model took over.
    for (CallCenterAgentQueue* unclaimed : findChildren<CallCenterAgentQueue*>(QString(), Qt::FindDirectChildrenOnly))
        unclaimed->deleteLater();
    QList<CallCenterAgentQueue*> queues;
    for (const Simulation::AgentQueueRecord& record : agent.queues)
        queues.append(new CallCenterAgentQueue(record.serviceUserId, record.number, record.logOffAllowed, record.joined, this));
    emit callCenterQueuesParsed(queues);
    for (const CallCenterAgentQueue* queue : queues) {
        if (const int nameRequest = m_Service->requestCallCenterQueueName(queue->getServiceUserId()))
            m_NameRequests.insert(nameRequest);
    }
    if (m_NameRequests.isEmpty())
        emit allQueueNamesReceived();
}

void CallCenterAgentHandler::onQueueNameReceived(int requestId, const QString& serviceUserId, const QString& name)
{
    if (!m_NameRequests.contains(requestId))
        return;
    emit callCenterAgentQueueNameReceived(serviceUserId, name);
    queueNameDone(requestId);
}

void CallCenterAgentHandler::queueNameDone(int requestId)
{
    m_NameRequests.remove(requestId);
    if (m_NameRequests.isEmpty())
        emit allQueueNamesReceived();
}

void CallCenterAgentHandler::onRequestFailed(int requestId, const Simulation::ServiceFailure& failure)
{
    if (requestId == m_FetchRequest) {
        m_FetchRequest = 0;
        KIVO_LOG(LevelWarning) << "Call-centre agent details not received: " << failure.code << " " << failure.message;
        emit errorReceivingCallCenterAgentData();
    } else if (requestId == m_PutRequest) {
        m_PutRequest = 0;
        KIVO_LOG(LevelWarning) << "Call-centre agent details not published: " << failure.code << " " << failure.message;
        emit callCenterAgentDataPublished(false);
    } else if (m_NameRequests.contains(requestId)) {
        // The queue keeps its id as its name.
        KIVO_LOG(LevelWarning) << "Queue name not received: " << failure.message;
        queueNameDone(requestId);
    }
}

} // namespace Services
} // namespace Kivo
