#include "Providers/factory.h"
#include "Providers/menu_action_provider.h"
#include "common/constants.h"
#include "support/test_environment.h"

#include <Kivo/Actions/Action.h>
#include <Kivo/Actions/Provider.h>
#include <Kivo/Actions/Source.h>
#include <Kivo/Configuration/Config.h>
#include <Kivo/Sessions/SessionManagerBase.h>

#include <QAction>
#include <QTest>

#include <memory>

using Kivo::Actions::Action;
using namespace Constants::MenuAction;

namespace {

Kivo::Configuration::Config::Document documentWith(const QHash<int, QVariant>& items)
{
    Kivo::Configuration::Config::Document document;
    document.items = items;
    return document;
}

// A signed-in user's session on a configuration with `items`, and a menu of its own.
struct SessionMenu
{
    explicit SessionMenu(const QHash<int, QVariant>& items = {})
        : config("config_test.xml", documentWith(items))
        , session("alice@test.example", "Alice", &config, nullptr)
        , menu(Providers::MenuActionProvider::create(&owner))
    {
    }

    TestSupport::Environment env;
    Kivo::Configuration::Config config;
    Kivo::Sessions::SessionManagerBase session;
    QObject owner;
    Providers::MenuActionProvider* menu;
};

} // namespace

class MenuActionLinksTest : public QObject
{
    Q_OBJECT

private slots:
    void linkedActionsRunEngineActions();
    void eachSignInReplacesTheProvider();
    void callSettingsShownWithServices();
};

void MenuActionLinksTest::linkedActionsRunEngineActions()
{
    SessionMenu fixture({{85, true}, {80, true}});
    Providers::MenuActionProvider* menu = fixture.menu;
    Providers::Factory factory(&fixture.session, fixture.session.contactsManager(), nullptr, nullptr);
    menu->linkProviderActions(&factory);

    Kivo::Actions::Provider* provider = menu->provider();
    QVERIFY(provider);
    QCOMPARE(provider->getActionSource(), menu);
    QVERIFY(provider->getActionById(Action::RetrieveParkedCall));
    QVERIFY(provider->getActionById(Action::AddContact));
    QVERIFY(!provider->getActionById(Action::PullCall));

    QList<int> triggered;
    connect(provider, &Kivo::Actions::Provider::actionTriggered,
            [&triggered, menu](Kivo::Actions::ActionData& data, Kivo::Actions::Source& source) {
                QCOMPARE(&source, menu);
                triggered << data.getId();
            });
    menu->action(RetrieveParkedCall)->trigger();
    menu->action(AddContact)->trigger();
    menu->action(PullCall)->trigger();
    QCOMPARE(triggered, QList<int>({Action::RetrieveParkedCall, Action::AddContact}));

    provider->getActionById(Action::RetrieveParkedCall)->setEnabled(false);
    QVERIFY(!menu->action(RetrieveParkedCall)->isEnabled());
}

void MenuActionLinksTest::eachSignInReplacesTheProvider()
{
    SessionMenu fixture;
    Providers::MenuActionProvider* menu = fixture.menu;
    int triggered = 0;
    for (int signIn = 0; signIn < 2; ++signIn) {
        Providers::Factory factory(&fixture.session, fixture.session.contactsManager(), nullptr, nullptr);
        QPointer<Kivo::Actions::Provider> previous = menu->provider();
        menu->linkProviderActions(&factory);
        QVERIFY(!previous);
        connect(menu->provider(), &Kivo::Actions::Provider::actionTriggered, [&triggered] { ++triggered; });
    }
    // One link only: the first provider went with its engine actions.
    menu->action(AddContact)->trigger();
    QCOMPARE(triggered, 1);
}

void MenuActionLinksTest::callSettingsShownWithServices()
{
    SessionMenu fixture;
    Providers::MenuActionProvider* menu = fixture.menu;
    menu->updateForSession(&fixture.session);
    QVERIFY(menu->action(CallSettings)->isVisible());
    QVERIFY(!menu->action(CopyGuestJoinLink)->isVisible());
    menu->updateForSession(nullptr);
    QVERIFY(!menu->action(CallSettings)->isVisible());
}

QTEST_MAIN(MenuActionLinksTest)
#include "tst_menu_action_links.moc"
