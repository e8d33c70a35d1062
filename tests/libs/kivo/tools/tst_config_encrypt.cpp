#include <Kivo/ConfigContainer.h>
#include <Kivo/Configuration/BuiltinKey.h>

#include <Tesk/Bytes.h>
#include <Tesk/Crypto/Blowfish.h>

#include <QtTest>

class TestConfigEncrypt : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void outputDecryptsBack();
    void brokenSourceFailsWithoutOutput();
    void shippedDemoConfigurationReads();

private:
    int run(const QString& input, const QString& output);

    std::unique_ptr<QTemporaryDir> m_Dir;
    Tesk::Crypto::Blowfish m_Decryptor;
};

void TestConfigEncrypt::init()
{
    m_Dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_Dir->isValid());
    Tesk::Bytes key;
    key.Copy(Kivo::Configuration::BuiltinKey, Kivo::Configuration::BuiltinKeyLength);
    QVERIFY(m_Decryptor.Initialize(key, Kivo::Configuration::BuiltinKeyMode));
}

int TestConfigEncrypt::run(const QString& input, const QString& output)
{
    QProcess tool;
    tool.start(QStringLiteral(KIVO_CONFIG_ENCRYPT), {input, output});
    if (!tool.waitForFinished(-1))
        return -1;
    return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
}

void TestConfigEncrypt::outputDecryptsBack()
{
    const QByteArray plain = "<configuration name=\"Tool\"><item id=\"394\">60</item></configuration>\n";
    QFile source(m_Dir->filePath("plain.xml"));
    QVERIFY(source.open(QIODevice::WriteOnly));
    source.write(plain);
    source.close();

    const QString output = m_Dir->filePath("config_tool.xml");
    QCOMPARE(run(source.fileName(), output), 0);
    QFile encrypted(output);
    QVERIFY(encrypted.open(QIODevice::ReadOnly));
    const QByteArray bytes = encrypted.readAll();
    QVERIFY(!bytes.contains("configuration"));
    QCOMPARE(m_Decryptor.Decrypt(Tesk::Bytes(bytes)).toByteArray(), plain);

    Kivo::ConfigContainer container;
    container.setDecryptor(&m_Decryptor);
    container.setSearchFolders({m_Dir->path()});
    container.reloadConfigFiles();
    QCOMPARE(container.configNames(), QStringList({"Tool"}));
    QCOMPARE(container.currentConfig()->value(394).toInt(), 60);
}

void TestConfigEncrypt::brokenSourceFailsWithoutOutput()
{
    QFile source(m_Dir->filePath("plain.xml"));
    QVERIFY(source.open(QIODevice::WriteOnly));
    source.write("<configuration name=\"Broken\"><item id=\"x\">1</item></configuration>");
    source.close();
    const QString output = m_Dir->filePath("config_broken.xml");
    QVERIFY(run(source.fileName(), output) != 0);
    QVERIFY(!QFile::exists(output));
    QVERIFY(run(m_Dir->filePath("missing.xml"), output) != 0);
}

void TestConfigEncrypt::shippedDemoConfigurationReads()
{
    Kivo::ConfigContainer container;
    container.setDecryptor(&m_Decryptor);
    container.setSearchFolders({QStringLiteral(TELVARION_PROGRAM_DIR)});
    container.reloadConfigFiles();
    QVERIFY(container.configNames().contains("Telvarion Demo"));
    const auto* demo = container.config("Telvarion Demo");
    QCOMPARE(demo->value(75).toString(), QStringLiteral("talk-first"));
    QVERIFY(!demo->value(128).toString().isEmpty());
}

QTEST_GUILESS_MAIN(TestConfigEncrypt)
#include "tst_config_encrypt.moc"
