#include "Utils/presence_rules_ui_helper.h"

#include <Kivo/Services/PresenceRulesHandler.h>
#include <Kivo/Services/PresenceRulesModel.h>

namespace Utils {

using Kivo::Services::PresenceRule;
using Kivo::Services::PresenceRulesHandler;

QString PresenceRulesUiHelper::getTextForPresnceRulesAction(int action) const
{
    switch (action) {
    case PresenceRule::NoRule:
        return tr("No rules");
    case PresenceRule::ForwardTo:
        return tr("Forward to");
    case PresenceRule::SilentAlert:
        return tr("Silent Alert Mode");
    default:
        return QString();
    }
}

bool PresenceRulesUiHelper::presnceRulesActionHasParam(int action) const
{
    return action == PresenceRule::ForwardTo;
}

QString PresenceRulesUiHelper::statusText(int transactionState) const
{
    switch (transactionState) {
    case PresenceRulesHandler::ErrorSaving:
        return tr("Unable to save set presence rules. Please try again later.");
    case PresenceRulesHandler::ErrorFetching:
        return tr("Unable to load presence rules. Please try again later.");
    default:
        return QString();
    }
}

} // namespace Utils
