#include "support/application_test.h"

#include "Providers/menu_action_provider.h"
#include "common/constants.h"
#include "libqml/components/loginwindow/login_window.h"
#include "libqml/components/mainwindow/main_window.h"
#include "libqml/utils/style.h"

#include "support/fake_secret_store.h"

#include <Kivo/Settings.h>
#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Service.h>

#include <QAction>
#include <QSettings>

// Resources of a static library are initialised by name, and never from inside a namespace.
static void initUiResources()
{
    Q_INIT_RESOURCE(telvarion_ui);
}

namespace TestSupport {

ApplicationTest::ApplicationTest(Application& app, Environment& environment)
    : m_App(app)
    , m_Environment(environment)
{
}

ApplicationTest::~ApplicationTest() = default;

void ApplicationTest::initTestCase()
{
    QVERIFY(m_App.initialize());
    // The demo's colleagues take their time to answer; a test that follows them (the
    // journey) lets them, the others have the far end answer at once.
    Kivo::Simulation::Control(service()).setColleaguesActive(false);
    // The test framework and the application install their own message handlers after the
    // environment's guard: guard again on top of both so QML warnings still fail the run.
    m_QmlWarnings = std::make_unique<QmlWarningGuard>();
}

void ApplicationTest::cleanupTestCase()
{
    m_QmlWarnings.reset();
}

void ApplicationTest::signIn(const QString& user, const QString& password)
{
    QML::LoginWindow* login = m_App.loginWindow();
    QVERIFY(login);
    login->setUsername(user);
    login->setPassword(password);
    login->onSigninClicked();
    QTRY_VERIFY(m_App.mainWindow() && m_App.mainWindow()->isVisible());
}

void ApplicationTest::signOut()
{
    m_App.menuActionProvider()->action(Constants::MenuAction::SignOut)->trigger();
    waitUntilSignedOut();
}

void ApplicationTest::waitUntilSignedOut()
{
    QTRY_VERIFY(!m_App.session() && !service().isSignedIn());
    QTRY_VERIFY(m_App.loginWindow());
}

Kivo::Simulation::Service& ApplicationTest::service()
{
    return Kivo::Simulation::Service::shared();
}

Tesk::Core::Logging::RecordCapture& ApplicationTest::logs()
{
    return m_Environment.logs();
}

QString ApplicationTest::dataPath() const
{
    return m_Environment.dataPath();
}

ApplicationRun::Home::Home()
{
    qputenv("XDG_CONFIG_HOME", (folder.path() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (folder.path() + "/data").toUtf8());
    qputenv("TELVARION_REGISTRY_FILE", (folder.path() + "/registry.ini").toUtf8());
    // The single-instance socket of this run, apart from any other program's.
    qputenv("TMPDIR", folder.path().toUtf8());
}

ApplicationRun::DataFolder::DataFolder(Environment& environment, User user)
{
    FileSecretStore::install(environment.dataPath() + "/secrets.ini");
    if (user == User::Returning) {
        QSettings settings(environment.dataPath() + '/' + Kivo::Settings::fileNameFor(Kivo::Settings::ApplicationSettings),
                           QSettings::IniFormat);
        settings.setValue(Constants::SettingsKey::EulaAccepted, true);
    }
}

ApplicationRun::ApplicationRun(int& argc, char** argv, User user, const QString& dataPath)
    : m_Environment(dataPath)
    , m_DataFolder(m_Environment, user)
    , m_Application(argc, argv)
{
    initUiResources();
    // The scenes read the style until the application's windows are gone.
    new QML::Style(&m_Application);
}

} // namespace TestSupport
