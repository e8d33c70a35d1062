#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Service.h>

#include <Tesk/Core/Logging/RecordCapture.h>

#include <QtTest>

using namespace Kivo::Simulation;
using Tesk::Core::Logging::RecordCapture;

namespace {

const QByteArray TwoAccounts = R"({ "accounts": [
  { "user": "Carol@Example.test", "password": "Secret-1", "contacts": [
      { "id": 1, "name": "Dan", "address": "dan@example.test", "presence": 7 },
      { "id": 2, "name": "Eve", "presence": 25 },
      { "id": 1, "name": "Dan again" },
      { "id": 3, "name": "Fay", "presence": 2 } ] },
  { "user": "", "password": "x" },
  { "user": "carol@example.test", "password": "other" },
  { "user": "gus@example.test", "password": "" } ] })";

} // namespace

class TestService : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void demoAccountLoads();
    void malformedEntriesAreLeftOut();
    void unreadableDataLeavesNoAccounts_data();
    void unreadableDataLeavesNoAccounts();
    void credentials_data();
    void credentials();
    void signInAnswersLater();
    void secondSignInIsRefused();
    void presenceChangeIsApplied();
    void impossibleEventsAreRefused();
    void callAnsweredAndHungUp();
    void chatAndServerErrorArriveInOrder();
    void forcedSignOutDropsSessionEvents();

private:
    void signIn();

    std::unique_ptr<Service> m_Service;
};

void TestService::init()
{
    m_Service = std::make_unique<Service>();
    m_Service->setLatency(0);
    QVERIFY(m_Service->load(TwoAccounts));
}

void TestService::signIn()
{
    QSignalSpy signedIn(m_Service.get(), &Service::signedIn);
    m_Service->signIn("carol@example.test", "Secret-1");
    QVERIFY(signedIn.wait());
}

void TestService::demoAccountLoads()
{
    Service service;
    QVERIFY(service.loadDemoAccount());
    QVERIFY(!service.userNames().isEmpty());
    QCOMPARE(&Service::shared(), &Service::shared());
    QCOMPARE(Service::shared().userNames(), service.userNames());
}

void TestService::malformedEntriesAreLeftOut()
{
    RecordCapture capture;
    QVERIFY(m_Service->load(TwoAccounts));
    QCOMPARE(m_Service->userNames(), QStringList({"Carol@Example.test", "gus@example.test"}));
    QVERIFY(capture.contains("account 1 left out: it has no user name"));
    QVERIFY(capture.contains("appears twice"));
    QVERIFY(capture.contains("contact 1 of Carol@Example.test left out: its presence"));
    QVERIFY(capture.contains("contact 2 of Carol@Example.test left out: its id 1 is taken"));

    signIn();
    const QList<Contact> contacts = m_Service->contacts();
    QCOMPARE(contacts.size(), 2);
    QCOMPARE(contacts.at(0).name, QStringLiteral("Dan"));
    QCOMPARE(contacts.at(1).presence, 2);
}

void TestService::unreadableDataLeavesNoAccounts_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("truncated") << TwoAccounts.left(40);
    QTest::newRow("array") << QByteArray("[1, 2]");
    QTest::newRow("no list") << QByteArray(R"({ "accounts": 3 })");
    QTest::newRow("binary") << QByteArray("\x00\xff\xfe garbage", 12);
}

void TestService::unreadableDataLeavesNoAccounts()
{
    QFETCH(QByteArray, json);
    RecordCapture capture;
    QString error;
    QVERIFY(!m_Service->load(json, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(m_Service->userNames().isEmpty());
    QVERIFY(capture.contains("account data not loaded", Tesk::Core::Logging::LevelError));
    QCOMPARE(m_Service->checkCredentials("carol@example.test", "Secret-1"), SignInError::UnknownUser);
}

void TestService::credentials_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<SignInError>("result");
    QTest::newRow("right") << "Carol@Example.test" << "Secret-1" << SignInError::None;
    QTest::newRow("user case and blanks") << " carol@EXAMPLE.test " << "Secret-1" << SignInError::None;
    QTest::newRow("password case") << "carol@example.test" << "secret-1" << SignInError::WrongPassword;
    QTest::newRow("empty password") << "carol@example.test" << "" << SignInError::WrongPassword;
    QTest::newRow("empty password account") << "gus@example.test" << "" << SignInError::None;
    QTest::newRow("unknown") << "dan@example.test" << "Secret-1" << SignInError::UnknownUser;
    QTest::newRow("empty user") << "" << "" << SignInError::UnknownUser;
}

void TestService::credentials()
{
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(SignInError, result);
    QCOMPARE(m_Service->checkCredentials(user, password), result);

    QSignalSpy signedIn(m_Service.get(), &Service::signedIn);
    QSignalSpy failed(m_Service.get(), &Service::signInFailed);
    m_Service->signIn(user, password);
    QTRY_COMPARE(signedIn.count() + failed.count(), 1);
    QCOMPARE(m_Service->isSignedIn(), result == SignInError::None);
    if (result != SignInError::None)
        QCOMPARE(failed.at(0).at(1).value<SignInError>(), result);
}

void TestService::signInAnswersLater()
{
    QSignalSpy signedIn(m_Service.get(), &Service::signedIn);
    m_Service->signIn("CAROL@example.test", "Secret-1");
    QCOMPARE(signedIn.count(), 0);
    QVERIFY(!m_Service->isSignedIn());
    QVERIFY(signedIn.wait());
    QCOMPARE(signedIn.at(0).at(0).toString(), QStringLiteral("Carol@Example.test"));
    QCOMPARE(m_Service->signedInAccount()->userName, QStringLiteral("Carol@Example.test"));
}

void TestService::secondSignInIsRefused()
{
    QSignalSpy signedIn(m_Service.get(), &Service::signedIn);
    QSignalSpy failed(m_Service.get(), &Service::signInFailed);
    m_Service->signIn("carol@example.test", "Secret-1");
    m_Service->signIn("gus@example.test", "");
    QTRY_COMPARE(failed.count(), 1);
    QTRY_COMPARE(signedIn.count(), 1);
    QCOMPARE(failed.at(0).at(1).value<SignInError>(), SignInError::AlreadySignedIn);
    QCOMPARE(m_Service->signedInAccount()->userName, QStringLiteral("Carol@Example.test"));

    QSignalSpy signedOut(m_Service.get(), &Service::signedOut);
    m_Service->signOut();
    QVERIFY(signedOut.wait());
    QCOMPARE(signedOut.at(0).at(0).toString(), QString());
    QVERIFY(!m_Service->isSignedIn());
}

void TestService::presenceChangeIsApplied()
{
    signIn();
    Control control(*m_Service);
    QSignalSpy changed(m_Service.get(), &Service::presenceChanged);
    QVERIFY(control.injectPresenceChange(3, 14, "On a call"));
    QCOMPARE(m_Service->contact(3)->presence, 2);
    QVERIFY(changed.wait());
    QCOMPARE(changed.at(0), QVariantList({3, 14, "On a call"}));
    QCOMPARE(m_Service->contact(3)->presence, 14);
    QCOMPARE(m_Service->contact(3)->note, QStringLiteral("On a call"));
}

void TestService::impossibleEventsAreRefused()
{
    Control control(*m_Service);
    RecordCapture capture;
    QCOMPARE(control.injectIncomingCall("dan@example.test"), 0);
    QVERIFY(!control.injectChatMessage("dan@example.test", "hi"));
    QVERIFY(!control.forceSignOut("bye"));
    QVERIFY(capture.contains("incoming call not injected: nobody is signed in"));

    signIn();
    QVERIFY(!control.injectPresenceChange(99, 7));
    QVERIFY(!control.injectPresenceChange(1, 20));
    QVERIFY(!control.injectPresenceChange(1, -1));
    QVERIFY(!control.injectChatMessage("dan@example.test", QString()));
    QCOMPARE(control.injectIncomingCall("  "), 0);
    QVERIFY(!control.injectRemoteHangUp(42));
    QVERIFY(!m_Service->answerCall(42));
    QVERIFY(!m_Service->endCall(42));
    QVERIFY(capture.contains("presence change not injected: there is no such contact"));
}

void TestService::callAnsweredAndHungUp()
{
    signIn();
    Control control(*m_Service);
    QSignalSpy incoming(m_Service.get(), &Service::incomingCall);
    QSignalSpy states(m_Service.get(), &Service::callStateChanged);

    const int callId = control.injectIncomingCall("dan@example.test", true);
    QVERIFY(callId > 0);
    QVERIFY(incoming.wait());
    QCOMPARE(incoming.at(0), QVariantList({callId, "dan@example.test", true}));
    QCOMPARE(m_Service->call(callId)->state, CallState::Ringing);

    QVERIFY(m_Service->answerCall(callId));
    QVERIFY(states.wait());
    QCOMPARE(states.at(0).at(1).value<CallState>(), CallState::Active);
    QVERIFY(!m_Service->answerCall(callId));

    QVERIFY(control.injectRemoteHangUp(callId));
    QVERIFY(states.wait());
    QCOMPARE(states.at(1).at(1).value<CallState>(), CallState::Ended);
    QVERIFY(!m_Service->call(callId));
    QVERIFY(m_Service->calls().isEmpty());
}

void TestService::chatAndServerErrorArriveInOrder()
{
    signIn();
    m_Service->setLatency(5);
    Control control(*m_Service);
    QStringList arrivals;
    connect(m_Service.get(), &Service::chatMessageReceived, this,
            [&arrivals](const QString& from, const QString& text) { arrivals << from + ": " + text; });
    connect(m_Service.get(), &Service::serverError, this,
            [&arrivals](int code, const QString& text) { arrivals << QString::number(code) + " " + text; });

    QVERIFY(control.injectChatMessage("dan@example.test", "one"));
    QVERIFY(control.injectServerError(503, "Service unavailable"));
    m_Service->setLatency(0);
    QVERIFY(control.injectChatMessage("stranger@example.test", "two"));
    QTRY_COMPARE(arrivals.size(), 3);
    QCOMPARE(arrivals, QStringList({"dan@example.test: one", "503 Service unavailable", "stranger@example.test: two"}));
}

void TestService::forcedSignOutDropsSessionEvents()
{
    signIn();
    Control control(*m_Service);
    QSignalSpy signedOut(m_Service.get(), &Service::signedOut);
    QSignalSpy chats(m_Service.get(), &Service::chatMessageReceived);
    QSignalSpy states(m_Service.get(), &Service::callStateChanged);

    const int callId = control.injectIncomingCall("dan@example.test");
    QVERIFY(control.forceSignOut(QString()));
    QVERIFY(control.injectChatMessage("dan@example.test", "too late"));
    QVERIFY(signedOut.wait());
    QCOMPARE(signedOut.at(0).at(0).toString(), QStringLiteral("Signed out by the server"));
    QCOMPARE(states.count(), 1);
    QCOMPARE(states.at(0).at(0).toInt(), callId);
    QCOMPARE(states.at(0).at(1).value<CallState>(), CallState::Ended);

    // The chat was queued for the ended session; a new session must not receive it.
    signIn();
    QCOMPARE(chats.count(), 0);
    QVERIFY(m_Service->calls().isEmpty());
}

QTEST_GUILESS_MAIN(TestService)
#include "tst_service.moc"
