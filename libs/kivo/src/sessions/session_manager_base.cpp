#include <Kivo/Sessions/SessionManagerBase.h>

namespace Kivo {
namespace Sessions {

SessionManagerBase::SessionManagerBase(QObject* parent) : QObject(parent) {}

void SessionManagerBase::setState(State state)
{
    if (state == m_State)
        return;
    m_State = state;
    emit stateChanged(state);
}

} // namespace Sessions
} // namespace Kivo
