#include <Kivo/Models/Smileys.h>

#include <QImage>
#include <QtTest>

using Kivo::Models::Smileys;

class SmileysTest : public QObject
{
    Q_OBJECT

private slots:
    void emoticonsBecomePictures_data();
    void emoticonsBecomePictures();
    void pictureNamesItsEmoticon();
};

void SmileysTest::emoticonsBecomePictures_data()
{
    QTest::addColumn<QString>("text");
    // The text after both steps, with each picture written as [name].
    QTest::addColumn<QString>("shown");

    QTest::newRow("word of its own") << ":) hi" << "[smile] hi";
    QTest::newRow("long form first") << "ok :-) ok" << "ok [smile] ok";
    QTest::newRow("before a full stop") << "done :D." << "done [grin].";
    QTest::newRow("two in a row") << ":):(" << "[smile][sad]";
    QTest::newRow("inside a word") << "a:)b" << "a:)b";
    QTest::newRow("inside a web address") << "see http://a/:/ now" << "see http://a/:/ now";
    QTest::newRow("inside a www address") << "www.example.com/:P" << "www.example.com/:P";
    QTest::newRow("after a web address") << "http://a/ :/" << "http://a/ [confused]";
    QTest::newRow("heart") << "<3" << "[heart]";
    QTest::newRow("typed marker") << QString("x") + QChar(0xE000) << QString("x") + QChar(QChar::ReplacementCharacter);
}

void SmileysTest::emoticonsBecomePictures()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);

    Smileys smileys;
    const QString marked = smileys.replaceSmileysWithUid(text);
    QString html = smileys.replaceUidsWithImgs(marked, 16, 16);
    static const QRegularExpression picture(QStringLiteral("<img class=\"smiley\" src=\"qrc:/kivo/smileys/\\w+_16.png\" "
                                                           "width=\"16\" height=\"16\" alt=\"[^\"]*\" title=\"(\\w+)\"/>"));
    html.replace(picture, QStringLiteral("[\\1]"));
    QCOMPARE(html, shown);
}

void SmileysTest::pictureNamesItsEmoticon()
{
    Smileys smileys;
    const QString html = smileys.replaceUidsWithImgs(smileys.replaceSmileysWithUid(":'( <3"), 20, 20);
    // Quotes and brackets of a code never break out of the attribute.
    QVERIFY(html.contains("alt=\":'(\""));
    QVERIFY(html.contains("alt=\"&lt;3\""));
    QCOMPARE(smileys.rowCount(), 11);
    // Every emoticon's picture is one shared resource of the size asked for, never a copy
    // inside the text.
    for (int row = 0; row < smileys.rowCount(); ++row) {
        const QString url = smileys.index(row).data(Smileys::ImageRole).toString();
        QVERIFY2(url.startsWith("qrc:/kivo/smileys/"), qPrintable(url));
        QCOMPARE(QImage(url.mid(3)).size(), QSize(24, 24));
        QCOMPARE(QImage(smileys.imageUrl(row, 16).mid(3)).size(), QSize(16, 16));
    }
    QVERIFY(!html.contains("base64"));
    QCOMPARE(smileys.index(0).data(Smileys::CodeRole).toString(), QString(":-)"));
}

QTEST_GUILESS_MAIN(SmileysTest)
#include "tst_smileys.moc"
