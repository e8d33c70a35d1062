// What a signed-in session wires between the engine's objects and the program's windows,
// driven through the simulated service.
#include "support/config_patch.h"
#include "Dialogs/message_window.h"
#include "Providers/default_call_action_provider.h"
#include "Providers/factory.h"
#include "Providers/menu_action_provider.h"
#include "Utils/preferences_watcher.h"
#include "Utils/presence_helper.h"
#include "common/constants.h"
#include "libqml/components/connector_notification/connector_notification.h"
#include "libqml/components/mainwindow/main_window.h"
#include "libqml/window/qml_view.h"
#include "support/application_test.h"
#include "tray.h"

#include <Kivo/ApiProvider/Controller.h>
#include <Kivo/Client.h>
#include <Kivo/ConfigContainer.h>
#include <Kivo/Configuration/Config.h>
#include <Kivo/Contacts/BlfController.h>
#include <Kivo/Controllers/CallRequestSource.h>
#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/Models/CommsSessionParticipants.h>
#include <Kivo/Outlook/OutlookIntegration.h>
#include <Kivo/Presence/LocationPublisher.h>
#include <Kivo/Presence/PresenceData.h>
#include <Kivo/Settings.h>
#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Service.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QQuickItem>
#include <QSignalSpy>
#include <QtTest>


using Kivo::Actions::Action;
using Kivo::Controllers::CommsSessionController;
using Kivo::Controllers::CommunicationSession;
using Kivo::Sessions::SessionManagerBase;
using Kivo::Simulation::CallState;
namespace MenuAction = Constants::MenuAction;

namespace {

const char* const Bob = "bob@demo.telvarion.net";

// The sub-menus that the tray's context menu shows.
QList<QMenu*> traySubMenus(const Tray* tray)
{
    QList<QMenu*> menus;
    for (QAction* action : tray->menu()->actions()) {
        if (action->menu())
            menus.append(action->menu());
    }
    return menus;
}

Dialogs::MessageWindow* visibleMessage(const QString& title)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<Dialogs::MessageWindow*>(widget);
        if (window && window->isVisible() && window->windowTitle() == title)
            return window;
    }
    return nullptr;
}

// One add-in request, as a row of the client-API table.
enum class Request
{
    Call,
    VideoCall,
    Conference,
    Chat,
    MyRoom,
    WebCollab
};

} // namespace

Q_DECLARE_METATYPE(Request)

class SessionWiringTest : public TestSupport::ApplicationTest
{
    Q_OBJECT

public:
    using ApplicationTest::ApplicationTest;

private slots:
    void initTestCase();
    void cleanup();

    void addInsWindowBelongsToTheSession();
    void clientApiRequestsReachTheService_data();
    void clientApiRequestsReachTheService();
    void unusableAddressesPlaceNothing_data();
    void unusableAddressesPlaceNothing();
    void activatingACallNeedsARunningCall();
    void remoteHangUpEndsThePlacedCall();
    void showCommandTriggersOpenApplicationOnceAfterSignInAgain();

    void busyLampFieldReadyShowsTeamTelephony_data();
    void busyLampFieldReadyShowsTeamTelephony();
    void waitingMessagesReachTheMainWindow();

    void callRequestsFollowTheDefaultCallType_data();
    void callRequestsFollowTheDefaultCallType();
    void defaultCallTypeMenuReachesTheTray();
    void nextSessionReplacesTheDefaultCallType();
    void presenceMenuReachesTheTray();
    void addInPresenceReachesTheService();
    void ownLocationIsPublishedUntilTheSessionCloses();
    void outlookIntegrationFollowsPreferences_data();
    void outlookIntegrationFollowsPreferences();

private:
    Kivo::Client* client() const { return m_App.client(); }
    Kivo::ApiProvider::Controller* apiController() const
    {
        return m_App.findChild<Kivo::ApiProvider::Controller*>();
    }
    CommsSessionController* comms() const { return m_App.session()->commsSessionController(); }
    QQuickItem* sceneItem(const char* name) const
    {
        return m_App.mainWindow()->view()->rootObject()->findChild<QQuickItem*>(name);
    }
};

void SessionWiringTest::initTestCase()
{
    ApplicationTest::initTestCase();
    QVERIFY(apiController());
    service().setLatency(1);
}

void SessionWiringTest::cleanup()
{
    if (m_App.session())
        signOut();
}

namespace {

QList<QML::ConnectorNotification*> addInsWindows()
{
    QList<QML::ConnectorNotification*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<QML::ConnectorNotification*>(widget))
            windows.append(window);
    }
    return windows;
}

} // namespace

void SessionWiringTest::addInsWindowBelongsToTheSession()
{
    // Signed out there is none; each session makes its own and takes it along when it ends.
    QVERIFY(addInsWindows().isEmpty());
    signIn();
    QCOMPARE(addInsWindows().size(), 1);
    QPointer<QML::ConnectorNotification> first = addInsWindows().first();
    // No add-in waits for the user's decision: the window stays out of sight.
    QVERIFY(!first->isVisible());
    signOut();
    QTRY_VERIFY(!first);
    QVERIFY(addInsWindows().isEmpty());
    signIn();
    QCOMPARE(addInsWindows().size(), 1);
}

void SessionWiringTest::clientApiRequestsReachTheService_data()
{
    QTest::addColumn<Request>("request");
    QTest::addColumn<QString>("remote");
    QTest::addColumn<bool>("video");

    QTest::newRow("call") << Request::Call << Bob << false;
    QTest::newRow("video call, address trimmed") << Request::VideoCall << Bob << true;
    QTest::newRow("conference") << Request::Conference << "bob@demo.telvarion.net, +15550102" << false;
    QTest::newRow("chat") << Request::Chat << QString() << false;
    // My Room joins the room's chat and calls its bridge.
    QTest::newRow("My Room") << Request::MyRoom << "+15550150" << false;
    QTest::newRow("web collaboration") << Request::WebCollab << QString() << false;
}

void SessionWiringTest::clientApiRequestsReachTheService()
{
    QFETCH(Request, request);
    QFETCH(QString, remote);
    QFETCH(bool, video);

    signIn();
    Kivo::ApiProvider::Controller* api = apiController();
    QSignalSpy created(comms(), &CommsSessionController::sessionCreated);
    QSignalSpy outgoing(&service(), &Kivo::Simulation::Service::outgoingCall);

    switch (request) {
    case Request::Call:
        emit api->createCall({Bob}, false);
        break;
    case Request::VideoCall:
        emit api->createCall({QString(" %1 ").arg(Bob)}, true);
        break;
    case Request::Conference:
        emit api->createCall({Bob, "+15550102"}, false);
        break;
    case Request::Chat: {
        emit api->createChat({Bob, "chiara@demo.telvarion.net"});
        QTRY_COMPARE(created.count(), 1);
        const auto* group = created.first().first().value<CommunicationSession*>();
        QVERIFY(group->isGroup());
        QVERIFY(group->getChat());
        // Both join the group chat that the service makes for them.
        QTRY_COMPARE(group->getParticipants()->getParticipantsExcludeSelf().size(), 2);
        QVERIFY(outgoing.isEmpty());
        return;
    }
    case Request::MyRoom:
        emit api->createMyRoomSession("+15550150", "alice@myroom.demo.telvarion.net", "share-7");
        QCOMPARE(created.count(), 1);
        QVERIFY(created.first().first().value<CommunicationSession*>()->isMyRoomSession());
        break;
    case Request::WebCollab:
        emit api->createWebCollabSession({Bob});
        QCOMPARE(created.count(), 1);
        // The share service reports the user's share once it runs.
        QTRY_VERIFY(created.first().first().value<CommunicationSession*>()->webCollabActive());
        QCOMPARE(outgoing.count(), 0);
        return;
    }

    QTRY_COMPARE(created.count(), 1);
    auto* session = created.first().first().value<CommunicationSession*>();
    const Kivo::MediaEngine::Call call = session->getCallRef();
    QVERIFY(call);
    QCOMPARE(call->getRemoteAddress(), remote);
    QCOMPARE(call->isVideoCall(), video);
    QCOMPARE(comms()->getSession(call), session);
    QTRY_VERIFY(service().call(call->getCallId()));
    QVERIFY(!service().call(call->getCallId())->incoming);
    // The remote side picks up.
    QTRY_COMPARE(service().call(call->getCallId())->state, CallState::Active);
    QTRY_COMPARE(call->getCallState(), Kivo::MediaEngine::CallBasePtr::InCall);
}

void SessionWiringTest::unusableAddressesPlaceNothing_data()
{
    QTest::addColumn<QStringList>("addresses");

    QTest::newRow("no address") << QStringList();
    QTest::newRow("empty") << QStringList({QString()});
    QTest::newRow("blank") << QStringList({"   "});
    QTest::newRow("one of several empty") << QStringList({Bob, QString()});
    QTest::newRow("control character") << QStringList({QString("bob\n@demo.telvarion.net")});
    QTest::newRow("overlong") << QStringList({QString(300, 'x')});
}

void SessionWiringTest::unusableAddressesPlaceNothing()
{
    QFETCH(QStringList, addresses);

    signIn();
    logs().clear();
    QSignalSpy outgoing(&service(), &Kivo::Simulation::Service::outgoingCall);
    QSignalSpy created(comms(), &CommsSessionController::sessionCreated);
    emit apiController()->createCall(addresses, false);
    emit apiController()->createChat(addresses);
    emit apiController()->createWebCollabSession(addresses);
    // Anything placed would arrive after the service's latency: wait for a later event.
    QVERIFY(Kivo::Simulation::Control(service()).injectMessagesWaiting(0, 0));
    QSignalSpy messages(&service(), &Kivo::Simulation::Service::messagesWaiting);
    QVERIFY(messages.wait());
    QVERIFY(outgoing.isEmpty());
    QVERIFY(created.isEmpty());
    QVERIFY(service().calls().isEmpty());
    QVERIFY(logs().contains("refused"));
}

void SessionWiringTest::activatingACallNeedsARunningCall()
{
    signIn();
    logs().clear();
    emit apiController()->activateSession(Kivo::MediaEngine::Call());
    QVERIFY(logs().contains("No call 0 to bring to the front"));

    QSignalSpy created(comms(), &CommsSessionController::sessionCreated);
    const int incoming = Kivo::Simulation::Control(service()).injectIncomingCall(Bob, true);
    QTRY_COMPARE(created.count(), 1);
    QPointer<CommunicationSession> session = created.first().first().value<CommunicationSession*>();
    QSignalSpy activated(session.data(), &CommunicationSession::activated);
    QSignalSpy background(comms(), &CommsSessionController::handleBackgroundActivationChange);
    emit apiController()->activateSession(session->getCallRef());
    QCOMPARE(activated.count(), 1);
    QCOMPARE(background.count(), 1);
    QVERIFY(Kivo::Simulation::Control(service()).injectRemoteHangUp(incoming));
    QTRY_VERIFY(!session);
}

void SessionWiringTest::remoteHangUpEndsThePlacedCall()
{
    signIn();
    QSignalSpy created(comms(), &CommsSessionController::sessionCreated);
    emit apiController()->createCall({Bob}, false);
    QTRY_COMPARE(created.count(), 1);
    QPointer<CommunicationSession> session = created.first().first().value<CommunicationSession*>();
    const Kivo::MediaEngine::Call call = session->getCallRef();
    QSignalSpy closed(call.get(), &Kivo::MediaEngine::CallBasePtr::closed);
    QTRY_VERIFY(service().call(call->getCallId()));
    QVERIFY(Kivo::Simulation::Control(service()).injectRemoteHangUp(call->getCallId()));
    QTRY_COMPARE(closed.count(), 1);
    QCOMPARE(call->getEndReason(), Kivo::MediaEngine::CallBasePtr::RemoteHungUp);
    // The conversation goes with its only call.
    QTRY_VERIFY(!session);
    QVERIFY(!service().call(call->getCallId()));
}

void SessionWiringTest::showCommandTriggersOpenApplicationOnceAfterSignInAgain()
{
    signIn();
    signOut();
    signIn();
    QSignalSpy opened(m_App.menuActionProvider()->action(MenuAction::OpenApplication), &QAction::triggered);
    emit apiController()->showClientWindowCommand();
    QCOMPARE(opened.count(), 1);
}

void SessionWiringTest::busyLampFieldReadyShowsTeamTelephony_data()
{
    QTest::addColumn<bool>("enabled");

    QTest::newRow("enabled") << true;
    QTest::newRow("disabled") << false;
}

void SessionWiringTest::busyLampFieldReadyShowsTeamTelephony()
{
    QFETCH(bool, enabled);

    const ConfigPatch patch(client()->getConfigContainer()->currentConfig(),
                            {{Kivo::Contacts::BlfController::EnabledItem, enabled}});
    signIn();
    Kivo::Contacts::BlfController* blf = m_App.session()->getBlfController();
    QVERIFY(blf);
    QCOMPARE(blf->isEnabled(), enabled);
    if (enabled) {
        // Ready once the call connection is up.
        QTRY_VERIFY(blf->isReady());
        QVERIFY(m_App.mainWindow()->isTeamTelephonyShown());
        QVERIFY(sceneItem("teamTelephony")->isVisible());
        // Ready again (a reconnection) makes no second pane.
        QSignalSpy shown(m_App.mainWindow(), &QML::MainWindow::teamTelephonyShownChanged);
        emit blf->blfControllerReady();
        QVERIFY(shown.isEmpty());
    } else {
        // A disabled controller is not wired, even if it reports ready.
        emit blf->blfControllerReady();
        QVERIFY(!m_App.mainWindow()->isTeamTelephonyShown());
        QVERIFY(!sceneItem("teamTelephony")->isVisible());
    }
}

void SessionWiringTest::waitingMessagesReachTheMainWindow()
{
    signIn();
    QQuickItem* newMessages = sceneItem("newMessages");
    QVERIFY(newMessages);
    // The demo's mailbox tells what waits in it once the session is there, a moment after
    // the sign-in; nothing waiting then takes the label away.
    QTRY_VERIFY(newMessages->isVisible());
    QVERIFY(Kivo::Simulation::Control(service()).injectMessagesWaiting(0, 0));
    QTRY_VERIFY(!newMessages->isVisible());
    QVERIFY(Kivo::Simulation::Control(service()).injectMessagesWaiting(3, 1));
    QTRY_COMPARE(m_App.mainWindow()->view()->rootObject()->property("voiceMailMessagesCount").toInt(), 3);
    QVERIFY(newMessages->isVisible());
    QCOMPARE(newMessages->property("text").toString(), QString("New messages: 3"));
    // Negative counts are no server report; what is no count leaves the shown one.
    QVERIFY(!Kivo::Simulation::Control(service()).injectMessagesWaiting(-1, 0));
    for (const QVariant& garbage : {QVariant("lots"), QVariant(-2), QVariant()}) {
        m_App.mainWindow()->onMessages(garbage, QVariant());
        QCOMPARE(m_App.mainWindow()->view()->rootObject()->property("voiceMailMessagesCount").toInt(), 3);
    }
    QVERIFY(logs().contains("Waiting voice messages ignored: not a count: lots"));
}

void SessionWiringTest::callRequestsFollowTheDefaultCallType_data()
{
    QTest::addColumn<int>("callType");
    QTest::addColumn<bool>("keepWindow");
    QTest::addColumn<bool>("placed");
    QTest::addColumn<bool>("video");

    QTest::newRow("call raises the window") << int(Action::Call) << false << true << false;
    QTest::newRow("video call") << int(Action::VideoCall) << false << true << true;
    QTest::newRow("call, window kept") << int(Action::Call) << true << true << false;
    QTest::newRow("no call type offered") << int(Action::None) << false << false << false;
}

void SessionWiringTest::callRequestsFollowTheDefaultCallType()
{
    QFETCH(int, callType);
    QFETCH(bool, keepWindow);
    QFETCH(bool, placed);
    QFETCH(bool, video);

    const ConfigPatch patch(client()->getConfigContainer()->currentConfig(), {{81, keepWindow}});
    signIn();
    Kivo::Controllers::CallRequestSource* requests = m_App.session()->callRequestSource();
    QVERIFY(requests);
    // The default call type provider has told the source its choice.
    QCOMPARE(requests->callActionType(), m_App.mainWindow()->defaultAction());
    emit m_App.defaultCallActionProvider()->defaultCallActionChanged(Action::Id(callType));
    QCOMPARE(int(requests->callActionType()), callType);

    m_App.mainWindow()->showMinimized();
    QTRY_VERIFY(m_App.mainWindow()->isMinimized());
    QSignalSpy created(requests, &Kivo::Controllers::CallRequestSource::CreateCall);
    QSignalSpy outgoing(&service(), &Kivo::Simulation::Service::outgoingCall);
    QVERIFY(Kivo::Simulation::Control(service()).injectCallRequest(Bob));
    if (!placed) {
        QVERIFY(Kivo::Simulation::Control(service()).injectMessagesWaiting(0, 0));
        QSignalSpy messages(&service(), &Kivo::Simulation::Service::messagesWaiting);
        QVERIFY(messages.wait());
        QVERIFY(created.isEmpty());
        QVERIFY(outgoing.isEmpty());
        return;
    }
    QTRY_COMPARE(created.count(), 1);
    const auto contacts = created.first().at(0).value<QList<Kivo::Contacts::ContactPtr>>();
    QCOMPARE(contacts.size(), 1);
    // Bob is in the contact list: the request names his stored contact.
    QVERIFY(contacts.first()->isStored());
    QCOMPARE(contacts.first()->getAddress(), QString(Bob));
    QCOMPARE(created.first().at(1).value<Kivo::Contacts::Properties::Key>(), Kivo::Contacts::Properties::Address);
    QCOMPARE(m_App.mainWindow()->isMinimized(), keepWindow);
    QTRY_COMPARE(outgoing.count(), 1);
    QCOMPARE(outgoing.first().at(1).toString(), QString(Bob));
    QCOMPARE(outgoing.first().at(2).toBool(), video);
}

void SessionWiringTest::defaultCallTypeMenuReachesTheTray()
{
    signIn();
    Providers::DefaultCallActionProvider* provider = m_App.defaultCallActionProvider();
    QVERIFY(provider);
    QMenu* menu = provider->menu();
    QVERIFY(menu);
    QVERIFY(traySubMenus(m_App.tray()).contains(menu));
    signOut();
    QVERIFY(traySubMenus(m_App.tray()).isEmpty());
}

void SessionWiringTest::nextSessionReplacesTheDefaultCallType()
{
    Kivo::Configuration::Config::Document document;
    document.name = "Default call type";
    document.items.insert(5, true);
    const Kivo::Configuration::Config config(QString(), document);
    auto countDefaultCallTypeMenus = [this] {
        int count = 0;
        for (const QMenu* menu : traySubMenus(m_App.tray()))
            count += menu->title() == "Default Call Type" ? 1 : 0;
        return count;
    };

    SessionManagerBase first(DemoUser, "Alice", &config, client()->getCredentialsManager());
    m_App.cbSessionOpened(first);
    QPointer<Providers::DefaultCallActionProvider> firstProvider = m_App.defaultCallActionProvider();
    QVERIFY(firstProvider);
    QCOMPARE(countDefaultCallTypeMenus(), 1);
    // The second session's opening releases what the first one's made.
    const QPointer<QObject> firstFactory = m_App.providerFactory();

    SessionManagerBase second(DemoUser, "Alice", &config, client()->getCredentialsManager());
    m_App.cbSessionOpened(second);
    QVERIFY(!firstProvider);
    QVERIFY(!firstFactory);
    QVERIFY(m_App.defaultCallActionProvider());
    // The replaced provider's menu left the tray with it.
    QCOMPARE(countDefaultCallTypeMenus(), 1);
    delete m_App.mainWindow();
    m_App.cbSessionClosed(second);
    QCOMPARE(countDefaultCallTypeMenus(), 0);
}

void SessionWiringTest::presenceMenuReachesTheTray()
{
    signIn();
    Utils::PresenceHelper* helper = m_App.providerFactory()->presenceHelper();
    QVERIFY(helper);
    QVERIFY(helper->menu());
    QVERIFY(traySubMenus(m_App.tray()).contains(helper->menu()));
}

void SessionWiringTest::addInPresenceReachesTheService()
{
    signIn();
    emit apiController()->setPresence(4);
    emit apiController()->setFreeText("On the shop floor");
    QTRY_COMPARE(service().signedInAccount()->presence, 4);
    QTRY_COMPARE(service().ownNote(), QString("On the shop floor"));
}

void SessionWiringTest::ownLocationIsPublishedUntilTheSessionCloses()
{
    logs().clear();
    signIn();
    Utils::PresenceHelper* helper = m_App.providerFactory()->presenceHelper();
    QVERIFY(helper);
    // The service's report of where the user is reaches the helper, which publishes it first.
    QTRY_VERIFY(logs().contains("Setting location."));
    QPointer<Kivo::Presence::LocationPublisher> publisher = m_App.session()->locationPublisher();
    QVERIFY(publisher);
    Kivo::Utils::Location::Info location;
    location.manualLocation = "Room 4.12";
    m_App.session()->contactsManager()->getContact(0)->getPresence()->setLocation(location);
    emit helper->ownLocationChanged();
    QTRY_COMPARE(service().ownLocation().manualLocation, QString("Room 4.12"));

    // Told when the session closes, before the session and its publisher go.
    bool publishingAtClose = true;
    const QMetaObject::Connection atClose = connect(client(), &Kivo::Client::sessionClosed, this, [&] {
        publishingAtClose = publisher && publisher->isInitialized();
    });
    signOut();
    disconnect(atClose);
    QVERIFY(!publishingAtClose);
}

void SessionWiringTest::outlookIntegrationFollowsPreferences_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<bool>("integrated");

    QTest::newRow("no integration") << 180 << false;
    QTest::newRow("contact search") << 180 << true;
}

void SessionWiringTest::outlookIntegrationFollowsPreferences()
{
    QFETCH(int, item);
    QFETCH(bool, integrated);

    // Only the contact search: the calendar asks the same question.
    const ConfigPatch patch(client()->getConfigContainer()->currentConfig(), {{item, integrated}, {391, false}});
    signIn();
    Kivo::Outlook::OutlookIntegration* contactSearch = m_App.session()->outlookContactsIntegration();
    QCOMPARE(contactSearch != nullptr, integrated);
    // Asked once, right after sign-in.
    QCOMPARE(visibleMessage("Outlook integration") != nullptr, integrated);
    if (!integrated)
        return;
    visibleMessage("Outlook integration")->close();

    Kivo::Settings(Kivo::Settings::UserSettings).setValue(Kivo::Outlook::OutlookIntegration::ContactSearchKey, true);
    QVERIFY(!contactSearch->isEnabled());
    emit m_App.findChild<Preferences::WatcherImpl*>()->preferencesChanged();
    QVERIFY(contactSearch->isEnabled());
    Kivo::Settings(Kivo::Settings::UserSettings).remove(Kivo::Outlook::OutlookIntegration::ContactSearchKey);
}

int main(int argc, char** argv)
{
    return TestSupport::execApplicationTest<SessionWiringTest>(argc, argv);
}

#include "tst_session_wiring.moc"
