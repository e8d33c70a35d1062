// What the signed-in main window opens besides its lists: call settings from the menu, the
// call-centre agent dialog (a new one each time), presence rules announced by the service,
// the XMPP console closed at sign-out, the test call, and the busy lamp field made once.
#include "Dialogs/call_center_agent_dialog.h"
#include "Providers/factory.h"
#include "Providers/menu_action_provider.h"
#include "Utils/main_window_services.h"
#include "Utils/presence_helper.h"
#include "common/constants.h"
#include "libqml/components/Xmpp/xmpp_debug_console.h"
#include "libqml/components/callsettings/call_settings.h"
#include "libqml/components/mainwindow/main_window.h"
#include "libqml/components/callsettings/call_settings_tab_detail_list.h"
#include "libqml/components/presence_rules_window/presence_rules_window.h"
#include "support/application_test.h"
#include "support/shown_windows.h"

#include <Kivo/Actions/ActionData.h>
#include <Kivo/Actions/Provider.h>
#include <Kivo/Actions/Source.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Services/PresenceRulesHandler.h>
#include <Kivo/Sessions/SessionManagerBase.h>

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QtTest>

namespace MenuAction = Constants::MenuAction;
using Kivo::Services::PresenceRulesHandler;
using Utils::MainWindowServices;

class MainWindowServicesTest : public TestSupport::ApplicationTest
{
    Q_OBJECT

public:
    using ApplicationTest::ApplicationTest;

private slots:
    void testCallNumberFollowsTheLanguage_data();
    void testCallNumberFollowsTheLanguage();
    void callSettingsOpensFromTheMenu();
    void agentDialogIsReplaced();
    void presenceRulesComeWithTheChatConnection();
    void consoleClosesAtSignOut();
    void testCallAndTeamTelephony();
    void sessionStateReachesTheScene();
    void sessionClosedDeletesTheWindowLater();

private:
    void ensureSignedIn();
    MainWindowServices* services() const { return m_App.mainWindow()->services(); }
    QAction* action(int id) const { return m_App.menuActionProvider()->action(id); }
};

void MainWindowServicesTest::ensureSignedIn()
{
    if (m_App.session())
        return;
    signIn();
}

void MainWindowServicesTest::testCallNumberFollowsTheLanguage_data()
{
    const auto pair = [](const char* language, const char* number) {
        return QVariant(QVariantMap{{"language", QString(language)}, {"value", QString(number)}});
    };
    QTest::addColumn<QVariant>("numbers");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("number");
    const QVariant both = QVariantList{pair("en", "1"), pair("de", "2")};
    QTest::newRow("German") << both << "de" << "2";
    QTest::newRow("French falls back to the first") << both << "fr" << "1";
    QTest::newRow("empty number skipped") << QVariant(QVariantList{pair("fr", " "), pair("de", "2")}) << "fr" << "2";
    QTest::newRow("no list") << QVariant() << "en" << "";
}

void MainWindowServicesTest::testCallNumberFollowsTheLanguage()
{
    QFETCH(QVariant, numbers);
    QFETCH(QString, language);
    QFETCH(QString, number);
    QCOMPARE(MainWindowServices::testCallNumber(numbers, language), number);
}

void MainWindowServicesTest::callSettingsOpensFromTheMenu()
{
    ensureSignedIn();
    QAction* callSettings = action(MenuAction::CallSettings);
    QTRY_VERIFY(callSettings->isEnabled());
    callSettings->trigger();
    QTRY_VERIFY(services()->callSettings() && services()->callSettings()->isVisible());
    QPointer<QML::CallSettings> window = services()->callSettings();
    QTRY_COMPARE(window->currentPage(), QString("corvantiumAnywhere"));
    // The demo account's every service, once the server has listed them.
    QTRY_COMPARE(window->tabs()->rowCount(), 6);
    services()->openCallSettings(Utils::CallForwardingPage);
    QCOMPARE(services()->callSettings(), window.data());
    QCOMPARE(window->currentPage(), QString("callForwarding"));
    window->close();
    QTRY_VERIFY(!services()->callSettings());
}

void MainWindowServicesTest::agentDialogIsReplaced()
{
    ensureSignedIn();
    action(MenuAction::Queues)->trigger();
    QPointer<Dialogs::CallCenterAgentDialog> first = services()->callCenterAgentDialog();
    QVERIFY(first);
    // Hidden until the engine has answered.
    QVERIFY(!first->isVisible());
    QTRY_VERIFY(first->isVisible());
    services()->showCallCenterAgentDialog();
    QVERIFY(!first);
    QTRY_VERIFY(services()->callCenterAgentDialog()->isVisible());
    services()->callCenterAgentDialog()->close();
}

void MainWindowServicesTest::presenceRulesComeWithTheChatConnection()
{
    ensureSignedIn();
    QTRY_VERIFY(services()->presenceRulesHandler());
    PresenceRulesHandler* handler = services()->presenceRulesHandler();
    QMenu* presence = m_App.providerFactory()->presenceHelper()->menu();
    QCOMPARE(presence->actions().last()->text(), QString("Configure"));

    presence->actions().last()->trigger();
    QPointer<QML::PresenceRulesWindow> window = services()->presenceRulesWindow();
    QVERIFY(window && window->isVisible());
    QCOMPARE(handler->transactionState(), int(PresenceRulesHandler::Fetching));
    QTRY_COMPARE(handler->transactionState(), int(PresenceRulesHandler::Fetched));

    // A shown window keeps what is being edited; a hidden one asks the server again.
    QSignalSpy requests(handler, &PresenceRulesHandler::transactionStateChanged);
    services()->showPresenceRulesWindow();
    QCOMPARE(requests.size(), 0);
    window->hide();
    services()->showPresenceRulesWindow();
    QCOMPARE(handler->transactionState(), int(PresenceRulesHandler::Fetching));
    QCOMPARE(services()->presenceRulesWindow(), window.data());
    window->close();
}

void MainWindowServicesTest::consoleClosesAtSignOut()
{
    ensureSignedIn();
    m_App.mainWindow()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_App.mainWindow()));
    QTest::keyClick(m_App.mainWindow(), Qt::Key_X, Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_VERIFY(services()->xmppDebugConsole());
    QPointer<QML::XmppDebugConsole> console = services()->xmppDebugConsole();
    QVERIFY(console->isVisible());
    services()->showXmppDebugConsole();
    QCOMPARE(services()->xmppDebugConsole(), console.data());
    signOut();
    QTRY_VERIFY(!console);
    QVERIFY(logs().contains("App signed out, closing debug window."));
}

void MainWindowServicesTest::testCallAndTeamTelephony()
{
    ensureSignedIn();
    // The demo configuration's English number.
    Kivo::Contacts::IContact* contact = services()->testCallContact();
    QVERIFY(contact);
    QCOMPARE(contact->getProperty(Kivo::Contacts::Properties::WorkNumber).toString(), QString("+15550150"));
    QList<int> triggered;
    connect(services()->testCallProvider(), &Kivo::Actions::Provider::actionTriggered, this,
            [&triggered](Kivo::Actions::ActionData& data, Kivo::Actions::Source&) { triggered << data.getId(); });
    action(MenuAction::TestCall)->trigger();
    // The session can do video: the test call is a video call.
    QCOMPARE(triggered, QList<int>{Kivo::Actions::Action::VideoCall});

    // The busy lamp field is made once, whatever asks again.
    QML::MainWindow* main = m_App.mainWindow();
    QTRY_VERIFY(main->isTeamTelephonyShown());
    QSignalSpy shown(main, &QML::MainWindow::teamTelephonyShownChanged);
    main->createBlfWindow();
    QCOMPARE(shown.size(), 0);
}

void MainWindowServicesTest::sessionStateReachesTheScene()
{
    ensureSignedIn();
    QML::MainWindow* main = m_App.mainWindow();
    QTRY_VERIFY(main->isXmppConnected());
    QVERIFY(main->isRosterReceived());
    QVERIFY(!main->isXmppError());
    QVERIFY(!main->isOfflineMode());
    QVERIFY(main->hasMyRoom());

    QSignalSpy expanded(main, &QML::MainWindow::ownPresenceExpandedChanged);
    QVERIFY(main->setProperty("ownPresenceExpanded", true));
    QVERIFY(main->setProperty("ownPresenceExpanded", true));
    QCOMPARE(expanded.size(), 1);

    QSignalSpy ready(main, &QML::MainWindow::myRoomReadyChanged);
    main->myRoomReady();
    QCOMPARE(ready.size(), 1);
    QVERIFY(main->property("myRoomReady").toBool());
    // The demo room's dial-in details, for the tool tip.
    QVERIFY(!main->getMyRoomToolTip().isEmpty());

    // The chat connection drops and comes back: the scene hears of both.
    QSignalSpy connection(main, &QML::MainWindow::xmppConnectStateChanged);
    Kivo::Sessions::XmppSession* xmpp = m_App.session()->xmppSubSession();
    xmpp->stop();
    QTRY_COMPARE(connection.size(), 1);
    QVERIFY(!main->isXmppConnected());
    QVERIFY(!main->isRosterReceived());
    xmpp->start();
    QTRY_COMPARE(connection.size(), 2);
    QVERIFY(main->isXmppConnected());
}

void MainWindowServicesTest::sessionClosedDeletesTheWindowLater()
{
    ensureSignedIn();
    QPointer<QML::MainWindow> main = m_App.mainWindow();
    // Inside the session's signal the window must outlive the slot: others release it too.
    main->cbSessionClosed();
    QVERIFY(main);
    QTRY_VERIFY(!main);
    signOut();
}

int main(int argc, char** argv)
{
    return TestSupport::execApplicationTest<MainWindowServicesTest>(argc, argv);
}

#include "tst_main_window_services.moc"
