#include <Kivo/Services/PresenceRulesHandler.h>
#include <Kivo/Services/PresenceRulesModel.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

#include <QTimer>

namespace Kivo {
namespace Services {

using Tesk::Core::Logging::LevelInfo;
using Tesk::Core::Logging::LevelWarning;

PresenceRulesHandler::PresenceRulesHandler(Sessions::SessionManagerBase* session, QObject* parent)
    : PresenceRulesHandler(&Simulation::Service::shared(), session, parent)
{
}

PresenceRulesHandler::PresenceRulesHandler(Simulation::Service* service, Sessions::SessionManagerBase* session,
                                           QObject* parent)
    : QObject(parent)
    , m_Service(service)
    , m_Session(session)
    , m_Model(new PresenceRulesModel(this))
{
    if (!service)
        return;
    connect(service, &Simulation::Service::presenceRulesReceived, this, &PresenceRulesHandler::onRulesReceived);
    connect(service, &Simulation::Service::serviceRequestFailed, this, &PresenceRulesHandler::onRequestFailed);
}

PresenceRulesHandler::~PresenceRulesHandler() = default;

QObject* PresenceRulesHandler::model() const
{
    return m_Model;
}

void PresenceRulesHandler::setTransactionState(int state)
{
    if (state == m_State)
        return;
    m_State = state;
    emit transactionStateChanged();
}

bool PresenceRulesHandler::isXmppConnected() const
{
    const Sessions::SubSession* xmpp = m_Session ? m_Session->xmppSubSession() : nullptr;
    return xmpp && xmpp->getState() == Sessions::SubSession::Connected;
}

void PresenceRulesHandler::xmppConnectedChanged()
{
    emit xmppConnectionChanged();
}

void PresenceRulesHandler::requestPresenceRules()
{
    m_FetchRequest = m_Service ? m_Service->requestPresenceRules() : 0;
    setTransactionState(m_FetchRequest ? Fetching : ErrorFetching);
}

void PresenceRulesHandler::setPresenceRules()
{
    if (m_State == Saving)
        return;
    KIVO_LOG(LevelInfo) << "Saving presence rules";
    m_SaveRequest = m_Service ? m_Service->requestPresenceRulesChange(m_Model->records()) : 0;
    setTransactionState(m_SaveRequest ? Saving : ErrorSaving);
}

void PresenceRulesHandler::onRulesReceived(int requestId, const QList<Simulation::PresenceRuleRecord>& rules)
{
    if (requestId == m_FetchRequest) {
        m_FetchRequest = 0;
        m_Model->setStored(rules);
        setTransactionState(Fetched);
    } else if (requestId == m_SaveRequest) {
        m_SaveRequest = 0;
        m_Model->setStored(rules);
        setTransactionState(Saved);
    }
}

void PresenceRulesHandler::onRequestFailed(int requestId, const Simulation::ServiceFailure& failure)
{
    if (requestId != m_FetchRequest && requestId != m_SaveRequest)
        return;
    const bool fetching = requestId == m_FetchRequest;
    (fetching ? m_FetchRequest : m_SaveRequest) = 0;
    KIVO_LOG(LevelWarning) << "Presence rules not " << (fetching ? "loaded: " : "saved: ") << failure.code << " "
                           << failure.message;
    setTransactionState(fetching ? ErrorFetching : ErrorSaving);
}

} // namespace Services
} // namespace Kivo
