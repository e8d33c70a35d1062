#include "../../qml_test_setup.h"
#include "comms_window_fixture.h"
#include "Models/Chat/message_model.h"
#include "libqml/components/chat/chat_page_bridge.h"
#include "Dialogs/message_window.h"
#include "Utils/window_manager_chat_helper.h"
#include "Widgets/Notifications/notification_manager.h"
#include "libqml/components/call_debug/call_debug_window.h"
#include "libqml/window/qml_view.h"
#include "support/shown_windows.h"
#include "../../scene_items.h"

#include <Kivo/Controllers/ChatInterface.h>
#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/MediaEngine/CallControllerBase.h>
#include <Kivo/MediaEngine/IMediaHandlerAudio.h>
#include <Kivo/Simulation/Control.h>
#include <Kivo/Webcollab/WebcollabBase.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QResource>
#include <QtTest>

using Kivo::Controllers::CommunicationSession;
using QML::CommunicationsWindow;

namespace {

// The window's one dismissal box, when it shows.
QMessageBox* shownBox(const QWidget* window)
{
    for (QMessageBox* box : window->findChildren<QMessageBox*>()) {
        if (box->isVisible())
            return box;
    }
    return nullptr;
}

int shownBoxes(const QWidget* window)
{
    int count = 0;
    for (const QMessageBox* box : window->findChildren<QMessageBox*>())
        count += box->isVisible();
    return count;
}

// The chat helper as the window manager uses it: the window gets its chat's page model.
bool giveChatPage(const Conversation& conversation, Utils::WindowManagerChatHelper& helper)
{
    helper.Initialize(conversation.signedIn.session()->contactsManager(), conversation.signedIn.session(), nullptr,
                      new Kivo::Models::SmileysPtr(conversation.window));
    return helper.setupChat(conversation.session, conversation.window);
}

} // namespace

class CommsWindowWiringTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QmlTestSetup::prepare(); }

    void theWindowClosesWithItsConversation()
    {
        Conversation chat(Conversation::Chat);
        QVERIFY(chat.isReady());
        QVERIFY(chat.showWindow());
        chat.session->close();
        QTRY_VERIFY(!chat.window);
    }

    void theChatsEndLetsItsModelGoAndANewOneIsWiredAgain()
    {
        Conversation chat(Conversation::Chat);
        QVERIFY(chat.isReady());
        Utils::WindowManagerChatHelper helper(nullptr);
        QVERIFY(giveChatPage(chat, helper));
        QPointer<Models::Chat::MessageModel> first = chat.window->messageModel();
        QVERIFY(first);
        QSignalSpy changed(chat.window.data(), &CommunicationsWindow::messageModelChanged);

        // The chat goes while the conversation stays (the engine reports the chat bit cleared).
        emit chat.session->sessionStateChanged(chat.session, CommunicationSession::Chat | CommunicationSession::CallFlag,
                                               CommunicationSession::CallFlag, false);
        QCOMPARE(chat.window->messageModel(), nullptr);
        QCOMPARE(changed.count(), 1);
        QVERIFY(first);
        // The window is not active: a message of a wired model would alert.
        QSignalSpy sound(chat.window.data(), &CommunicationsWindow::playIncomingMessageSound);
        emit first->incomingMessage();
        QCOMPARE(sound.count(), 0);

        // A new model is wired like the first: its messages count again.
        auto* second = new Models::Chat::MessageModel(chat.signedIn.session()->contactsManager(), true, chat.window);
        chat.window->setMessageModel(second);
        QCOMPARE(chat.window->messageModel(), second);
        emit second->incomingMessage();
        QCOMPARE(sound.count(), 1);
        QCOMPARE(chat.window->chatPageBridge()->model(), second);
    }

    void aMessageToTheShownChatOfTheActiveWindowAsksForNothing()
    {
        Conversation chat(Conversation::Chat);
        QVERIFY(chat.isReady());
        Utils::WindowManagerChatHelper helper(nullptr);
        QVERIFY(giveChatPage(chat, helper));
        QVERIFY(chat.showWindow());
        chat.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(chat.window));
        QSignalSpy sound(chat.window.data(), &CommunicationsWindow::playIncomingMessageSound);
        QSignalSpy counted(chat.window.data(), &CommunicationsWindow::newMessageCountChanged);
        QVERIFY(ConversationFixture::control().injectChatMessage(ConversationFixture::Bob, "Seen at once"));
        QTRY_VERIFY(chat.window->messageModel()->property("lastMessageReceived").isValid());
        QTest::qWait(50);
        QCOMPARE(sound.count(), 0);
        QCOMPARE(counted.count(), 0);
        QCOMPARE(chat.window->newMessageCount(), 0);
        QVERIFY(!chat.window->hasPendingAlert());

        // Elsewhere, the same message alerts and is kept for later.
        chat.window->hide();
        QVERIFY(ConversationFixture::control().injectChatMessage(ConversationFixture::Bob, "Later"));
        QTRY_COMPARE(sound.count(), 1);
        QVERIFY(chat.window->hasPendingAlert());
    }

    void aMessageForAWindowInTheBackgroundIsHeard()
    {
        QVERIFY(QResource::registerResource(QStringLiteral(TEST_THEME_RESOURCES)));
        Conversation chat(Conversation::Chat);
        QVERIFY(chat.isReady());
        Utils::WindowManagerChatHelper helper(nullptr);
        QVERIFY(giveChatPage(chat, helper));
        QSignalSpy started(chat.signedIn.session()->callController()->GetMediaHandlerAudio(),
                           &Kivo::MediaEngine::IMediaHandlerAudio::soundStarted);
        QVERIFY(ConversationFixture::control().injectChatMessage(ConversationFixture::Bob, "Still there?"));
        QTRY_COMPARE(started.count(), 1);
        QCOMPARE(started.first().at(0).toString(), QString(":/sounds/incoming_message.wav"));
        QCOMPARE(started.first().at(1).toBool(), false);
    }

    // The chat dropped and taken up again on the same window, its pop-up shown: one message
    // is heard once, one refusal of the room asks once.
    void aChatSetUpAgainAlertsAndAsksOnce()
    {
        Conversation room(Conversation::Room);
        QVERIFY(room.isReady());
        Utils::WindowManagerChatHelper helper(nullptr);
        QVERIFY(giveChatPage(room, helper));
        QVERIFY(helper.setupChat(room.session, room.window));
        NotificationManager notifications;
        helper.showChatNotification(room.session, &notifications, room.window);

        QSignalSpy started(room.signedIn.session()->callController()->GetMediaHandlerAudio(),
                           &Kivo::MediaEngine::IMediaHandlerAudio::soundStarted);
        emit room.window->playIncomingMessageSound();
        QCOMPARE(started.count(), 1);

        emit room.session->getChat()->authorizationFailed(ConversationFixture::Design,
                                                          Kivo::Controllers::ChatError::MembersOnly);
        QTRY_COMPARE(TestSupport::shownWindows<Dialogs::MessageWindow>().size(), 1);
        QTest::qWait(20);
        QCOMPARE(TestSupport::shownWindows<Dialogs::MessageWindow>().size(), 1);
    }

    void twoDismissalsShowOneBoxNamingTheSecond()
    {
        Conversation room(Conversation::Room);
        QVERIFY(room.isReady());
        Utils::WindowManagerChatHelper helper(nullptr);
        QVERIFY(giveChatPage(room, helper));
        QVERIFY(room.showWindow());

        QVERIFY(QMetaObject::invokeMethod(room.window, "onKickedFromChat", Q_ARG(QString, "Bob Lind")));
        QVERIFY(QMetaObject::invokeMethod(room.window, "onKickedFromChat", Q_ARG(QString, "Chiara Rossi")));
        QTRY_VERIFY(shownBox(room.window));
        QCOMPARE(shownBoxes(room.window), 1);
        QCOMPARE(shownBox(room.window)->windowTitle(), QString("Dismissed from Chat"));
        QCOMPARE(shownBox(room.window)->text(), QString("You have been dismissed from chat by Chiara Rossi."));
        // A dismissal from the share says nothing more while the box is up.
        QVERIFY(QMetaObject::invokeMethod(room.window, "onKickedFromShare"));
        QCOMPARE(shownBoxes(room.window), 1);
        QCOMPARE(shownBox(room.window)->windowTitle(), QString("Dismissed from Chat"));

        // OK leaves the room.
        QTest::mouseClick(shownBox(room.window)->button(QMessageBox::Ok), Qt::LeftButton);
        QTRY_VERIFY(!room.session || !room.session->getChat() || !room.session->chatActive());
    }

    void aDismissalBoxOutlivingItsConversationDoesNothing()
    {
        Conversation room(Conversation::Room);
        QVERIFY(room.isReady());
        QVERIFY(room.showWindow());
        QVERIFY(QMetaObject::invokeMethod(room.window, "onKickedFromChat", Q_ARG(QString, "Bob Lind")));
        QTRY_VERIFY(shownBox(room.window));
        QPointer<QMessageBox> box = shownBox(room.window);
        // The conversation goes first; the window and its box follow without touching it.
        disconnect(room.session, nullptr, room.window, nullptr);
        delete room.session.data();
        QVERIFY(!room.session);
        box->close();
        QTRY_VERIFY(!box);
        QVERIFY(room.window);
    }

    void shareNoticesAreAddedOnce()
    {
        Conversation chat(Conversation::Chat);
        QVERIFY(chat.isReady());
        Utils::WindowManagerChatHelper helper(nullptr);
        QVERIFY(giveChatPage(chat, helper));
        chat.session->setShare(true);
        auto* share = chat.session->getWebCollab();
        QVERIFY(share);
        chat.window->AddShareNotifications(true);
        chat.window->AddShareNotifications(true);
        // A notice that comes before the page has loaded goes into the page itself: wait for it.
        auto* chatPane = qobject_cast<QML::View*>(chat.pane("ChatWidget"));
        QQuickItem* page = chatPane ? SceneItems::named(chatPane->rootObject(), "chatView") : nullptr;
        QVERIFY(page);
        QTRY_COMPARE(page->property("progress").toReal(), 1.0);
        QTest::qWait(0);
        QSignalSpy added(chat.window->messageModel(), SIGNAL(messageAdded(QVariant, QVariant)));
        emit share->notifyUserJoined(ConversationFixture::Bob);
        QTRY_COMPARE(added.count(), 1);
        QTest::qWait(20);
        QCOMPARE(added.count(), 1);
        // Taken off when the share ends.
        chat.window->RemoveShareNotifications();
        emit share->notifyUserLeft(ConversationFixture::Bob);
        QTest::qWait(20);
        QCOMPARE(added.count(), 1);
    }

    // Control+D (or Shift+D) in a call's window opens the call's debug window with its scene;
    // the debug window goes with the call's window. A chat has no call to look into.
    void debugKeyOpensTheCallsDebugWindow()
    {
        const auto debugWindows = [] { return TestSupport::shownWindows<QML::CallDebugWindow>(); };
        {
            Conversation chat(Conversation::Chat);
            QVERIFY(chat.isReady() && chat.showWindow());
            QTest::keyClick(chat.window.data(), Qt::Key_D, Qt::ControlModifier);
            QCoreApplication::processEvents();
            QVERIFY(debugWindows().isEmpty());
        }
        Conversation call(Conversation::AudioCall);
        QVERIFY(call.isReady() && call.showWindow());
        // Shift+D where no pane takes it; Control+D also from the call pane, which keeps keys.
        QTest::keyClick(call.window.data(), Qt::Key_D, Qt::ShiftModifier);
        QTRY_COMPARE(debugWindows().size(), 1);
        debugWindows().first()->close();
        QTRY_VERIFY(debugWindows().isEmpty());
        QTest::keyClick(call.pane("CallWidget"), Qt::Key_D, Qt::ControlModifier);
        QTRY_COMPARE(debugWindows().size(), 1);
        QPointer<QML::CallDebugWindow> debug = debugWindows().first();
        QVERIFY(debug->view()->rootObject());
        QQuickItem* scene = debug->view()->rootObject();
        QVERIFY(SceneItems::withText(scene, "Voice encoder parameters") || SceneItems::withText(scene, "Audio statistics"));
        delete call.window.data();
        QTRY_VERIFY(!debug || !debug->isVisible());
    }

    void shareErrorTexts_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("start") << int(ZynClient::StartError) << 500 << "Error starting share. ( 500 )";
        QTest::newRow("join, taken elsewhere")
            << int(ZynClient::JoinError) << 409
            << "You are already in the share. Please log out from your other clients. ( 409 )";
        QTest::newRow("join") << int(ZynClient::JoinError) << 404 << "Error joining share. ( 404 )";
        QTest::newRow("initiate") << int(ZynClient::InitiateError) << 403 << "Error initiating share. ( 403 )";
    }

    void shareErrorTexts()
    {
        QFETCH(int, type);
        QFETCH(int, code);
        QFETCH(QString, text);
        Conversation chat(Conversation::Chat);
        QVERIFY(chat.isReady());
        chat.window->onZYNerror(ZynClient::ZYNLIBERROR(code), ZynClient::ErrorType(type));
        QCOMPARE(chat.window->zynError(), text);
    }
};

QTEST_MAIN(CommsWindowWiringTest)
#include "tst_comms_window_wiring.moc"
