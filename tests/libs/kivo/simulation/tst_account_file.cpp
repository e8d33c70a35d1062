// Large accounts: the generator's document, the account file chosen at start, and the look-ups
// by id that keep sign-in linear in the size of the contact list.
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Presence/PresenceData.h>
#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/ConversationData.h>
#include <Kivo/Simulation/Service.h>

#include <Tesk/Core/Logging/RecordCapture.h>

#include <QtTest>

#include <algorithm>

using namespace Kivo::Simulation;

namespace {

const QByteArray OneAccount = R"({ "accounts": [
  { "user": "file@example.test", "password": "From-File", "contacts": [
      { "id": 1, "name": "One", "address": "one@example.test", "presence": 7 },
      { "id": 2, "name": "Two", "address": "two@example.test", "presence": 7 },
      { "id": 3, "name": "Three", "address": "three@example.test", "presence": 7 } ] } ] })";

} // namespace

class TestAccountFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startAccountsComeFromTheNamedFile();
    void unusableFileFallsBackToTheDemo_data();
    void unusableFileFallsBackToTheDemo();
    void generatorWritesAnAccountToSignInTo();
    void generatorWritesHistoryMailAndAConversation();
    void generatorRefusesBadArguments_data();
    void generatorRefusesBadArguments();
    void lookupsFollowRemovalsAndAdditions();
    void presenceReachesOnlyItsOwnContact();

private:
    QString write(const QString& name, const QByteArray& content);
    int generate(const QStringList& arguments);
    void signIn(Service& service, const QString& user, const QString& password);

    std::unique_ptr<QTemporaryDir> m_Dir;
};

void TestAccountFile::init()
{
    m_Dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_Dir->isValid());
}

void TestAccountFile::cleanup()
{
    qunsetenv("TELVARION_ACCOUNT_FILE");
}

QString TestAccountFile::write(const QString& name, const QByteArray& content)
{
    QFile file(m_Dir->filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(content);
    return file.fileName();
}

int TestAccountFile::generate(const QStringList& arguments)
{
    QProcess tool;
    tool.start(QStringLiteral(KIVO_ACCOUNT_GENERATOR), arguments);
    if (!tool.waitForFinished(-1))
        return -1;
    return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
}

void TestAccountFile::signIn(Service& service, const QString& user, const QString& password)
{
    QSignalSpy signedIn(&service, &Service::signedIn);
    service.signIn(user, password);
    QVERIFY(signedIn.wait());
}

void TestAccountFile::startAccountsComeFromTheNamedFile()
{
    qputenv("TELVARION_ACCOUNT_FILE", write("accounts.json", OneAccount).toLocal8Bit());
    Service service;
    QVERIFY(service.loadStartAccounts());
    QCOMPARE(service.userNames(), QStringList({"file@example.test"}));
}

void TestAccountFile::unusableFileFallsBackToTheDemo_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QString>("logged");
    QTest::newRow("missing") << QByteArray() << false << "cannot open the account file";
    QTest::newRow("not json") << QByteArray("{ \"accounts\": [") << true << "account data not loaded";
    QTest::newRow("no accounts") << QByteArray("{ \"users\": [] }") << true << "no \"accounts\" list";
}

void TestAccountFile::unusableFileFallsBackToTheDemo()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    QFETCH(QString, logged);
    qputenv("TELVARION_ACCOUNT_FILE",
             (exists ? write("accounts.json", content) : m_Dir->filePath("absent.json")).toLocal8Bit());
    Tesk::Core::Logging::RecordCapture logs;
    Service service;
    QVERIFY(service.loadStartAccounts());
    QVERIFY(logs.contains(logged));
    QVERIFY(logs.contains("TELVARION_ACCOUNT_FILE not usable"));
    QVERIFY(service.userNames().contains("alice@demo.telvarion.net"));
}

void TestAccountFile::generatorWritesAnAccountToSignInTo()
{
    const QString path = m_Dir->filePath("large.json");
    QCOMPARE(generate({"--contacts", "1200", path}), 0);
    Service service;
    service.setLatency(0);
    QVERIFY(service.loadAccountFile(path));
    signIn(service, "bench@large.telvarion.net", "Bench-1234");

    const QList<ContactRecord> records = service.contactRecords();
    QCOMPARE(records.size(), 1200);
    QSet<QString> addresses;
    QSet<QString> names;
    for (const ContactRecord& record : records) {
        addresses.insert(record.properties.value(Kivo::Contacts::Properties::Address).toString());
        names.insert(record.properties.value(Kivo::Contacts::Properties::DisplayName).toString());
    }
    // Each contact is a person of its own: no address or name twice.
    QCOMPARE(addresses.size(), 1200);
    QCOMPARE(names.size(), 1200);
    QVERIFY(service.groupRecords().size() > 1);

    // The same arguments write the same document.
    const QString again = m_Dir->filePath("again.json");
    QCOMPARE(generate({"--contacts", "1200", again}), 0);
    QFile first(path);
    QFile second(again);
    QVERIFY(first.open(QIODevice::ReadOnly) && second.open(QIODevice::ReadOnly));
    QCOMPARE(first.readAll(), second.readAll());
}

void TestAccountFile::generatorWritesHistoryMailAndAConversation()
{
    const QString path = m_Dir->filePath("history.json");
    QCOMPARE(generate({"--contacts", "4", "--calls", "30", "--voice-mails", "5", "--messages", "12", path}), 0);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonObject account = QJsonDocument::fromJson(file.readAll()).object().value("accounts").toArray().first().toObject();
    ConversationBook book;
    ConversationData::read(account, "bench@large.telvarion.net", QDateTime::currentDateTimeUtc(), book);

    // Every entry reads back: none is left out as malformed.
    QCOMPARE(book.callLog.size(), 30);
    QCOMPARE(book.voiceMails.size(), 5);
    QCOMPARE(book.messages.size(), 1);
    const QString peer = account.value("contacts").toArray().first().toObject().value("address").toString();
    QCOMPARE(book.messages.value(peer.toLower()).size(), 12);
    QVERIFY(std::any_of(book.callLog.cbegin(), book.callLog.cend(), [](const CallLogRecord& call) { return call.missed; }));
}

void TestAccountFile::generatorRefusesBadArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no output") << QStringList({"--contacts", "5"});
    QTest::newRow("not a number") << QStringList({"--contacts", "many", "out.json"});
    QTest::newRow("negative") << QStringList({"--contacts", "-3", "out.json"});
    QTest::newRow("user without domain") << QStringList({"--user", "bench", "out.json"});
    QTest::newRow("calls not a number") << QStringList({"--calls", "lots", "out.json"});
    QTest::newRow("messages with nobody") << QStringList({"--contacts", "0", "--messages", "3", "out.json"});
}

void TestAccountFile::generatorRefusesBadArguments()
{
    QFETCH(QStringList, arguments);
    QDir::setCurrent(m_Dir->path());
    QVERIFY(generate(arguments) != 0);
    QVERIFY(!QFile::exists(m_Dir->filePath("out.json")));
}

void TestAccountFile::lookupsFollowRemovalsAndAdditions()
{
    Service service;
    service.setLatency(0);
    QVERIFY(service.load(OneAccount));
    signIn(service, "file@example.test", "From-File");
    QCOMPARE(service.contact(3)->name, QString("Three"));

    // Removing a contact moves the ones behind it; each id must still find its own contact.
    QSignalSpy removed(&service, &Service::contactRemoved);
    QVERIFY(service.requestRemoveContact(1));
    QVERIFY(removed.wait());
    QVERIFY(!service.contact(1));
    QCOMPARE(service.contact(2)->name, QString("Two"));
    QCOMPARE(service.contact(3)->name, QString("Three"));

    ContactRecord request;
    request.properties.insert(Kivo::Contacts::Properties::DisplayName, "Four");
    request.properties.insert(Kivo::Contacts::Properties::Address, "four@example.test");
    QSignalSpy added(&service, &Service::contactAdded);
    QVERIFY(service.requestAddContact(-1, request));
    QVERIFY(added.wait());
    const int fourId = added.first().at(1).value<ContactRecord>().id;
    QCOMPARE(service.contact(fourId)->name, QString("Four"));

    // Presence goes to the contact the id names, and the records carry it.
    Control control(service);
    QSignalSpy presence(&service, &Service::presenceChanged);
    QVERIFY(control.injectPresenceChange(3, 12, "Meeting"));
    QVERIFY(control.injectPresenceChange(fourId, 2));
    QVERIFY(presence.wait());
    QTRY_COMPARE(presence.count(), 2);
    QCOMPARE(service.contactRecord(3)->presence, 12);
    QCOMPARE(service.contactRecord(3)->note, QString("Meeting"));
    QCOMPARE(service.contactRecord(2)->presence, 7);
    QCOMPARE(service.contactRecord(fourId)->presence, 2);
    QVERIFY(!service.contactRecord(1));
}

void TestAccountFile::presenceReachesOnlyItsOwnContact()
{
    Service& service = Service::shared();
    service.setLatency(0);
    QVERIFY(service.load(OneAccount));
    signIn(service, "file@example.test", "From-File");
    Kivo::Contacts::Contacts list;
    list.attach(service);
    Kivo::Presence::PresenceData* two = list.getContact(2)->getPresence();
    Kivo::Presence::PresenceData* three = list.getContact(3)->getPresence();
    auto extra = std::make_unique<Kivo::Presence::PresenceData>(3);
    QSignalSpy twoChanged(two, &Kivo::Presence::PresenceData::presenceChanged);
    QSignalSpy threeChanged(three, &Kivo::Presence::PresenceData::presenceChanged);

    // A presence object that is gone is never reached again.
    extra.reset();
    Control control(service);
    QVERIFY(control.injectPresenceChange(3, 4));
    QVERIFY(threeChanged.wait());
    QCOMPARE(three->internalPresence(), 4);
    QCOMPARE(list.getContact(3)->presenceState(), 4);
    QCOMPARE(twoChanged.count(), 0);
    QCOMPARE(two->internalPresence(), 7);
    service.loadDemoAccount();
}

QTEST_GUILESS_MAIN(TestAccountFile)
#include "tst_account_file.moc"
