#pragma once

#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Sessions/SubSession.h>

#include <QObject>

namespace Utils {

// Turns the session's state into one flag, usable while the watched sub-session is
// connected and the session is not reconnecting, and drives enablers by it.
class SessionStateWatcherEnabler : public QObject
{
    Q_OBJECT

public:
    // `watchedKind` is a sub-session type (0 or 1); any other kind follows reconnection only.
    SessionStateWatcherEnabler(Kivo::Sessions::SessionManagerBase* sessionManager, int watchedKind, QObject* parent);

    bool isEnabled() const { return m_SubSessionReady && !m_Reconnecting; }
    // Makes `enabler` (a Utils::AggregationEnabler) follow this watcher; false for null or
    // a failed connection.
    bool addAggregationEnabler(QObject* enabler);

signals:
    void sessionEnabled(bool enabled);

public slots:
    void cbSubSessionStateChanged(Kivo::Sessions::SessionManagerBase* manager,
                                  const Kivo::Sessions::SubSession* subSession,
                                  Kivo::Sessions::SubSession::State state);
    void cbReconnectionStateChanged(Kivo::Sessions::SessionManagerBase* manager, bool reconnecting);

private:
    bool watches(int type) const { return (type == 0 || type == 1) && type == m_WatchedKind; }
    void setSubSessionState(Kivo::Sessions::SubSession::State state);
    void update(bool wasEnabled);

    int m_WatchedKind;
    // Ready unless the watched sub-session is known and not connected.
    bool m_SubSessionReady = true;
    bool m_Reconnecting;
};

} // namespace Utils
