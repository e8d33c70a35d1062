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
    if (m_Enabled)
        setState(Connected);
}

void SubSession::stop()
{
    m_Started = false;
    setState(Idle);
}

void SubSession::fail()
{
    if (m_State == Connected)
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
