#pragma once

#include "Widgets/popup_window.h"

#include <Kivo/Utils/Credentials/UserCredentials.h>
#include <Kivo/Vyx/VyxErrorInfo.h>

#include <memory>

namespace Ui {
class passwordChange;
}

namespace Dialogs {

// Tells the user that the service password expires or has expired and walks through
// changing it: notice, password entry, request sent, result.
class PasswordChangeNotification : public PopupWindow
{
    Q_OBJECT

public:
    enum State
    {
        Notice = 0,
        PasswordEntry = 1,
        RequestSent = 2,
        ResultShown = 3
    };

    PasswordChangeNotification(const Kivo::Utils::Credentials::UserCredentials& credentials, int credentialsType,
                               bool alwaysOnTop);
    ~PasswordChangeNotification() override;

    void showPasswordExpiring(const QString& text);
    // Asks for the new password at once.
    void showPasswordExpired(const QString& text);
    void setState(int state);

    int state() const { return m_State; }
    QString text() const;

signals:
    void saveCredentials(const Kivo::Utils::Credentials::UserCredentials& credentials);
    void sendCredentials(const QString& oldPassword, const QString& newPassword);

public slots:
    void passwordChangeResult(bool success, const Kivo::Vyx::VyxErrorInfo& error);

protected slots:
    void okClicked();

private:
    std::unique_ptr<Ui::passwordChange> m_Form;
    QWidget* m_Content;
    Kivo::Utils::Credentials::UserCredentials m_Credentials;
    int m_CredentialsType;
    int m_State = Notice;
};

} // namespace Dialogs
