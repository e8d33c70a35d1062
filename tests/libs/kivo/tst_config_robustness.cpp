// Configuration files that would stall the start-up: a pipe, an endless device and a
// document built to keep a parser busy. Each is skipped with its log line; the good one
// beside them is still read.

#include <Kivo/ConfigContainer.h>
#include <Kivo/Configuration/BuiltinKey.h>
#include <Kivo/Configuration/Config.h>

#include <Tesk/Bytes.h>
#include <Tesk/Core/Logging/RecordCapture.h>
#include <Tesk/Crypto/Blowfish.h>
#include <Tesk/Xml/Limits.h>
#include <Tesk/Xml/Parser.h>

#include <QtTest>

#include <sys/stat.h>

using Kivo::ConfigContainer;

namespace {

QByteArray encrypt(const QByteArray& plain)
{
    Tesk::Crypto::Blowfish cipher;
    Tesk::Bytes key;
    key.Copy(Kivo::Configuration::BuiltinKey, Kivo::Configuration::BuiltinKeyLength);
    if (!cipher.Initialize(key, Kivo::Configuration::BuiltinKeyMode))
        return QByteArray();
    return cipher.Encrypt(Tesk::Bytes(plain)).toByteArray();
}

QByteArray manyAttributes(int count)
{
    QByteArray value = "<value";
    for (int i = 0; i < count; ++i)
        value += " a" + QByteArray::number(i) + "=\"\"";
    return "<configuration name=\"Busy\"><item id=\"72\">" + value + ">x</value></item></configuration>";
}

QByteArray nested(int depth)
{
    return "<configuration name=\"Deep\"><item id=\"1\">" + QByteArray("<a>").repeated(depth)
        + QByteArray("</a>").repeated(depth) + "</item></configuration>";
}

} // namespace

class ConfigRobustnessTest : public QObject
{
    Q_OBJECT

private slots:
    void filesThatWouldStallStartUpAreSkipped_data();
    void filesThatWouldStallStartUpAreSkipped();
    void documentsPastTheLimitsAreRefused_data();
    void documentsPastTheLimitsAreRefused();
};

void ConfigRobustnessTest::filesThatWouldStallStartUpAreSkipped_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("logged");

    QTest::newRow("pipe") << "pipe" << "config_pipe.xml refused: it is a pipe";
    QTest::newRow("endless device") << "device" << "config_zero.xml refused: it is a device";
    QTest::newRow("90,000 attributes") << "attributes"
                                       << "config_busy.xml skipped: it is not a configuration (an element has "
                                          "more than 256 attributes)";
}

void ConfigRobustnessTest::filesThatWouldStallStartUpAreSkipped()
{
    QFETCH(QString, kind);
    QFETCH(QString, logged);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QDir dir(folder.path());
    if (kind == "pipe") {
        // Found through a link, as a pipe itself is no file to list.
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0600), 0);
        QVERIFY(QFile::link(dir.filePath("pipe"), dir.filePath("config_pipe.xml")));
    } else if (kind == "device") {
        QVERIFY(QFile::link("/dev/zero", dir.filePath("config_zero.xml")));
    } else {
        QFile busy(dir.filePath("config_busy.xml"));
        QVERIFY(busy.open(QIODevice::WriteOnly));
        busy.write(encrypt(manyAttributes(90000)));
    }
    QFile good(dir.filePath("config_good.xml"));
    QVERIFY(good.open(QIODevice::WriteOnly));
    good.write(encrypt("<configuration name=\"Good\"><item id=\"5\">true</item></configuration>"));
    good.close();

    Tesk::Crypto::Blowfish decryptor;
    Tesk::Bytes key;
    key.Copy(Kivo::Configuration::BuiltinKey, Kivo::Configuration::BuiltinKeyLength);
    QVERIFY(decryptor.Initialize(key, Kivo::Configuration::BuiltinKeyMode));
    ConfigContainer container;
    container.setDecryptor(&decryptor);
    container.setSearchFolders({folder.path()});
    Tesk::Core::Logging::RecordCapture logs;
    container.reloadConfigFiles();

    QVERIFY2(logs.contains(logged, 4), qPrintable(logged));
    QCOMPARE(container.configNames(), QStringList{"Good"});
}

void ConfigRobustnessTest::documentsPastTheLimitsAreRefused_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QString>("refusal");

    QTest::newRow("attributes at the limit") << manyAttributes(256) << QString();
    QTest::newRow("one attribute past") << manyAttributes(257) << "an element has more than 256 attributes";
    QTest::newRow("nested to the limit") << nested(62) << QString();
    QTest::newRow("one level past") << nested(63) << "elements are nested deeper than 64";
    // Signs and brackets inside quotes, comments, sections and declarations are no markup.
    QTest::newRow("markup in quotes") << QByteArray("<!DOCTYPE configuration [<!ENTITY e \"a=b>\">]>"
                                                    "<configuration name=\"x=y>&gt;\"><!-- <a b=1 c=2> -->"
                                                    "<item id='1'><![CDATA[<a b=\"1\">]]></item></configuration>")
                                      << QString();
}

void ConfigRobustnessTest::documentsPastTheLimitsAreRefused()
{
    QFETCH(QByteArray, document);
    QFETCH(QString, refusal);

    QString error;
    Kivo::Configuration::Config::Document parsed;
    const bool read = Kivo::Configuration::Config::parse(document, parsed, &error);
    QCOMPARE(read, refusal.isEmpty());
    if (!read)
        QCOMPARE(error, refusal);

    // The toolkit's reader keeps the same limits, with a logged line.
    Tesk::Core::Logging::RecordCapture logs;
    const Tesk::Xml::Element root = Tesk::Xml::Parser::parse(Tesk::Bytes(document));
    QCOMPARE(root.isNull(), !refusal.isEmpty());
    if (!refusal.isEmpty())
        QVERIFY(logs.contains("XML document refused: " + refusal, 4));
}

QTEST_GUILESS_MAIN(ConfigRobustnessTest)
#include "tst_config_robustness.moc"
