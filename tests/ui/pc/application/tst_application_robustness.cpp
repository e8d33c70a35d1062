// The program under hostile but plausible conditions: starts that race, a flood of idle
// connections on the single-instance socket, a display without OpenGL, and a session that
// opens before the last one closed.

#include "Utils/ContactNotification/contact_online_player.h"
#include "Utils/communications_window_manager.h"
#include "Utils/scene_graph_backend.h"
#include "common/constants.h"
#include "libqml/components/mainwindow/main_window.h"
#include "libqml/components/presencerequest/presence_request_dialog.h"
#include "qt_single_application.h"
#include "support/application_test.h"
#include "support/program_copy.h"

#include <QDir>
#include <QLocalSocket>
#include <QPointer>
#include <QProcess>
#include <QtTest>

#include <csignal>

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <memory>
#include <vector>

using Utils::SceneGraphBackend;

namespace {

// A process that may open no more descriptors than a desktop session commonly allows.
class DescriptorLimitedProcess : public QProcess
{
protected:
    void setupChildProcess() override
    {
        rlimit limit = {};
        ::getrlimit(RLIMIT_NOFILE, &limit);
        limit.rlim_cur = qMin<rlim_t>(1024, limit.rlim_max);
        ::setrlimit(RLIMIT_NOFILE, &limit);
    }
};

// A connection that says nothing; -1 when none could be made within the time.
int idleConnection(const QString& path, int timeoutMs = 5000)
{
    const int descriptor = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (descriptor < 0)
        return -1;
    const timeval timeout = {timeoutMs / 1000, (timeoutMs % 1000) * 1000};
    ::setsockopt(descriptor, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof(timeout));
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof(address.sun_path));
    if (::connect(descriptor, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0) {
        ::close(descriptor);
        return -1;
    }
    return descriptor;
}

QString socketPath(const QString& id)
{
    return QDir::cleanPath(QDir::tempPath()) + '/' + QtSingleApplication::serverName(id);
}

// Starts the processes at once and waits until all but one have ended; that one is returned.
QProcess* survivorOf(const std::vector<std::unique_ptr<QProcess>>& starts)
{
    const auto running = [&starts] {
        return std::count_if(starts.cbegin(), starts.cend(),
                             [](const auto& start) { return start->state() != QProcess::NotRunning; });
    };
    QDeadlineTimer deadline(60000);
    while (running() > 1 && !deadline.hasExpired())
        QTest::qWait(20);
    // A second instance would keep running too: give it the time to show.
    QTest::qWait(200);
    if (running() != 1)
        return nullptr;
    for (const auto& start : starts) {
        if (start->state() != QProcess::NotRunning)
            return start.get();
        if (start->exitStatus() != QProcess::NormalExit || start->exitCode() != 0)
            return nullptr;
    }
    return nullptr;
}

} // namespace

class ApplicationRobustnessTest : public TestSupport::ApplicationTest
{
    Q_OBJECT

public:
    using ApplicationTest::ApplicationTest;

private slots:
    void startsAtOnceLeaveOneInstance();
    void aFirstInstanceThatDoesNotAnswerKeepsItsPlace();
    void idleConnectionsDoNotStopTheHandOver();
    void aSecondStartThatHandsOverNothingSaysSo();
    void programStartsAtOnceLeaveOneThatAddinsReach();
    void sceneGraphBackendChoice_data();
    void sceneGraphBackendChoice();
    void softwareWithoutAskingOpenGl_data();
    void softwareWithoutAskingOpenGl();
    void openGlDriverKeptOutWhenScenesDrawInSoftware_data();
    void openGlDriverKeptOutWhenScenesDrawInSoftware();
    void programStartsWithoutOpenGl();
    void sessionOpenedBeforeTheLastClosedReplacesItsObjects();
};

void ApplicationRobustnessTest::startsAtOnceLeaveOneInstance()
{
    // The race is lost only now and then: several rounds, each of four starts that meet at
    // one instant.
    for (int round = 0; round < 8; ++round) {
        const QString id = QString("race-%1-%2").arg(QCoreApplication::applicationPid()).arg(round);
        const QString startTime = QString::number(QDateTime::currentMSecsSinceEpoch() + 300);
        std::vector<std::unique_ptr<QProcess>> starts;
        for (int i = 0; i < 4; ++i) {
            starts.push_back(std::make_unique<QProcess>());
            starts.back()->start(PEER_PROGRAM, {id, "--start", QString("from %1").arg(i), startTime});
        }
        QProcess* const survivor = survivorOf(starts);
        QVERIFY2(survivor, qPrintable(QString("round %1").arg(round)));
        QTRY_COMPARE_WITH_TIMEOUT(QString::fromUtf8(survivor->peek(4096)).count("message:from "), 3, 30000);
        QVERIFY(survivor->readLine().startsWith("instance"));
        for (const auto& start : starts)
            start->kill();
        for (const auto& start : starts)
            start->waitForFinished(30000);
    }
}

void ApplicationRobustnessTest::aFirstInstanceThatDoesNotAnswerKeepsItsPlace()
{
    // A first instance busy with its start-up answers nobody for a while; a start that finds
    // it silent must not take its place.
    const QString id = QString("silent-%1").arg(QCoreApplication::applicationPid());
    QProcess first;
    first.start(PEER_PROGRAM, {id, "--start"});
    QVERIFY(first.waitForReadyRead(30000));
    QCOMPARE(first.readLine(), QByteArray("instance\n"));
    QCOMPARE(::kill(pid_t(first.processId()), SIGSTOP), 0);
    std::vector<int> waiting;
    for (int descriptor = idleConnection(socketPath(id), 100); descriptor >= 0 && waiting.size() < 500;
         descriptor = idleConnection(socketPath(id), 100))
        waiting.push_back(descriptor);

    QProcess second;
    second.start(PEER_PROGRAM, {id, "--start", "while silent"});
    const bool ended = second.waitForFinished(15000);
    ::kill(pid_t(first.processId()), SIGCONT);
    for (const int descriptor : waiting)
        ::close(descriptor);
    QVERIFY2(ended, "the second start took the first one's place");
    // Ended without handing over: the silent instance took nothing.
    QCOMPARE(second.exitCode(), 1);
    QVERIFY(!second.readAll().contains("instance"));
    first.kill();
    first.waitForFinished(30000);
}

void ApplicationRobustnessTest::idleConnectionsDoNotStopTheHandOver()
{
    const QString id = QString("flood-%1").arg(QCoreApplication::applicationPid());
    DescriptorLimitedProcess first;
    first.start(PEER_PROGRAM, {id, "--start"});
    QVERIFY(first.waitForReadyRead(30000));
    QCOMPARE(first.readLine(), QByteArray("instance\n"));

    std::vector<int> idle;
    for (int i = 0; i < 1024; ++i) {
        const int descriptor = idleConnection(socketPath(id));
        if (descriptor >= 0)
            idle.push_back(descriptor);
    }
    QProcess second;
    second.start(PEER_PROGRAM, {id, "--start", "after the flood"});
    const bool ended = second.waitForFinished(20000);
    for (const int descriptor : idle)
        ::close(descriptor);
    QVERIFY(ended);
    QCOMPARE(second.exitCode(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(first.peek(4096).contains("message:after the flood"), 10000);
    QVERIFY2(idle.size() == 1024, qPrintable(QString("%1 idle connections made").arg(idle.size())));
    first.kill();
    first.waitForFinished(30000);
}

void ApplicationRobustnessTest::aSecondStartThatHandsOverNothingSaysSo()
{
    // The first instance owns the program's name but reads nothing: stopped.
    TestSupport::ProgramCopy copy(TEST_PROGRAM_DIR, TEST_PROGRAM, TEST_SHIPPED_SETTINGS);
    QVERIFY(copy.isValid());
    QProcess first;
    first.setProcessEnvironment(copy.environment());
    first.start(PEER_PROGRAM, {Constants::SingleInstance::Id, "--start"});
    QVERIFY(first.waitForReadyRead(30000));
    QCOMPARE(first.readLine(), QByteArray("instance\n"));
    QCOMPARE(::kill(pid_t(first.processId()), SIGSTOP), 0);

    QProcess second;
    second.setProcessEnvironment(copy.environment());
    second.start(copy.program(), {"--qomx:bG9zdA=="});
    const bool ended = second.waitForFinished(30000);
    ::kill(pid_t(first.processId()), SIGCONT);
    first.kill();
    first.waitForFinished(30000);
    QVERIFY(ended);
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QVERIFY(second.exitCode() != 0);
    QVERIFY2(second.readAllStandardError().contains("did not take \"--qomx:bG9zdA==\""), "nothing said on stderr");
}

void ApplicationRobustnessTest::programStartsAtOnceLeaveOneThatAddinsReach()
{
    TestSupport::ProgramCopy copy(TEST_PROGRAM_DIR, TEST_PROGRAM, TEST_SHIPPED_SETTINGS);
    QVERIFY(copy.isValid());
    QVERIFY(copy.enableLogging());
    std::vector<std::unique_ptr<QProcess>> starts;
    for (int i = 0; i < 4; ++i) {
        starts.push_back(std::make_unique<QProcess>());
        starts.back()->setProcessEnvironment(copy.environment());
        starts.back()->start(copy.program(), {QString("--qomx:bGluay%1").arg(i)});
    }
    QProcess* const survivor = survivorOf(starts);
    QVERIFY(survivor);
    QTRY_VERIFY_WITH_TIMEOUT(copy.logText().count("Keeping the link until signed in: bGluay") >= 3, 30000);
    QCOMPARE(copy.logText().count("Application initialization is complete"), 1);

    QLocalSocket addin;
    addin.connectToServer(copy.path("api"));
    QVERIFY(addin.waitForConnected(5000));
    addin.write("hello 1 :{race} :1 0\n");
    QTRY_VERIFY_WITH_TIMEOUT(addin.canReadLine(), 10000);
    QVERIFY(addin.readLine().startsWith("state "));
    for (const auto& start : starts)
        start->kill();
    for (const auto& start : starts)
        start->waitForFinished(30000);
}

void ApplicationRobustnessTest::sceneGraphBackendChoice_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("environment");
    QTest::addColumn<QString>("renderer");
    QTest::addColumn<int>("choice");

    const QStringList none;
    QTest::newRow("hardware driver") << none << QByteArray() << "Mesa Intel(R) UHD Graphics 620" << int(SceneGraphBackend::OpenGl);
    QTest::newRow("no OpenGL") << none << QByteArray() << QString() << int(SceneGraphBackend::Software);
    QTest::newRow("llvmpipe") << none << QByteArray() << "llvmpipe (LLVM 15.0.6, 256 bits)" << int(SceneGraphBackend::Software);
    QTest::newRow("softpipe") << none << QByteArray() << "softpipe" << int(SceneGraphBackend::Software);
    QTest::newRow("environment names one") << none << QByteArray("software") << "NVIDIA GeForce" << int(SceneGraphBackend::LeftToQt);
    QTest::newRow("switch over driver") << QStringList{"--scene-graph=software"} << QByteArray() << "NVIDIA GeForce"
                                        << int(SceneGraphBackend::Software);
    QTest::newRow("switch over environment") << QStringList{"--scene-graph=OpenGL"} << QByteArray("software") << QString()
                                             << int(SceneGraphBackend::OpenGl);
    QTest::newRow("unknown switch") << QStringList{"--scene-graph=vulkan"} << QByteArray() << "llvmpipe"
                                    << int(SceneGraphBackend::Software);
}

void ApplicationRobustnessTest::sceneGraphBackendChoice()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, environment);
    QFETCH(QString, renderer);
    QFETCH(int, choice);
    QCOMPARE(int(SceneGraphBackend::decide(arguments, environment, [&renderer] { return renderer; })), choice);
}

void ApplicationRobustnessTest::softwareWithoutAskingOpenGl_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QByteArray>("variable");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("software");

    QTest::newRow("offscreen") << "offscreen" << QByteArray() << QByteArray() << true;
    QTest::newRow("minimal") << "minimal" << QByteArray() << QByteArray() << true;
    QTest::newRow("vnc") << "vnc" << QByteArray() << QByteArray() << true;
    QTest::newRow("xcb") << "xcb" << QByteArray() << QByteArray() << false;
    QTest::newRow("wayland") << "wayland" << QByteArray() << QByteArray() << false;
    QTest::newRow("xcb without GL integration") << "xcb" << QByteArray("QT_XCB_GL_INTEGRATION") << QByteArray("none") << true;
    QTest::newRow("xcb with GLX") << "xcb" << QByteArray("QT_XCB_GL_INTEGRATION") << QByteArray("xcb_glx") << false;
    QTest::newRow("Mesa told software") << "xcb" << QByteArray("LIBGL_ALWAYS_SOFTWARE") << QByteArray("1") << true;
    QTest::newRow("Mesa told not") << "wayland" << QByteArray("LIBGL_ALWAYS_SOFTWARE") << QByteArray("0") << false;
}

void ApplicationRobustnessTest::softwareWithoutAskingOpenGl()
{
    QFETCH(QString, platform);
    QFETCH(QByteArray, variable);
    QFETCH(QByteArray, value);
    QFETCH(bool, software);
    const auto environment = [&variable, &value](const char* name) { return name == variable ? value : QByteArray(); };
    const QString reason = SceneGraphBackend::softwareReason(platform, environment);
    QCOMPARE(!reason.isEmpty(), software);
    // With a reason the renderer is never asked: no OpenGL context is made for it.
    int asked = 0;
    const auto renderer = [&asked] {
        ++asked;
        return QStringLiteral("Mesa Intel(R) UHD Graphics 620");
    };
    const auto choice = SceneGraphBackend::decide({}, QByteArray(), renderer, [&reason] { return reason; });
    QCOMPARE(int(choice), int(software ? SceneGraphBackend::Software : SceneGraphBackend::OpenGl));
    QCOMPARE(asked, software ? 0 : 1);
}

void ApplicationRobustnessTest::openGlDriverKeptOutWhenScenesDrawInSoftware_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("variable");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("keptOut");

    const QStringList none;
    const QStringList software{"--scene-graph=Software"};
    QTest::newRow("nothing said") << none << QByteArray() << QByteArray() << false;
    QTest::newRow("switch") << software << QByteArray() << QByteArray() << true;
    QTest::newRow("switch to OpenGL") << QStringList{"--scene-graph=opengl"} << QByteArray("QT_QUICK_BACKEND")
                                      << QByteArray("software") << false;
    QTest::newRow("environment") << none << QByteArray("QT_QUICK_BACKEND") << QByteArray("software") << true;
    QTest::newRow("older environment") << none << QByteArray("QMLSCENE_DEVICE") << QByteArray("softwarecontext") << true;
    QTest::newRow("other backend") << none << QByteArray("QT_QUICK_BACKEND") << QByteArray("openvg") << false;
    QTest::newRow("integration named") << software << QByteArray("QT_XCB_GL_INTEGRATION") << QByteArray("xcb_egl")
                                       << false;
}

void ApplicationRobustnessTest::openGlDriverKeptOutWhenScenesDrawInSoftware()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, variable);
    QFETCH(QByteArray, value);
    QFETCH(bool, keptOut);
    const auto environment = [&variable, &value](const char* name) { return name == variable ? value : QByteArray(); };
    QCOMPARE(SceneGraphBackend::drawsInSoftwareFromStart(arguments, environment), keptOut);
}

void ApplicationRobustnessTest::programStartsWithoutOpenGl()
{
    TestSupport::ProgramCopy copy(TEST_PROGRAM_DIR, TEST_PROGRAM, TEST_SHIPPED_SETTINGS);
    QVERIFY(copy.isValid());
    QVERIFY(copy.enableLogging());
    // The offscreen platform has no OpenGL of its own; with a display it may borrow one.
    QProcessEnvironment environment = copy.environment();
    environment.remove("QT_QUICK_BACKEND");
    environment.remove("DISPLAY");
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(copy.program(), QStringList());
    QTRY_VERIFY_WITH_TIMEOUT(copy.logText().contains("Application initialization is complete")
                                 || program.state() == QProcess::NotRunning,
                             60000);
    QCOMPARE(program.state(), QProcess::Running);
    QVERIFY(copy.logText().contains("Scenes draw in software (the offscreen platform has no OpenGL)"));
    program.kill();
    program.waitForFinished(30000);
}

void ApplicationRobustnessTest::sessionOpenedBeforeTheLastClosedReplacesItsObjects()
{
    signIn();
    const QPointer<QObject> mainWindow = m_App.mainWindow();
    const QPointer<QObject> windows = m_App.communicationsWindowManager();
    const QPointer<QObject> contactOnline = m_App.contactOnlinePlayer();
    const QPointer<QObject> presenceRequests = m_App.presenceRequestDialog();
    QVERIFY(mainWindow && windows && contactOnline && presenceRequests && m_App.providerFactory());

    m_App.cbSessionOpened(*m_App.session());
    QVERIFY(logs().contains("A session opened before the last one closed", 3));
    QVERIFY(!mainWindow && !windows && !contactOnline && !presenceRequests);
    QVERIFY(m_App.mainWindow() && m_App.communicationsWindowManager() && m_App.providerFactory());

    signOut();
    QVERIFY(!m_App.mainWindow());
}

int main(int argc, char** argv)
{
    return TestSupport::execApplicationTest<ApplicationRobustnessTest>(argc, argv);
}

#include "tst_application_robustness.moc"
