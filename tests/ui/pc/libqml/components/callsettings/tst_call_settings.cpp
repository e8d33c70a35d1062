// The call-settings window over the account's services: which tabs it offers, which page
// a request opens, the texts of failures, and a forwarding change made with the mouse and
// keyboard that reaches the service, or is refused with the service's reason.
#include "Dialogs/supplementary_services.h"
#include "libqml/components/callsettings/call_settings.h"
#include "libqml/components/callsettings/call_settings_tab_detail.h"
#include "libqml/components/callsettings/call_settings_tab_detail_list.h"
#include "../../qml_test_setup.h"
#include "../../scene_items.h"
#include "libqml/window/qml_view.h"
#include "../../../services_fixture.h"
#include "support/shown_windows.h"
#include "support/test_environment.h"

#include <Kivo/Controllers/VyxSupplementaryServicesController2.h>

#include <QPointer>
#include <QQuickItem>

using QML::CallSettings;
using Tab = QML::CallSettingsTabDetail;

namespace {

QStringList tabTitles(const CallSettings& window)
{
    QStringList titles;
    for (int row = 0; row < window.tabs()->rowCount(); ++row)
        titles << window.tabs()->data(window.tabs()->index(row), QML::CallSettingsTabDetailList::TabTitleRole).toString();
    return titles;
}

// The window of the signed-in user once the service list arrived.
std::unique_ptr<CallSettings> openWindow(Kivo::Sessions::SessionManagerBase* session)
{
    auto window = std::make_unique<CallSettings>(session, false, nullptr);
    if (auto* services = session->vyxSupplementaryServicesController2()) {
        QSignalSpy ready(services, &Kivo::Controllers::VyxSupplementaryServicesController2::servicesReady);
        if (!services->isServicesListFetched())
            ready.wait();
    }
    return window;
}

QString storedTarget(int id, bool* active)
{
    const Kivo::Simulation::AccountServices account =
        Kivo::Simulation::Service::shared().servicesOf(QStringLiteral("ada@services.example"));
    for (const auto& record : *account.supplementary) {
        if (record.id == id) {
            *active = record.active;
            return record.target;
        }
    }
    return QString();
}

} // namespace

class CallSettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QmlTestSetup::prepare(); }
    void tabsFollowControllersAndServices_data();
    void tabsFollowControllersAndServices();
    void openPageSelectsTheTabOrNothing_data();
    void openPageSelectsTheTabOrNothing();
    void failuresBecomeOneText_data();
    void failuresBecomeOneText();
    void forwardingChangeRoundTrips();
    void saveSlotsChangeTheirOwnService_data();
    void saveSlotsChangeTheirOwnService();
    void signingOutClosesTheWindow();
    void allServicesOpensTheDialogOnce();
};

void CallSettingsTest::tabsFollowControllersAndServices_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QStringList>("tabs");
    QTest::newRow("every service") << "ada@services.example"
                                   << QStringList{"Corvantium Anywhere", "Corvantium Remote Office", "Forward Calls",
                                                  "Do Not Disturb", "Hide Number", "Simultaneous Ring Personal"};
    QTest::newRow("one forwarding service") << "fwd@services.example" << QStringList{"Forward Calls"};
    QTest::newRow("no forwarding service") << "dnd@services.example" << QStringList{"Do Not Disturb"};
    QTest::newRow("no supplementary services")
        << "any@services.example" << QStringList{"Corvantium Anywhere", "Forward Calls", "Simultaneous Ring Personal"};
    QTest::newRow("nothing") << "none@services.example" << QStringList{"Forward Calls"};
}

void CallSettingsTest::tabsFollowControllersAndServices()
{
    QFETCH(QString, user);
    QFETCH(QStringList, tabs);
    TestSupport::Environment env;
    ServicesFixture::SignedIn signedIn(user);
    std::unique_ptr<CallSettings> window = openWindow(signedIn.session.get());
    QCOMPARE(tabTitles(*window), tabs);
    // The pages of absent controllers are not loaded: no context property, no warning.
    QVERIFY(window->view()->errors().isEmpty());
}

void CallSettingsTest::openPageSelectsTheTabOrNothing_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("row");
    QTest::newRow("Anywhere") << "ada@services.example" << 1 << int(Tab::CorvantiumAnywhereTab) << 0;
    QTest::newRow("remote office") << "ada@services.example" << 2 << int(Tab::RemoteOfficeTab) << 1;
    QTest::newRow("simultaneous ring") << "ada@services.example" << 3 << int(Tab::SimultaneousRingTab) << 5;
    QTest::newRow("forwarding") << "ada@services.example" << 4 << int(Tab::CallForwardingTab) << 2;
    QTest::newRow("do not disturb") << "ada@services.example" << 5 << int(Tab::DoNotDisturbTab) << 3;
    QTest::newRow("hide number") << "ada@services.example" << 6 << int(Tab::HideNumberTab) << 4;
    QTest::newRow("general") << "fwd@services.example" << 0 << int(Tab::CallForwardingTab) << 0;
    QTest::newRow("absent tab") << "fwd@services.example" << 1 << -1 << -1;
    QTest::newRow("unknown page") << "ada@services.example" << 42 << -1 << -1;
}

void CallSettingsTest::openPageSelectsTheTabOrNothing()
{
    QFETCH(QString, user);
    QFETCH(int, page);
    QFETCH(int, tab);
    QFETCH(int, row);
    TestSupport::Environment env;
    ServicesFixture::SignedIn signedIn(user);
    std::unique_ptr<CallSettings> window = openWindow(signedIn.session.get());
    QSignalSpy changed(window.get(), &CallSettings::changeTab);
    window->openPage(static_cast<Utils::CallSettingsPage>(page));
    if (tab < 0) {
        QCOMPARE(changed.size(), 0);
        return;
    }
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.first(), (QList<QVariant>{tab, row}));
    QCOMPARE(window->view()->rootObject()->state(), window->currentPage());
}

void CallSettingsTest::failuresBecomeOneText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    const auto vyx = [](Kivo::Vyx::VyxComponent::Error error, int code, const char* message) {
        return CallSettings::errorText(error, Kivo::Vyx::VyxErrorInfo{code, QString::fromLatin1(message)});
    };
    QTest::newRow("server") << vyx(Kivo::Vyx::VyxComponent::ServerError, 503, "Maintenance") << "Maintenance\nError Code:503";
    QTest::newRow("credentials") << vyx(Kivo::Vyx::VyxComponent::CredentialsMissing, 0, "x") << "Please set your credentials";
    QTest::newRow("authentication") << vyx(Kivo::Vyx::VyxComponent::AuthenticationFailed, 0, "") << "Authentication failed";
    QTest::newRow("network") << vyx(Kivo::Vyx::VyxComponent::NetworkError, 0, "") << "Network error";
    QTest::newRow("refused") << CallSettings::networkErrorText(QNetworkReply::ConnectionRefusedError) << "Connection Refused";
    QTest::newRow("host") << CallSettings::networkErrorText(QNetworkReply::HostNotFoundError) << "Host Not Found";
    QTest::newRow("timeout") << CallSettings::networkErrorText(QNetworkReply::TimeoutError) << "Timeout Error";
    QTest::newRow("cancelled") << CallSettings::networkErrorText(QNetworkReply::OperationCanceledError)
                               << "Operation Canceled";
    QTest::newRow("authentication required")
        << CallSettings::networkErrorText(QNetworkReply::AuthenticationRequiredError) << "Authentication Required";
    QTest::newRow("remote host closed") << CallSettings::networkErrorText(QNetworkReply::RemoteHostClosedError)
                                        << "Unknown Error RemoteHostClosedError";
}

void CallSettingsTest::failuresBecomeOneText()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

void CallSettingsTest::forwardingChangeRoundTrips()
{
    TestSupport::Environment env;
    ServicesFixture::SignedIn signedIn;
    std::unique_ptr<CallSettings> window = openWindow(signedIn.session.get());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QQuickWidget* view = window->view();
    QQuickItem* root = view->rootObject();
    // Clicks reach the pages once the shade has faded.
    QTRY_VERIFY(!SceneItems::named(root, "shade")->isVisible());
    QVERIFY(SceneItems::takeKeyboard(window.get(), view));

    QQuickItem* forwardingTab = nullptr;
    QTRY_VERIFY((forwardingTab = SceneItems::named(root, "tab_2")));
    SceneItems::click(view, forwardingTab);
    QCOMPARE(window->currentPage(), QString("callForwarding"));
    QQuickItem* always = SceneItems::named(root, "forwardAlways");
    QTRY_VERIFY(always->isVisible());
    // The page asks the server for the service's state first; until then it cannot be edited.
    QTRY_VERIFY(!SceneItems::named(always, "serviceStatus")->isVisible());

    // Switched on with a number typed in: the service stores both.
    SceneItems::click(view, SceneItems::named(always, "editButton"));
    SceneItems::click(view, SceneItems::named(always, "enableServiceBox"));
    SceneItems::click(view, SceneItems::named(always, "numberField"));
    QTest::keyClicks(view, "+1 555 0177");
    SceneItems::click(view, SceneItems::named(always, "saveButton"));
    bool active = false;
    QTRY_COMPARE(storedTarget(0, &active), QString("+1 555 0177"));
    QVERIFY(active);
    QTRY_COMPARE(SceneItems::named(always, "serviceSummary")->property("text").toString(),
                 QString("Enabled to +1 555 0177"));

    // Letters are refused: the service's reason shows and nothing changes.
    SceneItems::click(view, SceneItems::named(always, "editButton"));
    SceneItems::click(view, SceneItems::named(always, "numberField"));
    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(view, "+1 555 CALL");
    QTest::keyClick(view, Qt::Key_Return);
    QQuickItem* errorBox = SceneItems::named(root, "errorBox");
    QTRY_VERIFY(errorBox->isVisible());
    QCOMPARE(errorBox->property("message").toString(), QString("Service update error: Invalid phone number"));
    QCOMPARE(storedTarget(0, &active), QString("+1 555 0177"));
    QTRY_COMPARE(SceneItems::named(always, "serviceSummary")->property("text").toString(),
                 QString("Enabled to +1 555 0177"));
    QTest::keyClick(view, Qt::Key_Return);
    QTRY_VERIFY(!errorBox->isVisible());
}

void CallSettingsTest::saveSlotsChangeTheirOwnService_data()
{
    using Kivo::Controllers::SupplementaryService;
    QTest::addColumn<QString>("slot");
    QTest::addColumn<bool>("withNumber");
    QTest::addColumn<int>("service");
    QTest::newRow("remote office") << "onSaveBWROServiceData" << true << int(SupplementaryService::RemoteOffice);
    QTest::newRow("always") << "onSaveCFUServiceData" << true << int(SupplementaryService::CallForwardingAlways);
    QTest::newRow("busy") << "onSaveCFBServiceData" << true << int(SupplementaryService::CallForwardingBusy);
    QTest::newRow("not reachable") << "onSaveCFNRcServiceData" << true
                                   << int(SupplementaryService::CallForwardingNotReachable);
    QTest::newRow("no reply") << "onSaveCFNRServiceData" << true << int(SupplementaryService::CallForwardingNoReply);
    QTest::newRow("do not disturb") << "onSaveDNDServiceData" << false << int(SupplementaryService::DoNotDisturb);
    QTest::newRow("line id blocking") << "onSaveCLIDBlockData" << false
                                      << int(SupplementaryService::CallingLineIdBlocking);
}

void CallSettingsTest::saveSlotsChangeTheirOwnService()
{
    QFETCH(QString, slot);
    QFETCH(bool, withNumber);
    QFETCH(int, service);
    TestSupport::Environment env;
    ServicesFixture::SignedIn signedIn;
    std::unique_ptr<CallSettings> opened = openWindow(signedIn.session.get());
    CallSettings& window = *opened;
    QList<Kivo::Controllers::SupplementaryService> changes;
    connect(&window, &CallSettings::changeSupplementaryService, this,
            [&changes](const Kivo::Controllers::SupplementaryService& change) { changes.append(change); });

    const QByteArray name = slot.toLatin1();
    const QString number = withNumber ? QStringLiteral("+15550177") : QString();
    const bool invoked = withNumber ? QMetaObject::invokeMethod(&window, name.constData(), Q_ARG(bool, true),
                                                                Q_ARG(QString, number))
                                    : QMetaObject::invokeMethod(&window, name.constData(), Q_ARG(bool, true));
    QVERIFY(invoked);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(int(changes.first().id()), service);
    QVERIFY(changes.first().active());
    QCOMPARE(changes.first().target(), number);
}

void CallSettingsTest::signingOutClosesTheWindow()
{
    TestSupport::Environment env;
    ServicesFixture::SignedIn signedIn;
    QPointer<CallSettings> window = openWindow(signedIn.session.get()).release();
    window->show();
    signedIn.session->setState(Kivo::Sessions::SessionManagerBase::SigningOut);
    QVERIFY(window);
    QTRY_VERIFY(!window);
}

void CallSettingsTest::allServicesOpensTheDialogOnce()
{
    TestSupport::Environment env;
    ServicesFixture::SignedIn signedIn;
    std::unique_ptr<CallSettings> window = openWindow(signedIn.session.get());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QQuickItem* link = SceneItems::named(window->view()->rootObject(), "allServicesLink");
    QTRY_VERIFY(!SceneItems::named(window->view()->rootObject(), "shade")->isVisible());
    SceneItems::click(window->view(), link);
    QTRY_COMPARE(TestSupport::shownWindows<Dialogs::SupplementaryServices>().size(), 1);
    SceneItems::click(window->view(), link);
    QCoreApplication::processEvents();
    QCOMPARE(TestSupport::shownWindows<Dialogs::SupplementaryServices>().size(), 1);
    // The dialog belongs to the window.
    window.reset();
    QVERIFY(TestSupport::shownWindows<Dialogs::SupplementaryServices>().isEmpty());
}

QTEST_MAIN(CallSettingsTest)
#include "tst_call_settings.moc"
