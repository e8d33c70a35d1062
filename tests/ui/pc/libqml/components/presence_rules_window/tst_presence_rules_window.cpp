// The presence-rules window: a rule per presence state, saved on the server with OK; the
// transaction state of the handler drives the status line and closes the window.
#include "libqml/components/presence_rules_window/presence_rules_window.h"
#include "Utils/presence_rules_ui_helper.h"
#include "libqml/window/qml_view.h"
#include "../../qml_test_setup.h"
#include "../../scene_items.h"
#include "../../../services_fixture.h"
#include "support/test_environment.h"
#include "Providers/factory.h"
#include "libqml/utils/style.h"

#include <Kivo/Services/PresenceRulesHandler.h>
#include <Kivo/Services/PresenceRulesModel.h>

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QQuickItem>
#include <QResource>

#include <memory>

using Kivo::Services::PresenceRulesHandler;

namespace {

// The window over the signed-in user's rules, loaded.
QML::PresenceRulesWindow* openWindow(PresenceRulesHandler* handler, Providers::Factory* factory = nullptr)
{
    auto* window = new QML::PresenceRulesWindow(handler, factory, nullptr);
    handler->requestPresenceRules();
    window->show();
    static_cast<void>(QTest::qWaitForWindowExposed(window));
    static_cast<void>(QTest::qWaitFor([handler] { return handler->transactionState() == PresenceRulesHandler::Fetched; }));
    return window;
}

QQuickItem* actionRow(QML::PresenceRulesWindow* window, int action)
{
    return SceneItems::named(window->rulesView()->rootObject(), QStringLiteral("action%1").arg(action));
}

} // namespace

class PresenceRulesWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QmlTestSetup::prepare();
        // The presence icons of the rows come with the theme.
        QVERIFY(QResource::registerResource(QStringLiteral(TEST_THEME_RESOURCES)));
    }
    void everyStateIsListedByItsName();
    void statusFollowsTheTransaction_data();
    void statusFollowsTheTransaction();
    void onlyForwardingTakesANumber();
    void rulesAreSavedWithOk();
    void withoutChatConnectionNothingCanBeChanged();
};

void PresenceRulesWindowTest::everyStateIsListedByItsName()
{
    TestSupport::Environment env;
    ServicesFixture::SignedIn signedIn(QStringLiteral("ada@services.example"), {{6, true}});
    signedIn.connectChat();
    Providers::Factory factory(signedIn.session.get(), signedIn.session->contactsManager(), nullptr, nullptr);
    QVERIFY(factory.presenceHelper());
    PresenceRulesHandler handler(signedIn.session.get(), nullptr);
    std::unique_ptr<QML::PresenceRulesWindow> window(openWindow(&handler, &factory));
    QQuickItem* root = window->rulesView()->rootObject();
    QTRY_COMPARE(SceneItems::named(root, "stateList")->property("count").toInt(), 5);

    // One row per state, each named (none blank, none twice) with its icon.
    QStringList names;
    for (int row = 0; row < 5; ++row) {
        QQuickItem* shown = nullptr;
        QTRY_VERIFY((shown = SceneItems::named(root, QStringLiteral("stateRow%1").arg(row))));
        names << SceneItems::named(shown, "stateName")->property("text").toString();
        QVERIFY(!SceneItems::ofClass(shown, "QQuickImage")->property("source").toUrl().isEmpty());
    }
    QCOMPARE(names, (QStringList{"Available", "Away", "Busy", "Do Not Disturb", "Offline"}));
    // The window is as tall as what it holds, and the scene and the form around it are one
    // white surface.
    QVERIFY2(window->height() <= window->sizeHint().height() + 8, qPrintable(QString::number(window->height())));
    QCOMPARE(window->palette().color(QPalette::Window), QML::Style::instance()->color("whiteBackground"));
}

void PresenceRulesWindowTest::statusFollowsTheTransaction_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("status");
    QTest::newRow("saving failed") << int(PresenceRulesHandler::ErrorSaving)
                                   << "Unable to save set presence rules. Please try again later.";
    QTest::newRow("loading failed") << int(PresenceRulesHandler::ErrorFetching)
                                    << "Unable to load presence rules. Please try again later.";
    QTest::newRow("fetching") << int(PresenceRulesHandler::Fetching) << "";
}

void PresenceRulesWindowTest::statusFollowsTheTransaction()
{
    QFETCH(int, state);
    QFETCH(QString, status);
    TestSupport::Environment env;
    PresenceRulesHandler handler(nullptr, nullptr);
    QML::PresenceRulesWindow window(&handler, nullptr, nullptr);
    handler.setTransactionState(PresenceRulesHandler::ErrorFetching);
    handler.setTransactionState(state);
    QCOMPARE(window.statusText(), status);
    QCOMPARE(Utils::PresenceRulesUiHelper().statusText(state), status);
}

void PresenceRulesWindowTest::onlyForwardingTakesANumber()
{
    TestSupport::Environment env;
    ServicesFixture::SignedIn signedIn;
    signedIn.connectChat();
    PresenceRulesHandler handler(signedIn.session.get(), nullptr);
    QPointer<QML::PresenceRulesWindow> window = openWindow(&handler);
    Utils::PresenceRulesUiHelper helper;
    for (int action = 0; action <= 2; ++action) {
        QQuickItem* row = actionRow(window, action)->parentItem();
        QCOMPARE(SceneItems::named(row, "forwardNumber")->isVisible(), action == 1);
        QCOMPARE(helper.presnceRulesActionHasParam(action), action == 1);
    }
    QCOMPARE(helper.getTextForPresnceRulesAction(1), QString("Forward to"));
    QVERIFY(helper.getTextForPresnceRulesAction(3).isEmpty());
    delete window;
}

void PresenceRulesWindowTest::rulesAreSavedWithOk()
{
    TestSupport::Environment env;
    ServicesFixture::SignedIn signedIn;
    signedIn.connectChat();
    PresenceRulesHandler handler(signedIn.session.get(), nullptr);
    QPointer<QML::PresenceRulesWindow> window = openWindow(&handler);
    auto* ok = window->findChild<QPushButton*>("okButton");
    QTRY_VERIFY(ok->isEnabled());

    // Forwarding without a number cannot be saved.
    QQuickWidget* view = window->rulesView();
    SceneItems::click(view, actionRow(window, 1));
    QTRY_VERIFY(!ok->isEnabled());
    SceneItems::click(view, SceneItems::named(actionRow(window, 1)->parentItem(), "forwardNumber"));
    QTest::keyClicks(view, "+15550123");
    QTRY_VERIFY(ok->isEnabled());

    QTest::mouseClick(ok, Qt::LeftButton);
    QTRY_VERIFY(!window);
    const auto rules = *Kivo::Simulation::Service::shared().servicesOf("ada@services.example").presenceRules;
    QCOMPARE(rules.at(0).action, 1);
    QCOMPARE(rules.at(0).param, QString("+15550123"));
}

void PresenceRulesWindowTest::withoutChatConnectionNothingCanBeChanged()
{
    TestSupport::Environment env;
    ServicesFixture::SignedIn signedIn;
    PresenceRulesHandler handler(signedIn.session.get(), nullptr);
    std::unique_ptr<QML::PresenceRulesWindow> window(openWindow(&handler));
    QQuickItem* root = window->rulesView()->rootObject();
    QVERIFY(!root->isEnabled());
    QVERIFY(!window->findChild<QPushButton*>("okButton")->isEnabled());
    signedIn.connectChat();
    handler.xmppConnectedChanged();
    QTRY_VERIFY(root->isEnabled());
    QTRY_VERIFY(window->findChild<QPushButton*>("okButton")->isEnabled());
}

QTEST_MAIN(PresenceRulesWindowTest)
#include "tst_presence_rules_window.moc"
