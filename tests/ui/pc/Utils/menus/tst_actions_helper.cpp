#include "menu_fixture.h"

#include "Utils/actions_helper.h"

#include <Kivo/Actions/Provider.h>
#include <Kivo/Contacts/IGroup.h>
#include <Kivo/Models/Groups.h>
#include <Kivo/Models/Roles.h>
#include <Kivo/Simulation/Service.h>

#include <QSignalSpy>
#include <QtTest>

using namespace MenuFixture;
using Kivo::Actions::Action;
using Utils::ActionsHelper;

class ActionsHelperTest : public QObject
{
    Q_OBJECT

private slots:
    void textsFollowTheConversation();
    void contactMenuDropsWhatMakesNoSense();
    void choicesOfAnActionBecomeASubmenu();
    void groupEntries_data();
    void groupEntries();
    void groupMenusAndMoves();
};

void ActionsHelperTest::textsFollowTheConversation()
{
    Handler fixture;
    QVERIFY(fixture.isReady());
    Kivo::Actions::Provider* provider = fixture.handler->provider();
    QCOMPARE(ActionsHelper::actionText(Action::CallFromPhone, provider, true), QString("Call from Phone"));
    QCOMPARE(ActionsHelper::actionText(Action::Call, provider, true), QString("Add Call"));
    QCOMPARE(ActionsHelper::actionText(21, provider, false), QString());
    QCOMPARE(ActionsHelper::actionText(30, provider, false), QString());

    QSignalSpy created(fixture.signedIn.comms(), &Kivo::Controllers::CommsSessionController::sessionCreated);
    fixture.signedIn.comms()->createCall({QString::fromLatin1(Bob)}, false);
    QTRY_COMPARE(created.size(), 1);
    Kivo::Controllers::CommunicationSession* session = nextSession(created);
    QTRY_VERIFY(session->callActive());

    // One selected conversation with its call up: the call is what the action ends.
    fixture.activeSelection.setSources({session});
    provider->setActionSource(&fixture.activeSelection);
    QCOMPARE(ActionsHelper::actionText(Action::Call, provider, true), QString("Hang Up"));
    QCOMPARE(ActionsHelper::actionText(Action::Chat, provider, false), QString("Chat"));
    QCOMPARE(ActionsHelper::actionText(Action::Chat, provider, true), QString("Add Chat"));
    provider->setActionSource(session);
    QCOMPARE(ActionsHelper::actionText(Action::Call, provider, false), QString("Hang Up"));

    // Bob, in that call, gets no way to call him again; Chiara does.
    fixture.activeSelection.setSources({});
    fixture.contactSelection.setSources({fixture.contact(Bob)});
    fixture.handler->showPopupMenu();
    QStringList entries = layout(fixture.last());
    QVERIFY2(!entries.contains("Call") && !entries.contains("Video Call") && entries.contains("Chat"),
             qPrintable(entries.join(" | ")));
    fixture.contactSelection.setSources({fixture.contact(Chiara)});
    fixture.handler->showPopupMenu();
    QVERIFY(layout(fixture.last()).contains("Call"));

    // The selected conversation's own menu ends what runs.
    fixture.activeSelection.setSources({session});
    fixture.handler->showActiveCommsPopupMenu(true);
    entries = layout(fixture.last());
    QVERIFY2(!entries.contains("Call") && !entries.contains("Hang Up"), qPrintable(entries.join(" | ")));
}

void ActionsHelperTest::contactMenuDropsWhatMakesNoSense()
{
    Handler fixture;
    QVERIFY(fixture.isReady());
    fixture.contactSelection.setSources({fixture.contact(Bob)});
    fixture.handler->showPopupMenu();
    const QStringList stored = layout(fixture.last());
    QVERIFY2(!stored.contains("Add Contact") && stored.contains("View Profile"), qPrintable(stored.join(" | ")));
    // Copying a number belongs to the history menu.
    QVERIFY(!stored.contains("Copy Phone Number"));
    QVERIFY(!stored.contains("Answer Call"));
    QCOMPARE(stored.first(), QString("Call[Work: +15550101]"));

    Kivo::Contacts::IContact* stranger = fixture.signedIn.contacts()->createTemporaryContact(&fixture.owner);
    stranger->setProperty(Kivo::Contacts::Properties::Address, "eve@test.example");
    fixture.contactSelection.setSources({stranger});
    fixture.handler->showPopupMenu();
    QVERIFY(layout(fixture.last()).contains("Add Contact"));
}

void ActionsHelperTest::choicesOfAnActionBecomeASubmenu()
{
    Handler fixture;
    QVERIFY(fixture.isReady());
    Kivo::Contacts::IContact* dev = fixture.contact(Dev);
    dev->setProperty(Kivo::Contacts::Properties::MobileNumber, "+15550199");
    QTRY_COMPARE(dev->getProperty(Kivo::Contacts::Properties::MobileNumber).toString(), QString("+15550199"));
    fixture.contactSelection.setSources({dev});
    fixture.handler->showPopupMenu(true);
    QAction* copy = entry(fixture.last(), "Copy Phone Number");
    QVERIFY(copy);
    QVERIFY(copy->menu());
    QCOMPARE(layout(copy->menu()), QStringList({"Work: +15550103", "Mobile: +15550199"}));

    QList<int> picked;
    QObject::connect(fixture.handler->provider(), &Kivo::Actions::Provider::actionTriggered,
                     [&picked](Kivo::Actions::ActionData& data, Kivo::Actions::Source&) {
                         picked << data.getPropertyType();
                     });
    copy->menu()->actions().at(1)->trigger();
    QCOMPARE(picked, QList<int>({Kivo::Contacts::Properties::MobileNumber}));
    QCOMPARE(ActionsHelper::propertyActionText(Kivo::Contacts::Properties::HomeNumber, dev), QString("Personal: "));
}

void ActionsHelperTest::groupEntries_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QStringList>("expected");
    // Groups start by name: Ops is the list's first group, Team its last.
    QTest::newRow("first") << "Ops" << QStringList{"Edit Ops", "Remove Ops", "-", "Move Down", "Move Last"};
    QTest::newRow("last") << "Team" << QStringList{"Edit Team", "Remove Team", "-", "Move First", "Move Up"};
    QTest::newRow("0xFFFFF3") << "all" << QStringList{"Edit All", "Remove All", "-"};
    QTest::newRow("0xFFFFF4") << "favorites" << QStringList();
}

void ActionsHelperTest::groupEntries()
{
    QFETCH(QString, group);
    QFETCH(QStringList, expected);
    Handler fixture;
    QVERIFY(fixture.isReady());
    ActionsHelper helper(fixture.signedIn.session()->contactsManager(), fixture.factory.get());
    QObject parent;
    Kivo::Contacts::IGroup all(Kivo::Contacts::IGroup::AllContactsId, "All");
    Kivo::Contacts::IGroup favorites(Kivo::Contacts::IGroup::FavoritesId, "Favorites");
    Kivo::Contacts::IGroup* target = group == "all" ? &all : group == "favorites" ? &favorites : nullptr;
    for (Kivo::Contacts::IGroup* listed : fixture.signedIn.contacts()->groups()) {
        if (listed->getName() == group)
            target = listed;
    }
    QVERIFY(target);
    QStringList texts;
    for (const QAction* entry : helper.groupActions(target, &parent)) {
        texts << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
        if (!entry->isSeparator() && entry->text().startsWith("Edit"))
            QCOMPARE(entry->data().toInt(), target->getId());
    }
    QCOMPARE(texts, expected);
}

void ActionsHelperTest::groupMenusAndMoves()
{
    Handler fixture;
    QVERIFY(fixture.isReady());
    Kivo::Contacts::Contacts* contacts = fixture.signedIn.contacts();
    const auto names = [contacts] {
        QStringList order;
        for (const Kivo::Contacts::IGroup* group : contacts->groups())
            order << group->getName();
        return order;
    };
    QCOMPARE(names(), QStringList({"Ops", "Team"}));
    Kivo::Contacts::IGroup* ops = contacts->groups().first();

    // The group's own menu moves it; the service keeps the order and the list follows.
    fixture.handler->popupGroupMenu(QVariant::fromValue<QObject*>(ops));
    QAction* down = entry(fixture.last(), "Move Down");
    QVERIFY(down);
    down->trigger();
    QTRY_COMPARE(names(), QStringList({"Team", "Ops"}));
    QCOMPARE(contacts->groupsModel()->index(0).data(Kivo::Models::Roles::GroupName).toString(), QString("Team"));
    // The order is the account's: the list loaded again has it.
    contacts->detach();
    contacts->attach(service());
    QCOMPARE(names(), QStringList({"Team", "Ops"}));

    // Groups the user cannot change have no menu; favourites has its engine entries only.
    const int menus = fixture.menus.size();
    Kivo::Contacts::IGroup all(Kivo::Contacts::IGroup::AllContactsId, "All");
    QObject notAGroup;
    fixture.handler->popupGroupMenu(QVariant::fromValue<QObject*>(&all));
    fixture.handler->popupGroupMenu(QVariant::fromValue<QObject*>(&notAGroup));
    QCOMPARE(fixture.menus.size(), menus);
    Kivo::Contacts::IGroup favorites(Kivo::Contacts::IGroup::FavoritesId, "Favorites");
    fixture.handler->popupGroupMenu(QVariant::fromValue<QObject*>(&favorites));
    QCOMPARE(fixture.menus.size(), menus + 1);
    QVERIFY(!layout(fixture.last()).join(" ").contains("Favorites"));
}

QTEST_MAIN(ActionsHelperTest)
#include "tst_actions_helper.moc"
