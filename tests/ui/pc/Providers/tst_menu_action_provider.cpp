#include "Providers/menu_action_provider.h"
#include "common/constants.h"
#include "support/test_environment.h"

#include <Kivo/Configuration/Config.h>
#include <Kivo/Services/Xmpp/XmppGuestHandler.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Settings.h>

#include <QAction>
#include <QMenu>
#include <QScopedPointer>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

using namespace Constants::MenuAction;

namespace {

// The menu as text: entries by text, "-" for a separator, sub-menus as "Title[...]".
QStringList layout(const QMenu* menu)
{
    QStringList entries;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            entries << "-";
        else if (action->menu())
            entries << action->menu()->title() + "[" + layout(action->menu()).join(", ") + "]";
        else
            entries << action->text();
    }
    return entries;
}

} // namespace

class MenuActionProviderTest : public QObject
{
    Q_OBJECT

private slots:
    void everyIdHasOneActionSetUp();
    void unknownIdLogsAndGivesEmptyText();
    void applicationMenuOrder();
    void sessionDecidesParkedCallMenu_data();
    void sessionDecidesParkedCallMenu();
    void callRetrievalActionsFollowTheirItems_data();
    void callRetrievalActionsFollowTheirItems();
    void displayOptionsHiddenByConfiguration();
    void sortChecksFollowSettings();
    void guestCopyReleasedWhenServerSilent();
    void guestActionsFollowTheSessionsGuestHandler();
    void helpShortcutOnlyForWindow();
    void helpShortcutOncePerWindow();
};

void MenuActionProviderTest::everyIdHasOneActionSetUp()
{
    TestSupport::Environment env;
    QObject owner;
    Providers::MenuActionProvider* provider = Providers::MenuActionProvider::create(&owner);
    provider->retranslate();
    for (int id = 0; id < Count; ++id) {
        QVERIFY(provider->action(id));
        QCOMPARE(provider->action(id)->text(), provider->getActionText(id));
        QCOMPARE(provider->action(id)->parent(), provider);
    }
    QVERIFY(!provider->action(-1));
    QVERIFY(!provider->action(Count));
    QCOMPARE(provider->action(About)->menuRole(), QAction::AboutRole);
    QCOMPARE(provider->action(Preferences)->shortcutContext(), Qt::ApplicationShortcut);
    QCOMPARE(provider->action(AlwaysOnTop)->menuRole(), QAction::ApplicationSpecificRole);
    QVERIFY(provider->action(ShowStatus)->isCheckable());
    QVERIFY(!provider->action(Exit)->isCheckable());
    QCOMPARE(provider->sourceType(), 9);
    QList<int> accepted;
    for (const Kivo::Actions::ActionData& data : provider->actionsData())
        accepted << data.getId();
    // The guest join links' engine actions too: without them their entries link to nothing.
    QCOMPARE(accepted, QList<int>({22, 23, 24, 17, 25, 32, 30, 31}));
}

void MenuActionProviderTest::unknownIdLogsAndGivesEmptyText()
{
    TestSupport::Environment env;
    QScopedPointer<Providers::MenuActionProvider> provider(Providers::MenuActionProvider::create(nullptr));
    QVERIFY(provider->getActionText(22).isEmpty());
    QVERIFY(env.logs().contains("no such action: 22", 4));
}

void MenuActionProviderTest::applicationMenuOrder()
{
    TestSupport::Environment env;
    QScopedPointer<Providers::MenuActionProvider> provider(Providers::MenuActionProvider::create(nullptr));
    provider->setActionVisible(RetrieveParkedCallWithPhone, false);
    provider->retranslate();
    QScopedPointer<QMenu> menu(provider->createMenus(nullptr));
    QCOMPARE(layout(menu.data()),
             QStringList({"Pull Call", "Retrieve Parked Call", "Retrieve Parked Call", "-",
                          "Sort Contacts[Sort by First Name, Sort by Last Name, -, Show Offline Contacts, "
                          "Show Profile Photos, Show Status]",
                          "Call Settings...", "Queues", "Test Call", "Preferences...", "Update Emergency Address", "-",
                          "Always on Top", "-",
                          "About", "Help", "-", "Sign Out", "Exit"}));
    QVERIFY(!menu->parent());
}

void MenuActionProviderTest::sessionDecidesParkedCallMenu_data()
{
    QTest::addColumn<bool>("withPhone");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("both ways")
        << true << QStringList({"Pull Call", "Retrieve Parked Call[With Telvarion, With Phone]", "-"});
    QTest::newRow("client only") << false << QStringList({"Pull Call", "Retrieve Parked Call", "Retrieve Parked Call", "-"});
}

void MenuActionProviderTest::sessionDecidesParkedCallMenu()
{
    QFETCH(bool, withPhone);
    QFETCH(QStringList, entries);
    TestSupport::Environment env;
    QCoreApplication::setApplicationName("Telvarion");
    Kivo::Configuration::Config::Document document;
    document.name = "Test";
    document.items = {{85, true}, {80, true}, {388, withPhone}, {79, false}, {427, true}};
    Kivo::Configuration::Config config("config_test.xml", document);
    Kivo::Sessions::SessionManagerBase session("user@example.com", "User", &config, nullptr);
    QScopedPointer<Providers::MenuActionProvider> provider(Providers::MenuActionProvider::create(nullptr));

    provider->updateForSession(&session);

    QScopedPointer<QMenu> menu(provider->createMenus(nullptr));
    QCOMPARE(layout(menu.data()).mid(0, entries.size()), entries);
    QVERIFY(!provider->action(PullCall)->isVisible());
    QVERIFY(provider->action(Queues)->isVisible());
    QVERIFY(!provider->action(TestCall)->isVisible());
    QVERIFY(!provider->action(UpdateEmergencyAddress)->isVisible());
    QVERIFY(!provider->action(CopyGuestJoinLink)->isVisible());
}

void MenuActionProviderTest::callRetrievalActionsFollowTheirItems_data()
{
    // Configuration items 85 (call retrieval), 80 (parked calls), 388 (parked calls on the
    // phone), 79 (pull call); each row switches one off, so that no two are mistaken.
    QTest::addColumn<QHash<int, QVariant>>("items");
    QTest::addColumn<bool>("retrieve");
    QTest::addColumn<bool>("retrieveWithPhone");
    QTest::addColumn<bool>("pull");
    const auto items = [](bool retrieval, bool parked, bool withPhone, bool pull) {
        return QHash<int, QVariant>{{85, retrieval}, {80, parked}, {388, withPhone}, {79, pull}};
    };
    QTest::newRow("all on") << items(true, true, true, true) << true << true << true;
    QTest::newRow("retrieval off") << items(false, true, true, true) << false << true << false;
    QTest::newRow("parked calls off") << items(true, false, true, true) << false << false << true;
    QTest::newRow("phone off") << items(true, true, false, true) << true << false << true;
    QTest::newRow("pull off") << items(true, true, true, false) << true << true << false;
}

void MenuActionProviderTest::callRetrievalActionsFollowTheirItems()
{
    using Items = QHash<int, QVariant>;
    QFETCH(Items, items);
    QFETCH(bool, retrieve);
    QFETCH(bool, retrieveWithPhone);
    QFETCH(bool, pull);
    TestSupport::Environment env;
    Kivo::Configuration::Config::Document document;
    document.name = "Test";
    document.items = items;
    Kivo::Configuration::Config config("config_test.xml", document);
    Kivo::Sessions::SessionManagerBase session("user@example.com", "User", &config, nullptr);
    QScopedPointer<Providers::MenuActionProvider> provider(Providers::MenuActionProvider::create(nullptr));

    provider->updateForSession(&session);

    QCOMPARE(provider->action(RetrieveParkedCall)->isVisible(), retrieve);
    QCOMPARE(provider->action(RetrieveParkedCallWithPhone)->isVisible(), retrieveWithPhone);
    QCOMPARE(provider->action(PullCall)->isVisible(), pull);
}

void MenuActionProviderTest::displayOptionsHiddenByConfiguration()
{
    TestSupport::Environment env;
    Kivo::Configuration::Config::Document document;
    document.items = {{361, false}};
    Kivo::Configuration::Config config("config_test.xml", document);
    Kivo::Sessions::SessionManagerBase session("user@example.com", "User", &config, nullptr);
    QScopedPointer<Providers::MenuActionProvider> provider(Providers::MenuActionProvider::create(nullptr));

    provider->updateContactListActions(&session);

    for (int id : {SortByFirstName, SortByLastName})
        QVERIFY(provider->action(id)->isVisible());
    for (int id : {ShowOfflineContacts, ShowProfilePhotos, ShowStatus})
        QVERIFY(!provider->action(id)->isVisible());
}

void MenuActionProviderTest::sortChecksFollowSettings()
{
    TestSupport::Environment env;
    QScopedPointer<Providers::MenuActionProvider> provider(Providers::MenuActionProvider::create(nullptr));
    {
        QScopedPointer<QMenu> menu(provider->createMenus(nullptr));
        QVERIFY(!provider->action(SortByFirstName)->isChecked());
        QVERIFY(provider->action(SortByLastName)->isChecked());
        QVERIFY(provider->action(ShowOfflineContacts)->isChecked());
        // Photos show until the user hides them: the entry says so from the start.
        QVERIFY(provider->action(ShowProfilePhotos)->isChecked());
        QVERIFY(!provider->action(ShowStatus)->isChecked());
    }
    {
        Kivo::Settings settings(Kivo::Settings::UserSettings);
        settings.setValue(Constants::SettingsKey::ContactListSort, "first name");
        settings.setValue(Constants::SettingsKey::ContactListShowOfflineContacts, false);
        settings.setValue(Constants::SettingsKey::ContactListShowPresenceStatus, true);
        settings.setValue(Constants::SettingsKey::ContactListShowProfilePhotos, false);
    }
    QScopedPointer<QMenu> menu(provider->createMenus(nullptr));
    QVERIFY(provider->action(SortByFirstName)->isChecked());
    QVERIFY(!provider->action(SortByLastName)->isChecked());
    QVERIFY(!provider->action(ShowOfflineContacts)->isChecked());
    QVERIFY(!provider->action(ShowProfilePhotos)->isChecked());
    QVERIFY(provider->action(ShowStatus)->isChecked());
}

// Reaches the protected guest slots the way the guest handler's signals do.
class GuestSignals : public QObject
{
    Q_OBJECT
signals:
    void requesting(const QString& conference);
    void generated(const QString& conference, const QString& invitation);
    void resetting(const QString& conference);
};

void MenuActionProviderTest::guestCopyReleasedWhenServerSilent()
{
    TestSupport::Environment env;
    QScopedPointer<Providers::MenuActionProvider> provider(Providers::MenuActionProvider::create(nullptr));
    GuestSignals guest;
    QVERIFY(connect(&guest, SIGNAL(requesting(QString)), provider.data(), SLOT(waitForInvitation(QString))));
    QVERIFY(connect(&guest, SIGNAL(generated(QString, QString)), provider.data(),
                    SLOT(invitationReady(QString, QString))));
    QVERIFY(connect(&guest, SIGNAL(resetting(QString)), provider.data(), SLOT(releaseCopyInvitation())));
    QAction* copy = provider->action(CopyGuestJoinLink);

    emit guest.requesting("room");
    QVERIFY(!copy->isEnabled());
    emit guest.generated("room", "link");
    QVERIFY(copy->isEnabled());
    emit guest.resetting("room"); // already enabled: nothing to release
    QVERIFY(!env.logs().contains("Server did not reply. Enable."));

    emit guest.requesting("room");
    QVERIFY(!copy->isEnabled());
    emit guest.resetting("room");
    QVERIFY(copy->isEnabled());
    QVERIFY(env.logs().contains("Server did not reply. Enable.", 4));
}

void MenuActionProviderTest::guestActionsFollowTheSessionsGuestHandler()
{
    TestSupport::Environment env;
    Kivo::Configuration::Config config("config_test.xml", Kivo::Configuration::Config::Document());
    // The demo user's room takes guests.
    Kivo::Sessions::SessionManagerBase session("alice@demo.telvarion.net", "Alice", &config, nullptr);
    QVERIFY(session.guestHandler());
    QScopedPointer<Providers::MenuActionProvider> provider(Providers::MenuActionProvider::create(nullptr));
    QAction* copy = provider->action(CopyGuestJoinLink);
    QAction* reset = provider->action(ResetGuestJoinLink);

    provider->updateForSession(&session);
    QVERIFY(copy->isVisible() && reset->isVisible());
    QVERIFY(!copy->isEnabled() && !reset->isEnabled());
    session.xmppSubSession()->start();
    QVERIFY(copy->isEnabled() && reset->isEnabled());
    // Copying waits for the answer; signed out, the answer comes at once, without a link.
    session.guestHandler()->generateInvitation();
    QVERIFY(!copy->isEnabled());
    QTRY_VERIFY(copy->isEnabled());
    QVERIFY(!env.logs().contains("Server did not reply. Enable."));
}

void MenuActionProviderTest::helpShortcutOnlyForWindow()
{
    TestSupport::Environment env;
    QScopedPointer<Providers::MenuActionProvider> provider(Providers::MenuActionProvider::create(nullptr));
    provider->installShortcuts(nullptr);
    QWidget window;
    provider->installShortcuts(&window);
    const QList<QShortcut*> shortcuts = window.findChildren<QShortcut*>();
    QCOMPARE(shortcuts.size(), 1);
    QCOMPARE(shortcuts.first()->key(), QKeySequence(QKeySequence::HelpContents));
    QSignalSpy help(provider->action(Help), &QAction::triggered);
    emit shortcuts.first()->activated();
    QCOMPARE(help.count(), 1);
}

// The login window is given its shortcuts again after each session; F1 must still work.
void MenuActionProviderTest::helpShortcutOncePerWindow()
{
    TestSupport::Environment env;
    QScopedPointer<Providers::MenuActionProvider> provider(Providers::MenuActionProvider::create(nullptr));
    QWidget window;
    provider->installShortcuts(&window);
    provider->installShortcuts(&window);
    QCOMPARE(window.findChildren<QShortcut*>().size(), 1);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QSignalSpy help(provider->action(Help), &QAction::triggered);
    QTest::keySequence(&window, QKeySequence(QKeySequence::HelpContents));
    QCOMPARE(help.count(), 1);
    // Exit's key belongs to the window the shortcuts were installed on.
    QSignalSpy exit(provider->action(Exit), &QAction::triggered);
    QTest::keySequence(&window, QKeySequence(Qt::CTRL | Qt::Key_Q));
    QCOMPARE(exit.count(), 1);
}

QTEST_MAIN(MenuActionProviderTest)
#include "tst_menu_action_provider.moc"
