#include <Kivo/Actions/Action.h>
#include <Kivo/Actions/Enabler.h>

namespace Kivo {
namespace Actions {

bool Enabler::isEnabled(int actionId) const
{
    return actionId != Action::None;
}

bool WebcollabEnabler::isEnabled(int actionId) const
{
    if (actionId != Action::ShareDesktop)
        return Enabler::isEnabled(actionId);
    return !m_AuthorizationFailed && !m_ConnectionFailed;
}

void WebcollabEnabler::setAuthorizationFailed(bool failed)
{
    if (failed == m_AuthorizationFailed)
        return;
    m_AuthorizationFailed = failed;
    emit enable(this);
}

void WebcollabEnabler::setConnectionFailed(bool failed)
{
    if (failed == m_ConnectionFailed)
        return;
    m_ConnectionFailed = failed;
    emit enable(this);
}

} // namespace Actions
} // namespace Kivo
