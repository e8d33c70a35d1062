#pragma once

#include "libqml/window/qml_window.h"

#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Utils/Validator.h>

#include <QMap>
#include <QPointer>
#include <QString>
#include <QStringList>

class QAction;
class QMenu;
class QStringListModel;

namespace Kivo {
class ConfigContainer;
namespace Configuration {
class Config;
}
namespace Utils {
namespace Credentials {
class CredentialsManager;
}
} // namespace Utils
} // namespace Kivo

namespace Utils {
class TextFieldActionsHandler;
}

namespace QML {

// The sign-in window. It collects the credentials and hands them on with `signin`; the
// application signs in, and the window follows the session's progress until it is closed.
class LoginWindow : public Window
{
    Q_OBJECT
    Q_PROPERTY(QString username READ username WRITE setUsername NOTIFY usernameChanged)
    Q_PROPERTY(QString password READ password WRITE setPassword NOTIFY passwordChanged)
    Q_PROPERTY(bool autologinChecked READ autologinChecked WRITE setAutologinChecked NOTIFY autologinChanged)
    Q_PROPERTY(bool rememberPasswordChecked READ rememberPasswordChecked WRITE setRememberPasswordChecked
                   NOTIFY rememberPasswordChanged)
    Q_PROPERTY(QString configName READ configName WRITE setConfigName NOTIFY configNameChanged)
    Q_PROPERTY(int configIdx READ configIdx WRITE setConfigIdx NOTIFY configIdxChanged)
    Q_PROPERTY(bool showVyxField READ showVyxField WRITE setShowVyxField NOTIFY showVyxFieldChanged)
    Q_PROPERTY(QString vyxAddress READ vyxAddress WRITE setVyxAddress NOTIFY vyxAddressChanged)
    Q_PROPERTY(QString versionInfo READ versionInfo CONSTANT)
    Q_PROPERTY(bool showHelpLink READ showHelpLink NOTIFY showHelpLinkChanged)
    Q_PROPERTY(bool showPreferencesLink READ showPreferencesLink NOTIFY showPreferencesLinkChanged)
    Q_PROPERTY(bool showPwHelpLink READ showPwHelpLink NOTIFY showPwHelpLinkChanged)
    Q_PROPERTY(int loginState READ loginState NOTIFY loginStateChanged)
    // False where no secret store answers: the password cannot be remembered then, and the
    // reason is what the two boxes say.
    Q_PROPERTY(bool passwordsCanBeKept READ passwordsCanBeKept CONSTANT)
    Q_PROPERTY(QString passwordsNotKeptReason READ passwordsNotKeptReason NOTIFY languageChanged)

public:
    enum LoginState
    {
        None = 0,
        DetectingProxy = 1,
        SigningIn = 2,
        SignedIn = 3,
        SigningOut = 4
    };
    Q_ENUM(LoginState)

    static constexpr int FixedWidth = 285;
    static constexpr int FixedHeight = 425;

    explicit LoginWindow(Kivo::ConfigContainer* configContainer = nullptr,
                         Kivo::Utils::Credentials::CredentialsManager* credentialsManager = nullptr,
                         QWidget* parent = nullptr);

    bool activate();
    void showLogin(bool tryAutoLogin, bool noRaise);
    void setPreferencesAction(QAction* action);

    QString username() const { return m_Username; }
    QString password() const { return m_Password; }
    bool autologinChecked() const { return m_AutologinChecked; }
    bool rememberPasswordChecked() const { return m_RememberPasswordChecked; }
    QString configName() const { return m_ConfigName; }
    int configIdx() const { return m_ConfigIdx; }
    bool showVyxField() const { return m_ShowVyxField; }
    QString vyxAddress() const { return m_VyxAddress; }
    QString versionInfo() const;
    bool showHelpLink() const;
    bool showPreferencesLink() const;
    bool showPwHelpLink() const;
    int loginState() const { return m_LoginState; }
    // False until a sign-in starts, and again once the window is shown for input.
    bool isIdle() const { return m_Idle; }
    // Follows the configuration chosen for sign-in.
    const Kivo::Utils::Validator& validator() const { return m_Validator; }

    void setUsername(const QString& username);
    void setPassword(const QString& password);
    void setAutologinChecked(bool checked);
    void setRememberPasswordChecked(bool checked);
    bool passwordsCanBeKept() const { return m_PasswordsCanBeKept; }
    QString passwordsNotKeptReason() const;
    void setConfigName(const QString& name);
    void setConfigIdx(int index);
    void setShowVyxField(bool show);
    void setVyxAddress(const QString& address);

    Q_INVOKABLE int configsNum() const;
    Q_INVOKABLE void triggerPreferencesAction();

    QString helpContext() const override;
    bool canClose() override;
    QSize minimumWindowSize() const override;
    QSize maximumWindowSize() const override;

signals:
    void signin(const QString& username, const QString& password, const Kivo::Configuration::Config* config,
                QString dmUrl = QString());
    void signoutClicked();
    void windowClosed();
    void showSignin();
    void showSigningin();
    void showSigningout();
    void configsModelChanged();
    void setCredentialsConfig(const Kivo::Configuration::Config* config);
    void usernameChanged();
    void passwordChanged();
    void autologinChanged();
    void rememberPasswordChanged();
    void configNameChanged();
    void configIdxChanged();
    void showVyxFieldChanged();
    void vyxAddressChanged();
    void vyxAddressChangedExternally();
    void showHelpLinkChanged();
    void showPreferencesLinkChanged();
    void showPwHelpLinkChanged();
    void loginStateChanged();
    void showHelpClicked();

public slots:
    void sessionStateChange(Kivo::Sessions::SessionManagerBase* manager,
                            Kivo::Sessions::SessionManagerBase::State state);
    void onSigninClicked();
    void onShowHelpClicked();
    void onShowPwHelpClicked();
    void cbSessionOpened();
    void cbSessionClosed();
    void cbActionSignout();
    void cbActionQuit(bool clearSavedPassword);
    void cbActionQuit();
    void preferencesChanged();
    // Called by the scene through "rootWindow".
    void openTextFieldMenu(bool isPassword);

protected slots:
    // A configuration document from device management replaces the current configuration first.
    void proceedSignin(const QString& configText);
    void proceedSignin();
    void openLoginWindowMenu();

private:
    static LoginState loginStateOf(Kivo::Sessions::SessionManagerBase::State state);

    void updateData(bool resetConfigIndex);
    void updateUsernamesList();
    void chooseConfiguration(bool resetConfigIndex);
    void applyConfigurationDocument(const QString& configText);
    // Every remembered user name; refreshes the user-to-address map on the way.
    QStringList rememberedUsernames();
    // The remembered names that suit the typed login URL.
    QStringList filteredUsernames();
    QString storedPassword(const QString& name) const;
    void setUsernames(const QStringList& names);
    void setLoginState(LoginState state);

    QString m_Username;
    QString m_Password;
    bool m_AutologinChecked = false;
    bool m_RememberPasswordChecked = false;
    bool m_PasswordsCanBeKept = true;
    QString m_ConfigName;
    int m_ConfigIdx = -1;
    bool m_ShowVyxField = false;
    bool m_Quitting = false;
    QString m_VyxAddress;
    QString m_RememberedAddress;
    QString m_RememberedUsername;
    QString m_RememberedPassword;
    QStringListModel* m_UsernamesModel;
    bool m_RefillingUsernames = false;
    QStringListModel* m_ConfigsModel;
    QMap<QString, QString> m_UserDmUrls;
    QPointer<Kivo::Utils::Credentials::CredentialsManager> m_CredentialsManager;
    QPointer<Kivo::ConfigContainer> m_ConfigContainer;
    Kivo::Utils::Validator m_Validator;
    QPointer<QAction> m_PreferencesAction;
    bool m_Idle = true;
    QPointer<QMenu> m_Menu;
    ::Utils::TextFieldActionsHandler* m_TextFieldActionsHandler;
    LoginState m_LoginState = None;
};

} // namespace QML
