// A link of the program's URL scheme against a signed-in session whose connections the test
// brings up one by one.
#include "Dialogs/message_window.h"
#include "Utils/qomx_url_handler.h"
#include "signed_in_session.h"
#include "support/test_environment.h"

#include <Kivo/MyRoom/Controller.h>
#include <Kivo/Services/Xmpp/XmppContactDataService.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTextDocument>
#include <QTimer>

#include <functional>

using Kivo::Simulation::Service;

namespace {

QString link(const QString& items)
{
    return QString::fromLatin1(items.toLatin1().toBase64());
}

QList<Dialogs::MessageWindow*> failureMessages()
{
    QList<Dialogs::MessageWindow*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<Dialogs::MessageWindow*>(widget);
        if (window && window->isVisible() && window->windowTitle() == QLatin1String("Failed to Join Room"))
            windows.append(window);
    }
    return windows;
}

// The message as the user reads it.
QString shownText(const Dialogs::MessageWindow* window)
{
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->text().contains(QLatin1String("Failed to join"))) {
            QTextDocument document;
            if (label->textFormat() != Qt::PlainText && Qt::mightBeRichText(label->text()))
                document.setHtml(label->text());
            else
                document.setPlainText(label->text());
            return document.toPlainText();
        }
    }
    return QString();
}

// Answers the question a link's call asks with a click on its button.
void answer(Utils::QomxUrlHandler& handler, const char* button)
{
    QTRY_VERIFY(handler.callQuestion() && handler.callQuestion()->isVisible());
    auto* target = handler.callQuestion()->findChild<QPushButton*>(QLatin1String(button));
    QVERIFY(target);
    QTRY_VERIFY(target->isVisible() && target->isEnabled());
    QTest::mouseClick(target, Qt::LeftButton);
}

} // namespace

class QomxUrlHandlerTest : public QObject
{
    Q_OBJECT

private slots:
    void joinsOnceWhatTheRoomNeedsIsUp_data();
    void joinsOnceWhatTheRoomNeedsIsUp();
    void itemsAreReadAsWritten_data();
    void itemsAreReadAsWritten();
    void aCallIsPlacedOnlyWhenTheUserSaysSo_data();
    void aCallIsPlacedOnlyWhenTheUserSaysSo();
    void linksUpToTheLengthLimitAreRead_data();
    void linksUpToTheLengthLimitAreRead();
    void ownerInContactListNeedsNoVCard();
    void unknownOwnerIsAskedOnceXmppConnects();
    void timeoutShowsOneMessageNamingTheRoom_data();
    void timeoutShowsOneMessageNamingTheRoom();
};

void QomxUrlHandlerTest::joinsOnceWhatTheRoomNeedsIsUp_data()
{
    QTest::addColumn<QString>("items");
    QTest::addColumn<bool>("callsEnabled");
    // What comes up, in this order, and after which step the room is joined.
    QTest::addColumn<int>("joinedAfter");
    const QString call = QStringLiteral("call=\"sip:+15550190@links.example;580231#\";");
    QTest::newRow("call and chat wait for calls and chat")
        << call + "chat=\"team@conference.links.example\"" << true << 2;
    QTest::newRow("chat waits for chat only") << "chat=\"team@conference.links.example\"" << true << 1;
    QTest::newRow("calls switched off are not waited for")
        << call + "chat=\"team@conference.links.example\"" << false << 1;
    QTest::newRow("a My Room waits for My Room") << "chat=\"bob@myroom.links.example\"" << true << 3;
    QTest::newRow("an owner with an ordinary room") << "jid=\"frank@links.example\"" << true << 1;
}

void QomxUrlHandlerTest::joinsOnceWhatTheRoomNeedsIsUp()
{
    QFETCH(QString, items);
    QFETCH(bool, callsEnabled);
    QFETCH(int, joinedAfter);
    TestSupport::Environment environment;
    LinksFixture::SignedInSession fixture;
    Kivo::Sessions::SessionManagerBase& session = *fixture.session;
    session.sipSubSession()->setEnabled(callsEnabled);
    Utils::QomxUrlHandler handler(link(items));
    QSignalSpy joined(&handler, &Utils::QomxUrlHandler::createMyRoomSession);

    handler.initialize(&session);
    QCOMPARE(joined.count(), 0);
    const std::function<void()> steps[] = {[&] { session.xmppSubSession()->start(); },
                                           [&] { session.sipSubSession()->start(); },
                                           [&] { session.myroomController()->setReady(true); }};
    for (int step = 1; step <= 3; ++step) {
        steps[step - 1]();
        if (step == joinedAfter && items.contains("call="))
            answer(handler, "callButton");
        QCOMPARE(joined.count(), step >= joinedAfter ? 1 : 0);
    }
    // Reconnecting later joins nothing again.
    for (Kivo::Sessions::SubSession* part : session.subSessions()) {
        part->stop();
        part->start();
    }
    QTest::qWait(20);
    QCOMPARE(joined.count(), 1);
}

void QomxUrlHandlerTest::itemsAreReadAsWritten_data()
{
    QTest::addColumn<QString>("items");
    QTest::addColumn<QStringList>("joined");
    QTest::newRow("any order, any separator")
        << "webcollab=\"https://collab.links.example/x?a=1&b=2\" chat=\"team@conference.links.example\",call=\"sip:1@links.example\""
        << QStringList({"sip:1@links.example", "team@conference.links.example", "https://collab.links.example/x?a=1&b=2"});
    QTest::newRow("the owner's room, not the chat item")
        << "chat=\"team@conference.links.example\";jid=\"frank@links.example\""
        << QStringList({"", "lobby@conference.links.example", ""});
    QTest::newRow("a longer name that ends in the name comes first")
        << "xjid=\"bob@links.example\";jid=\"frank@links.example\""
        << QStringList({"", "bob@myroom.links.example", ""});
    QTest::newRow("Latin-1") << QString::fromUtf8("chat=\"caf\xC3\xA9@conference.links.example\"")
                             << QStringList({"", QString::fromUtf8("caf\xC3\xA9@conference.links.example"), ""});
}

void QomxUrlHandlerTest::itemsAreReadAsWritten()
{
    QFETCH(QString, items);
    QFETCH(QStringList, joined);
    TestSupport::Environment environment;
    LinksFixture::SignedInSession fixture;
    for (Kivo::Sessions::SubSession* part : fixture.session->subSessions())
        part->start();
    fixture.session->myroomController()->setReady(true);
    Utils::QomxUrlHandler handler(link(items));
    QSignalSpy created(&handler, &Utils::QomxUrlHandler::createMyRoomSession);

    handler.initialize(fixture.session.get());
    if (!joined.first().isEmpty())
        answer(handler, "callButton");

    QCOMPARE(created.count(), 1);
    QCOMPARE(QStringList({created.first().at(0).toString(), created.first().at(1).toString(),
                          created.first().at(2).toString()}),
             joined);
}

void QomxUrlHandlerTest::aCallIsPlacedOnlyWhenTheUserSaysSo_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("placed");
    QTest::newRow("Call") << "callButton" << true;
    QTest::newRow("Cancel") << "cancelButton" << false;
    QTest::newRow("box closed") << QString() << false;
}

void QomxUrlHandlerTest::aCallIsPlacedOnlyWhenTheUserSaysSo()
{
    QFETCH(QString, answer);
    QFETCH(bool, placed);
    TestSupport::Environment environment;
    LinksFixture::SignedInSession fixture;
    for (Kivo::Sessions::SubSession* part : fixture.session->subSessions())
        part->start();
    fixture.session->myroomController()->setReady(true);
    const QString number = QStringLiteral("sip:+19005550123@links.example;580231#");
    Utils::QomxUrlHandler handler(link("call=\"" + number + "\";jid=\"bob@links.example\""));
    QSignalSpy created(&handler, &Utils::QomxUrlHandler::createMyRoomSession);

    handler.initialize(fixture.session.get());

    // Nothing is dialled while the question waits, however long.
    QTRY_VERIFY(handler.callQuestion() && handler.callQuestion()->isVisible());
    QTest::qWait(50);
    QCOMPARE(created.count(), 0);
    QLabel* text = handler.callQuestion()->findChild<QLabel*>(QStringLiteral("messageText"));
    QVERIFY(text);
    QCOMPARE(text->textFormat(), Qt::PlainText);
    QVERIFY2(text->text().contains(number) && text->text().contains(QLatin1String("Bob Lind")), qPrintable(text->text()));
    if (answer.isEmpty())
        handler.callQuestion()->close();
    else
        ::answer(handler, qPrintable(answer));

    QTRY_VERIFY(!handler.callQuestion() || !handler.callQuestion()->isVisible());
    QTest::qWait(20);
    QCOMPARE(created.count(), placed ? 1 : 0);
    if (placed)
        QCOMPARE(created.first(), QVariantList({number, QString("bob@myroom.links.example"), QString()}));
}

void QomxUrlHandlerTest::linksUpToTheLengthLimitAreRead_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("read");
    const int limit = Utils::QomxUrlHandler::MaxLinkLength;
    QTest::newRow("one Base64 quad under the limit") << limit - 4 << true;
    QTest::newRow("exactly the limit") << limit << true;
    QTest::newRow("one over the limit") << limit + 1 << false;
    QTest::newRow("one Base64 quad over the limit") << limit + 4 << false;
}

void QomxUrlHandlerTest::linksUpToTheLengthLimitAreRead()
{
    QFETCH(int, length);
    QFETCH(bool, read);
    TestSupport::Environment environment;
    LinksFixture::SignedInSession fixture;
    for (Kivo::Sessions::SubSession* part : fixture.session->subSessions())
        part->start();
    // A filler item pads the decoded text to three bytes for each four characters of Base64;
    // a length that is no multiple of four gets a character that decodes to nothing more.
    const QString items = QStringLiteral("chat=\"team@conference.links.example\";pad=\"");
    const int decoded = length / 4 * 3;
    QString text = link(items + QString(decoded - items.size() - 1, 'x') + '"');
    QCOMPARE(text.size(), length / 4 * 4);
    text += QString(length % 4, '=');
    QCOMPARE(text.size(), length);
    Utils::QomxUrlHandler handler(text);
    QSignalSpy created(&handler, &Utils::QomxUrlHandler::createMyRoomSession);

    handler.initialize(fixture.session.get());

    QCOMPARE(created.count(), read ? 1 : 0);
    QCOMPARE(environment.logs().contains(QStringLiteral("Link refused: %1 characters, more than %2")
                                             .arg(length)
                                             .arg(Utils::QomxUrlHandler::MaxLinkLength)),
             !read);
}

void QomxUrlHandlerTest::ownerInContactListNeedsNoVCard()
{
    TestSupport::Environment environment;
    LinksFixture::SignedInSession fixture;
    for (Kivo::Sessions::SubSession* part : fixture.session->subSessions())
        part->start();
    QSignalSpy vCards(&Service::shared(), &Service::vCardReady);
    Utils::QomxUrlHandler handler(link("jid=\"bob@links.example\""));
    QSignalSpy created(&handler, &Utils::QomxUrlHandler::createMyRoomSession);

    handler.initialize(fixture.session.get());
    QCOMPARE(created.count(), 0);
    fixture.session->myroomController()->setReady(true);

    QCOMPARE(created.count(), 1);
    QCOMPARE(created.first().at(1).toString(), QString("bob@myroom.links.example"));
    QTest::qWait(50);
    QCOMPARE(vCards.count(), 0);
}

void QomxUrlHandlerTest::unknownOwnerIsAskedOnceXmppConnects()
{
    TestSupport::Environment environment;
    LinksFixture::SignedInSession fixture;
    Kivo::Sessions::XmppSession* xmpp = fixture.session->xmppSubSession();
    QVERIFY(!xmpp->getXmppContactDataService());
    // Somebody else's vCard is asked for first, and arrives first.
    connect(xmpp, &Kivo::Sessions::XmppSession::connected, this,
            [xmpp] { xmpp->getXmppContactDataService()->requestVCard("bob@links.example", true); });
    QSignalSpy vCards(&Service::shared(), &Service::vCardReady);
    Utils::QomxUrlHandler handler(link("jid=\"carol@links.example\""));
    QSignalSpy created(&handler, &Utils::QomxUrlHandler::createMyRoomSession);

    handler.initialize(fixture.session.get());
    QTest::qWait(20);
    QCOMPARE(vCards.count(), 0);
    xmpp->start();
    // Dropped and back before any answer: asked again, and still joined once.
    xmpp->stop();
    xmpp->start();

    QTRY_COMPARE(created.count(), 1);
    QTRY_COMPARE(vCards.count(), 4);
    QCOMPARE(vCards.first().first().toString(), QString("bob@links.example"));
    QCOMPARE(created.first().at(1).toString(), QString("carol@myroom.links.example"));
    QVERIFY(!environment.logs().contains("_check___ failed"));
    // Once joined, a reconnection asks for nothing and joins nothing.
    disconnect(xmpp, nullptr, this, nullptr);
    xmpp->stop();
    xmpp->start();
    QTest::qWait(50);
    QCOMPARE(vCards.count(), 4);
    QCOMPARE(created.count(), 1);
}

void QomxUrlHandlerTest::timeoutShowsOneMessageNamingTheRoom_data()
{
    QTest::addColumn<QString>("chat");
    QTest::addColumn<QString>("name");
    QTest::newRow("a contact's room") << "bob@myroom.links.example" << "Bob Lind";
    QTest::newRow("a room of nobody known") << "zed@myroom.links.example" << "zed@links.example";
    QTest::newRow("a room named in markup") << "<b>team</b>@conference.links.example"
                                            << "<b>team</b>@conference.links.example";
}

void QomxUrlHandlerTest::timeoutShowsOneMessageNamingTheRoom()
{
    QFETCH(QString, chat);
    QFETCH(QString, name);
    TestSupport::Environment environment;
    LinksFixture::SignedInSession fixture;
    Kivo::Sessions::SessionManagerBase& session = *fixture.session;
    Utils::QomxUrlHandler handler(link("call=\"sip:+15550190@links.example\";chat=\"" + chat + '"'));
    QSignalSpy created(&handler, &Utils::QomxUrlHandler::createMyRoomSession);
    QTimer* timer = handler.findChild<QTimer*>();
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 20000);
    QVERIFY(timer->isSingleShot());
    // Precise, so that the time left shows to the millisecond.
    timer->setTimerType(Qt::PreciseTimer);

    handler.initialize(&session);
    QVERIFY(timer->isActive());
    QTest::qWait(100);
    const int before = timer->remainingTime();
    // Each step of progress gives the whole time again.
    session.xmppSubSession()->start();
    QVERIFY(timer->remainingTime() > before);

    timer->setInterval(50);
    QTRY_COMPARE(failureMessages().size(), 1);
    QCOMPARE(shownText(failureMessages().first()),
             "Failed to join " + name
                 + "'s room due to network connection issues. Please try again after the connection is restored");
    // Given up: the calls coming up later join nothing, and nothing more is shown.
    session.sipSubSession()->start();
    session.myroomController()->setReady(true);
    QTest::qWait(150);
    QCOMPARE(created.count(), 0);
    QCOMPARE(failureMessages().size(), 1);
    delete failureMessages().first();
}

QTEST_MAIN(QomxUrlHandlerTest)
#include "tst_qomx_url_handler.moc"
