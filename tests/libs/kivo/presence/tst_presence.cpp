#include <Kivo/Client.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Presence/IPresenceController.h>
#include <Kivo/Presence/LocationPublisher.h>
#include <Kivo/Presence/LocationSource.h>
#include <Kivo/Presence/PresenceData.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Service.h>
#include <Kivo/Utils/Credentials/CredentialsManager.h>
#include <Kivo/Utils/Credentials/UserCredentials.h>

#include <Tesk/Core/Logging/RecordCapture.h>

#include <QAction>
#include <QImage>
#include <QTemporaryDir>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using Kivo::Sessions::SessionManagerBase;
using Kivo::Simulation::Service;
using Kivo::Utils::Location::Info;

namespace {

const QString User = QStringLiteral("alice@demo.telvarion.net");

Info place(const QString& manual, const QString& city)
{
    Info info;
    info.manualLocation = manual;
    info.city = city;
    info.timeZone = QStringLiteral("+01:00");
    return info;
}

} // namespace

class TestPresence : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void recordEquality_data();
    void recordEquality();
    void locationsArriveAfterSignInAndReconnection();
    void locationsReachWhatTheOpenedSessionWires();
    void injectedLocationsNeedASession();
    void malformedAccountLocationsAreLeftOut();
    void publisherSendsTheOwnLocation();
    void offlineModeFollowsTheOwnPresence();
    void contactPresenceFollowsTheService();
    void ownPresenceIsPublishedOnlyWhenNew();
    void localTimeOfTheTimeZone_data();
    void localTimeOfTheTimeZone();
    void ownPictureIsCutToASquareAndUnreadableFilesChangeNothing();

private:
    void signIn();

    std::unique_ptr<SessionManagerBase> m_Session;
};

void TestPresence::init()
{
    Service& service = Service::shared();
    QVERIFY(service.loadDemoAccount());
    service.setLatency(0);
}

void TestPresence::cleanup()
{
    m_Session.reset();
    Service::shared().loadDemoAccount();
}

void TestPresence::signIn()
{
    Service& service = Service::shared();
    QSignalSpy signedIn(&service, &Service::signedIn);
    service.signIn(User, QStringLiteral("Demo-1234"));
    QVERIFY(signedIn.wait());
    m_Session = std::make_unique<SessionManagerBase>(User, QString(), nullptr, nullptr);
}

void TestPresence::recordEquality_data()
{
    QTest::addColumn<Info>("other");
    QTest::addColumn<bool>("equal");
    QTest::addColumn<bool>("empty");

    Info other = place("Lab", "Espoo");
    other.ipAddress = QStringLiteral("192.0.2.1");
    other.source = 3;
    other.street = QStringLiteral("Main street");
    QTest::newRow("address, numbers and street do not count") << other << true << false;
    QTest::newRow("another city") << place("Lab", "Turku") << false << false;
    Info onlyAddress;
    onlyAddress.ipAddress = QStringLiteral("192.0.2.1");
    onlyAddress.accuracy = 5;
    QTest::newRow("only an address is empty") << onlyAddress << false << true;
}

void TestPresence::recordEquality()
{
    QFETCH(Info, other);
    QFETCH(bool, equal);
    QFETCH(bool, empty);
    QCOMPARE(place("Lab", "Espoo") == other, equal);
    QCOMPARE(other.isEmpty(), empty);
    other.clear();
    QVERIFY(other.isEmpty());
    QVERIFY(other.ipAddress.isEmpty() && other.street.isEmpty());
    QCOMPARE(other.source + other.accuracy, 0);
}

void TestPresence::locationsArriveAfterSignInAndReconnection()
{
    signIn();
    Kivo::Presence::LocationSource* source = m_Session->locationSource();
    QVERIFY(source);
    QSignalSpy soapAction(source, &Kivo::Presence::LocationSource::soapActionLocationReceived);
    QSignalSpy pubsub(source, &Kivo::Presence::LocationSource::pubsubLocationReceived);

    m_Session->setState(SessionManagerBase::SignedIn);
    QTRY_COMPARE(pubsub.count(), 1);
    QCOMPARE(soapAction.count(), 1);
    const Info located = soapAction.last().at(0).value<Info>();
    QCOMPARE(located.ipAddress, QString("198.51.100.23"));
    QCOMPARE(located.city, QString("Helsinki"));
    QCOMPARE(located.timeZone, QString("+02:00"));
    QCOMPARE(pubsub.last().at(0).value<Info>().city, QString("Helsinki"));
    QVERIFY(pubsub.last().at(0).value<Info>().ipAddress.isEmpty());

    emit m_Session->reconnectionStateChanged(m_Session.get(), true);
    emit m_Session->reconnectionStateChanged(m_Session.get(), false);
    QTRY_COMPARE(pubsub.count(), 2);
    QCOMPARE(soapAction.count(), 2);
}

void TestPresence::locationsReachWhatTheOpenedSessionWires()
{
    QAction signOut;
    QAction exit;
    Kivo::Client client(&signOut, &exit, QString());
    Service::shared().setLatency(1);
    int soapActionReports = 0;
    int pubsubReports = 0;
    // Wired when the session is reported open, as the program does.
    connect(&client, &Kivo::Client::sessionOpened, this, [&](SessionManagerBase& session) {
        connect(session.locationSource(), &Kivo::Presence::LocationSource::soapActionLocationReceived, this,
                [&] { ++soapActionReports; });
        connect(session.locationSource(), &Kivo::Presence::LocationSource::pubsubLocationReceived, this,
                [&] { ++pubsubReports; });
    });
    Kivo::Utils::Credentials::UserCredentials credentials(User);
    Kivo::Utils::Credentials::CredentialsData data;
    data.setPassword(QStringLiteral("Demo-1234"));
    credentials.setData(Kivo::Utils::Credentials::CredentialsManager::Basic, data);
    QVERIFY(client.signin(credentials, nullptr, QString(), true));
    QTRY_COMPARE(pubsubReports, 1);
    QCOMPARE(soapActionReports, 1);
}

void TestPresence::injectedLocationsNeedASession()
{
    Tesk::Core::Logging::RecordCapture logs;
    Kivo::Simulation::Control control(Service::shared());
    QVERIFY(!control.injectSoapActionLocation(place(QString(), "Oulu")));
    QVERIFY(logs.contains("nobody is signed in"));

    signIn();
    QSignalSpy soapAction(m_Session->locationSource(), &Kivo::Presence::LocationSource::soapActionLocationReceived);
    QSignalSpy pubsub(m_Session->locationSource(), &Kivo::Presence::LocationSource::pubsubLocationReceived);
    QVERIFY(control.injectSoapActionLocation(place(QString(), "Oulu")));
    QVERIFY(control.injectPubsubLocation(place("Lab", QString())));
    QTRY_COMPARE(pubsub.count(), 1);
    QCOMPARE(soapAction.last().at(0).value<Info>().city, QString("Oulu"));
    QCOMPARE(pubsub.last().at(0).value<Info>().manualLocation, QString("Lab"));
}

void TestPresence::malformedAccountLocationsAreLeftOut()
{
    Tesk::Core::Logging::RecordCapture logs;
    const QByteArray accounts = R"({ "accounts": [
      { "user": "alice@demo.telvarion.net", "password": "Demo-1234", "location": 5 },
      { "user": "bob@demo.telvarion.net", "password": "x", "publishedLocation": { "city": 3 } } ] })";
    QVERIFY(Service::shared().load(accounts));
    QCOMPARE(logs.count("ignored"), 2);
    signIn();
    QSignalSpy soapAction(m_Session->locationSource(), &Kivo::Presence::LocationSource::soapActionLocationReceived);
    Service::shared().requestLocations();
    QVERIFY(soapAction.wait());
    QVERIFY(soapAction.last().at(0).value<Info>().isEmpty());
    QVERIFY(soapAction.last().at(0).value<Info>().ipAddress.isEmpty());
}

void TestPresence::publisherSendsTheOwnLocation()
{
    signIn();
    Service& service = Service::shared();
    Kivo::Presence::PresenceData* own = m_Session->contactsManager()->getContact(0)->getPresence();
    QVERIFY(own);
    QSignalSpy published(&service, &Service::ownLocationChanged);

    own->setLocation(place("Lab", "Espoo"));
    QCOMPARE(own->getLocationInfo(), place("Lab", "Espoo"));
    QCOMPARE(published.count(), 0);

    Kivo::Presence::LocationPublisher* publisher = m_Session->locationPublisher();
    publisher->ownLocationChanged();
    QVERIFY(published.wait());
    QCOMPARE(service.ownLocation(), place("Lab", "Espoo"));

    // The next sign-in's pubsub report carries what was published.
    QSignalSpy pubsub(m_Session->locationSource(), &Kivo::Presence::LocationSource::pubsubLocationReceived);
    service.requestLocations();
    QVERIFY(pubsub.wait());
    QCOMPARE(pubsub.last().at(0).value<Info>(), place("Lab", "Espoo"));

    Tesk::Core::Logging::RecordCapture logs;
    publisher->uninitialize();
    QVERIFY(!publisher->isInitialized());
    own->setLocation(Info());
    publisher->ownLocationChanged();
    QVERIFY(logs.contains("Own location not published"));
    QCoreApplication::processEvents();
    QCOMPARE(published.count(), 1);
}

void TestPresence::offlineModeFollowsTheOwnPresence()
{
    signIn();
    Kivo::Controllers::IPresenceController* controller = m_Session->presenceController();
    QVERIFY(controller);
    QVERIFY(!controller->getOfflineMode());
    QSignalSpy offline(controller, &Kivo::Controllers::IPresenceController::offlineModeChanged);

    Service::shared().setOwnPresence(2);
    QVERIFY(offline.wait());
    QVERIFY(controller->getOfflineMode());
    Service::shared().setOwnPresence(3);
    Service::shared().setOwnPresence(10);
    QVERIFY(offline.wait());
    QCOMPARE(offline.count(), 2);
    QVERIFY(!controller->getOfflineMode());
}

void TestPresence::contactPresenceFollowsTheService()
{
    signIn();
    Kivo::Presence::PresenceData chiara(2);
    Kivo::Presence::PresenceData bob(1);
    QCOMPARE(chiara.internalPresence(), 12);
    QCOMPARE(chiara.statusText(), QString("Design review"));
    QSignalSpy chiaraChanged(&chiara, &Kivo::Presence::PresenceData::presenceChanged);
    QSignalSpy bobChanged(&bob, &Kivo::Presence::PresenceData::presenceChanged);

    Kivo::Simulation::Control control(Service::shared());
    QVERIFY(control.injectPresenceChange(2, 7, QStringLiteral("Back")));
    QVERIFY(chiaraChanged.wait());
    QCOMPARE(chiara.internalPresence(), 7);
    QCOMPARE(chiara.statusText(), QString("Back"));
    QCOMPARE(bobChanged.count(), 0);

    // What the contact publishes with the presence: the place (here typed by hand) and the
    // picture.
    QCOMPARE(chiara.locationText(), QString("Milan office"));
    QVERIFY(chiara.avatarUrl().startsWith("data:image/png;base64,"));
    QVERIFY(chiara.devices().isEmpty());
    QCOMPARE(bob.devices().size(), 2);
    QCOMPARE(bob.devices().at(1).toMap().value("statusText").toString(), QString("On the road"));

    // A contact's presence is the service's to change, not the program's.
    Tesk::Core::Logging::RecordCapture logs;
    const Kivo::Utils::Location::Info published = chiara.getLocationInfo();
    chiara.publishInternalPresence(17);
    chiara.setLocation(place("Lab", "Espoo"));
    QVERIFY(logs.contains("cannot be published"));
    QVERIFY(chiara.getLocationInfo() == published);
}

void TestPresence::localTimeOfTheTimeZone_data()
{
    // The zone as the location dialog publishes it (an offset) or by its name; the expected
    // offset in minutes, or none for no time.
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QVariant>("offsetMinutes");
    QTest::newRow("ahead") << "+02:00" << QVariant(120);
    QTest::newRow("behind, half hours") << "-05:30" << QVariant(-330);
    QTest::newRow("zone name") << "UTC" << QVariant(0);
    QTest::newRow("no zone") << "" << QVariant();
    QTest::newRow("offset out of range") << "+25:00" << QVariant();
    QTest::newRow("garbage") << "two hours ahead" << QVariant();
}

void TestPresence::localTimeOfTheTimeZone()
{
    QFETCH(QString, zone);
    QFETCH(QVariant, offsetMinutes);
    signIn();
    Kivo::Presence::PresenceData own(0);
    Kivo::Utils::Location::Info location;
    location.timeZone = zone;
    own.setLocation(location);
    const QString shown = own.localTime();
    if (!offsetMinutes.isValid()) {
        QCOMPARE(shown, QString());
        return;
    }
    // The minute may turn between the two readings.
    const QDateTime now = QDateTime::currentDateTimeUtc().toOffsetFromUtc(offsetMinutes.toInt() * 60);
    QVERIFY2(shown == now.toString("HH:mm") || shown == now.addSecs(-60).toString("HH:mm"), qPrintable(shown));
}

void TestPresence::ownPresenceIsPublishedOnlyWhenNew()
{
    signIn();
    Service& service = Service::shared();
    Kivo::Presence::PresenceData own(0);
    QCOMPARE(own.internalPresence(), 7);
    QSignalSpy serviceChanged(&service, &Service::ownPresenceChanged);

    own.publishInternalPresence(7);
    QCoreApplication::processEvents();
    QCOMPARE(serviceChanged.count(), 0);

    own.publishInternalPresence(7, true);
    QVERIFY(serviceChanged.wait());

    QSignalSpy ownChanged(&own, &Kivo::Presence::PresenceData::presenceChanged);
    own.publishInternalPresence(5);
    QVERIFY(ownChanged.wait());
    QCOMPARE(own.internalPresence(), 5);

    QSignalSpy noteChanged(&service, &Service::ownNoteChanged);
    own.setStatusText(QStringLiteral("At lunch"));
    QVERIFY(noteChanged.wait());
    QCOMPARE(own.statusText(), QString("At lunch"));
}

void TestPresence::ownPictureIsCutToASquareAndUnreadableFilesChangeNothing()
{
    signIn();
    QTemporaryDir folder;
    QImage wide(300, 150, QImage::Format_RGB32);
    wide.fill(Qt::red);
    const QString picture = folder.filePath("wide.png");
    QVERIFY(wide.save(picture));
    const QString garbage = folder.filePath("garbage.png");
    QFile file(garbage);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\x89PNG not really");
    file.close();

    Kivo::Presence::PresenceData own(0);
    QVERIFY(own.avatarUrl().isEmpty());
    QSignalSpy changed(&own, &Kivo::Presence::PresenceData::avatarChanged);
    own.setAvatarPath(picture);
    QVERIFY(changed.wait());
    const QString url = own.avatarUrl();
    QVERIFY(url.startsWith("data:image/png;base64,"));
    const QImage shown = QImage::fromData(QByteArray::fromBase64(url.mid(url.indexOf(',') + 1).toLatin1()), "PNG");
    QCOMPARE(shown.size(), QSize(Kivo::Presence::PresenceData::AvatarSize, Kivo::Presence::PresenceData::AvatarSize));

    // A file that is no image, and one that is gone, are logged and leave the picture as it is.
    Tesk::Core::Logging::RecordCapture logs;
    own.setAvatarPath(garbage);
    own.setAvatarPath(folder.filePath("gone.png"));
    QTest::qWait(50);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(own.avatarUrl(), url);
    QCOMPARE(logs.count("could not be read"), 2);

    // Another object of the user's presence sees the picture; clearing removes it for both.
    Kivo::Presence::PresenceData again(0);
    QCOMPARE(again.avatarUrl(), url);
    own.setAvatarPath(QString());
    QVERIFY(changed.wait());
    QVERIFY(own.avatarUrl().isEmpty());
    QVERIFY(again.avatarUrl().isEmpty());
}

QTEST_MAIN(TestPresence)
#include "tst_presence.moc"
