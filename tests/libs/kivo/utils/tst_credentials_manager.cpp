#include "support/fake_secret_store.h"

#include <Kivo/Utils/Credentials/CredentialsManager.h>
#include <Tesk/Core/Logging/RecordCapture.h>

#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using Kivo::Utils::Credentials::CredentialsData;
using Kivo::Utils::Credentials::CredentialsManager;
using Kivo::Utils::Credentials::UserCredentials;
using TestSupport::FileSecretStore;

namespace {

constexpr int Basic = CredentialsManager::Basic;
constexpr int Service = CredentialsManager::DeviceManagement;

UserCredentials user(const QString& name, const QString& password, const QString& servicePassword = QString())
{
    UserCredentials credentials(name);
    CredentialsData data(name);
    data.setPassword(password);
    data.setDmUrl("https://dm.example.test");
    credentials.setData(Basic, data);
    if (!servicePassword.isEmpty()) {
        CredentialsData service(name);
        service.setPassword(servicePassword);
        credentials.setData(Service, service);
    }
    return credentials;
}

QString password(const CredentialsManager& manager, const QString& name, int type = Basic)
{
    UserCredentials found;
    return manager.getCredentials(type, name, found) ? found.getData(type).getPassword() : QStringLiteral("<none>");
}

} // namespace

// What the credentials manager keeps for the next start: users and the last user name in
// its file, passwords only in the secret store and only for users who asked for it.
class CredentialsManagerTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void usersAndLastNameOutliveARestartWithoutTheirPasswords();
    void keptPasswordsComeBackFromTheSecretStore();
    void changedPasswordOfAKeptUserIsKeptAsChanged();
    void withoutSecretStoreOnlyTheUserNameIsKept();
    void unreadableFileIsSetAsideAndStartsEmpty();
    void desktopStoreWithoutSecretServiceIsUnavailable();

private:
    std::unique_ptr<CredentialsManager> restarted();
    QString fileText() const;

    std::unique_ptr<QTemporaryDir> m_Folder;
    QString m_File;
    QString m_Secrets;
};

void CredentialsManagerTest::init()
{
    m_Folder = std::make_unique<QTemporaryDir>();
    m_File = m_Folder->filePath("credentials.dat");
    m_Secrets = m_Folder->filePath("secrets.ini");
    FileSecretStore::install(m_Secrets);
}

void CredentialsManagerTest::cleanup()
{
    FileSecretStore::uninstall();
    m_Folder.reset();
}

std::unique_ptr<CredentialsManager> CredentialsManagerTest::restarted()
{
    auto manager = std::make_unique<CredentialsManager>();
    manager->load(m_File);
    return manager;
}

QString CredentialsManagerTest::fileText() const
{
    QFile file(m_File);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void CredentialsManagerTest::usersAndLastNameOutliveARestartWithoutTheirPasswords()
{
    {
        CredentialsManager manager;
        QVERIFY(manager.load(m_File));
        manager.updateCredentials(user("alice@demo.test", "Alice-Secret-1"));
        manager.updateCredentials(user("bob@demo.test", "Bob-Secret-2"));
        manager.setLastLoginUsername(" bob ");
        // Bob did not ask to keep his password.
        manager.keepPasswords("bob@demo.test", false);
    }
    QVERIFY(!fileText().contains("Secret"));
    QVERIFY(!QFile::exists(m_Secrets));

    const auto manager = restarted();
    QCOMPARE(manager->lastLoginUsername(), QString("bob"));
    QCOMPARE(manager->getUserCredentials(Basic).size(), 2);
    UserCredentials alice;
    QVERIFY(manager->getCredentials(Basic, "ALICE@demo.test", alice));
    QCOMPARE(alice.getData(Basic).getDmUrl(), QString("https://dm.example.test"));
    QCOMPARE(password(*manager, "alice@demo.test"), QString());
    QVERIFY(!manager->keepsPasswords("bob@demo.test"));
}

void CredentialsManagerTest::keptPasswordsComeBackFromTheSecretStore()
{
    {
        CredentialsManager manager;
        manager.load(m_File);
        manager.updateCredentials(user("alice@demo.test", "Alice-Secret-1", "Service-Secret-3"));
        manager.keepPasswords("alice@demo.test", true);
    }
    QVERIFY(!fileText().contains("Secret"));
    {
        const auto manager = restarted();
        QVERIFY(manager->keepsPasswords("alice@demo.test"));
        QCOMPARE(password(*manager, "alice@demo.test"), QString("Alice-Secret-1"));
        QCOMPARE(password(*manager, "alice@demo.test", Service), QString("Service-Secret-3"));
        // The user changes her mind: the store gives the passwords up.
        manager->keepPasswords("alice@demo.test", false);
    }
    QCOMPARE(FileSecretStore::held(m_Secrets, "alice@demo.test/0"), QString());
    QCOMPARE(FileSecretStore::held(m_Secrets, "alice@demo.test/2"), QString());
    QCOMPARE(password(*restarted(), "alice@demo.test"), QString());
}

void CredentialsManagerTest::changedPasswordOfAKeptUserIsKeptAsChanged()
{
    CredentialsManager manager;
    manager.load(m_File);
    manager.updateCredentials(user("alice@demo.test", "Alice-Secret-1", "Service-Secret-3"));
    manager.keepPasswords("alice@demo.test", true);
    manager.updateCredentials(user("alice@demo.test", "Alice-Secret-1", "Service-Secret-4"));
    QCOMPARE(password(*restarted(), "alice@demo.test", Service), QString("Service-Secret-4"));

    manager.removeCredentials("alice@demo.test");
    QCOMPARE(FileSecretStore::held(m_Secrets, "alice@demo.test/2"), QString());
    QVERIFY(restarted()->getUserCredentials(Basic).isEmpty());
}

void CredentialsManagerTest::withoutSecretStoreOnlyTheUserNameIsKept()
{
    FileSecretStore::install(m_Secrets, FileSecretStore::Unavailable);
    Tesk::Core::Logging::RecordCapture logs;
    {
        CredentialsManager manager;
        manager.load(m_File);
        manager.updateCredentials(user("alice@demo.test", "Alice-Secret-1", "Service-Secret-3"));
        manager.setLastLoginUsername("alice");
        manager.keepPasswords("alice@demo.test", true);
        manager.updateCredentials(user("alice@demo.test", "Alice-Secret-2"));
        manager.keepPasswords("alice@demo.test", true);
    }
    QCOMPARE(logs.count("No secret store answers"), 1);
    QVERIFY(!fileText().contains("Secret"));
    QVERIFY(!QFile::exists(m_Secrets));

    FileSecretStore::install(m_Secrets);
    const auto manager = restarted();
    QCOMPARE(manager->lastLoginUsername(), QString("alice"));
    QVERIFY(!manager->keepsPasswords("alice@demo.test"));
    QCOMPARE(password(*manager, "alice@demo.test"), QString());
}

void CredentialsManagerTest::unreadableFileIsSetAsideAndStartsEmpty()
{
    QFile file(m_File);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a credentials file");
    file.close();

    Tesk::Core::Logging::RecordCapture logs;
    CredentialsManager manager;
    QVERIFY(!manager.load(m_File));
    QVERIFY(logs.contains("is not readable"));
    QVERIFY(manager.getUserCredentials(Basic).isEmpty());
    QFile aside(m_File + ".unreadable");
    QVERIFY(aside.open(QIODevice::ReadOnly));
    QCOMPARE(aside.readAll(), QByteArray("not a credentials file"));

    // The next change starts a good file.
    manager.setLastLoginUsername("alice");
    QCOMPARE(restarted()->lastLoginUsername(), QString("alice"));
}

void CredentialsManagerTest::desktopStoreWithoutSecretServiceIsUnavailable()
{
    // No session bus to find a secret service on, and nowhere to fall back to.
    const QByteArray bus = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + m_Folder->filePath("no-bus").toUtf8());
    qputenv("XDG_CONFIG_HOME", m_Folder->filePath("config").toUtf8());
    Kivo::Utils::Credentials::KeychainSecretStore store("Telvarion-test");
    const auto written = store.write("alice@demo.test/0", "Alice-Secret-1");
    QString read;
    const auto answered = store.read("alice@demo.test/0", read);
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus);

    QCOMPARE(int(written), int(Kivo::Utils::Credentials::SecretStore::Result::Unavailable));
    QCOMPARE(int(answered), int(Kivo::Utils::Credentials::SecretStore::Result::Unavailable));
    QVERIFY(read.isEmpty());
    // No plain-text fallback file anywhere under the folders the test gave it.
    QDirIterator files(m_Folder->path(), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY2(!file.readAll().contains("Alice-Secret-1"), qPrintable(file.fileName()));
    }
}

QTEST_GUILESS_MAIN(CredentialsManagerTest)
#include "tst_credentials_manager.moc"
