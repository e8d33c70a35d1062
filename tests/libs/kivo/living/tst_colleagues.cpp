// The colleagues of the simulated service: they answer the user's chats after a pause, pick
// up the user's calls after a few rings, and their monitored lines follow their calls.
#include <Kivo/Simulation/Colleagues.h>
#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Service.h>

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using namespace Kivo::Simulation;

namespace {

// Alice works with Bob, whose line she watches; Chiara is a contact who answers nothing.
const QByteArray Accounts = R"({ "accounts": [
  { "user": "alice@test.example", "password": "a", "domain": "test.example",
    "contacts": [ { "id": 1, "name": "Bob Lind", "address": "bob@test.example", "number": "+1 555 0101" },
                  { "id": 2, "name": "Chiara Rossi", "address": "chiara@test.example", "number": "+15550102" } ],
    "monitored": [ "bob@test.example", "chiara@test.example" ],
    "colleagues": [ { "address": "bob@test.example", "rings": 1, "replies": [ "One", "Two" ] },
                    { "address": "", "replies": [ "Nobody" ] } ],
    "rooms": [ { "jid": "team@conference.test.example", "name": "Team", "owner": "alice@test.example",
                 "occupants": [ "bob@test.example" ] } ] } ] })";

constexpr int Patience = 10000;

QStringList incomingTexts(const QSignalSpy& stored)
{
    QStringList texts;
    for (const QList<QVariant>& arguments : stored) {
        const auto message = arguments.at(0).value<ChatMessageRecord>();
        if (!message.outgoing)
            texts.append(message.text);
    }
    return texts;
}

BlfLine lineOf(const Service& service, const QString& address)
{
    for (const BlfLine& line : service.monitoredLines()) {
        if (line.address == address)
            return line;
    }
    return {};
}

} // namespace

class ColleaguesTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void aColleagueAnswersAChatAfterAPauseWithAnotherLineEachTime();
    void onlyColleaguesAnswerAndOnlyInTheirOwnChat();
    void aColleaguePicksUpAfterAFewRingsAndTheLineFollowsTheCall();
    void aColleagueWhoCallsIsOnThePhoneUntilTheCallEnds();
    void aFarEndThatAnswersNothingLeavesTheCallRinging();

private:
    bool idle() const;

    std::unique_ptr<Service> m_Service;
};

void ColleaguesTest::init()
{
    m_Service = std::make_unique<Service>();
    m_Service->setLatency(1);
    QVERIFY(m_Service->load(Accounts));
    QSignalSpy signedIn(m_Service.get(), &Service::signedIn);
    m_Service->signIn("alice@test.example", "a");
    QVERIFY(signedIn.wait());
    // Nobody has anything to do for a user who does nothing: no timer runs.
    QVERIFY(idle());
}

bool ColleaguesTest::idle() const
{
    const QTimer* timer = m_Service->colleagues().findChild<QTimer*>();
    return timer && !timer->isActive() && !m_Service->colleagues().isBusy();
}

void ColleaguesTest::aColleagueAnswersAChatAfterAPauseWithAnotherLineEachTime()
{
    QSignalSpy stored(m_Service.get(), &Service::chatMessageStored);
    QSignalSpy typing(m_Service.get(), &Service::typingChanged);
    // Two lines in a row get one answer, after Bob has typed for a while.
    QElapsedTimer sinceSent;
    sinceSent.start();
    QVERIFY(m_Service->sendChatMessage("bob@test.example", "Are you there?") > 0);
    QVERIFY(m_Service->sendChatMessage("bob@test.example", "It's about the release.") > 0);
    QTRY_COMPARE(stored.count(), 2);
    QVERIFY(!idle());
    QTest::qWait(Colleagues::TypingMilliseconds / 2);
    // A loaded machine may have slept past the answer's time: only earlier is "too soon".
    if (sinceSent.elapsed() < Colleagues::ReplyMilliseconds * 9 / 10)
        QVERIFY(incomingTexts(stored).isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(!typing.isEmpty(), Patience);
    QCOMPARE(typing.first(), (QList<QVariant>{"bob@test.example", "bob@test.example", true}));
    QTRY_COMPARE_WITH_TIMEOUT(incomingTexts(stored).size(), 1, Patience);
    QCOMPARE(typing.last().at(2).toBool(), false);
    const QString first = incomingTexts(stored).first();
    QVERIFY(first == "One" || first == "Two");
    const auto reply = stored.last().at(0).value<ChatMessageRecord>();
    QCOMPARE(reply.conversation, QString("bob@test.example"));
    QCOMPARE(reply.from, QString("bob@test.example"));
    QVERIFY(idle());

    // The next answer is the other line, and the one after that the first again.
    for (int round = 0; round < 2; ++round) {
        QVERIFY(m_Service->sendChatMessage("bob@test.example", "And now?") > 0);
        QTRY_COMPARE_WITH_TIMEOUT(incomingTexts(stored).size(), 2 + round, Patience);
        QVERIFY(incomingTexts(stored).at(1 + round) != incomingTexts(stored).at(round));
    }
    QVERIFY(idle());
}

void ColleaguesTest::onlyColleaguesAnswerAndOnlyInTheirOwnChat()
{
    QSignalSpy stored(m_Service.get(), &Service::chatMessageStored);
    QVERIFY(m_Service->sendChatMessage("chiara@test.example", "Hello?") > 0);
    QVERIFY(m_Service->joinRoom("team@conference.test.example", QString()));
    QTRY_VERIFY(m_Service->room("team@conference.test.example"));
    QVERIFY(m_Service->sendChatMessage("team@conference.test.example", "Hello, team") > 0);
    QTRY_COMPARE(stored.count(), 2);
    QVERIFY(idle());
    // A message the service could not deliver is not answered either.
    Control(*m_Service).injectLinkLost(Service::ChatLink);
    QTRY_VERIFY(!m_Service->isLinkUp(Service::ChatLink));
    m_Service->sendChatMessage("bob@test.example", "Lost");
    QTRY_COMPARE(stored.count(), 3);
    QVERIFY(stored.last().at(0).value<ChatMessageRecord>().failed);
    QVERIFY(idle());
}

void ColleaguesTest::aColleaguePicksUpAfterAFewRingsAndTheLineFollowsTheCall()
{
    QSignalSpy states(m_Service.get(), &Service::callStateChanged);
    // Bob is called at his number: his one ring lasts a while; a call to Chiara is taken at once.
    QElapsedTimer sincePlaced;
    sincePlaced.start();
    const int toChiara = m_Service->placeCall({"chiara@test.example"}, false);
    const int toBob = m_Service->placeCall({"+15550101"}, false);
    QTRY_COMPARE(m_Service->call(toChiara)->state, CallState::Active);
    // A loaded machine may have slept past Bob's ring: only earlier must he still ring.
    const bool early = sincePlaced.elapsed() < Colleagues::RingMilliseconds * 9 / 10;
    if (early) {
        QCOMPARE(m_Service->call(toBob)->state, CallState::Ringing);
        QVERIFY(!idle());
        QCOMPARE(lineOf(*m_Service, "bob@test.example").state, int(BlfIdle));
    }
    QTest::qWait(Colleagues::RingMilliseconds / 2);
    if (sincePlaced.elapsed() < Colleagues::RingMilliseconds * 9 / 10)
        QCOMPARE(m_Service->call(toBob)->state, CallState::Ringing);
    QTRY_COMPARE_WITH_TIMEOUT(m_Service->call(toBob)->state, CallState::Active, Patience);
    QVERIFY(idle());

    // While Bob talks with Alice his line is busy; held, it says so; ended, it is idle again.
    // Chiara's line is nobody's business here.
    QTRY_COMPARE(lineOf(*m_Service, "bob@test.example").state, int(BlfBusy));
    QCOMPARE(lineOf(*m_Service, "bob@test.example").caller, QString("alice@test.example"));
    QCOMPARE(lineOf(*m_Service, "chiara@test.example").state, int(BlfIdle));
    QVERIFY(m_Service->holdCall(toBob, true));
    QTRY_COMPARE(lineOf(*m_Service, "bob@test.example").state, int(BlfHeld));
    QVERIFY(m_Service->endCall(toBob));
    QTRY_COMPARE(lineOf(*m_Service, "bob@test.example").state, int(BlfIdle));
    QVERIFY(lineOf(*m_Service, "bob@test.example").caller.isEmpty());

    // A call the user ends while it rings is not picked up later.
    const int again = m_Service->placeCall({"bob@test.example"}, false);
    QTRY_VERIFY(m_Service->call(again));
    QVERIFY(m_Service->endCall(again));
    QTRY_VERIFY(!m_Service->call(again));
    QVERIFY(idle());
}

void ColleaguesTest::aColleagueWhoCallsIsOnThePhoneUntilTheCallEnds()
{
    const int callId = Control(*m_Service).injectIncomingCall("bob@test.example");
    QVERIFY(callId > 0);
    QTRY_COMPARE(lineOf(*m_Service, "bob@test.example").state, int(BlfOutgoing));
    QVERIFY(m_Service->answerCall(callId));
    QTRY_COMPARE(lineOf(*m_Service, "bob@test.example").state, int(BlfBusy));
    QVERIFY(Control(*m_Service).injectRemoteHangUp(callId));
    QTRY_COMPARE(lineOf(*m_Service, "bob@test.example").state, int(BlfIdle));

    // The session's end is the end of Bob's call with Alice too.
    const int second = Control(*m_Service).injectIncomingCall("bob@test.example");
    QTRY_VERIFY(m_Service->call(second));
    QVERIFY(m_Service->answerCall(second));
    QTRY_COMPARE(lineOf(*m_Service, "bob@test.example").state, int(BlfBusy));
    QSignalSpy signedOut(m_Service.get(), &Service::signedOut);
    m_Service->signOut();
    QVERIFY(signedOut.wait());
    QSignalSpy signedIn(m_Service.get(), &Service::signedIn);
    m_Service->signIn("alice@test.example", "a");
    QVERIFY(signedIn.wait());
    QCOMPARE(lineOf(*m_Service, "bob@test.example").state, int(BlfIdle));
    QVERIFY(idle());
}

void ColleaguesTest::aFarEndThatAnswersNothingLeavesTheCallRinging()
{
    Control(*m_Service).setAutoAnswer(false);
    const int callId = m_Service->placeCall({"bob@test.example"}, false);
    QTRY_VERIFY(m_Service->call(callId));
    QVERIFY(idle());
    QTest::qWait(Colleagues::RingMilliseconds + 200);
    QCOMPARE(m_Service->call(callId)->state, CallState::Ringing);
}

QTEST_MAIN(ColleaguesTest)
#include "tst_colleagues.moc"
