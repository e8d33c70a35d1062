#include "Utils/session_state_watcher_enabler.h"

#include "Utils/aggregation_enabler.h"
#include "common/connect_check.h"

namespace Utils {

using Kivo::Sessions::SessionManagerBase;
using Kivo::Sessions::SubSession;

SessionStateWatcherEnabler::SessionStateWatcherEnabler(SessionManagerBase* sessionManager, int watchedKind,
                                                       QObject* parent)
    : QObject(parent)
    , m_WatchedKind(watchedKind)
    , m_Reconnecting(sessionManager && sessionManager->getState() == SessionManagerBase::Reconnecting)
{
    if (sessionManager) {
        CHECKED_CONNECT(sessionManager,
                        SIGNAL(subSessionStateChanged(Kivo::Sessions::SessionManagerBase*,
                                                      const Kivo::Sessions::SubSession*,
                                                      Kivo::Sessions::SubSession::State)),
                        this,
                        SLOT(cbSubSessionStateChanged(Kivo::Sessions::SessionManagerBase*,
                                                      const Kivo::Sessions::SubSession*,
                                                      Kivo::Sessions::SubSession::State)));
        CHECKED_CONNECT(sessionManager, SIGNAL(reconnectionStateChanged(Kivo::Sessions::SessionManagerBase*, bool)),
                        this, SLOT(cbReconnectionStateChanged(Kivo::Sessions::SessionManagerBase*, bool)));
        if (watches(m_WatchedKind)) {
            for (const SubSession* sub : sessionManager->subSessions()) {
                if (sub->getType() == m_WatchedKind)
                    m_SubSessionReady = sub->getState() == SubSession::Connected;
            }
        }
    }
}

bool SessionStateWatcherEnabler::addAggregationEnabler(QObject* enabler)
{
    auto* aggregation = qobject_cast<AggregationEnabler*>(enabler);
    if (!aggregation)
        return false;
    aggregation->setSourceEnabled(isEnabled(), this);
    return CHECKED_CONNECT(this, SIGNAL(sessionEnabled(bool)), aggregation, SLOT(setEnabled(bool)));
}

void SessionStateWatcherEnabler::cbSubSessionStateChanged(SessionManagerBase*, const SubSession* subSession,
                                                          SubSession::State state)
{
    if (subSession && watches(subSession->getType()))
        setSubSessionState(state);
}

void SessionStateWatcherEnabler::cbReconnectionStateChanged(SessionManagerBase*, bool reconnecting)
{
    const bool wasEnabled = isEnabled();
    m_Reconnecting = reconnecting;
    update(wasEnabled);
}

void SessionStateWatcherEnabler::setSubSessionState(SubSession::State state)
{
    const bool wasEnabled = isEnabled();
    m_SubSessionReady = state == SubSession::Connected;
    update(wasEnabled);
}

void SessionStateWatcherEnabler::update(bool wasEnabled)
{
    if (isEnabled() != wasEnabled)
        emit sessionEnabled(isEnabled());
}

} // namespace Utils
