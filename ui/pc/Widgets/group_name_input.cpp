#include "Widgets/group_name_input.h"

#include <QEvent>

namespace Widgets {

GroupNameInput::GroupNameInput(const QString& groupName, bool alwaysOnTop, QWidget* parent)
    : InputWidget(groupName, alwaysOnTop, parent), m_AddMode(groupName.isNull())
{
    setMaxLength(MaxNameLength);
    translateTexts();
}

void GroupNameInput::translateTexts()
{
    setWindowTitle(m_AddMode ? tr("Add Group") : tr("Edit Group"));
    setLabelText(m_AddMode ? tr("Enter a group name") : tr("Edit group name"));
}

void GroupNameInput::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        translateTexts();
    InputWidget::changeEvent(event);
}

} // namespace Widgets
