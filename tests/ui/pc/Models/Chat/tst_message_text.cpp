// Other people's chat text in the chat page: the only markup is the page's own, whatever
// they type (these cases come from the chat text's fuzz target).

#include "Models/Chat/message_text.h"

#include <Kivo/Models/Smileys.h>

#include <QRegularExpression>
#include <QtTest>

class MessageTextTest : public QObject
{
    Q_OBJECT

private slots:
    void othersTextIsNeverMarkup_data();
    void othersTextIsNeverMarkup();
};

void MessageTextTest::othersTextIsNeverMarkup_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("links");
    QTest::addColumn<int>("pictures");
    QTest::newRow("emoticon marker inside a link") << QString("see http://x.org/") + QChar(0xE000) + "a now" << 1 << 0;
    QTest::newRow("emoticon after a link") << "see http://x.org/a :-)" << 1 << 1;
    QTest::newRow("tags") << "<img src=\"http://127.0.0.1:1/x\"> <b>b</b>" << 1 << 0;
    QTest::newRow("quote in a link") << "https://x.org/?q=\"><script>" << 1 << 0;
    QTest::newRow("typed link keys") << QString(QChar(0xF8F0)) + "0" + QChar(0xF8F1) + " www.x.org/" << 1 << 0;
}

void MessageTextTest::othersTextIsNeverMarkup()
{
    QFETCH(QString, text);
    QFETCH(int, links);
    QFETCH(int, pictures);
    const Kivo::Models::Smileys smileys;
    const QString html = Models::Chat::messageTextToHtml(text, smileys, true);
    // Every tag is one of the page's, and none opens inside another.
    const QRegularExpression tag("<([^<>]*)>");
    QString rest = html;
    rest.remove(tag);
    QVERIFY2(!rest.contains('<') && !rest.contains('>'), qPrintable(html));
    for (auto match = tag.globalMatch(html); match.hasNext();) {
        const QString inside = match.next().captured(1);
        QVERIFY2(inside.startsWith("a href=\"") || inside == "/a" || inside == "br/" || inside.startsWith("img class=\"smiley\""),
                 qPrintable(html));
    }
    QCOMPARE(html.count("<a href="), links);
    QCOMPARE(html.count("<img class=\"smiley\""), pictures);
}

QTEST_MAIN(MessageTextTest)

#include "tst_message_text.moc"
