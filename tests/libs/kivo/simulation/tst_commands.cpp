#include <Kivo/Simulation/Commands.h>
#include <Kivo/Simulation/Devices.h>
#include <Kivo/Simulation/Service.h>

#include <QtTest>

using namespace Kivo::Simulation;

namespace {

constexpr const char* Bob = "bob@demo.telvarion.net";

// Two people who share a first name, to be told apart.
const QByteArray TwoSams = R"({ "accounts": [
  { "user": "ann@example.test", "password": "Secret-1", "contacts": [
      { "id": 1, "name": "Sam Okafor", "address": "sam.okafor@example.test" },
      { "id": 2, "name": "Sam Reyes", "address": "sam.reyes@example.test" } ] } ] })";

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void peopleAreNamedAsTheUserKnowsThem_data();
    void peopleAreNamedAsTheUserKnowsThem();
    void badInputIsAnsweredWithAnError_data();
    void badInputIsAnsweredWithAnError();
    void nothingHappensWithoutASession();
    void sameFirstNamesAreAskedApart();
    void eventsReachTheService();
    void callerHangsUpBeforeTheAnswer();
    void failuresComeWithTheNextRequest();
    void guestWaitsAtTheDoorOfMyRoom();
    void helpListsTheCommands();

private:
    Commands::Answer run(const QString& line) { return m_Commands->run(line); }
    void signIn(const QString& user = "alice@demo.telvarion.net", const QString& password = "Demo-1234");

    std::unique_ptr<Service> m_Service;
    std::unique_ptr<Commands> m_Commands;
};

void TestCommands::init()
{
    m_Service = std::make_unique<Service>();
    m_Service->setLatency(0);
    QVERIFY(m_Service->loadDemoAccount());
    m_Commands = std::make_unique<Commands>(*m_Service);
}

void TestCommands::signIn(const QString& user, const QString& password)
{
    QSignalSpy signedIn(m_Service.get(), &Service::signedIn);
    m_Service->signIn(user, password);
    QVERIFY(signedIn.wait());
}

void TestCommands::peopleAreNamedAsTheUserKnowsThem_data()
{
    QTest::addColumn<QString>("who");
    QTest::addColumn<QString>("caller");
    QTest::newRow("full name, quoted") << "\"Bob Lindqvist\"" << Bob;
    QTest::newRow("first name, any case") << "BOB" << Bob;
    QTest::newRow("address") << Bob << Bob;
    QTest::newRow("contact's number") << "+15550101" << Bob;
    QTest::newRow("hyphenated first name") << "Eun-ji" << "eunji@demo.telvarion.net";
    QTest::newRow("number outside the list") << "+15550177" << "+15550177";
    QTest::newRow("address outside the list") << "zoe@elsewhere.test" << "zoe@elsewhere.test";
}

void TestCommands::peopleAreNamedAsTheUserKnowsThem()
{
    QFETCH(QString, who);
    QFETCH(QString, caller);
    signIn();
    QSignalSpy incoming(m_Service.get(), &Service::incomingCall);
    const Commands::Answer answer = run("call " + who);
    QVERIFY2(answer.ok, qPrintable(answer.text));
    QVERIFY(incoming.wait());
    QCOMPARE(incoming.first().at(1).toString(), caller);
}

void TestCommands::badInputIsAnsweredWithAnError_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("error");
    QTest::newRow("nothing") << "   " << "no command";
    QTest::newRow("unknown command") << "dance bob" << "unknown command \"dance\"";
    QTest::newRow("missing argument") << "call" << "usage: call <contact or number> [video]";
    QTest::newRow("missing text") << "chat bob" << "usage: chat <contact> <text>";
    QTest::newRow("too many words") << "call bob video now" << "usage: call";
    QTest::newRow("unknown contact") << "chat zed hi" << "no contact \"zed\"";
    QTest::newRow("name that is no number") << "call zed" << "not a number or an address";
    QTest::newRow("open quote") << "chat \"Bob Lindqvist hi" << "a quote is not closed";
    QTest::newRow("control character") << QString("chat bob hi\x1b[2J") << "control characters";
    QTest::newRow("unknown presence") << "presence bob sleepy" << "the presence is one of";
    QTest::newRow("presence out of range") << "presence bob 20" << "the presence is one of";
    QTest::newRow("unknown line state") << "line bob ringingish" << "the line is ringing";
    QTest::newRow("unmonitored line") << "line \"Front Desk\" ringing" << "the user is not monitored";
    QTest::newRow("days that are no number") << "password soon" << "whole number";
    QTest::newRow("days out of range") << "password 99999" << "out of range";
    QTest::newRow("unknown failure") << "fail everything" << "usage: fail";
    QTest::newRow("unknown connection") << "lose wifi" << "calls, chat or server";
    QTest::newRow("connection not lost") << "restore chat" << "no such connection down";
    QTest::newRow("guest outside My Room") << "guest Ada Moss" << "the user is not in My Room";
    QTest::newRow("negative file size") << "file bob notes.txt -5" << "number of bytes";
    QTest::newRow("file name that is a path") << "file bob .." << "the file name is a path";
    QTest::newRow("no call to hang up") << "hangup bob" << "no call with bob";
    QTest::newRow("unknown room") << "room Nowhere bob hi" << "no room \"Nowhere\"";
    QTest::newRow("unknown share step") << "share bob dance" << "usage: share";
    QTest::newRow("pause without a share") << "share bob pause" << "shows the user nothing";
}

void TestCommands::badInputIsAnsweredWithAnError()
{
    QFETCH(QString, line);
    QFETCH(QString, error);
    signIn();
    const Commands::Answer answer = run(line);
    QVERIFY(!answer.ok);
    QVERIFY2(answer.text.contains(error), qPrintable(answer.text));
}

void TestCommands::nothingHappensWithoutASession()
{
    for (const char* line : {"call bob", "call +15550177", "chat bob hi", "password 3", "guest Ada", "calls",
                             "room Lobby bob hi", "lose chat"}) {
        const Commands::Answer answer = run(line);
        QVERIFY2(!answer.ok, line);
        QVERIFY2(answer.text.contains("nobody is signed in"), qPrintable(answer.text));
    }
    // The proxy stands between the client and the service whether or not anybody is signed in.
    QSignalSpy proxy(m_Service.get(), &Service::proxyCredentialsRequested);
    QVERIFY(run("proxy https").ok);
    QVERIFY(proxy.wait());
    QCOMPARE(proxy.first().first().toBool(), true);
}

void TestCommands::sameFirstNamesAreAskedApart()
{
    QVERIFY(m_Service->load(TwoSams));
    signIn("ann@example.test", "Secret-1");
    const Commands::Answer ambiguous = run("chat sam hi");
    QVERIFY(!ambiguous.ok);
    QCOMPARE(ambiguous.text,
             QString("\"sam\" names several contacts: sam.okafor@example.test, sam.reyes@example.test"));
    QVERIFY(run("chat \"sam reyes\" hi").ok);
    QVERIFY(run("chat sam.okafor hi").ok);
}

void TestCommands::eventsReachTheService()
{
    signIn();
    QSignalSpy chat(m_Service.get(), &Service::chatMessageReceived);
    QVERIFY(run("chat Dev  shall we   start?").ok);
    QVERIFY(chat.wait());
    QCOMPARE(chat.first().at(0).toString(), QString("dev@demo.telvarion.net"));
    QCOMPARE(chat.first().at(1).toString(), QString("shall we start?"));

    // A presence without a note keeps the note; a note alone keeps the presence.
    QSignalSpy presence(m_Service.get(), &Service::presenceChanged);
    QVERIFY(run("presence bob away \"back at 3\"").ok);
    QTRY_COMPARE(presence.count(), 1);
    QVERIFY(run("presence bob dnd").ok);
    QTRY_COMPARE(presence.count(), 2);
    QVERIFY(run("note bob in Oslo").ok);
    QTRY_COMPARE(presence.count(), 3);
    QCOMPARE(presence.at(0).mid(1), (QVariantList{5, "back at 3"}));
    QCOMPARE(presence.at(1).mid(1), (QVariantList{18, "back at 3"}));
    QCOMPARE(presence.at(2).mid(1), (QVariantList{18, "in Oslo"}));

    QSignalSpy lines(m_Service.get(), &Service::blfLineChanged);
    QVERIFY(run("line bob ringing chiara").ok);
    QVERIFY(run("line bob answered").ok);
    QVERIFY(run("line bob idle").ok);
    QTRY_COMPARE(lines.count(), 3);
    const auto line = [&lines](int i) { return lines.at(i).first().value<BlfLine>(); };
    QCOMPARE(line(0).state, int(BlfRinging));
    QCOMPARE(line(0).caller, QString("chiara@demo.telvarion.net"));
    QCOMPARE(line(1).state, int(BlfBusy));
    QVERIFY(!line(1).caller.isEmpty());
    QCOMPARE(line(2).state, int(BlfIdle));

    QSignalSpy mail(m_Service.get(), &Service::voiceMailArrived);
    QVERIFY(run("voicemail +15550177 video 42").ok);
    QVERIFY(mail.wait());
    QCOMPARE(mail.first().first().value<VoiceMailRecord>().kind, VoiceMailKind::Video);
    QCOMPARE(mail.first().first().value<VoiceMailRecord>().durationSeconds, 42);

    QSignalSpy files(m_Service.get(), &Service::fileTransferChanged);
    QVERIFY(run("file chiara \"Q3 plan.pdf\" 2048").ok);
    QVERIFY(files.wait());
    QCOMPARE(files.first().first().value<FileTransferRecord>().fileName, QString("Q3 plan.pdf"));

    QSignalSpy password(m_Service.get(), &Service::passwordStatusReceived);
    QVERIFY(run("password -1").ok);
    QVERIFY(password.wait());
    QCOMPARE(password.first(), (QVariantList{"alice@demo.telvarion.net", -1}));

    QSignalSpy diverted(m_Service.get(), &Service::callDiverted);
    QVERIFY(run("divert +15550177 bob").ok);
    QVERIFY(diverted.wait());
    QCOMPARE(diverted.first(), (QVariantList{"+15550177", Bob}));

    QSignalSpy audio(&m_Service->devices(), &Devices::audioDevicesFailed);
    QVERIFY(run("audio-fail output").ok);
    QVERIFY(audio.wait());
    QCOMPARE(audio.first(), (QVariantList{false, true}));

    QSignalSpy shares(m_Service.get(), &Service::shareUpdated);
    QVERIFY(run("share chiara start").ok);
    QVERIFY(!run("share chiara start").ok);
    QVERIFY(run("share chiara pause").ok);
    QTRY_COMPARE(shares.count(), 2);
    QVERIFY(run("share chiara stop").ok);
    QTRY_COMPARE(shares.count(), 3);
    const auto share = [&shares](int i) { return shares.at(i).first().value<ShareRecord>(); };
    QCOMPARE(share(0).peer, QString("chiara@demo.telvarion.net"));
    QVERIFY(!share(0).mismatched);
    QVERIFY(share(1).paused);
    QCOMPARE(share(2).state, ShareState::Ended);
    QVERIFY(run("share dev mismatched").ok);
    QTRY_VERIFY(shares.count() == 4 && share(3).mismatched);

    QSignalSpy links(m_Service.get(), &Service::linkChanged);
    QVERIFY(run("lose chat").ok);
    QVERIFY(links.wait());
    QVERIFY(run("restore chat").ok);
    QTRY_COMPARE(links.count(), 2);
    QCOMPARE(links.at(0), (QVariantList{int(Service::ChatLink), false}));
    QCOMPARE(links.at(1), (QVariantList{int(Service::ChatLink), true}));
}

void TestCommands::callerHangsUpBeforeTheAnswer()
{
    signIn();
    QSignalSpy incoming(m_Service.get(), &Service::incomingCall);
    QVERIFY(run("call bob").ok);
    QVERIFY(run("call +15550177").ok);
    QTRY_COMPARE(m_Service->calls().size(), 2);
    const Commands::Answer calls = run("calls");
    QVERIFY(calls.ok);
    QCOMPARE(calls.details.size(), 2);
    QVERIFY2(calls.details.first().contains("bob@demo.telvarion.net, incoming, ringing"), qPrintable(calls.details.first()));

    // Without a name, the newest ringing call ends; with one, that caller's.
    QVERIFY(run("hangup").ok);
    QTRY_COMPARE(m_Service->calls().size(), 1);
    QCOMPARE(m_Service->calls().first().remote, QString(Bob));
    const Commands::Answer answer = run("hangup Bob");
    QVERIFY(answer.ok);
    QCOMPARE(answer.text, QString("Bob Lindqvist hung up (call %1)").arg(incoming.first().first().toInt()));
    QTRY_VERIFY(m_Service->calls().isEmpty());
}

void TestCommands::failuresComeWithTheNextRequest()
{
    signIn();
    QVERIFY(run("fail calllog").ok);
    QSignalSpy failed(m_Service.get(), &Service::callLogFailed);
    QSignalSpy received(m_Service.get(), &Service::callLogReceived);
    QVERIFY(m_Service->requestCallLog(1));
    QVERIFY(m_Service->requestCallLog(2));
    QTRY_COMPARE(received.count(), 1);
    QCOMPARE(failed.count(), 1);
    QCOMPARE(failed.first().first().toInt(), 1);

    const QString mail = Control(*m_Service).injectVoiceMail(Bob, VoiceMailKind::Audio, 10);
    QVERIFY(!mail.isEmpty());
    QSignalSpy refused(m_Service.get(), &Service::voiceMailRequestFailed);
    QSignalSpy changed(m_Service.get(), &Service::voiceMailChanged);
    QVERIFY(run("fail voicemail-read").ok);
    QVERIFY(run("fail voicemail-delete").ok);
    QVERIFY(m_Service->setVoiceMailRead(mail, true));
    QVERIFY(m_Service->deleteVoiceMail(mail));
    QTRY_COMPARE(refused.count(), 2);
    QCOMPARE(refused.at(0), (QVariantList{mail, "read"}));
    QCOMPARE(refused.at(1), (QVariantList{mail, "delete"}));
    // Only the next one: the one after goes through.
    QVERIFY(m_Service->setVoiceMailRead(mail, true));
    QVERIFY(changed.wait());
}

void TestCommands::guestWaitsAtTheDoorOfMyRoom()
{
    signIn();
    const QString room = m_Service->myRoom("alice@demo.telvarion.net")->chat;
    QSignalSpy joined(m_Service.get(), &Service::roomJoined);
    QVERIFY(m_Service->joinRoom(room, QString()));
    QVERIFY(joined.wait());

    const auto roleOf = [this, &room](const QString& who) { return m_Service->room(room)->roles.value(who); };
    const Commands::Answer answer = run("guest  Ada   Moss");
    QVERIFY2(answer.ok, qPrintable(answer.text));
    QTRY_COMPARE(m_Service->room(room)->occupants.size(), 2);
    const QString guest = m_Service->room(room)->occupants.last();
    QCOMPARE(answer.text, "Ada Moss asks to join My Room (" + guest + ")");
    QCOMPARE(roleOf(guest), RoomRole::Waiting);
    QCOMPARE(m_Service->room(room)->guestNames.value(guest), QString("Ada Moss"));

    // Let in, the guest stays as a guest; a second one turned away leaves.
    QVERIFY(m_Service->answerGuest(room, guest, true));
    QTRY_COMPARE(roleOf(guest), RoomRole::Guest);
    QVERIFY(run("guest Ben").ok);
    QTRY_COMPARE(m_Service->room(room)->occupants.size(), 3);
    const QString second = m_Service->room(room)->occupants.last();
    QVERIFY(second != guest);
    QVERIFY(m_Service->answerGuest(room, second, false));
    QTRY_VERIFY(!m_Service->room(room)->occupants.contains(second, Qt::CaseInsensitive));
    QCOMPARE(roleOf(second), RoomRole::None);
    QVERIFY(m_Service->room(room)->occupants.contains(guest, Qt::CaseInsensitive));
    // An answer for somebody who no longer waits changes nothing (events arrive in order:
    // once the next guest is there, the answer was taken).
    QVERIFY(m_Service->answerGuest(room, second, true));
    QVERIFY(run("guest Cy").ok);
    QTRY_COMPARE(m_Service->room(room)->occupants.size(), 3);
    QCOMPARE(roleOf(second), RoomRole::None);
}

void TestCommands::helpListsTheCommands()
{
    const Commands::Answer all = run("help");
    QVERIFY(all.ok);
    for (const QString name : {"call", "hangup", "chat", "room", "file", "line", "presence", "note", "guest",
                                "voicemail", "password", "proxy", "fail", "lose", "restore", "divert", "audio-fail", "share"}) {
        QVERIFY2(std::any_of(all.details.cbegin(), all.details.cend(),
                             [&name](const QString& line) { return line.startsWith(name + ' ') || line == name; }),
                 qPrintable(name));
    }
    const Commands::Answer one = run("HELP guest");
    QVERIFY(one.ok);
    QCOMPARE(one.details.first(), QString("guest <name>"));
    QVERIFY(!run("help dance").ok);
}

QTEST_GUILESS_MAIN(TestCommands)
#include "tst_commands.moc"
