#include "menu_fixture.h"

#include "Utils/Actions/communications_window_menu_actions.h"
#include "Utils/call_settings_toolbar_helper.h"
#include "Utils/participant_menu_actions.h"
#include "libqml/components/communications_window/communications_window.h"

#include <Kivo/Actions/Provider.h>
#include <Kivo/Controllers/ChatInterface.h>
#include <Kivo/Controllers/VyxServiceObject.h>
#include <Kivo/Controllers/XmppChatController.h>
#include <Kivo/Data/CommsSessionParticipant.h>
#include <Kivo/Models/CommsSessionParticipants.h>
#include <Kivo/MyRoom/MeetMeVyxActionsHandler.h>
#include <Kivo/Controllers/VyxSupplementaryServicesController2.h>
#include <Kivo/Settings.h>

#include <QSignalSpy>
#include <QtTest>

using namespace MenuFixture;
using Kivo::MediaEngine::CallBasePtr;
using MenuActions = Utils::Actions::CommunicationsWindowMenuActions;
using Utils::CallSettingsToolbarHelper;

using ConfigItems = QHash<int, QVariant>;
Q_DECLARE_METATYPE(ConfigItems)

namespace {

// Alice with the services the toolbar switches: forwarding always without a number yet,
// forwarding busy with one, do not disturb and remote office; and a room she is a member of.
const QByteArray ServiceAccounts = R"({ "accounts": [
  { "user": "alice@test.example", "password": "a", "displayName": "Alice Carter", "domain": "test.example",
    "contacts": [
      { "id": 1, "name": "Bob Lind", "address": "bob@test.example", "number": "+15550101", "presence": 7 },
      { "id": 2, "name": "Chiara Rossi", "address": "chiara@test.example", "presence": 7 } ],
    "services": {
      "supplementary": [ { "id": 0, "active": false, "target": "" },
                         { "id": 2, "active": true, "target": "+15550111" },
                         { "id": 18, "active": false },
                         { "id": 19, "active": false, "target": "" } ] },
    "rooms": [
      { "jid": "lobby@conference.test.example", "name": "Lobby", "owner": "dev@test.example",
        "admins": ["bob@test.example"], "members": ["alice@test.example", "chiara@test.example"],
        "occupants": ["bob@test.example"] } ] } ] })";

QHash<int, QVariant> toolbarItems(bool toolbar)
{
    QHash<int, QVariant> items{{399, toolbar}, {400, true}, {404, true}, {405, true}, {406, true}, {409, true}};
    return items;
}

// Waits until the helper has the server's answer for every service it watches.
bool servicesReported(SignedIn& signedIn)
{
    Kivo::Controllers::VyxSupplementaryServicesController2* services =
        signedIn.session()->vyxSupplementaryServicesController2();
    if (!services)
        return false;
    QSignalSpy ready(services, &Kivo::Controllers::VyxSupplementaryServicesController2::servicesReady);
    services->fetchServicesList();
    if (!ready.wait())
        return false;
    return QTest::qWaitFor([services] {
        for (int id : {0, 2, 18}) {
            if (!services->getService(id) || !services->getService(id)->isKnown())
                return false;
        }
        return true;
    });
}

// A real communications window of the conversation, and menu actions that read it.
struct CommsWindow
{
    CommsWindow(Handler& fixture, Kivo::Controllers::CommunicationSession* session)
        : window(new QML::CommunicationsWindow(fixture.signedIn.session(), session, fixture.factory.get(), false))
    {
        actions = std::make_unique<MenuActions>(fixture.signedIn.session()->contactsManager(), window);
        fixture.windows.setMenuActions(session, actions.get());
        actions->connectCallSignals();
        actions->refreshCallSpecificActions();
    }

    QString text(int id) const { return actions->action(id) ? actions->action(id)->text() : QString("absent"); }
    bool enabled(int id) const { return actions->action(id) && actions->action(id)->isEnabled(); }

    // The window goes by itself when its conversation ends.
    ~CommsWindow() { delete window.data(); }

    QPointer<QML::CommunicationsWindow> window;
    std::unique_ptr<MenuActions> actions;
};

Kivo::Controllers::CommunicationSession* start(Handler& fixture, bool call)
{
    QSignalSpy created(fixture.signedIn.comms(), &Kivo::Controllers::CommsSessionController::sessionCreated);
    if (call)
        fixture.signedIn.comms()->createCall({QString::fromLatin1(Bob)}, false);
    else
        fixture.signedIn.comms()->createChat(QStringList{QString::fromLatin1(Bob)});
    if (!QTest::qWaitFor([&created] { return !created.isEmpty(); }))
        return nullptr;
    Kivo::Controllers::CommunicationSession* session = nextSession(created);
    if (call && !QTest::qWaitFor([session] { return session->getCall()->getCallState() == CallBasePtr::InCall; }))
        return nullptr;
    return session;
}

} // namespace

class WindowMenusTest : public QObject
{
    Q_OBJECT

private slots:
    void toolbarFollowsItsItems_data();
    void toolbarFollowsItsItems();
    void forwardingEntryWaitsForItsNumber();
    void chatOnlyWindow();
    void heldCall();
    void optionsMenuListsOnlyWhatBelongsThere();
    void conversationMenuOffersTheWindowsActions();
    void participantMenusByAffiliation();
    void dismissAllSparesTheOwner();
    void windowMenusLeaveNoActionsBehind();
};

void WindowMenusTest::toolbarFollowsItsItems_data()
{
    QTest::addColumn<ConfigItems>("items");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("all on") << toolbarItems(true) << true;
    QTest::newRow("toolbar item off") << toolbarItems(false) << false;
    QTest::newRow("forwarding without types") << QHash<int, QVariant>{{399, true}, {404, true}} << false;
    QTest::newRow("do not disturb alone") << QHash<int, QVariant>{{399, true}, {409, true}} << true;
}

void WindowMenusTest::toolbarFollowsItsItems()
{
    QFETCH(ConfigItems, items);
    QFETCH(bool, enabled);
    TestSupport::Environment env;
    SignedIn signedIn(items, ServiceAccounts);
    QVERIFY(signedIn.isReady());
    CallSettingsToolbarHelper helper(signedIn.session());
    QCOMPARE(helper.toolbarEnabled(), enabled);
    QCOMPARE(helper.getCallSettingsTooltip(), QString("Call Settings"));
}

void WindowMenusTest::forwardingEntryWaitsForItsNumber()
{
    TestSupport::Environment env;
    SignedIn signedIn(toolbarItems(true), ServiceAccounts);
    QVERIFY(signedIn.isReady());
    CallSettingsToolbarHelper helper(signedIn.session());
    QVERIFY(servicesReported(signedIn));
    QTRY_VERIFY(helper.getCallSettingsTooltip().contains("Call Forwarding enabled"));

    std::unique_ptr<QMenu> menu(helper.buildCallSettingsMenu());
    QVERIFY(menu);
    QCOMPARE(layout(menu.get()),
             QStringList({"Do Not Disturb", "Call Forwarding[Call Forward Always(off), Call Forward Busy, -, Configure]",
                          "-", "Call Settings..."}));

    // The number arrives: the entry can be switched.
    Kivo::Controllers::VyxServiceObject* always = signedIn.session()->vyxSupplementaryServicesController2()->getService(0);
    always->setValue("+15550177", "forwardToPhoneNumber");
    always->setState(1);
    always->push();
    QTRY_VERIFY(helper.callForwardAlwaysActive());
    menu.reset(helper.buildCallSettingsMenu());
    QCOMPARE(layout(menu.get()).at(1), QString("Call Forwarding[Call Forward Always, Call Forward Busy, -, Configure]"));

    QSignalSpy opening(&helper, &CallSettingsToolbarHelper::openCallSettings);
    QSignalSpy visible(&helper, &CallSettingsToolbarHelper::callSettingsMenuVisibleChanged);
    menu->popup(QPoint(0, 0));
    QVERIFY(helper.callSettingsMenuVisible());
    entry(menu.get(), "Call Settings...")->trigger();
    QCOMPARE(opening.size(), 1);
}

void WindowMenusTest::chatOnlyWindow()
{
    Handler fixture({{74, true}, {77, true}, {85, true}, {129, true}});
    QVERIFY(fixture.isReady());
    Kivo::Controllers::CommunicationSession* session = start(fixture, false);
    QVERIFY(session);
    QTRY_VERIFY(session->chatActive());
    CommsWindow window(fixture, session);
    QCOMPARE(window.text(MenuActions::ActionEndCommunications), QString("End Chat"));
    QVERIFY(window.enabled(MenuActions::ActionEndCommunications));
    for (int id : {MenuActions::ActionHoldCall, MenuActions::ActionTransferCall, MenuActions::ActionAddParticipants,
                   MenuActions::ActionCallRecordStart, MenuActions::ActionCallRecordStop})
        QVERIFY2(!window.enabled(id), qPrintable(QString::number(id)));
    QVERIFY(window.enabled(MenuActions::ActionDeleteChatHistory));

    // Without the question, deleting the history is asked for at once.
    Kivo::Settings(Kivo::Settings::UserSettings).setValue("settings/confirmations/historyRecord", false);
    QSignalSpy deleting(window.actions.get(), &MenuActions::deleteChatHistory);
    window.actions->action(MenuActions::ActionDeleteChatHistory)->trigger();
    QCOMPARE(deleting.size(), 1);
}

void WindowMenusTest::heldCall()
{
    Handler fixture({{74, true}, {77, true}, {85, true}});
    QVERIFY(fixture.isReady());
    Kivo::Controllers::CommunicationSession* session = start(fixture, true);
    QVERIFY(session);
    CommsWindow window(fixture, session);
    QCOMPARE(window.text(MenuActions::ActionEndCommunications), QString("End Call"));
    QCOMPARE(window.text(MenuActions::ActionHoldCall), QString("Hold Call"));
    QVERIFY(window.enabled(MenuActions::ActionCallRecordStart));
    QCOMPARE(window.text(MenuActions::ActionCallRecordStart), QString("Start Recording"));

    window.actions->action(MenuActions::ActionHoldCall)->trigger();
    QTRY_COMPARE(window.text(MenuActions::ActionHoldCall), QString("Unhold Call"));
    QVERIFY(window.enabled(MenuActions::ActionHoldCall));
    for (int id : {MenuActions::ActionCallRecordSubmenu, MenuActions::ActionCallRecordStart,
                   MenuActions::ActionCallRecordStop})
        QVERIFY2(!window.enabled(id), qPrintable(QString::number(id)));

    window.actions->action(MenuActions::ActionMuteMic)->trigger();
    QVERIFY(session->getCall()->isMicrophoneMuted());
    // A conversation left with nothing in it is deleted by the engine.
    const QPointer<Kivo::Controllers::CommunicationSession> ending(session);
    window.actions->action(MenuActions::ActionEndCommunications)->trigger();
    QTRY_VERIFY(!ending || !ending->callActive());
}

void WindowMenusTest::optionsMenuListsOnlyWhatBelongsThere()
{
    Handler fixture({{74, true}, {77, true}, {85, true}, {129, true}});
    QVERIFY(fixture.isReady());
    Kivo::Controllers::CommunicationSession* session = start(fixture, true);
    QVERIFY(session);
    CommsWindow window(fixture, session);
    const QList<QAction*> never = {window.actions->action(MenuActions::ActionEndCommunications),
                                   window.actions->action(MenuActions::ActionMuteMic),
                                   window.actions->action(MenuActions::ActionTransferCallNew),
                                   window.actions->action(MenuActions::ActionAddParticipantsNew),
                                   window.actions->action(MenuActions::ActionOpenWindow)};
    delete window.actions->createOptionsMenu();
    const int actionsBefore = window.actions->findChildren<QAction*>().size();
    for (int build = 0; build < 5; ++build) {
        std::unique_ptr<QMenu> menu(window.actions->createOptionsMenu());
        QCOMPARE(menu->actions().first(), window.actions->action(MenuActions::ActionHoldCall));
        for (QAction* action : never)
            QVERIFY(!menu->actions().contains(action));
        QVERIFY(layout(menu.get()).contains("View Profile"));
        QVERIFY(layout(menu.get()).contains("Always on Top"));
    }
    // The contact entries of earlier builds do not pile up.
    QCOMPARE(window.actions->findChildren<QAction*>().size(), actionsBefore);
    // In the order of the actions: hold, then transferring, then conferencing.
    std::unique_ptr<QMenu> menu(window.actions->createOptionsMenu());
    QCOMPARE(layout(menu.get()).mid(0, 3), QStringList({"Hold Call", "Transfer to[New]", "Conference with[New]"}));

    // Without a call there is nobody to transfer or add: both show, disabled and empty.
    QSignalSpy created(fixture.signedIn.comms(), &Kivo::Controllers::CommsSessionController::sessionCreated);
    fixture.signedIn.comms()->createChat(QStringList{QString::fromLatin1(Chiara)});
    QTRY_COMPARE(created.size(), 1);
    Kivo::Controllers::CommunicationSession* chat = nextSession(created);
    CommsWindow chatWindow(fixture, chat);
    std::unique_ptr<QMenu> chatMenu(chatWindow.actions->createOptionsMenu());
    const QStringList entries = layout(chatMenu.get());
    QVERIFY2(entries.contains("Transfer to[](off)") && entries.contains("Conference with[](off)"),
             qPrintable(entries.join(" | ")));
}

void WindowMenusTest::conversationMenuOffersTheWindowsActions()
{
    Handler fixture({{74, true}, {77, true}, {85, true}, {156, true}, {157, true}, {158, true}});
    QVERIFY(fixture.isReady());
    Kivo::Controllers::CommunicationSession* session = start(fixture, true);
    QVERIFY(session);
    CommsWindow window(fixture, session);
    fixture.activeSelection.setSources({session});
    fixture.handler->showActiveCommsPopupMenu();
    const QStringList right = layout(fixture.last());
    QCOMPARE(right.mid(0, 3), QStringList({"End Call", "Hold Call", "Mute Microphone"}));
    QCOMPARE(right.last(), QString("Show Window"));
    QCOMPARE(fixture.handler->getCommsWindowAction(session, MenuActions::ActionMuteMic),
             window.actions->action(MenuActions::ActionMuteMic));
    QVERIFY(fixture.handler->getButtonEnabled(MenuActions::ActionCallPark));
    QVERIFY(!fixture.handler->getButtonEnabled(MenuActions::ActionMuteMic));

    // From the "More" button the call buttons already offer transfer and conference.
    fixture.handler->showActiveCommsPopupMenu(true);
    const QStringList more = layout(fixture.last());
    QVERIFY2(!more.join(",").contains("Transfer to") && !more.join(",").contains("Conference with"),
             qPrintable(more.join(" | ")));
    QVERIFY(more.join(",").contains("Record Call"));

    // With a chat going on too, the "More" menu offers to end it; the entry goes with the menu.
    fixture.signedIn.comms()->createChat(QStringList{QString::fromLatin1(Bob)});
    QTRY_VERIFY(session->chatActive());
    fixture.handler->showActiveCommsPopupMenu(true);
    QAction* endChat = fixture.last()->actions().value(0);
    QVERIFY(endChat);
    QCOMPARE(endChat->text(), QString("End Chat"));
    QCOMPARE(endChat->parent(), fixture.last());
    endChat->trigger();
    QTRY_VERIFY(!session->chatActive());
}

namespace {

using Kivo::Data::CommsSessionParticipant;

// Alice in a room (her own Design by default), with Bob (a moderator) and Chiara there.
struct Room
{
    explicit Room(Handler& fixture, const char* jid = Design)
    {
        QSignalSpy created(fixture.signedIn.comms(), &Kivo::Controllers::CommsSessionController::sessionCreated);
        fixture.signedIn.session()->xmppChatController()->joinRoom(QString::fromLatin1(jid));
        if (!QTest::qWaitFor([&created] { return !created.isEmpty(); }))
            return;
        session = nextSession(created);
        control().injectRoomJoin(QString::fromLatin1(jid), QString::fromLatin1(Chiara));
        participants = session->getParticipants();
        ready = QTest::qWaitFor([this] { return participant(Bob) && participant(Chiara) && session->chatActive(); });
        provider = fixture.factory->createActionsProvider(&owner, false);
        provider->setAcceptedActions({Kivo::Actions::Action::Chat, Kivo::Actions::Action::ViewProfile,
                                      Kivo::Actions::Action::EditProfile, Kivo::Actions::Action::AddContact},
                                     true);
        actions = std::make_unique<Utils::Actions::ParticipantMenuActions>(fixture.signedIn.session(), provider);
        actions->setParticipantsModel(participants);
        actions->setMeetMeVyxActionsHandler(&conference);
    }

    CommsSessionParticipant* participant(const char* address) const
    {
        return participants ? participants->participant(QString::fromLatin1(address)) : nullptr;
    }
    QStringList menuFor(const QList<CommsSessionParticipant*>& selected) const
    {
        std::unique_ptr<QMenu> menu(actions->addParticipantMenuActions(session, selected));
        return menu ? layout(menu.get()) : QStringList{"no menu"};
    }

    Kivo::Controllers::CommunicationSession* session = nullptr;
    Kivo::Models::CommsSessionParticipants* participants = nullptr;
    bool ready = false;
    QObject owner;
    Kivo::Actions::Provider* provider = nullptr;
    Kivo::MyRoom::MeetMeVyxActionsHandler conference;
    std::unique_ptr<Utils::Actions::ParticipantMenuActions> actions;
};

} // namespace

void WindowMenusTest::participantMenusByAffiliation()
{
    Handler fixture({{70, true}});
    QVERIFY(fixture.isReady());
    Room room(fixture);
    QVERIFY(room.ready);
    CommsSessionParticipant* bob = room.participant(Bob);
    QCOMPARE(room.session->getChatInterface()->getOwnAffiliation(), int(CommsSessionParticipant::Owner));
    room.participants->setAffiliation(QString::fromLatin1(Bob), CommsSessionParticipant::Admin);
    room.participants->setStateBits(QString::fromLatin1(Bob), CommsSessionParticipant::InAudioConference, true);

    // The owner on a moderator.
    QStringList entries = room.menuFor({bob});
    QCOMPARE(entries.mid(0, 3), QStringList({"Dismiss from Chat", "Mute", "Demote from Moderator"}));
    QVERIFY2(entries.contains("View Profile"), qPrintable(entries.join(" | ")));

    // Its mute entry follows the participant.
    std::unique_ptr<QMenu> menu(room.actions->addParticipantMenuActions(room.session, {bob}));
    entry(menu.get(), "Mute")->trigger();
    QVERIFY(bob->isMuted());
    QVERIFY(entry(menu.get(), "Unmute"));

    // A moderator on a moderator: no dismissing.
    Room ops(fixture, "ops@conference.test.example");
    QVERIFY(ops.ready);
    QCOMPARE(ops.session->getChatInterface()->getOwnAffiliation(), int(CommsSessionParticipant::Admin));
    entries = ops.menuFor({ops.participant(Bob)});
    QVERIFY2(!entries.join(",").contains("Dismiss") && !entries.join(",").contains("Moderator"),
             qPrintable(entries.join(" | ")));

    // Several participants, chosen by someone below a moderator.
    Room lobby(fixture, "lobby@conference.test.example");
    QVERIFY(lobby.ready);
    QCOMPARE(lobby.session->getChatInterface()->getOwnAffiliation(), int(CommsSessionParticipant::Member));
    QCOMPARE(lobby.menuFor({lobby.participant(Bob), lobby.participant(Chiara)}), QStringList({"Private Group Chat"}));
}

void WindowMenusTest::dismissAllSparesTheOwner()
{
    for (const bool moderatorControls : {true, false}) {
        Handler fixture({{70, moderatorControls}});
        QVERIFY(fixture.isReady());
        Room room(fixture);
        QVERIFY(room.ready);
        room.participants->setAffiliation(QString::fromLatin1(Chiara), CommsSessionParticipant::Owner);
        room.participants->setStateBits(QString::fromLatin1(Bob), CommsSessionParticipant::InAudioConference, true);
        room.conference.setConferenceStarted(true);
        QMenu own;
        room.actions->addOwnParticipantMenuActions(&own, room.session, QString());
        const QStringList entries = layout(&own);
        if (!moderatorControls) {
            // Nothing to lock, mute or dismiss without the moderator's controls.
            QVERIFY2(entries.join(",").indexOf(QRegularExpression("Mute|Lock|Dismiss")) < 0,
                     qPrintable(entries.join(" | ")));
            continue;
        }
        QCOMPARE(entries, QStringList({"Lock Audio Conference", "-", "Mute All", "Unmute All", "-",
                                       "Dismiss All from Chat", "-"}));
        entry(&own, "Dismiss All from Chat")->trigger();
        QCOMPARE(room.participant(Bob)->getParticipantLeaveReason(), int(CommsSessionParticipant::Dismissed));
        QCOMPARE(room.participant(Chiara)->getParticipantLeaveReason(), int(CommsSessionParticipant::Left));
    }
}

void WindowMenusTest::windowMenusLeaveNoActionsBehind()
{
    Handler fixture({{70, true}, {74, true}, {77, true}, {85, true}, {129, true}, {399, true}, {404, true},
                     {405, true}, {406, true}, {409, true}},
                    ServiceAccounts);
    QVERIFY(fixture.isReady());
    CallSettingsToolbarHelper toolbar(fixture.signedIn.session());
    QVERIFY(servicesReported(fixture.signedIn));
    Kivo::Controllers::CommunicationSession* session = start(fixture, true);
    QVERIFY(session);
    CommsWindow window(fixture, session);
    Room room(fixture, "lobby@conference.test.example");
    QVERIFY(room.ready);
    const auto openAll = [&] {
        delete window.actions->createOptionsMenu();
        delete toolbar.buildCallSettingsMenu();
        delete room.actions->addParticipantMenuActions(room.session, {room.participant(Bob)});
        delete room.actions->addParticipantMenuActions(room.session, {room.participant(Bob), room.participant(Chiara)});
        QMenu own;
        room.actions->addOwnParticipantMenuActions(&own, room.session, "My Room");
        fixture.closeAll();
    };
    openAll();
    const QList<QObject*> roots{window.window.data(), window.actions.get(), &toolbar, &room.owner, room.actions.get(), fixture.handler.get()};
    const int before = liveActions(roots);
    for (int round = 0; round < 1000; ++round)
        openAll();
    QCOMPARE(liveActions(roots), before);
}

QTEST_MAIN(WindowMenusTest)
#include "tst_window_menus.moc"
