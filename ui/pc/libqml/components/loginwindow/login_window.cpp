#include "libqml/components/loginwindow/login_window.h"

#include "common/assertions.h"
#include "common/connect_check.h"
#include "common/constants.h"
#include "common/logging.h"
#include "libqml/components/about/build_info.h"
#include "libqml/window/qml_view.h"
#include "Utils/text_field_actions_handler.h"

#include <Kivo/ConfigContainer.h>
#include <Kivo/Configuration/Config.h>
#include <Kivo/Settings.h>
#include <Kivo/Utils/Credentials/CredentialsManager.h>

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QMenu>
#include <QQmlContext>
#include <QQuickItem>
#include <QStringListModel>
#include <QTemporaryFile>
#include <QUrl>
#include <QUrlQuery>

#include <algorithm>

namespace QML {

namespace {

namespace Key = Constants::SettingsKey;
using Kivo::Settings;
using Kivo::Utils::Credentials::CredentialsData;
using Kivo::Utils::Credentials::CredentialsManager;
using Kivo::Utils::Credentials::UserCredentials;

constexpr const char* Scene = "qrc:/windows/LoginWindow/LoginWindow.qml";

QVariant setting(Settings::SettingsType type, const char* key, const QVariant& fallback = QVariant())
{
    return Settings(type).value(QLatin1String(key), fallback);
}

void writeSetting(Settings::SettingsType type, const char* key, const QVariant& value)
{
    Settings(type).setValue(QLatin1String(key), value);
}

// The branding's fixed device-management address: Base64, optionally in double quotes.
QString brandingAddress()
{
    QByteArray encoded = setting(Settings::DefaultSettings, Key::DeviceManagementUrl).toByteArray().trimmed();
    if (encoded.startsWith('"')) {
        encoded.remove(0, 1);
        if (encoded.endsWith('"'))
            encoded.chop(1);
    }
    if (encoded.isEmpty())
        return QString();
    const auto decoded = QByteArray::fromBase64Encoding(encoded, QByteArray::AbortOnBase64DecodingErrors);
    if (decoded.decodingStatus != QByteArray::Base64DecodingStatus::Ok) {
        LOG_ERROR << "Setting " << Key::DeviceManagementUrl << " is not Base64 (" << encoded.size()
                  << " bytes); the login URL field is offered instead";
        return QString();
    }
    return QString::fromUtf8(*decoded).trimmed();
}

} // namespace

LoginWindow::LoginWindow(Kivo::ConfigContainer* configContainer,
                         Kivo::Utils::Credentials::CredentialsManager* credentialsManager, QWidget* parent)
    : Window(false, parent)
    , m_UsernamesModel(nullptr)
    , m_ConfigsModel(nullptr)
    , m_CredentialsManager(credentialsManager)
    , m_ConfigContainer(configContainer)
    , m_TextFieldActionsHandler(nullptr)
{
    setSuppressSystemMenu(true);
    setResizable(false);
    m_UsernamesModel = new QStringListModel(this);
    m_ConfigsModel = new QStringListModel(this);
    setTitle(QCoreApplication::applicationName());
    CHECKED_CONNECT(this, SIGNAL(windowFrameIconClicked()), this, SLOT(openLoginWindowMenu()));
    if (m_CredentialsManager) {
        CHECKED_CONNECT(this, SIGNAL(setCredentialsConfig(const Kivo::Configuration::Config*)), m_CredentialsManager,
                        SLOT(setConfiguration(const Kivo::Configuration::Config*)));
    }
    m_TextFieldActionsHandler = new ::Utils::TextFieldActionsHandler(this);
    // Asked before anything ticks the boxes: without a store they never pretend to remember.
    m_PasswordsCanBeKept = !m_CredentialsManager || m_CredentialsManager->secretStoreAvailable();
}

bool LoginWindow::activate()
{
    LOG_INFO << "Loading QML";
    QQmlContext* context = view()->rootContext();
    context->setContextProperty(QStringLiteral("rootItem"), this);
    context->setContextProperty(QStringLiteral("usernamesFilterModel"), m_UsernamesModel);
    context->setContextProperty(QStringLiteral("configsFilterModel"), m_ConfigsModel);
    context->setContextProperty(QLatin1String(Constants::ContextProperty::TextFieldActionsHandler),
                                m_TextFieldActionsHandler);
    if (!loadQML(QLatin1String(Scene)))
        return false;

    LOG_INFO << "Connecting QML signals";
    QQuickItem* root = view()->rootObject();
    CHECKED_CONNECT(root, SIGNAL(signinClicked()), this, SLOT(onSigninClicked()));
    CHECKED_CONNECT(root, SIGNAL(cancelSigninClicked()), this, SIGNAL(signoutClicked()));
    CHECKED_CONNECT(root, SIGNAL(showHelpClicked()), this, SLOT(onShowHelpClicked()));
    CHECKED_CONNECT(root, SIGNAL(showPwHelpClicked()), this, SLOT(onShowPwHelpClicked()));

    updateUsernamesList();
    updateData(false);
    setResizable(false);
    setMinMaxSizes();
    return true;
}

void LoginWindow::showLogin(bool tryAutoLogin, bool noRaise)
{
    m_Idle = true;
    updateUsernamesList();
    showNormal();
    if (!noRaise)
        raise();
    if (m_CredentialsManager && Settings::getLoginUsername(m_CredentialsManager, false) == m_Username
        && setting(Settings::ApplicationSettings, Key::LoginSavePassword).toBool()) {
        setPassword(storedPassword(m_Username));
    }
    if (tryAutoLogin && m_AutologinChecked && !m_Password.isEmpty())
        onSigninClicked();
}

void LoginWindow::setPreferencesAction(QAction* action)
{
    m_PreferencesAction = action;
    emit showPreferencesLinkChanged();
}

QString LoginWindow::versionInfo() const
{
    return tr("Version: %1").arg(BuildInfo::version());
}

bool LoginWindow::showHelpLink() const
{
    return !setting(Settings::DefaultSettings, Key::DefaultsHelpFile, QString()).toString().isEmpty();
}

bool LoginWindow::showPreferencesLink() const
{
    return !m_PreferencesAction.isNull();
}

bool LoginWindow::showPwHelpLink() const
{
    const QString link = setting(Settings::DefaultSettings, Key::DefaultsForgotPasswordUrl).toString().trimmed();
    LOG_DEBUG << "Pwd help link: " << link;
    return !link.isEmpty();
}

void LoginWindow::setUsername(const QString& username)
{
    // Compared trimmed: a stray blank typed after the name is no new user and keeps the password.
    const QString trimmed = username.trimmed();
    if (m_RefillingUsernames || trimmed == m_Username)
        return;
    m_Username = trimmed;
    setPassword(QString());
    emit usernameChanged();
}

void LoginWindow::setPassword(const QString& password)
{
    if (password == m_Password)
        return;
    m_Password = password;
    emit passwordChanged();
}

QString LoginWindow::passwordsNotKeptReason() const
{
    return m_PasswordsCanBeKept ? QString()
                                : tr("No password store (Secret Service or KWallet) answers on this desktop, "
                                     "so the password cannot be remembered.");
}

void LoginWindow::setAutologinChecked(bool checked)
{
    checked = checked && m_PasswordsCanBeKept;
    if (checked == m_AutologinChecked)
        return;
    m_AutologinChecked = checked;
    emit autologinChanged();
}

void LoginWindow::setRememberPasswordChecked(bool checked)
{
    checked = checked && m_PasswordsCanBeKept;
    if (checked == m_RememberPasswordChecked)
        return;
    m_RememberPasswordChecked = checked;
    emit rememberPasswordChanged();
}

void LoginWindow::setConfigName(const QString& name)
{
    if (name.isEmpty() || name == m_ConfigName)
        return;
    m_ConfigName = name;
    if (m_ConfigContainer) {
        if (!m_ConfigContainer->setCurrentConfig(name))
            LOG_WARNING << "Configuration " << name << " is not available";
        m_Validator.setNewConfig(m_ConfigContainer->currentConfig());
        emit setCredentialsConfig(m_ConfigContainer->currentConfig());
    }
    emit configNameChanged();
    emit showHelpLinkChanged();
    emit showPwHelpLinkChanged();
}

void LoginWindow::setConfigIdx(int index)
{
    if (index == m_ConfigIdx)
        return;
    m_ConfigIdx = index;
    emit configIdxChanged();
    emit showHelpLinkChanged();
    emit showPwHelpLinkChanged();
}

void LoginWindow::setShowVyxField(bool show)
{
    if (show == m_ShowVyxField)
        return;
    m_ShowVyxField = show;
    emit showVyxFieldChanged();
}

void LoginWindow::setVyxAddress(const QString& address)
{
    // Compared trimmed: a blank typed after the same address must not reset the credentials.
    const QString trimmed = address.trimmed();
    if (trimmed == m_VyxAddress)
        return;
    m_VyxAddress = trimmed;
    setUsernames(filteredUsernames());
    if (m_VyxAddress == m_RememberedAddress) {
        setUsername(m_RememberedUsername);
        setPassword(m_RememberedPassword);
    } else if (!m_RememberedAddress.isEmpty()) {
        setUsername(QString());
        setPassword(QString());
    }
    emit vyxAddressChanged();
}

int LoginWindow::configsNum() const
{
    return m_ConfigsModel ? m_ConfigsModel->rowCount() : -1;
}

void LoginWindow::triggerPreferencesAction()
{
    if (m_PreferencesAction)
        m_PreferencesAction->activate(QAction::Trigger);
}

QString LoginWindow::helpContext() const
{
    return QStringLiteral("loginWindow");
}

bool LoginWindow::canClose()
{
    emit windowClosed();
    return true;
}

QSize LoginWindow::minimumWindowSize() const
{
    return QSize(FixedWidth, FixedHeight);
}

QSize LoginWindow::maximumWindowSize() const
{
    return minimumWindowSize();
}

void LoginWindow::sessionStateChange(Kivo::Sessions::SessionManagerBase*, Kivo::Sessions::SessionManagerBase::State state)
{
    setLoginState(loginStateOf(state));
}

LoginWindow::LoginState LoginWindow::loginStateOf(Kivo::Sessions::SessionManagerBase::State state)
{
    switch (static_cast<int>(state)) {
    case 1:
    case 2:
        return DetectingProxy;
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
    case 10:
    case 11:
    case 12:
        return SigningIn;
    case 13:
        return SignedIn;
    case 14:
        return SigningOut;
    default:
        return None;
    }
}

void LoginWindow::setLoginState(LoginState state)
{
    if (state == m_LoginState)
        return;
    m_LoginState = state;
    emit loginStateChanged();
}

void LoginWindow::onSigninClicked()
{
    TRACE_SCOPE;
    writeSetting(Settings::ApplicationSettings, Key::LoginAutologin, m_AutologinChecked);
    writeSetting(Settings::ApplicationSettings, Key::LoginSavePassword, m_RememberPasswordChecked);
    if (!m_VyxAddress.isEmpty())
        writeSetting(Settings::ApplicationSettings, Key::DefaultsDmConfigFile, m_VyxAddress);
    proceedSignin(QString());
}

void LoginWindow::proceedSignin()
{
    proceedSignin(QString());
}

void LoginWindow::proceedSignin(const QString& configText)
{
    TRACE_SCOPE;
    if (!configText.isEmpty())
        applyConfigurationDocument(configText);
    if (!m_VyxAddress.isEmpty()) {
        m_RememberedAddress = m_VyxAddress;
        m_RememberedUsername = m_Username;
        m_RememberedPassword = m_Password;
    }
    const Kivo::Configuration::Config* config = m_ConfigContainer ? m_ConfigContainer->currentConfig() : nullptr;
    if (!config) {
        // Without a configuration the engine has nothing to sign in to; stay ready for input.
        LOG_ERROR << "Sign-in not started: no service configuration is available";
        emit showSignin();
        return;
    }
    m_Idle = false;
    if (m_Menu)
        m_Menu->close();
    emit showSigningin();
    emit signin(m_Username, m_Password, config, m_VyxAddress);
}

void LoginWindow::applyConfigurationDocument(const QString& configText)
{
    const Kivo::Configuration::Config* current = m_ConfigContainer ? m_ConfigContainer->currentConfig() : nullptr;
    const QString path = current ? current->getPath() : QString();
    if (path.isEmpty())
        return;
    QFile configFile(path);
    QTemporaryFile temporaryFile;
    if (!temporaryFile.open()) {
        LOG_ERROR << "new configuration received via OMA DM from OmaDmController, but ignored (length="
                  << configText.length() << "): " << temporaryFile.errorString();
        return;
    }
    temporaryFile.write(configText.toUtf8());
    temporaryFile.close();
    bool ok = false;
    Kivo::Configuration::Config::FileConfig(configFile, temporaryFile, false, &ok);
    if (ok) {
        LOG_INFO << "new configuration received via OMA DM from OmaDmController applied successfully (length="
                 << configText.length() << ")";
        m_ConfigContainer->reloadConfigFiles();
    } else {
        LOG_INFO << "new configuration received via OMA DM from OmaDmController, but ignored (length="
                 << configText.length() << ")";
    }
}

void LoginWindow::onShowHelpClicked()
{
    emit showHelpClicked();
}

void LoginWindow::onShowPwHelpClicked()
{
    QUrl url(setting(Settings::DefaultSettings, Key::DefaultsForgotPasswordUrl).toString().trimmed());
    if (url.isEmpty())
        return;
    const QString language = setting(Settings::ApplicationSettings, Key::LanguageActive).toString();
    if (!language.isEmpty()) {
        QUrlQuery query(url);
        query.addQueryItem(QStringLiteral("lang"), language);
        url.setQuery(query);
    }
    LOG_INFO << "Opening pw help link: " << url.toString();
    QDesktopServices::openUrl(url);
}

void LoginWindow::cbSessionOpened()
{
    writeSetting(Settings::ApplicationSettings, Key::LoginAutologin, m_AutologinChecked);
    writeSetting(Settings::ApplicationSettings, Key::LoginSavePassword, m_RememberPasswordChecked);
    if (!m_RememberPasswordChecked && m_CredentialsManager) {
        const int type = m_CredentialsManager->loginType();
        if (type == CredentialsManager::Basic || type == CredentialsManager::DeviceManagement) {
            UserCredentials credentials(m_Username);
            if (!m_CredentialsManager->getCredentials(type, m_Username, credentials))
                credentials.setData(type, CredentialsData(m_Username));
            CredentialsData data = credentials.getData(type);
            data.setPassword(QString());
            if (type == CredentialsManager::DeviceManagement)
                data.setDmUrl(m_VyxAddress);
            credentials.setData(type, data);
            m_CredentialsManager->updateCredentials(credentials);
        }
    }
    if (!m_VyxAddress.isEmpty())
        writeSetting(Settings::ApplicationSettings, Key::DefaultsDmConfigFile, m_VyxAddress);
    close();
}

void LoginWindow::cbSessionClosed()
{
    if (m_Quitting)
        return;
    emit showSignin();
    updateData(true);
    showLogin(false, true);
}

void LoginWindow::cbActionSignout()
{
    // Kept through the session, the scene still shows the sign-in under way: it shows the
    // sign-out instead until the session has closed.
    if (!m_Idle)
        emit showSigningout();
    updateUsernamesList();
    show();
}

void LoginWindow::cbActionQuit(bool clearSavedPassword)
{
    if (clearSavedPassword && m_Password.isEmpty())
        writeSetting(Settings::ApplicationSettings, Key::LoginSavePassword, false);
    m_Quitting = true;
    emit showSigningout();
    cbActionSignout();
}

void LoginWindow::cbActionQuit()
{
    cbActionQuit(false);
}

void LoginWindow::preferencesChanged()
{
    updateData(false);
}

void LoginWindow::updateData(bool resetConfigIndex)
{
    ASSERT_RETURN(m_CredentialsManager);
    rememberedUsernames();
    setUsername(Settings::getLoginUsername(m_CredentialsManager, false));
    const QString password = storedPassword(m_Username);
    setAutologinChecked(setting(Settings::ApplicationSettings, Key::LoginAutologin).toBool());
    const bool remember =
        !password.isEmpty() && setting(Settings::ApplicationSettings, Key::LoginSavePassword).toBool();
    setRememberPasswordChecked(remember);
    setPassword(remember ? password : QString());

    if (brandingAddress().isEmpty()) {
        const QString address =
            setting(Settings::ApplicationSettings, Key::DefaultsDmConfigFile, QString()).toString();
        setShowVyxField(true);
        m_RememberedAddress = address.trimmed();
        m_RememberedUsername = m_Username;
        m_RememberedPassword = m_Password;
        setVyxAddress(address);
        emit vyxAddressChangedExternally();
    } else {
        setShowVyxField(false);
    }
    chooseConfiguration(resetConfigIndex);
}

void LoginWindow::updateUsernamesList()
{
    ASSERT_RETURN(m_CredentialsManager);
    setUsernames(filteredUsernames());
    setUsername(Settings::getLoginUsername(m_CredentialsManager, false));
    setRememberPasswordChecked(setting(Settings::ApplicationSettings, Key::LoginSavePassword).toBool());
    if (m_RememberPasswordChecked && !m_Username.isEmpty())
        setPassword(storedPassword(m_Username));
}

void LoginWindow::chooseConfiguration(bool resetConfigIndex)
{
    const QStringList names = m_ConfigContainer ? m_ConfigContainer->configNames() : QStringList();
    if (resetConfigIndex || names.isEmpty())
        setConfigIdx(-1);
    if (names.size() < 2)
        return;
    const QString lastUsed = setting(Settings::ApplicationSettings, Key::LoginConfig).toString();
    for (int i = 0; i < names.size(); ++i) {
        if (!names.at(i).isEmpty() && names.at(i) == lastUsed) {
            setConfigIdx(i);
            m_ConfigContainer->setCurrentConfig(names.at(i));
            return;
        }
    }
    setConfigIdx(0);
    m_ConfigContainer->setCurrentConfig(names.first());
}

QStringList LoginWindow::rememberedUsernames()
{
    m_UserDmUrls.clear();
    QStringList names;
    if (!m_CredentialsManager)
        return names;
    const int type = m_CredentialsManager->loginType();
    const QList<UserCredentials> users = m_CredentialsManager->getUserCredentials(type);
    for (const UserCredentials& user : users) {
        const CredentialsData data = user.getData(type);
        const QString name = data.getDisplayname();
        names.append(name);
        if (!m_UserDmUrls.contains(name))
            m_UserDmUrls.insert(name, data.getDmUrl());
    }
    names.removeDuplicates();
    std::sort(names.begin(), names.end());
    return names;
}

QStringList LoginWindow::filteredUsernames()
{
    QStringList names = rememberedUsernames();
    names.erase(std::remove_if(names.begin(), names.end(),
                               [this](const QString& name) {
                                   const QString address = m_UserDmUrls.value(name);
                                   return !address.isEmpty() && address != m_VyxAddress;
                               }),
                names.end());
    return names;
}

QString LoginWindow::storedPassword(const QString& name) const
{
    if (!m_CredentialsManager || name.isEmpty())
        return QString();
    const int type = m_CredentialsManager->loginType();
    UserCredentials credentials;
    if (!m_CredentialsManager->getCredentials(type, m_CredentialsManager->toFullUri(name), credentials))
        return QString();
    const CredentialsData data = credentials.getData(type);
    if (!data.getDmUrl().isEmpty() && !m_VyxAddress.isEmpty() && data.getDmUrl() != m_VyxAddress)
        return QString();
    return data.getPassword();
}

void LoginWindow::setUsernames(const QStringList& names)
{
    if (names == m_UsernamesModel->stringList())
        return;
    // The user-name box loses its text when its list is replaced; that is no edit of the user's.
    m_RefillingUsernames = true;
    m_UsernamesModel->setStringList(names);
    m_RefillingUsernames = false;
    emit usernameChanged();
}

void LoginWindow::openLoginWindowMenu()
{
    if (m_Menu)
        m_Menu->hide();
    auto* menu = new QMenu;
    m_Menu = menu;
    menu->setWindowOpacity(0.9);
    if (m_Idle) {
        if (m_PreferencesAction)
            menu->addAction(m_PreferencesAction);
        menu->addSeparator();
    }
    QAction* closeAction = menu->addAction(tr("Close"));
    CHECKED_CONNECT(closeAction, SIGNAL(triggered()), this, SLOT(close()));
    openMenu(menu);
}

void LoginWindow::openTextFieldMenu(bool isPassword)
{
    auto* menu = new QMenu;
    if (m_TextFieldActionsHandler)
        menu->addActions(m_TextFieldActionsHandler->createMenu(menu, isPassword));
    openMenu(menu);
}

} // namespace QML
