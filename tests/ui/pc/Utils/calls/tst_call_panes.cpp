#include "../../libqml/qml_test_setup.h"
#include "Widgets/Custom/video_call.h"
#include "libqml/components/communications_window/communication_window_dialpad.h"
#include "libqml/components/communications_window/communications_window.h"
#include "libqml/components/notifications/notifications_widget.h"
#include "libqml/components/notifications/webcollab_sharing_notification.h"
#include "../../../../libs/kivo/conversations/conversation_fixture.h"
#include "support/test_environment.h"
#include "ui/pc/libqml/scene_items.h"

#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/MediaEngine/CallControllerBase.h>

#include <QApplication>
#include <QKeyEvent>
#include <QQuickItem>
#include <QSignalSpy>
#include <QtTest>

using Kivo::Controllers::CommunicationSession;
using QML::CommunicationWindowDialpad;
using QML::NotificationsWidget;

class CallPanesTest : public QObject
{
    Q_OBJECT

private:
    // A call to Bob, answered, in a window of its own.
    struct AnsweredCall
    {
        AnsweredCall()
        {
            QVERIFY(signedIn.isReady());
            QSignalSpy created(signedIn.comms(), &Kivo::Controllers::CommsSessionController::sessionCreated);
            signedIn.comms()->createCall({ConversationFixture::Bob}, false);
            QTRY_COMPARE(created.count(), 1);
            session = created.first().first().value<CommunicationSession*>();
            QTRY_COMPARE(session->getCall()->getCallState(), Kivo::MediaEngine::CallBasePtr::InCall);
            window = new QML::CommunicationsWindow(signedIn.session(), session, nullptr, false);
            QVERIFY(window->Activate());
            window->ActivateCall();
        }
        ~AnsweredCall()
        {
            delete window;
            if (session && session->getCall())
                session->getCall()->close();
        }

        ConversationFixture::SignedIn signedIn;
        QPointer<CommunicationSession> session;
        QPointer<QML::CommunicationsWindow> window;
    };

private slots:
    void initTestCase() { QmlTestSetup::prepare(); }

    void keysSendTones_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("tone");
        QTest::newRow("0") << int(Qt::Key_0) << 0;
        QTest::newRow("9") << int(Qt::Key_9) << 9;
        QTest::newRow("*") << int(Qt::Key_Asterisk) << 10;
        QTest::newRow("#") << int(Qt::Key_NumberSign) << 11;
        QTest::newRow("Return") << int(Qt::Key_Return) << 11;
        QTest::newRow("Enter") << int(Qt::Key_Enter) << 11;
        QTest::newRow("a letter") << int(Qt::Key_A) << -1;
    }

    void keysSendTones()
    {
        QFETCH(int, key);
        QFETCH(int, tone);
        QCOMPARE(CommunicationWindowDialpad::toneOfKey(key), tone);
    }

    void dialpadOpensAwayFromTheEdges_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QPoint>("cursor");
        QTest::addColumn<QPoint>("place");
        const QSize pad(180, 200);
        const QRect primary(0, 0, 1600, 1000);
        const QRect right(1600, 0, 1280, 1024);
        QTest::newRow("room to spare") << primary << QPoint(100, 100) << QPoint(100, 100);
        QTest::newRow("right edge") << primary << QPoint(1500, 100) << QPoint(1500 - pad.width(), 100);
        QTest::newRow("bottom edge") << primary << QPoint(100, 900) << QPoint(100, 900 - pad.height());
        // A screen beside the primary one: its own edges count, not its width from 0.
        QTest::newRow("second screen, middle") << right << QPoint(2000, 100) << QPoint(2000, 100);
        QTest::newRow("second screen, right edge") << right << QPoint(2800, 100) << QPoint(2800 - pad.width(), 100);
    }

    void dialpadOpensAwayFromTheEdges()
    {
        QFETCH(QRect, area);
        QFETCH(QPoint, cursor);
        QFETCH(QPoint, place);
        QCOMPARE(CommunicationWindowDialpad::placeAt(cursor, QSize(180, 200), area), place);
    }

    void dialpadClicksAndKeysReachTheCall()
    {
        TestSupport::Environment env;
        AnsweredCall call;
        QVERIFY(call.window);
        call.window->show();
        call.window->setDialpadVisible(true);
        CommunicationWindowDialpad* pad = call.window->dialpad();
        QTRY_VERIFY(pad->isVisible());
        SceneItems::click(pad, SceneItems::named(pad->rootObject(), "dialpadKey_5"));
        SceneItems::click(pad, SceneItems::named(pad->rootObject(), "dialpadKey_hash"));
        // Typed into the window, a digit goes the same way.
        QTest::keyClick(call.window, Qt::Key_7);
        QTRY_COMPARE(call.session->getCall()->getTones(), QString("5#7"));
        QCOMPARE(SceneItems::named(pad->rootObject(), "dialpadDisplay")->property("text").toString(), QString("5#7"));

        // Esc hides it; Esc again on the hidden pad changes nothing.
        QSignalSpy changed(call.window.data(), &QML::CommunicationsWindow::dialpadVisibleChanged);
        QTest::keyClick(pad, Qt::Key_Escape);
        QVERIFY(!pad->isVisible());
        QCOMPARE(changed.count(), 1);
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QVERIFY(!pad->handleKey(&escape));
        QCOMPARE(changed.count(), 1);
    }

    void barHeights_data()
    {
        QTest::addColumn<bool>("transfer");
        QTest::addColumn<bool>("park");
        QTest::addColumn<bool>("participants");
        QTest::addColumn<int>("height");
        QTest::newRow("transfer") << true << false << false << int(NotificationsWidget::PanelHeight);
        QTest::newRow("transfer over park") << true << true << false << int(NotificationsWidget::PanelHeight);
        QTest::newRow("add participants") << false << false << true << int(NotificationsWidget::PanelHeight);
        QTest::newRow("park") << false << true << false << int(NotificationsWidget::ParkHeight);
        QTest::newRow("nothing") << false << false << false << int(NotificationsWidget::DefaultHeight);
    }

    void barHeights()
    {
        QFETCH(bool, transfer);
        QFETCH(bool, park);
        QFETCH(bool, participants);
        QFETCH(int, height);
        TestSupport::Environment env;
        AnsweredCall call;
        call.window->show();
        NotificationsWidget* bar = call.window->notifications();
        bar->setCallParkVisible(park);
        bar->setCallTransferVisible(transfer);
        bar->setAddParticipantsVisible(participants);
        QCOMPARE(bar->wantedHeight(), height);
        QCOMPARE(bar->isVisible(), transfer || park || participants);
        if (bar->isVisible())
            QCOMPARE(bar->height(), height);
    }

    void barOfAHiddenWindowStaysHidden()
    {
        TestSupport::Environment env;
        AnsweredCall call;
        QVERIFY(!call.window->isVisible());
        call.session->setShareInvitationOrphan(true);
        call.window->notifications()->checkIfNeedsToBeVisible();
        QVERIFY(!call.window->notifications()->isVisible());
        QVERIFY(!call.window->isVisible());
        QCOMPARE(call.window->notifications()->wantedHeight(), int(NotificationsWidget::ShareProblemHeight));
    }

    void endedCallClosesThePanels()
    {
        TestSupport::Environment env;
        AnsweredCall call;
        call.window->show();
        call.window->openParkPanel();
        QVERIFY(call.window->notifications()->callParkVisible());
        call.session->getCall()->close();
        QTRY_VERIFY(!call.session || !call.session->getCall() || !call.window
                    || !call.window->notifications()->callParkVisible());
    }

    void parkAndTransferGoThroughTheBar()
    {
        TestSupport::Environment env;
        AnsweredCall call;
        call.window->show();
        NotificationsWidget* bar = call.window->notifications();
        call.window->openTransferPanel();
        QTRY_VERIFY(bar->isVisible());
        QQuickItem* search = SceneItems::named(bar->rootObject(), "searchField");
        QVERIFY(search && search->isVisible());
        SceneItems::click(bar, search);
        QTest::keyClicks(bar, "chiara@test.example");
        QQuickItem* transferNow = SceneItems::named(SceneItems::named(bar->rootObject(), "transferPanel"), "firstButton");
        QTRY_VERIFY(transferNow->isEnabled());
        QPointer<Kivo::MediaEngine::CallBasePtr> transferred = call.session->getCall();
        SceneItems::click(bar, transferNow);
        QTRY_VERIFY(!transferred || transferred->getEndReason() == Kivo::MediaEngine::CallBasePtr::Transferred);
    }

    void sharingNoticeGoesAfterThreeSeconds()
    {
        TestSupport::Environment env;
        QPointer<QML::WebcollabSharingNotification> first =
            QML::WebcollabSharingNotification::showCentred(QRect(0, 0, 1600, 1000));
        QTest::qWait(1000);
        QPointer<QML::WebcollabSharingNotification> second =
            QML::WebcollabSharingNotification::showCentred(QRect(0, 0, 1600, 1000));
        QVERIFY(first && second && first->isVisible());
        QCOMPARE(first->pos(), QPoint((1600 - 370) / 2, (1000 - 80) / 2));
        QTRY_VERIFY_WITH_TIMEOUT(!first, 3000);
        QVERIFY(second);
        QTRY_VERIFY_WITH_TIMEOUT(!second, 2000);
    }

    void sharingNoticeCentresOnTheAreasOwnOrigin()
    {
        QCOMPARE(QML::WebcollabSharingNotification::centredIn(QRect(1600, 200, 1280, 1024), QSize(370, 80)),
                 QPoint(1600 + (1280 - 370) / 2, 200 + (1024 - 80) / 2));
    }

    void previewFitsTheCamerasPicture_data()
    {
        QTest::addColumn<QSize>("video");
        QTest::addColumn<QSize>("preview");
        QTest::newRow("4:3") << QSize(640, 480) << QSize(96, 72);
        QTest::newRow("16:9") << QSize(1280, 720) << QSize(96, 54);
    }

    void previewFitsTheCamerasPicture()
    {
        QFETCH(QSize, video);
        QFETCH(QSize, preview);
        Widgets::Custom::VideoCall surface(nullptr);
        surface.setVideoSize(video);
        QCOMPARE(surface.preview()->minimumSize(), preview);
        QCOMPARE(surface.preview()->maximumSize(), preview);
    }

    void escapeOnTheVideoStaysThere()
    {
        QWidget window;
        auto* surface = new Widgets::Custom::VideoCall(nullptr, &window);
        QSignalSpy escaped(surface, &Widgets::Custom::VideoCall::videoEscapePressed);
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(surface, &escape);
        QCOMPARE(escaped.count(), 1);
        QVERIFY(escape.isAccepted());
        QVERIFY(surface->videoEngineFlag() && surface->preview()->videoEngineFlag());
    }
};

QTEST_MAIN(CallPanesTest)

#include "tst_call_panes.moc"
