#include <Kivo/ConfigContainer.h>
#include <Kivo/Configuration/BuiltinKey.h>

#include <Tesk/Bytes.h>
#include <Tesk/Core/Logging/RecordCapture.h>
#include <Tesk/Crypto/Blowfish.h>

#include <QtTest>

using Kivo::ConfigContainer;
using Tesk::Core::Logging::RecordCapture;

namespace {

QByteArray document(const QString& name, const QString& item5 = "true")
{
    return QStringLiteral("<configuration name=\"%1\"><item id=\"5\">%2</item></configuration>")
        .arg(name, item5)
        .toUtf8();
}

QByteArray encrypt(const QByteArray& plain, const QByteArray& key)
{
    Tesk::Crypto::Blowfish cipher;
    Tesk::Bytes keyBytes(key);
    if (!cipher.Initialize(keyBytes, Kivo::Configuration::BuiltinKeyMode))
        return QByteArray();
    return cipher.Encrypt(Tesk::Bytes(plain)).toByteArray();
}

QByteArray builtinKey()
{
    return QByteArray(reinterpret_cast<const char*>(Kivo::Configuration::BuiltinKey),
                      Kivo::Configuration::BuiltinKeyLength);
}

QByteArray encrypt(const QByteArray& plain)
{
    return encrypt(plain, builtinKey());
}

} // namespace

class TestConfigContainer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void findsConfigurationsInEveryFolder();
    void fileNamesCompareExactly();
    void corruptFileIsSkippedWithLogLine_data();
    void corruptFileIsSkippedWithLogLine();
    void firstFoundNameWins();
    void choosingConfiguration();
    void reloadKeepsObjectsOfRemainingConfigurations();
    void withoutDecryptorNothingIsRead();

private:
    void write(const QString& relativePath, const QByteArray& bytes);

    std::unique_ptr<QTemporaryDir> m_Root;
    Tesk::Crypto::Blowfish m_Decryptor;
    std::unique_ptr<ConfigContainer> m_Container;
};

void TestConfigContainer::init()
{
    m_Root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_Root->isValid());
    QDir root(m_Root->path());
    QVERIFY(root.mkpath("data") && root.mkpath("top/bin"));
    Tesk::Bytes key;
    key.Copy(Kivo::Configuration::BuiltinKey, Kivo::Configuration::BuiltinKeyLength);
    QVERIFY(m_Decryptor.Initialize(key, Kivo::Configuration::BuiltinKeyMode));
    m_Container = std::make_unique<ConfigContainer>();
    m_Container->setDecryptor(&m_Decryptor);
    m_Container->setSearchFolders({root.filePath("data"), root.filePath("top/bin"), root.filePath("top/bin/..")});
}

void TestConfigContainer::write(const QString& relativePath, const QByteArray& bytes)
{
    QFile file(m_Root->filePath(relativePath));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

void TestConfigContainer::findsConfigurationsInEveryFolder()
{
    write("data/config_user.xml", encrypt(document("User")));
    write("top/bin/config_b.xml", encrypt(document("Shipped B", "false")));
    write("top/bin/config_a.xml", encrypt(document("Shipped A")));
    write("top/config_above.xml", encrypt(document("Above")));
    QSignalSpy changed(m_Container.get(), &ConfigContainer::configsChanged);
    QSignalSpy current(m_Container.get(), &ConfigContainer::currentConfigChanged);

    m_Container->reloadConfigFiles();

    QCOMPARE(m_Container->configNames(), QStringList({"User", "Shipped A", "Shipped B", "Above"}));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(current.count(), 1);
    QCOMPARE(m_Container->currentConfig()->getName(), QStringLiteral("User"));
    const auto* shippedB = m_Container->config("Shipped B");
    QVERIFY(shippedB);
    QCOMPARE(shippedB->getPath(), QFileInfo(m_Root->filePath("top/bin/config_b.xml")).canonicalFilePath());
    QCOMPARE(shippedB->value(5).toBool(), false);
    QCOMPARE(m_Container->config("Above")->value(5).toBool(), true);
}

void TestConfigContainer::fileNamesCompareExactly()
{
    const QByteArray bytes = encrypt(document("Taken"));
    write("top/bin/config.xml", bytes);
    for (const char* name : {"Config_a.xml", "config_b.XML", "myconfig.xml", "config_c.xml.bak", "configxml"})
        write(QStringLiteral("top/bin/") + name, encrypt(document(name)));
    m_Container->reloadConfigFiles();
    QCOMPARE(m_Container->configNames(), QStringList({"Taken"}));
}

void TestConfigContainer::corruptFileIsSkippedWithLogLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("logText");
    const QString undecryptable = "skipped: it does not decrypt";
    const QString noConfiguration = "skipped: it is not a configuration";
    QTest::newRow("empty") << QByteArray() << undecryptable;
    QTest::newRow("plain text") << document("Plain") << undecryptable;
    QTest::newRow("cut short") << encrypt(document("Cut")).left(21) << undecryptable;
    // A wrong key is caught by the padding check, or now and then only by the parser.
    QTest::newRow("other key") << encrypt(document("Other"), QByteArray(56, 'k')) << "skipped: it ";
    QTest::newRow("not xml") << encrypt("just some words") << noConfiguration;
    QTest::newRow("broken xml") << encrypt(document("Broken").left(30)) << noConfiguration;
    QTest::newRow("too large") << encrypt(QByteArray(ConfigContainer::MaxFileSize + 1, ' ') + document("Big"))
                               << "refused: it is larger than";
}

void TestConfigContainer::corruptFileIsSkippedWithLogLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, logText);
    write("top/bin/config_bad.xml", bytes);
    write("top/bin/config_good.xml", encrypt(document("Good")));
    RecordCapture capture;

    m_Container->reloadConfigFiles();

    QCOMPARE(m_Container->configNames(), QStringList({"Good"}));
    const QString badPath = QFileInfo(m_Root->filePath("top/bin/config_bad.xml")).canonicalFilePath();
    QVERIFY2(capture.contains(badPath + " " + logText, Tesk::Core::Logging::LevelError),
             qPrintable(logText));
}

void TestConfigContainer::firstFoundNameWins()
{
    write("data/config_mine.xml", encrypt(document("Demo", "false")));
    write("top/bin/config_demo.xml", encrypt(document("Demo", "true")));
    RecordCapture capture;
    m_Container->reloadConfigFiles();
    QCOMPARE(m_Container->configNames(), QStringList({"Demo"}));
    QCOMPARE(m_Container->currentConfig()->value(5).toBool(), false);
    QVERIFY(capture.contains("skipped: the configuration Demo was read from"));
}

void TestConfigContainer::choosingConfiguration()
{
    write("top/bin/config_a.xml", encrypt(document("A")));
    write("top/bin/config_b.xml", encrypt(document("B")));
    m_Container->reloadConfigFiles();
    QSignalSpy current(m_Container.get(), &ConfigContainer::currentConfigChanged);

    QVERIFY(m_Container->setCurrentConfig("B"));
    QCOMPARE(m_Container->currentConfig()->getName(), QStringLiteral("B"));
    QVERIFY(m_Container->setCurrentConfig("B"));
    QCOMPARE(current.count(), 1);

    QVERIFY(!m_Container->setCurrentConfig("b"));
    QVERIFY(!m_Container->setCurrentConfig(QString()));
    QCOMPARE(m_Container->currentConfig()->getName(), QStringLiteral("B"));
    QCOMPARE(current.count(), 1);
}

void TestConfigContainer::reloadKeepsObjectsOfRemainingConfigurations()
{
    write("top/bin/config_a.xml", encrypt(document("A", "false")));
    write("top/bin/config_b.xml", encrypt(document("B")));
    m_Container->reloadConfigFiles();
    QVERIFY(m_Container->setCurrentConfig("B"));
    Kivo::Configuration::Config* a = m_Container->config("A");
    QPointer<Kivo::Configuration::Config> b = m_Container->config("B");

    write("top/bin/config_a.xml", encrypt(document("A", "true")));
    QVERIFY(QFile::remove(m_Root->filePath("top/bin/config_b.xml")));
    QSignalSpy current(m_Container.get(), &ConfigContainer::currentConfigChanged);
    m_Container->reloadConfigFiles();

    QCOMPARE(m_Container->configNames(), QStringList({"A"}));
    QCOMPARE(m_Container->config("A"), a);
    QVERIFY(a->value(5).toBool());
    // The chosen configuration is gone: the first one takes its place, the old object goes.
    QCOMPARE(current.count(), 1);
    QCOMPARE(m_Container->currentConfig(), a);
    QTRY_VERIFY(b.isNull());
}

void TestConfigContainer::withoutDecryptorNothingIsRead()
{
    write("top/bin/config_a.xml", encrypt(document("A")));
    ConfigContainer container;
    container.setSearchFolders({m_Root->filePath("top/bin")});
    RecordCapture capture;
    container.reloadConfigFiles();
    QVERIFY(container.configNames().isEmpty());
    QVERIFY(!container.currentConfig());
    QVERIFY(capture.contains("there is no decryptor", Tesk::Core::Logging::LevelError));
}

QTEST_GUILESS_MAIN(TestConfigContainer)
#include "tst_config_container.moc"
