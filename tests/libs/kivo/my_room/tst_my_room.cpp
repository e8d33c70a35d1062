// The engine's My Room: room details on contacts, vCards that publish a room, guest links,
// and the addresses and numbers that invitations are made of.
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/MyRoom/Controller.h>
#include <Kivo/Services/Xmpp/XmppContactDataService.h>
#include <Kivo/Services/Xmpp/XmppGuestHandler.h>
#include <Kivo/Services/Xmpp/XmppJidValidator.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Simulation/Service.h>
#include <Kivo/Utils/PhoneNumberParser.h>
#include <Kivo/Utils/SipUriParser.h>

#include "my_room_accounts.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

using Kivo::Services::Xmpp::XmppJidValidator;
using Kivo::Simulation::Service;
namespace Properties = Kivo::Contacts::Properties;

namespace {

// A user signed in on the shared service, with a session whose connections are down.
struct SignedIn
{
    explicit SignedIn(const QString& user)
    {
        Service& service = Service::shared();
        service.setLatency(1);
        QVERIFY(service.load(MyRoomAccounts));
        QSignalSpy signedIn(&service, &Service::signedIn);
        service.signIn(user, QStringLiteral("pw"));
        QVERIFY(signedIn.wait());
        session = std::make_unique<Kivo::Sessions::SessionManagerBase>(user, QString(), nullptr, nullptr);
        session->contactsManager()->attach(service);
    }
    ~SignedIn()
    {
        session.reset();
        Service::shared().loadDemoAccount();
    }
    std::unique_ptr<Kivo::Sessions::SessionManagerBase> session;
};

} // namespace

class MyRoomEngineTest : public QObject
{
    Q_OBJECT

private slots:
    void ownerSeesTheWholeRoomOthersItsChat();
    void vCardCarriesTheRoomChat();
    void guestLinkIsMadeAndReset();
    void roomAddresses_data();
    void roomAddresses();
    void dialledNumbers_data();
    void dialledNumbers();
};

void MyRoomEngineTest::ownerSeesTheWholeRoomOthersItsChat()
{
    SignedIn alice(QStringLiteral("alice@rooms.example"));
    const Kivo::Contacts::Contacts* contacts = alice.session->contactsManager().data();
    const Kivo::Contacts::IContact* own = contacts->getContact(0);
    QCOMPARE(own->getProperty(Properties::MyRoomDialIn).toString(), QString("+15550190"));
    QCOMPARE(own->getProperty(Properties::MyRoomConferenceId).toString(), QString("4711"));
    QCOMPARE(own->getProperty(Properties::MyRoomModeratorPin).toString(), QString("34"));
    QCOMPARE(own->getProperty(Properties::MyRoomChat).toString(), QString("alice@myroom.rooms.example"));
    const Kivo::Contacts::IContact* bob = contacts->findByAddress(QStringLiteral("bob@rooms.example"));
    QCOMPARE(bob->getProperty(Properties::MyRoomChat).toString(), QString("lobby@conference.rooms.example"));
    QVERIFY(!bob->properties().contains(Properties::MyRoomConferenceId));

    const Kivo::MyRoom::Controller* room = alice.session->myroomController();
    QVERIFY(room->isMyRoomChat(QStringLiteral("Alice@MyRoom.rooms.example")));
    QVERIFY(!room->isMyRoomChat(QStringLiteral("lobby@conference.rooms.example")));
    QVERIFY(!room->isMyRoomChat(QStringLiteral("carol@myroom.rooms.example")));
    QVERIFY(!room->isMyRoomChat(QString()));
}

void MyRoomEngineTest::vCardCarriesTheRoomChat()
{
    SignedIn alice(QStringLiteral("alice@rooms.example"));
    Kivo::Sessions::XmppSession* xmpp = alice.session->xmppSubSession();
    QVERIFY(!xmpp->getXmppContactDataService());
    xmpp->start();
    Kivo::Services::Xmpp::XmppContactDataService* vCards = xmpp->getXmppContactDataService();
    QVERIFY(vCards);
    // The spy keeps copies, as a queued connection does.
    QSignalSpy received(vCards, &Kivo::Services::Xmpp::XmppContactDataService::vCardReceived);
    QSignalSpy asked(&Service::shared(), &Service::vCardReady);

    QVERIFY(vCards->requestVCard(QStringLiteral("Alice@rooms.example"), false));
    QVERIFY(vCards->requestVCard(QStringLiteral("carol@rooms.example"), false));
    QTRY_COMPARE(received.count(), 2);
    const auto confChat = [&received](int index) {
        const QXmppVCardIq vcard = received.at(index).at(1).value<QXmppVCardIq>();
        return QString::fromUtf8(QByteArray::fromBase64(Kivo::Services::Xmpp::vCardConfChat(vcard).toUtf8()));
    };
    QCOMPARE(received.at(0).at(0).toString(), QString("alice@rooms.example"));
    QCOMPARE(received.at(0).at(1).value<QXmppVCardIq>().fullName(), QString("Alice Carter"));
    QCOMPARE(confChat(0), QString("alice@myroom.rooms.example"));
    QCOMPARE(confChat(1), QString());

    // Asked again: from what arrived, unless a refresh is asked for.
    QVERIFY(vCards->requestVCard(QStringLiteral("alice@rooms.example"), false));
    QTRY_COMPARE(received.count(), 3);
    QCOMPARE(confChat(2), QString("alice@myroom.rooms.example"));
    QCOMPARE(asked.count(), 2);
    QVERIFY(vCards->requestVCard(QStringLiteral("alice@rooms.example"), true));
    QTRY_COMPARE(asked.count(), 3);
    QVERIFY(!vCards->requestVCard(QStringLiteral("not an address"), true));
}

void MyRoomEngineTest::guestLinkIsMadeAndReset()
{
    {
        SignedIn bob(QStringLiteral("bob@rooms.example"));
        QVERIFY(!bob.session->guestHandler());
    }
    SignedIn alice(QStringLiteral("alice@rooms.example"));
    Kivo::Services::Xmpp::XmppGuestHandler* guests = alice.session->guestHandler();
    QVERIFY(guests);
    QSignalSpy enabled(guests, &Kivo::Services::Xmpp::XmppGuestHandler::enableFeatureActions);
    QSignalSpy links(guests, &Kivo::Services::Xmpp::XmppGuestHandler::invitationGenerated);
    QVERIFY(!guests->isFeatureEnabled());
    alice.session->xmppSubSession()->start();
    QCOMPARE(enabled.count(), 1);
    QVERIFY(guests->isFeatureEnabled());

    Kivo::MyRoom::Controller* room = alice.session->myroomController();
    room->copyInvitation();
    room->copyInvitation();
    room->resetInvitation();
    QTRY_COMPARE(links.count(), 3);
    const QString first = QStringLiteral("https://rooms.example/guest/4711-1");
    QCOMPARE(links.at(0), QVariantList({"alice@myroom.rooms.example", first}));
    QCOMPARE(links.at(1).at(1).toString(), first);
    QCOMPARE(links.at(2).at(1).toString(), QString("https://rooms.example/guest/4711-2"));

    // Signed out, the request is still answered, with no link.
    QSignalSpy signedOut(&Service::shared(), &Service::signedOut);
    Service::shared().signOut();
    QVERIFY(signedOut.wait());
    room->copyInvitation();
    QTRY_COMPARE(links.count(), 4);
    QCOMPARE(links.at(3).at(1).toString(), QString());
}

void MyRoomEngineTest::roomAddresses_data()
{
    QTest::addColumn<QString>("room");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("part");
    QTest::newRow("My Room") << " bob@myroom.rooms.example " << int(XmppJidValidator::MyRoom) << "bob@rooms.example";
    QTest::newRow("chat room as a My Room") << "team@conference.rooms.example" << int(XmppJidValidator::MyRoom)
                                            << QString();
    QTest::newRow("chat room") << "team@conference.rooms.example" << int(XmppJidValidator::ChatRoom) << "team";
    QTest::newRow("bare My Room domain") << "bob@myroom." << int(XmppJidValidator::MyRoom) << QString();
    QTest::newRow("two @") << "a@b@myroom.rooms.example" << int(XmppJidValidator::MyRoom) << QString();
    QTest::newRow("no name") << "@myroom.rooms.example" << int(XmppJidValidator::MyRoom) << QString();
}

void MyRoomEngineTest::roomAddresses()
{
    QFETCH(QString, room);
    QFETCH(int, type);
    QFETCH(QString, part);
    QCOMPARE(XmppJidValidator::getRoomJidPart(room, XmppJidValidator::RoomType(type)), part);
}

void MyRoomEngineTest::dialledNumbers_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("normalized");
    QTest::addColumn<QString>("uri");
    QTest::newRow("written for people") << " +1 (555) 010-99 " << "+155501099" << "sip:+155501099@rooms.example";
    QTest::newRow("keys and a late plus") << "*72+1#" << "*721#" << "sip:*721#@rooms.example";
    QTest::newRow("nothing to dial") << "( - )" << QString() << QString();
    QTest::newRow("a lone plus") << "+" << QString() << QString();
}

void MyRoomEngineTest::dialledNumbers()
{
    QFETCH(QString, number);
    QFETCH(QString, normalized);
    QFETCH(QString, uri);
    QCOMPARE(Kivo::Utils::PhoneNumberParser::normalizePhoneNumber(number), normalized);
    QCOMPARE(Kivo::Utils::SipUriParser::parseUriTp(normalized, QStringLiteral("rooms.example")), uri);
    QCOMPARE(Kivo::Utils::SipUriParser::parseUriTp(QStringLiteral("bob@rooms.example"), QStringLiteral("x")),
             QString("sip:bob@rooms.example"));
    QCOMPARE(Kivo::Utils::SipUriParser::parseUriTp(QStringLiteral("TEL:+1555"), QStringLiteral("x")),
             QString("TEL:+1555"));
}

QTEST_MAIN(MyRoomEngineTest)
#include "tst_my_room.moc"
