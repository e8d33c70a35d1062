#include "journey/user.h"

#include "Dialogs/message_window.h"
#include "libqml/components/eula/eula_dialog.h"
#include "libqml/components/loginwindow/login_window.h"
#include "libqml/components/mainwindow/main_window.h"
#include "libqml/window/qml_view.h"
#include "support/application_test.h"
#include "support/url_catcher.h"

#include <Kivo/Simulation/Service.h>

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QFile>
#include <QProcess>
#include <QQuickItem>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using Journey::User;
using TestSupport::UrlCatcher;

namespace {

// Names the data folder of a first run to the same test program started again: the
// restarted program finds there what the first run kept.
constexpr const char* RestartDataVariable = "TELVARION_JOURNEY_RESTART_DATA";

} // namespace

// The steps every path shares, taken as the user takes them.
class JourneyBase : public TestSupport::ApplicationTest
{
    Q_OBJECT

public:
    using ApplicationTest::ApplicationTest;

protected:
    QML::LoginWindow* shownLoginWindow()
    {
        QML::LoginWindow* login = m_App.loginWindow();
        return login && login->isVisible() ? login : nullptr;
    }

    QML::MainWindow* shownMainWindow()
    {
        QML::MainWindow* main = m_App.mainWindow();
        return main && main->isVisible() ? main : nullptr;
    }

    static Dialogs::MessageWindow* shownMessage()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* message = qobject_cast<Dialogs::MessageWindow*>(widget); message && message->isVisible())
                return message;
        }
        return nullptr;
    }

    // The item has the caret and the keys go to it.
    static bool hasKeyboardFocus(QML::Window* window, const QString& name)
    {
        const QQuickItem* field = User::item(window, name);
        return field && field->hasActiveFocus() && QApplication::focusWidget() == window->view();
    }

    // Ctrl+Q in the main window, while the event loop runs as in the program: the loop ends
    // with code 0 once the session is closed. Ends the application of this run.
    void exitWithCtrlQ()
    {
        QML::MainWindow* main = shownMainWindow();
        QVERIFY(main);
        QVERIFY(User::activate(main));
        QTimer::singleShot(0, main, [] { User::press(Qt::Key_Q, Qt::ControlModifier); });
        // A loop still running after a while has not quit.
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        watchdog.start(20000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!service().isSignedIn());
        QVERIFY(!m_App.session());
        QVERIFY(!m_App.mainWindow());
    }
};

// A new user's first session, as issue after issue extends it: each step starts where the
// one before ended. New paths go before exitsWithCtrlQ, which ends the application.
class JourneyTest : public JourneyBase
{
    Q_OBJECT

public:
    using JourneyBase::JourneyBase;

private slots:
    void initTestCase();
    void newUserAcceptsTheAgreement();
    void signsInWithTabBetweenTheFields();
    void signsOutWithTheMainWindowsButton();
    void mistypedPasswordIsToldAndTypedAgain();
    void signsInAgainWithReturnRememberingThePassword();
    void closedMainWindowComesBackWithASecondStart();
    void f1OpensTheHelpOfTheView();
    void exitsWithCtrlQ();
    void restartFillsThePasswordAndSignsInAutomatically();
};

void JourneyTest::initTestCase()
{
    ApplicationTest::initTestCase();
    service().setLatency(1);
}

void JourneyTest::newUserAcceptsTheAgreement()
{
    QML::EulaDialog* agreement = QML::EulaDialog::existing();
    QVERIFY(agreement && agreement->isVisible());
    QVERIFY(!shownLoginWindow());
    // A second start brings the agreement forward: the login window waits for the answer.
    emit m_App.messageReceived("activate!");
    QVERIFY(!shownLoginWindow());
    QVERIFY(agreement->isVisible());

    // The first "I Agree" shows the end of the text, the second accepts.
    QVERIFY(User::click(agreement, "agreeButton"));
    QVERIFY(!shownLoginWindow());
    QVERIFY(User::click(agreement, "agreeButton"));
    QTRY_VERIFY(shownLoginWindow());
    QTRY_VERIFY(!QML::EulaDialog::existing());
}

void JourneyTest::signsInWithTabBetweenTheFields()
{
    QML::LoginWindow* login = shownLoginWindow();
    QVERIFY(login);
    QVERIFY(User::activate(login));
    // The caret waits in the user name: typing goes there without a click.
    QVERIFY(User::type("alice"));
    QVERIFY(User::press(Qt::Key_Tab));
    QVERIFY(hasKeyboardFocus(login, "passwordField"));
    QVERIFY(User::type(DemoPassword));
    // What was typed landed where it was shown: the name in the name, the password hidden.
    QCOMPARE(login->username(), QString("alice"));
    QCOMPARE(login->password(), QString(DemoPassword));
    // Shift+Tab goes back to the name, Tab forth to the password again.
    QVERIFY(User::press(Qt::Key_Backtab, Qt::ShiftModifier));
    QVERIFY(login->view()->isAncestorOf(QApplication::focusWidget()));
    QVERIFY(!User::item(login, "passwordField")->hasActiveFocus());
    QVERIFY(User::press(Qt::Key_Tab));
    QVERIFY(hasKeyboardFocus(login, "passwordField"));
    QCOMPARE(login->password(), QString(DemoPassword));
    QVERIFY(User::click(login, "signinButton"));

    QTRY_VERIFY(shownMainWindow());
    QML::MainWindow* main = shownMainWindow();
    QVERIFY(!shownLoginWindow());
    QCOMPARE(User::text(main, "signedInName"), QString("Alice Carter"));
    QVERIFY(!main->contactNames().isEmpty());
    QVERIFY(service().isSignedIn());
}

void JourneyTest::signsOutWithTheMainWindowsButton()
{
    QPointer<QML::MainWindow> main = shownMainWindow();
    QVERIFY(main);
    QVERIFY(User::click(main, "signOutButton"));
    // Still running: the window went after its button's handler had returned.
    QTRY_VERIFY(!main);
    QTRY_VERIFY(!service().isSignedIn() && !m_App.session());
    QML::LoginWindow* login = shownLoginWindow();
    QVERIFY(login);
    // The name stays for the next sign-in; the caret waits in the password.
    QCOMPARE(login->username(), QString("alice"));
    QTRY_VERIFY(hasKeyboardFocus(login, "passwordField"));
}

void JourneyTest::mistypedPasswordIsToldAndTypedAgain()
{
    QML::LoginWindow* login = shownLoginWindow();
    QVERIFY(login);
    QVERIFY(User::type("Demo-12345"));
    QVERIFY(User::press(Qt::Key_Return));

    Dialogs::MessageWindow* message = nullptr;
    QTRY_VERIFY((message = shownMessage()));
    QCOMPARE(message->windowTitle(), QString("Invalid User"));
    QCOMPARE(message->findChild<QLabel*>("messageText")->text(), QString("Authentication failed"));
    QVERIFY(!message->findChild<QLabel*>("icon")->isVisible());
    QPushButton* ok = message->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    QVERIFY(User::activate(message));
    QTest::mouseClick(ok, Qt::LeftButton);
    QTRY_VERIFY(!shownMessage());

    // Back to the same window, the name kept, nothing ticked that cannot apply.
    QCOMPARE(shownLoginWindow(), login);
    QCOMPARE(login->username(), QString("alice"));
    QVERIFY(!login->autologinChecked());
    QVERIFY(User::activate(login));
    QTRY_VERIFY(hasKeyboardFocus(login, "passwordField"));
    QVERIFY(!service().isSignedIn());
}

void JourneyTest::signsInAgainWithReturnRememberingThePassword()
{
    QML::LoginWindow* login = shownLoginWindow();
    QVERIFY(login);
    QVERIFY(User::type(DemoPassword));
    QVERIFY(User::click(login, "rememberBox"));
    QVERIFY(User::click(login, "autologinBox"));
    QVERIFY(login->rememberPasswordChecked());
    QVERIFY(login->autologinChecked());
    QVERIFY(User::press(Qt::Key_Return));
    QTRY_VERIFY(shownMainWindow());
    QVERIFY(service().isSignedIn());
}

void JourneyTest::closedMainWindowComesBackWithASecondStart()
{
    QPointer<QML::MainWindow> main = shownMainWindow();
    QVERIFY(main);
    QVERIFY(User::closeFromFrame(main));
    QTRY_VERIFY(!main->isVisible());
    // Hidden, not gone: the user is still signed in.
    QVERIFY(main);
    QVERIFY(m_App.session() && service().isSignedIn());

    // Starting the program again hands "activate!" to this one and ends.
    QProcess second;
    second.start(TEST_PROGRAM, QStringList());
    QVERIFY(second.waitForStarted(30000));
    while (second.state() == QProcess::Running)
        QTest::qWait(20);
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QTRY_VERIFY(main->isVisible());
    QCOMPARE(m_App.mainWindow(), main.data());
}

void JourneyTest::f1OpensTheHelpOfTheView()
{
    QML::MainWindow* main = shownMainWindow();
    QVERIFY(main);
    QVERIFY(User::activate(main));
    UrlCatcher browser;
    QDesktopServices::setUrlHandler("file", &browser, "open");
    QVERIFY(User::press(Qt::Key_F1));
    QTRY_COMPARE(browser.urls.size(), 1);
    QDesktopServices::unsetUrlHandler("file");
    const QUrl help = browser.urls.first();
    QVERIFY(QFile::exists(help.toLocalFile()));
    QCOMPARE(help.query(), QString("context=contactsView&lang=en"));
}

void JourneyTest::exitsWithCtrlQ()
{
    exitWithCtrlQ();
    // The remembered password went to the secret store, never to the credentials file.
    QFile credentials(dataPath() + "/credentials.dat");
    QVERIFY(credentials.open(QIODevice::ReadOnly));
    const QByteArray kept = credentials.readAll();
    QVERIFY(kept.contains("alice"));
    QVERIFY(!kept.contains(DemoPassword));
}

void JourneyTest::restartFillsThePasswordAndSignsInAutomatically()
{
    QTemporaryDir sockets;
    QProcess restarted;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(RestartDataVariable, dataPath());
    // This run's add-in socket is still taken.
    environment.insert("TELVARION_API_SOCKET", sockets.filePath("api"));
    restarted.setProcessEnvironment(environment);
    restarted.setProcessChannelMode(QProcess::ForwardedChannels);
    restarted.start(QCoreApplication::applicationFilePath(), QStringList());
    QVERIFY(restarted.waitForFinished(90000));
    QCOMPARE(restarted.exitStatus(), QProcess::NormalExit);
    QCOMPARE(restarted.exitCode(), 0);
}

// The same program started again on the first run's data folder.
class RestartedJourneyTest : public JourneyBase
{
    Q_OBJECT

public:
    using JourneyBase::JourneyBase;

private slots:
    void signedInAutomaticallyWithTheRememberedPassword();
    void exitsWithCtrlQ() { exitWithCtrlQ(); }
};

void RestartedJourneyTest::signedInAutomaticallyWithTheRememberedPassword()
{
    // Nothing typed, nothing clicked.
    QTRY_VERIFY(shownMainWindow());
    QCOMPARE(m_App.session()->userName(), QString(DemoUser));
    const QML::LoginWindow* login = m_App.loginWindow();
    QCOMPARE(login->username(), QString("alice"));
    QCOMPARE(login->password(), QString(DemoPassword));
    QVERIFY(login->rememberPasswordChecked());
    QVERIFY(login->autologinChecked());
}

int main(int argc, char** argv)
{
    const QString restartData = qEnvironmentVariable(RestartDataVariable);
    TestSupport::ApplicationRun run(argc, argv, TestSupport::ApplicationRun::User::New, restartData);
    if (!restartData.isEmpty()) {
        RestartedJourneyTest restarted(run.application(), run.environment());
        return QTest::qExec(&restarted, argc, argv);
    }
    JourneyTest journey(run.application(), run.environment());
    return QTest::qExec(&journey, argc, argv);
}

#include "tst_journey.moc"
