#include "Widgets/Preferences/credential_widget.h"

#include "ui_credential_widget.h"

#include "Dialogs/message_window.h"
#include "Utils/string_helper.h"
#include "common/connect_check.h"
#include "common/constants.h"

#include <Kivo/Settings.h>

#include <QEvent>

namespace Preferences {
namespace Widgets {

namespace Credentials = Kivo::Utils::Credentials;

CredentialWidget::CredentialWidget(Credentials::Type type, QWidget* parent)
    : QWidget(parent)
    , m_Type(type)
    , m_Form(std::make_unique<Ui::credentialWidget>())
    , m_InfoTitle(tr("Information"))
    , m_InfoText(tr("To be able to enter new credentials, you'll have to logout and login anew."))
{
    m_Form->setupUi(this);
    updateTitle();

    m_Form->password->setEchoMode(QLineEdit::Password);
    m_Form->buttonSavePassword->setEnabled(false);

    // textEdited: only the user's typing counts, not the values the page sets.
    CHECKED_CONNECT(m_Form->username, SIGNAL(textEdited(QString)), this, SLOT(usernameEdited(QString)));
    CHECKED_CONNECT(m_Form->password, SIGNAL(textEdited(QString)), this, SLOT(passwordEdited(QString)));
    CHECKED_CONNECT(m_Form->buttonSavePassword, SIGNAL(clicked()), this, SLOT(onClickedsaveCredentials()));
    CHECKED_CONNECT(m_Form->buttonRemoveAccount, SIGNAL(clicked()), this, SLOT(removeAccountWarning()));

    if (!isEditable()) {
        m_Form->password->hide();
        m_Form->username->setReadOnly(true);
    }
}

CredentialWidget::~CredentialWidget() = default;

void CredentialWidget::setUsername(const QString& username)
{
    m_StoredUsername = username;
    m_Form->username->setText(username);
    m_Form->buttonRemoveAccount->setEnabled(!username.isEmpty());
}

void CredentialWidget::setPassword(const QString& password)
{
    m_StoredPassword = password;
    m_Form->password->setText(password);
}

void CredentialWidget::setButtonsHidden(bool hidden)
{
    if (!isEditable())
        m_Form->buttonSavePassword->setVisible(!hidden);
    m_Form->buttonRemoveAccount->setVisible(!hidden);
}

QWidget* CredentialWidget::lastFocusWidget() const
{
    if (!m_Form->buttonSavePassword->isHidden())
        return m_Form->buttonSavePassword;
    if (!m_Form->password->isHidden())
        return m_Form->password;
    return m_Form->username;
}

void CredentialWidget::usernameEdited(QString text)
{
    updateSaveButton();
    if (text != m_StoredUsername)
        emit changed();
}

void CredentialWidget::passwordEdited(QString text)
{
    updateSaveButton();
    if (text != m_StoredPassword)
        emit changed();
}

void CredentialWidget::removeAccountWarning()
{
    const bool warn =
        Kivo::Settings(Kivo::Settings::UserSettings).value(Constants::SettingsKey::SecurityShowResetWarning, true).toBool();
    if (!warn) {
        emit removeAccount();
        return;
    }
    Dialogs::MessageWindow* window = Dialogs::MessageWindow::showInformation(
        m_InfoTitle, m_InfoText, false, 0, QDialogButtonBox::Ok | QDialogButtonBox::Cancel, true, nullptr);
    CHECKED_CONNECT(window, SIGNAL(messageAccepted(bool)), this, SLOT(removeAccountWarningAccepted(bool)));
}

void CredentialWidget::removeAccountWarningAccepted(bool neverAskAgain)
{
    Kivo::Settings(Kivo::Settings::UserSettings).setValue(Constants::SettingsKey::SecurityShowResetWarning, !neverAskAgain);
    emit removeAccount();
}

void CredentialWidget::onClickedsaveCredentials()
{
    Credentials::CredentialsData data;
    data.setDisplayname(m_Form->username->text());
    data.setPassword(m_Form->password->text());
    m_Form->buttonSavePassword->setEnabled(false);
    emit saveCredentials(data);
}

void CredentialWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_Form->retranslateUi(this);
        updateTitle();
    }
    QWidget::changeEvent(event);
}

bool CredentialWidget::isEditable() const
{
    return m_Type == Credentials::Directory || m_Type == Credentials::WebCollaboration;
}

bool CredentialWidget::hasEmptyField() const
{
    return m_Form->username->text().isEmpty() || m_Form->password->text().isEmpty();
}

void CredentialWidget::updateTitle()
{
    // The group box around a directory or web-collaboration editor names it already.
    if (isEditable()) {
        m_Form->title->hide();
        return;
    }
    m_Form->title->setText(Utils::StringHelper::credentialsTypeName(m_Type));
}

void CredentialWidget::updateSaveButton()
{
    bool enabled = !hasEmptyField();
    // Two empty fields clear the web-collaboration credential.
    if (m_Type == Credentials::WebCollaboration)
        enabled = m_Form->username->text().isEmpty() == m_Form->password->text().isEmpty();
    m_Form->buttonSavePassword->setEnabled(enabled);
}

} // namespace Widgets
} // namespace Preferences
