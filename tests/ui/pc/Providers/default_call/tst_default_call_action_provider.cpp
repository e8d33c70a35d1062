#include "Providers/default_call_action_provider.h"
#include "Providers/factory.h"
#include "common/constants.h"
#include "support/test_environment.h"

#include <Kivo/Actions/Action.h>
#include <Kivo/Configuration/Config.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Settings.h>

#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

using Kivo::Actions::Action;


namespace {

// A factory whose session offers only the given call actions.
class CallActionsFactory : public Providers::Factory
{
public:
    CallActionsFactory(Kivo::Sessions::SessionManagerBase* session, const QList<int>& offered)
        : Providers::Factory(session, session->contactsManager(), nullptr, nullptr), m_Offered(offered)
    {
    }

    bool isActionAvailable(int id) const override { return m_Offered.contains(id); }

private:
    QList<int> m_Offered;
};

QVariant storedChoice()
{
    return Kivo::Settings(Kivo::Settings::UserSettings).value(Constants::SettingsKey::DefaultCallAction);
}

QStringList menuTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << action->text() + (action->isChecked() ? "*" : "");
    return texts;
}

} // namespace

class DefaultCallActionProviderTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void selection_data();
    void selection();
    void pickingStoresAndAnnounces();
    void retranslateKeepsMenu();

private:
    std::unique_ptr<Kivo::Configuration::Config> m_Config;
};

void DefaultCallActionProviderTest::initTestCase()
{
    qRegisterMetaType<Kivo::Actions::Action::Id>();
    m_Config = std::make_unique<Kivo::Configuration::Config>("config_test.xml", Kivo::Configuration::Config::Document());
}

void DefaultCallActionProviderTest::selection_data()
{
    QTest::addColumn<QList<int>>("offered");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("menu");
    const QList<int> all = {Action::Call, Action::CallFromPhone, Action::VideoCall};
    QTest::newRow("nothing stored") << all << QVariant() << int(Action::Call)
                                    << QStringList({"Call*", "Call from Phone", "Video Call"});
    QTest::newRow("stored video") << all << QVariant(int(Action::VideoCall)) << int(Action::VideoCall)
                                  << QStringList({"Call", "Call from Phone", "Video Call*"});
    QTest::newRow("stored video not offered")
        << QList<int>({Action::Call, Action::CallFromPhone}) << QVariant(int(Action::VideoCall)) << int(Action::Call)
        << QStringList({"Call*", "Call from Phone"});
    QTest::newRow("stored unknown id") << all << QVariant(int(Action::Chat)) << int(Action::Call)
                                       << QStringList({"Call*", "Call from Phone", "Video Call"});
    QTest::newRow("only phone") << QList<int>({Action::CallFromPhone}) << QVariant() << int(Action::CallFromPhone)
                                << QStringList();
    QTest::newRow("none offered") << QList<int>() << QVariant() << int(Action::None) << QStringList();
}

void DefaultCallActionProviderTest::selection()
{
    QFETCH(QList<int>, offered);
    QFETCH(QVariant, stored);
    QFETCH(int, selected);
    QFETCH(QStringList, menu);
    TestSupport::Environment env;
    if (stored.isValid())
        Kivo::Settings(Kivo::Settings::UserSettings).setValue(Constants::SettingsKey::DefaultCallAction, stored);
    Kivo::Sessions::SessionManagerBase session("alice@test.example", "Alice", m_Config.get(), nullptr);
    CallActionsFactory factory(&session, offered);
    Providers::DefaultCallActionProvider provider;
    QSignalSpy announced(&provider, &Providers::DefaultCallActionProvider::defaultCallActionChanged);

    provider.initialize(&factory);
    QCOMPARE(int(provider.selectedAction()), selected);
    QCOMPARE(announced.count(), 1);
    QCOMPARE(int(announced.first().first().value<Action::Id>()), selected);
    // The choice is written only while a menu offers it: a fallback leaves the stored value.
    QCOMPARE(storedChoice(), stored);

    QMenu* built = provider.createMenu();
    if (menu.isEmpty()) {
        QVERIFY(!built);
        QCOMPARE(storedChoice(), stored);
        return;
    }
    QVERIFY(built);
    QCOMPARE(built->title(), QString("Default Call Type"));
    QCOMPARE(menuTexts(built), menu);
    QCOMPARE(provider.createMenu(), built);
    // Offering the menu stores nothing: a choice the session lacks is kept until the user picks.
    QCOMPARE(storedChoice(), stored);
}

void DefaultCallActionProviderTest::pickingStoresAndAnnounces()
{
    TestSupport::Environment env;
    Kivo::Sessions::SessionManagerBase session("alice@test.example", "Alice", m_Config.get(), nullptr);
    CallActionsFactory factory(&session, {Action::Call, Action::CallFromPhone, Action::VideoCall});
    Providers::DefaultCallActionProvider provider;
    provider.initialize(&factory);
    QMenu* menu = provider.createMenu();
    QVERIFY(menu);
    QSignalSpy announced(&provider, &Providers::DefaultCallActionProvider::defaultCallActionChanged);

    menu->actions().at(2)->trigger();
    QCOMPARE(announced.count(), 1);
    QCOMPARE(int(provider.selectedAction()), int(Action::VideoCall));
    QCOMPARE(storedChoice().toInt(), int(Action::VideoCall));
    QCOMPARE(menuTexts(menu), QStringList({"Call", "Call from Phone", "Video Call*"}));

    // The selected choice again: nothing announced, still checked, stored again.
    Kivo::Settings(Kivo::Settings::UserSettings).remove(Constants::SettingsKey::DefaultCallAction);
    menu->actions().at(2)->trigger();
    QCOMPARE(announced.count(), 1);
    QVERIFY(menu->actions().at(2)->isChecked());
    QCOMPARE(storedChoice().toInt(), int(Action::VideoCall));
}

void DefaultCallActionProviderTest::retranslateKeepsMenu()
{
    TestSupport::Environment env;
    Kivo::Sessions::SessionManagerBase session("alice@test.example", "Alice", m_Config.get(), nullptr);
    CallActionsFactory factory(&session, {Action::Call, Action::VideoCall});
    Providers::DefaultCallActionProvider provider;
    provider.initialize(&factory);
    QMenu* menu = provider.createMenu();
    QVERIFY(menu);
    menu->setTitle("stale");
    menu->actions().first()->setText("stale");
    provider.retranslate();
    QCOMPARE(menu->title(), QString("Default Call Type"));
    QCOMPARE(menuTexts(menu), QStringList({"Call*", "Video Call"}));
}

QTEST_MAIN(DefaultCallActionProviderTest)
#include "tst_default_call_action_provider.moc"
