#include "Dialogs/location_publish.h"
#include "Utils/presence_helper.h"
#include "common/constants.h"

#include "support/test_environment.h"
#include "support/user_settings.h"

#include <Kivo/Client.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Presence/LocationPublisher.h>
#include <Kivo/Presence/LocationSource.h>
#include <Kivo/Presence/PresenceData.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Utils/Credentials/CredentialsManager.h>
#include <Kivo/Utils/Credentials/UserCredentials.h>
#include <Kivo/Settings.h>
#include <Kivo/Simulation/Service.h>

#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QResource>
#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

#include <memory>

using Kivo::Utils::Location::Info;
using TestSupport::userSetting;
using TestSupport::writeUserSettings;
namespace Key = Constants::SettingsKey;

namespace {

Info located(const QString& address, const QString& city = QStringLiteral("Helsinki"))
{
    Info info;
    info.ipAddress = address;
    info.city = city;
    info.country = QStringLiteral("FINLAND");
    info.timeZone = QStringLiteral("+02:00");
    return info;
}

Info published(const QString& manual, const QString& timeZone, const QString& city = QString())
{
    Info info;
    info.manualLocation = manual;
    info.timeZone = timeZone;
    info.city = city;
    return info;
}

// Translates the helper's texts into capitals, so a retranslation shows.
class CapitalsTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (qstrcmp(context, "Utils::PresenceHelper") != 0)
            return QString();
        return QString::fromUtf8(source).toUpper();
    }
};

Dialogs::LocationPublish* locationDialog()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<Dialogs::LocationPublish*>(widget))
            return dialog;
    }
    return nullptr;
}

// A helper over the user's own presence data, with its signals watched.
struct Fixture
{
    Kivo::Presence::PresenceData presence{0};
    std::unique_ptr<Utils::PresenceHelper> helper = std::make_unique<Utils::PresenceHelper>(&presence, nullptr);
    QSignalSpy ownLocationChanged{helper.get(), &Utils::PresenceHelper::ownLocationChanged};
    QSignalSpy locationsReceived{helper.get(), &Utils::PresenceHelper::locationsReceived};

    // The session wires these private slots by name, as the engine's signals arrive.
    void soapAction(const Info& info)
    {
        QVERIFY(QMetaObject::invokeMethod(helper.get(), "cbSoapActionLocationReceived", Q_ARG(Kivo::Utils::Location::Info, info)));
    }
    void xmpp(const Info& info)
    {
        QVERIFY(QMetaObject::invokeMethod(helper.get(), "cbXmppLocationReceived", Q_ARG(Kivo::Utils::Location::Info, info)));
    }
    Info manualOfLastReport() const { return locationsReceived.last().at(1).value<Info>(); }
};

} // namespace

class TestPresenceHelper : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void availabilityText_data();
    void availabilityText();
    void menuOffersFourPresences();
    void configureEntryIsAddedOnce();
    void choosingAnEntryPublishesIt();
    void newTranslatorRetranslatesTheMenu();
    void soapActionLocationDecides_data();
    void soapActionLocationDecides();
    void sameAddressIsHandledOnlyAfterReconnecting();
    void xmppLocationIsRemembered_data();
    void xmppLocationIsRemembered();
    void xmppThenSoapActionCombinesBoth();
    void emptyLocationOverNothingIsNotPublished();
    void dialogAnswerIsStoredAndPublished_data();
    void dialogAnswerIsStoredAndPublished();
    void dialogDeletedElsewhereIsForgotten();
    void signInPublishesTheAutomaticLocation();
};

void TestPresenceHelper::initTestCase()
{
    QVERIFY(QResource::registerResource(QStringLiteral(TEST_THEME_RESOURCES)));
}

void TestPresenceHelper::availabilityText_data()
{
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<QString>("text");
    QTest::newRow("nothing") << QList<int>{0, 20, -1, 100} << QString();
    QTest::newRow("pending") << QList<int>{1} << "Pending";
    QTest::newRow("offline") << QList<int>{2, 3} << "Offline";
    QTest::newRow("away") << QList<int>{4, 5, 6} << "Away";
    QTest::newRow("available") << QList<int>{7, 10} << "Available";
    QTest::newRow("desk phone") << QList<int>{8} << "Deskphone";
    QTest::newRow("mobile") << QList<int>{9} << "Mobile";
    QTest::newRow("busy") << QList<int>{11, 16, 17, 18, 19} << "Busy";
    QTest::newRow("meeting") << QList<int>{12, 13} << "Meeting";
    QTest::newRow("call") << QList<int>{14, 15} << "Call";
}

void TestPresenceHelper::availabilityText()
{
    QFETCH(QList<int>, values);
    QFETCH(QString, text);
    TestSupport::Environment environment;
    Fixture fixture;
    for (int value : values)
        QCOMPARE(fixture.helper->availabilityText(value), text);
}

void TestPresenceHelper::menuOffersFourPresences()
{
    TestSupport::Environment environment;
    Fixture fixture;
    QMenu* menu = fixture.helper->property("menu").value<QMenu*>();
    QVERIFY(menu);
    QCOMPARE(menu, fixture.helper->menu());
    QVERIFY(!menu->parent());
    QCOMPARE(menu->title(), QString("Availability"));
    QStringList texts;
    QList<int> values;
    for (QAction* action : menu->actions()) {
        QVERIFY(qobject_cast<Utils::PresenceAction*>(action));
        QVERIFY(!action->icon().isNull());
        texts << action->text();
        values << action->property("data").toInt();
    }
    QCOMPARE(texts, QStringList({"Available", "Away", "Busy", "Offline"}));
    QCOMPARE(values, QList<int>({10, 5, 17, 2}));
    QVERIFY(environment.logs().contains("Construct"));
    fixture.helper.reset();
    QVERIFY(environment.logs().contains("Destruct."));
}

void TestPresenceHelper::configureEntryIsAddedOnce()
{
    TestSupport::Environment environment;
    Fixture fixture;
    QSignalSpy configure(fixture.helper.get(), &Utils::PresenceHelper::configureActionTriggered);
    fixture.helper->addConfigureAction();
    fixture.helper->addConfigureAction();
    QMenu* menu = fixture.helper->menu();
    QList<QAction*> configureActions;
    for (QAction* action : menu->actions()) {
        if (action->text() == QLatin1String("Configure"))
            configureActions << action;
    }
    QCOMPARE(configureActions.size(), 1);
    QCOMPARE(menu->actions().last(), configureActions.first());

    configureActions.first()->trigger();
    QCOMPARE(configure.count(), 1);
    // Configure is no presence: nothing was asked of the service.
    QVERIFY(!environment.logs().contains("own presence"));
}

void TestPresenceHelper::choosingAnEntryPublishesIt()
{
    TestSupport::Environment environment;
    Kivo::Simulation::Service& service = Kivo::Simulation::Service::shared();
    service.loadDemoAccount();
    service.setLatency(0);
    QSignalSpy signedIn(&service, &Kivo::Simulation::Service::signedIn);
    service.signIn(QStringLiteral("alice@demo.telvarion.net"), QStringLiteral("Demo-1234"));
    QVERIFY(signedIn.wait());

    Fixture fixture;
    QSignalSpy changed(&fixture.presence, &Kivo::Presence::PresenceData::presenceChanged);
    fixture.helper->menu()->actions().at(2)->trigger();
    QVERIFY(changed.wait());
    QCOMPARE(fixture.presence.internalPresence(), 17);

    QSignalSpy signedOut(&service, &Kivo::Simulation::Service::signedOut);
    service.signOut();
    QVERIFY(signedOut.wait());
}

void TestPresenceHelper::newTranslatorRetranslatesTheMenu()
{
    TestSupport::Environment environment;
    Fixture fixture;
    fixture.helper->addConfigureAction();
    CapitalsTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QMenu* menu = fixture.helper->menu();
    QTRY_COMPARE(menu->title(), QString("AVAILABILITY"));
    QStringList texts;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator())
            texts << action->text();
    }
    QCOMPARE(texts, QStringList({"AVAILABLE", "AWAY", "BUSY", "OFFLINE", "CONFIGURE"}));
    QCOMPARE(fixture.helper->availabilityText(12), QString("MEETING"));
    QCoreApplication::removeTranslator(&translator);
    QTRY_COMPARE(menu->title(), QString("Availability"));
}

void TestPresenceHelper::soapActionLocationDecides_data()
{
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<bool>("dialogShown");
    QTest::addColumn<bool>("published");
    QTest::addColumn<Info>("location");
    QTest::addColumn<QString>("storedAddress");

    const Info automatic = located("198.51.100.23");
    QTest::newRow("first run publishes silently") << QVariantMap() << false << true << automatic << "198.51.100.23";
    QTest::newRow("new address, accepted, ask") << QVariantMap{{Key::LocationPublishAccepted, true},
                                                              {Key::LocationPublishLastReceivedIpAddress, "203.0.113.9"}}
                                                << true << false << Info() << "203.0.113.9";
    QTest::newRow("new address, accepted, never ask")
        << QVariantMap{{Key::LocationPublishAccepted, true}, {Key::LocationPublishDontAskAgain, true}}
        << false << true << automatic << "198.51.100.23";
    QTest::newRow("known address, accepted, ask")
        << QVariantMap{{Key::LocationPublishAccepted, true}, {Key::LocationPublishLastReceivedIpAddress, "198.51.100.23"}}
        << false << true << automatic << "198.51.100.23";
    QTest::newRow("refused withdraws") << QVariantMap{{Key::LocationPublishAccepted, false}} << false << true << Info()
                                       << QString();
    QTest::newRow("given by hand") << QVariantMap{{Key::LocationPublishManuallyPublished, true},
                                                  {Key::LocationPublishLastManualLocation, "Home office"},
                                                  {Key::LocationPublishLastTimezone, "+01:00"}}
                                   << false << true << published("Home office", "+01:00") << "198.51.100.23";
}

void TestPresenceHelper::soapActionLocationDecides()
{
    QFETCH(QVariantMap, stored);
    QFETCH(bool, dialogShown);
    QFETCH(bool, published);
    QFETCH(Info, location);
    QFETCH(QString, storedAddress);
    TestSupport::Environment environment;
    writeUserSettings(stored);
    Fixture fixture;

    fixture.soapAction(located("198.51.100.23"));

    QCOMPARE(locationDialog()->isVisible(), dialogShown);
    QCOMPARE(fixture.ownLocationChanged.count(), published ? 1 : 0);
    QCOMPARE(fixture.presence.getLocationInfo(), location);
    QCOMPARE(fixture.presence.getLocationInfo().ipAddress, location.ipAddress);
    QCOMPARE(userSetting(Key::LocationPublishLastReceivedIpAddress).toString(), storedAddress);
    QCOMPARE(fixture.locationsReceived.count(), 1);
    QCOMPARE(fixture.locationsReceived.last().at(0).value<Info>(), located("198.51.100.23"));
}

void TestPresenceHelper::sameAddressIsHandledOnlyAfterReconnecting()
{
    TestSupport::Environment environment;
    Fixture fixture;
    fixture.soapAction(located("198.51.100.23"));
    QCOMPARE(fixture.locationsReceived.count(), 1);

    fixture.soapAction(located("198.51.100.23", "Espoo"));
    QCOMPARE(fixture.locationsReceived.count(), 1);
    QVERIFY(environment.logs().contains("We already had SOAP Action location data."));

    fixture.helper->sessionReconnectionStateChanged(nullptr, false);
    fixture.soapAction(located("198.51.100.23", "Espoo"));
    QCOMPARE(fixture.locationsReceived.count(), 1);

    fixture.helper->sessionReconnectionStateChanged(nullptr, true);
    QVERIFY(environment.logs().contains("Reconnecting."));
    fixture.soapAction(located("198.51.100.23", "Espoo"));
    QCOMPARE(fixture.locationsReceived.count(), 2);
    QCOMPARE(environment.logs().count("Handle initial location data."), 2);
    QCOMPARE(fixture.presence.getLocationInfo().city, QString("Espoo"));

    // A new address is handled whatever the reconnection state says.
    fixture.soapAction(located("192.0.2.77", "Tampere"));
    QCOMPARE(fixture.locationsReceived.count(), 3);
    QVERIFY(environment.logs().contains("Handle new ip address location data."));
    QCOMPARE(fixture.presence.getLocationInfo().city, QString("Tampere"));
    QCOMPARE(userSetting(Key::LocationPublishLastReceivedIpAddress).toString(), QString("192.0.2.77"));
}

void TestPresenceHelper::xmppLocationIsRemembered_data()
{
    QTest::addColumn<Info>("record");
    QTest::addColumn<bool>("manual");
    QTest::addColumn<QString>("manualLocation");
    QTest::addColumn<QString>("timeZone");

    QTest::newRow("given by hand") << published("Office", "+03:00") << true << "Office" << "+03:00";
    QTest::newRow("no time zone") << published("Office", "-") << true << "Office" << "";
    QTest::newRow("automatic") << published(QString(), "+02:00", "Espoo") << false << "Old place" << "+05:00";
    QTest::newRow("nothing") << Info() << true << "" << "";
}

void TestPresenceHelper::xmppLocationIsRemembered()
{
    QFETCH(Info, record);
    QFETCH(bool, manual);
    QFETCH(QString, manualLocation);
    QFETCH(QString, timeZone);
    TestSupport::Environment environment;
    writeUserSettings({{Key::LocationPublishLastManualLocation, "Old place"}, {Key::LocationPublishLastTimezone, "+05:00"}});
    Fixture fixture;

    fixture.xmpp(record);

    QCOMPARE(userSetting(Key::LocationPublishManuallyPublished).toBool(), manual);
    QCOMPARE(userSetting(Key::LocationPublishLastManualLocation).toString(), manualLocation);
    QCOMPARE(userSetting(Key::LocationPublishLastTimezone).toString(), timeZone);
    // Without a SOAP-action location nothing is decided yet.
    QCOMPARE(fixture.locationsReceived.count(), 0);
    QCOMPARE(fixture.ownLocationChanged.count(), 0);
}

void TestPresenceHelper::xmppThenSoapActionCombinesBoth()
{
    TestSupport::Environment environment;
    writeUserSettings({{Key::LocationPublishLastReceivedIpAddress, "198.51.100.23"}});
    Fixture fixture;
    fixture.xmpp(published("Office", "+03:00"));
    fixture.xmpp(published("Lab", "+03:00"));
    QVERIFY(environment.logs().contains("We already had XMPP location data."));

    fixture.soapAction(located("198.51.100.23"));
    QVERIFY(environment.logs().contains("Combine SOAP Action and XMPP location."));
    QCOMPARE(fixture.manualOfLastReport().manualLocation, QString("Lab"));
    QCOMPARE(fixture.presence.getLocationInfo(), published("Lab", "+03:00"));

    // A later XMPP location does not decide again once the initial location was handled.
    fixture.xmpp(published("Garden", QString()));
    QCOMPARE(fixture.locationsReceived.count(), 1);
    QCOMPARE(fixture.ownLocationChanged.count(), 1);
}

void TestPresenceHelper::emptyLocationOverNothingIsNotPublished()
{
    TestSupport::Environment environment;
    Fixture fixture;
    Info nowhere;
    nowhere.ipAddress = QStringLiteral("198.51.100.23");
    fixture.soapAction(nowhere);
    QCOMPARE(fixture.ownLocationChanged.count(), 0);
    QVERIFY(!environment.logs().contains("Can be used for own location."));
    QVERIFY(environment.logs().contains("Setting location."));
}

void TestPresenceHelper::dialogAnswerIsStoredAndPublished_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("alwaysAsk");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<Info>("location");

    QTest::newRow("publish") << "setLocationButton" << true << true << located("198.51.100.23");
    QTest::newRow("publish, never ask") << "setLocationButton" << false << true << located("198.51.100.23");
    QTest::newRow("no location") << "clearLocationButton" << true << false << Info();
}

void TestPresenceHelper::dialogAnswerIsStoredAndPublished()
{
    QFETCH(QString, button);
    QFETCH(bool, alwaysAsk);
    QFETCH(bool, accepted);
    QFETCH(Info, location);
    TestSupport::Environment environment;
    writeUserSettings({{Key::LocationPublishAccepted, true}, {Key::LocationPublishLastReceivedIpAddress, "203.0.113.9"}});
    Fixture fixture;
    fixture.soapAction(located("198.51.100.23"));
    Dialogs::LocationPublish* dialog = locationDialog();
    QVERIFY(dialog->isVisible());
    QCOMPARE(fixture.ownLocationChanged.count(), 0);

    dialog->findChild<QCheckBox*>("alwaysAskCheckbox")->setChecked(alwaysAsk);
    dialog->findChild<QPushButton*>(button)->click();

    QVERIFY(!dialog->isVisible());
    QCOMPARE(userSetting(Key::LocationPublishAccepted).toBool(), accepted);
    QCOMPARE(userSetting(Key::LocationPublishDontAskAgain).toBool(), !alwaysAsk);
    // Refusing is forced through even though nothing was published before.
    QCOMPARE(fixture.ownLocationChanged.count(), 1);
    QCOMPARE(fixture.presence.getLocationInfo(), location);
}

void TestPresenceHelper::dialogDeletedElsewhereIsForgotten()
{
    TestSupport::Environment environment;
    Fixture fixture;
    QPointer<Dialogs::LocationPublish> dialog = locationDialog();
    QVERIFY(dialog);
    delete dialog.data();
    fixture.helper->showLocationPublish();
    fixture.helper->setAlwaysOnTop(true);
    QVERIFY(!locationDialog());
    fixture.helper.reset();
}

void TestPresenceHelper::signInPublishesTheAutomaticLocation()
{
    TestSupport::Environment environment;
    Kivo::Simulation::Service& service = Kivo::Simulation::Service::shared();
    service.loadDemoAccount();
    service.setLatency(1);
    QAction signOut;
    QAction exit;
    Kivo::Client client(&signOut, &exit, QString());
    std::unique_ptr<Utils::PresenceHelper> helper;
    // Wired as the program wires a newly opened session.
    connect(&client, &Kivo::Client::sessionOpened, this, [&](Kivo::Sessions::SessionManagerBase& session) {
        helper = std::make_unique<Utils::PresenceHelper>(session.contactsManager()->getContact(0)->getPresence(), nullptr);
        QObject::connect(session.locationSource(), SIGNAL(soapActionLocationReceived(const Kivo::Utils::Location::Info&)),
                         helper.get(), SLOT(cbSoapActionLocationReceived(const Kivo::Utils::Location::Info&)));
        QObject::connect(session.locationSource(), SIGNAL(pubsubLocationReceived(const Kivo::Utils::Location::Info&)),
                         helper.get(), SLOT(cbXmppLocationReceived(const Kivo::Utils::Location::Info&)));
        QObject::connect(helper.get(), SIGNAL(ownLocationChanged()), session.locationPublisher(),
                         SLOT(ownLocationChanged()));
    });
    QSignalSpy published(&service, &Kivo::Simulation::Service::ownLocationChanged);
    Kivo::Utils::Credentials::UserCredentials credentials(QStringLiteral("alice@demo.telvarion.net"));
    Kivo::Utils::Credentials::CredentialsData data;
    data.setPassword(QStringLiteral("Demo-1234"));
    credentials.setData(Kivo::Utils::Credentials::CredentialsManager::Basic, data);
    QVERIFY(client.signin(credentials, nullptr, QString(), true));

    QVERIFY(published.wait());
    const Info location = published.last().at(0).value<Info>();
    QCOMPARE(location.city, QString("Helsinki"));
    QCOMPARE(location.ipAddress, QString("198.51.100.23"));
    QTRY_COMPARE(userSetting(Key::LocationPublishManuallyPublished).toBool(), false);
    QCOMPARE(userSetting(Key::LocationPublishLastReceivedIpAddress).toString(), QString("198.51.100.23"));
    QVERIFY(!locationDialog()->isVisible());

    QSignalSpy signedOut(&service, &Kivo::Simulation::Service::signedOut);
    service.signOut();
    QVERIFY(signedOut.wait());
}

QTEST_MAIN(TestPresenceHelper)
#include "tst_presence_helper.moc"
