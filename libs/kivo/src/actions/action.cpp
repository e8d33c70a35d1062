#include <Kivo/Actions/Action.h>

namespace Kivo {
namespace Actions {

Action::Action(Id id, QObject* parent) : QObject(parent), m_Id(id) {}

void Action::setEnabled(bool enabled)
{
    if (enabled == m_Enabled)
        return;
    m_Enabled = enabled;
    emit enabledChanged();
}

void Action::setApplicable(bool applicable)
{
    if (applicable == m_Applicable)
        return;
    m_Applicable = applicable;
    emit enabledChanged();
}

bool Action::isCommunicationAction(Id id)
{
    switch (id) {
    case AnswerCall:
    case AnswerCallFromPhone:
    case Chat:
    case Call:
    case CallFromPhone:
    case VideoCall:
    case ShareDesktop:
    case JoinRoom:
    case JoinHangout:
    case Conference:
    case Transfer:
    case BargeIn:
        return true;
    default:
        return false;
    }
}

void Action::activate()
{
    if (!isEnabled())
        return;
    if (m_ConfirmationRequired) {
        emit confirmationRequired();
        return;
    }
    trigger();
}

void Action::trigger()
{
    if (isEnabled())
        emit triggered();
}

void Action::reject()
{
    emit rejected();
}

} // namespace Actions
} // namespace Kivo
