#include <Kivo/Configuration/Config.h>

#include <QtTest>

using Kivo::Configuration::Config;

class TestConfig : public QObject
{
    Q_OBJECT

private slots:
    void readsItemsByNumber();
    void rejectsMalformedDocuments_data();
    void rejectsMalformedDocuments();
};

void TestConfig::readsItemsByNumber()
{
    const QByteArray xml = R"(<?xml version="1.0"?>
<configuration name=" Acme ">
  <item id="5">true</item>
  <item id="75">Blind</item>
  <item id="128"> false </item>
  <item id="394">60</item>
  <item id="393"><![CDATA[https://x.test/?a=1&b=2]]></item>
  <item id="72"><value language="en">+1 555</value><value language="de"/></item>
  <future>ignored</future>
</configuration>)";
    Config::Document document;
    QString error;
    QVERIFY2(Config::parse(xml, document, &error), qPrintable(error));
    Config config("/x/config_acme.xml", document);

    QCOMPARE(config.getName(), QStringLiteral("Acme"));
    QCOMPARE(config.getPath(), QStringLiteral("/x/config_acme.xml"));
    QCOMPARE(config.itemNumbers(), QList<int>({5, 72, 75, 128, 393, 394}));
    QVERIFY(config.value(5).toBool());
    QCOMPARE(config.value(75).toString(), QStringLiteral("Blind"));
    QVERIFY(!config.value(128).toBool());
    QCOMPARE(config.value(394).toInt(), 60);
    QCOMPARE(config.value(393).toString(), QStringLiteral("https://x.test/?a=1&b=2"));
    const QVariantList list = config.value(72).toList();
    QCOMPARE(list.size(), 2);
    QCOMPARE(list.at(0).toMap().value("language").toString(), QStringLiteral("en"));
    QCOMPARE(list.at(0).toMap().value("value").toString(), QStringLiteral("+1 555"));
    QCOMPARE(list.at(1).toMap().value("value").toString(), QString());
    // An absent item reads false, 0 or empty, never a stale value.
    QVERIFY(!config.value(6).isValid());
    QVERIFY(!config.value(6).toBool());
    QVERIFY(!config.contains(6));

    QSignalSpy changed(&config, &Config::configChanged);
    Config::Document next;
    next.name = "Acme";
    next.items.insert(6, "true");
    config.update("/y/config_acme.xml", next);
    QCOMPARE(changed.count(), 1);
    QVERIFY(config.value(6).toBool());
    QVERIFY(!config.contains(5));
    QCOMPARE(config.getPath(), QStringLiteral("/y/config_acme.xml"));
}

void TestConfig::rejectsMalformedDocuments_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not xml") << QByteArray("\x89PNG\r\n\x1a\n", 8);
    QTest::newRow("other root") << QByteArray(R"(<config name="a"><item id="1">x</item></config>)");
    QTest::newRow("no name") << QByteArray(R"(<configuration><item id="1">x</item></configuration>)");
    QTest::newRow("blank name") << QByteArray(R"(<configuration name="  "/>)");
    QTest::newRow("id not a number") << QByteArray(R"(<configuration name="a"><item id="x1">x</item></configuration>)");
    QTest::newRow("id missing") << QByteArray(R"(<configuration name="a"><item>x</item></configuration>)");
    QTest::newRow("negative id") << QByteArray(R"(<configuration name="a"><item id="-4">x</item></configuration>)");
    QTest::newRow("id twice") << QByteArray(R"(<configuration name="a"><item id="1">x</item><item id="1">y</item></configuration>)");
    QTest::newRow("unclosed") << QByteArray(R"(<configuration name="a"><item id="1">x</item>)");
    QTest::newRow("truncated item") << QByteArray(R"(<configuration name="a"><item id="1">x)");
    QTest::newRow("second root") << QByteArray(R"(<configuration name="a"/><configuration name="b"/>)");
}

void TestConfig::rejectsMalformedDocuments()
{
    QFETCH(QByteArray, xml);
    Config::Document document;
    document.name = "untouched";
    QString error;
    QVERIFY(!Config::parse(xml, document, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(document.name, QStringLiteral("untouched"));
}

QTEST_GUILESS_MAIN(TestConfig)
#include "tst_config.moc"
