#include "../../libqml/qml_test_setup.h"
#include "Providers/factory.h"
#include "common/constants.h"
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
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Contacts/Properties.h>
#include <Kivo/MediaEngine/CallControllerBase.h>

#include <QApplication>
#include <QJSValue>
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
    // A call to Bob, answered, in a window of its own; with configuration items, the window
    // also has the provider factory that publishes them (and the call's actions).
    struct AnsweredCall
    {
        explicit AnsweredCall(const QHash<int, QVariant>& items = {})
            : signedIn(items)
        {
            QVERIFY(signedIn.isReady());
            QSignalSpy created(signedIn.comms(), &Kivo::Controllers::CommsSessionController::sessionCreated);
            signedIn.comms()->createCall({ConversationFixture::Bob}, false);
            QTRY_COMPARE(created.count(), 1);
            session = created.first().first().value<CommunicationSession*>();
            QTRY_COMPARE(session->getCall()->getCallState(), Kivo::MediaEngine::CallBasePtr::InCall);
            if (!items.isEmpty())
                factory.reset(new Providers::Factory(signedIn.session(), signedIn.session()->contactsManager(),
                                                     nullptr, nullptr));
            window = new QML::CommunicationsWindow(signedIn.session(), session, factory.data(), false);
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
        QScopedPointer<Providers::Factory> factory;
        QPointer<CommunicationSession> session;
        QPointer<QML::CommunicationsWindow> window;
    };

    static QHash<int, QVariant> transferType(const QString& type) { return {{Constants::ConfigItem::CallTransferType, type}}; }

    // The transfer panel of the call's bar, opened, with the keyboard in its search field.
    static QQuickItem* openTransferPanel(AnsweredCall& call)
    {
        call.window->show();
        if (!QTest::qWaitForWindowExposed(call.window))
            return nullptr;
        NotificationsWidget* bar = call.window->notifications();
        call.window->openTransferPanel();
        if (!QTest::qWaitFor([bar] { return bar->isVisible(); }))
            return nullptr;
        QQuickItem* panel = SceneItems::named(bar->rootObject(), "transferPanel");
        QQuickItem* search = SceneItems::named(panel, "searchField");
        if (!panel || !search || !SceneItems::click(bar, search))
            return nullptr;
        return panel;
    }
    static QQuickItem* in(QQuickItem* panel, const char* name) { return SceneItems::named(panel, name); }

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
        AnsweredCall call(transferType("blind"));
        QQuickItem* panel = openTransferPanel(call);
        QVERIFY(panel);
        NotificationsWidget* bar = call.window->notifications();
        // A number typed in goes as it is, once the list of matches is out of the way.
        QTest::keyClicks(bar, "+15550102");
        QQuickItem* transferNow = in(panel, "firstButton");
        QTRY_VERIFY(in(panel, "contactList")->isVisible());
        QVERIFY(!transferNow->isEnabled());
        QTest::keyClick(bar, Qt::Key_Escape);
        QTRY_VERIFY(transferNow->isEnabled());
        QPointer<Kivo::MediaEngine::CallBasePtr> transferred = call.session->getCall();
        SceneItems::click(bar, transferNow);
        QTRY_VERIFY(!transferred || transferred->getEndReason() == Kivo::MediaEngine::CallBasePtr::Transferred);
    }

    void transferButtonsFollowTheTransferType_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("now");
        QTest::addColumn<bool>("attended");
        QTest::newRow("talk-first") << "talk-first" << false << true;
        QTest::newRow("blind") << "blind" << true << false;
        QTest::newRow("full") << "full" << true << true;
        QTest::newRow("unknown") << "Blind" << false << false;
    }

    void transferButtonsFollowTheTransferType()
    {
        QFETCH(QString, type);
        QFETCH(bool, now);
        QFETCH(bool, attended);
        TestSupport::Environment env;
        AnsweredCall call(transferType(type));
        QQuickItem* panel = openTransferPanel(call);
        QVERIFY(panel);
        QCOMPARE(in(panel, "firstButton")->isVisible(), now);
        QCOMPARE(in(panel, "firstButton")->property("toolTip").toString(), QString("Transfer Now"));
        QCOMPARE(in(panel, "attendedAudioButton")->isVisible(), attended);
        QCOMPARE(in(panel, "attendedAudioButton")->property("toolTip").toString(),
                 QString("Audio call to selected contact"));
    }

    void searchTakesAContactFoundByPartOfItsName()
    {
        TestSupport::Environment env;
        AnsweredCall call(transferType("full"));
        QQuickItem* panel = openTransferPanel(call);
        QVERIFY(panel);
        NotificationsWidget* bar = call.window->notifications();
        QQuickItem* list = in(panel, "contactList");

        // Part of the name lists Chiara; Escape closes the list and leaves the text.
        QTest::keyClicks(bar, "chi");
        QTRY_VERIFY(list->isVisible());
        QVERIFY(in(panel, "contactMatch_Chiara Rossi"));
        QVERIFY(!in(panel, "contactMatch_Bob Lindqvist"));
        QTest::keyClick(bar, Qt::Key_Escape);
        QVERIFY(!list->isVisible());
        QCOMPARE(in(panel, "searchField")->property("text").toString(), QString("chi"));

        // Up from no row goes to the last; Return takes it: her name, her numbers, her id.
        QTest::keyClick(bar, Qt::Key_A);
        QTRY_VERIFY(list->isVisible());
        QTest::keyClick(bar, Qt::Key_Up);
        QTest::keyClick(bar, Qt::Key_Return);
        QTRY_VERIFY(!list->isVisible());
        QCOMPARE(in(panel, "searchField")->property("text").toString(), QString("Chiara Rossi"));
        QCOMPARE(panel->property("contactId").toInt(), 2);
        const QVariant choices = panel->property("numberChoices");
        QCOMPARE(choices.canConvert<QJSValue>() ? choices.value<QJSValue>().toVariant().toStringList()
                                                : choices.toStringList(),
                 QStringList({"chiara@test.example", "Work: +15550102"}));
        QCOMPARE(in(panel, "numberFieldText")->property("text").toString(), QString("chiara@test.example"));
        QVERIFY(in(panel, "firstButton")->hasActiveFocus());

        // Another number from the field goes without its label.
        SceneItems::click(bar, in(panel, "numberField"));
        QTRY_VERIFY(in(panel, "numberChoice_1"));
        SceneItems::click(bar, in(panel, "numberChoice_1"));
        QCOMPARE(in(panel, "numberFieldText")->property("text").toString(), QString("Work: +15550102"));
        QSignalSpy asked(panel, SIGNAL(firstButtonClicked(QString, int)));
        QTest::keyClick(bar, Qt::Key_Return);
        QTRY_COMPARE(asked.count(), 1);
        QCOMPARE(asked.first().at(0).toString(), QString("+15550102"));
        QCOMPARE(asked.first().at(1).toInt(), 2);
    }

    void attendedCallsTheContactFirst_data()
    {
        QTest::addColumn<bool>("audio");
        QTest::newRow("audio") << true;
        QTest::newRow("video") << false;
    }

    void attendedCallsTheContactFirst()
    {
        QFETCH(bool, audio);
        TestSupport::Environment env;
        AnsweredCall call(transferType("talk-first"));
        QQuickItem* panel = openTransferPanel(call);
        QVERIFY(panel);
        NotificationsWidget* bar = call.window->notifications();
        QTest::keyClicks(bar, "Chiara");
        QTRY_VERIFY(in(panel, "contactMatch_Chiara Rossi"));
        QTest::keyClick(bar, Qt::Key_Down);
        QTest::keyClick(bar, Qt::Key_Return);
        QTRY_VERIFY(!in(panel, "contactList")->isVisible());

        QSignalSpy created(call.signedIn.comms(), &Kivo::Controllers::CommsSessionController::sessionCreated);
        QQuickItem* button = in(panel, audio ? "attendedAudioButton" : "attendedVideoButton");
        QTRY_VERIFY(button->isVisible() && button->isEnabled());
        SceneItems::click(bar, button);
        QTRY_COMPARE(created.count(), 1);
        CommunicationSession* second = ConversationFixture::nextSession(created);
        QVERIFY(second->getHasAssociatedFirstCall());
        QCOMPARE(second->getCall()->isVideoCall(), !audio);
        QCOMPARE(second->getCall()->getRemoteAddress(), QString(ConversationFixture::Chiara));
        // While the consultation call is up nothing else is called from the panel.
        QTRY_VERIFY(!in(panel, "attendedAudioButton")->isEnabled());
        QVERIFY(!in(panel, "searchField")->isEnabled());
        second->getCall()->close();
    }

    void addPeopleTakesTheContactAndClears()
    {
        TestSupport::Environment env;
        AnsweredCall call(transferType("full"));
        call.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(call.window));
        NotificationsWidget* bar = call.window->notifications();
        call.window->openAddParticipantPanel();
        QTRY_VERIFY(bar->isVisible());
        QQuickItem* panel = SceneItems::named(bar->rootObject(), "addParticipantPanel");
        QTRY_VERIFY(panel->isVisible());
        QVERIFY(SceneItems::click(bar, in(panel, "searchField")));
        QTest::keyClicks(bar, "ross");
        QTRY_VERIFY(in(panel, "contactMatch_Chiara Rossi"));
        QTest::keyClick(bar, Qt::Key_Down);
        QTest::keyClick(bar, Qt::Key_Return);
        QTRY_VERIFY(in(panel, "firstButton")->hasActiveFocus());

        QSignalSpy added(call.window.data(), &QML::CommunicationsWindow::addParticipant);
        QTest::keyClick(bar, Qt::Key_Return);
        QTRY_COMPARE(added.count(), 1);
        QCOMPARE(added.first().at(1).toString(), QString(ConversationFixture::Chiara));
        QCOMPARE(added.first().at(2).toInt(), 2);
        QTRY_VERIFY(!bar->addParticipantsVisible());
        QCOMPARE(in(panel, "searchField")->property("text").toString(), QString());
    }

    void numberChoicesOfAContact_data()
    {
        using Key = Kivo::Contacts::Properties::Key;
        QTest::addColumn<QString>("address");
        QTest::addColumn<QVariantMap>("numbers");
        QTest::addColumn<QStringList>("choices");
        QTest::newRow("address only") << "dev@test.example" << QVariantMap() << QStringList{"dev@test.example"};
        QTest::newRow("every number, in order")
            << "eve@test.example"
            << QVariantMap{{QString::number(Key::HomeNumber), "+3"}, {QString::number(Key::MobileNumber), "+2"},
                           {QString::number(Key::Extension), "204"}, {QString::number(Key::WorkNumber), "+1"}}
            << QStringList{"eve@test.example", "Work: +1", "Extension: 204", "Mobile: +2", "Personal: +3"};
        // An address whose user part is one of the numbers is that number already.
        QTest::newRow("address is a number")
            << "sip:+15550177@test.example" << QVariantMap{{QString::number(Key::MobileNumber), "+15550177"}}
            << QStringList{"Mobile: +15550177"};
        QTest::newRow("extension does not count")
            << "204@test.example" << QVariantMap{{QString::number(Key::Extension), "204"}}
            << QStringList{"204@test.example", "Extension: 204"};
    }

    void numberChoicesOfAContact()
    {
        QFETCH(QString, address);
        QFETCH(QVariantMap, numbers);
        QFETCH(QStringList, choices);
        Kivo::Contacts::IContact contact(9, "Somebody");
        contact.setProperty(Kivo::Contacts::Properties::Address, address);
        for (auto it = numbers.cbegin(); it != numbers.cend(); ++it)
            contact.setProperty(Kivo::Contacts::Properties::Key(it.key().toInt()), it.value());
        QCOMPARE(QML::CommunicationsWindow::numberChoices(&contact), choices);
        QVERIFY(QML::CommunicationsWindow::numberChoices(nullptr).isEmpty());
    }

    void closedPanelGivesItsRoomBack()
    {
        TestSupport::Environment env;
        AnsweredCall call(transferType("full"));
        call.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(call.window));
        const int before = call.window->height();
        QVERIFY(openTransferPanel(call));
        QTRY_COMPARE(call.window->height(), before + int(NotificationsWidget::PanelHeight));
        call.window->notifications()->closeContactList();
        QTRY_COMPARE(call.window->height(), before);
        QVERIFY(!call.window->notifications()->isVisible());
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
