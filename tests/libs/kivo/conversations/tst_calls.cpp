// Calls of a signed-in session driven by the far end through the simulated service.
#include "conversation_fixture.h"

#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/Controllers/GuestHelper.h>
#include <Kivo/MediaEngine/CallControllerBase.h>
#include <Kivo/Models/ActiveCommsFilter.h>
#include <Kivo/Models/ActiveCommsModel.h>
#include <Kivo/Models/CommsSessionParticipants.h>
#include <Kivo/Models/Timeline.h>
#include <Kivo/Models/TimelineEntry.h>
#include <Kivo/Sessions/SubSession.h>

#include <Tesk/Core/Logging/RecordCapture.h>

#include <QAction>
#include <QPointer>

using namespace ConversationFixture;
using Kivo::Controllers::CommsSessionController;
using Kivo::Controllers::CommunicationSession;
using Kivo::MediaEngine::CallBasePtr;
using Kivo::Models::TimelineEntry;

Q_DECLARE_METATYPE(CallBasePtr::EndReason)

namespace {

// The far end's answers to a call the user placed.
enum class Refusal
{
    Reject,
    Busy
};

// What happens to an incoming call.
enum class Outcome
{
    Answered,
    Rejected,
    Missed
};

} // namespace

Q_DECLARE_METATYPE(Refusal)
Q_DECLARE_METATYPE(Outcome)

class CallsTest : public QObject
{
    Q_OBJECT

private slots:
    void outgoingCallRingsAnswersHoldsAndIsTransferred();
    void farEndRefusesTheCall_data();
    void farEndRefusesTheCall();
    void incomingCallLeavesItsHistoryEntry_data();
    void incomingCallLeavesItsHistoryEntry();
    void secondCallAsksBeforeTheFirstIsHeld();
    void consultationCallJoinsTheFirstOne();
    void callsMergeIntoAConference();
    void parkedCallIsRetrieved();
    void recordingAndVideoFollowTheUser();
    void lostCallConnectionMarksTheCallAndComesBack();
    void activeCommunicationsListTheConversations();
    void emergencyNumbersAreNotCalled();
    void waitingGuestsAreCountedUntilAnswered();

private:
    // Calls Bob and waits until he talks.
    CommunicationSession* callBob(SignedIn& signedIn);
};

CommunicationSession* CallsTest::callBob(SignedIn& signedIn)
{
    QSignalSpy created(signedIn.comms(), &CommsSessionController::sessionCreated);
    signedIn.comms()->createCall({Bob}, false);
    if (created.isEmpty())
        return nullptr;
    CommunicationSession* session = nextSession(created);
    if (!QTest::qWaitFor([session] { return session->getCall()->getCallState() == CallBasePtr::InCall; }))
        return nullptr;
    return session;
}

void CallsTest::outgoingCallRingsAnswersHoldsAndIsTransferred()
{
    SignedIn signedIn;
    QVERIFY(signedIn.isReady());
    control().setAutoAnswer(false);
    QSignalSpy created(signedIn.comms(), &CommsSessionController::sessionCreated);
    QSignalSpy ready(signedIn.comms(), &CommsSessionController::sessionReady);
    signedIn.comms()->createCall({Bob}, false);

    QCOMPARE(created.size(), 1);
    QCOMPARE(created.first().at(1).toBool(), false);
    QCOMPARE(ready.size(), 1);
    QPointer<CommunicationSession> session = nextSession(created);
    QCOMPARE(session->getContact(), signedIn.contacts()->findByAddress(Bob));
    QCOMPARE(session->getState(), uint(CommunicationSession::CallFlag));
    const Kivo::MediaEngine::Call call = session->getCallRef();
    QCOMPARE(call->getCallState(), CallBasePtr::Calling);
    QCOMPARE(call->getDisplayName(), QString("Bob Lind"));
    QCOMPARE(signedIn.comms()->getLastDialedNumber(), QString(Bob));

    QSignalSpy states(session.data(), &CommunicationSession::callStateChanged);
    QSignalSpy ringing(session.data(), &CommunicationSession::ringing);
    QSignalSpy opened(session.data(), &CommunicationSession::opened);
    QSignalSpy sessionStates(session.data(), &CommunicationSession::sessionStateChanged);
    QSignalSpy done(session.data(), &CommunicationSession::transferDone);
    QTRY_COMPARE(call->getCallState(), CallBasePtr::RemoteRinging);
    QCOMPARE(ringing.size(), 1);
    QVERIFY(opened.isEmpty());

    QVERIFY(control().injectRemoteAnswer(call->getCallId()));
    QTRY_COMPARE(call->getCallState(), CallBasePtr::InCall);
    QCOMPARE(opened.size(), 1);
    QVERIFY(call->getStartTime().isValid());

    call->hold();
    QCOMPARE(call->getCallState(), CallBasePtr::HoldPending);
    QTRY_COMPARE(call->getCallState(), CallBasePtr::OnHold);
    QVERIFY(control().injectRemoteHold(call->getCallId(), true));
    QTRY_COMPARE(call->getCallState(), CallBasePtr::BothHold);
    QVERIFY(control().injectRemoteHold(call->getCallId(), false));
    QTRY_COMPARE(call->getCallState(), CallBasePtr::OnHold);
    call->unhold();
    QTRY_COMPARE(call->getCallState(), CallBasePtr::InCall);

    QSignalSpy muted(call.get(), &CallBasePtr::microphoneMutedChanged);
    call->mute();
    call->mute();
    QVERIFY(call->isMicrophoneMuted());
    call->unmute();
    QCOMPARE(muted.size(), 2);

    call->sendDTMF(1);
    call->sendDTMF(10);
    call->sendDTMF(11);
    call->appendDTMFSequence("2a,#");
    QTRY_COMPARE(call->getTones(), QString("1*#2,#"));

    call->transfer(Chiara);
    QTRY_VERIFY(!session);
    QCOMPARE(call->getEndReason(), CallBasePtr::Transferred);
    QCOMPARE(done.size(), 1);
    QCOMPARE(statesOf(states), QList<int>({CallBasePtr::RemoteRinging, CallBasePtr::InCall, CallBasePtr::HoldPending,
                                            CallBasePtr::OnHold, CallBasePtr::BothHold, CallBasePtr::OnHold,
                                            CallBasePtr::InCall, CallBasePtr::NotInACall}));
    // The conversation held a call until it ended, and then nothing.
    QCOMPARE(sessionStates.last().at(1).toUInt(), uint(CommunicationSession::CallFlag));
    QCOMPARE(sessionStates.last().at(2).toUInt(), uint(CommunicationSession::Empty));
}

void CallsTest::farEndRefusesTheCall_data()
{
    QTest::addColumn<Refusal>("refusal");
    QTest::addColumn<CallBasePtr::EndReason>("reason");

    QTest::newRow("rejected") << Refusal::Reject << CallBasePtr::Rejected;
    QTest::newRow("busy") << Refusal::Busy << CallBasePtr::Busy;
}

void CallsTest::farEndRefusesTheCall()
{
    QFETCH(Refusal, refusal);
    QFETCH(CallBasePtr::EndReason, reason);

    SignedIn signedIn;
    QVERIFY(signedIn.isReady());
    control().setAutoAnswer(false);
    QSignalSpy created(signedIn.comms(), &CommsSessionController::sessionCreated);
    signedIn.comms()->createCall({Chiara}, true);
    QPointer<CommunicationSession> session = nextSession(created);
    QVERIFY(session);
    const Kivo::MediaEngine::Call call = session->getCallRef();
    QCOMPARE(call->getVideoState(), CallBasePtr::VideoCalling);
    QTRY_COMPARE(call->getCallState(), CallBasePtr::RemoteRinging);
    QSignalSpy closed(call.get(), &CallBasePtr::closed);
    QSignalSpy opened(call.get(), &CallBasePtr::opened);
    QVERIFY(refusal == Refusal::Reject ? control().injectRemoteReject(call->getCallId())
                                       : control().injectRemoteBusy(call->getCallId()));
    QTRY_COMPARE(closed.size(), 1);
    QVERIFY(opened.isEmpty());
    QCOMPARE(call->getEndReason(), reason);
    QCOMPARE(call->getVideoState(), CallBasePtr::NoVideo);
    QTRY_VERIFY(!session);
    QVERIFY(signedIn.session()->callController()->getCalls().isEmpty());
}

void CallsTest::incomingCallLeavesItsHistoryEntry_data()
{
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<CallBasePtr::EndReason>("reason");
    QTest::addColumn<bool>("missed");

    QTest::newRow("answered") << Outcome::Answered << CallBasePtr::RemoteHungUp << false;
    QTest::newRow("rejected") << Outcome::Rejected << CallBasePtr::Rejected << false;
    QTest::newRow("missed") << Outcome::Missed << CallBasePtr::RemoteHungUp << true;
}

void CallsTest::incomingCallLeavesItsHistoryEntry()
{
    QFETCH(Outcome, outcome);
    QFETCH(CallBasePtr::EndReason, reason);
    QFETCH(bool, missed);

    SignedIn signedIn;
    QVERIFY(signedIn.isReady());
    Kivo::Models::Timeline timeline(signedIn.session()->contactsManager(), nullptr,
                                    signedIn.session()->vyxCallHistoryController(), signedIn.session()->callController(),
                                    Kivo::Models::Timeline::NoVoiceMail, false);
    QTRY_COMPARE(timeline.rowCount(), 3);
    const int missedBefore = timeline.missedCallCount();

    QSignalSpy created(signedIn.comms(), &CommsSessionController::sessionCreated);
    QSignalSpy incoming(signedIn.session()->callController(), &Kivo::MediaEngine::CallControllerBase::incomingCall);
    // The caller's number finds its contact.
    const int callId = control().injectIncomingCall("+1 555 0102");
    QTRY_COMPARE(created.size(), 1);
    QCOMPARE(incoming.size(), 1);
    QCOMPARE(created.first().at(1).toBool(), true);
    QPointer<CommunicationSession> session = nextSession(created);
    QCOMPARE(session->getContact(), signedIn.contacts()->findByAddress(Chiara));
    const Kivo::MediaEngine::Call call = session->getCallRef();
    QCOMPARE(call->getCallState(), CallBasePtr::Incoming);
    QVERIFY(call->isIncoming());
    QVERIFY(session->isOnlyAudioCall());

    switch (outcome) {
    case Outcome::Answered:
        call->accept();
        QTRY_COMPARE(call->getCallState(), CallBasePtr::InCall);
        QVERIFY(control().injectRemoteHangUp(callId));
        break;
    case Outcome::Rejected:
        call->close();
        QCOMPARE(call->getCallState(), CallBasePtr::Disconnecting);
        break;
    case Outcome::Missed:
        QVERIFY(control().injectRemoteHangUp(callId));
        break;
    }
    QTRY_VERIFY(!session);
    QCOMPARE(call->getEndReason(), reason);

    QTRY_COMPARE(timeline.rowCount(), 4);
    const auto* entry = timeline.data(timeline.index(0), Kivo::Models::Timeline::EntryRole).value<TimelineEntry*>();
    QCOMPARE(entry->getType(), int(TimelineEntry::Call));
    QCOMPARE(entry->getDirection(), int(TimelineEntry::Incoming));
    QCOMPARE(entry->isMissed(), missed);
    QCOMPARE(entry->getDisplayName(), QString("Chiara Rossi"));
    QCOMPARE(entry->hasNewComms(), missed);
    QCOMPARE(timeline.missedCallCount(), missedBefore + (missed ? 1 : 0));
}

void CallsTest::secondCallAsksBeforeTheFirstIsHeld()
{
    SignedIn signedIn;
    QVERIFY(signedIn.isReady());
    CommunicationSession* first = callBob(signedIn);
    QVERIFY(first);
    Kivo::MediaEngine::CallControllerBase* calls = signedIn.session()->callController();

    // Refused: nothing is placed and the first call goes on.
    auto refuse = connect(calls, &Kivo::MediaEngine::CallControllerBase::confirmCall,
                          [](const Kivo::MediaEngine::Call&, const Kivo::MediaEngine::Call&, bool& ok) { ok = false; });
    QSignalSpy created(signedIn.comms(), &CommsSessionController::sessionCreated);
    signedIn.comms()->createCall({Dev}, false);
    QVERIFY(created.isEmpty());
    QCOMPARE(first->getCall()->getCallState(), CallBasePtr::InCall);
    disconnect(refuse);

    // A call arriving meanwhile waits; answering asks, and the answer holds the first call.
    QSignalSpy asked(calls, &Kivo::MediaEngine::CallControllerBase::confirmIncomingCall);
    control().injectIncomingCall(Chiara);
    QTRY_COMPARE(created.size(), 1);
    CommunicationSession* second = nextSession(created);
    QCOMPARE(second->getCall()->getCallState(), CallBasePtr::WaitingForUs);
    second->getCall()->accept();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.first().at(1).value<Kivo::MediaEngine::Call>(), first->getCallRef());
    QCOMPARE(second->getCall()->getCallState(), CallBasePtr::WaitingForUs);
    second->getCall()->cbCallConfirmed();
    QTRY_COMPARE(second->getCall()->getCallState(), CallBasePtr::InCall);
    QCOMPARE(first->getCall()->getCallState(), CallBasePtr::OnHold);
}

void CallsTest::consultationCallJoinsTheFirstOne()
{
    SignedIn signedIn;
    QVERIFY(signedIn.isReady());
    QPointer<CommunicationSession> first = callBob(signedIn);
    QVERIFY(first);
    QSignalSpy created(signedIn.comms(), &CommsSessionController::sessionCreated);
    first->createSecondCall(Chiara, true);
    QCOMPARE(created.size(), 1);
    QPointer<CommunicationSession> second = nextSession(created);
    QVERIFY(second->getHasAssociatedFirstCall());
    QVERIFY(first->hasAssociatedSecondCall());
    QCOMPARE(first->getCall()->getCallState(), CallBasePtr::HoldPending);
    QTRY_COMPARE(second->getCall()->getCallState(), CallBasePtr::InCall);

    QString reason;
    QVERIFY(first->canTransferWith(second, false, reason));
    second->transferCall(QString());
    QTRY_VERIFY(!first && !second);
    QCOMPARE(service().calls().size(), 0);
}

void CallsTest::callsMergeIntoAConference()
{
    SignedIn signedIn;
    QVERIFY(signedIn.isReady());
    QPointer<CommunicationSession> first = callBob(signedIn);
    QVERIFY(first);
    QSignalSpy created(signedIn.comms(), &CommsSessionController::sessionCreated);
    signedIn.comms()->createCall({Chiara}, false);
    QPointer<CommunicationSession> second = nextSession(created);
    QTRY_COMPARE(second->getCall()->getCallState(), CallBasePtr::InCall);
    first->getCall()->unhold();
    QTRY_COMPARE(first->getCall()->getCallState(), CallBasePtr::InCall);

    QString reason;
    QCOMPARE(first->getConferencingOptions(second, false, reason), 1);
    QCOMPARE(first->getConferencingOptions(first, false, reason), 0);
    // The "Conference with" entry of the menu names both conversations.
    QAction entry;
    entry.setData(int(Kivo::Actions::Action::Conference));
    entry.setProperty(CommsSessionController::getOriginatorKey().toLatin1(), first->uri());
    entry.setProperty(CommsSessionController::getDestinationKey().toLatin1(), second->uri());
    QObject::connect(&entry, &QAction::triggered, signedIn.contacts(), &Kivo::Contacts::Contacts::handleCommsCustomActions);
    entry.trigger();
    QTRY_VERIFY(!second);
    QTRY_VERIFY(first->isGroup());
    QVERIFY(first->getCall()->isConferenceCall());
    QCOMPARE(first->getCall()->getCallType(), CallBasePtr::AudioConference);
    QCOMPARE(first->getState(), uint(CommunicationSession::CallFlag | CommunicationSession::Conference));
    QCOMPARE(first->getParticipants()->getParticipantsExcludeSelf().size(), 2);
}

void CallsTest::parkedCallIsRetrieved()
{
    SignedIn signedIn;
    QVERIFY(signedIn.isReady());
    QPointer<CommunicationSession> session = callBob(signedIn);
    QVERIFY(session);
    QSignalSpy parked(session->getCall(), &CallBasePtr::parked);
    session->parkCall(QString());
    QTRY_VERIFY(!session);
    QCOMPARE(parked.size(), 1);
    QCOMPARE(parked.first().first().toString(), QString(Alice));

    QSignalSpy created(signedIn.comms(), &CommsSessionController::sessionCreated);
    signedIn.comms()->retrieveParkedCall(QString());
    QCOMPARE(created.size(), 1);
    CommunicationSession* retrieved = nextSession(created);
    QCOMPARE(retrieved->getContact(), signedIn.contacts()->findByAddress(Bob));
    QTRY_COMPARE(retrieved->getCall()->getCallState(), CallBasePtr::InCall);
    // The orbit is free again: nothing more to retrieve.
    Tesk::Core::Logging::RecordCapture logs;
    signedIn.comms()->retrieveParkedCall(QString());
    QCOMPARE(created.size(), 1);
    QVERIFY(logs.contains("no call parked"));
}

void CallsTest::recordingAndVideoFollowTheUser()
{
    SignedIn signedIn({{77, true}});
    QVERIFY(signedIn.isReady());
    CommunicationSession* session = callBob(signedIn);
    QVERIFY(session);
    CallBasePtr* call = session->getCall();
    QCOMPARE(session->getCallRecordMode(), int(CommunicationSession::OnDemandWithStop));
    QSignalSpy recording(session, &CommunicationSession::callRecordingStateChanged);
    session->callRecordClicked();
    QTRY_COMPARE(call->getCallRecordingState(), int(CallBasePtr::Recording));
    session->callRecordClicked();
    QTRY_COMPARE(call->getCallRecordingState(), int(CallBasePtr::RecordingPaused));
    session->callRecordStopClicked();
    QTRY_COMPARE(call->getCallRecordingState(), int(CallBasePtr::NotRecording));
    QCOMPARE(recording.size(), 3);

    // The far end offers video: the call updates until the user answers.
    QSignalSpy requests(session, &CommunicationSession::addVideoRequest);
    QVERIFY(control().injectVideoRequest(call->getCallId()));
    QTRY_COMPARE(requests.size(), 1);
    QVERIFY(call->isUpdatingVideo());
    QCOMPARE(call->getVideoState(), CallBasePtr::VideoUpdating);
    call->acceptAudioOnly();
    QTRY_VERIFY(!call->isUpdatingVideo());
    QCOMPARE(call->getVideoState(), CallBasePtr::NoVideo);

    QSignalSpy video(session, &CommunicationSession::videoStateChanged);
    call->addVideo();
    QTRY_COMPARE(call->getVideoState(), CallBasePtr::VideoActive);
    QCOMPARE(call->getCallType(), CallBasePtr::VideoCall);
    QCOMPARE(video.size(), 1);
    QSize size(-1, -1);
    QVERIFY(call->getVideoSize(size));
    QCOMPARE(size, QSize(640, 480));
    QVERIFY(!session->isOnlyAudioCall());
}

void CallsTest::lostCallConnectionMarksTheCallAndComesBack()
{
    SignedIn signedIn;
    QVERIFY(signedIn.isReady());
    CommunicationSession* session = callBob(signedIn);
    QVERIFY(session);
    CallBasePtr* call = session->getCall();
    QSignalSpy lost(call, &CallBasePtr::sessionLostChanged);
    QSignalSpy subSessions(signedIn.session(), &Kivo::Sessions::SessionManagerBase::subSessionStateChanged);

    QVERIFY(control().injectLinkLost(0));
    QTRY_VERIFY(call->isSessionLost());
    QTRY_COMPARE(subSessions.size(), 1);
    QCOMPARE(subSessions.first().at(2).value<Kivo::Sessions::SubSession::State>(), Kivo::Sessions::SubSession::Failed);
    // Without the connection nobody new can be called; the call itself goes on.
    QSignalSpy created(signedIn.comms(), &CommsSessionController::sessionCreated);
    signedIn.comms()->createCall({Chiara}, false);
    QVERIFY(created.isEmpty());
    QCOMPARE(call->getCallState(), CallBasePtr::InCall);

    QVERIFY(control().injectLinkRestored(0));
    QTRY_VERIFY(!call->isSessionLost());
    QCOMPARE(lost.size(), 2);
    QTRY_COMPARE(subSessions.size(), 2);
    QCOMPARE(subSessions.last().at(2).value<Kivo::Sessions::SubSession::State>(), Kivo::Sessions::SubSession::Connected);
}

void CallsTest::activeCommunicationsListTheConversations()
{
    SignedIn signedIn;
    QVERIFY(signedIn.isReady());
    Kivo::Models::ActiveCommsModel model(signedIn.comms());
    Kivo::Models::ActiveCommsFilter filter;
    filter.setSourceModel(&model);
    filter.sort(0);
    QSignalSpy select(&model, &Kivo::Models::ActiveCommsModel::selectActiveSession);

    signedIn.comms()->createChat({Chiara});
    QCOMPARE(model.rowCount(), 1);
    CommunicationSession* call = callBob(signedIn);
    QVERIFY(call);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(select.size(), 1);
    QVERIFY(model.hasCall());
    // The call comes first; closed, the list keeps only the call.
    QCOMPARE(filter.index(0, 0).data(Kivo::Models::ActiveCommsModel::SessionRole).value<QObject*>(), call);
    QCOMPARE(filter.index(0, 0).data(Kivo::Models::ActiveCommsModel::ItemKindRole).toInt(), 2);
    QCOMPARE(filter.activeCallCommsSession(), call);
    filter.setOpen(false);
    QCOMPARE(filter.rowCount(), 1);
    call->getCall()->close();
    QTRY_COMPARE(model.rowCount(), 1);
    QCOMPARE(filter.rowCount(), 0);
    QVERIFY(!filter.activeCallCommsSession());
}

void CallsTest::emergencyNumbersAreNotCalled()
{
    SignedIn signedIn;
    QVERIFY(signedIn.isReady());
    QSignalSpy emergency(signedIn.comms(), &CommsSessionController::emergencyCallNotification);
    QSignalSpy created(signedIn.comms(), &CommsSessionController::sessionCreated);
    signedIn.comms()->createCall({"9-1-1"}, false);
    QCOMPARE(emergency.size(), 1);
    QVERIFY(created.isEmpty());
    QVERIFY(signedIn.session()->callController()->getCalls().isEmpty());
}

void CallsTest::waitingGuestsAreCountedUntilAnswered()
{
    SignedIn signedIn;
    QVERIFY(signedIn.isReady());
    Kivo::Controllers::GuestHelper* guests = signedIn.comms()->guestHelper();
    QVERIFY(guests);
    QCOMPARE(guests->pendingGuestsCount(), 0);
    QCOMPARE(guests->pendingGuestsCountText(), QString());
    QPointer<CommunicationSession> session = callBob(signedIn);
    QVERIFY(session);
    QSignalSpy changed(guests, &Kivo::Controllers::GuestHelper::pendingGuestsChanged);
    Kivo::Contacts::IContact ann(101, "Ann");
    Kivo::Contacts::IContact ben(102, "Ben");
    // Two guests ask to enter the room; asking twice counts once.
    emit session->showGuestNotification(session, &ann);
    emit session->showGuestNotification(session, &ben);
    emit session->showGuestNotification(session, &ann);
    QCOMPARE(guests->pendingGuestsCount(), 2);
    QCOMPARE(guests->pendingGuestsCountText(), QString("2"));
    QCOMPARE(changed.count(), 2);
    // An answer takes one off; a session that goes takes its guests along.
    emit session->hideGuestNotification(session, &ann);
    QCOMPARE(guests->pendingGuestsCount(), 1);
    session->close();
    QTRY_VERIFY(!session);
    QCOMPARE(guests->pendingGuestsCount(), 0);
    QCOMPARE(guests->pendingGuestsCountText(), QString());
}

QTEST_MAIN(CallsTest)
#include "tst_calls.moc"
