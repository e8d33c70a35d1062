#include "application.h"

#include "Utils/themed_style_sheet.h"

#include "libqml/components/mainwindow/main_window.h"
#include "libqml/window/qml_view.h"

#include "Dialogs/message_window.h"
#include "Dialogs/preferences_window.h"
#include "Providers/default_call_action_provider.h"
#include "Providers/factory.h"
#include "Providers/menu_action_provider.h"
#include "Utils/communications_window_manager.h"
#include "Utils/external_service_verification.h"
#include "Utils/file_utils.h"
#include "Utils/help_interface.h"
#include "Utils/preferences_watcher.h"
#include "Utils/qobject_language_change.h"
#include "Utils/qomx_url_handler.h"
#include "Utils/scene_graph_backend.h"
#include "Utils/themes.h"
#include "Utils/url_protocol.h"
#include "Widgets/Notifications/notification_manager.h"
#include "common/connect_check.h"
#include "common/constants.h"
#include "common/logging.h"
#include "i18n.h"
#include "libqml/components/about/about.h"
#include "libqml/components/about/build_info.h"
#include "libqml/components/connector_notification/connector_notification.h"
#include "libqml/components/eula/eula_dialog.h"
#include "libqml/components/loginwindow/login_window.h"
#include "libqml/components/presencerequest/presence_request_dialog.h"
#include "libqml/items/qml_logger.h"
#include "libqml/register_qml_types.h"
#include "libqml/window/session_debug_window.h"
#include "tray.h"

#include <Kivo/ApiProvider/Controller.h>
#include <Kivo/Client.h>
#include <Kivo/ConfigContainer.h>
#include <Kivo/Configuration/BuiltinKey.h>
#include <Kivo/Settings.h>
#include <Kivo/Utils/CrashHandling/CrashReporter.h>
#include <Kivo/Utils/Path.h>
#include <Kivo/Utils/SystemInfo.h>
#include <Tesk/Bytes.h>
#include <Tesk/Core/Logging/ApacheLogger.h>
#include <Tesk/IniFormat.h>
#include <Tesk/StoredFile.h>

#include <QAction>
#include <QDateTime>
#include <QDesktopServices>
#include <QDesktopWidget>
#include <QScreen>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <QResource>
#include <QSettings>
#include <QSslCipher>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTextStream>
#include <QUrl>

#include <cstdio>
#include <cstdlib>

namespace {

namespace MenuAction = Constants::MenuAction;
namespace Key = Constants::SettingsKey;

constexpr const char* BuiltinOrganizationName = "Dunmoor Networks LLC";
constexpr const char* BuiltinOrganizationDomain = "dunmoor.example";
constexpr const char* BuiltinApplicationName = "Kelvosta Hub";
constexpr const char* CredentialsFile = "credentials.dat";
constexpr const char* UiSettingsFile = "application_setting.ini";

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString withSlash(QString path)
{
    if (!path.endsWith('/'))
        path += '/';
    return path;
}

void writeQtRecord(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    unsigned short level = 0;
    switch (type) {
    case QtDebugMsg:
        level = Common::Logging::Info;
        break;
    case QtWarningMsg:
        level = Common::Logging::Warning;
        break;
    case QtCriticalMsg:
        level = Common::Logging::Error;
        break;
    case QtFatalMsg:
        level = Common::Logging::Fatal;
        break;
    default:
        return;
    }
    Tesk::Core::Logging::ApacheLogger(context.file ? context.file : "", context.line,
                                      context.function ? context.function : "", level, Common::Logging::QtLogger)
        << message;
}

// The program ends on a fatal message; its text must survive whether or not the log runs:
// on stderr and in the crash record beside the log files.
[[noreturn]] void recordFatalAndAbort(const QMessageLogContext& context, const QString& message)
{
    QByteArray line = QDateTime::currentDateTime().toString(Qt::ISODateWithMs).toUtf8() + " FATAL ";
    if (context.file)
        line += QByteArray(context.file) + ':' + QByteArray::number(context.line) + ' ';
    line += "- " + message.toUtf8() + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    std::fflush(stderr);
    const QString folder = Tesk::Core::Logging::ApacheLogger::logFolder();
    if (!folder.isEmpty()) {
        QFile record(folder + QStringLiteral("/crash.log"));
        if (record.open(QIODevice::Append))
            record.write(line);
    }
    std::abort();
}

void qtMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (QCoreApplication::instance() && !QML::Logger::handleMessage(&context, message))
        writeQtRecord(type, context, message);
    if (type == QtFatalMsg)
        recordFatalAndAbort(context, message);
}

void abortOnFatal(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg)
        recordFatalAndAbort(context, message);
}

// Start-up failures are the start-up sequence's records, whichever helper notices them.
void logStartupFailure(const char* file, int line, const char* text)
{
    Tesk::Core::Logging::ApacheLogger(file, line, "Application::initialize", Common::Logging::Fatal,
                                      Common::Logging::AppLogger)
        << text;
}

void log_SSL_TLS_SupportedCiphers()
{
    QSslSocket socket;
    QStringList names;
    for (const QSslCipher& cipher : QSslConfiguration::supportedCiphers())
        names.append(cipher.name());
    LOG_INFO << "Current system supports the following ciphers: \n" << names.join('\n');
}

} // namespace

Application::Application(int& argc, char** argv)
    : QtSingleApplication(Constants::SingleInstance::Id, argc, argv)
{
    createMenuProviderAndActions();

    const QStringList arguments = QCoreApplication::arguments();
    for (const QString& argument : arguments) {
        if (argument.startsWith(Constants::UrlScheme::CalltoArgumentPrefix)) {
            const QString number =
                argument.mid(int(qstrlen(Constants::UrlScheme::CalltoArgumentPrefix))).trimmed();
            LOG_INFO << "Number on the command line not acted on: " << number;
        } else if (argument.startsWith(Constants::UrlScheme::ArgumentPrefix)) {
            setQomxLink(argument.mid(int(qstrlen(Constants::UrlScheme::ArgumentPrefix))).trimmed());
        }
    }

    setApplicationVersion(QML::BuildInfo::versionNumbers());
    qRegisterMetaType<QObject*>("Kivo::Sessions::SessionModel*");
}

Application::~Application()
{
    LOG_DEBUG << "Engine client exists: " << (m_Client ? "yes" : "no");

    for (const QPointer<QTranslator>& translator : qAsConst(m_Translators))
        QCoreApplication::removeTranslator(translator.data());

    delete m_ProviderFactory;
    m_ProviderFactory = nullptr;
    delete m_CommunicationsWindowManager;
    m_CommunicationsWindowManager = nullptr;
    delete m_NotificationManager;
    m_NotificationManager = nullptr;
    delete m_Tray;
    m_Tray = nullptr;
    delete m_LoginWindow.data();
    const bool hadClient = m_Client != nullptr;
    delete m_Client;
    m_Client = nullptr;
    delete m_ConnectorNotification.data();
    delete m_SessionDebugWindow.data();
    if (hadClient)
        Utils::QObjectLanguageChange::destroy();

    delete m_DefaultCallActionProvider;
    m_DefaultCallActionProvider = nullptr;
    delete m_QomxUrlHandler;
    m_QomxUrlHandler = nullptr;
    // The windows have gone: the QML engine goes while the application is still whole.
    QML::View::releaseSharedEngine();
}

void Application::setupApplicationInfo()
{
    // Three short lines.
    constexpr qint64 MaxIdentitySize = 64 * 1024;
    QByteArray identity;
    if (Tesk::StoredFile::read(programFolder() + "/application_name.txt", MaxIdentitySize, identity)
        != Tesk::StoredFile::ReadResult::Read) {
        qDebug("Error opening application_name.txt: Using macros instead");
        QCoreApplication::setOrganizationName(BuiltinOrganizationName);
        QCoreApplication::setOrganizationDomain(BuiltinOrganizationDomain);
        QCoreApplication::setApplicationName(BuiltinApplicationName);
        return;
    }
    QTextStream stream(&identity, QIODevice::ReadOnly);
    stream.setCodec("UTF-8");
    const QString name = stream.readLine().trimmed();
    const QString organization = stream.readLine().trimmed();
    const QString domain = stream.readLine().trimmed();
    QCoreApplication::setOrganizationName(organization);
    QCoreApplication::setOrganizationDomain(domain);
    QCoreApplication::setApplicationName(name);
}

void Application::migrateDataFolder(const QString& dataPath)
{
    const QDir dataDir(dataPath);
    if (dataDir.exists())
        return;
    const QString parent = QFileInfo(dataPath).absolutePath();
    const QString oldFolder =
        Utils::File::findProfileFolder(parent, CredentialsFile, QStringList() << QFileInfo(dataPath).fileName());
    if (oldFolder.isEmpty())
        return;
    LOG_INFO << "Copying the data of " << oldFolder << " into " << dataPath;
    QDir().mkpath(dataPath);
    Utils::File::cpDir(oldFolder, dataPath, QStringList() << ".txt");
}

void Application::prepareLogFolders(const QString& dataPath)
{
    const QString program = withSlash(programFolder());
    const QString data = withSlash(dataPath);
    QDir(data).mkpath("logs/dovive");
    QDir(data).mkpath("logs/zyn");
    QDir::setCurrent(dataPath);
    Tesk::Core::Logging::ApacheLogger::CopyLogConfiguration(program, data);
}

void Application::prepareUiSettingsFile(const QString& shippedFile, const QString& userFile, const QString& dataPath)
{
    using Tesk::StoredFile::ReadResult;
    QByteArray shipped;
    if (Tesk::StoredFile::read(shippedFile, Tesk::IniFormat::MaxFileSize, shipped) != ReadResult::Read)
        return;
    QByteArray user;
    const ReadResult userRead = Tesk::StoredFile::read(userFile, Tesk::IniFormat::MaxFileSize, user);
    if (userRead == ReadResult::Refused)
        return;
    if (userRead == ReadResult::Read) {
        QSettings::SettingsMap shippedValues;
        QSettings::SettingsMap userValues;
        Tesk::IniFormat::decode(shipped, shippedValues);
        Tesk::IniFormat::decode(user, userValues);
        if (!userValues.contains(Key::SimplifiedSslHandling)
            && shippedValues.value(Key::SimplifiedSslHandling, false).toBool()) {
            userValues.insert(Key::SimplifiedSslHandling, true);
            Tesk::StoredFile::write(userFile, Tesk::IniFormat::encode(userValues));
        }
        return;
    }
    QDir().mkdir(dataPath);
    // The shipped copy goes only once the user's copy exists: a failed copy keeps it for
    // the next start.
    if (!Tesk::StoredFile::write(userFile, shipped)) {
        LOG_ERROR << "Cannot copy " << shippedFile << " to " << userFile;
        return;
    }
    QFile::remove(shippedFile);
}

QString Application::settingsFolder()
{
    const QString beside = programFolder() + "/settings/";
    return QDir(beside).exists() ? beside : programFolder() + "/../settings/";
}

QString Application::translationsFolder()
{
    const QString beside = programFolder() + "/translations";
    return QDir(beside).exists() ? beside : programFolder() + "/../translations";
}

bool Application::fail(const char* caption, const char* text)
{
    Dialogs::MessageWindow::critical(QCoreApplication::applicationName() + ": " + tr(caption), tr(text),
                                     isAlwaysOnTop());
    logStartupFailure(__FILE__, __LINE__, text);
    return false;
}

bool Application::initialize()
{
    setupApplicationInfo();

    const QString dataPath = Kivo::Utils::Path::writableDataPath();
    migrateDataFolder(dataPath);
    prepareLogFolders(dataPath);
    applyLoggingSetting();
    setupBreakpad();
    QGuiApplication::setQuitOnLastWindowClosed(false);
    // Before the first scene: the backend cannot change once one exists.
    Utils::SceneGraphBackend::choose(arguments());

    {
        Tesk::Bytes key;
        key.Copy(Kivo::Configuration::BuiltinKey, Kivo::Configuration::BuiltinKeyLength);
        m_Blowfish.Initialize(key, Kivo::Configuration::BuiltinKeyMode);
    }

    Utils::UrlProtocol::setClientPathVariable();

    const QString settings = settingsFolder();
    prepareUiSettingsFile(programFolder() + "/settings/" + UiSettingsFile, dataPath + '/' + UiSettingsFile, dataPath);

    Kivo::Settings::setPath(Kivo::Settings::ApplicationSettings, dataPath);
    Kivo::Settings::setPath(Kivo::Settings::MediaSettings, dataPath);
    if (!QDir(settings).exists())
        return fail(QT_TR_NOOP("UI setting error"), QT_TR_NOOP("Couldn't find UI settings file"));
    Kivo::Settings::setPath(Kivo::Settings::DefaultSettings, settings);
    Kivo::Settings::setPath(Kivo::Settings::StyleSettings, ":/");

    auto* container = new Kivo::ConfigContainer(this);

    Kivo::Utils::SystemInfo::logSystemData();
    log_SSL_TLS_SupportedCiphers();

    m_Client = new Kivo::Client(m_MenuActionProvider->action(MenuAction::SignOut), m_MenuActionProvider->action(MenuAction::Exit),
                                programFolder());
    connect(this, SIGNAL(advancedLoggingEnabled(bool)), m_Client, SIGNAL(advancedLoggingEnabled(bool)));
    connect(this, SIGNAL(clearLogs()), m_Client, SIGNAL(clearLogs()));

    if (!m_Client->Initialize(container, dataPath + '/' + CredentialsFile, &m_Blowfish))
        return fail(QT_TR_NOOP("Initialization Error"), QT_TR_NOOP("Initialization of the application failed!"));

    m_PreferencesWatcher = new Preferences::WatcherImpl(this);

    if (!loadTheme())
        return false;
    Utils::applyWidgetLook();
    QApplication::setWindowIcon(QIcon(":/app_icon.ico"));
    registerQmlTypes();

    connect(m_Client, SIGNAL(sessionClosed(Kivo::Sessions::SessionManagerBase&)), this,
            SLOT(cbSessionClosed(Kivo::Sessions::SessionManagerBase&)));
    connect(m_Client, SIGNAL(sessionClosed(Kivo::Sessions::SessionManagerBase&)), &m_WindowManager,
            SLOT(cbSessionClosed()));
    connect(m_MenuActionProvider->action(MenuAction::SignOut), SIGNAL(triggered()), &m_WindowManager, SLOT(cbSigningOut()));
    connect(m_MenuActionProvider->action(MenuAction::Exit), SIGNAL(triggered()), &m_WindowManager, SLOT(cbSigningOut()));
    connect(m_Client, SIGNAL(quit()), this, SLOT(cbQuit()));
    connect(m_Client, SIGNAL(sessionOpened(Kivo::Sessions::SessionManagerBase&)), this,
            SLOT(cbSessionOpened(Kivo::Sessions::SessionManagerBase&)));
    connect(m_Client,
            SIGNAL(sessionError(Kivo::Sessions::SessionManagerBase*, Kivo::Sessions::SessionManagerBase::State,
                                Kivo::Sessions::SessionManagerBase::Error)),
            this,
            SLOT(cbSessionError(Kivo::Sessions::SessionManagerBase*, Kivo::Sessions::SessionManagerBase::State,
                                Kivo::Sessions::SessionManagerBase::Error)));
    connect(m_Client, SIGNAL(newVersionFound(bool, const QUrl&)), this, SLOT(newVersionFound(bool, const QUrl&)));
    connect(m_Client, SIGNAL(ensureUserSettingsDirExists(QDir&, const QString&)), this,
            SLOT(ensureUserSettingsDirExists(QDir&, const QString&)));

    m_ApiController = new Kivo::ApiProvider::Controller(this);
    m_ApiController->InitializeController();
    CHECKED_CONNECT(m_PreferencesWatcher, SIGNAL(preferencesChanged()), m_ApiController, SLOT(preferencesChanged()));

    m_LoginWindow = createLoginWindow();
    if (!m_LoginWindow)
        return fail(QT_TR_NOOP("Initialization error"), QT_TR_NOOP("Unable to initialize login window!"));

    m_Tray = new Tray(m_MenuActionProvider->action(MenuAction::SignOut), m_MenuActionProvider->action(MenuAction::Exit),
                      m_MenuActionProvider->action(MenuAction::About), m_MenuActionProvider->action(MenuAction::OpenApplication), this);
    m_Tray->setPreferencesAction(m_MenuActionProvider->action(MenuAction::Preferences));

    m_NotificationManager = new NotificationManager();
    connect(m_Client, SIGNAL(sessionClosed(Kivo::Sessions::SessionManagerBase&)), m_NotificationManager,
            SLOT(removeNotifications()));
    connect(m_MenuActionProvider->action(MenuAction::SignOut), SIGNAL(triggered()), m_NotificationManager,
            SLOT(removeNotifications()));
    connect(m_MenuActionProvider->action(MenuAction::Exit), SIGNAL(triggered()), m_NotificationManager,
            SLOT(removeNotifications()));

    connect(QApplication::desktop(), SIGNAL(resized(int)), this, SLOT(screenResized(int)));

    chooseLanguageAndLoadTranslators();

    connect(m_Client, SIGNAL(requestProxyCredentials(bool, const QString&, const QString&, bool, QObject*, const QString&)),
            this, SLOT(onRequestProxyCredentials(bool, const QString&, const QString&, bool, QObject*, const QString&)));
    connect(m_Client, SIGNAL(showDisclaimerDialog()), this, SLOT(onShowDisclaimerDialog()));
    connect(this, SIGNAL(disclaimerAccepted()), m_Client, SIGNAL(disclaimerAccepted()));
    connect(this, SIGNAL(disclaimerRejected()), m_Client, SIGNAL(disclaimerRejected()));

    Utils::UrlProtocol::registerQomxProtocol(true);

    // A new user accepts the agreement first; its answer shows the login window or exits.
    if (!Kivo::Settings(Kivo::Settings::ApplicationSettings).value(Key::EulaAccepted, false).toBool()
        && QML::EulaDialog::hasAgreement())
        showAgreement();
    else
        showLoginWindow(true);

    connect(this, SIGNAL(messageReceived(const QString&)), this, SLOT(onMessageReceived(const QString&)));

    LOG_INFO << "Application initialization is complete. User agent is: " << Kivo::Utils::userAgent();
    return true;
}

bool Application::loadTheme()
{
    const QString defaultTheme = Utils::Themes::defaultTheme();
    const QString active = Utils::Themes::themeNameFromPath(Utils::Themes::activeTheme());

    bool registered = false;
    const QString activePath = Utils::Themes::themeResourcesPath(active);
    if (!activePath.isEmpty())
        registered = QResource::registerResource(activePath);
    if (!registered) {
        const QString defaultPath = Utils::Themes::themeResourcesPath(defaultTheme);
        if (!defaultPath.isEmpty())
            registered = QResource::registerResource(defaultPath);
    }
    if (!registered) {
        Dialogs::MessageWindow::critical(
            QCoreApplication::applicationName() + ": " + tr("Theme Loading Error"),
            tr("Default theme not found. Please reinstall the client.\n Looked in %1 and %2")
                .arg(programFolder(), defaultTheme),
            isAlwaysOnTop());
        logStartupFailure(__FILE__, __LINE__, "Default theme not found.");
        return false;
    }
    Utils::Themes::setActiveTheme(active);
    return true;
}

QString Application::chooseLanguage(const QString& installer, const QString& stored, const QString& systemLocale,
                                    const QStringList& listed)
{
    const QStringList candidates{installer, stored, systemLocale, systemLocale.left(2)};
    for (const QString& candidate : candidates) {
        if (!candidate.isEmpty() && listed.contains(candidate))
            return candidate;
    }
    return QStringLiteral("en");
}

void Application::chooseLanguageAndLoadTranslators()
{
    I18N::loadLanguages();
    const QStringList uiLanguages = QLocale::system().uiLanguages();
    const QString systemLocale = QLocale(uiLanguages.value(0)).name();
    LOG_INFO << "systemLocale: " << systemLocale;

    Kivo::Settings settings(Kivo::Settings::ApplicationSettings);
    const QString stored = settings.value(Key::LanguageActive).toString();
    const QString language =
        chooseLanguage(I18N::getInstallerLanguage(), stored, systemLocale, I18N::languages().keys());
    LOG_INFO << "language: " << language;
    if (language != stored || !settings.contains(Key::LanguageActive))
        settings.setValue(Key::LanguageActive, language);

    I18N::useLocaleOf(language);
    const QString folder = translationsFolder();
    loadTranslator(ProgramTexts, "ui_" + language, folder);
    loadTranslator(ToolkitTexts, "qt_" + language, folder);
    loadTranslator(CustomTexts, "ui_custom_" + language, folder);
}

void Application::loadTranslator(int kind, const QString& fileName, const QString& folder)
{
    QPointer<QTranslator> translator = m_Translators.value(kind);
    const bool exists = QFile::exists(folder + '/' + fileName + ".qm");
    if (kind == CustomTexts && !exists && !translator)
        return;
    const bool created = !translator;
    if (created) {
        translator = new QTranslator(this);
        m_Translators.insert(kind, translator);
    }
    if (!translator->load(fileName, folder) && exists)
        LOG_WARNING << "Cannot load the translation " << folder << '/' << fileName;
    if (created) {
        QCoreApplication::installTranslator(translator);
    } else {
        // Installing announces the change; a reload in place must announce it itself.
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
    }
}

void Application::createMenuProviderAndActions()
{
    m_MenuActionProvider = Providers::MenuActionProvider::create(this);
    const Providers::MenuActionProvider* provider = m_MenuActionProvider;
    CHECKED_CONNECT(provider->action(MenuAction::About), SIGNAL(triggered()), this, SLOT(cbActionAbout()));
    CHECKED_CONNECT(provider->action(MenuAction::Help), SIGNAL(triggered()), this, SLOT(cbActionHelp()), Qt::QueuedConnection);
    CHECKED_CONNECT(provider->action(MenuAction::AddContact), SIGNAL(triggered()), this, SLOT(cbActionAddContact()));
    CHECKED_CONNECT(provider->action(MenuAction::SignOut), SIGNAL(triggered()), this, SLOT(startingLogout()));
    CHECKED_CONNECT(provider->action(MenuAction::Exit), SIGNAL(triggered()), this, SLOT(startingLogout()));
    CHECKED_CONNECT(provider->action(MenuAction::Preferences), SIGNAL(triggered()), this, SLOT(cbActionPreferences()));
    CHECKED_CONNECT(provider->action(MenuAction::UpdateEmergencyAddress), SIGNAL(triggered()), this,
                    SLOT(cbActionUpdateEmergencyAddress()), Qt::QueuedConnection);
    m_MenuActionProvider->retranslate();
}

QML::LoginWindow* Application::createLoginWindow()
{
    auto* window = new QML::LoginWindow(m_Client->getConfigContainer(), m_Client->getCredentialsManager(), nullptr);
    window->activate();
    connect(window, SIGNAL(signin(const QString&, const QString&, const Kivo::Configuration::Config*, QString)), this,
            SLOT(signin(const QString&, const QString&, const Kivo::Configuration::Config*, const QString&)));
    QAction* signOut = m_MenuActionProvider->action(MenuAction::SignOut);
    QAction* exit = m_MenuActionProvider->action(MenuAction::Exit);
    connect(window, SIGNAL(signoutClicked()), signOut, SLOT(trigger()));
    connect(exit, SIGNAL(triggered()), window, SLOT(cbActionQuit()));
    connect(window, SIGNAL(windowClosed()), m_Client, SLOT(maybeQuit()));
    connect(signOut, SIGNAL(triggered()), window, SLOT(cbActionSignout()));
    connect(m_Client, SIGNAL(sessionClosed(Kivo::Sessions::SessionManagerBase&)), window, SLOT(cbSessionClosed()));
    connect(m_Client,
            SIGNAL(sessionError(Kivo::Sessions::SessionManagerBase*, Kivo::Sessions::SessionManagerBase::State,
                                Kivo::Sessions::SessionManagerBase::Error)),
            window, SLOT(cbSessionClosed()));
    connect(m_Client,
            SIGNAL(sessionStateChange(Kivo::Sessions::SessionManagerBase*, Kivo::Sessions::SessionManagerBase::State)),
            window, SLOT(sessionStateChange(Kivo::Sessions::SessionManagerBase*, Kivo::Sessions::SessionManagerBase::State)));
    connect(window, SIGNAL(showHelpClicked()), this, SLOT(cbActionHelp()));
    if (m_PreferencesWatcher)
        connect(m_PreferencesWatcher, SIGNAL(preferencesChanged()), window, SLOT(preferencesChanged()));
    if (m_ApiController)
        CHECKED_CONNECT(m_ApiController, SIGNAL(showClientWindowCommand()), window, SLOT(showAndActivate()));
    return window;
}

void Application::prepareLoginWindow()
{
    if (m_LoginWindow && m_MenuActionProvider)
        m_LoginWindow->setPreferencesAction(m_MenuActionProvider->action(MenuAction::Preferences));
    if (m_MenuActionProvider)
        m_MenuActionProvider->signedIn(false);
}

void Application::showLoginWindow(bool tryAutoLogin)
{
    if (!m_LoginWindow) {
        LOG_ERROR << "m_LoginWindow is null";
        return;
    }
    prepareLoginWindow();
    m_LoginWindow->showLogin(tryAutoLogin, false);
    m_MenuActionProvider->installShortcuts(m_LoginWindow);
}

void Application::showAgreement()
{
    QML::EulaDialog* agreement = QML::EulaDialog::instance();
    CHECKED_CONNECT(agreement, SIGNAL(licenceAccepted(bool)), this, SLOT(onLicenceAccepted(bool)),
                    Qt::UniqueConnection);
    agreement->showAndActivate();
}

void Application::setQomxLink(const QString& link)
{
    auto* handler = new Utils::QomxUrlHandler(link);
    if (handler != m_QomxUrlHandler) {
        delete m_QomxUrlHandler;
        m_QomxUrlHandler = handler;
    }
    m_QomxUrlHandler->initialize(m_Session);
}

QString Application::qomxLink() const
{
    return m_QomxUrlHandler ? m_QomxUrlHandler->link() : QString();
}

void Application::onMessageReceived(const QString& message)
{
    if (message.isEmpty())
        return;
    if (message.toLower().startsWith(Constants::SingleInstance::ActivateMessage)) {
        // An open agreement still stands between the user and the login window.
        if (m_MainWindow)
            m_MainWindow->showAndActivate();
        else if (QML::EulaDialog* agreement = QML::EulaDialog::existing())
            agreement->showAndActivate();
        else if (m_LoginWindow)
            m_LoginWindow->showAndActivate();
        return;
    }
    static const QString separator = QStringLiteral("--");
    const QString calltoPrefix = Constants::UrlScheme::CalltoArgumentPrefix;
    const QString qomxPrefix = Constants::UrlScheme::ArgumentPrefix;
    int start = message.indexOf(separator);
    while (start >= 0) {
        const int next = message.indexOf(separator, start + separator.size());
        const QString piece = next < 0 ? message.mid(start) : message.mid(start, next - start);
        const QString lower = piece.toLower();
        if (lower.startsWith(calltoPrefix))
            LOG_INFO << "Number handed over not acted on: " << piece.mid(calltoPrefix.size()).trimmed();
        else if (lower.startsWith(qomxPrefix))
            setQomxLink(piece.mid(qomxPrefix.size()).trimmed());
        start = next;
    }
}

bool Application::event(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_MenuActionProvider->retranslate();
        if (m_ApiController)
            m_ApiController->languageChanged();
        if (m_DefaultCallActionProvider)
            m_DefaultCallActionProvider->retranslate();
        if (m_Tray)
            m_Tray->updateToolTip();
    } else if (event->type() == QEvent::StyleChange) {
        if (m_Tray)
            m_Tray->updateIcon();
    }
    return QtSingleApplication::event(event);
}

QML::LoginWindow* Application::loginWindow() const
{
    return m_LoginWindow;
}

const Kivo::Configuration::Config* Application::config() const
{
    return m_Client ? m_Client->getConfig() : nullptr;
}

void Application::applyLoggingSetting()
{
    const Kivo::Settings settings(Kivo::Settings::ApplicationSettings);
    enableBasicLogging(settings.value(Key::LoggingEnabled, false).toBool());
    enableAdvancedLogging(settings.value(Key::AdvancedLoggingEnabled, false).toBool());
}

void Application::enableBasicLogging(bool on)
{
    const bool stored = Kivo::Settings(Kivo::Settings::ApplicationSettings).value(Key::LoggingEnabled, false).toBool();
    if (on && stored) {
        Tesk::Core::Logging::ApacheLogger::ReStart();
        qInstallMessageHandler(qtMessageHandler);
    } else if (Tesk::Core::Logging::ApacheLogger::Stop()) {
        qInstallMessageHandler(abortOnFatal);
    }
}

void Application::enableAdvancedLogging(bool on)
{
    // Per-event tracing is for those who asked for the detailed log.
    Tesk::Core::Logging::ApacheLogger::setMinimumLevel(on ? Common::Logging::Trace : Common::Logging::Debug);
    emit advancedLoggingEnabled(on);
}

void Application::setupBreakpad()
{
    auto* reporter = new Kivo::Utils::CrashHandling::CrashReporter(this);
    const QString reporterProgram = programFolder() + "/crashreporter.exe";
    const QFileInfo reporterInfo(reporterProgram);
    if (!reporterInfo.exists() || !reporterInfo.isExecutable()) {
        LOG_ERROR << "Unable to find crash reporting application. Crash reporting will be unavailable.";
        return;
    }
    reporter->setCrashReporterExe(reporterProgram);
    reporter->setRestartOptions(QCoreApplication::applicationFilePath(), QCoreApplication::arguments().mid(1));
    reporter->setBuildVersion(QML::BuildInfo::versionNumbers());
    if (!reporter->installExceptionHandler(programFolder() + "/QomxCrashService.exe", QString()))
        LOG_ERROR << "Unable to setup Breakpad exception handler. Crash reporting will be unavailable.";
}

void Application::openLogFolder()
{
    const QString address = "file:///" + Kivo::Utils::Path::writableDataPath() + "/logs";
    if (!QDesktopServices::openUrl(QUrl(address)))
        LOG_ERROR << "Failed to open url " << address;
}

void Application::deleteLogFiles()
{
    const QString path = Kivo::Utils::Path::writableDataPath();
    if (!path.isEmpty()) {
        if (QDir(path).exists()) {
            QDir::setCurrent(path);
            const Kivo::Settings settings(Kivo::Settings::ApplicationSettings);
            const bool restart = settings.value(Key::LoggingEnabled, false).toBool()
                || settings.value(Key::XmppLoggingEnabled, false).toBool();
            Tesk::Core::Logging::ApacheLogger::clearLogs(restart);
            if (m_ApiController)
                m_ApiController->clearLogs();
            LOG_INFO << "Log files removed. Starting over!!!";
        } else {
            LOG_ERROR << "Failed to locate directory " << path;
        }
    }
    emit clearLogs();
}

void Application::cbActionAbout()
{
    if (!m_AboutWindow)
        m_AboutWindow = new QML::About(isAlwaysOnTop(), nullptr);
    m_AboutWindow->show();
    m_AboutWindow->raise();
}

void Application::cbActionAddContact()
{
    if (m_ProviderFactory)
        m_ProviderFactory->showContactCard(false, nullptr, false);
}

void Application::cbActionHelp()
{
    // The login window's link names its window; F1 asks the window in front, or the one the
    // user sees when none is (a desktop without a window manager activates none).
    auto* window = qobject_cast<Utils::HelpInterface*>(sender());
    if (!window)
        window = qobject_cast<Utils::HelpInterface*>(QApplication::activeWindow());
    if (!window) {
        if (QML::MainWindow* main = mainWindow(); main && main->isVisible())
            window = main;
        else if (m_LoginWindow && m_LoginWindow->isVisible())
            window = m_LoginWindow;
    }
    if (window)
        Utils::HelpInterface::openHelp(window->helpContext());
}

void Application::cbActionPreferences()
{
    int page = 0;
    if (QObject* origin = sender()) {
        page = origin->property(Constants::ActionProperty::Tab).toInt();
        origin->setProperty(Constants::ActionProperty::Tab, QVariant());
    }
    if (!m_PreferencesWindow) {
        m_PreferencesWindow = Dialogs::PreferencesWindow::create(
            m_PreferencesWatcher, m_Session, &m_Translators, page,
            m_ApiController ? m_ApiController->getModel(Kivo::ApiProvider::AllConnectors) : nullptr, isAlwaysOnTop(),
            nullptr);
        if (m_LoginWindow)
            connect(m_LoginWindow, SIGNAL(signin(const QString&, const QString&, const Kivo::Configuration::Config*)),
                    m_PreferencesWindow, SLOT(close()));
    }
    m_PreferencesWindow->showNormal();
    m_PreferencesWindow->activateWindow();
    m_PreferencesWindow->raise();
}

void Application::cbActionUpdateEmergencyAddress()
{
    // The verification and the address belong to the signed-in session.
    if (!m_Session)
        return;
    if (m_ExternalServiceVerification) {
        LOG_INFO << "Updating of emergency address started from actions menu";
        m_EmergencyAddressUpdateByUser = true;
        m_ExternalServiceVerification->update();
        return;
    }
    // Without the address verification of the session the configured page opens.
    const Kivo::Configuration::Config* configuration = m_Session->getConfig();
    if (!configuration)
        return;
    const QString address = configuration->value(420).toString();
    LOG_INFO << "Opening address in default browser: " << address;
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

void Application::cbUpdateEmergencyAddressFailed()
{
    if (m_EmergencyAddressUpdateByUser)
        return;
    LOG_INFO << "Updating of emergency address canceled and action not started by user, throwing the user away";
    if (QAction* signOut = m_MenuActionProvider->action(MenuAction::SignOut))
        signOut->activate(QAction::Trigger);
}

void Application::cbAlwaysOnTop()
{
    const bool onTop = isAlwaysOnTop();
    if (QML::PresenceRequestDialog* dialog = presenceRequestDialog())
        dialog->setAlwaysOnTop(onTop);
    if (m_ProviderFactory)
        m_ProviderFactory->setAlwaysOnTop(onTop);
}

void Application::cbQuit()
{
    QCoreApplication::quit();
}

void Application::screenResized(int)
{
    // The main window follows the screen size; signed out there is nothing to resize.
    QML::MainWindow* main = mainWindow();
    if (!main || !main->view() || !main->view()->rootObject())
        return;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->size() : QSize();
    main->screenResized(size.width(), size.height());
}

void Application::ensureUserSettingsDirExists(QDir& dir, const QString& name)
{
    const QString path = Kivo::Utils::Path::writableDataPath() + '/' + name;
    m_DataDir.setPath(path);
    dir.setPath(path);
    Kivo::Settings::setPath(Kivo::Settings::UserSettings, path);
}

void Application::newVersionFound(bool mandatory, const QUrl& url)
{
    const QString name = QCoreApplication::applicationName();
    const bool accepted = mandatory
        ? Dialogs::MessageWindow::question(tr("New Mandatory Version Available"),
                                           tr("New mandatory version available. You have to update in order to "
                                              "continue using the application."),
                                           true, isAlwaysOnTop(), QDialogButtonBox::Yes | QDialogButtonBox::Close)
        : Dialogs::MessageWindow::question(tr("New Version Available"),
                                           tr("New version available, would you like to upgrade now?"), true,
                                           isAlwaysOnTop(), QDialogButtonBox::Yes | QDialogButtonBox::No);
    if (!accepted) {
        if (mandatory)
            QCoreApplication::quit();
        return;
    }
    Dialogs::MessageWindow::information(
        tr("New Version"),
        tr("A new version is available and must be installed to proceed. Select OK to shut down %1 and download the "
           "new version. After the download is complete, please install the new version.")
            .arg(name),
        isAlwaysOnTop());
    if (!QDesktopServices::openUrl(url)) {
        Dialogs::MessageWindow::information(
            tr("Error Downloading New Version"),
            tr("Failed to launch default web browser with the following address: %1").arg(url.toString()),
            isAlwaysOnTop());
    }
    QCoreApplication::quit();
}

void Application::onShowDisclaimerDialog()
{
    const Kivo::Configuration::Config* configuration = config();
    QString mode;
    if (!configuration)
        LOG_INFO << "Config is NULL";
    else
        mode = configuration->value(397).toString();
    const QDialogButtonBox::StandardButtons buttons =
        mode == "disabled" ? QDialogButtonBox::Ok : QDialogButtonBox::Ok | QDialogButtonBox::Cancel;
    const int accepted = Dialogs::MessageWindow::question(
        tr("E911 Disclosure"),
        tr("WARNING: Do not use your soft phone to dial 911 except from your registered physical location. Use at a "
           "location other than the registered physical location may route 911 calls to an incorrect 911 dispatch "
           "center, potentially delaying or preventing emergency services. It is recommended that you maintain "
           "alternative access to 911 services."),
        true, isAlwaysOnTop(), buttons);
    if (accepted) {
        emit disclaimerAccepted();
        return;
    }
    if (configuration)
        QDesktopServices::openUrl(QUrl(configuration->value(398).toString()));
    if (mode == "exit")
        QCoreApplication::quit();
    else
        emit disclaimerRejected();
}
