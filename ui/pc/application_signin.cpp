// The application's sign-in request, sign-out start, the dialogs the engine asks for and
// the small services that windows call.
#include "application.h"

#include "Dialogs/message_window.h"
#include "Dialogs/password_change_notification.h"
#include "Dialogs/simple_credentials_dialog.h"
#include "Providers/menu_action_provider.h"
#include "Utils/external_service_verification.h"
#include "common/connect_check.h"
#include "common/constants.h"
#include "common/logging.h"
#include "libqml/components/loginwindow/login_window.h"
#include "libqml/window/qml_window.h"
#include "libqml/window/session_debug_window.h"
#include "tray.h"

#include <Kivo/ApiProvider/Controller.h>
#include <Kivo/Client.h>
#include <Kivo/Models/SubSessionModel.h>
#include <Kivo/Settings.h>
#include <Kivo/Utils/Credentials/CredentialsManager.h>
#include <Kivo/Vyx/VyxCredentialsControl.h>

#include <QAction>
#include <QDrag>
#include <QMimeData>

namespace {

namespace MenuAction = Constants::MenuAction;
using Kivo::Utils::Credentials::CredentialsData;
using Kivo::Utils::Credentials::UserCredentials;

enum ConfigItem
{
    VyxProfilePath = 377,
    EmergencyVerificationAtSignIn = 418,
    EmergencyVerificationOnRequest = 419,
    EmergencyVerificationUrl = 420,
    EmergencyVerificationEnabled = 421
};

constexpr int PreferencesPages = 6;
constexpr int EarliestExpiryDays = -10000;
constexpr int LatestExpiryDays = 3;
// The service's REST interface signs in with the credentials of this type.
constexpr int VyxCredentials = Kivo::Utils::Credentials::CredentialsManager::DeviceManagement;

} // namespace

QString Application::signinUserName(const QString& typed, bool* defaultDomain)
{
    if (defaultDomain)
        *defaultDomain = !typed.contains('@');
    if (!typed.contains('@'))
        return typed;
    const QStringList parts = typed.split('@');
    return parts.at(0) + '@' + parts.at(1);
}

void Application::signin(const QString& userName, const QString& password, const Kivo::Configuration::Config* config,
                         const QString& dmUrl)
{
    TRACE_SCOPE;
    Kivo::Utils::Credentials::CredentialsManager* manager = m_Client ? m_Client->getCredentialsManager() : nullptr;
    if (!manager) {
        LOG_ERROR << "No credentials manager to sign in with";
        return;
    }
    const int type = manager->loginType();
    bool defaultDomain = false;
    const QString fullName = manager->toFullUri(signinUserName(userName, &defaultDomain));
    LOG_INFO << "Signing in as " << fullName << (defaultDomain ? " in the default domain" : "");

    UserCredentials credentials;
    CredentialsData data;
    if (manager->getCredentials(type, fullName, credentials)) {
        data = credentials.getData(type);
    } else {
        credentials.setUsername(fullName);
        // The name the login window lists for this user from now on.
        data.setDisplayname(fullName);
    }
    data.setDefaultDomain(defaultDomain);
    data.setPassword(password);
    data.setDmUrl(dmUrl);
    credentials.setData(type, data);
    manager->updateCredentials(credentials);
    manager->getCredentials(type, fullName, credentials);

    manager->setConfiguration(config);
    manager->setSavePassword(m_LoginWindow && m_LoginWindow->rememberPasswordChecked());
    manager->setLastLoginUsername(userName);
    if (config)
        Kivo::Settings(Kivo::Settings::ApplicationSettings).setValue(Constants::SettingsKey::LoginConfig, config->getName());

    m_Client->signin(credentials, config, dmUrl, true);
}

void Application::startingLogout()
{
    if (m_Tray)
        m_Tray->clearMenus();
    // The login window waits hidden through a session; "existed" means the user was signed out.
    const bool loginWindowExisted = m_LoginWindow && !m_MainWindow;
    // The request may come from the main window's own scene, which must outlive its handler.
    if (QML::Window* mainWindow = m_MainWindow) {
        m_MainWindow = nullptr;
        mainWindow->hideAndDeleteLater();
    }
    if (!m_LoginWindow)
        m_LoginWindow = createLoginWindow();
    if (sender() && sender() == m_MenuActionProvider->action(MenuAction::Exit))
        m_LoginWindow->cbActionQuit(loginWindowExisted);
    else
        m_LoginWindow->cbActionSignout();
    if (m_ApiController) {
        LOG_INFO << "Uninitializing API provider controller";
        m_ApiController->Uninitialize();
    }
}

void Application::showForcedLogoutDialog()
{
    Dialogs::MessageWindow::information(
        tr("Forced Logout"),
        tr("You have been signed out due to signing in from another %1 client.").arg(QCoreApplication::applicationName()),
        isAlwaysOnTop());
}

void Application::showAuthorizationFailedDialog()
{
    Dialogs::MessageWindow::information(tr("Credentials Changed"),
                                        tr("Your credentials have been changed and the client was forced to sign "
                                           "out. Please add your new credentials and sign in again."),
                                        isAlwaysOnTop());
}

QString Application::passwordExpiryText(int days)
{
    if (days > 0)
        return tr("Vyx account password expires in %1 days. Please consider changing it.").arg(days);
    if (days == 0)
        return tr("Vyx account password expires today. Please consider changing it.");
    return tr("Vyx account password has expired. Please change it to enable Vyx functionality.");
}

void Application::vyxCredentialsDaysLeft(int days)
{
    if (!m_Session || days < EarliestExpiryDays || days > LatestExpiryDays)
        return;
    Kivo::Utils::Credentials::CredentialsManager* store = m_Session->credentialsStore();
    Kivo::Vyx::VyxCredentialsControl* control = m_Session->credentialsControl();
    if (!store || !control)
        return;
    const Kivo::Configuration::Config* config = m_Session->getConfig();
    if (!config || config->value(VyxProfilePath).toString().isEmpty()) {
        LOG_ERROR << "Vyx profile path not configured";
        return;
    }

    auto* notice = new Dialogs::PasswordChangeNotification(m_Client->getUserCredentials(), VyxCredentials, false);
    connect(notice, &Dialogs::PasswordChangeNotification::saveCredentials, store,
            [store](const UserCredentials& credentials) { store->updateCredentials(credentials); });
    CHECKED_CONNECT(notice, SIGNAL(sendCredentials(const QString&, const QString&)), control,
                    SLOT(changePassword(const QString&, const QString&)));
    CHECKED_CONNECT(control, SIGNAL(passwordChangeResult(bool, const Kivo::Vyx::VyxErrorInfo&)), notice,
                    SLOT(passwordChangeResult(bool, const Kivo::Vyx::VyxErrorInfo&)));
    if (days < 0)
        notice->showPasswordExpired(passwordExpiryText(days));
    else
        notice->showPasswordExpiring(passwordExpiryText(days));
}

void Application::onRequestProxyCredentials(bool answerNow, const QString& userName, const QString& password,
                                            bool https, QObject* receiver, const QString& method)
{
    // The method comes as a signature with its leading code character, e.g. "1answer(QString,QString)".
    const QByteArray signature = QMetaObject::normalizedSignature(method.mid(1).toLatin1().constData());
    if (!receiver || method.size() < 2 || receiver->metaObject()->indexOfMethod(signature.constData()) < 0) {
        LOG_ERROR << "Proxy credentials request without a receiver of " << method << "; ignored";
        return;
    }
    if (answerNow) {
        const QByteArray name = signature.left(signature.indexOf('('));
        QMetaObject::invokeMethod(receiver, name.constData(), Qt::QueuedConnection, Q_ARG(QString, QString()),
                                  Q_ARG(QString, QString()));
        return;
    }
    const QString protocol = https ? QStringLiteral("HTTPS") : QStringLiteral("HTTP");
    //: %1 is HTTP or HTTPS
    const QString caption = tr("%1 Connectivity").arg(protocol);
    //: %1 is HTTP or HTTPS
    const QString text = tr("Secured %1 proxy was detected during %1 connectivity test. Ask system administrator for "
                            "valid credentials in order to access the network. If credentials are not provided, some "
                            "of the application's features may be unavailable.")
                             .arg(protocol);
    auto* dialog = new Dialogs::SimpleCredentialsDialog(caption, text, userName, password, false);
    CHECKED_CONNECT(dialog, SIGNAL(credentialsProvided(const QString&, const QString&)), receiver,
                    method.toLatin1().constData());
    dialog->show();
}

void Application::onLicenceAccepted(bool accepted)
{
    if (!accepted) {
        // Refused: the program ends the way the user's "Exit" ends it.
        if (QAction* exit = m_MenuActionProvider->action(MenuAction::Exit))
            exit->trigger();
        return;
    }
    Kivo::Settings(Kivo::Settings::ApplicationSettings).setValue(Constants::SettingsKey::EulaAccepted, true);
    showLoginWindow(true);
}

void Application::openPreferences(int tab)
{
    QAction* preferences = m_MenuActionProvider->action(MenuAction::Preferences);
    if (!preferences)
        return;
    // Pages outside the window's range, negative ones included, open the first page.
    preferences->setProperty(Constants::ActionProperty::Tab, tab >= 0 && tab < PreferencesPages ? tab : 0);
    preferences->trigger();
}

void Application::showSessionDebugWindow()
{
    if (!m_Session) {
        LOG_ERROR << "Session not set!";
        return;
    }
    if (!m_SessionDebugWindow) {
        m_SessionDebugWindow = new QML::SessionDebugWindow();
        if (!m_SessionDebugWindow->loadQML("qrc:/windows/SessionDebugWindow/SessionDebugWindow.qml")) {
            LOG_ERROR << "m_SessionDebugWindow->loadQML(\"qrc:/windows/SessionDebugWindow/SessionDebugWindow.qml\") "
                         "failed. Returning from failed assertion";
            return;
        }
    }
    m_SessionDebugWindow->setModel(m_Session->subSessionModel());
    m_SessionDebugWindow->show();
}

void Application::startDrag(const QString& mimeType, const QByteArray& data, const QPixmap& pixmap)
{
    if (mimeType.isEmpty() || data.isEmpty())
        return;
    auto* drag = new QDrag(m_MainWindow ? static_cast<QObject*>(m_MainWindow.data()) : this);
    auto* mime = new QMimeData;
    mime->setData(mimeType, data);
    mime->setText(QString::fromUtf8(data));
    drag->setMimeData(mime);
    if (!pixmap.isNull())
        drag->setPixmap(pixmap);
    drag->exec(Qt::MoveAction);
}

void Application::initExternalServiceVerification()
{
    delete m_ExternalServiceVerification;
    m_ExternalServiceVerification = nullptr;
    if (!m_Session)
        return;
    const Kivo::Configuration::Config* config = m_Session->getConfig();
    if (!config)
        return;
    const bool atSignIn = config->value(EmergencyVerificationAtSignIn).toBool();
    const bool onRequest = config->value(EmergencyVerificationOnRequest).toBool();
    if (!(atSignIn || onRequest) || !config->value(EmergencyVerificationEnabled).toBool())
        return;

    // The signed-in user's own set: the store may not hold one of that type for the user.
    const UserCredentials& current = m_Client->getUserCredentials();
    m_ExternalServiceVerification = new Utils::ExternalServiceVerification(this);
    m_ExternalServiceVerification->setServiceUrl(config->value(EmergencyVerificationUrl).toString());
    m_ExternalServiceVerification->setCredentials(current.getUsername(), current.getData(VyxCredentials).getPassword());
    if (atSignIn) {
        m_EmergencyAddressUpdateByUser = false;
        m_ExternalServiceVerification->start();
    }
    CHECKED_CONNECT(m_Session, SIGNAL(reconnectingFinished()), m_ExternalServiceVerification, SLOT(start()));
    CHECKED_CONNECT(m_ExternalServiceVerification, SIGNAL(verificationFailed()), SLOT(cbUpdateEmergencyAddressFailed()));
}
