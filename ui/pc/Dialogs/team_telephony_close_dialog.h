#pragma once

#include "Widgets/window.h"

#include <memory>

namespace Ui {
class ConfirmTeamTelephonyWindowClose;
}

namespace Dialogs {

// Warns before the Team Telephony window goes: a closed window no longer shows the line
// states of the team. "Yes" keeps the "always ask" choice and confirms with accepted();
// "No" or closing the dialog otherwise changes nothing.
class TeamTelephonyCloseDialog : public Widgets::Window
{
    Q_OBJECT

public:
    TeamTelephonyCloseDialog(bool alwaysOnTop, QWidget* parent);
    ~TeamTelephonyCloseDialog() override;

signals:
    void accepted();

public slots:
    void dialogAccepted();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    std::unique_ptr<Ui::ConfirmTeamTelephonyWindowClose> m_Form;
};

} // namespace Dialogs
