#include "application.h"

#include "Dialogs/message_window.h"
#include "Dialogs/preferences_window.h"
#include "Providers/menu_action_provider.h"
#include "libqml/components/about/about.h"
#include "libqml/items/qml_logger.h"
#include "libqml/register_qml_types.h"
#include "libqml/utils/style.h"
#include "Utils/themes.h"
#include "common/constants.h"
#include "support/test_environment.h"

#include <Kivo/Settings.h>
#include <Tesk/Core/Logging/ApacheLogger.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace {

void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// The built theme's resources as the theme `name` under the data folder; returns the file.
QString installThemeInDataFolder(const TestSupport::Environment& env, const QString& name)
{
    const QString theme = env.dataPath() + "/themes/" + name + "/resources.rcc";
    QDir().mkpath(QFileInfo(theme).absolutePath());
    if (!QFile::copy(QString(TEST_PROGRAM_DIR) + "/themes/default/resources.rcc", theme))
        qWarning("Cannot copy the theme to %s", qPrintable(theme));
    return theme;
}

// Accepts every start-up message window shown while it lives and keeps the last title.
class MessageCloser
{
public:
    MessageCloser()
    {
        QObject::connect(&m_Timer, &QTimer::timeout, [this] {
            for (QWidget* widget : QApplication::allWidgets()) {
                auto* box = qobject_cast<Dialogs::MessageWindow*>(widget);
                if (!box || !box->isVisible() || !box->dialog())
                    continue;
                m_Title = box->windowTitle();
                box->dialog()->accept();
            }
        });
        m_Timer.start(10);
    }
    QString title() const { return m_Title; }

private:
    QTimer m_Timer;
    QString m_Title;
};

// The start-up sequence's own record of a failure.
bool loggedByStartup(TestSupport::Environment& env, const QString& text)
{
    const QList<Tesk::Core::Logging::Record> records = env.logs().records();
    return std::any_of(records.cbegin(), records.cend(), [&](const Tesk::Core::Logging::Record& record) {
        return record.text == text && record.level == 5 && record.function == "Application::initialize";
    });
}

} // namespace

class ApplicationTest : public QObject
{
    Q_OBJECT

public:
    explicit ApplicationTest(Application* application) : m_Application(application) {}

private slots:
    void commandLineLinkIsCaseSensitiveAndLastWins();
    void singleInstanceMessage_data();
    void singleInstanceMessage();
    void activateWithoutWindowsDoesNothing();
    void languagePrecedence_data();
    void languagePrecedence();
    void translatorsReloadInPlace();
    void languageChangeWithoutTrayOrController();
    void themeFallsBackAndKeepsActiveName();
    void themePathStoredAsName();
    void uiSettingsFileMovesOnce();
    void uiSettingsFileMerge_data();
    void uiSettingsFileMerge();
    void uiSettingsFileKeptWhenCopyFails();
    void dataFolderMigration();
    void logFolders();
    void loggingFollowsStoredChoice_data();
    void loggingFollowsStoredChoice();
    void qtMessagesRoutedThroughQmlLoggerFirst();
    void fatalMessageReachesStderrAndCrashRecord_data();
    void fatalMessageReachesStderrAndCrashRecord();
    void clearingLogsAlwaysAnnounced();
    void aboutShownOnce();
    void preferencesPageOnlyWhenOpening();
    void missingSettingsFolderEndsStartUp();
    void missingThemeEndsStartUp();

private:
    Application* m_Application;
};

void ApplicationTest::commandLineLinkIsCaseSensitiveAndLastWins()
{
    // main() below starts the application with these arguments.
    QCOMPARE(m_Application->qomxLink(), QString("second"));
    QVERIFY(!m_Application->isRunning());
    QCOMPARE(QCoreApplication::applicationVersion().count('.'), 3);
}

void ApplicationTest::singleInstanceMessage_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("link");
    const QString kept = "before";
    QTest::newRow("activate") << "activate!" << kept;
    QTest::newRow("activate in capitals") << "ACTIVATE!" << kept;
    QTest::newRow("activate with trailing text") << "activate! --qomx:ignored" << kept;
    QTest::newRow("empty") << "" << kept;
    QTest::newRow("plain text") << "hello world" << kept;
    QTest::newRow("one link") << "--qomx:abc==" << "abc==";
    QTest::newRow("link in capitals") << "--QOMX:Keeps Case" << "Keeps Case";
    QTest::newRow("second link wins") << "lead --qomx:first --callto:123 --qomx:second" << "second";
    QTest::newRow("trailing callto piece") << "--qomx:link --callto:+1 555" << "link";
    QTest::newRow("link cut at dashes") << "--qomx:a--b" << "a";
    QTest::newRow("callto only") << "--callto:555" << kept;
}

void ApplicationTest::singleInstanceMessage()
{
    QFETCH(QString, message);
    QFETCH(QString, link);
    TestSupport::Environment env;
    m_Application->setQomxLink("before");
    m_Application->onMessageReceived(message);
    QCOMPARE(m_Application->qomxLink(), link);
}

void ApplicationTest::activateWithoutWindowsDoesNothing()
{
    TestSupport::Environment env;
    QVERIFY(!m_Application->loginWindow());
    m_Application->onMessageReceived("activate!");
    QVERIFY(QApplication::topLevelWidgets().isEmpty()
            || std::none_of(QApplication::topLevelWidgets().cbegin(), QApplication::topLevelWidgets().cend(),
                            [](const QWidget* widget) { return widget->isVisible(); }));
}

void ApplicationTest::languagePrecedence_data()
{
    QTest::addColumn<QString>("installer");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("language");
    QTest::newRow("installer wins over stored") << "fr" << "de" << "it_IT" << "fr";
    QTest::newRow("unlisted installer") << "pt" << "de" << "it_IT" << "de";
    QTest::newRow("stored") << "" << "de" << "it_IT" << "de";
    QTest::newRow("full locale wins over short") << "" << "" << "fr_CA" << "fr_CA";
    QTest::newRow("short locale") << "" << "" << "it_IT" << "it";
    QTest::newRow("nothing listed") << "" << "pt" << "pt_BR" << "en";
}

void ApplicationTest::languagePrecedence()
{
    QFETCH(QString, installer);
    QFETCH(QString, stored);
    QFETCH(QString, system);
    QFETCH(QString, language);
    const QStringList listed{"de", "en", "fr", "fr_CA", "it"};
    QCOMPARE(Application::chooseLanguage(installer, stored, system, listed), language);
}

void ApplicationTest::translatorsReloadInPlace()
{
    TestSupport::Environment env;
    const QString folder = QString(TEST_PROGRAM_DIR) + "/translations";
    QVERIFY(QFile::exists(folder + "/ui_de.qm"));

    // No custom file and no custom translator yet: none is made.
    m_Application->loadTranslator(Application::CustomTexts, "ui_custom_de", folder);
    QVERIFY(!m_Application->translator(Application::CustomTexts));

    m_Application->loadTranslator(Application::CustomTexts, "ui_de", folder);
    QPointer<QTranslator> custom = m_Application->translator(Application::CustomTexts);
    QVERIFY(custom);
    QCOMPARE(QCoreApplication::translate("Providers::MenuActionProvider", "Exit"), QString("Beenden"));
    QTRY_COMPARE(m_Application->menuActionProvider()->action(Constants::MenuAction::Exit)->text(), QString("Beenden"));

    // A language without a custom file empties the custom translator in place.
    m_Application->loadTranslator(Application::CustomTexts, "ui_custom_fr", folder);
    QCOMPARE(m_Application->translator(Application::CustomTexts), custom.data());
    QCOMPARE(QCoreApplication::translate("Providers::MenuActionProvider", "Exit"), QString("Exit"));
    QTRY_COMPARE(m_Application->menuActionProvider()->action(Constants::MenuAction::Exit)->text(), QString("Exit"));
}

void ApplicationTest::languageChangeWithoutTrayOrController()
{
    TestSupport::Environment env;
    QVERIFY(!m_Application->tray());
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(m_Application, &change);
    QCOMPARE(m_Application->menuActionProvider()->action(Constants::MenuAction::About)->text(), QString("About"));
}

void ApplicationTest::themeFallsBackAndKeepsActiveName()
{
    TestSupport::Environment env;
    QTemporaryDir defaults;
    Kivo::Settings::setPath(Kivo::Settings::DefaultSettings, defaults.path());
    installThemeInDataFolder(env, "default");
    Utils::Themes::setActiveTheme("gone");

    QVERIFY(m_Application->loadTheme());
    QVERIFY(!QPixmap(":/app_icon.ico").isNull());
    QVERIFY(QFile::exists(":/languages.json"));
    QCOMPARE(Utils::Themes::activeTheme(), QString("gone"));
}

void ApplicationTest::themePathStoredAsName()
{
    TestSupport::Environment env;
    QTemporaryDir defaults;
    Kivo::Settings::setPath(Kivo::Settings::DefaultSettings, defaults.path());
    const QString theme = installThemeInDataFolder(env, "dark");
    Utils::Themes::setActiveTheme(theme);

    QVERIFY(m_Application->loadTheme());
    QCOMPARE(Utils::Themes::activeTheme(), QString("dark"));
}

void ApplicationTest::uiSettingsFileMovesOnce()
{
    TestSupport::Environment env;
    QTemporaryDir program;
    const QString shipped = program.filePath("settings/application_setting.ini");
    const QString data = env.dataPath() + "/new";
    const QString user = data + "/application_setting.ini";
    writeFile(shipped, "[settings]\nshipped=1\n");

    Application::prepareUiSettingsFile(shipped, user, data);
    QVERIFY(!QFile::exists(shipped));
    QCOMPARE(QSettings(user, QSettings::IniFormat).value("settings/shipped").toInt(), 1);

    // The next start finds no shipped file and leaves the user's alone.
    QSettings(user, QSettings::IniFormat).setValue("settings/mine", 2);
    Application::prepareUiSettingsFile(shipped, user, data);
    QCOMPARE(QSettings(user, QSettings::IniFormat).value("settings/mine").toInt(), 2);
}

void ApplicationTest::uiSettingsFileMerge_data()
{
    QTest::addColumn<QByteArray>("shipped");
    QTest::addColumn<QByteArray>("user");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("user lacks key, shipped true")
        << QByteArray("[settings]\nsimplifiedSslHandling=true\nother=1\n") << QByteArray("[settings]\nx=1\n")
        << QVariant(true);
    QTest::newRow("user lacks key, shipped false")
        << QByteArray("[settings]\nsimplifiedSslHandling=false\n") << QByteArray("[settings]\nx=1\n") << QVariant();
    QTest::newRow("user has key")
        << QByteArray("[settings]\nsimplifiedSslHandling=true\n")
        << QByteArray("[settings]\nsimplifiedSslHandling=false\n") << QVariant(false);
}

void ApplicationTest::uiSettingsFileMerge()
{
    QFETCH(QByteArray, shipped);
    QFETCH(QByteArray, user);
    QFETCH(QVariant, expected);
    TestSupport::Environment env;
    QTemporaryDir program;
    const QString shippedFile = program.filePath("application_setting.ini");
    const QString userFile = env.dataPath() + "/application_setting.ini";
    writeFile(shippedFile, shipped);
    writeFile(userFile, user);

    Application::prepareUiSettingsFile(shippedFile, userFile, env.dataPath());

    const QSettings result(userFile, QSettings::IniFormat);
    QCOMPARE(result.value(Constants::SettingsKey::SimplifiedSslHandling).toString(), expected.toString());
    QVERIFY(!result.contains("settings/other"));
    QVERIFY(QFile::exists(shippedFile));
}

void ApplicationTest::uiSettingsFileKeptWhenCopyFails()
{
    TestSupport::Environment env;
    QTemporaryDir program;
    const QString shipped = program.filePath("application_setting.ini");
    writeFile(shipped, "[settings]\nshipped=1\n");
    // The data folder cannot be made: a plain file stands where it should go.
    const QString blocker = env.dataPath() + "/blocker";
    writeFile(blocker, "x");

    Application::prepareUiSettingsFile(shipped, blocker + "/application_setting.ini", blocker);
    QVERIFY(QFile::exists(shipped));
    QVERIFY(env.logs().contains("Cannot copy", 4));
}

void ApplicationTest::dataFolderMigration()
{
    TestSupport::Environment env;
    const QString root = env.dataPath();
    writeFile(root + "/Old Client/credentials.dat", "secret");
    writeFile(root + "/Old Client/user_settings.ini", "[a]\nb=1\n");
    writeFile(root + "/Old Client/notes.txt", "x");
    writeFile(root + "/Old Client/logs/run.log", "x");
    writeFile(root + "/Unrelated/file.ini", "x");

    const QString data = root + "/Telvarion";
    Application::migrateDataFolder(data);
    const QDir migrated(data);
    QVERIFY(migrated.exists("credentials.dat"));
    QVERIFY(migrated.exists("user_settings.ini"));
    QVERIFY(migrated.exists("logs/run.log"));
    QVERIFY(!migrated.exists("notes.txt"));

    // An existing data folder is left alone.
    writeFile(root + "/Old Client/late.ini", "x");
    Application::migrateDataFolder(data);
    QVERIFY(!migrated.exists("late.ini"));

    // Nothing to migrate from: no folder is made.
    Application::migrateDataFolder(root + "/Unrelated/Deeper/Telvarion");
    QVERIFY(!QDir(root + "/Unrelated/Deeper/Telvarion").exists());
}

void ApplicationTest::logFolders()
{
    TestSupport::Environment env;
    const QString previous = QDir::currentPath();
    Application::prepareLogFolders(env.dataPath() + "/");
    QVERIFY(QDir(env.dataPath() + "/logs/dovive").exists());
    QVERIFY(QDir(env.dataPath() + "/logs/zyn").exists());
    QCOMPARE(QDir::currentPath(), QDir(env.dataPath()).canonicalPath());
    QDir::setCurrent(previous);
}

void ApplicationTest::loggingFollowsStoredChoice_data()
{
    QTest::addColumn<bool>("stored");
    QTest::addColumn<bool>("requested");
    QTest::addColumn<bool>("running");
    QTest::newRow("stored and requested") << true << true << true;
    QTest::newRow("requested, not stored") << false << true << false;
    QTest::newRow("stored, switched off") << true << false << false;
}

void ApplicationTest::loggingFollowsStoredChoice()
{
    QFETCH(bool, stored);
    QFETCH(bool, requested);
    QFETCH(bool, running);
    TestSupport::Environment env;
    Kivo::Settings(Kivo::Settings::ApplicationSettings).setValue(Constants::SettingsKey::LoggingEnabled, stored);
    m_Application->enableBasicLogging(requested);
    QCOMPARE(Tesk::Core::Logging::ApacheLogger::isRunning(), running);
    // The Qt handler installed last must still let the test framework see messages.
    qInstallMessageHandler(nullptr);
    Tesk::Core::Logging::ApacheLogger::Stop();
}

void ApplicationTest::qtMessagesRoutedThroughQmlLoggerFirst()
{
    TestSupport::Environment env;
    Kivo::Settings(Kivo::Settings::ApplicationSettings).setValue(Constants::SettingsKey::LoggingEnabled, true);
    m_Application->enableBasicLogging(true);
    qWarning("plain warning");
    qDebug().noquote() << QML::Logger().encode(QML::Logger::EError, "scene record");
    qInstallMessageHandler(nullptr);
    Tesk::Core::Logging::ApacheLogger::Stop();

    int plain = 0;
    int scene = 0;
    for (const Tesk::Core::Logging::Record& record : env.logs().records()) {
        if (record.text == "plain warning") {
            ++plain;
            QCOMPARE(record.category, QString("QtLogger"));
            QCOMPARE(int(record.level), 3);
        }
        if (record.text.contains("scene record")) {
            ++scene;
            QCOMPARE(int(record.level), 4);
            QVERIFY(!record.text.contains(QML::Logger::Marker));
        }
    }
    QCOMPARE(plain, 1);
    QCOMPARE(scene, 1);
}

namespace {

// Set for the copy of this test program that dies of a fatal message with the log
// switch as the row says; names the log folder.
constexpr const char* FatalLogFolderVariable = "TELVARION_TEST_FATAL_LOG_FOLDER";
constexpr const char* FatalLoggingVariable = "TELVARION_TEST_FATAL_LOGGING";

int dieOfFatalMessage(int argc, char** argv)
{
    Application application(argc, argv);
    Tesk::Core::Logging::ApacheLogger::setLogFolder(qEnvironmentVariable(FatalLogFolderVariable));
    TestSupport::Environment env;
    const bool logging = qEnvironmentVariableIntValue(FatalLoggingVariable) == 1;
    Kivo::Settings(Kivo::Settings::ApplicationSettings).setValue(Constants::SettingsKey::LoggingEnabled, logging);
    application.enableBasicLogging(true);
    qFatal("Object destroyed while one of its handlers is in progress: %s", "the test's");
    return 0;
}

} // namespace

void ApplicationTest::fatalMessageReachesStderrAndCrashRecord_data()
{
    QTest::addColumn<bool>("logging");
    QTest::newRow("logging off") << false;
    QTest::newRow("logging on") << true;
}

void ApplicationTest::fatalMessageReachesStderrAndCrashRecord()
{
    QFETCH(bool, logging);
    const QTemporaryDir logs;
    QProcess dying;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(FatalLogFolderVariable, logs.path());
    environment.insert(FatalLoggingVariable, logging ? "1" : "0");
    dying.setProcessEnvironment(environment);
    dying.start(QCoreApplication::applicationFilePath(), QStringList());
    QVERIFY(dying.waitForFinished(30000));

    QCOMPARE(dying.exitStatus(), QProcess::CrashExit);
    const QString text = "Object destroyed while one of its handlers is in progress: the test's";
    QVERIFY2(QString::fromUtf8(dying.readAllStandardError()).contains(text), "not on stderr");
    QFile record(logs.filePath("crash.log"));
    QVERIFY(record.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromUtf8(record.readAll()).contains(" FATAL "));
    record.seek(0);
    QVERIFY(QString::fromUtf8(record.readAll()).contains(text));
}

void ApplicationTest::clearingLogsAlwaysAnnounced()
{
    TestSupport::Environment env;
    const QString previous = QDir::currentPath();
    QSignalSpy cleared(m_Application, &Application::clearLogs);
    m_Application->deleteLogFiles();
    QCOMPARE(cleared.count(), 1);
    QVERIFY(env.logs().contains("Log files removed. Starting over!!!", 2));

    qputenv("TELVARION_DATA_PATH", QByteArray(env.dataPath().toUtf8() + "/missing"));
    m_Application->deleteLogFiles();
    QCOMPARE(cleared.count(), 2);
    QVERIFY(env.logs().contains("Failed to locate directory " + env.dataPath() + "/missing", 4));
    QDir::setCurrent(previous);
}

void ApplicationTest::aboutShownOnce()
{
    TestSupport::Environment env;
    m_Application->cbActionAbout();
    m_Application->cbActionAbout();
    int shown = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QML::About*>(widget) && widget->isVisible())
            ++shown;
    }
    QCOMPARE(shown, 1);
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QML::About*>(widget))
            delete widget;
    }
}

void ApplicationTest::preferencesPageOnlyWhenOpening()
{
    TestSupport::Environment env;
    m_Application->openPreferences(3);
    QList<Dialogs::PreferencesWindow*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Dialogs::PreferencesWindow*>(widget))
            windows << window;
    }
    QCOMPARE(windows.size(), 1);
    QVERIFY(windows.first()->isVisible());
    // Signed out, the page opens on Proxy whatever tab was asked for.
    auto* tabs = windows.first()->findChild<QTabWidget*>("preferencesTabs");
    QVERIFY(tabs);
    QCOMPARE(tabs->currentWidget()->objectName(), QString("proxyTab"));
    // The property is read once and cleared.
    QVERIFY(!m_Application->menuActionProvider()->action(Constants::MenuAction::Preferences)->property("tab").isValid());

    tabs->setCurrentIndex(0);
    m_Application->openPreferences(5);
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        count += qobject_cast<Dialogs::PreferencesWindow*>(widget) ? 1 : 0;
    QCOMPARE(count, 1);
    // A second request only raises the open window.
    QCOMPARE(tabs->currentIndex(), 0);
    delete windows.first();
}

void ApplicationTest::missingSettingsFolderEndsStartUp()
{
    // The test program's folder has neither "settings/" nor "../settings/" beside it.
    QVERIFY(!QDir(Application::settingsFolder()).exists());
    TestSupport::Environment env;
    // Start-up writes the client-path variable before it looks for the settings folder.
    const QTemporaryDir home;
    const QByteArray previousRegistry = qgetenv("TELVARION_REGISTRY_FILE");
    qputenv("TELVARION_REGISTRY_FILE", home.filePath("registry.ini").toUtf8());
    const QString previousFolder = QDir::currentPath();
    const QtMessageHandler previousHandler = qInstallMessageHandler(nullptr);
    qInstallMessageHandler(previousHandler);
    const QString name = QCoreApplication::applicationName();
    const QString organization = QCoreApplication::organizationName();
    const QString domain = QCoreApplication::organizationDomain();

    bool started = true;
    QString shownTitle;
    {
        MessageCloser closer;
        started = m_Application->initialize();
        shownTitle = closer.title();
    }
    const QString expectedTitle = QCoreApplication::applicationName() + ": UI setting error";

    QCoreApplication::setApplicationName(name);
    QCoreApplication::setOrganizationName(organization);
    QCoreApplication::setOrganizationDomain(domain);
    qInstallMessageHandler(previousHandler);
    QDir::setCurrent(previousFolder);
    qputenv("TELVARION_REGISTRY_FILE", previousRegistry);

    QVERIFY(!started);
    QVERIFY(QFile::exists(home.filePath("registry.ini")));
    QCOMPARE(shownTitle, expectedTitle);
    QVERIFY(loggedByStartup(env, "Couldn't find UI settings file"));
    QVERIFY(!m_Application->loginWindow());
}

void ApplicationTest::missingThemeEndsStartUp()
{
    // Neither beside the test program nor in the fresh data folder is there a theme.
    TestSupport::Environment env;
    QTemporaryDir defaults;
    Kivo::Settings::setPath(Kivo::Settings::DefaultSettings, defaults.path());
    Utils::Themes::setActiveTheme("gone");
    MessageCloser closer;
    QVERIFY(!m_Application->loadTheme());
    QCOMPARE(closer.title(), QCoreApplication::applicationName() + ": Theme Loading Error");
    QVERIFY(loggedByStartup(env, "Default theme not found."));
    QCOMPARE(Utils::Themes::activeTheme(), QString("gone"));
}

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsSet(FatalLogFolderVariable))
        return dieOfFatalMessage(argc, argv);
    Q_INIT_RESOURCE(telvarion_ui);
    QTemporaryDir sockets;
    qputenv("TMPDIR", sockets.path().toUtf8());
    // The command line of a start from a link: capitals are not the prefix, the last link wins.
    QByteArrayList arguments{"--qomx: first ", "--QOMX:ignored", "--callto:555", "--qomx: second "};
    std::vector<char*> applicationArgv{argv[0]};
    for (QByteArray& argument : arguments)
        applicationArgv.push_back(argument.data());
    int applicationArgc = int(applicationArgv.size());
    applicationArgv.push_back(nullptr);
    Application application(applicationArgc, applicationArgv.data());
    registerQmlTypes();
    // As the program does: the style every scene reads.
    QML::Style style(nullptr);

    ApplicationTest test(&application);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
