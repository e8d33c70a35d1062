#pragma once

#include "Widgets/popup_window.h"

#include <memory>

class QDialog;

namespace Ui {
class credentialsDialog;
}

namespace Dialogs {

// Asks for a user name and a password on the engine's behalf. Whatever closes it, it
// answers exactly once: the fields after "OK", two empty texts otherwise, so the engine
// never waits for an answer that does not come.
class SimpleCredentialsDialog : public PopupWindow
{
    Q_OBJECT

public:
    SimpleCredentialsDialog(const QString& title, const QString& message, const QString& userName,
                            const QString& password, bool alwaysOnTop);
    ~SimpleCredentialsDialog() override;

    bool canClose() override;

signals:
    void credentialsProvided(const QString& username, const QString& password);

public slots:
    void onClicked();

private:
    std::unique_ptr<Ui::credentialsDialog> m_Form;
    QDialog* m_Dialog;
    bool m_Answered = false;
};

} // namespace Dialogs
