#pragma once

#include "Widgets/input_widget.h"

namespace Widgets {

// Names a new contact group (given a null name) or renames one.
class GroupNameInput : public InputWidget
{
    Q_OBJECT

public:
    static constexpr int MaxNameLength = 256;

    GroupNameInput(const QString& groupName, bool alwaysOnTop, QWidget* parent = nullptr);

    bool isAddMode() const { return m_AddMode; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void translateTexts();

    bool m_AddMode;
};

} // namespace Widgets
