#pragma once

#include <Kivo/Utils/Credentials/CredentialsData.h>
#include <Kivo/Utils/Credentials/Type.h>

#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class credentialWidget;
}

namespace Preferences {
namespace Widgets {

// The editor of one credential: title, user name, password, Save and Remove account. It
// only shows values and reports the user's requests; the credentials page talks to the
// engine. The directory and web-collaboration credentials are editable; the others show
// their user name read-only and no password.
class CredentialWidget : public QWidget
{
    Q_OBJECT

public:
    CredentialWidget(Kivo::Utils::Credentials::Type type, QWidget* parent);
    ~CredentialWidget() override;

    Kivo::Utils::Credentials::Type credentialsType() const { return m_Type; }

    void setUsername(const QString& username);
    void setPassword(const QString& password);
    void setButtonsHidden(bool hidden);
    // The last control of the editor in the focus chain.
    QWidget* lastFocusWidget() const;

signals:
    // A field now differs from the value last given to the editor.
    void changed();
    void saveCredentials(Kivo::Utils::Credentials::CredentialsData data);
    void removeAccount();

protected slots:
    void usernameEdited(QString text);
    void passwordEdited(QString text);
    void removeAccountWarning();
    void removeAccountWarningAccepted(bool neverAskAgain);
    void onClickedsaveCredentials();

protected:
    void changeEvent(QEvent* event) override;

private:
    bool isEditable() const;
    bool hasEmptyField() const;
    void updateTitle();
    void updateSaveButton();

    Kivo::Utils::Credentials::Type m_Type;
    std::unique_ptr<Ui::credentialWidget> m_Form;
    QString m_StoredUsername;
    QString m_StoredPassword;
    QString m_InfoTitle;
    QString m_InfoText;
};

} // namespace Widgets
} // namespace Preferences
