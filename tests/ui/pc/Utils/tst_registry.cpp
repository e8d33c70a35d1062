#include "Utils/registry.h"
#include "Utils/url_protocol.h"
#include "support/test_environment.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The registry file must read back in the plug-in's format: one section per key by native
// path, quoted values with \" and \\ escapes, the default value under "@".
class RegistryTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void writesTheSharedFileFormat();
    void readsCaseInsensitivelyAndRemovesSubtrees();
    void readsHandWrittenFile();
    void registersUrlScheme();
    void unregistersUrlScheme();
    void clientPathVariable_data();
    void clientPathVariable();

private:
    QString fileText() const;

    QScopedPointer<QTemporaryDir> m_Folder;
};

void RegistryTest::init()
{
    m_Folder.reset(new QTemporaryDir);
    qputenv("TELVARION_REGISTRY_FILE", m_Folder->filePath("registry.ini").toUtf8());
    qputenv("XDG_DATA_HOME", m_Folder->filePath("share").toUtf8());
}

void RegistryTest::cleanup()
{
    qunsetenv("TELVARION_REGISTRY_FILE");
    qunsetenv("XDG_DATA_HOME");
}

QString RegistryTest::fileText() const
{
    QFile file(Utils::Registry::filePath());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void RegistryTest::writesTheSharedFileFormat()
{
    TestSupport::Environment env;
    Utils::Registry key("HKEY_LOCAL_MACHINE\\SOFTWARE\\Marlowane\\InstalledBrandedQOMX\\");
    QVERIFY(key.setValue("ProductName", "Tavoro \"Desktop\" C:\\x"));
    QVERIFY(key.setValue("Default", "main"));

    const QString text = fileText();
    QVERIFY2(text.contains("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Marlowane\\InstalledBrandedQOMX]\n"), qPrintable(text));
    QVERIFY2(text.contains("ProductName=\"Tavoro \\\"Desktop\\\" C:\\\\x\"\n"), qPrintable(text));
    QVERIFY2(text.contains("@=\"main\"\n"), qPrintable(text));
    QCOMPARE(key.value("ProductName"), QString("Tavoro \"Desktop\" C:\\x"));
    QCOMPARE(key.value("default"), QString("main"));
}

void RegistryTest::readsCaseInsensitivelyAndRemovesSubtrees()
{
    TestSupport::Environment env;
    Utils::Registry("HKEY_CLASSES_ROOT\\qomx").setValue("URL Protocol", "");
    Utils::Registry("HKEY_CLASSES_ROOT\\qomx\\shell\\open\\command").setValue("Default", "x");
    Utils::Registry("HKEY_CLASSES_ROOT\\qomxother").setValue("Default", "keep");

    const Utils::Registry upper("hkey_classes_root\\QOMX");
    QVERIFY(upper.contains("url protocol"));
    QVERIFY(!upper.contains("missing"));
    QCOMPARE(Utils::Registry("HKEY_CLASSES_ROOT").childKeys(), QStringList({"qomx", "qomxother"}));

    QVERIFY(Utils::Registry("HKEY_CLASSES_ROOT").remove("qomx"));
    QVERIFY(!Utils::Registry("HKEY_CLASSES_ROOT\\qomx").contains("URL Protocol"));
    QVERIFY(Utils::Registry("HKEY_CLASSES_ROOT\\qomx\\shell\\open\\command").value("Default").isEmpty());
    QCOMPARE(Utils::Registry("HKEY_CLASSES_ROOT\\qomxother").value("Default"), QString("keep"));
}

void RegistryTest::readsHandWrittenFile()
{
    TestSupport::Environment env;
    QFile file(Utils::Registry::filePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("; comment\r\n[HKEY_CURRENT_USER\\Software\\A]\r\n  Name = plain  \r\nName=\"second\"\r\n"
               "[broken\r\nOther=\"in no key\"\r\n= no name\r\n");
    file.close();

    QCOMPARE(Utils::Registry("HKEY_CURRENT_USER\\Software\\A").value("name"), QString("second"));
    QVERIFY(!Utils::Registry("broken").contains("Other"));
    // Rewriting keeps what was readable.
    QVERIFY(Utils::Registry("HKEY_CURRENT_USER\\Software\\B").setValue("X", "1"));
    QCOMPARE(Utils::Registry("HKEY_CURRENT_USER\\Software\\A").value("Name"), QString("second"));
}

void RegistryTest::registersUrlScheme()
{
    TestSupport::Environment env;
    const QString program = "/opt/Telvarion Demo/Telvarion";
    Utils::UrlProtocol::registerUrlProtocol(true, "QOMX", "qomx", program);

    const Utils::Registry scheme("HKEY_CLASSES_ROOT\\qomx");
    QCOMPARE(scheme.value("Default"), QString("URL:QOMX Protocol"));
    QVERIFY(scheme.contains("URL Protocol"));
    QCOMPARE(scheme.value("URL Protocol"), QString());
    QCOMPARE(Utils::Registry("HKEY_CLASSES_ROOT\\qomx\\DefaultIcon").value("Default"), QString("Telvarion,1"));
    QCOMPARE(Utils::Registry("HKEY_CLASSES_ROOT\\qomx\\shell\\open\\command").value("Default"),
             QString("\"/opt/Telvarion Demo/Telvarion\" --%l"));

    QFile entry(m_Folder->filePath("share/applications/telvarion-qomx-handler.desktop"));
    QVERIFY(entry.open(QIODevice::ReadOnly));
    const QByteArray desktop = entry.readAll();
    QVERIFY(desktop.contains("MimeType=x-scheme-handler/qomx;"));
    QVERIFY(desktop.contains("Exec=\"/opt/Telvarion Demo/Telvarion\" --%u"));

    // A moved installation rewrites the command.
    Utils::UrlProtocol::registerUrlProtocol(true, "QOMX", "qomx", "/srv/Telvarion");
    QCOMPARE(Utils::Registry("HKEY_CLASSES_ROOT\\qomx\\shell\\open\\command").value("Default"),
             QString("\"/srv/Telvarion\" --%l"));

    // Characters the Exec line reserves stay part of the one program argument.
    Utils::UrlProtocol::registerUrlProtocol(true, "QOMX", "qomx", "/srv/100% \"$x\"/Telvarion");
    QFile moved(entry.fileName());
    QVERIFY(moved.open(QIODevice::ReadOnly));
    QVERIFY2(moved.readAll().contains("Exec=\"/srv/100%% \\\\\"\\\\$x\\\\\"/Telvarion\" --%u\n"),
             "escaped program path");
}

void RegistryTest::unregistersUrlScheme()
{
    TestSupport::Environment env;
    Utils::UrlProtocol::registerUrlProtocol(true, "QOMX", "qomx", "/srv/Telvarion");
    Utils::UrlProtocol::registerUrlProtocol(false, "QOMX", "qomx", "/srv/Telvarion");
    QVERIFY(Utils::Registry("HKEY_CLASSES_ROOT").childKeys().isEmpty());
    QVERIFY(!QFile::exists(m_Folder->filePath("share/applications/telvarion-qomx-handler.desktop")));
}

void RegistryTest::clientPathVariable_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("machine");
    QTest::addColumn<QString>("expectedUser");
    QTest::addColumn<QString>("expectedMachine");

    const QString exe = "/srv/Telvarion";
    QTest::newRow("fresh machine") << "" << "" << exe << "";
    QTest::newRow("user holds old path") << "/old/Telvarion" << "/machine/Telvarion" << exe << "/machine/Telvarion";
    QTest::newRow("user already right") << exe << "/other" << exe << "/other";
    QTest::newRow("machine holds another path") << "" << "/old/Telvarion" << "" << exe;
    QTest::newRow("machine already right") << "" << exe << "" << exe;
}

void RegistryTest::clientPathVariable()
{
    QFETCH(QString, user);
    QFETCH(QString, machine);
    QFETCH(QString, expectedUser);
    QFETCH(QString, expectedMachine);
    TestSupport::Environment env;
    Utils::Registry userKey(Utils::UrlProtocol::UserEnvironmentKey);
    Utils::Registry machineKey(Utils::UrlProtocol::MachineEnvironmentKey);
    if (!user.isEmpty())
        userKey.setValue(Utils::UrlProtocol::ClientPathVariable, user);
    if (!machine.isEmpty())
        machineKey.setValue(Utils::UrlProtocol::ClientPathVariable, machine);

    Utils::UrlProtocol::setClientPathVariable("/srv/Telvarion");

    QCOMPARE(userKey.value(Utils::UrlProtocol::ClientPathVariable), expectedUser);
    QCOMPARE(machineKey.value(Utils::UrlProtocol::ClientPathVariable), expectedMachine);
}

QTEST_GUILESS_MAIN(RegistryTest)
#include "tst_registry.moc"
