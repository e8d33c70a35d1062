#include "Utils/timeline_ui_helper.h"

#include "Dialogs/message_window.h"

namespace Utils {

TimelineUiHelper::TimelineUiHelper(QObject* parent)
    : QObject(parent)
{
}

void TimelineUiHelper::showDeleteMessagesFailed(bool alwaysOnTop)
{
    showFailure(m_DeleteFailed,
                tr("Unable to delete selected message(s). Please try again later or contact your administrator."),
                alwaysOnTop);
}

void TimelineUiHelper::showSetMessagesStateFailed(bool alwaysOnTop)
{
    showFailure(m_StateFailed,
                tr("Unable to set selected state for message(s). Please try again later or contact your "
                   "administrator."),
                alwaysOnTop);
}

void TimelineUiHelper::showFailure(QPointer<Dialogs::MessageWindow>& window, const QString& text, bool alwaysOnTop)
{
    if (window) {
        // A message still waiting for its delay will show by itself.
        if (window->isVisible())
            window->showAndActivate();
        return;
    }
    window = Dialogs::MessageWindow::showInformation(tr("Action failed"), text, alwaysOnTop, DelayMs);
}

} // namespace Utils
