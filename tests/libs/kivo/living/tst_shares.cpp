// Desktop shares of the screen-sharing service as the engine hands them to the program: a
// peer's share the user is invited to watch, and the user's own through the conversation's
// screen-share handler.
#include "../conversations/conversation_fixture.h"

#include <Kivo/Controllers/ChatInterface.h>
#include <Kivo/Controllers/ZynHandler.h>
#include <Kivo/Webcollab/WebcollabZyn.h>

#include <QSignalSpy>
#include <QtTest>

using Kivo::Controllers::CommunicationSession;
using Kivo::Controllers::ZynHandler;
using Kivo::Webcollab::WebcollabBase;
using Kivo::Webcollab::WebcollabZyn;
namespace Fixture = ConversationFixture;

namespace {

const QHash<int, QVariant> ScreenSharing = {{ZynHandler::ScreenSharingItem, true}};

WebcollabZyn* shareOf(const CommunicationSession* session)
{
    return session ? qobject_cast<WebcollabZyn*>(session->getWebCollab()) : nullptr;
}

ZynHandler* handlerOf(const CommunicationSession* session)
{
    return session ? qobject_cast<ZynHandler*>(session->getZynHandler()) : nullptr;
}

} // namespace

class SharesTest : public QObject
{
    Q_OBJECT

private slots:
    void aPeersShareIsWatchedWhileItMoves();
    void aMismatchedShareCannotBeWatched();
    void theUsersShareStartsPausesAndStops();
    void sharesThatCannotHappenAreRefused();
    void withoutTheServiceThereIsNoHandler();
};

void SharesTest::aPeersShareIsWatchedWhileItMoves()
{
    Fixture::SignedIn signedIn(ScreenSharing);
    QVERIFY(signedIn.isReady());
    QSignalSpy created(signedIn.comms(), &Kivo::Controllers::CommsSessionController::sessionCreated);
    QVERIFY(Fixture::control().injectShareStarted(Fixture::Bob) > 0);

    // The invitation arrives as a conversation with Bob that asks the user.
    QTRY_COMPARE(created.count(), 1);
    QCOMPARE(created.first().at(1).toBool(), true);
    CommunicationSession* session = Fixture::nextSession(created);
    WebcollabZyn* share = shareOf(session);
    QVERIFY(share && session->getChat() && handlerOf(session));
    QVERIFY(session->getState() & CommunicationSession::Share);
    QCOMPARE(share->getState(), int(WebcollabBase::ConfirmingJoin));
    QVERIFY(!share->isFloorHolder() && !share->getMismatchedTags());
    QVERIFY(!share->isDelivering());

    // Yes: Bob's desktop moves, frame after frame, at the size the viewer asks for.
    QSignalSpy frames(share, &WebcollabZyn::frameChanged);
    share->setViewSize(QSize(320, 200));
    share->acceptParticipantSession();
    QTRY_COMPARE(share->getState(), int(WebcollabBase::Viewing));
    QTRY_VERIFY(frames.count() >= 2);
    const QImage first = frames.first().first().value<QImage>();
    const QImage later = frames.last().first().value<QImage>();
    QCOMPARE(first.size(), QSize(320, 200));
    QVERIFY(first != later);

    // Bob holds his desktop still: nothing comes, and no timer runs, until he lets it go.
    QVERIFY(Fixture::control().injectSharePaused(Fixture::Bob, true));
    QTRY_VERIFY(share->isPaused());
    QVERIFY(!share->isDelivering());
    QVERIFY(Fixture::control().injectSharePaused(Fixture::Bob, false));
    QTRY_VERIFY(share->isDelivering());

    // Bob ends it: the conversation has no share left.
    QPointer<WebcollabZyn> ended = share;
    QVERIFY(Fixture::control().injectShareStopped(Fixture::Bob));
    QTRY_VERIFY(!session->getWebCollab());
    QVERIFY(!(session->getState() & CommunicationSession::Share));
    QTRY_VERIFY(!ended);
    QVERIFY(!Fixture::control().injectShareStopped(Fixture::Bob));
}

void SharesTest::aMismatchedShareCannotBeWatched()
{
    Fixture::SignedIn signedIn(ScreenSharing);
    QVERIFY(signedIn.isReady());
    QSignalSpy created(signedIn.comms(), &Kivo::Controllers::CommsSessionController::sessionCreated);
    QVERIFY(Fixture::control().injectShareStarted(Fixture::Bob, true) > 0);
    QTRY_COMPARE(created.count(), 1);
    CommunicationSession* session = Fixture::nextSession(created);
    WebcollabZyn* share = shareOf(session);
    QVERIFY(share && share->getMismatchedTags());
    share->acceptParticipantSession();
    QCOMPARE(share->getState(), int(WebcollabBase::None));
    QVERIFY(!share->isDelivering());
    // The user's OK ends it.
    share->rejectParticipantSession();
    QTRY_VERIFY(!session->getWebCollab());
}

void SharesTest::theUsersShareStartsPausesAndStops()
{
    Fixture::SignedIn signedIn(ScreenSharing);
    QVERIFY(signedIn.isReady());
    QSignalSpy created(signedIn.comms(), &Kivo::Controllers::CommsSessionController::sessionCreated);
    signedIn.comms()->createChat(QStringList{Fixture::Bob});
    QTRY_COMPARE(created.count(), 1);
    CommunicationSession* session = Fixture::nextSession(created);
    ZynHandler* handler = handlerOf(session);
    QVERIFY(handler);
    QTRY_VERIFY(handler->canStart());
    QVERIFY(!handler->isSharing() && handler->link().isEmpty());
    QSignalSpy changed(handler, &ZynHandler::changed);

    handler->startShare();
    QTRY_VERIFY(handler->isSharing());
    WebcollabZyn* share = shareOf(session);
    QVERIFY(share && share->isFloorHolder() && share->isOwner());
    QCOMPARE(share->getState(), int(WebcollabBase::Sharing));
    QCOMPARE(handler->link(), QString("https://collab.test.example/share/%1").arg(share->shareId()));
    QVERIFY(!handler->canStart());
    QVERIFY(session->isSessionOwner());
    // The user's own desktop is not drawn back to the user.
    QVERIFY(!share->isDelivering());

    handler->pauseShare();
    QTRY_VERIFY(handler->isPaused());
    handler->resumeShare();
    QTRY_VERIFY(!handler->isPaused());
    QVERIFY(changed.count() >= 3);

    handler->stopShare();
    QTRY_VERIFY(!handler->isSharing());
    QVERIFY(!session->getWebCollab());
    QVERIFY(handler->canStart());
    QVERIFY(handler->link().isEmpty());
}

void SharesTest::sharesThatCannotHappenAreRefused()
{
    Fixture::SignedIn signedIn(ScreenSharing);
    QVERIFY(signedIn.isReady());
    Kivo::Simulation::Control control = Fixture::control();
    QCOMPARE(control.injectShareStarted(""), 0);
    QCOMPARE(control.injectShareStarted(QString("bob\n@test.example")), 0);
    QVERIFY(!control.injectSharePaused(Fixture::Bob, true));
    QVERIFY(!control.injectShareStopped(Fixture::Chiara));
    QVERIFY(control.injectShareStarted(Fixture::Bob) > 0);
    QCOMPARE(control.injectShareStarted(Fixture::Bob), 0);
    // The user cannot show Bob a second share while his runs, nor show anybody nothing.
    QCOMPARE(Fixture::service().startShare(Fixture::Bob), 0);
    QCOMPARE(Fixture::service().startShare(""), 0);
    QVERIFY(!Fixture::service().pauseShare(4711, true));
    QVERIFY(!Fixture::service().joinShare(4711));

    // Nobody signed in: nothing at all.
    QSignalSpy signedOut(&Fixture::service(), &Kivo::Simulation::Service::signedOut);
    Fixture::service().signOut();
    QVERIFY(signedOut.wait());
    QCOMPARE(control.injectShareStarted(Fixture::Chiara), 0);
    QCOMPARE(Fixture::service().startShare(Fixture::Chiara), 0);
}

void SharesTest::withoutTheServiceThereIsNoHandler()
{
    Fixture::SignedIn signedIn;
    QVERIFY(signedIn.isReady());
    QSignalSpy created(signedIn.comms(), &Kivo::Controllers::CommsSessionController::sessionCreated);
    signedIn.comms()->createChat(QStringList{Fixture::Bob});
    QTRY_COMPARE(created.count(), 1);
    QVERIFY(!Fixture::nextSession(created)->getZynHandler());
}

QTEST_MAIN(SharesTest)
#include "tst_shares.moc"
