#include "support/config_patch.h"
#include "Dialogs/message_window.h"
#include "Dialogs/password_change_notification.h"
#include "Dialogs/simple_credentials_dialog.h"
#include "Providers/default_call_action_provider.h"
#include "Utils/external_service_verification.h"
#include "libqml/components/callsettings/call_settings.h"
#include "Providers/menu_action_provider.h"
#include "common/constants.h"
#include "common/logging.h"
#include "libqml/components/loginwindow/login_window.h"
#include "libqml/components/mainwindow/main_window.h"
#include "libqml/window/session_debug_window.h"
#include "libqml/window/qml_view.h"
#include "media_engine_configurator.h"
#include "support/application_test.h"

#include <Kivo/ApiProvider/Controller.h>
#include <Kivo/Client.h>
#include <Kivo/ConfigContainer.h>
#include <Kivo/Configuration/Config.h>
#include <Kivo/Models/SubSessionModel.h>
#include <Kivo/Settings.h>
#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Service.h>
#include <Kivo/Utils/Credentials/CredentialsManager.h>

#include <QAction>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QQmlError>
#include <QMenu>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

using Kivo::Sessions::SessionManagerBase;
namespace MenuAction = Constants::MenuAction;

namespace {

struct ShownMessage
{
    Dialogs::MessageWindow* window;
    QString title;
    QString text;
};

QList<ShownMessage> shownMessages()
{
    QList<ShownMessage> shown;
    for (QWidget* widget : QApplication::allWidgets()) {
        auto* window = qobject_cast<Dialogs::MessageWindow*>(widget);
        if (!window || !window->isVisible())
            continue;
        QString text;
        for (const QLabel* label : window->findChildren<QLabel*>())
            text += label->text();
        if (window->dialog()) {
            for (const QLabel* label : window->dialog()->findChildren<QLabel*>())
                text += label->text();
        }
        shown.append({window, window->windowTitle(), text});
    }
    return shown;
}

void closeMessages()
{
    for (const ShownMessage& message : shownMessages()) {
        if (message.window->dialog() && message.window->dialog()->isVisible())
            message.window->dialog()->accept();
        message.window->close();
    }
}

// Answers each message box titled `title` from inside its own event loop with `button`,
// after running `onShown` there.
class MessageAnswerer : public QObject
{
public:
    MessageAnswerer(const QString& title, std::function<void(const ShownMessage&)> onShown,
                    QDialogButtonBox::StandardButton button = QDialogButtonBox::Ok)
        : m_Title(title)
        , m_OnShown(std::move(onShown))
        , m_Button(button)
    {
        m_Timer.setInterval(0);
        connect(&m_Timer, &QTimer::timeout, this, &MessageAnswerer::look);
        m_Timer.start();
    }
    int answered() const { return m_Answered; }

    static QList<QDialogButtonBox*> buttonBoxes(const ShownMessage& message)
    {
        QSet<QDialogButtonBox*> boxes;
        for (QDialogButtonBox* box : message.window->findChildren<QDialogButtonBox*>())
            boxes.insert(box);
        if (message.window->dialog()) {
            for (QDialogButtonBox* box : message.window->dialog()->findChildren<QDialogButtonBox*>())
                boxes.insert(box);
        }
        return boxes.values();
    }

private:
    void look()
    {
        for (const ShownMessage& message : shownMessages()) {
            if (message.title != m_Title)
                continue;
            ++m_Answered;
            m_OnShown(message);
            QPushButton* button = nullptr;
            for (QDialogButtonBox* box : buttonBoxes(message))
                button = button ? button : box->button(m_Button);
            if (button)
                button->click();
            else
                message.window->close();
        }
    }

    QString m_Title;
    std::function<void(const ShownMessage&)> m_OnShown;
    QDialogButtonBox::StandardButton m_Button;
    QTimer m_Timer;
    int m_Answered = 0;
};

// Calls back for every widget about to be shown (or hidden).
class ShowWatcher : public QObject
{
public:
    explicit ShowWatcher(std::function<void(QWidget*)> onShow)
        : ShowWatcher(QEvent::Show, std::move(onShow))
    {
    }
    ShowWatcher(QEvent::Type type, std::function<void(QWidget*)> onEvent)
        : m_Type(type)
        , m_OnShow(std::move(onEvent))
    {
        qApp->installEventFilter(this);
    }
    ~ShowWatcher() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == m_Type && watched->isWidgetType())
            m_OnShow(static_cast<QWidget*>(watched));
        return false;
    }

private:
    QEvent::Type m_Type;
    std::function<void(QWidget*)> m_OnShow;
};

} // namespace

class ApplicationSessionTest : public TestSupport::ApplicationTest
{
    Q_OBJECT

public:
    using ApplicationTest::ApplicationTest;

private slots:
    void initTestCase();
    void cleanup();

    void signInCreatesSignedInStateInOrder();
    void signOutAndSignInAgain();
    void forcedSignOutDeletesMainWindowBeforeItsMessage_data();
    void forcedSignOutDeletesMainWindowBeforeItsMessage();
    void sessionClosedByServerLeavesIdleLoginWindow();
    void clientApiConnectionsSurviveSignIn();
    void sessionDebugWindowShowsTheSubSessions();

    void signInFailuresShowTheirMessage_data();
    void signInFailuresShowTheirMessage();
    void sessionErrorTable_data();
    void sessionErrorTable();
    void errorOfAnotherSessionIsDropped();

    void callSettingsOnlySession();
    void nextSessionReplacesDatabaseAndVerification();

    void userNameForms_data();
    void userNameForms();
    void signInStoresWhatWasTyped_data();
    void signInStoresWhatWasTyped();
    void passwordExpiryNotice_data();
    void passwordExpiryNotice();
    void changedPasswordIsSentAndStored();

    void preferencesPage_data();
    void preferencesPage();
    void proxyCredentialsRequests();
    void proxyOfTheServiceAsksTheUser();
    // Last: the exit mode quits the application, after which no nested event loop runs.
    void disclaimerModes_data();
    void disclaimerModes();
    void exitSignsOutThenQuits();
    void agreementAnswers();

private:
    Kivo::Client* client() const { return m_App.client(); }
    QAction* menuAction(int id) const { return m_App.menuActionProvider()->action(id); }
};

void ApplicationSessionTest::initTestCase()
{
    ApplicationTest::initTestCase();
    QVERIFY(m_App.loginWindow());
    QVERIFY(client());
    service().setLatency(1);
}

void ApplicationSessionTest::cleanup()
{
    closeMessages();
    service().setReachable(true);
    if (m_App.session())
        signOut();
}

void ApplicationSessionTest::signInCreatesSignedInStateInOrder()
{
    QPointer<QML::LoginWindow> login = m_App.loginWindow();
    QVERIFY(login);
    bool sessionOpenBeforeLoginWindowHid = false;
    ShowWatcher hideWatcher(QEvent::Hide, [&](QWidget* hidden) {
        if (hidden == login.data())
            sessionOpenBeforeLoginWindowHid = m_App.session() != nullptr;
    });
    // What exists when the main window is first shown tells where the steps stand.
    bool checkedAtShow = false;
    ShowWatcher watcher([&](QWidget* shown) {
        if (checkedAtShow || !qobject_cast<QML::MainWindow*>(shown))
            return;
        checkedAtShow = true;
        QVERIFY(m_App.mediaEngineConfigurator());
        QVERIFY(m_App.communicationsWindowManager());
        QVERIFY(m_App.providerFactory());
        QVERIFY(m_App.mainWindow()->view()->rootObject());
        QVERIFY(m_App.mainWindow()->view()->errors().isEmpty());
        QVERIFY(m_App.presenceRequestDialog());
        QVERIFY(!m_App.loginWindow()->isVisible());
        QVERIFY(!m_App.defaultCallActionProvider());
    });

    signIn();
    QVERIFY(checkedAtShow);
    QVERIFY(sessionOpenBeforeLoginWindowHid);
    // The same login window waits, hidden, for the sign-out.
    QCOMPARE(m_App.loginWindow(), login.data());
    QCOMPARE(m_App.mainWindow()->userName(), QString(DemoUser));
    QVERIFY(!m_App.mainWindow()->contactNames().isEmpty());
    QVERIFY(m_App.contactOnlinePlayer());
    // The demo configuration offers the default call type.
    QVERIFY(m_App.defaultCallActionProvider());
    QCOMPARE(m_App.mainWindow()->defaultAction(), Kivo::Actions::Action::Call);
    const QObjectList children = m_App.children();
    QVERIFY(children.indexOf(m_App.mediaEngineConfigurator()) < children.indexOf(m_App.defaultCallActionProvider()));
}

void ApplicationSessionTest::signOutAndSignInAgain()
{
    signIn();
    QPointer<QML::MainWindow> main = m_App.mainWindow();
    menuAction(MenuAction::SignOut)->trigger();
    // Sign-out shows the login window at once and takes the main window away, deleting it
    // once control is back in the event loop; the session ends when the engine says so.
    QVERIFY(!m_App.mainWindow());
    QVERIFY(main && !main->isVisible());
    QVERIFY(m_App.loginWindow() && m_App.loginWindow()->isVisible());
    QTRY_VERIFY(!main);
    waitUntilSignedOut();
    QVERIFY(!m_App.providerFactory());
    QVERIFY(!m_App.communicationsWindowManager());
    QVERIFY(!m_App.mediaEngineConfigurator());
    QVERIFY(!m_App.presenceRequestDialog());
    QVERIFY(!m_App.defaultCallActionProvider());

    // A bare name signs in to the account of its domain.
    signIn("alice");
    QCOMPARE(m_App.session()->userName(), QString(DemoUser));
}

void ApplicationSessionTest::forcedSignOutDeletesMainWindowBeforeItsMessage_data()
{
    QTest::addColumn<bool>("byServer");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");

    QTest::newRow("signed in elsewhere")
        << true << "Forced Logout"
        << QString("You have been signed out due to signing in from another %1 client.")
               .arg(QCoreApplication::applicationName());
    QTest::newRow("credentials changed")
        << false << "Credentials Changed"
        << "Your credentials have been changed and the client was forced to sign out. Please add your new "
           "credentials and sign in again.";
}

void ApplicationSessionTest::forcedSignOutDeletesMainWindowBeforeItsMessage()
{
    QFETCH(bool, byServer);
    QFETCH(QString, title);
    QFETCH(QString, text);

    signIn();
    QPointer<QML::MainWindow> main = m_App.mainWindow();
    bool mainWindowGoneFirst = false;
    bool loginWindowShown = false;
    QString shownText;
    MessageAnswerer answerer(title, [&](const ShownMessage& message) {
        // Out of sight and out of the application; deleted once back in the event loop.
        mainWindowGoneFirst = !m_App.mainWindow() && (!main || !main->isVisible());
        loginWindowShown = m_App.loginWindow() && m_App.loginWindow()->isVisible();
        shownText = message.text;
    });
    if (byServer)
        QVERIFY(Kivo::Simulation::Control(service()).forceSignOut("Signed in elsewhere"));
    else
        emit m_App.session()->vyxAuthorizationFailed();
    QTRY_COMPARE(answerer.answered(), 1);
    QVERIFY(mainWindowGoneFirst);
    QVERIFY(loginWindowShown);
    QVERIFY(shownText.contains(text));
    if (byServer)
        waitUntilSignedOut();
    QCOMPARE(answerer.answered(), 1);
    QTRY_VERIFY(!main);
}

void ApplicationSessionTest::sessionClosedByServerLeavesIdleLoginWindow()
{
    // The user asked for both; the sign-in stores them with the password.
    QML::LoginWindow* login = m_App.loginWindow();
    login->setUsername(DemoUser);
    login->setPassword(DemoPassword);
    login->setRememberPasswordChecked(true);
    login->setAutologinChecked(true);
    login->onSigninClicked();
    QTRY_VERIFY(m_App.mainWindow() && m_App.mainWindow()->isVisible());
    const Kivo::Settings settings(Kivo::Settings::ApplicationSettings);
    QVERIFY(settings.value(Constants::SettingsKey::LoginAutologin).toBool());
    QVERIFY(settings.value(Constants::SettingsKey::LoginSavePassword).toBool());

    QSignalSpy states(client(), &Kivo::Client::sessionStateChange);
    service().signOut();
    QTRY_VERIFY(m_App.loginWindow() && m_App.loginWindow()->isVisible());
    QVERIFY(!m_App.session());
    // Everything for an automatic sign-in is there, and still it does not happen.
    QCOMPARE(login->password(), QString(DemoPassword));
    QVERIFY(login->autologinChecked());
    QTest::qWait(50);
    QVERIFY(login->isIdle());
    QVERIFY(!service().isSignedIn());
    for (const QList<QVariant>& state : qAsConst(states))
        QVERIFY(state.at(1).value<SessionManagerBase::State>() != SessionManagerBase::DetectingProxy);
    login->setAutologinChecked(false);
    login->setRememberPasswordChecked(false);
    Kivo::Settings(Kivo::Settings::ApplicationSettings).setValue(Constants::SettingsKey::LoginAutologin, false);
    Kivo::Settings(Kivo::Settings::ApplicationSettings).setValue(Constants::SettingsKey::LoginSavePassword, false);
}

void ApplicationSessionTest::clientApiConnectionsSurviveSignIn()
{
    auto* controller = m_App.findChild<Kivo::ApiProvider::Controller*>();
    QVERIFY(controller);
    QSignalSpy presence(controller, &Kivo::ApiProvider::Controller::setPresence);
    int received = 0;
    QMetaObject::Connection outside = connect(controller, &Kivo::ApiProvider::Controller::setPresence, this,
                                              [&received](int) { ++received; });
    signIn();
    emit controller->setPresence(7);
    QCOMPARE(received, 1);
    disconnect(outside);
    // The add-ins are served the session while it is open, and not a moment after sign-out starts.
    QCOMPARE(controller->session(), m_App.session());
    menuAction(MenuAction::SignOut)->trigger();
    QVERIFY(!controller->session());
    QVERIFY(logs().contains("Uninitializing API provider controller"));
    waitUntilSignedOut();
}

void ApplicationSessionTest::sessionDebugWindowShowsTheSubSessions()
{
    logs().clear();
    m_App.showSessionDebugWindow();
    QVERIFY(logs().contains("Session not set!"));

    signIn();
    emit m_App.mainWindow()->showSessionDebugWindow();
    QML::SessionDebugWindow* window = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<QML::SessionDebugWindow*>(widget); found && found->isVisible())
            window = found;
    }
    QVERIFY(window);
    QVERIFY(window->view()->rootObject());
    QCOMPARE(window->sessionModel(), static_cast<QAbstractItemModel*>(m_App.session()->subSessionModel()));
    QCOMPARE(m_App.session()->subSessionModel()->rowCount(), 3);
    window->close();
}

void ApplicationSessionTest::signInFailuresShowTheirMessage_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("reachable");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("logged");

    QTest::newRow("wrong password") << DemoUser << "wrong" << true << "Invalid User"
                                    << "Session error. State=Authenticating, Error=AuthenticationFailed";
    QTest::newRow("unknown user") << "nobody@demo.telvarion.net" << DemoPassword << true << "Invalid User"
                                  << "Session error. State=Authenticating, Error=AuthenticationFailed";
    QTest::newRow("unreachable server") << DemoUser << DemoPassword << false << "Connection Error"
                                        << "Session error. State=Authenticating, Error=ConnectionFailed";
}

void ApplicationSessionTest::signInFailuresShowTheirMessage()
{
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(bool, reachable);
    QFETCH(QString, title);
    QFETCH(QString, logged);

    logs().clear();
    service().setReachable(reachable);
    QML::LoginWindow* login = m_App.loginWindow();
    QVERIFY(login);
    emit login->signin(user, password, client()->getConfig(), QString());
    QTRY_COMPARE(shownMessages().size(), 1);
    QCOMPARE(shownMessages().first().title, title);
    QVERIFY(logs().contains(logged));
    // The same login window stays for the next try.
    QCOMPARE(m_App.loginWindow(), login);
    QVERIFY(!m_App.session());
    QVERIFY(!m_App.mainWindow());
}

void ApplicationSessionTest::sessionErrorTable_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<bool>("critical");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");

    QTest::addColumn<QString>("logged");

    QTest::newRow("1") << 1 << false << "Connection Error"
                       << "Client is unable to connect to the server. Check your internet connection. If the problem "
                          "persists please contact your service provider."
                       << "ConnectionFailed";
    QTest::newRow("2") << 2 << true << "Invalid User" << "Authentication failed" << "AuthenticationFailed";
    QTest::newRow("3") << 3 << false << "Connection Error"
                       << "Connection to server failed. Try again later. If the problem persists please contact your "
                          "service provider."
                       << "ServerUnavailable";
    QTest::newRow("0") << 0 << false << "Login Failed" << "Configuration error, please contact your service provider."
                       << "NoError";
    // A value the engine has no name for is logged by its number.
    QTest::newRow("unlisted") << 77 << false << "Login Failed"
                              << "Configuration error, please contact your service provider." << "77";
}

void ApplicationSessionTest::sessionErrorTable()
{
    QFETCH(int, error);
    QFETCH(bool, critical);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(QString, logged);

    const Application::SessionErrorMessage message = Application::sessionErrorMessage(error);
    QCOMPARE(message.critical, critical);
    QCOMPARE(message.title, title);
    QCOMPARE(message.text, text);

    // Signed out, any session's report is shown.
    m_App.cbSessionError(nullptr, SessionManagerBase::Connecting, SessionManagerBase::Error(error));
    QCOMPARE(shownMessages().size(), 1);
    QCOMPARE(shownMessages().first().title, title);
    QVERIFY(shownMessages().first().text.contains(text));
    QVERIFY(logs().contains("Session error. State=Connecting, Error=" + logged, Common::Logging::Error));
}

void ApplicationSessionTest::errorOfAnotherSessionIsDropped()
{
    signIn();
    SessionManagerBase other;
    m_App.cbSessionError(&other, SessionManagerBase::Connecting, SessionManagerBase::ConnectionFailed);
    QVERIFY(shownMessages().isEmpty());
    m_App.cbSessionError(m_App.session(), SessionManagerBase::SignedIn, SessionManagerBase::ConnectionFailed);
    QCOMPARE(shownMessages().size(), 1);
}

namespace {

QML::CallSettings* visibleCallSettings()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<QML::CallSettings*>(widget); found && found->isVisible())
            return found;
    }
    return nullptr;
}

std::unique_ptr<Kivo::Configuration::Config> configWith(const QHash<int, QVariant>& items)
{
    Kivo::Configuration::Config::Document document;
    document.name = "Test";
    document.items = items;
    return std::make_unique<Kivo::Configuration::Config>(QString(), document);
}

} // namespace

void ApplicationSessionTest::callSettingsOnlySession()
{
    const ConfigPatch patch(client()->getConfigContainer()->currentConfig(), {{0, true}});
    const QPointer<QML::LoginWindow> login = m_App.loginWindow();
    QVERIFY(login);
    login->setUsername(DemoUser);
    login->setPassword(DemoPassword);
    login->onSigninClicked();

    QML::CallSettings* callSettings = nullptr;
    QTRY_VERIFY((callSettings = visibleCallSettings()));
    QVERIFY(client()->getSession());
    QVERIFY(!m_App.session());
    QVERIFY(!m_App.mainWindow());
    // The login window waits hidden for the session's end.
    QVERIFY(login);
    QCOMPARE(m_App.loginWindow(), login.data());
    QVERIFY(!login->isVisible());

    // Closing the only window signs the user out and shows the same login window again,
    // while the program's event loop goes on: closing the last window does not end it.
    QTimer::singleShot(0, callSettings, &QWidget::close);
    QTimer signedOut;
    connect(&signedOut, &QTimer::timeout, [&] {
        if (!client()->getSession() && !service().isSignedIn() && m_App.loginWindow()
            && m_App.loginWindow()->isVisible())
            QCoreApplication::exit(7);
    });
    signedOut.start(10);
    // The limit ends with this test: left armed, it would end the event loop of whatever
    // runs 20 s later, and every blocking question after it would return unanswered.
    QTimer giveUp;
    giveUp.setSingleShot(true);
    connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    giveUp.start(20000);
    QCOMPARE(QApplication::exec(), 7);
    QCOMPARE(m_App.loginWindow(), login.data());
    QVERIFY(!m_App.mainWindow());
}

void ApplicationSessionTest::nextSessionReplacesDatabaseAndVerification()
{
    const auto first = configWith({{129, true}, {418, true}, {421, true}, {420, "http://127.0.0.1:9/verify"}});
    SessionManagerBase firstSession(DemoUser, "Alice", first.get(), client()->getCredentialsManager());
    m_App.cbSessionOpened(firstSession);
    QVERIFY(m_App.commsDatabase().isOpen());
    QPointer<Utils::ExternalServiceVerification> firstVerification = m_App.externalServiceVerification();
    QVERIFY(firstVerification);
    // Asked at sign-in: the question is up.
    QVERIFY(firstVerification->questionWindow());
    delete m_App.mainWindow();
    m_App.cbSessionClosed(firstSession);
    // Both outlive the session that made them.
    QVERIFY(m_App.commsDatabase().isOpen());
    QVERIFY(firstVerification);

    const auto second = configWith({{419, true}, {421, true}, {420, "http://127.0.0.1:9/verify"}});
    SessionManagerBase secondSession(DemoUser, "Alice", second.get(), client()->getCredentialsManager());
    m_App.cbSessionOpened(secondSession);
    QVERIFY(!m_App.commsDatabase().isOpen());
    QVERIFY(!firstVerification);
    QVERIFY(m_App.externalServiceVerification());
    // Only on request: nothing is asked at sign-in.
    QVERIFY(!m_App.externalServiceVerification()->questionWindow());
    delete m_App.mainWindow();
    m_App.cbSessionClosed(secondSession);
}

void ApplicationSessionTest::userNameForms_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("defaultDomain");

    QTest::newRow("bare") << "alice" << "alice" << true;
    QTest::newRow("with domain") << "alice@demo.telvarion.net" << "alice@demo.telvarion.net" << false;
    QTest::newRow("two @") << "alice@demo@extra" << "alice@demo" << false;
    QTest::newRow("empty") << "" << "" << true;
}

void ApplicationSessionTest::userNameForms()
{
    QFETCH(QString, typed);
    QFETCH(QString, name);
    QFETCH(bool, defaultDomain);

    bool flag = !defaultDomain;
    QCOMPARE(Application::signinUserName(typed, &flag), name);
    QCOMPARE(flag, defaultDomain);
}

void ApplicationSessionTest::signInStoresWhatWasTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("defaultDomain");
    QTest::addColumn<bool>("remember");

    QTest::newRow("bare") << "alice" << "alice" << true << true;
    QTest::newRow("with domain") << DemoUser << DemoUser << false << false;
    QTest::newRow("two @") << QString(DemoUser) + "@extra" << DemoUser << false << true;
}

void ApplicationSessionTest::signInStoresWhatWasTyped()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(bool, defaultDomain);
    QFETCH(bool, remember);

    QML::LoginWindow* login = m_App.loginWindow();
    QVERIFY(login);
    login->setRememberPasswordChecked(remember);
    emit login->signin(typed, DemoPassword, client()->getConfig(), QString());

    Kivo::Utils::Credentials::CredentialsManager* manager = client()->getCredentialsManager();
    Kivo::Utils::Credentials::UserCredentials record;
    QVERIFY(manager->getCredentials(manager->loginType(), stored, record));
    QCOMPARE(record.getData(manager->loginType()).isDefaultDomain(), defaultDomain);
    QCOMPARE(record.getData(manager->loginType()).getPassword(), QString(DemoPassword));
    // The login window lists the user under this name from now on.
    QCOMPARE(record.getData(manager->loginType()).getDisplayname(), stored);
    QCOMPARE(manager->savePassword(), remember);
    QCOMPARE(Kivo::Settings::getLoginUsername(manager, false), typed);
    QTRY_VERIFY(m_App.mainWindow() && m_App.mainWindow()->isVisible());
    QCOMPARE(m_App.session()->userName(), QString(DemoUser));
    login = m_App.loginWindow();
    if (login)
        login->setRememberPasswordChecked(false);
    Kivo::Settings(Kivo::Settings::ApplicationSettings).setValue(Constants::SettingsKey::LoginSavePassword, false);
}

void ApplicationSessionTest::passwordExpiryNotice_data()
{
    QTest::addColumn<int>("days");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expired");
    QTest::addColumn<QString>("profilePath");

    QTest::newRow("4 days") << 4 << QString() << false << "/profile";
    QTest::newRow("3 days") << 3 << "Vyx account password expires in 3 days. Please consider changing it." << false
                            << "/profile";
    QTest::newRow("today") << 0 << "Vyx account password expires today. Please consider changing it." << false
                           << "/profile";
    QTest::newRow("expired") << -1
                             << "Vyx account password has expired. Please change it to enable Vyx functionality."
                             << true << "/profile";
    QTest::newRow("long expired") << -10000
                                  << "Vyx account password has expired. Please change it to enable Vyx functionality."
                                  << true << "/profile";
    QTest::newRow("out of range") << -10001 << QString() << false << "/profile";
    QTest::newRow("no profile path") << 3 << QString() << false << QString();
}

void ApplicationSessionTest::passwordExpiryNotice()
{
    QFETCH(int, days);
    QFETCH(QString, text);
    QFETCH(bool, expired);
    QFETCH(QString, profilePath);

    logs().clear();
    Kivo::Configuration::Config::Document document;
    document.name = "Expiry";
    document.items.insert(377, profilePath);
    Kivo::Configuration::Config config(QString(), document);
    SessionManagerBase session(DemoUser, "Alice", &config, client()->getCredentialsManager());
    m_App.cbSessionOpened(session);

    m_App.vyxCredentialsDaysLeft(days);
    Dialogs::PasswordChangeNotification* notice = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<Dialogs::PasswordChangeNotification*>(widget); found && found->isVisible())
            notice = found;
    }
    QCOMPARE(notice != nullptr, !text.isEmpty());
    if (notice) {
        QCOMPARE(notice->text(), text);
        QCOMPARE(notice->state() == Dialogs::PasswordChangeNotification::PasswordEntry, expired);
        delete notice;
    }
    QCOMPARE(logs().contains("Vyx profile path not configured"), profilePath.isEmpty());
    delete m_App.mainWindow();
    m_App.cbSessionClosed(session);
    QVERIFY(!m_App.session());
}

class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};

void ApplicationSessionTest::proxyOfTheServiceAsksTheUser()
{
    logs().clear();
    const auto shownDialog = []() -> Dialogs::SimpleCredentialsDialog* {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<Dialogs::SimpleCredentialsDialog*>(widget); dialog && dialog->isVisible())
                return dialog;
        }
        return nullptr;
    };
    // The service's connectivity test meets a proxy that wants credentials: the user is asked
    // and the answer goes back to the service.
    QVERIFY(Kivo::Simulation::Control(service()).injectProxyCredentialsRequest(false));
    QTRY_VERIFY(shownDialog());
    QCOMPARE(shownDialog()->windowTitle(), QString("HTTP Connectivity"));
    QList<QLineEdit*> fields = shownDialog()->findChildren<QLineEdit*>();
    QCOMPARE(fields.size(), 2);
    QVERIFY(fields.at(0)->text().isEmpty() && fields.at(1)->text().isEmpty());
    fields.at(0)->setText("proxyuser");
    fields.at(1)->setText("secret");
    shownDialog()->findChild<QPushButton*>("okButton")->click();
    QTRY_VERIFY(!shownDialog());
    QVERIFY(logs().contains("the proxy takes the credentials of proxyuser"));

    // The next request starts from that answer; a cancelled one leaves the proxy without.
    QVERIFY(Kivo::Simulation::Control(service()).injectProxyCredentialsRequest(true));
    QTRY_VERIFY(shownDialog());
    QCOMPARE(shownDialog()->windowTitle(), QString("HTTPS Connectivity"));
    fields = shownDialog()->findChildren<QLineEdit*>();
    QCOMPARE(fields.at(0)->text(), QString("proxyuser"));
    QCOMPARE(fields.at(1)->text(), QString("secret"));
    shownDialog()->findChild<QPushButton*>("cancelButton")->click();
    QTRY_VERIFY(!shownDialog());
    QVERIFY(logs().contains("the proxy got no credentials"));
}

void ApplicationSessionTest::disclaimerModes_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("buttonCount");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("rejected");
    QTest::addColumn<bool>("addressOpened");

    QTest::newRow("accepted") << "" << int(QDialogButtonBox::Ok) << 2 << true << false << false;
    QTest::newRow("cancelled") << "" << int(QDialogButtonBox::Cancel) << 2 << false << true << true;
    QTest::newRow("disabled mode offers OK only") << "disabled" << int(QDialogButtonBox::Ok) << 1 << true << false
                                                  << false;
    // Cancelling in mode "exit" ends the program instead of reporting the refusal.
    QTest::newRow("exit mode cancelled") << "exit" << int(QDialogButtonBox::Cancel) << 2 << false << false << true;
}

void ApplicationSessionTest::disclaimerModes()
{
    QFETCH(QString, mode);
    QFETCH(int, button);
    QFETCH(int, buttonCount);
    QFETCH(bool, accepted);
    QFETCH(bool, rejected);
    QFETCH(bool, addressOpened);

    auto patch = std::make_unique<ConfigPatch>(client()->getConfigContainer()->currentConfig(),
                                               QHash<int, QVariant>{{397, mode}, {398, "https://demo.telvarion.net/e911"}});
    UrlRecorder browser;
    QDesktopServices::setUrlHandler("https", &browser, "open");
    QSignalSpy acceptedSpy(&m_App, &Application::disclaimerAccepted);
    QSignalSpy rejectedSpy(&m_App, &Application::disclaimerRejected);
    int buttons = 0;
    MessageAnswerer answerer(
        "E911 Disclosure",
        [&buttons](const ShownMessage& message) {
            for (QDialogButtonBox* box : MessageAnswerer::buttonBoxes(message))
                buttons += box->buttons().size();
        },
        QDialogButtonBox::StandardButton(button));
    m_App.onShowDisclaimerDialog();
    QDesktopServices::unsetUrlHandler("https");
    patch.reset();

    QCOMPARE(answerer.answered(), 1);
    QCOMPARE(buttons, buttonCount);
    QCOMPARE(acceptedSpy.count(), accepted ? 1 : 0);
    QCOMPARE(rejectedSpy.count(), rejected ? 1 : 0);
    QCOMPARE(browser.opened, addressOpened ? QList<QUrl>{QUrl("https://demo.telvarion.net/e911")} : QList<QUrl>());
}

void ApplicationSessionTest::changedPasswordIsSentAndStored()
{
    // The client's user credentials are those of the last sign-in.
    signIn();
    menuAction(MenuAction::SignOut)->trigger();
    waitUntilSignedOut();

    const auto config = configWith({{377, "/profile"}});
    SessionManagerBase session(DemoUser, "Alice", config.get(), client()->getCredentialsManager());
    m_App.cbSessionOpened(session);
    m_App.vyxCredentialsDaysLeft(-1);
    Dialogs::PasswordChangeNotification* notice = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<Dialogs::PasswordChangeNotification*>(widget); found && found->isVisible())
            notice = found;
    }
    QVERIFY(notice);
    // The expired notice asks for the passwords at once: old, new, new again.
    const QList<QLineEdit*> fields = notice->findChildren<QLineEdit*>();
    QCOMPARE(fields.size(), 3);
    QVERIFY(fields.at(0)->isVisibleTo(notice));
    fields.at(0)->setText(DemoPassword);
    fields.at(1)->setText("Changed-5678");
    fields.at(2)->setText("Changed-5678");
    QPushButton* change = nullptr;
    for (QPushButton* button : notice->findChildren<QPushButton*>())
        change = button->text() == "OK" ? button : change;
    QVERIFY(change);
    change->click();
    // The service password changes; the sign-in password stays.
    const int vyx = Kivo::Utils::Credentials::CredentialsManager::DeviceManagement;
    const int basic = Kivo::Utils::Credentials::CredentialsManager::Basic;
    Kivo::Utils::Credentials::UserCredentials stored;
    QTRY_VERIFY(client()->getCredentialsManager()->getCredentials(vyx, DemoUser, stored)
                && stored.getData(vyx).getPassword() == "Changed-5678");
    QCOMPARE(stored.getData(basic).getPassword(), QString(DemoPassword));
    // The next notice checks the old password against the new one.
    QCOMPARE(client()->getUserCredentials().getData(vyx).getPassword(), QString("Changed-5678"));
    delete notice;
    delete m_App.mainWindow();
    m_App.cbSessionClosed(session);
}

void ApplicationSessionTest::preferencesPage_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("page");

    QTest::newRow("first") << 0 << 0;
    QTest::newRow("last") << 5 << 5;
    QTest::newRow("above") << 7 << 0;
    QTest::newRow("negative") << -1 << 0;
}

void ApplicationSessionTest::preferencesPage()
{
    QFETCH(int, tab);
    QFETCH(int, page);

    QAction* preferences = menuAction(MenuAction::Preferences);
    // Read the page before the application's own handler takes it.
    QVERIFY(disconnect(preferences, SIGNAL(triggered()), &m_App, SLOT(cbActionPreferences())));
    QVariant seen;
    QMetaObject::Connection reader = connect(preferences, &QAction::triggered, this, [&] {
        seen = preferences->property(Constants::ActionProperty::Tab);
    });
    m_App.openPreferences(tab);
    disconnect(reader);
    connect(preferences, SIGNAL(triggered()), &m_App, SLOT(cbActionPreferences()));
    preferences->setProperty(Constants::ActionProperty::Tab, QVariant());
    QCOMPARE(seen, QVariant(page));
}

class CredentialsReceiver : public QObject
{
    Q_OBJECT

public:
    QStringList received;

public slots:
    void answer(const QString& user, const QString& password) { received << user << password; }
};

void ApplicationSessionTest::proxyCredentialsRequests()
{
    logs().clear();
    CredentialsReceiver receiver;
    const QString method = QString::fromLatin1(SLOT(answer(QString, QString)));
    auto openDialogs = [] {
        QList<Dialogs::SimpleCredentialsDialog*> dialogs;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<Dialogs::SimpleCredentialsDialog*>(widget); dialog && dialog->isVisible())
                dialogs.append(dialog);
        }
        return dialogs;
    };

    // Requests that cannot be answered are logged and leave no dialog behind.
    m_App.onRequestProxyCredentials(false, "user", "realm", true, nullptr, method);
    m_App.onRequestProxyCredentials(false, "user", "realm", true, &receiver, SLOT(missing(QString, QString)));
    m_App.onRequestProxyCredentials(true, "user", "realm", true, &receiver, "1");
    QVERIFY(openDialogs().isEmpty());
    QCOMPARE(logs().count("Proxy credentials request without a receiver"), 3);

    // Answer at once: two empty texts, later.
    m_App.onRequestProxyCredentials(true, "user", "realm", false, &receiver, method);
    QVERIFY(receiver.received.isEmpty());
    QTRY_COMPARE(receiver.received, QStringList({QString(), QString()}));
    QVERIFY(openDialogs().isEmpty());

    receiver.received.clear();
    m_App.onRequestProxyCredentials(false, "proxyuser", "stored", true, &receiver, method);
    QCOMPARE(openDialogs().size(), 1);
    Dialogs::SimpleCredentialsDialog* dialog = openDialogs().first();
    QCOMPARE(dialog->objectName(), QString("credentialsDialog"));
    QCOMPARE(dialog->windowTitle(), QString("HTTPS Connectivity"));
    const QList<QLineEdit*> fields = dialog->findChildren<QLineEdit*>();
    QCOMPARE(fields.size(), 2);
    QCOMPARE(fields.at(0)->text(), QString("proxyuser"));
    QCOMPARE(fields.at(1)->text(), QString("stored"));
    fields.at(1)->setText("secret");
    dialog->findChild<QPushButton*>("okButton")->click();
    QCOMPARE(receiver.received, QStringList({"proxyuser", "secret"}));
}

void ApplicationSessionTest::exitSignsOutThenQuits()
{
    signIn();
    QSignalSpy quit(client(), &Kivo::Client::quit);
    QSignalSpy closed(client(), &Kivo::Client::sessionClosed);
    menuAction(MenuAction::Exit)->trigger();
    QVERIFY(!m_App.mainWindow());
    QTRY_COMPARE(closed.count(), 1);
    QTRY_COMPARE(quit.count(), 1);
    QVERIFY(!m_App.session());
    QVERIFY(!service().isSignedIn());
}

void ApplicationSessionTest::agreementAnswers()
{
    // Accepted: stored, and the login window shows.
    Kivo::Settings(Kivo::Settings::ApplicationSettings).remove(Constants::SettingsKey::EulaAccepted);
    m_App.loginWindow()->hide();
    m_App.onLicenceAccepted(true);
    QVERIFY(Kivo::Settings(Kivo::Settings::ApplicationSettings).value(Constants::SettingsKey::EulaAccepted).toBool());
    QVERIFY(m_App.loginWindow()->isVisible());

    // Refused: the program ends as Exit ends it.
    QSignalSpy exit(menuAction(MenuAction::Exit), &QAction::triggered);
    QSignalSpy quit(client(), &Kivo::Client::quit);
    m_App.onLicenceAccepted(false);
    QCOMPARE(exit.count(), 1);
    QCOMPARE(quit.count(), 1);
}

int main(int argc, char** argv)
{
    return TestSupport::execApplicationTest<ApplicationSessionTest>(argc, argv);
}

#include "tst_application_session.moc"
