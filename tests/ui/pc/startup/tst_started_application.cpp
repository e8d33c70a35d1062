#include "application.h"

#include "Providers/menu_action_provider.h"
#include "common/constants.h"
#include "libqml/components/loginwindow/login_window.h"
#include "libqml/utils/style.h"
#include "support/test_environment.h"
#include "tray.h"

#include <QAction>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The application after a whole start-up in a program folder of its own, signed out: what
// the running instance does with single-instance messages, and the tray it put up.
class StartedApplicationTest : public QObject
{
    Q_OBJECT

public:
    explicit StartedApplicationTest(Application& application) : m_App(application) {}

private slots:
    void initTestCase();
    void cleanupTestCase();
    void messagesFromSecondStart_data();
    void messagesFromSecondStart();
    void trayOffersSignedOutEntries();

private:
    Application& m_App;
    std::unique_ptr<TestSupport::QmlWarningGuard> m_QmlWarnings;
};

void StartedApplicationTest::initTestCase()
{
    QVERIFY(m_App.initialize());
    // The test framework and the application install message handlers after the
    // environment's guard: guard again on top of both.
    m_QmlWarnings = std::make_unique<TestSupport::QmlWarningGuard>();
    QVERIFY(m_App.loginWindow());
    QVERIFY(m_App.loginWindow()->isVisible());
}

void StartedApplicationTest::cleanupTestCase()
{
    m_QmlWarnings.reset();
}

void StartedApplicationTest::messagesFromSecondStart_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("link");
    QTest::newRow("activate") << "activate!" << true << "kept";
    QTest::newRow("activate in capitals") << "ACTIVATE!" << true << "kept";
    QTest::newRow("activate with trailing text") << "Activate! --qomx:ignored" << true << "kept";
    QTest::newRow("link") << "--qomx:bGluaw==" << false << "bGluaw==";
    QTest::newRow("empty") << "" << false << "kept";
}

void StartedApplicationTest::messagesFromSecondStart()
{
    QFETCH(QString, message);
    QFETCH(bool, shown);
    QFETCH(QString, link);
    m_App.setQomxLink("kept");
    m_App.loginWindow()->hide();

    // Delivered as the transport delivers it: start-up connected the receiver last.
    emit m_App.messageReceived(message);

    QCOMPARE(m_App.loginWindow()->isVisible(), shown);
    QCOMPARE(m_App.qomxLink(), link);
}

void StartedApplicationTest::trayOffersSignedOutEntries()
{
    QVERIFY(m_App.tray());
    QStringList entries;
    for (const QAction* action : m_App.tray()->menu()->actions())
        entries << (action->isSeparator() ? QString("-") : action->text());
    QCOMPARE(entries, QStringList({"Open Application", "-", "About", "-", "Sign Out", "Exit"}));
    QCOMPARE(m_App.tray()->trayIcon()->toolTip(), QCoreApplication::applicationName());
    QVERIFY(!m_App.tray()->trayIcon()->icon().isNull());
}

int main(int argc, char** argv)
{
    // Everything the program writes goes to folders of this run.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
    qputenv("TELVARION_REGISTRY_FILE", (home.path() + "/registry.ini").toUtf8());
    qputenv("TMPDIR", home.path().toUtf8());
    TestSupport::Environment environment;
    Application application(argc, argv);
    Q_INIT_RESOURCE(telvarion_ui);
    // The scenes read the style until the application's windows are gone.
    new QML::Style(&application);
    StartedApplicationTest test(application);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_started_application.moc"
