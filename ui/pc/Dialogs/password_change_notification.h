#pragma once

#include <Kivo/Utils/Credentials/UserCredentials.h>
#include <Kivo/Vyx/VyxErrorInfo.h>

#include <QDialog>

class QLabel;
class QLineEdit;

namespace Dialogs {

// Tells the user that the service password expires and takes a new one.
class PasswordChangeNotification : public QDialog
{
    Q_OBJECT

public:
    explicit PasswordChangeNotification(const Kivo::Utils::Credentials::UserCredentials& credentials,
                                        QWidget* parent = nullptr);

    void showPasswordExpiring(const QString& text);
    // Asks for the new password at once.
    void showPasswordExpired(const QString& text);

    QString text() const;
    bool isAskingForPassword() const;

public slots:
    void passwordChangeResult(bool success, const Kivo::Vyx::VyxErrorInfo& info);

signals:
    void saveCredentials(const Kivo::Utils::Credentials::UserCredentials& credentials);
    void sendCredentials(const QString& oldPassword, const QString& newPassword);

private slots:
    void onChangeClicked();

private:
    Kivo::Utils::Credentials::UserCredentials m_Credentials;
    QString m_NewPassword;
    QLabel* m_Text;
    QWidget* m_PasswordBox;
    QLineEdit* m_OldPassword;
    QLineEdit* m_Password;
    QLabel* m_Result;
};

} // namespace Dialogs
