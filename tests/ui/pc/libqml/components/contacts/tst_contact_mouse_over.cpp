#include "libqml/components/contactmouseover/contact_mouse_over.h"

#include "../../qml_test_setup.h"
#include "../../scene_items.h"
#include "Providers/factory.h"
#include "support/signed_in_session.h"
#include "support/test_environment.h"
#include "Utils/presence_helper.h"

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Contacts/IContact.h>

#include <QQuickItem>
#include <QtTest>

using Kivo::Contacts::IContact;
using QML::ContactMouseOver;

namespace {

QString sceneText(const ContactMouseOver& card, const char* name)
{
    const QQuickItem* item = SceneItems::named(card.rootObject(), QLatin1String(name));
    return item && item->isVisible() ? item->property("text").toString() : QString();
}

} // namespace

class ContactMouseOverTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cardStaysOnTheScreen_data();
    void cardStaysOnTheScreen();
    void cardShowsOnlyForTheActiveOwnerAndHidesWhenItIsLeft();
    void nameAndChatRoleAsShown_data();
    void nameAndChatRoleAsShown();
    void withoutFactoryNothingLoads();
    void presenceOfTheContactAsPublished();

private:
    std::unique_ptr<TestSupport::Environment> m_Environment;
    std::unique_ptr<Kivo::Contacts::Contacts> m_Contacts;
    std::unique_ptr<Providers::Factory> m_Factory;
    std::unique_ptr<ContactMouseOver> m_Card;
};

void ContactMouseOverTest::initTestCase()
{
    QmlTestSetup::prepare();
}

void ContactMouseOverTest::init()
{
    m_Environment = std::make_unique<TestSupport::Environment>();
    m_Contacts = std::make_unique<Kivo::Contacts::Contacts>();
    m_Factory = std::make_unique<Providers::Factory>(nullptr, m_Contacts.get(), nullptr, nullptr);
    m_Card = std::make_unique<ContactMouseOver>(m_Factory.get());
    QVERIFY(m_Card->activate());
    QVERIFY(m_Card->errors().isEmpty());
}

void ContactMouseOverTest::cleanup()
{
    m_Card.reset();
    m_Factory.reset();
    m_Contacts.reset();
    m_Environment.reset();
}

void ContactMouseOverTest::cardStaysOnTheScreen_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<QPoint>("position");

    const QRect screen(0, 0, 1000, 800);
    QTest::newRow("room everywhere") << screen << QPoint(100, 100) << QPoint(105, 100);
    QTest::newRow("right edge: left of the cursor") << screen << QPoint(900, 100) << QPoint(695, 100);
    QTest::newRow("bottom edge: above the cursor") << screen << QPoint(100, 780) << QPoint(105, 700);
    QTest::newRow("bottom right corner") << screen << QPoint(900, 780) << QPoint(695, 700);
    QTest::newRow("no side has room: below, at the left edge")
        << QRect(0, 0, 300, 800) << QPoint(150, 100) << QPoint(5, 105);
    QTest::newRow("no side has room at the bottom: above, at the left edge")
        << QRect(0, 0, 300, 800) << QPoint(150, 790) << QPoint(5, 705);
    QTest::newRow("second screen: edges of its own area")
        << QRect(1000, 50, 1000, 800) << QPoint(1950, 100) << QPoint(1745, 100);
}

void ContactMouseOverTest::cardStaysOnTheScreen()
{
    QFETCH(QRect, available);
    QFETCH(QPoint, cursor);
    QFETCH(QPoint, position);
    QCOMPARE(ContactMouseOver::placement(QSize(200, 80), cursor, available), position);
}

void ContactMouseOverTest::cardShowsOnlyForTheActiveOwnerAndHidesWhenItIsLeft()
{
    IContact bob(1, "Bob Lind");
    QWidget owner;
    QWidget other;
    owner.resize(300, 300);
    other.resize(300, 300);
    other.show();
    owner.show();
    m_Card->setOwner(&owner);

    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    m_Card->showItem(QVariant::fromValue<QObject*>(&bob), QPoint(50, 50), false);
    QVERIFY(!m_Card->isVisible());

    owner.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&owner));
    m_Card->showItem(QVariant::fromValue<QObject*>(&bob), QPoint(50, 50), false);
    QVERIFY(m_Card->isVisible());
    QCOMPARE(m_Card->contact(), &bob);
    QCOMPARE(m_Card->pos(), QPoint(55, 50));
    QCOMPARE(sceneText(*m_Card, "nameText"), QString("Bob Lind"));
    QVERIFY(m_Card->width() >= 200);

    // Another window takes over: the card goes with the owner's activation.
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QTRY_VERIFY(!m_Card->isVisible());
}

void ContactMouseOverTest::nameAndChatRoleAsShown_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("affiliation");
    QTest::addColumn<QString>("shownName");
    QTest::addColumn<QString>("role");

    const QString long151 = QString(150, 'a') + "b";
    QTest::newRow("150 characters and more") << long151 << 0 << QString(150, 'a') + "..." << QString();
    QTest::newRow("no name") << QString() << 1 << "Unknown" << "pending chat";
    QTest::newRow("owner") << "Bob" << 6 << "Bob" << "owner";
    QTest::newRow("admin") << "Bob" << 5 << "Bob" << "moderator";
    QTest::newRow("plain member") << "Bob" << 3 << "Bob" << QString();
}

void ContactMouseOverTest::nameAndChatRoleAsShown()
{
    QFETCH(QString, name);
    QFETCH(int, affiliation);
    QFETCH(QString, shownName);
    QFETCH(QString, role);

    IContact contact(7, name);
    m_Card->setAffiliation(affiliation);
    m_Card->showItem(QVariant::fromValue<QObject*>(&contact), QPoint(10, 10), false);
    QCOMPARE(sceneText(*m_Card, "nameText"), shownName);
    QCOMPARE(sceneText(*m_Card, "affiliationText"), role);
}

void ContactMouseOverTest::withoutFactoryNothingLoads()
{
    ContactMouseOver card(nullptr);
    QVERIFY(!card.activate());
    QVERIFY(!card.rootObject());
}

void ContactMouseOverTest::presenceOfTheContactAsPublished()
{
    // Bob publishes where he is and the two devices he is signed in with.
    const QByteArray accounts = R"({ "accounts": [
          { "user": "alice@test.example", "password": "a", "displayName": "Alice Carter", "presence": 7,
            "contacts": [
              { "id": 1, "name": "Bob Lind", "address": "bob@test.example", "group": "Team", "presence": 7,
                "note": "Lunch",
                "location": { "city": "Oslo", "country": "NORWAY", "timeZone": "-01:30" },
                "devices": [ { "resource": "desktop", "presence": 7, "note": "" },
                             { "resource": "mobile", "presence": 4, "note": "On the road" } ] } ] } ] })";
    SignedInSession signedIn({}, accounts);
    IContact* bob = signedIn.contact(1);
    QVERIFY(bob);
    m_Card->showItem(QVariant::fromValue<QObject*>(bob), QPoint(10, 10), false);
    QCOMPARE(sceneText(*m_Card, "nameText"), QString("Bob Lind"));
    QCOMPARE(sceneText(*m_Card, "statusText"), QString("Lunch"));
    const QString localTime = QDateTime::currentDateTimeUtc().toOffsetFromUtc(-90 * 60).toString("HH:mm");
    const QString location = sceneText(*m_Card, "locationText");
    QVERIFY2(location == "Oslo, NORWAY " + localTime
                 || location == "Oslo, NORWAY " + QDateTime::currentDateTimeUtc().addSecs(-60).toOffsetFromUtc(-90 * 60).toString("HH:mm"),
             qPrintable(location));
    QCOMPARE(sceneText(*m_Card, "addressText"), QString());
    QCOMPARE(sceneText(*m_Card, "deviceLine0"), QString());

    // With Ctrl: the chat address and each device's presence.
    m_Card->showItem(QVariant::fromValue<QObject*>(bob), QPoint(10, 10), true);
    QCOMPARE(sceneText(*m_Card, "addressText"), QString("bob@test.example"));
    const Utils::PresenceHelper* presence = m_Factory->presenceHelper();
    const auto availability = [presence](int state) { return presence ? presence->availabilityText(state) : QString(); };
    QCOMPARE(sceneText(*m_Card, "deviceLine0"), QString("desktop: %1 ()").arg(availability(7)));
    QCOMPARE(sceneText(*m_Card, "deviceLine1"), QString("mobile: %1 (On the road)").arg(availability(4)));
}

QTEST_MAIN(ContactMouseOverTest)
#include "tst_contact_mouse_over.moc"
