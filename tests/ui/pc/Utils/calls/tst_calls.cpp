#include "Dialogs/message_window.h"
#include "Utils/ContactNotification/contact_online_player.h"
#include "Utils/communications_window_manager.h"
#include "Utils/sounds_player.h"
#include "Utils/window_manager_call_helper.h"
#include "Widgets/Custom/video_call.h"
#include "Widgets/Notifications/notification.h"
#include "common/constants.h"
#include "libqml/components/communications_window/communications_window.h"
#include "libqml/components/loginwindow/login_window.h"
#include "libqml/components/mainwindow/main_window.h"
#include "libqml/window/qml_view.h"
#include "libqml/components/notifications/communication_notification.h"
#include "support/application_test.h"
#include "support/config_patch.h"
#include "support/shown_windows.h"
#include "support/user_settings.h"
#include "ui/pc/libqml/scene_items.h"

#include <Kivo/Actions/Action.h>
#include <Kivo/Configuration/Config.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Controllers/ChatInterface.h>
#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/Controllers/ExecutiveHandler.h>
#include <Kivo/MediaEngine/CallControllerBase.h>
#include <Kivo/MediaEngine/IMediaHandlerAudio.h>
#include <Kivo/MediaEngine/IMediaHandlerVideo.h>
#include <Kivo/Models/CommsSessionParticipants.h>
#include <Kivo/MyRoom/Controller.h>
#include <Kivo/Models/Groups.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Service.h>
#include <Kivo/Settings.h>

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QQuickItem>
#include <QSignalSpy>
#include <QtTest>

using Kivo::Controllers::CommunicationSession;
using Kivo::MediaEngine::CallBasePtr;
using Kivo::Simulation::Control;

namespace Key = Constants::SettingsKey;

namespace {

constexpr const char* Bob = "bob@demo.telvarion.net";
constexpr const char* Chiara = "chiara@demo.telvarion.net";
constexpr const char* Ring = ":/sounds/ring.wav";
constexpr const char* RingBack = ":/sounds/calling.wav";

} // namespace

class CallsTest : public TestSupport::ApplicationTest
{
    Q_OBJECT

public:
    using ApplicationTest::ApplicationTest;

private:
    Kivo::Sessions::SessionManagerBase* session() const { return m_App.session(); }
    Kivo::Controllers::CommsSessionController* sessions() const { return session()->commsSessionController(); }
    Kivo::MediaEngine::IMediaHandlerAudio* audio() const
    {
        return session()->callController()->GetMediaHandlerAudio();
    }
    Utils::CommunicationsWindowManager* manager() const { return m_App.communicationsWindowManager(); }
    Kivo::Configuration::Config* config() const
    {
        return const_cast<Kivo::Configuration::Config*>(session()->getConfig());
    }

    static QList<QML::CommunicationNotification*> popups()
    {
        return TestSupport::shownWindows<QML::CommunicationNotification>();
    }

    static Dialogs::MessageWindow* shownMessage()
    {
        const QList<Dialogs::MessageWindow*> shown = TestSupport::shownWindows<Dialogs::MessageWindow>();
        return shown.isEmpty() ? nullptr : shown.first();
    }

    static QString messageText(const Dialogs::MessageWindow* message)
    {
        return message->findChild<QLabel*>("messageText")->text();
    }

    static void closeMessages()
    {
        for (Dialogs::MessageWindow* message : TestSupport::shownWindows<Dialogs::MessageWindow>())
            message->close();
        QTRY_VERIFY(!shownMessage());
    }

    // The conversation of the one call running now.
    CommunicationSession* ringingSession() const
    {
        const QList<Kivo::MediaEngine::Call> calls = session()->callController()->getCalls();
        return calls.isEmpty() ? nullptr : sessions()->getSession(calls.last());
    }

    // A call from `from` until its pop-up shows; null when none did.
    QML::CommunicationNotification* incomingCall(const QString& from, bool video = false,
                                                 const QString& executive = QString())
    {
        Control::IncomingCall call;
        call.from = from;
        call.video = video;
        call.executive = executive;
        if (!Control(service()).injectIncomingCall(call))
            return nullptr;
        QML::CommunicationNotification* popup = nullptr;
        const bool shown = QTest::qWaitFor([&popup] { return (popup = popups().isEmpty() ? nullptr : popups().first()); });
        return shown ? popup : nullptr;
    }

    static bool clickInPopup(QML::CommunicationNotification* popup, const QString& name)
    {
        QQuickItem* item = SceneItems::named(popup->rootObject(), name);
        if (!item || !item->isVisible())
            return false;
        SceneItems::click(popup, item);
        return true;
    }

    void hangUpAll()
    {
        for (const Kivo::MediaEngine::Call& call : session()->callController()->getCalls())
            call->close();
        QTRY_VERIFY(session()->callController()->getCalls().isEmpty());
        QTRY_VERIFY(popups().isEmpty());
        closeMessages();
    }

    bool ringsWith(const QString& file) const { return audio()->playingSounds().contains(file); }

private slots:
    void initTestCase()
    {
        ApplicationTest::initTestCase();
        signIn();
    }

    void cleanup() { hangUpAll(); }

    void signedInClientAnimatesNothingHidden()
    {
        // The login window stays, hidden, while the user is signed in: its spinner stops.
        const QML::LoginWindow* login = m_App.loginWindow();
        QVERIFY(login && !login->isVisible());
        const QObject* spinner = login->view()->rootObject()->findChild<QObject*>("spinnerAnimation");
        QVERIFY(spinner);
        QVERIFY(!spinner->property("running").toBool());
    }

    void incomingCallShowsOnePopupThatRings()
    {
        QSignalSpy started(audio(), &Kivo::MediaEngine::IMediaHandlerAudio::soundStarted);
        QSignalSpy alerts(manager()->getCallHelper(), &Utils::WindowManagerCallHelper::playingIncomingCallAlert);
        QML::CommunicationNotification* popup = incomingCall(Bob);
        QVERIFY(popup);
        QCOMPARE(SceneItems::named(popup->rootObject(), "header")->property("text").toString(),
                 QString("Bob Lindqvist"));
        QTRY_VERIFY(ringsWith(Ring));
        QCOMPARE(started.count(), 1);
        QVERIFY(started.first().at(1).toBool());
        // It goes on ringing: the call itself is no call to wait behind.
        QTest::qWait(100);
        QVERIFY(ringsWith(Ring));
        // The window of the call follows the pop-up, hidden, and waits for an answer.
        CommunicationSession* ringing = ringingSession();
        QTRY_VERIFY(manager()->getWindow(ringing));
        QVERIFY(!manager()->getWindow(ringing)->isVisible());

        // Asked again for the same call: no second pop-up, no second ringer.
        manager()->getCallHelper()->showCallNotification(ringing);
        QCoreApplication::processEvents();
        QCOMPARE(popups().size(), 1);
        QCOMPARE(started.count(), 1);
        QCOMPARE(alerts.count(), 1);

        // The pop-up draws only its own rounded frame.
        QVERIFY(popup->testAttribute(Qt::WA_TranslucentBackground));
        QVERIFY(popup->windowFlags().testFlag(Qt::FramelessWindowHint));
    }

    void popupShowsBeforeAnythingIsBuiltForTheCall()
    {
        // What exists for the call at the moment its pop-up shows.
        struct AtShow : QObject
        {
            Utils::CommunicationsWindowManager* manager = nullptr;
            int windows = -1;
            bool eventFilter(QObject* watched, QEvent* event) override
            {
                if (event->type() == QEvent::Show && windows < 0 && qobject_cast<QML::CommunicationNotification*>(watched))
                    windows = manager->windows().size();
                return false;
            }
        } atShow;
        atShow.manager = manager();
        const int before = manager()->windows().size();
        qApp->installEventFilter(&atShow);
        QML::CommunicationNotification* popup = incomingCall(Bob);
        qApp->removeEventFilter(&atShow);
        QVERIFY(popup);
        QCOMPARE(atShow.windows, before);
        // Answered before its window was made, the call still gets one.
        CommunicationSession* ringing = ringingSession();
        QML::CommunicationsWindow* window = manager()->windowFor(ringing);
        QVERIFY(window);
        QCOMPARE(manager()->getWindow(ringing), window);
        QCOMPARE(manager()->windows().size(), before + 1);
    }

    void callsBeyondTheRingingCapAreDeclinedBusy()
    {
        const int cap = Utils::CommunicationsWindowManager::MaxRingingCalls;
        QStringList busy;
        const QMetaObject::Connection ends = connect(&service(), &Kivo::Simulation::Service::callUpdated, this,
                                                     [&busy](const Kivo::Simulation::Call& call) {
                                                         if (call.endReason == Kivo::Simulation::CallEnd::Busy)
                                                             busy << call.remote;
                                                     });
        for (int i = 0; i <= cap; ++i)
            QVERIFY(Control(service()).injectIncomingCall(QStringLiteral("+1555010%1").arg(i, 2, 10, QChar('0'))));
        // The last one finds every place taken: the caller hears busy, the user nothing.
        QTRY_VERIFY_WITH_TIMEOUT(logs().contains("declined as busy: " + QString::number(cap) + " calls ring already"),
                                 20000);
        QTRY_COMPARE(popups().size(), cap);
        QTRY_COMPARE(busy.size(), 1);
        QVERIFY2(busy.first().contains(QStringLiteral("555010%1").arg(cap)), qPrintable(busy.first()));
        disconnect(ends);
        QTRY_COMPARE(session()->callController()->getCalls().size(), cap);
        // A place that comes free takes the next call.
        session()->callController()->getCalls().first()->close();
        QTRY_COMPARE(session()->callController()->getCalls().size(), cap - 1);
        QVERIFY(Control(service()).injectIncomingCall(Chiara));
        QTRY_COMPARE(session()->callController()->getCalls().size(), cap);
        QTRY_COMPARE(popups().size(), cap);
    }

    void declineEndsTheCallAndTheRinging()
    {
        QML::CommunicationNotification* popup = incomingCall(Bob);
        QVERIFY(popup);
        QTRY_VERIFY(ringsWith(Ring));
        QPointer<QML::CommunicationNotification> guard(popup);
        QVERIFY(clickInPopup(popup, "declineButton"));
        QTRY_VERIFY(!guard);
        QTRY_VERIFY(!ringsWith(Ring));
        QTRY_VERIFY(session()->callController()->getCalls().isEmpty());
    }

    void ignoreStopsTheRingerAndLeavesTheCall()
    {
        QML::CommunicationNotification* popup = incomingCall(Bob);
        QVERIFY(popup);
        QTRY_VERIFY(ringsWith(Ring));
        QVERIFY(clickInPopup(popup, "ignoreButton"));
        QTRY_VERIFY(popups().isEmpty());
        QTRY_VERIFY(!ringsWith(Ring));
        QCOMPARE(session()->callController()->getCalls().size(), 1);
    }

    // A call the service asks to announce silently gets its pop-up, and no ringing.
    void silentCallPopsUpWithoutRinging()
    {
        QSignalSpy alerts(manager()->getCallHelper(), &Utils::WindowManagerCallHelper::playingIncomingCallAlert);
        Control::IncomingCall call;
        call.from = Bob;
        call.silent = true;
        QVERIFY(Control(service()).injectIncomingCall(call));
        QTRY_COMPARE(popups().size(), 1);
        QVERIFY(SceneItems::named(popups().first()->rootObject(), "answerAudioButton")->isVisible());
        QCOMPARE(alerts.count(), 0);
        QVERIFY(!ringsWith(Ring));
    }

    // The call's pop-up shows the caller's picture, and beside the caller's name a button that
    // takes the call as a chat: the pop-up and its ringing go, the call stays unanswered and
    // the chat opens in its conversation.
    void popupOffersTheCallersPictureAndAChat()
    {
        QML::CommunicationNotification* popup = incomingCall(Bob);
        QVERIFY(popup);
        QQuickItem* picture = SceneItems::named(popup->rootObject(), "presenceAvatar");
        QVERIFY(picture && picture->isVisible());
        QCOMPARE(SceneItems::named(popup->rootObject(), "avatar")->width(), 80.0);
        QQuickItem* header = SceneItems::named(popup->rootObject(), "header");
        QQuickItem* chat = SceneItems::named(popup->rootObject(), "headerChatButton");
        QVERIFY(chat && chat->isVisible());
        QVERIFY(chat->x() >= header->x() + header->width());
        QVERIFY(chat->x() + chat->width() <= popup->rootObject()->width() - 20);
        QTRY_VERIFY(ringsWith(Ring));
        CommunicationSession* ringing = ringingSession();

        QVERIFY(clickInPopup(popup, "headerChatButton"));
        QTRY_VERIFY(popups().isEmpty());
        QTRY_VERIFY(!ringsWith(Ring));
        QTRY_VERIFY(ringing->chatActive());
        QVERIFY(ringing->getCall()->isIncoming() && !ringing->getCall()->isInProgress());
        QTRY_VERIFY(manager()->getWindow(ringing)->isVisible());
        ringing->closeChat();
    }

    // The pop-up's Video follows the conversation's video-call action.
    void popupVideoFollowsTheVideoAction()
    {
        QML::CommunicationNotification* popup = incomingCall(Bob, true);
        QVERIFY(popup);
        QQuickItem* video = SceneItems::named(popup->rootObject(), "answerVideoButton");
        QTRY_VERIFY(video->isVisible());
        auto* action = qobject_cast<Kivo::Actions::Action*>(ringingSession()->action(Kivo::Actions::Action::VideoCall));
        QVERIFY(action && action->isEnabled());
        action->setEnabled(false);
        QTRY_VERIFY(!video->isVisible());
        QVERIFY(SceneItems::named(popup->rootObject(), "answerAudioButton")->isVisible());
        action->setEnabled(true);
        QTRY_VERIFY(video->isVisible());
    }

    void answerShowsWhatTheConfigurationAsks_data()
    {
        QTest::addColumn<bool>("showAudioOnly");
        QTest::addColumn<bool>("video");
        QTest::addColumn<bool>("windowShown");
        QTest::newRow("audio, item 81 off: the main window") << false << false << false;
        QTest::newRow("audio, item 81 on") << true << false << true;
        QTest::newRow("video, item 81 off") << false << true << true;
    }

    void answerShowsWhatTheConfigurationAsks()
    {
        QFETCH(bool, showAudioOnly);
        QFETCH(bool, video);
        QFETCH(bool, windowShown);
        ConfigPatch patch(config(), {{Utils::CommunicationsWindowManager::ShowAudioOnlyWindowItem, showAudioOnly}});
        QML::CommunicationNotification* popup = incomingCall(Bob, video);
        QVERIFY(popup);
        QTRY_VERIFY(ringsWith(Ring));
        QML::CommunicationsWindow* window = nullptr;
        QTRY_VERIFY((window = manager()->getWindow(ringingSession())));
        QVERIFY(clickInPopup(popup, video ? "answerVideoButton" : "answerAudioButton"));
        QTRY_VERIFY(popups().isEmpty());
        QTRY_COMPARE(ringingSession()->getCall()->getCallState(), CallBasePtr::InCall);
        QVERIFY(!ringsWith(Ring));
        QCOMPARE(window->isVisible(), windowShown);
        // A video call shows its surfaces, the own picture drawn by the camera's preview.
        if (video) {
            QTRY_VERIFY(window->videoWidget()->isVisibleTo(window));
            QVERIFY(session()->callController()->GetMediaHandlerVideo()->isPreviewRunning());
        }
    }

    void callDuringACallRingsTheWaitingTone()
    {
        QML::CommunicationNotification* popup = incomingCall(Bob);
        QVERIFY(popup);
        QVERIFY(clickInPopup(popup, "answerAudioButton"));
        QTRY_COMPARE(ringingSession()->getCall()->getCallState(), CallBasePtr::InCall);
        QVERIFY(Control(service()).injectIncomingCall(Chiara));
        QTRY_VERIFY(ringsWith(Utils::Sounds::IncomingCallPlayer::CallWaitingSound));
        QVERIFY(!ringsWith(Ring));
    }

    void placedCallRingsBackUntilAnswered()
    {
        Control control(service());
        control.setAutoAnswer(false);
        QSignalSpy created(sessions(), &Kivo::Controllers::CommsSessionController::sessionCreated);
        sessions()->createCall({Bob}, false);
        QTRY_COMPARE(created.count(), 1);
        auto* placed = created.first().first().value<CommunicationSession*>();
        QML::CommunicationsWindow* window = manager()->getWindow(placed);
        QTRY_VERIFY(window && window->isVisible());
        QTRY_VERIFY(ringsWith(RingBack));
        QVERIFY(control.injectRemoteAnswer(placed->getCall()->getCallId()));
        QTRY_VERIFY(!ringsWith(RingBack));
        control.setAutoAnswer(true);
    }

    void ringBackOnlyWhileTheCallRings_data()
    {
        QTest::addColumn<bool>("answered");
        QTest::addColumn<bool>("ringBack");
        QTest::newRow("calling (1)") << false << true;
        QTest::newRow("in a call (3)") << true << false;
    }

    void ringBackOnlyWhileTheCallRings()
    {
        QFETCH(bool, answered);
        QFETCH(bool, ringBack);
        Control control(service());
        control.setAutoAnswer(answered);
        QSignalSpy created(sessions(), &Kivo::Controllers::CommsSessionController::sessionCreated);
        sessions()->createCall({Chiara}, false);
        QTRY_COMPARE(created.count(), 1);
        auto* placed = created.first().first().value<CommunicationSession*>();
        if (answered)
            QTRY_COMPARE(placed->getCall()->getCallState(), CallBasePtr::InCall);
        Utils::Sounds::TemporaryFilePlayer* player = manager()->getCallHelper()->ringBackPlayer();
        player->stop();
        // The service repeats that the call rings: only a ringing call plays the tone.
        emit placed->ringing(placed->getCallRef());
        QCOMPARE(!player->isFinished(), ringBack);
        control.setAutoAnswer(true);
    }

    void enabledSettingGatesTheRingerNotTheRingBack()
    {
        TestSupport::writeUserSettings({{Key::SoundsIncomingCallEnabled, false}});
        Utils::WindowManagerCallHelper* helper = manager()->getCallHelper();
        helper->incomingCallPlayer()->play();
        QVERIFY(helper->incomingCallPlayer()->isFinished());
        helper->ringBackPlayer()->play();
        QVERIFY(!helper->ringBackPlayer()->isFinished());
        helper->ringBackPlayer()->stop();
        TestSupport::writeUserSettings({{Key::SoundsIncomingCallEnabled, true}});
    }

    void ringerFallsBackToTheDefaultAfterCallWaiting()
    {
        // No ring signal chosen: after a call-waiting sound the list's default rings again.
        TestSupport::writeUserSettings({{Key::SoundsDefaultRinger, QString()}});
        Utils::Sounds::IncomingCallPlayer player;
        QCOMPARE(player.file(), QString(Ring));
        QVERIFY(QMetaObject::invokeMethod(&player, "onPreferencesChanged", Q_ARG(bool, true)));
        QCOMPARE(player.file(), QString(Utils::Sounds::IncomingCallPlayer::CallWaitingSound));
        QVERIFY(QMetaObject::invokeMethod(&player, "onPreferencesChanged", Q_ARG(bool, false)));
        QCOMPARE(player.file(), QString(Ring));
    }

    void displayNames_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a contact") << Bob << "Bob Lindqvist";
        QTest::newRow("anonymous") << "anonymous@demo.telvarion.net"
                                   << "Unknown";
        QTest::newRow("unavailable") << "Unavailable@demo.telvarion.net"
                                     << "Unknown";
        QTest::newRow("a stranger") << "zoe@elsewhere.example"
                                    << "zoe";
    }

    void displayNames()
    {
        QFETCH(QString, from);
        QFETCH(QString, shown);
        QVERIFY(incomingCall(from));
        QCOMPARE(ringingSession()->getCall()->getDisplayName(), shown);
    }

    void executiveCallNamesTheExecutiveWithoutADoubleBlank_data()
    {
        QTest::addColumn<QString>("numberMode");
        QTest::addColumn<QString>("shown");
        QTest::newRow("number shown") << "Originator"
                                      << "zoe (zoe) is calling for Dev Patel";
        QTest::newRow("number hidden") << "Executive"
                                       << "zoe is calling for Dev Patel";
    }

    void executiveCallNamesTheExecutiveWithoutADoubleBlank()
    {
        QFETCH(QString, numberMode);
        QFETCH(QString, shown);
        Kivo::Controllers::ExecutiveHandler* executives = session()->getExecutiveHandler();
        QVERIFY(executives);
        executives->setModes(3, "Originator", numberMode);
        QVERIFY(incomingCall("zoe@elsewhere.example", false, "dev@demo.telvarion.net"));
        QCOMPARE(ringingSession()->getCall()->getDisplayName(), shown);
    }

    void errorBoxes_data()
    {
        QTest::addColumn<int>("trigger");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("emergency") << 0 << "Call Failed"
                                   << "Emergency calls are not supported. Please use another phone.";
        QTest::newRow("room") << 1 << "Error Joining Room"
                              << "Dev's room is not available.";
        QTest::newRow("403") << 2 << "Call Failed"
                             << "Action failed: frank";
        QTest::newRow("no audio device") << 3 << "Audio Device Error"
                                         << "Could not detect a working audio device. Please confirm that your audio "
                                            "device is connected and working.";
        QTest::newRow("output fails") << 5 << "Output Device Error"
                                      << "Could not detect a working output device. Please confirm that your audio "
                                         "device is connected and working.";
        QTest::newRow("input fails") << 6 << "Input Device Error"
                                     << "Could not detect a working input device. Please confirm that your audio "
                                        "device is connected and working.";
        QTest::newRow("both fail") << 7 << "Audio Device Error"
                                   << "Could not detect a working audio device. Please confirm that your audio "
                                      "device is connected and working.";
        QTest::newRow("video") << 4 << "Video Call Failed"
                               << "Unable to start video, please check that other applications are not using the "
                                  "camera. Please also ensure that your web-camera drivers are up to date.";
    }

    void errorBoxes()
    {
        QFETCH(int, trigger);
        QFETCH(QString, title);
        QFETCH(QString, text);
        Kivo::MediaEngine::AudioDevices unplugged;
        const auto plugBackIn = qScopeGuard([this, &unplugged] {
            for (const Kivo::MediaEngine::AudioDevice& device : qAsConst(unplugged))
                Control(service()).plugInAudioDevice(device.identifier(), device.displayName(), false);
        });
        switch (trigger) {
        case 0:
            emit sessions()->emergencyCallNotification();
            break;
        case 1:
            emit sessions()->errorJoiningRoom("Dev");
            break;
        case 2:
            emit session()->callController()->addingParticipantCallToConferenceFailed(404, "frank");
            QCoreApplication::processEvents();
            QVERIFY(!shownMessage());
            emit session()->callController()->addingParticipantCallToConferenceFailed(403, "frank");
            break;
        case 3:
            // The machine's last output device goes away.
            unplugged = audio()->outputDevices();
            for (const Kivo::MediaEngine::AudioDevice& device : qAsConst(unplugged))
                QVERIFY(Control(service()).unplugAudioDevice(device.identifier()));
            break;
        case 4:
            emit session()->callController()->failedToStartVideo();
            break;
        case 5:
        case 6:
        case 7:
            QVERIFY(Control(service()).injectAudioDeviceFailure(trigger != 5, trigger != 6));
            break;
        }
        Dialogs::MessageWindow* message = nullptr;
        QTRY_VERIFY((message = shownMessage()));
        QCOMPARE(message->windowTitle(), title);
        QCOMPARE(messageText(message), text);
    }

    void divertedCallIsToldAtTheCorner()
    {
        QVERIFY(Control(service()).injectCallDiverted("+15550177"));
        const auto told = [] {
            for (const auto* notification : TestSupport::shownWindows<Widgets::Notifications::Notification>()) {
                if (notification->text() == "a call was diverted")
                    return true;
            }
            return false;
        };
        QTRY_VERIFY(told());
    }

    // A guest knocks while the user is in My Room: the pop-up asks, and the answer reaches the
    // room; a second guest gets a pop-up of its own.
    void guestAtTheDoorOfMyRoomIsAskedAbout()
    {
        QTRY_VERIFY(session()->myroomController()->isReady());
        emit m_App.mainWindow()->startMyRoom();
        const auto myRoom = [this]() -> CommunicationSession* {
            for (CommunicationSession* found : sessions()->commsList()) {
                if (found->isOwnMyRoomSession() && found->getChat()
                    && found->getChat()->getState() == Kivo::Controllers::ChatInterface::Active)
                    return found;
            }
            return nullptr;
        };
        QTRY_VERIFY(myRoom());
        QTRY_VERIFY(manager()->getWindow(myRoom()));
        const QString room = service().myRoom(DemoUser)->chat;

        Control control(service());
        const QString ada = control.injectGuestRequest("Ada Moss");
        QVERIFY2(!ada.isEmpty(), qPrintable(control.lastRefusal()));
        QTRY_COMPARE(popups().size(), 1);
        QML::CommunicationNotification* adaPopup = popups().first();
        QCOMPARE(adaPopup->type(), QML::CommunicationNotification::GuestNotification);
        QCOMPARE(SceneItems::named(adaPopup->rootObject(), "guestText")->property("text").toString(),
                 QString("Ada Moss (guest) requests to join your room."));
        const QString ben = control.injectGuestRequest("Bo");
        QTRY_COMPARE(popups().size(), 2);

        QVERIFY(clickInPopup(adaPopup, "acceptGuestButton"));
        QTRY_COMPARE(service().room(room)->roles.value(ada), Kivo::Simulation::RoomRole::Guest);
        QTRY_COMPARE(popups().size(), 1);
        // A name of 2 letters or fewer is shown as "Unknown" and can only be turned away.
        QML::CommunicationNotification* benPopup = popups().first();
        QCOMPARE(SceneItems::named(benPopup->rootObject(), "guestText")->property("text").toString(),
                 QString("Unknown (guest) requests to join your room."));
        QVERIFY(clickInPopup(benPopup, "declineGuestButton"));
        QTRY_VERIFY(!service().room(room)->occupants.contains(ben, Qt::CaseInsensitive));
        QTRY_VERIFY(popups().isEmpty());
        QVERIFY(myRoom()->getParticipants()->participant(ada));
        QVERIFY(!myRoom()->getParticipants()->participant(ben));
        myRoom()->close();
        QTRY_VERIFY(!myRoom());
    }

    void confirmationAnswersOnlyItsOwnCall()
    {
        QVERIFY(incomingCall(Bob));
        const Kivo::MediaEngine::Call first = session()->callController()->getCalls().last();
        QVERIFY(Control(service()).injectIncomingCall(Chiara));
        QTRY_COMPARE(session()->callController()->getCalls().size(), 2);
        const Kivo::MediaEngine::Call second = session()->callController()->getCalls().last();
        Kivo::MediaEngine::CallControllerBase* calls = session()->callController();

        emit calls->confirmIncomingCall(first, second);
        QPointer<Dialogs::MessageWindow> box = manager()->getCallHelper()->confirmBox();
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), QString("Confirm Call"));
        // Another call asking meanwhile leaves the open box unanswered.
        emit calls->confirmIncomingCall(second, first);
        QCoreApplication::processEvents();
        QVERIFY(box && box->isVisible());
        QVERIFY(first->getCallState() != CallBasePtr::InCall);
        // The same call asked again takes the answer it waits for.
        emit calls->confirmIncomingCall(first, second);
        QTRY_VERIFY(!box || !box->isVisible());
    }

    void visibilityOfPlacedSessions_data()
    {
        QTest::addColumn<bool>("item81");
        QTest::addColumn<bool>("item361");
        QTest::addColumn<bool>("video");
        QTest::addColumn<bool>("shown");
        QTest::newRow("audio, 81 off") << false << true << false << false;
        QTest::newRow("audio, 81 on") << true << false << false << true;
        QTest::newRow("video, 361 on") << false << true << true << true;
        QTest::newRow("video, 361 off") << false << false << true << false;
    }

    void visibilityOfPlacedSessions()
    {
        QFETCH(bool, item81);
        QFETCH(bool, item361);
        QFETCH(bool, video);
        QFETCH(bool, shown);
        ConfigPatch patch(config(), {{Utils::CommunicationsWindowManager::ShowAudioOnlyWindowItem, item81},
                                     {Utils::CommunicationsWindowManager::ShowStartedSessionItem, item361}});
        Control control(service());
        control.setAutoAnswer(false);
        QSignalSpy created(sessions(), &Kivo::Controllers::CommsSessionController::sessionCreated);
        // Straight to the manager's rule: sessionReady would show any window the user asked for.
        disconnect(sessions(), SIGNAL(sessionReady(Kivo::Controllers::CommunicationSession*)), manager(), nullptr);
        sessions()->createCall({Bob}, video);
        QTRY_COMPARE(created.count(), 1);
        QML::CommunicationsWindow* window = manager()->getWindow(created.first().first().value<CommunicationSession*>());
        QVERIFY(window);
        QCoreApplication::processEvents();
        QCOMPARE(window->isVisible(), shown);
        connect(sessions(), SIGNAL(sessionReady(Kivo::Controllers::CommunicationSession*)), manager(),
                SLOT(showCommsWindow(Kivo::Controllers::CommunicationSession*)));
        control.setAutoAnswer(true);
    }

    void sessionLimitClosesTheOldestChatOnlySession()
    {
        Control control(service());
        control.setAutoAnswer(false);
        QSignalSpy created(sessions(), &Kivo::Controllers::CommsSessionController::sessionCreated);
        sessions()->createCall({Bob}, false);
        sessions()->createChat(QStringList{Chiara});
        sessions()->createChat(QStringList{"dev@demo.telvarion.net"});
        QTRY_COMPARE(created.count(), 3);
        QPointer<CommunicationSession> call = created.at(0).first().value<CommunicationSession*>();
        QPointer<CommunicationSession> oldestChat = created.at(1).first().value<CommunicationSession*>();
        QPointer<CommunicationSession> newerChat = created.at(2).first().value<CommunicationSession*>();
        QTRY_VERIFY(oldestChat->chatActive() && newerChat->chatActive());

        manager()->closeLastSessionWithChatOnly();
        QTRY_VERIFY(!oldestChat || !oldestChat->chatActive());
        QVERIFY(newerChat && newerChat->chatActive());
        QVERIFY(call && call->callActive());
        if (newerChat)
            newerChat->close();
        control.setAutoAnswer(true);
    }

    void destroyingTheManagerDeletesItsWindows()
    {
        auto* own = new Utils::CommunicationsWindowManager(nullptr, session()->contactsManager(), nullptr, nullptr);
        QVERIFY(own->Initialize(session(), m_App.providerFactory(), {}));
        sessions()->createCall({Bob}, false);
        sessions()->createCall({Chiara}, false);
        QTRY_COMPARE(own->windows().size(), 2);
        QPointer<QML::CommunicationsWindow> first = own->windows().first();
        QPointer<QML::CommunicationsWindow> second = own->windows().last();
        // Each window leaves the list as it goes: the walk must not trip over that.
        delete own;
        QVERIFY(!first && !second);
    }

    void windowsFilesGoThroughTheManager()
    {
        // The provider factory hands what the manager relays to the engine's transfers.
        sessions()->createCall({Bob}, false);
        QTRY_VERIFY(!manager()->windows().isEmpty());
        QML::CommunicationsWindow* window = manager()->windows().last();
        QSignalSpy relayed(manager(), &Utils::CommunicationsWindowManager::startFileTransfer);
        emit window->startFileTransfer(nullptr, QStringLiteral("/tmp/minutes.txt"));
        QCOMPARE(relayed.count(), 1);
        QCOMPARE(relayed.first().at(1).toString(), QStringLiteral("/tmp/minutes.txt"));
    }

    void contactSounds()
    {
        // Signed in with contacts online: what is known at the start is heard as nothing.
        QSignalSpy started(audio(), &Kivo::MediaEngine::IMediaHandlerAudio::soundStarted);
        {
            Utils::ContactNotification::ContactOnlinePlayer online(session()->contactsManager());
            QCOMPARE(started.count(), 0);
        }

        // A group opened again brings its online contacts in one batch: the program's player
        // plays one sound.
        QVERIFY(m_App.contactOnlinePlayer());
        auto* groups = qobject_cast<Kivo::Models::Groups*>(session()->contactsManager()->getModel(1));
        QVERIFY(groups);
        const QList<Kivo::Contacts::IGroup*> all = session()->contactsManager()->groups();
        QVERIFY(!all.isEmpty());
        const int group = all.first()->getId();
        groups->setGroupOpen(group, false);
        groups->setGroupOpen(group, true);
        QCOMPARE(started.count(), 1);
        QCOMPARE(started.first().first().toString(), QString(":/sounds/contact_online.wav"));

        // Switched off: still followed, never heard.
        TestSupport::writeUserSettings({{Key::SoundsContactOnlineEnabled, false}});
        groups->setGroupOpen(group, false);
        groups->setGroupOpen(group, true);
        QCOMPARE(started.count(), 1);
        TestSupport::writeUserSettings({{Key::SoundsContactOnlineEnabled, true}});
    }

    // Somebody offers a file outside any conversation: it opens one, announced by the
    // file-transfer pop-up, whose click shows the offer in the conversation's window.
    void fileOfferedOutsideAConversationAsksInAPopup()
    {
        QVERIFY(Control(service()).injectFileOffer(Chiara, "Q3 plan.pdf", 2048));
        QTRY_COMPARE(popups().size(), 1);
        QML::CommunicationNotification* popup = popups().first();
        QCOMPARE(popup->type(), QML::CommunicationNotification::FiletransferNotification);
        QCOMPARE(SceneItems::named(popup->rootObject(), "message")->property("text").toString(),
                 QString("Incoming file transfer"));
        CommunicationSession* conversation = popup->session();
        QVERIFY(conversation && conversation->getChat());
        QCOMPARE(conversation->getChat()->conversation(), QString(Chiara));
        SceneItems::click(popup, popup->rootObject());
        QTRY_VERIFY(manager()->getWindow(conversation) && manager()->getWindow(conversation)->isVisible());
        QTRY_VERIFY(popups().isEmpty());
        conversation->closeChat();
        QTRY_VERIFY(!manager()->getWindow(conversation) || !manager()->getWindow(conversation)->isVisible());
    }

    void popupScenesByType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("shownItem");
        QTest::newRow("call") << int(QML::CommunicationNotification::CallNotification) << "answerAudioButton";
        QTest::newRow("chat") << int(QML::CommunicationNotification::ChatNotification) << "message";
        QTest::newRow("file") << int(QML::CommunicationNotification::FiletransferNotification) << "message";
        QTest::newRow("guest") << int(QML::CommunicationNotification::GuestNotification) << "guestText";
    }

    void popupScenesByType()
    {
        QFETCH(int, type);
        QFETCH(QString, shownItem);
        CommunicationSession conversation;
        QML::CommunicationNotification popup(&conversation, QML::CommunicationNotification::NotificationType(type));
        popup.loadSource();
        QVERIFY(popup.rootObject());
        QVERIFY(SceneItems::named(popup.rootObject(), shownItem));
        if (type == QML::CommunicationNotification::FiletransferNotification)
            QCOMPARE(SceneItems::named(popup.rootObject(), "message")->property("text").toString(),
                     QString("Incoming file transfer"));
    }

    void guestRules_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("acceptOffered");
        QTest::newRow("a name") << "Ada Moss"
                                << "Ada Moss (guest) requests to join your room." << true;
        QTest::newRow("two letters") << "Al"
                                     << "Unknown (guest) requests to join your room." << false;
    }

    void guestRules()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(bool, acceptOffered);
        CommunicationSession room;
        Kivo::Contacts::IContact* guest = session()->contactsManager()->createTemporaryContact(&room);
        guest->setProperty(Kivo::Contacts::Properties::DisplayName, name);
        QML::CommunicationNotification popup(&room, QML::CommunicationNotification::GuestNotification);
        popup.setContact(Kivo::Utils::SharedPointer<Kivo::Contacts::IContact>(guest));
        popup.loadSource();
        QCOMPARE(SceneItems::named(popup.rootObject(), "guestText")->property("text").toString(), text);
        QCOMPARE(SceneItems::named(popup.rootObject(), "acceptGuestButton")->isVisible(), acceptOffered);
        QVERIFY(SceneItems::named(popup.rootObject(), "declineGuestButton")->isVisible());
    }
};

int main(int argc, char** argv)
{
    return TestSupport::execApplicationTest<CallsTest>(argc, argv);
}

#include "tst_calls.moc"
