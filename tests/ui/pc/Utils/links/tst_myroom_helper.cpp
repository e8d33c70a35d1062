// The My Room invitation, as the clipboard and the mail program receive it.
#include "Utils/myroom_helper.h"
#include "signed_in_session.h"
#include "support/test_environment.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMimeData>
#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>

namespace {

using ConfigItems = QHash<int, QVariant>;

// Every item the invitation's link can carry.
const ConfigItems AllItems = {{85, true}, {129, true}, {131, "sip,im"}, {295, true}, {296, true}};

const QString AliceGuestLink = QStringLiteral("https://links.example/guest/471120-1");

// The mail program the desktop would start.
class MailProgram : public QObject
{
    Q_OBJECT

public:
    MailProgram() { QDesktopServices::setUrlHandler(QStringLiteral("mailto"), this, "open"); }
    ~MailProgram() override { QDesktopServices::unsetUrlHandler(QStringLiteral("mailto")); }

    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};

// The items of the program's link in the invitation's HTML; empty without a link.
QString linkItems(const QString& html)
{
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("href=\"qomx:([^\"]*)\"")).match(html);
    return match.hasMatch() ? QString::fromLatin1(QByteArray::fromBase64(match.captured(1).toLatin1())) : QString();
}

} // namespace

class MyRoomHelperTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void invitationFollowsConfiguration_data();
    void invitationFollowsConfiguration();
    void audioSectionKeysTheCodesOnce_data();
    void audioSectionKeysTheCodesOnce();
    void guestLinkIsAskedForWhenTheRoomTakesGuests();
    void userDataIsNeverMarkup();
    void mailHasNoRecipientAndTheWholeInvitation();
    void infoText_data();
    void infoText();
};

void MyRoomHelperTest::initTestCase()
{
    QCoreApplication::setApplicationName(QStringLiteral("Telvarion"));
}

void MyRoomHelperTest::invitationFollowsConfiguration_data()
{
    QTest::addColumn<ConfigItems>("items");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("text");
    const QString heading = QStringLiteral("You have been invited to join Alice Carter's Session.\r\nTelvarion Users:\r\n"
                                           "Join Alice Carter's room in Telvarion.\r\n\r\n");
    const QString others = QStringLiteral(
        "Others:\r\nCollaboration Session: https://collab.links.example/alice?a=1&b=2\r\n\r\n");
    const QString audio = QStringLiteral("Audio Only: +1 (555) 0190,471120#,2468#");
    QTest::newRow("everything")
        << AllItems
        << "call=\"sip:+15550190@links.example;471120#;2468#\";chat=\"alice@myroom.links.example\";"
           "webcollab=\"https://collab.links.example/alice?a=1&b=2\";jid=\"alice@links.example\""
        << heading + others + audio;
    ConfigItems items = AllItems;
    items.insert(131, "sip");
    QTest::newRow("chat without an XMPP protocol")
        << items << "call=\"sip:+15550190@links.example;471120#;2468#\";webcollab=\"https://collab.links.example/alice?a=1&b=2\""
        << heading + others + audio;
    items = AllItems;
    items.insert(85, false);
    items.insert(296, false);
    QTest::newRow("no calls, no collaboration")
        << items << "chat=\"alice@myroom.links.example\";jid=\"alice@links.example\"" << heading + audio;
    QTest::newRow("nothing") << ConfigItems() << QString() << heading + audio;
}

void MyRoomHelperTest::invitationFollowsConfiguration()
{
    QFETCH(ConfigItems, items);
    QFETCH(QString, link);
    QFETCH(QString, text);
    TestSupport::Environment environment;
    LinksFixture::SignedInSession fixture(items);
    Utils::MyRoomHelper helper(fixture.session.get(), nullptr);

    QCOMPARE(helper.invitation(false, QString()), text);
    const QString html = helper.invitation(true, QString());
    QCOMPARE(linkItems(html), link);
    QCOMPARE(html.contains(QLatin1String("<a href=\"qomx:")), !link.isEmpty());
    QVERIFY(html.startsWith(QLatin1String("<b>You have been invited to join Alice&nbsp;Carter's Session.</b><br/>"
                                          "<b>Telvarion Users:</b><br/>")));
    QCOMPARE(html.contains(QLatin1String(
                 "<b>Others:</b><br/><a href=\"https://collab.links.example/alice?a=1&amp;b=2\">Collaboration Session</a>")),
             text.contains(QLatin1String("Others:")));
}

void MyRoomHelperTest::audioSectionKeysTheCodesOnce_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<bool>("qvd");
    QTest::addColumn<QString>("audio");
    QTest::newRow("codes closed with #") << "alice@links.example" << false << "Audio Only: +1 (555) 0190,471120#,2468#";
    QTest::newRow("ID already closed, no PIN") << "bob@links.example" << false << "Audio Only: +15550190,580231#";
    QTest::newRow("Qvd number, ID ending in *") << "erin@links.example" << true << "Audio Only: +1 555 0192,7*";
    QTest::newRow("Qvd number not used") << "erin@links.example" << false << QString();
    QTest::newRow("no room") << "dev@links.example" << true << QString();
}

void MyRoomHelperTest::audioSectionKeysTheCodesOnce()
{
    QFETCH(QString, user);
    QFETCH(bool, qvd);
    QFETCH(QString, audio);
    TestSupport::Environment environment;
    LinksFixture::SignedInSession fixture({{61, qvd}}, user);
    const QString text = Utils::MyRoomHelper(fixture.session.get(), nullptr).invitation(false, QString());
    const QStringList sections = text.split(QStringLiteral("\r\n\r\n"));
    QCOMPARE(sections.last().startsWith(QLatin1String("Audio Only: ")) ? sections.last() : QString(), audio);
}

void MyRoomHelperTest::guestLinkIsAskedForWhenTheRoomTakesGuests()
{
    TestSupport::Environment environment;
    {
        // Bob's room takes no guests: copied at once, without a guest section.
        LinksFixture::SignedInSession fixture(AllItems, QStringLiteral("bob@links.example"));
        QVERIFY(!fixture.session->guestHandler());
        Utils::MyRoomHelper(fixture.session.get(), nullptr).copyInvitation();
        const QString copied = QGuiApplication::clipboard()->text();
        QVERIFY(copied.startsWith(QLatin1String("You have been invited to join Bob Lind's Session.")));
        QVERIFY(!copied.contains(QLatin1String("Guest Participants: ")));
    }
    LinksFixture::SignedInSession fixture(AllItems);
    fixture.session->xmppSubSession()->start();
    Utils::MyRoomHelper helper(fixture.session.get(), nullptr);
    QGuiApplication::clipboard()->clear();

    helper.copyInvitation();

    QTRY_VERIFY(QGuiApplication::clipboard()->mimeData() && QGuiApplication::clipboard()->mimeData()->hasHtml());
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    QCOMPARE(copied->text(), helper.invitation(false, AliceGuestLink));
    QCOMPARE(copied->html(), helper.invitation(true, AliceGuestLink));
    QVERIFY(copied->text().contains("\r\n\r\nGuest Participants: " + AliceGuestLink + "\r\n\r\nOthers:"));
    QVERIFY(copied->html().contains("<b>Guest Participants: </b><a href=\"" + AliceGuestLink + "\">" + AliceGuestLink
                                    + "</a>"));
}

void MyRoomHelperTest::userDataIsNeverMarkup()
{
    TestSupport::Environment environment;
    LinksFixture::SignedInSession fixture(AllItems, QStringLiteral("eve@links.example"));
    const QString html = Utils::MyRoomHelper(fixture.session.get(), nullptr).invitation(true, "https://x/\"><i>g</i>");

    QVERIFY(html.contains(QLatin1String("join &lt;b&gt;Eve&lt;/b&gt;&nbsp;&amp;&nbsp;&quot;Co&quot;'s Session.")));
    QVERIFY(!html.contains(QLatin1String("<b>Eve")));
    QVERIFY(!html.contains(QLatin1String("<i>g")));
    QVERIFY(html.contains(QLatin1String("<a href=\"https://x/&quot;&gt;&lt;i&gt;g&lt;/i&gt;\">")));
}

void MyRoomHelperTest::mailHasNoRecipientAndTheWholeInvitation()
{
    TestSupport::Environment environment;
    LinksFixture::SignedInSession fixture(AllItems);
    fixture.session->xmppSubSession()->start();
    MailProgram mail;
    Utils::MyRoomHelper helper(fixture.session.get(), nullptr);

    helper.sendInvitation();

    QTRY_COMPARE(mail.opened.size(), 1);
    const QUrl url = mail.opened.first();
    QCOMPARE(url.scheme(), QString("mailto"));
    QVERIFY(url.path().isEmpty());
    QVERIFY(url.query(QUrl::FullyEncoded).startsWith(QLatin1String("body=")));
    QVERIFY(url.fragment().isEmpty());
    const QUrlQuery query(url);
    QCOMPARE(query.queryItems().size(), 2);
    const QString body = query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded);
    QCOMPARE(body, helper.invitation(false, AliceGuestLink));
    // "#" keyed after the codes, "?" and "&" in the collaboration address: all arrive.
    QVERIFY(body.endsWith(QLatin1String("471120#,2468#")));
    QVERIFY(body.contains(QLatin1String("https://collab.links.example/alice?a=1&b=2")));
    QCOMPARE(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded), QString("Telvarion: Join My Room"));
}

void MyRoomHelperTest::infoText_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<bool>("withoutHeadingWhenEmpty");
    QTest::addColumn<bool>("hideModeratorPin");
    QTest::addColumn<bool>("noHeading");
    QTest::addColumn<QString>("text");
    const QString alice = QStringLiteral("alice@links.example");
    const QString dev = QStringLiteral("dev@links.example");
    QTest::newRow("whole") << alice << false << false << false
                           << "My Room\n+1 (555) 0190\nConference ID: 471120\nSecurity PIN: 2468\nModerator PIN: 1357";
    QTest::newRow("for others") << alice << true << true << true
                                << "+1 (555) 0190\nConference ID: 471120\nSecurity PIN: 2468\n";
    QTest::newRow("no room") << dev << false << false << false << "My Room\n";
    QTest::newRow("no room, no empty heading") << dev << true << false << false << QString();
    QTest::newRow("no room, no heading") << dev << false << false << true << QString();
}

void MyRoomHelperTest::infoText()
{
    QFETCH(QString, user);
    QFETCH(bool, withoutHeadingWhenEmpty);
    QFETCH(bool, hideModeratorPin);
    QFETCH(bool, noHeading);
    QFETCH(QString, text);
    TestSupport::Environment environment;
    LinksFixture::SignedInSession fixture({}, user);
    const Kivo::Contacts::IContact* own = fixture.session->contactsManager()->getContact(0);
    QCOMPARE(Utils::MyRoomHelper::myRoomInfoText(own, withoutHeadingWhenEmpty, hideModeratorPin, noHeading), text);
}

QTEST_MAIN(MyRoomHelperTest)
#include "tst_myroom_helper.moc"
