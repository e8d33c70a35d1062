// The files the program keeps: a full disk loses none of them, and what stands in their
// place at start-up (a pipe, a device, a link) neither holds the program nor is written
// through.

#include "Utils/registry.h"
#include "application.h"
#include "support/program_copy.h"
#include "support/test_environment.h"

#include <Kivo/ConfigContainer.h>
#include <Kivo/Configuration/BuiltinKey.h>
#include <Kivo/Configuration/Config.h>
#include <Kivo/Settings.h>
#include <Kivo/Utils/Credentials/CredentialsManager.h>
#include <Tesk/Bytes.h>
#include <Tesk/Crypto/Blowfish.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryFile>
#include <QtTest>

#include <csignal>
#include <functional>
#include <memory>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Files may grow no further than `bytes` while it lives: what a nearly full disk does to a
// write. A write past the limit fails with EFBIG instead of ending the process.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_Previous);
        m_PreviousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_Previous;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_Previous);
        std::signal(SIGXFSZ, m_PreviousHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_Previous = {};
    void (*m_PreviousHandler)(int) = SIG_DFL;
};

// One kind of stored file: where it lives, how the program writes a value into it (made
// ready first, then done) and how it reads the value back.
struct StoredKind
{
    using Write = std::function<bool()>;
    std::function<QString(const QString& dataPath)> file;
    std::function<Write(const QString& file, const QString& value)> prepareWrite;
    std::function<QString(const QString& file)> read;

    bool write(const QString& path, const QString& value) const { return prepareWrite(path, value)(); }
};

QString configurationDocument(const QString& value)
{
    return QString("<configuration name=\"%1\"><item id=\"5\">true</item></configuration>").arg(value);
}

StoredKind settingsKind(Kivo::Settings::SettingsType type)
{
    return {[type](const QString&) { return Kivo::Settings::filePathFor(type); },
            [type](const QString&, const QString& value) {
                return [type, value] {
                    Kivo::Settings settings(type);
                    settings.setValue("settings/note", value);
                    settings.sync();
                    return settings.status() == QSettings::NoError;
                };
            },
            [type](const QString&) { return Kivo::Settings(type).value("settings/note").toString(); }};
}

StoredKind credentialsKind()
{
    return {[](const QString& dataPath) { return dataPath + "/credentials.dat"; },
            [](const QString& file, const QString& value) {
                return [file, value] {
                    Kivo::Utils::Credentials::CredentialsManager credentials;
                    credentials.load(file);
                    credentials.setLastLoginUsername(value);
                    return true;
                };
            },
            [](const QString& file) {
                Kivo::Utils::Credentials::CredentialsManager credentials;
                credentials.load(file);
                return credentials.lastLoginUsername();
            }};
}

StoredKind registryKind()
{
    return {[](const QString&) { return Utils::Registry::filePath(); },
            [](const QString&, const QString& value) {
                return [value] { return Utils::Registry("HKEY_CURRENT_USER\\Software\\Telvarion").setValue("Note", value); };
            },
            [](const QString&) { return Utils::Registry("HKEY_CURRENT_USER\\Software\\Telvarion").value("Note"); }};
}

StoredKind configurationKind()
{
    return {[](const QString& dataPath) { return dataPath + "/config_test.xml"; },
            [](const QString& file, const QString& value) -> StoredKind::Write {
                // The document comes in a file of its own, written while there is room.
                auto source = std::make_shared<QTemporaryFile>();
                if (!source->open() || source->write(configurationDocument(value).toUtf8()) < 0 || !source->flush())
                    return [] { return false; };
                return [file, source] {
                    QFile target(file);
                    bool ok = false;
                    Kivo::Configuration::Config::FileConfig(target, *source, false, &ok);
                    return ok;
                };
            },
            [](const QString& file) {
                Tesk::Crypto::Blowfish decryptor;
                Tesk::Bytes key;
                key.Copy(Kivo::Configuration::BuiltinKey, Kivo::Configuration::BuiltinKeyLength);
                decryptor.Initialize(key, Kivo::Configuration::BuiltinKeyMode);
                Kivo::ConfigContainer container;
                container.setDecryptor(&decryptor);
                container.setSearchFolders({QFileInfo(file).absolutePath()});
                container.reloadConfigFiles();
                return container.configNames().value(0);
            }};
}

StoredKind kindNamed(const QString& name)
{
    if (name == "application settings")
        return settingsKind(Kivo::Settings::ApplicationSettings);
    if (name == "user settings")
        return settingsKind(Kivo::Settings::UserSettings);
    if (name == "credentials")
        return credentialsKind();
    if (name == "registry")
        return registryKind();
    return configurationKind();
}

QStringList leftoversBeside(const QString& file)
{
    return QDir(QFileInfo(file).absolutePath())
        .entryList({"." + QFileInfo(file).fileName() + "*"}, QDir::Files | QDir::Hidden | QDir::System);
}

} // namespace

class StoredFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void aFullDiskLosesNothing_data();
    void aFullDiskLosesNothing();
    void onlyRegularFilesAreRead_data();
    void onlyRegularFilesAreRead();
    void startUpGoesPastWhatStandsInPlaceOfItsFiles_data();
    void startUpGoesPastWhatStandsInPlaceOfItsFiles();

private:
    std::unique_ptr<TestSupport::Environment> m_Environment;
    QByteArray m_PreviousRegistry;
};

void StoredFilesTest::init()
{
    m_Environment = std::make_unique<TestSupport::Environment>();
    m_PreviousRegistry = qgetenv("TELVARION_REGISTRY_FILE");
    qputenv("TELVARION_REGISTRY_FILE", QFile::encodeName(m_Environment->dataPath() + "/registry.ini"));
}

void StoredFilesTest::cleanup()
{
    qputenv("TELVARION_REGISTRY_FILE", m_PreviousRegistry);
    m_Environment.reset();
}

void StoredFilesTest::aFullDiskLosesNothing_data()
{
    QTest::addColumn<QString>("kind");
    for (const char* kind : {"application settings", "user settings", "credentials", "registry", "configuration"})
        QTest::newRow(kind) << QString(kind);
}

void StoredFilesTest::aFullDiskLosesNothing()
{
    QFETCH(QString, kind);
    const StoredKind stored = kindNamed(kind);
    const QString file = stored.file(m_Environment->dataPath());
    QVERIFY(stored.write(file, "the first note"));
    const QByteArray whole = contentsOf(file);
    QVERIFY(!whole.isEmpty());

    // No room at all, then room for a part of the new file, then for most of it.
    const QString longer = QString("a much longer note ").repeated(40);
    for (const rlim_t room : {rlim_t(0), rlim_t(whole.size() / 2), rlim_t(whole.size() + longer.size() / 2)}) {
        const StoredKind::Write write = stored.prepareWrite(file, longer);
        {
            FileSizeLimit limit(room);
            write();
        }
        QCOMPARE(contentsOf(file), whole);
        QVERIFY2(m_Environment->logs().contains("not written", 4), qPrintable(QString("room for %1 bytes").arg(room)));
        QCOMPARE(leftoversBeside(file), QStringList());
    }

    // Room again: the next write goes through.
    QVERIFY(stored.write(file, "the last note"));
    QCOMPARE(stored.read(file), QString("the last note"));
}

void StoredFilesTest::onlyRegularFilesAreRead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("entry");
    for (const char* kind : {"application settings", "user settings", "credentials", "registry"}) {
        for (const char* entry : {"pipe", "link to a device", "link to a file"})
            QTest::addRow("%s, %s", kind, entry) << QString(kind) << QString(entry);
    }
}

void StoredFilesTest::onlyRegularFilesAreRead()
{
    QFETCH(QString, kind);
    QFETCH(QString, entry);
    const StoredKind stored = kindNamed(kind);
    const QString file = stored.file(m_Environment->dataPath());
    QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()));

    // The target's contents, as the program would have written them.
    const QString target = m_Environment->dataPath() + "/elsewhere";
    QVERIFY(stored.write(file, "kept elsewhere"));
    QVERIFY(QFile::rename(file, target));
    const QByteArray targetContents = contentsOf(target);

    if (entry == "pipe")
        QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    else
        QVERIFY(QFile::link(entry == "link to a device" ? "/dev/zero" : target, file));

    // A pipe would hold the reader for ever, a device feed it for ever.
    const QString read = stored.read(file);
    if (entry == "link to a file") {
        QCOMPARE(read, QString("kept elsewhere"));
    } else {
        QCOMPARE(read, QString());
        QVERIFY(m_Environment->logs().contains("refused", 4));
    }

    // Written in place of the entry, never through it.
    QVERIFY(stored.write(file, "written here"));
    QCOMPARE(stored.read(file), QString("written here"));
    QVERIFY(QFileInfo(file).isFile() && !QFileInfo(file).isSymLink());
    QCOMPARE(contentsOf(target), targetContents);
}

void StoredFilesTest::startUpGoesPastWhatStandsInPlaceOfItsFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("entry");
    QTest::newRow("credentials pipe") << "credentials.dat" << "pipe";
    QTest::newRow("credentials endless") << "credentials.dat" << "/dev/zero";
    QTest::newRow("settings pipe") << "application_setting.ini" << "pipe";
}

void StoredFilesTest::startUpGoesPastWhatStandsInPlaceOfItsFiles()
{
    QFETCH(QString, file);
    QFETCH(QString, entry);
    TestSupport::ProgramCopy copy(TEST_PROGRAM_DIR, TEST_PROGRAM, TEST_SHIPPED_SETTINGS);
    QVERIFY(copy.isValid());
    QVERIFY(QDir().mkpath(copy.path("data")));
    const QString path = copy.path("data/" + file);
    if (entry == "pipe")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else
        QVERIFY(QFile::link(entry, path));

    QProcessEnvironment environment = copy.environment();
    environment.insert("TESK_LOG_STDERR", "1");
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(copy.program(), QStringList());
    QString output;
    QTRY_VERIFY_WITH_TIMEOUT((output += QString::fromUtf8(program.readAllStandardError()))
                                     .contains("Application initialization is complete")
                                 || program.state() == QProcess::NotRunning,
                             60000);
    program.kill();
    program.waitForFinished(30000);
    QVERIFY2(output.contains("Application initialization is complete"), qPrintable(output.right(2000)));
    QVERIFY(output.contains(file + " refused"));
}

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    StoredFilesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_stored_files.moc"
