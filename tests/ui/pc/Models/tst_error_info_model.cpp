#include "Dialogs/message_window.h"
#include "libqml/window/qml_view.h"
#include "libqml/window/qml_window.h"
#include "Models/error_info_model.h"
#include "support/marking_translator.h"
#include "support/shown_windows.h"
#include "support/signed_in_session.h"
#include "support/test_environment.h"
#include "support/user_settings.h"
#include "../libqml/qml_test_setup.h"
#include "../libqml/scene_items.h"

#include <Kivo/Actions/Action.h>
#include <Kivo/Actions/Enabler.h>
#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Controllers/Search/LdapContactSearch.h>
#include <Kivo/Outlook/OutlookIntegration.h>
#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Service.h>
#include <Kivo/Utils/Credentials/CredentialsManager.h>
#include <Kivo/Vyx/VyxCallHistoryController.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QQmlContext>
#include <QQuickItem>
#include <Kivo/Simulation/Control.h>
#include <Kivo/Vyx/VyxCallHistoryController.h>
#include <QtTest>

using Dialogs::MessageWindow;
using Models::ErrorInfoModel;
using TestSupport::shownWindows;
using Items = QHash<int, QVariant>;

namespace {

QStringList titles(const ErrorInfoModel& model)
{
    QStringList result;
    for (int row = 0; row < model.rowCount(); ++row)
        result << model.index(row).data(Qt::DisplayRole).toString();
    return result;
}

// Lets the model recompute its warnings, as every change of a connection does.
void recompute(Kivo::Sessions::SessionManagerBase* session)
{
    Kivo::Sessions::SubSession* sip = session->subSessions().first();
    sip->stop();
    sip->start();
}

// Decides the calls of the engine as a limit on conversations would.
class CallLimit : public Kivo::Actions::Enabler
{
public:
    bool isEnabled(int actionId) const override { return actionId != Kivo::Actions::Action::Call || !reached; }
    void setReached(bool on)
    {
        reached = on;
        emit enable(this);
    }
    bool reached = false;
};

QPushButton* buttonOf(MessageWindow* window, QDialogButtonBox::StandardButton button)
{
    return window->findChild<QDialogButtonBox*>("buttonBox")->button(button);
}

} // namespace

class ErrorInfoModelTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void notOperatingComputesNothing();
    void warningsOfTheConfiguration_data();
    void warningsOfTheConfiguration();
    void desktopShareFollowsItsEnabler_data();
    void desktopShareFollowsItsEnabler();
    void outlookThatIsNotThere();
    void readOnlyContactList();
    void callLogThatCannotBeFetched();
    void historyRetrievalFollowsTheCallLog();
    void brokenConnectionIsUnavailableWhileItReconnects();
    void conversationLimit();
    void existingWarningIsNeverReplaced();
    void moreShowsOneWindowAndOpensPreferencesOnce();
    void textsFollowTheLanguage();
    void bannerShowsTheRows();
};

void ErrorInfoModelTest::initTestCase()
{
    QmlTestSetup::prepare();
}

void ErrorInfoModelTest::cleanup()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<MessageWindow*>(widget) || qobject_cast<QML::Window*>(widget))
            delete widget;
    }
}

void ErrorInfoModelTest::notOperatingComputesNothing()
{
    TestSupport::Environment env;
    SignedInSession signedIn({{160, true}});
    ErrorInfoModel model(signedIn.session(), nullptr);
    recompute(signedIn.session());
    QCOMPARE(model.rowCount(), 0);
    QVERIFY(env.logs().contains("Not operating. Returning."));
    signedIn.session()->setState(Kivo::Sessions::SessionManagerBase::SignedIn);
    recompute(signedIn.session());
    QCOMPARE(titles(model), QStringList{"Emergency calls unavailable"});
}

void ErrorInfoModelTest::warningsOfTheConfiguration_data()
{
    QTest::addColumn<Items>("items");
    QTest::addColumn<bool>("directoryLogin");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("nothing to warn about") << Items{} << false << QStringList{};
    QTest::newRow("emergency calls not supported") << Items{{160, true}} << false
                                                   << QStringList{"Emergency calls unavailable"};
    QTest::newRow("emergency calls supported") << Items{{160, true}, {159, true}} << false << QStringList{};
    QTest::newRow("corporate directory without credentials")
        << Items{{181, true}, {182, true}} << false << QStringList{"Corporate directory credential error"};
    QTest::newRow("corporate directory with credentials") << Items{{181, true}, {182, true}} << true << QStringList{};
    QTest::newRow("corporate directory without authentication") << Items{{181, true}} << false << QStringList{};
    QTest::newRow("corporate directory not offered") << Items{{182, true}} << false << QStringList{};
}

void ErrorInfoModelTest::warningsOfTheConfiguration()
{
    QFETCH(Items, items);
    QFETCH(bool, directoryLogin);
    QFETCH(QStringList, expected);
    TestSupport::Environment env;
    SignedInSession signedIn(items);
    Kivo::Utils::Credentials::CredentialsManager credentials;
    if (directoryLogin) {
        Kivo::Utils::Credentials::UserCredentials user("alice@test.example");
        Kivo::Utils::Credentials::CredentialsData login("alice@test.example");
        login.setPassword("a");
        user.setData(Kivo::Controllers::Search::LdapContactSearch::CredentialsType, login);
        credentials.updateCredentials(user);
    }
    Kivo::Sessions::SessionManagerBase session("alice@test.example", "Alice Carter",
                                               signedIn.session()->getConfig(), &credentials);
    session.contactsManager()->attach(signedIn.service());
    session.setState(Kivo::Sessions::SessionManagerBase::SignedIn);
    ErrorInfoModel model(&session, nullptr);
    session.startSubSessions(0);
    QTRY_VERIFY(session.subSessions().last()->getState() == Kivo::Sessions::SubSession::Connected);
    QCOMPARE(titles(model), expected);
}

void ErrorInfoModelTest::desktopShareFollowsItsEnabler_data()
{
    QTest::addColumn<bool>("connectionFailed");
    QTest::addColumn<Items>("items");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("description");
    QTest::addColumn<bool>("preferences");

    QTest::newRow("credentials") << false << Items{} << "Desktop share credential error"
                                 << "Your Desktop Share credentials seem to be unavailable or invalid. You can update "
                                    "your credentials from the Preferences."
                                 << true;
    QTest::newRow("credentials kept elsewhere")
        << false << Items{{300, true}} << "Desktop share credential error"
        << "Your Desktop Share credentials seem to be unavailable or invalid." << false;
    QTest::newRow("connection") << true << Items{} << "Desktop share unavailable"
                                << "Unable to start desktop share. Please try again later. If the problem persists, "
                                   "please contact your service provider."
                                << false;
}

void ErrorInfoModelTest::desktopShareFollowsItsEnabler()
{
    QFETCH(bool, connectionFailed);
    QFETCH(Items, items);
    QFETCH(QString, title);
    QFETCH(QString, description);
    QFETCH(bool, preferences);
    TestSupport::Environment env;
    SignedInSession signedIn(items);
    Kivo::Actions::WebcollabEnabler enabler;
    enabler.setAuthorizationFailed(true);
    enabler.setConnectionFailed(connectionFailed);
    // Known at construction.
    ErrorInfoModel model(signedIn.session(), &enabler);
    QCOMPARE(titles(model), QStringList{title});
    QCOMPARE(model.index(0).data(Qt::StatusTipRole).toString(), description);

    model.showExtendedInfo(0);
    QTRY_COMPARE(shownWindows<MessageWindow>().size(), 1);
    MessageWindow* details = shownWindows<MessageWindow>().first();
    QCOMPARE(details->windowTitle(), title);
    QCOMPARE(details->findChild<QLabel*>("messageText")->text(), description);
    QVERIFY(buttonOf(details, QDialogButtonBox::Ok));
    QCOMPARE(buttonOf(details, QDialogButtonBox::Cancel) != nullptr, preferences);

    // Repaired: the row goes, and its details with it.
    QPointer<MessageWindow> guard(details);
    enabler.setAuthorizationFailed(false);
    enabler.setConnectionFailed(false);
    QCOMPARE(model.rowCount(), 0);
    QTRY_VERIFY(!guard);
}

void ErrorInfoModelTest::outlookThatIsNotThere()
{
    TestSupport::Environment env;
    TestSupport::writeUserSettings({{Kivo::Outlook::OutlookIntegration::ContactSearchKey, true}});
    Kivo::Simulation::Service::shared().setOutlookInstalled(false);
    SignedInSession signedIn({{180, true}});
    ErrorInfoModel model(signedIn.session(), nullptr);
    // Known once the detection has run.
    QTRY_COMPARE(titles(model), QStringList{"Outlook not detected"});

    // The user switches the Outlook features off.
    TestSupport::writeUserSettings({{Kivo::Outlook::OutlookIntegration::ContactSearchKey, false}});
    signedIn.session()->outlookContactsIntegration()->preferencesChanged();
    QCOMPARE(model.rowCount(), 0);
    Kivo::Simulation::Service::shared().setOutlookInstalled(true);
}

void ErrorInfoModelTest::readOnlyContactList()
{
    TestSupport::Environment env;
    SignedInSession signedIn({});
    signedIn.session()->setState(Kivo::Sessions::SessionManagerBase::SignedIn);
    ErrorInfoModel model(signedIn.session(), nullptr);
    signedIn.service().setContactListReadOnly(true);
    QTRY_COMPARE(titles(model), QStringList{"Contact list version mismatch"});
    QCOMPARE(model.index(0).data(Qt::StatusTipRole).toString(),
             QString("Contact list version mismatch - contact list is read only."));
    // A recomputation keeps it while the list stays read-only.
    recompute(signedIn.session());
    QCOMPARE(model.rowCount(), 1);
    signedIn.service().setContactListReadOnly(false);
    QTRY_COMPARE(model.rowCount(), 0);
}

void ErrorInfoModelTest::callLogThatCannotBeFetched()
{
    TestSupport::Environment env;
    SignedInSession signedIn({});
    signedIn.session()->setState(Kivo::Sessions::SessionManagerBase::SignedIn);
    ErrorInfoModel model(signedIn.session(), nullptr);
    Kivo::Vyx::VyxCallHistoryController* history = signedIn.session()->vyxCallHistoryController();
    const Kivo::Simulation::ServiceFailure unavailable{5, 503, "Service Unavailable"};
    QVERIFY(Kivo::Simulation::Control(signedIn.service())
                .failNextServiceRequest(Kivo::Simulation::ServiceRequest::CallLog, unavailable));
    history->fetchCallLogs();
    QTRY_COMPARE(titles(model), QStringList{"Error retrieving history"});
    QCOMPARE(model.index(0).data(Qt::StatusTipRole).toString(),
             QString("Unable to retrieve updated call logs. Please check your network connection."));
    // The next fetch that comes through takes the warning away.
    history->fetchCallLogs();
    QTRY_COMPARE(model.rowCount(), 0);
}

void ErrorInfoModelTest::historyRetrievalFollowsTheCallLog()
{
    TestSupport::Environment env;
    SignedInSession signedIn({});
    signedIn.session()->setState(Kivo::Sessions::SessionManagerBase::SignedIn);
    ErrorInfoModel model(signedIn.session(), nullptr);
    Kivo::Vyx::VyxCallHistoryController* history = signedIn.session()->vyxCallHistoryController();
    QVERIFY(history);
    Kivo::Simulation::Control control(signedIn.service());
    signedIn.session()->startSubSessions(0);
    QVERIFY(control.injectLinkLost(Kivo::Simulation::Service::ServerLink));
    QTRY_VERIFY(!signedIn.service().isLinkUp(Kivo::Simulation::Service::ServerLink));
    history->fetchCallLogs();
    QTRY_VERIFY(titles(model).contains("Error retrieving history"));
    const int row = titles(model).indexOf("Error retrieving history");
    QCOMPARE(model.index(row).data(Qt::StatusTipRole).toString(),
             QString("Unable to retrieve updated call logs. Please check your network connection."));
    // The next call log that arrives takes the warning away.
    QVERIFY(control.injectLinkRestored(Kivo::Simulation::Service::ServerLink));
    QTRY_VERIFY(signedIn.service().isLinkUp(Kivo::Simulation::Service::ServerLink));
    history->fetchCallLogs();
    QTRY_VERIFY(!titles(model).contains("Error retrieving history"));
}

void ErrorInfoModelTest::brokenConnectionIsUnavailableWhileItReconnects()
{
    TestSupport::Environment env;
    SignedInSession signedIn({});
    signedIn.session()->setState(Kivo::Sessions::SessionManagerBase::SignedIn);
    ErrorInfoModel model(signedIn.session(), nullptr);
    Kivo::Sessions::SubSession calls(Kivo::Sessions::SubSession::Sip, "sip.test.example");
    // The model's own question, as its slot answers it.
    const auto available = [&model, &calls] {
        bool answer = false;
        const Kivo::Sessions::SubSession* asked = &calls;
        QMetaObject::invokeMethod(&model, "isSessionAvailable", Qt::DirectConnection, Q_RETURN_ARG(bool, answer),
                                  Q_ARG(const Kivo::Sessions::SubSession*, asked));
        return answer;
    };
    QVERIFY(available());
    calls.start();
    QVERIFY(available());
    calls.fail();
    QVERIFY(calls.isReconnecting());
    QVERIFY(!available());
    calls.start();
    QVERIFY(!calls.isReconnecting());
    QVERIFY(available());
}

void ErrorInfoModelTest::conversationLimit()
{
    TestSupport::Environment env;
    SignedInSession signedIn({});
    signedIn.session()->setState(Kivo::Sessions::SessionManagerBase::SignedIn);
    ErrorInfoModel model(signedIn.session(), nullptr);
    CallLimit limit;
    QVERIFY(connect(&limit, SIGNAL(enable(const Kivo::Actions::Enabler*)), &model,
                    SLOT(allowedToStartNewCommsSessionChanged())));
    limit.setReached(true);
    QCOMPARE(titles(model), QStringList{"No new communications allowed"});
    // Only a sender that is an enabler is asked.
    QMetaObject::invokeMethod(&model, "allowedToStartNewCommsSessionChanged");
    QCOMPARE(model.rowCount(), 1);
    // Every recomputation drops it; the limit reports again when it still holds.
    recompute(signedIn.session());
    QCOMPARE(model.rowCount(), 0);
    limit.setReached(true);
    limit.setReached(false);
    QCOMPARE(model.rowCount(), 0);
}

void ErrorInfoModelTest::existingWarningIsNeverReplaced()
{
    TestSupport::Environment env;
    SignedInSession signedIn({{181, true}, {182, true}});
    signedIn.session()->setState(Kivo::Sessions::SessionManagerBase::SignedIn);
    ErrorInfoModel model(signedIn.session(), nullptr);
    Kivo::Controllers::Search::LdapContactSearch* ldap = signedIn.session()->ldapContactSearch();
    QVERIFY(ldap);
    // A search without credentials is refused by the directory.
    QSignalSpy failed(ldap, &Kivo::Controllers::Search::LdapContactSearch::authFailed);
    ldap->search(Kivo::Controllers::Search::ContactSearchData("bo*", 10, 0, nullptr), false);
    QVERIFY(failed.wait());
    QCOMPARE(titles(model), QStringList{"Corporate Directory (LDAP) Error"});
    // The recomputation wants the same kind under another title: the first row stays.
    recompute(signedIn.session());
    QCOMPARE(titles(model), QStringList{"Corporate Directory (LDAP) Error"});
    QVERIFY(env.logs().contains("Creating."));
}

void ErrorInfoModelTest::moreShowsOneWindowAndOpensPreferencesOnce()
{
    TestSupport::Environment env;
    SignedInSession signedIn({{181, true}, {182, true}, {160, true}});
    signedIn.session()->setState(Kivo::Sessions::SessionManagerBase::SignedIn);
    ErrorInfoModel model(signedIn.session(), nullptr);
    recompute(signedIn.session());
    QCOMPARE(titles(model), (QStringList{"Emergency calls unavailable", "Corporate directory credential error"}));
    QSignalSpy preferences(signedIn.session()->commsSessionController(),
                           &Kivo::Controllers::CommsSessionController::preferenceActivated);

    // A warning without a way into the preferences offers only Ok.
    model.showExtendedInfo(0);
    QTRY_COMPARE(shownWindows<MessageWindow>().size(), 1);
    QVERIFY(!buttonOf(shownWindows<MessageWindow>().first(), QDialogButtonBox::Cancel));
    shownWindows<MessageWindow>().first()->close();
    QTRY_VERIFY(shownWindows<MessageWindow>().isEmpty());

    for (int round = 1; round <= 2; ++round) {
        model.showExtendedInfo(1);
        model.showExtendedInfo(1);
        model.showExtendedInfo(5);
        QTRY_COMPARE(shownWindows<MessageWindow>().size(), 1);
        MessageWindow* details = shownWindows<MessageWindow>().first();
        QCOMPARE(details->windowTitle(), QString("Corporate directory credential error"));
        QTest::mouseClick(buttonOf(details, QDialogButtonBox::Ok), Qt::LeftButton);
        QCOMPARE(preferences.count(), round);
        QCOMPARE(preferences.last().first().toInt(), 3);
        QTRY_VERIFY(shownWindows<MessageWindow>().isEmpty());
    }
}

void ErrorInfoModelTest::textsFollowTheLanguage()
{
    TestSupport::Environment env;
    SignedInSession signedIn({{160, true}});
    signedIn.session()->setState(Kivo::Sessions::SessionManagerBase::SignedIn);
    ErrorInfoModel model(signedIn.session(), nullptr);
    recompute(signedIn.session());
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    TestSupport::MarkingTranslator translator("Models::ErrorInfoModel");
    QCoreApplication::installTranslator(&translator);
    QTRY_COMPARE(titles(model), QStringList{"~Emergency calls unavailable"});
    QCOMPARE(model.index(0).data(Qt::StatusTipRole).toString(),
             QString("~Emergency calls are not supported. Please use another phone."));
    QCOMPARE(changed.count(), 1);
    QCoreApplication::removeTranslator(&translator);
    QTRY_COMPARE(titles(model), QStringList{"Emergency calls unavailable"});
}

void ErrorInfoModelTest::bannerShowsTheRows()
{
    TestSupport::Environment env;
    SignedInSession signedIn({{181, true}, {182, true}, {160, true}});
    signedIn.session()->setState(Kivo::Sessions::SessionManagerBase::SignedIn);
    ErrorInfoModel model(signedIn.session(), nullptr);
    QML::Window window(false);
    window.view()->rootContext()->setContextProperty("errorInfoModel", &model);
    QVERIFY(window.loadQML("qrc:/mainmodels/error_banner.qml"));
    window.resize(400, 200);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QQuickItem* root = SceneItems::named(window.view()->rootObject(), "errorInfo");
    QVERIFY(root);
    QCOMPARE(root->width(), 400.0);
    QCOMPARE(root->height(), 0.0);

    recompute(signedIn.session());
    QTRY_COMPARE(root->height(), 40.0);
    QQuickItem* second = SceneItems::named(root, "errorRow1");
    QVERIFY(second);
    QCOMPARE(SceneItems::named(second, "errorTitle")->property("text").toString(),
             QString("Corporate directory credential error"));
    QQuickItem* more = SceneItems::named(second, "moreLink");
    QVERIFY(more->isVisible());
    QCOMPARE(more->property("text").toString(), QString("More"));

    QVERIFY(SceneItems::click(window.view(), more));
    QTRY_COMPARE(shownWindows<MessageWindow>().size(), 1);
    QCOMPARE(shownWindows<MessageWindow>().first()->windowTitle(), QString("Corporate directory credential error"));

    // A warning that goes takes its line with it.
    QVERIFY(QMetaObject::invokeMethod(&model, "ldapQueryAuthenticationFixed"));
    QTRY_COMPARE(root->height(), 20.0);
    QTRY_VERIFY(shownWindows<MessageWindow>().isEmpty());
}

QTEST_MAIN(ErrorInfoModelTest)
#include "tst_error_info_model.moc"
