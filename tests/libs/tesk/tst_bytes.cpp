#include <Tesk/Bytes.h>
#include <Tesk/Core/Logging/ApacheLogger.h>

#include <QtTest>

using Tesk::Bytes;

class TestBytes : public QObject
{
    Q_OBJECT

private slots:
    void copyOwnsUseViews();
    void nullAndEmpty();
    void caseInsensitiveAsciiCompare_data();
    void caseInsensitiveAsciiCompare();
};

void TestBytes::copyOwnsUseViews()
{
    char source[] = {'k', '\0', 'e', 'y'};
    Bytes copied;
    copied.Copy(reinterpret_cast<const unsigned char*>(source), 4);
    Bytes viewed;
    viewed.Use(source, 4);
    QCOMPARE(copied.Length(), 4);
    QVERIFY(copied == viewed);
    QVERIFY(viewed.Ptr() == reinterpret_cast<const unsigned char*>(source));

    source[0] = 'K';
    QCOMPARE(viewed.Ptr()[0], (unsigned char)'K');
    QCOMPARE(copied.Ptr()[0], (unsigned char)'k');
    QVERIFY(copied != viewed);
    // An owning copy survives its source.
    QCOMPARE(viewed.toByteArray(), QByteArray("K\0ey", 4));
}

void TestBytes::nullAndEmpty()
{
    Tesk::Core::Logging::RecordCapture capture;
    QVERIFY(Bytes().isNull());
    QVERIFY(Bytes().isEmpty());
    QVERIFY(!Bytes().Use("", 0).isNull());
    QVERIFY(Bytes().Use("", 0).isEmpty());
    QVERIFY(Bytes() == Bytes().Use("", 0));
    QCOMPARE(Bytes().Use("text", -1).Length(), 4);
    QVERIFY(Bytes().Use(nullptr, 3).isNull());
    QVERIFY(capture.records().isEmpty());

    QVERIFY(Bytes().Copy(static_cast<const char*>(nullptr), 5).isNull());
    QVERIFY(Bytes().Copy("abc", -1).isNull());
    QCOMPARE(capture.count(QStringLiteral("Refusing to copy"), 4), 2);
}

void TestBytes::caseInsensitiveAsciiCompare_data()
{
    QTest::addColumn<QByteArray>("left");
    QTest::addColumn<QByteArray>("right");
    QTest::addColumn<bool>("equal");
    QTest::newRow("same") << QByteArray("Sip") << QByteArray("Sip") << true;
    QTest::newRow("case differs") << QByteArray("SIP:Alice@Host") << QByteArray("sip:alice@host") << true;
    QTest::newRow("prefix") << QByteArray("sip") << QByteArray("sips") << false;
    QTest::newRow("past a zero byte") << QByteArray("a\0B", 3) << QByteArray("a\0c", 3) << false;
    QTest::newRow("non-ASCII stays exact") << QByteArray("\xc3\xa4") << QByteArray("\xc3\x84") << false;
    QTest::newRow("letters vs neighbours") << QByteArray("@[") << QByteArray("`{") << false;
    QTest::newRow("both empty") << QByteArray() << QByteArray("") << true;
}

void TestBytes::caseInsensitiveAsciiCompare()
{
    QFETCH(QByteArray, left);
    QFETCH(QByteArray, right);
    QFETCH(bool, equal);
    QCOMPARE(Bytes(left).caseInsensitiveAsciiCompare(Bytes(right)), equal);
    QCOMPARE(Bytes(right).caseInsensitiveAsciiCompare(Bytes(left)), equal);
}

QTEST_GUILESS_MAIN(TestBytes)
#include "tst_bytes.moc"
