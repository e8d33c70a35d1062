#include "chat_page_fixture.h"

#include <Kivo/Simulation/ConversationTypes.h>

using Models::Chat::MessageModel;

namespace {

// A long history over three days: the days change at these items, one of them the first
// item the page opens with, one the first of the first older chunk.
constexpr int Total = 400;
constexpr int SecondDay = Total - MessageModel::ShownItems - MessageModel::OlderChunk;
constexpr int ThirdDay = Total - MessageModel::ShownItems;
// Items that arrive while the page is shown, later today.
constexpr int Appended = 300;

QDateTime timeOf(int index)
{
    const QDateTime early(QDate::currentDate(), QTime(0, 10));
    const int day = index >= ThirdDay ? 0 : index >= SecondDay ? -1 : -2;
    return early.addDays(day).addSecs(60 * index);
}

// The page's list as words: "D" a date line, "S" a sender line, else an item's text.
const QString ListScript = QStringLiteral(
    "Array.prototype.map.call(document.getElementById('messagelist').children, function(e) {"
    "  if (e.className == 'date') return 'D';"
    "  if (e.className.indexOf('sender') >= 0) return 'S';"
    "  return e.textContent; }).join(' ')");

} // namespace

class ChatPageTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void scrollingUpBringsTheWholeHistoryInOrder();
    void olderItemsTakeNewsTheyMissed();
    void tooLongMessageShowsCutWithANotice();

private:
    void openPage(int messages);
    QVariant run(const QString& script) const { return m_Page.run(script); }
    int items() { return run(QStringLiteral("document.querySelectorAll('.remote_content').length")).toInt(); }
    bool hasOlder() { return run(QStringLiteral("shelf.firstChild != null || window.qml.hasOlder()")).toBool(); }
    void add(int index, const QString& text = QString());
    // Scrolls to the top as the user would and waits for the page to take older items.
    void scrollToTop();

    ChatPageFixture m_Page;
};

void ChatPageTest::initTestCase()
{
    ChatPageFixture::prepare();
}

void ChatPageTest::openPage(int messages)
{
    m_Page.open();
    for (int i = 0; i < messages; ++i)
        add(i);
    emit m_Page.chat()->modelReset();
    m_Page.load();
    QTRY_COMPARE(items(), qMin(messages, int(MessageModel::ShownItems)));
}

void ChatPageTest::add(int index, const QString& text)
{
    Kivo::Simulation::ChatMessageRecord record;
    record.id = index + 1;
    record.conversation = m_Page.peer;
    record.from = m_Page.peer;
    record.text = text.isNull() ? QStringLiteral("m%1").arg(index) : text;
    record.time = timeOf(index);
    m_Page.chat()->addMessage(record);
}

void ChatPageTest::scrollToTop()
{
    const int before = items();
    run(QStringLiteral("window.scrollTo(0, 0)"));
    QTRY_VERIFY(items() > before);
}

void ChatPageTest::scrollingUpBringsTheWholeHistoryInOrder()
{
    openPage(Total);
    // The page opens with the newest items only, showing the last one.
    QCOMPARE(items(), MessageModel::ShownItems);
    QTRY_VERIFY(run(QStringLiteral("window.pageYOffset")).toInt() > 0);
    QVERIFY(run(QStringLiteral("window.innerHeight + window.pageYOffset >= document.body.scrollHeight - 1")).toBool());

    // What the user reads stays put while older items go in above it.
    const QString oldest = QStringLiteral("document.getElementsByClassName('remote_content')[0]");
    const QString topOf = oldest + QStringLiteral(".getBoundingClientRect().top");
    run(QStringLiteral("window.scrollTo(0, 0); window.reading = %1;").arg(oldest));
    const int reading = run(topOf).toInt();
    QTRY_COMPARE(items(), MessageModel::ShownItems + MessageModel::OlderChunk);
    QVERIFY(run(QStringLiteral("window.reading.getBoundingClientRect().top")).toInt() == reading);
    QVERIFY(run(QStringLiteral("window.pageYOffset")).toInt() > 0);

    while (hasOlder() && !QTest::currentTestFailed())
        scrollToTop();
    QCOMPARE(items(), Total);

    // New items while the page follows them: the oldest go off the page, and come back.
    run(QStringLiteral("window.scrollTo(0, document.body.scrollHeight)"));
    for (int i = Total; i < Total + Appended; ++i)
        add(i);
    QVERIFY(items() < Total);
    QVERIFY(run(QStringLiteral("window.innerHeight + window.pageYOffset >= document.body.scrollHeight - 1")).toBool());
    while (hasOlder() && !QTest::currentTestFailed())
        scrollToTop();
    QCOMPARE(items(), Total + Appended);

    // Every item once, in order, with a date and a sender line where a day begins and
    // nowhere else, also where one chunk met the next.
    QStringList expected;
    for (int i = 0; i < Total + Appended; ++i) {
        if (i == 0 || i == SecondDay || i == ThirdDay)
            expected << QStringLiteral("D") << QStringLiteral("S");
        expected << QStringLiteral("m%1").arg(i);
    }
    QCOMPARE(run(ListScript).toString(), expected.join(QLatin1Char(' ')));
}

void ChatPageTest::olderItemsTakeNewsTheyMissed()
{
    openPage(Total);
    // A name told while the participant's first lines are not on the page yet.
    emit m_Page.model()->contactNameChanged(MessageModel::cleanId(m_Page.peer), QStringLiteral("Bob <b>Stone</b>"));
    // A message placed first goes before the whole history, not amid it.
    emit m_Page.chat()->showAddUsersInfo();
    QCOMPARE(items(), MessageModel::ShownItems);
    while (hasOlder() && !QTest::currentTestFailed())
        scrollToTop();
    QCOMPARE(run(QStringLiteral("document.getElementById('messagelist').children[0].className")).toString(),
             QStringLiteral("system_msg"));
    const QStringList senders =
        run(QStringLiteral("Array.prototype.map.call(document.getElementsByClassName('sender'),"
                           " function(e) { return e.textContent; })"))
            .toStringList();
    const QString bob = QStringLiteral("Bob <b>Stone</b>");
    QCOMPARE(senders, QStringList({bob, bob, bob}));
    QCOMPARE(run(QStringLiteral("document.getElementsByTagName('b').length")).toInt(), 0);
}

void ChatPageTest::tooLongMessageShowsCutWithANotice()
{
    // One word of a million characters among short messages, the second-last on the page
    // and, after more history arrives, one that waits above it.
    openPage(3);
    const QString word = QString(1000000, QLatin1Char('w'));
    add(3, QStringLiteral("see ") + word);
    add(4, QStringLiteral("after"));
    QTRY_COMPARE(items(), 5);
    const QString contents = QStringLiteral(
        "Array.prototype.map.call(document.getElementsByClassName('remote_content'),"
        " function(e) { return e.textContent; })");
    QStringList shown = run(contents).toStringList();
    QCOMPARE(shown.size(), 5);
    QCOMPARE(shown.mid(0, 3), QStringList({"m0", "m1", "m2"}));
    QCOMPARE(shown.at(4), QString("after"));
    // The beginning, the ellipsis, and nothing more of it.
    const QString cut = shown.at(3);
    QCOMPARE(cut.size(), MessageModel::MaxShownCharacters + 1);
    QVERIFY(cut.startsWith(QStringLiteral("see wwww")));
    QCOMPARE(cut.back(), QChar(0x2026));
    // Right below it, a notice says so.
    const QString notice = run(QStringLiteral("document.getElementsByClassName('remote_content')[3]"
                                              ".nextElementSibling.textContent"))
                               .toString();
    QVERIFY2(notice.contains(QStringLiteral("too long")) && notice.contains(QLocale().toString(1000004)), qPrintable(notice));
    // The long word wraps inside the page: nothing scrolls sideways.
    QVERIFY(run(QStringLiteral("document.body.scrollWidth <= window.innerWidth")).toBool());

    // The same built for the top of the page when the user scrolls up to it.
    for (int i = 5; i < 5 + MessageModel::ShownItems; ++i)
        add(i);
    emit m_Page.chat()->modelReset();
    QTRY_COMPARE(items(), MessageModel::ShownItems);
    while (hasOlder() && !QTest::currentTestFailed())
        scrollToTop();
    shown = run(contents).toStringList();
    QCOMPARE(shown.size(), 5 + MessageModel::ShownItems);
    QCOMPARE(shown.at(3).size(), MessageModel::MaxShownCharacters + 1);
    QCOMPARE(shown.at(4), QString("after"));
    QCOMPARE(run(QStringLiteral("document.getElementsByClassName('system_msg').length")).toInt(), 1);
}

QTEST_MAIN(ChatPageTest)
#include "tst_chat_page.moc"
