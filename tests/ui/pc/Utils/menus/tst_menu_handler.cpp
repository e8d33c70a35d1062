#include "menu_fixture.h"

#include "libqml/window/qml_window.h"

#include <Kivo/Actions/Provider.h>
#include <Kivo/Contacts/IGroup.h>
#include <Kivo/Models/TimelineEntry.h>

#include <QSignalSpy>
#include <QtTest>

using namespace MenuFixture;
using Kivo::Models::TimelineEntry;
using Kivo::Models::TimelineEntryVoiceMail;

namespace {

enum Item
{
    MyRoomEnabled = 62,
    ProjectRoomsEnabled = 63,
    ProjectRoomsCreation = 64
};

std::unique_ptr<TimelineEntryVoiceMail> voiceMail(int subType, int mediaState)
{
    TimelineEntry::Data data;
    data.entryId = QStringLiteral("vm-%1").arg(mediaState);
    data.type = TimelineEntry::VoiceMail;
    data.subType = subType;
    data.remote = QString::fromLatin1(Bob);
    auto entry = std::make_unique<TimelineEntryVoiceMail>(data);
    entry->setMediaState(mediaState);
    return entry;
}

// The entries in front of the engine's ones (up to the first separator).
QStringList ownEntries(const QMenu* menu)
{
    const QStringList entries = layout(menu);
    return entries.mid(0, entries.indexOf("-"));
}

} // namespace

class MenuHandlerTest : public QObject
{
    Q_OBJECT

private slots:
    void optionsMenusAreIndependent();
    void addMenu_data();
    void addMenu();
    void emptyMenuIsDeletedUnseen();
    void oneCommActionPerTriggerAfterManyOpenings();
    void contactsWithConversationsGetTheMixedMenu();
    void historyMenuMarksWhatItNames_data();
    void historyMenuMarksWhatItNames();
    void contactMenuShowsWhatApplies_data();
    void contactMenuShowsWhatApplies();
    void voiceMailEntries_data();
    void voiceMailEntries();
    void groupEntries();
    void readOnlyListGroupEntries();
    void chatRoomMenuCarriesTheRoom();
    void openingMenusLeavesNoActionsBehind();
};

void MenuHandlerTest::optionsMenusAreIndependent()
{
    Handler fixture;
    QVERIFY(fixture.isReady());
    QSignalSpy visible(fixture.handler.get(), &Utils::MenuHandler::optionsMenuVisibleChanged);
    fixture.handler->showOptionsMenu();
    fixture.handler->showOptionsMenu();
    QCOMPARE(fixture.menus.size(), 2);
    QPointer<QMenu> first = fixture.menus.at(0);
    QPointer<QMenu> second = fixture.menus.at(1);
    QVERIFY(first != second);
    QVERIFY(layout(second).contains("Sign Out"));
    QVERIFY(fixture.handler->optionsMenuVisible());

    // The newer menu is the one the flag follows.
    delete first;
    QCoreApplication::processEvents();
    QVERIFY(fixture.handler->optionsMenuVisible());
    QVERIFY(!layout(second).isEmpty());
    const int before = visible.size();
    delete second;
    QVERIFY(fixture.handler->optionsMenuVisible() == false);
    QTRY_VERIFY(visible.size() > before);
}

void MenuHandlerTest::addMenu_data()
{
    QTest::addColumn<bool>("rooms");
    QTest::addColumn<bool>("chatConnected");
    QTest::addColumn<bool>("addContactEnabled");
    QTest::addColumn<QStringList>("expected");
    const QStringList plain{"Add Contact", "Add Conference Contact", "-", "Add Group"};
    QTest::newRow("no rooms") << false << true << true << plain;
    QTest::newRow("rooms, chat up")
        << true << true << true << QStringList{"Add Contact", "Add Conference Contact", "Add Group", "-", "Add Room"};
    QTest::newRow("rooms, chat down") << true << false << true
                                      << QStringList{"Add Contact", "Add Conference Contact", "Add Group", "-",
                                                     "Add Room(off)"};
    QTest::newRow("no add-contact action")
        << true << true << false
        << QStringList{"Add Contact(off)", "Add Conference Contact(off)", "Add Group(off)", "-", "Add Room"};
}

void MenuHandlerTest::addMenu()
{
    QFETCH(bool, rooms);
    QFETCH(bool, chatConnected);
    QFETCH(bool, addContactEnabled);
    QFETCH(QStringList, expected);
    Handler fixture({{ProjectRoomsEnabled, rooms}, {ProjectRoomsCreation, true}});
    QVERIFY(fixture.isReady());
    Kivo::Sessions::XmppSession* xmpp = fixture.signedIn.session()->xmppSubSession();
    QVERIFY(xmpp);
    QTRY_COMPARE(int(xmpp->getState()), int(Kivo::Sessions::SubSession::Connected));
    if (!chatConnected) {
        fixture.signedIn.session()->stopSubSessions();
        QTRY_VERIFY(xmpp->getState() != Kivo::Sessions::SubSession::Connected);
    }
    fixture.handler->showAddMenu();
    if (!addContactEnabled) {
        fixture.handler->provider()->getActionById(Kivo::Actions::Action::AddContact)->setEnabled(false);
        fixture.handler->showAddMenu();
    }
    QVERIFY(fixture.handler->addMenuVisible());
    QCOMPARE(layout(fixture.last()), expected);
    QSignalSpy flag(fixture.handler.get(), &Utils::MenuHandler::addMenuVisibleChanged);
    fixture.last()->show();
    fixture.last()->hide();
    QVERIFY(!fixture.handler->addMenuVisible());
    QCOMPARE(flag.size(), 1);
}

void MenuHandlerTest::emptyMenuIsDeletedUnseen()
{
    Handler fixture({{MyRoomEnabled, false}});
    QVERIFY(fixture.isReady());
    QML::Window window;
    QObject::connect(fixture.handler.get(), &Utils::MenuHandler::openMenu, &window, &QML::Window::openMenu);
    bool shown = false;
    QObject::connect(fixture.handler.get(), &Utils::MenuHandler::openMenu, [&shown](QMenu* menu) {
        QObject::connect(menu, &QMenu::aboutToShow, [&shown] { shown = true; });
    });

    fixture.handler->showMyRoomMenu();
    QCOMPARE(fixture.menus.size(), 1);
    QCOMPARE(layout(fixture.last()), QStringList());
    QTRY_VERIFY(!fixture.menus.first());
    QVERIFY(!shown);

    // The room entry alone still makes a menu worth showing.
    Handler rooms({{MyRoomEnabled, false}, {ProjectRoomsEnabled, true}, {ProjectRoomsCreation, true}});
    QTRY_COMPARE(int(rooms.signedIn.session()->xmppSubSession()->getState()),
                 int(Kivo::Sessions::SubSession::Connected));
    QObject::connect(rooms.handler.get(), &Utils::MenuHandler::openMenu, &window, &QML::Window::openMenu);
    rooms.handler->showMyRoomMenu(true);
    QCOMPARE(layout(rooms.last()), QStringList({"-", "Add Room"}));
    QVERIFY(rooms.last()->isVisible());
    rooms.last()->hide();
    QTRY_VERIFY(!rooms.last());
}

void MenuHandlerTest::oneCommActionPerTriggerAfterManyOpenings()
{
    Handler fixture;
    QVERIFY(fixture.isReady());
    fixture.contactSelection.setSources({fixture.contact(Bob)});
    QList<int> forwarded;
    QObject::connect(fixture.handler.get(), &Utils::MenuHandler::commActionTriggered,
                     [&forwarded](Kivo::Actions::ActionData& data) { forwarded << data.getId(); });
    for (int opening = 0; opening < 3; ++opening) {
        fixture.handler->showPopupMenu();
        fixture.handler->showOptionsMenu();
    }
    QMenu* menu = fixture.menus.at(fixture.menus.size() - 2);
    QAction* chat = entry(menu, "Chat");
    QVERIFY(chat);
    QSignalSpy created(fixture.signedIn.comms(), &Kivo::Controllers::CommsSessionController::sessionCreated);
    chat->trigger();
    QCOMPARE(forwarded, QList<int>({Kivo::Actions::Action::Chat}));
    QTRY_COMPARE(created.size(), 1);
}

void MenuHandlerTest::contactsWithConversationsGetTheMixedMenu()
{
    Handler fixture;
    QVERIFY(fixture.isReady());
    QSignalSpy created(fixture.signedIn.comms(), &Kivo::Controllers::CommsSessionController::sessionCreated);
    fixture.signedIn.comms()->createChat(QStringList{QString::fromLatin1(Bob)});
    QTRY_COMPARE(created.size(), 1);
    fixture.activeSelection.setSources({nextSession(created)});
    fixture.contactSelection.setSources({fixture.contact(Chiara)});

    fixture.handler->showPopupMenu();
    QVERIFY(qobject_cast<Kivo::Actions::MixedSourceComposite*>(fixture.handler->provider()->getActionSource()));
    QVERIFY(!fixture.handler->popUpMenuVisible());
    QVERIFY(layout(fixture.last()).contains("Call"));
    QPointer<QObject> mixed = fixture.handler->provider()->getActionSource();
    fixture.closeAll();
    QTRY_VERIFY(!mixed);

    // From a history row it stays the history menu.
    fixture.handler->showPopupMenu(true);
    QCOMPARE(fixture.handler->provider()->getActionSource(), &fixture.contactSelection);
    QVERIFY(fixture.handler->popUpMenuVisible());

    // The same from the conversation's right button.
    fixture.handler->showActiveCommsPopupMenu();
    QVERIFY(qobject_cast<Kivo::Actions::MixedSourceComposite*>(fixture.handler->provider()->getActionSource()));
    fixture.handler->showActiveCommsPopupMenu(true);
    QCOMPARE(fixture.handler->provider()->getActionSource(), &fixture.activeSelection);
    // A conversation that is active offers to end it, not to start it again.
    QVERIFY(layout(fixture.last()).contains("End Chat") || !layout(fixture.last()).contains("Chat"));
}

void MenuHandlerTest::historyMenuMarksWhatItNames_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("signal");
    enum { All, Chats, Calls, VoiceMails };
    QTest::newRow("all") << "Mark All as Viewed" << int(All);
    QTest::newRow("chats") << "Mark Chats as Viewed" << int(Chats);
    QTest::newRow("calls") << "Mark Calls as Viewed" << int(Calls);
    QTest::newRow("voice mails") << "Mark Voicemails as Viewed" << int(VoiceMails);
}

void MenuHandlerTest::historyMenuMarksWhatItNames()
{
    QFETCH(QString, entry);
    QFETCH(int, signal);
    Handler fixture;
    QVERIFY(fixture.isReady());
    Utils::MenuHandler* handler = fixture.handler.get();
    QList<QSignalSpy*> spies{new QSignalSpy(handler, &Utils::MenuHandler::clearMissedHistory),
                             new QSignalSpy(handler, &Utils::MenuHandler::clearMissedChats),
                             new QSignalSpy(handler, &Utils::MenuHandler::clearMissedCalls),
                             new QSignalSpy(handler, &Utils::MenuHandler::clearUnreadVoiceMails)};
    handler->showHistoryMenu();
    QCOMPARE(layout(fixture.last()), QStringList({"Mark All as Viewed", "-", "Mark Chats as Viewed",
                                                  "Mark Calls as Viewed", "Mark Voicemails as Viewed"}));
    QAction* chosen = MenuFixture::entry(fixture.last(), entry);
    QVERIFY(chosen);
    chosen->trigger();
    for (int i = 0; i < spies.size(); ++i)
        QCOMPARE(spies.at(i)->size(), i == signal ? 1 : 0);
    qDeleteAll(spies);
}

void MenuHandlerTest::contactMenuShowsWhatApplies_data()
{
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("hidden");
    const QStringList callEntries{"Transfer", "Conference", "End All Calls"};
    QTest::newRow("listed contact") << "bob" << ""
                                    << QStringList{"Set as Favorite", "Unsubscribe", "Delete Contact"}
                                    << QStringList{"Remove from Favorites", "Subscribe", "Add Contact"} + callEntries;
    QTest::newRow("favourite") << "bob" << "favourite" << QStringList{"Remove from Favorites"}
                               << QStringList{"Set as Favorite"};
    QTest::newRow("unsubscribed") << "bob" << "unsubscribed" << QStringList{"Subscribe"}
                                  << QStringList{"Unsubscribe"};
    QTest::newRow("stranger") << "stranger" << "" << QStringList{"Add Contact"}
                              << QStringList{"Set as Favorite", "Unsubscribe", "Delete Contact"} + callEntries;
    QTest::newRow("someone else during a call") << "chiara" << "call with bob" << callEntries << QStringList();
    QTest::newRow("the caller during the call") << "bob" << "call with bob" << QStringList{"End All Calls"}
                                                << QStringList{"Transfer", "Conference"};
}

void MenuHandlerTest::contactMenuShowsWhatApplies()
{
    QFETCH(QString, selected);
    QFETCH(QString, situation);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, hidden);
    Handler fixture;
    QVERIFY(fixture.isReady());
    Kivo::Contacts::IContact* bob = fixture.contact(Bob);
    if (situation == "favourite") {
        fixture.signedIn.contacts()->addFavorite(bob->getId());
        QTRY_VERIFY(bob->isFavorite());
    } else if (situation == "unsubscribed") {
        bob->unsubscribe();
        QTRY_VERIFY(!bob->isSubscribed());
    } else if (situation == "call with bob") {
        QSignalSpy created(fixture.signedIn.comms(), &Kivo::Controllers::CommsSessionController::sessionCreated);
        fixture.signedIn.comms()->createCall({QString::fromLatin1(Bob)}, false);
        QTRY_COMPARE(created.size(), 1);
        QTRY_VERIFY(nextSession(created)->callActive());
    }
    QObject* target = selected == "bob" ? static_cast<QObject*>(bob) : fixture.contact(Chiara);
    if (selected == "stranger") {
        Kivo::Contacts::IContact* stranger = fixture.signedIn.contacts()->createTemporaryContact(&fixture.owner);
        stranger->setProperty(Kivo::Contacts::Properties::Address, "eve@test.example");
        target = stranger;
    }
    fixture.contactSelection.setSources({target});
    fixture.handler->showPopupMenu();
    const QStringList entries = layout(fixture.last());
    for (const QString& entry : shown)
        QVERIFY2(entries.contains(entry), qPrintable(entry + " missing from " + entries.join(" | ")));
    for (const QString& entry : hidden)
        QVERIFY2(!entries.contains(entry), qPrintable(entry + " wrongly in " + entries.join(" | ")));
}

void MenuHandlerTest::voiceMailEntries_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("subType");
    QTest::addColumn<int>("mediaState");
    QTest::addColumn<bool>("hasMissed");
    QTest::addColumn<QStringList>("expected");
    const int audio = TimelineEntry::Audio;
    QTest::newRow("ready") << 1 << audio << int(TimelineEntryVoiceMail::Ready) << false
                           << QStringList{"Play", "Mark as New", "Save As...", "Delete"};
    QTest::newRow("playing") << 1 << audio << int(TimelineEntryVoiceMail::Playing) << false
                             << QStringList{"Pause", "Mark as New", "Save As...", "Delete"};
    QTest::newRow("not playable") << 1 << audio << int(TimelineEntryVoiceMail::NotPlayable) << false
                                  << QStringList{"Play(off)", "Mark as New", "Save As...", "Delete"};
    QTest::newRow("new") << 1 << audio << int(TimelineEntryVoiceMail::Ready) << true
                         << QStringList{"Play", "Mark as Viewed", "Save As...", "Delete"};
    QTest::newRow("fax") << 1 << int(TimelineEntry::Fax) << int(TimelineEntryVoiceMail::Ready) << true
                         << QStringList{"Open", "Mark as Viewed", "Save As...", "Delete"};
    QTest::newRow("several new") << 2 << audio << int(TimelineEntryVoiceMail::Ready) << true
                                 << QStringList{"Mark Selected Viewed", "Mark Selected New", "Delete Selected"};
}

void MenuHandlerTest::voiceMailEntries()
{
    QFETCH(int, selected);
    QFETCH(int, subType);
    QFETCH(int, mediaState);
    QFETCH(bool, hasMissed);
    QFETCH(QStringList, expected);
    Handler fixture;
    QVERIFY(fixture.isReady());
    std::vector<std::unique_ptr<TimelineEntryVoiceMail>> entries;
    QList<QObject*> selection;
    for (int index = 0; index < selected; ++index) {
        entries.push_back(voiceMail(subType, mediaState));
        selection << entries.back().get();
    }
    fixture.contactSelection.setSources(selection);
    fixture.handler->showPopupMenu(true, hasMissed);
    QCOMPARE(ownEntries(fixture.last()), expected);

    QSignalSpy deleting(fixture.handler.get(), &Utils::MenuHandler::deleteVoiceMails);
    entry(fixture.last(), selected == 1 ? "Delete" : "Delete Selected")->trigger();
    QCOMPARE(deleting.size(), 1);
    if (QAction* viewed = entry(fixture.last(), "Mark as Viewed")) {
        QSignalSpy read(entries.front().get(), &TimelineEntry::voiceMailRead);
        viewed->trigger();
        QCOMPARE(read.size(), 1);
    }
}

void MenuHandlerTest::groupEntries()
{
    Handler fixture;
    QVERIFY(fixture.isReady());
    Kivo::Contacts::IContact* bob = fixture.contact(Bob);
    const QList<Kivo::Contacts::IGroup*> groups = fixture.signedIn.contacts()->groups();
    for (const Kivo::Contacts::IGroup* group : groups) {
        if (group->getId() != Kivo::Contacts::IGroup::AllContactsId &&
            group->getId() != Kivo::Contacts::IGroup::FavoritesId && !bob->groupIds().contains(group->getId()))
            bob->addToGroup(group->getId());
    }
    QTRY_COMPARE(bob->groupIds().size(), 2);

    // In every group: nothing to add him to.
    fixture.contactSelection.setSources({bob});
    fixture.handler->showPopupMenu();
    const QStringList single = layout(fixture.last());
    QVERIFY2(single.contains("Add to Group[](off)"), qPrintable(single.join(" | ")));
    QVERIFY(single.contains("Remove from Group[Ops, Team]") || single.contains("Remove from Group[Team, Ops]"));
    QAction* team = nullptr;
    for (QAction* candidate : fixture.last()->actions()) {
        if (candidate->menu() && candidate->text() == "Remove from Group")
            team = entry(candidate->menu(), "Team");
    }
    QVERIFY(team);
    QCOMPARE(team->parent(), fixture.last());
    QCOMPARE(team->property("CONTACT_ID").toInt(), bob->getId());

    // Two contacts: the union of their groups, and the list's own entries.
    fixture.contactSelection.setSources({fixture.contact(Chiara), fixture.contact(Dev)});
    fixture.handler->showPopupMenu();
    const QStringList several = layout(fixture.last());
    QVERIFY2(several.contains("Add to Group[](off)"), qPrintable(several.join(" | ")));
    QVERIFY(several.contains("Delete Contacts"));
    QSignalSpy removing(fixture.handler.get(), &Utils::MenuHandler::removeContactsFromGroup);
    for (QAction* candidate : fixture.last()->actions()) {
        if (candidate->menu() && candidate->text() == "Remove from Group")
            entry(candidate->menu(), "Ops")->trigger();
    }
    QCOMPARE(removing.size(), 1);
}

void MenuHandlerTest::readOnlyListGroupEntries()
{
    Handler fixture;
    QVERIFY(fixture.isReady());
    service().setContactListReadOnly(true);
    QTRY_VERIFY(fixture.signedIn.contacts()->isReadOnly());

    fixture.contactSelection.setSources({fixture.contact(Bob)});
    fixture.handler->showPopupMenu();
    const QStringList single = layout(fixture.last());
    QVERIFY2(single.contains("Add to Group[](off)") && single.contains("Remove from Group[](off)"),
             qPrintable(single.join(" | ")));

    fixture.contactSelection.setSources({fixture.contact(Bob), fixture.contact(Dev)});
    fixture.handler->showPopupMenu();
    const QStringList several = layout(fixture.last());
    QVERIFY(several.contains("Delete Contacts(off)"));
    for (const QString& text : several)
        QVERIFY2(!text.contains("Group"), qPrintable(text));
}

void MenuHandlerTest::chatRoomMenuCarriesTheRoom()
{
    Handler fixture;
    QVERIFY(fixture.isReady());
    QSignalSpy join(&fixture.rooms, &Utils::ChatRoomActions::createGroupChat);
    QSignalSpy edit(&fixture.rooms, &Utils::ChatRoomActions::requestRoomConfig);
    QSignalSpy remove(&fixture.rooms, qOverload<const QString&, const QString&>(&Utils::ChatRoomActions::deleteRoom));
    fixture.handler->showChatRoomMenu(QString::fromLatin1(Design), "Design");
    QCOMPARE(layout(fixture.last()), QStringList({"Join Room", "Edit Room", "-", "Delete Room"}));
    entry(fixture.last(), "Join Room")->trigger();
    entry(fixture.last(), "Edit Room")->trigger();
    entry(fixture.last(), "Delete Room")->trigger();
    QCOMPARE(join.size(), 1);
    QCOMPARE(join.first().first().toString(), QString::fromLatin1(Design));
    QCOMPARE(edit.first().first().toString(), QString::fromLatin1(Design));
    QCOMPARE(remove.first(), QList<QVariant>({QString::fromLatin1(Design), "Design"}));

    // Not from a menu entry: nothing.
    fixture.rooms.joinRoom();
    fixture.rooms.deleteRoom();
    QCOMPARE(join.size(), 1);
    QCOMPARE(remove.size(), 1);
}

void MenuHandlerTest::openingMenusLeavesNoActionsBehind()
{
    Handler fixture({{MyRoomEnabled, true}, {ProjectRoomsEnabled, true}, {ProjectRoomsCreation, true}});
    QVERIFY(fixture.isReady());
    QSignalSpy created(fixture.signedIn.comms(), &Kivo::Controllers::CommsSessionController::sessionCreated);
    fixture.signedIn.comms()->createChat(QStringList{QString::fromLatin1(Chiara)});
    QTRY_COMPARE(created.size(), 1);
    std::unique_ptr<TimelineEntryVoiceMail> mail = voiceMail(TimelineEntry::Audio, TimelineEntryVoiceMail::Ready);
    Utils::MenuHandler* handler = fixture.handler.get();
    const QList<std::function<void()>> openings = {
        [&] { handler->showAddMenu(); },
        [&] { handler->showOptionsMenu(); },
        [&] { handler->showHistoryMenu(); },
        [&] { handler->showMyRoomMenu(true); },
        [&] { handler->showOwnContactMenu(true); },
        [&] { handler->showContactsMenu(); },
        [&] { handler->showChatRoomMenu(QString::fromLatin1(Design), "Design"); },
        [&] { handler->showBlfContactMenu(fixture.contact(Bob)); },
        [&] { handler->popupGroupMenu(QVariant::fromValue<QObject*>(fixture.signedIn.contacts()->groups().last())); },
        [&] {
            fixture.activeSelection.setSources({});
            fixture.contactSelection.setSources({fixture.contact(Bob)});
            handler->showPopupMenu();
        },
        [&] {
            fixture.contactSelection.setSources({fixture.contact(Bob), fixture.contact(Dev)});
            handler->showPopupMenu();
        },
        [&] {
            // Contacts and a conversation together.
            fixture.activeSelection.setSources({nextSession(created)});
            handler->showPopupMenu();
        },
        [&] {
            fixture.contactSelection.setSources({mail.get()});
            handler->showPopupMenu(true, true);
        },
        [&] {
            fixture.contactSelection.setSources({});
            fixture.activeSelection.setSources({nextSession(created)});
            handler->showActiveCommsPopupMenu(true);
        },
        [&] { handler->openSearchFieldMenu(); },
        [&] { handler->openTextFieldMenu(); },
        [&] { handler->openApplicationMenu(); },
    };
    // Every menu once, so that what lives for the session already exists.
    for (const auto& open : openings)
        open();
    fixture.closeAll();
    const int before = fixture.liveActions();
    for (int round = 0; round < 1000; ++round) {
        for (const auto& open : openings)
            open();
        fixture.closeAll();
    }
    QCOMPARE(fixture.liveActions(), before);
}

QTEST_MAIN(MenuHandlerTest)
#include "tst_menu_handler.moc"
