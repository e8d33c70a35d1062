#include "Kivo/Sessions/SubSession.h"

namespace Kivo {
namespace Sessions {

SubSession::SubSession(Type type, const QString& host, QObject* parent)
    : QObject(parent), m_Type(type), m_CurrentHost(host)
{
}

void SubSession::setCurrentHost(const QString& host)
{
    if (host == m_CurrentHost)
        return;
    m_CurrentHost = host;
    emit currentHostChanged();
}

void SubSession::start()
{
    m_Started = true;
    m_Reconnecting = false;
    if (m_Enabled)
        setState(Connected);
}

void SubSession::stop()
{
    m_Started = false;
    m_Reconnecting = false;
    setState(Idle);
}

void SubSession::fail()
{
    if (m_State != Connected)
        return;
    m_Reconnecting = m_Started;
    setState(Failed);
}

void SubSession::setState(State state)
{
    if (state == m_State)
        return;
    m_State = state;
    emit stateChanged(this, state);
    emit stateChangedForQml();
}

} // namespace Sessions
} // namespace Kivo
