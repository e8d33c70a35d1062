#include "Models/Chat/message_model.h"
#include "i18n.h"
#include "support/test_environment.h"

#include <Kivo/Data/FTAdapter.h>
#include <Kivo/Models/ChatModel.h>
#include <Kivo/Models/FTModel.h>
#include <Kivo/Models/Smileys.h>
#include <Kivo/Simulation/ConversationTypes.h>

#include <QSignalSpy>
#include <QtTest>

using Kivo::Data::FTAdapter;
using Kivo::Simulation::ChatMessageRecord;
using Kivo::Simulation::FileTransferRecord;
using Kivo::Simulation::FileTransferState;
using Models::Chat::MessageModel;

namespace {

const QString Peer = QStringLiteral("bob@test.example");
const QString Own = QStringLiteral("alice@test.example");
// Early today: the page shows today's history unless asked for more.
const QDateTime Early(QDate::currentDate(), QTime(0, 10));

// One conversation with Bob: the engine's chat and transfer models and the page model
// over them, links on unless asked otherwise.
struct Conversation
{
    explicit Conversation(bool links = true)
        : smileys(new Kivo::Models::SmileysPtr(&owner))
        , chat(Peer, Own)
        , transfers(Peer)
        , model(Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts>(), links)
    {
        model.setSmileys(smileys);
        model.setSourceModel(&chat);
    }

    void add(qint64 id, const QString& text, bool outgoing, const QDateTime& time = Early)
    {
        ChatMessageRecord record;
        record.id = id;
        record.conversation = Peer;
        record.from = outgoing ? Own : Peer;
        record.text = text;
        record.time = time;
        record.outgoing = outgoing;
        chat.addMessage(record);
    }

    FTAdapter* transfer(int id, FileTransferState state, bool incoming, const QDateTime& time = Early)
    {
        auto* ft = new FTAdapter(id, Peer, Own, &transfers);
        FileTransferRecord record;
        record.id = id;
        record.peer = Peer;
        record.fileName = QStringLiteral("plan.pdf");
        record.size = 2048;
        record.incoming = incoming;
        record.state = state;
        record.time = time;
        ft->update(record);
        return ft;
    }

    QObject owner;
    Tesk::Core::Refcounting::SmartPtr<Kivo::Models::SmileysPtr> smileys;
    Kivo::Models::ChatModel chat;
    Kivo::Models::FTModel transfers;
    MessageModel model;
};

QStringList fragments(const QSignalSpy& spy)
{
    QStringList result;
    for (const QList<QVariant>& arguments : spy)
        result.append(arguments.at(0).toString());
    return result;
}

} // namespace

class MessageModelTest : public QObject
{
    Q_OBJECT

private slots:
    void fragmentsBeforeTheLoadArriveOnceInOrder();
    void incomingMessageOnlyForReceivedMessages();
    void shareTagsNeverReachThePage();
    void rebuildPutsAMessageBeforeATransferOfTheSameTime();
    void bodyBecomesFragment_data();
    void bodyBecomesFragment();
    void dateAndSenderLines();
    void datesFollowTheChosenLanguage();
    void transferBlocks_data();
    void transferBlocks();
    void progressOffset();
    void typingLine_data();
    void typingLine();
    void remoteNamesAreEscaped();

private:
    TestSupport::Environment m_Environment;
};

void MessageModelTest::fragmentsBeforeTheLoadArriveOnceInOrder()
{
    Conversation conversation;
    QSignalSpy added(&conversation.model, qOverload<QVariant, QVariant>(&MessageModel::messageAdded));
    conversation.add(1, QStringLiteral("first"), false);
    conversation.add(2, QStringLiteral("second"), true);
    emit conversation.chat.showAddUsersInfo();
    QCOMPARE(added.count(), 0);

    conversation.model.pageLoadFinished();
    QCOMPARE(added.count(), 0); // the view finishes its own load handling first
    QTRY_COMPARE(added.count(), 3);
    const QStringList page = fragments(added);
    QVERIFY(page.at(0).contains(QStringLiteral("Drag and drop contacts")));
    QVERIFY(page.at(1).contains(QStringLiteral("first")));
    QVERIFY(page.at(2).contains(QStringLiteral("second")));

    // A second load report sends nothing again; later messages go straight to the page.
    conversation.model.pageLoadFinishedDelayed();
    conversation.add(3, QStringLiteral("third"), false);
    QCOMPARE(added.count(), 4);
    QVERIFY(added.last().at(0).toString().contains(QStringLiteral("third")));
    QCOMPARE(added.last().at(1), QVariant(false));
}

void MessageModelTest::incomingMessageOnlyForReceivedMessages()
{
    Conversation conversation;
    QSignalSpy incoming(&conversation.model, &MessageModel::incomingMessage);
    QSignalSpy received(&conversation.model, &MessageModel::lastMessageReceivedChanged);
    conversation.add(1, QStringLiteral("hello"), false); // still loading
    QCOMPARE(incoming.count(), 1);
    QCOMPARE(conversation.model.lastMessageReceived(), Early);
    conversation.add(2, QStringLiteral("mine"), true, Early.addSecs(60));
    QMetaObject::invokeMethod(&conversation.model, "participantAdded", Q_ARG(QStringList, {QStringLiteral("Chiara")}),
                              Q_ARG(bool, false));
    QCOMPARE(incoming.count(), 1);
    QCOMPARE(received.count(), 1);
    QCOMPARE(conversation.model.lastMessageReceived(), Early);
}

void MessageModelTest::shareTagsNeverReachThePage()
{
    const QString invitation = QStringLiteral("[[telvarion-share:desktop:secret-token]]");
    Conversation conversation;
    conversation.model.pageLoadFinishedDelayed();
    QSignalSpy added(&conversation.model, qOverload<QVariant, QVariant>(&MessageModel::messageAdded));
    QSignalSpy incoming(&conversation.model, &MessageModel::incomingMessage);
    conversation.add(1, invitation, false);
    QCOMPARE(added.count(), 0);
    QCOMPARE(incoming.count(), 0);

    conversation.add(2, QStringLiteral("visible"), false);
    emit conversation.chat.modelReset();
    QVERIFY(!conversation.model.htmlContent().contains(QStringLiteral("secret-token")));
    QVERIFY(conversation.model.htmlContent().contains(QStringLiteral("visible")));
}

void MessageModelTest::rebuildPutsAMessageBeforeATransferOfTheSameTime()
{
    Conversation conversation;
    conversation.transfers.add(conversation.transfer(8, FileTransferState::Offered, true, Early.addSecs(-60)));
    conversation.transfers.add(conversation.transfer(7, FileTransferState::Offered, true, Early));
    conversation.add(1, QStringLiteral("same minute"), false, Early);
    QSignalSpy html(&conversation.model, &MessageModel::htmlChanged);
    conversation.model.setFtModel(&conversation.transfers);
    QCOMPARE(html.count(), 1);

    const QString page = conversation.model.htmlContent();
    const int earlier = page.indexOf(QStringLiteral("filetransfer-8"));
    const int message = page.indexOf(QStringLiteral("same minute"));
    const int tie = page.indexOf(QStringLiteral("filetransfer-7"));
    QVERIFY(earlier >= 0 && message >= 0 && tie >= 0);
    QVERIFY(earlier < message);
    QVERIFY(message < tie);
    // The page is one document: head, one list, every item inside it.
    QVERIFY(page.startsWith(QStringLiteral("<html><head><style")));
    QCOMPARE(page.count(QStringLiteral("<div id='messagelist'>")), 1);
    QVERIFY(page.endsWith(QStringLiteral("</div></body>")));
}

void MessageModelTest::bodyBecomesFragment_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<bool>("links");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");

    QTest::newRow("full stop after a link")
        << "see http://example.com/a." << true
        << QStringList{"<a href=\"http://example.com/a\">http://example.com/a</a>."} << QStringList{};
    QTest::newRow("parenthesis closing inside the link")
        << "http://en.example.org/wiki/Qt_(software) and (http://example.com/x)" << true
        << QStringList{"href=\"http://en.example.org/wiki/Qt_(software)\"", "href=\"http://example.com/x\">"}
        << QStringList{"href=\"http://example.com/x)\""};
    QTest::newRow("one link twice")
        << "http://example.com/x and http://example.com/x" << true
        << QStringList{"<a href=\"http://example.com/x\">http://example.com/x</a> and "
                       "<a href=\"http://example.com/x\">http://example.com/x</a>"}
        << QStringList{};
    QTest::newRow("ampersand in a link")
        << "http://example.com/?a=1&b=2" << true
        << QStringList{"href=\"http://example.com/?a=1&b=2\">http://example.com/?a=1&amp;b=2</a>"} << QStringList{};
    QTest::newRow("www link opens on the web")
        << "www.example.com" << true << QStringList{"<a href=\"http://www.example.com\">www.example.com</a>"}
        << QStringList{};
    QTest::newRow("mail address")
        << "write to ann.lee@example.com today" << true
        << QStringList{"<a href=\"mailto:ann.lee@example.com\">ann.lee@example.com</a> today"} << QStringList{};
    QTest::newRow("links disabled")
        << "http://example.com/?a=1&b=2 ann@example.com" << false
        << QStringList{"http://example.com/?a=1&amp;b=2 ann@example.com"} << QStringList{"<a "};
    QTest::newRow("markup shows as text")
        << "<b>bold</b> <script>alert(1)</script>" << true
        << QStringList{"&lt;b&gt;bold&lt;/b&gt; &lt;script&gt;alert(1)&lt;/script&gt;"}
        << QStringList{"<b>", "<script>"};
    QTest::newRow("newline")
        << "one\ntwo" << true << QStringList{"one<br/>two"} << QStringList{"\n"};
    QTest::newRow("quote stays inside the href")
        << "http://example.com/\"onmouseover=\"alert(1)" << true
        << QStringList{"href=\"http://example.com/&quot;onmouseover=&quot;alert(1)\""}
        << QStringList{"\"onmouseover", "/\" "};
    QTest::newRow("angle brackets stay out of the href")
        << "http://example.com/<img src=x onerror=alert(1)>" << true
        << QStringList{"&lt;img src=x onerror=alert(1)&gt;"} << QStringList{"<img src=x"};
    QTest::newRow("javascript is not live")
        << "javascript://%0aalert(document.cookie)" << true << QStringList{"javascript://%0aalert(document.cookie)"}
        << QStringList{"<a ", "href"};
    QTest::newRow("file and data schemes are not live")
        << "file:///etc/passwd data://text/html,x" << true << QStringList{"file:///etc/passwd"} << QStringList{"<a "};
    QTest::newRow("ftp is live")
        << "ftp://files.example.com/pub" << true
        << QStringList{"<a href=\"ftp://files.example.com/pub\">ftp://files.example.com/pub</a>"} << QStringList{};
    QTest::newRow("mail address inside a link stays in the link")
        << "http://example.com/?to=ann@example.com" << true
        << QStringList{"<a href=\"http://example.com/?to=ann@example.com\">http://example.com/?to=ann@example.com</a>"}
        << QStringList{"mailto:"};
    QTest::newRow("no emoticon inside a link")
        << ":-) http://example.com/x:-)" << true
        << QStringList{"<img class=\"smiley\"", "href=\"http://example.com/x:-\""} << QStringList{};
    QTest::newRow("typed key characters are neutralised")
        << QString(QChar(0xF8F0)) + "0" + QChar(0xF8F1) + " http://example.com/" << true
        << QStringList{QString(QChar::ReplacementCharacter) + "0"} << QStringList{"</a> <a"};
}

void MessageModelTest::bodyBecomesFragment()
{
    QFETCH(QString, body);
    QFETCH(bool, links);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    Conversation conversation(links);
    const QString html = conversation.model.formatMessageText(body);
    for (const QString& part : present)
        QVERIFY2(html.contains(part), qPrintable(html));
    for (const QString& part : absent)
        QVERIFY2(!html.contains(part), qPrintable(html));
}

void MessageModelTest::dateAndSenderLines()
{
    Conversation conversation;
    conversation.model.setOwnDisplayName(QStringLiteral("Alice Carter"));
    const QString first = conversation.model.createHtml(
        Kivo::Data::Message::Data(1, Early, 1, Peer, QStringLiteral("hi"), 0));
    QVERIFY(first.startsWith(QStringLiteral("<div class='date'>")));
    QVERIFY(first.contains(QStringLiteral("<span class='sender bobtestexample'>bob@test.example</span>")));

    Kivo::Data::Message::Data sameDay(2, Early.addSecs(30), 0, Own, QStringLiteral("hello"), 2);
    const QString second = conversation.model.createHtml(sameDay);
    QVERIFY(!second.contains(QStringLiteral("class='date'")));
    QVERIFY(second.contains(QStringLiteral("<span class='local_sender'><span class='sender alicetestexample'>Alice "
                                           "Carter</span>")));
    QVERIFY(second.endsWith(QStringLiteral("</div>\nRequest timed out, message wasn't sent.")));

    Kivo::Data::Message::Data nextDay(3, Early.addDays(1), 1, Peer, QStringLiteral("later"), 0);
    nextDay.setIsFirstMessage(false);
    const QString third = conversation.model.createHtml(nextDay);
    QVERIFY(third.startsWith(QStringLiteral("<div class='date'>")));
    QVERIFY(!third.contains(QStringLiteral("sender")));
}

void MessageModelTest::datesFollowTheChosenLanguage()
{
    Conversation conversation;
    conversation.add(1, QStringLiteral("hallo"), false);
    const QLocale before;
    I18N::useLocaleOf(QStringLiteral("de"));
    // What the language switch sends once the translators are reloaded.
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&conversation.model, &change);
    QLocale::setDefault(before);

    const QLocale german(QLocale::German, QLocale::Germany);
    const QString page = conversation.model.htmlContent();
    QVERIFY2(page.contains("<div class='date'>" + german.toString(Early.date(), QLocale::ShortFormat) + "</div>"),
             qPrintable(page));
    QVERIFY2(page.contains("</span> 00:10</span>"), qPrintable(page));
}

void MessageModelTest::transferBlocks_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("incoming");
    QTest::addColumn<QStringList>("present");

    QTest::newRow("received offer") << int(FileTransferState::Offered) << true
                                    << QStringList{"acceptClicked(\"5\")", ">Accept<", ">Decline<", "File Size 2.0 KB"};
    QTest::newRow("sent offer") << int(FileTransferState::Offered) << false
                                << QStringList{"Waiting... | ", "cancelClicked(\"5\")", "Cancel Transfer"};
    QTest::newRow("running") << int(FileTransferState::Transferring) << true
                             << QStringList{"id='progressbar-5'", "Receiving file <span id='ft_loaded-5'>0</span> of 2.0 KB"};
    QTest::newRow("sent") << int(FileTransferState::Done) << false << QStringList{"File sent"};
    QTest::newRow("received file gone") << int(FileTransferState::Done) << true << QStringList{"The file does not exist"};
    QTest::newRow("cancelled") << int(FileTransferState::Cancelled) << true << QStringList{"Transfer cancelled"};
    QTest::newRow("failed") << int(FileTransferState::Failed) << false << QStringList{"Transfer failed"};
}

void MessageModelTest::transferBlocks()
{
    QFETCH(int, state);
    QFETCH(bool, incoming);
    QFETCH(QStringList, present);
    Conversation conversation;
    FTAdapter* ft = conversation.transfer(5, FileTransferState(state), incoming);
    const QString html = conversation.model.createFtHtml(ft);
    QVERIFY2(html.contains(QStringLiteral("<div class='filetransfer' id='filetransfer-5'>")), qPrintable(html));
    QVERIFY(html.contains(QStringLiteral("<span>plan.pdf</span>")));
    for (const QString& part : present)
        QVERIFY2(html.contains(part), qPrintable(html));
    // A second transfer with the same party has no sender line of its own.
    const QString next = conversation.model.createFtHtml(conversation.transfer(6, FileTransferState(state), incoming));
    QVERIFY(!next.contains(QStringLiteral("sender")));
}

void MessageModelTest::progressOffset()
{
    QCOMPARE(MessageModel::progressOffset(0), -51);
    QCOMPARE(MessageModel::progressOffset(50), -25);
    QCOMPARE(MessageModel::progressOffset(100), 0);
}

void MessageModelTest::typingLine_data()
{
    QTest::addColumn<QStringList>("typers");
    QTest::addColumn<QString>("line");
    QTest::newRow("nobody") << QStringList{} << QString();
    QTest::newRow("one, by name") << QStringList{"BOB@test.example"} << "Bob Lind is typing...";
    QTest::newRow("three") << QStringList{"bob@test.example", "chiara@test.example", "dan@test.example"}
                           << "Bob Lind, Chiara Rossi, dan@test.example are typing...";
}

void MessageModelTest::typingLine()
{
    QFETCH(QStringList, typers);
    QFETCH(QString, line);
    Conversation conversation;
    QMetaObject::invokeMethod(&conversation.model, "participantNameChanged", Q_ARG(QString, Peer),
                              Q_ARG(QString, QStringLiteral("Bob Lind")));
    QMetaObject::invokeMethod(&conversation.model, "participantNameChanged",
                              Q_ARG(QString, QStringLiteral("chiara@test.example")),
                              Q_ARG(QString, QStringLiteral("Chiara Rossi")));
    QSignalSpy changed(&conversation.model, &MessageModel::typingNotificationChanged);
    QMetaObject::invokeMethod(&conversation.model, "typersChanged", Q_ARG(QStringList, typers));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(conversation.model.typingNotification(), line);
}

void MessageModelTest::remoteNamesAreEscaped()
{
    const QString hostile = QStringLiteral("<img src=x onerror=alert(1)>");
    Conversation conversation;
    conversation.model.pageLoadFinishedDelayed();
    QSignalSpy added(&conversation.model, qOverload<QVariant, QVariant>(&MessageModel::messageAdded));
    QSignalSpy names(&conversation.model, &MessageModel::contactNameChanged);
    QMetaObject::invokeMethod(&conversation.model, "participantNameChanged", Q_ARG(QString, Peer),
                              Q_ARG(QString, hostile));
    QCOMPARE(names.count(), 1);
    QCOMPARE(names.first().at(0).toString(), QStringLiteral("bobtestexample"));

    conversation.add(1, QStringLiteral("hi"), false);
    QMetaObject::invokeMethod(&conversation.model, "participantAdded", Q_ARG(QStringList, {hostile}), Q_ARG(bool, true));
    QMetaObject::invokeMethod(&conversation.model, "participantAdded", Q_ARG(QStringList, {hostile}), Q_ARG(bool, false));
    QMetaObject::invokeMethod(&conversation.model, "guestParticipantAccepted", Q_ARG(QString, hostile));
    QMetaObject::invokeMethod(&conversation.model, "participantJoinedShare", Q_ARG(QString, hostile));
    FTAdapter* ft = conversation.transfer(9, FileTransferState::Offered, true);
    conversation.transfers.add(ft);
    conversation.model.setFtModel(&conversation.transfers);
    emit ft->transferRejected(FTAdapter::ForbiddenType);

    const QStringList lines = fragments(added);
    QCOMPARE(lines.size(), 6);
    for (const QString& line : lines) {
        QVERIFY2(!line.contains(hostile), qPrintable(line));
        QVERIFY2(line.contains(QStringLiteral("&lt;img src=x onerror=alert(1)&gt;")), qPrintable(line));
    }
    QVERIFY(lines.last().contains(QStringLiteral("tried to send a type of file")));
    QVERIFY(!conversation.model.htmlContent().contains(hostile));

    // An empty list of new participants shows no line at all.
    added.clear();
    QMetaObject::invokeMethod(&conversation.model, "participantAdded", Q_ARG(QStringList, {}), Q_ARG(bool, false));
    QCOMPARE(added.count(), 0);
}

QTEST_MAIN(MessageModelTest)
#include "tst_message_model.moc"
