#include "Dialogs/password_change_notification.h"

#include <Kivo/Utils/Credentials/CredentialsManager.h>

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace Dialogs {

PasswordChangeNotification::PasswordChangeNotification(const Kivo::Utils::Credentials::UserCredentials& credentials,
                                                       QWidget* parent)
    : QDialog(parent)
    , m_Credentials(credentials)
    , m_Text(new QLabel(this))
    , m_PasswordBox(new QWidget(this))
    , m_OldPassword(new QLineEdit(m_PasswordBox))
    , m_Password(new QLineEdit(m_PasswordBox))
    , m_Result(new QLabel(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Password Expiration"));
    m_Text->setWordWrap(true);
    m_OldPassword->setEchoMode(QLineEdit::Password);
    m_Password->setEchoMode(QLineEdit::Password);
    auto* form = new QFormLayout(m_PasswordBox);
    form->addRow(tr("Current password"), m_OldPassword);
    form->addRow(tr("New password"), m_Password);
    m_PasswordBox->hide();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* change = buttons->addButton(tr("Change Password"), QDialogButtonBox::ActionRole);
    connect(change, &QPushButton::clicked, this, &PasswordChangeNotification::onChangeClicked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_Text);
    layout->addWidget(m_PasswordBox);
    layout->addWidget(m_Result);
    layout->addWidget(buttons);
}

void PasswordChangeNotification::showPasswordExpiring(const QString& text)
{
    m_Text->setText(text);
    show();
}

void PasswordChangeNotification::showPasswordExpired(const QString& text)
{
    m_Text->setText(text);
    m_PasswordBox->show();
    show();
}

QString PasswordChangeNotification::text() const
{
    return m_Text->text();
}

bool PasswordChangeNotification::isAskingForPassword() const
{
    return !m_PasswordBox->isHidden();
}

void PasswordChangeNotification::onChangeClicked()
{
    if (m_PasswordBox->isHidden()) {
        m_PasswordBox->show();
        return;
    }
    m_NewPassword = m_Password->text();
    emit sendCredentials(m_OldPassword->text(), m_NewPassword);
}

void PasswordChangeNotification::passwordChangeResult(bool success, const Kivo::Vyx::VyxErrorInfo& info)
{
    if (!success) {
        m_Result->setText(info.message);
        return;
    }
    const int type = Kivo::Utils::Credentials::CredentialsManager::Basic;
    Kivo::Utils::Credentials::CredentialsData data = m_Credentials.getData(type);
    data.setPassword(m_NewPassword);
    m_Credentials.setData(type, data);
    emit saveCredentials(m_Credentials);
    m_Result->setText(tr("Your password has been changed."));
    m_PasswordBox->hide();
}

} // namespace Dialogs
