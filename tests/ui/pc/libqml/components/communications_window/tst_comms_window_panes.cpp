#include "../../qml_test_setup.h"
#include "../../../../../libs/kivo/conversations/conversation_fixture.h"
#include "Providers/factory.h"
#include "Providers/media_volume_helper.h"
#include "Providers/profile_picture_helper.h"
#include "libqml/components/communications_window/communication_window_dialpad.h"
#include "libqml/components/communications_window/communications_window.h"
#include "libqml/window/qml_view.h"
#include "support/test_environment.h"
#include "ui/pc/libqml/scene_items.h"

#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/Controllers/SecurityClassificationController.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/MediaEngine/CallBasePtr.h>

#include <QApplication>
#include <QMenu>
#include <QQmlContext>
#include <QQuickItem>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using Kivo::Controllers::CommunicationSession;
using Kivo::MediaEngine::CallBasePtr;

namespace {

const char* const Scenes[] = {"AudioCall/CallWidget.qml",   "Footer.qml",
                              "SecurityBar.qml",            "LeftPane/DetailsPane.qml",
                              "LeftPane/VideoHeader.qml",   "LeftPane/ChatHeader.qml",
                              "WebCollab/ZynShareControls.qml", "WebCollab/WebCollabWidget.qml"};

QUrl sceneUrl(const QString& file)
{
    return QUrl(QStringLiteral("qrc:/windows/CommunicationsWindow/") + file);
}

// A conversation of the signed-in user in a window of its own, as the window manager makes
// it: a call to Bob, a chat with him, or a group chat with Bob and Chiara.
class Conversation
{
public:
    enum Kind { Call, Chat, Group };

    explicit Conversation(Kind kind, const QHash<int, QVariant>& items = {})
        : signedIn(items)
    {
        if (!signedIn.isReady())
            return;
        factory = std::make_unique<Providers::Factory>(signedIn.session(), signedIn.session()->contactsManager(),
                                                       nullptr, nullptr);
        QSignalSpy created(signedIn.comms(), &Kivo::Controllers::CommsSessionController::sessionCreated);
        if (kind == Call)
            signedIn.comms()->createCall({ConversationFixture::Bob}, false);
        else if (kind == Chat)
            signedIn.comms()->createChat({ConversationFixture::Bob});
        else
            signedIn.comms()->createChat({ConversationFixture::Bob, ConversationFixture::Chiara});
        if (created.isEmpty() && !created.wait())
            return;
        session = ConversationFixture::nextSession(created);
        if (kind == Call && !QTest::qWaitFor([this] {
                return session && session->getCall() && session->getCall()->getCallState() == CallBasePtr::InCall;
            }))
            return;
        window = new QML::CommunicationsWindow(signedIn.session(), session, factory.get(), false);
        window->Activate();
        // A session that ends takes its window along; its scenes go first, as the window's own.
        QObject::connect(session, &QObject::destroyed, window, [this] { qDeleteAll(panes); });
        if (kind == Call)
            window->ActivateCall();
        else
            window->ActivateChat();
    }
    ~Conversation()
    {
        // The scenes bind to the window: they go while it is whole, as the window's own do.
        qDeleteAll(panes);
        delete window;
        if (session)
            session->close();
    }

    bool isReady() const { return window != nullptr; }

    // The scene of a pane as the window shows it, with what the window publishes to it.
    QML::View* pane(const QString& file)
    {
        auto* view = new QML::View;
        panes.append(view);
        view->setResizeMode(QQuickWidget::SizeRootObjectToView);
        QQmlContext* context = view->rootContext();
        context->setContextProperty("rootWindow", window.data());
        context->setContextProperty("profilePictureHelper", static_cast<QObject*>(factory->profilePictureHelper()));
        context->setContextProperty("mediaVolumeHelper", static_cast<QObject*>(factory->mediaVolumeHelper()));
        const auto* classifications = signedIn.session()->securityClassificationController();
        context->setContextProperty("callClassificationsModel",
                                    classifications ? classifications->getCallClassificationsModel() : nullptr);
        view->setSource(sceneUrl(file));
        if (view->rootObject())
            view->resize(file == "Footer.qml" ? 640 : 480, int(view->rootObject()->height()));
        view->show();
        return view;
    }

    TestSupport::Environment env;
    ConversationFixture::SignedIn signedIn;
    std::unique_ptr<Providers::Factory> factory;
    QPointer<CommunicationSession> session;
    QPointer<QML::CommunicationsWindow> window;
    QList<QPointer<QML::View>> panes;
};

QQuickItem* shown(QML::View* view, const QString& name)
{
    QQuickItem* item = SceneItems::named(view->rootObject(), name);
    return item && item->isVisible() ? item : nullptr;
}

bool click(QML::View* view, const QString& name)
{
    QQuickItem* item = shown(view, name);
    if (!item)
        return false;
    SceneItems::click(view, item);
    return true;
}

} // namespace

class CommsWindowPanesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QmlTestSetup::prepare(); }

    // Every scene of the panes loads over a call, a chat and a group without a warning (the
    // environment fails the test on one), with the heights the window gives its bars.
    void scenesLoadOverEveryConversation_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("call") << int(Conversation::Call);
        QTest::newRow("chat") << int(Conversation::Chat);
        QTest::newRow("group") << int(Conversation::Group);
    }

    void scenesLoadOverEveryConversation()
    {
        QFETCH(int, kind);
        Conversation conversation{Conversation::Kind(kind)};
        QVERIFY(conversation.isReady());
        for (const char* file : Scenes) {
            QML::View* view = conversation.pane(QLatin1String(file));
            QVERIFY2(view->status() == QQuickWidget::Ready && view->rootObject(), file);
            delete view;
        }
        // The bars are as high as the window's layout keeps them.
        QCOMPARE(conversation.pane("SecurityBar.qml")->rootObject()->height(), 20.0);
        QCOMPARE(conversation.pane("Footer.qml")->rootObject()->height(), 35.0);
    }

    // The call pane names the other party, tells how far the call is, and its buttons act on
    // the call.
    void callPaneShowsTheCall()
    {
        Conversation conversation(Conversation::Call);
        QVERIFY(conversation.isReady());
        QML::View* pane = conversation.pane("AudioCall/CallWidget.qml");
        QCOMPARE(shown(pane, "callerName")->property("text").toString(), QString("Bob Lind"));
        QTRY_COMPARE(shown(pane, "callStatus")->property("text").toString(), QString("In call"));
        QVERIFY(shown(pane, "callPresenceIcon"));
        QVERIFY(shown(pane, "callAvatar"));
        // Pictures off: no avatar, the name moves left.
        const qreal nameX = shown(pane, "callerName")->x();
        conversation.factory->profilePictureHelper()->setShowProfilePictures(false);
        QTRY_VERIFY(!shown(pane, "callAvatar"));
        QVERIFY(shown(pane, "callerName")->x() < nameX);

        CallBasePtr* call = conversation.session->getCall();
        QVERIFY(click(pane, "holdButton"));
        QTRY_COMPARE(call->getCallState(), CallBasePtr::OnHold);
        QTRY_COMPARE(shown(pane, "callStatus")->property("text").toString(), QString("On hold"));
        QVERIFY(click(pane, "hangUpButton"));
        QTRY_VERIFY(!conversation.session || !conversation.session->callActive());
    }

    // The other party's hold is told as theirs: the user's Hold stays Hold, and only the
    // user's own hold (alone or on top of theirs) offers Resume.
    void remoteHoldIsNotTheUsersHold()
    {
        Conversation conversation(Conversation::Call);
        QVERIFY(conversation.isReady());
        QML::View* pane = conversation.pane("AudioCall/CallWidget.qml");
        QML::View* footer = conversation.pane("Footer.qml");
        CallBasePtr* call = conversation.session->getCall();
        const auto status = [pane] { return shown(pane, "callStatus")->property("text").toString(); };
        const auto holdButton = [pane] { return shown(pane, "holdButton")->property("text").toString(); };
        const auto footerLine = [footer] { return shown(footer, "footerCallInfo")->property("text").toString(); };
        QTRY_COMPARE(status(), QString("In call"));

        QVERIFY(ConversationFixture::control().injectRemoteHold(call->getCallId(), true));
        QTRY_COMPARE(call->getCallState(), CallBasePtr::RemoteHold);
        QTRY_COMPARE(status(), QString("Held by the other party"));
        QCOMPARE(holdButton(), QString("Hold"));
        QVERIFY(footerLine().contains("Held by the other party"));

        QVERIFY(click(pane, "holdButton"));
        QTRY_COMPARE(call->getCallState(), CallBasePtr::BothHold);
        QTRY_COMPARE(holdButton(), QString("Resume"));
        QCOMPARE(status(), QString("On hold"));

        QVERIFY(ConversationFixture::control().injectRemoteHold(call->getCallId(), false));
        QTRY_COMPARE(call->getCallState(), CallBasePtr::OnHold);
        QCOMPARE(holdButton(), QString("Resume"));
        QVERIFY(click(pane, "holdButton"));
        QTRY_COMPARE(call->getCallState(), CallBasePtr::InCall);
        QTRY_COMPARE(holdButton(), QString("Hold"));
    }

    // The footer's dial pad button shows the dial pad and hides it again; mute turns the
    // microphone off and on.
    void footerTogglesTheDialPadAndMute()
    {
        Conversation conversation(Conversation::Call);
        QVERIFY(conversation.isReady());
        QML::View* footer = conversation.pane("Footer.qml");
        QSignalSpy dialpad(conversation.window.data(), &QML::CommunicationsWindow::dialpadVisibleChanged);
        QVERIFY(click(footer, "dialpadButton"));
        QTRY_VERIFY(conversation.window->dialpadVisible());
        QVERIFY(shown(footer, "dialpadButton")->property("checked").toBool());
        QVERIFY(click(footer, "dialpadButton"));
        QTRY_VERIFY(!conversation.window->dialpadVisible());
        QCOMPARE(dialpad.count(), 2);

        CallBasePtr* call = conversation.session->getCall();
        QVERIFY(click(footer, "muteButton"));
        QTRY_VERIFY(call->isMicrophoneMuted());
        QVERIFY(click(footer, "muteButton"));
        QTRY_VERIFY(!call->isMicrophoneMuted());
    }

    // Without a call there is nothing to mute or dial into.
    void footerOffersNoCallButtonsInAChat()
    {
        Conversation conversation(Conversation::Chat);
        QVERIFY(conversation.isReady());
        QML::View* footer = conversation.pane("Footer.qml");
        QVERIFY(!shown(footer, "dialpadButton"));
        QVERIFY(!shown(footer, "muteButton"));
        QVERIFY(shown(footer, "optionsButton"));
    }

    // Where the service records calls on request, the bar starts, pauses and stops the
    // recording; classifications show for the call and the chat.
    void securityBarRecordsAndClassifies()
    {
        Conversation conversation(Conversation::Call, {{77, true}});
        QVERIFY(conversation.isReady());
        conversation.signedIn.session()->securityClassificationController()->setClassifications(
            {"Restricted", "Secret"}, "Internal");
        QML::View* bar = conversation.pane("SecurityBar.qml");
        CallBasePtr* call = conversation.session->getCall();
        QCOMPARE(shown(bar, "recordingState")->property("text").toString(), QString("Not recording"));
        QVERIFY(!shown(bar, "recordStopButton"));
        QVERIFY(click(bar, "recordButton"));
        QTRY_COMPARE(call->getCallRecordingState(), int(CallBasePtr::Recording));
        QTRY_COMPARE(shown(bar, "recordingState")->property("text").toString(), QString("Recording"));
        QCOMPARE(shown(bar, "recordButton")->property("text").toString(), QString("Pause"));
        QVERIFY(click(bar, "recordButton"));
        QTRY_COMPARE(call->getCallRecordingState(), int(CallBasePtr::RecordingPaused));
        QVERIFY(click(bar, "recordStopButton"));
        QTRY_COMPARE(call->getCallRecordingState(), int(CallBasePtr::NotRecording));
        QTRY_VERIFY(!shown(bar, "recordStopButton"));

        QTRY_VERIFY(shown(bar, "callSecurityClassification"));
        QCOMPARE(shown(bar, "callSecurityClassification")->property("text").toString(), QString("Call Security: None  \u25BE"));
        conversation.session->setCurrentCallSecurityClassification("Secret");
        QTRY_COMPARE(shown(bar, "callSecurityClassification")->property("text").toString(),
                     QString("Call Security: Secret  \u25BE"));
        // No chat in this conversation: no chat classification.
        QVERIFY(!shown(bar, "chatSecurity"));
    }

    void securityBarTellsTheChatsClassification()
    {
        Conversation conversation(Conversation::Chat);
        QVERIFY(conversation.isReady());
        conversation.signedIn.session()->securityClassificationController()->setClassifications({}, "Internal");
        QML::View* bar = conversation.pane("SecurityBar.qml");
        QVERIFY(shown(bar, "chatSecurity"));
        QCOMPARE(shown(bar, "chatSecurity")->property("text").toString(), QString("Chat Security: Internal"));
        // Without a call there is nothing to record or classify.
        QVERIFY(!shown(bar, "callSecurityBar"));
    }

    // A double click on the share's pane asks the window for full screen.
    void sharePaneAsksForFullScreenOnADoubleClick()
    {
        Conversation conversation(Conversation::Call);
        QVERIFY(conversation.isReady());
        QML::View* pane = conversation.pane("WebCollab/WebCollabWidget.qml");
        QSignalSpy asked(pane->rootObject(), SIGNAL(doubleClicked()));
        QTest::mouseDClick(pane, Qt::LeftButton, Qt::NoModifier, QPoint(pane->width() / 2, pane->height() / 2));
        QTRY_COMPARE(asked.count(), 1);
        QCOMPARE(shown(pane, "shareStateText")->property("text").toString(), QString("No desktop is shared"));
        QVERIFY(!shown(pane, "stopSharingButton"));
    }

    // The tool bar offers the conversation's actions; a click triggers the action on the
    // conversation (here: the call's button ends the call).
    void toolbarTriggersTheConversationsActions()
    {
        Conversation conversation(Conversation::Call);
        QVERIFY(conversation.isReady());
        QML::View* footer = conversation.pane("Footer.qml");
        for (const char* name : {"actionButton3", "actionButton4", "actionButton6"})
            QVERIFY2(shown(footer, name), name);
        QVERIFY(click(footer, "actionButton4"));
        QTRY_VERIFY(!conversation.session || !conversation.session->callActive());
    }

    // The chat's button counts the messages that came unseen, up to "9+".
    void badgeCapsTheMissedCount_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << 0 << QString();
        QTest::newRow("one") << 1 << QString("1");
        QTest::newRow("nine") << 9 << QString("9");
        QTest::newRow("ten") << 10 << QString("9+");
        QTest::newRow("many") << 120 << QString("9+");
    }

    void badgeCapsTheMissedCount()
    {
        QFETCH(int, count);
        QFETCH(QString, text);
        Conversation conversation(Conversation::Chat);
        QVERIFY(conversation.isReady());
        QML::View* footer = conversation.pane("Footer.qml");
        QQuickItem* toolbar = shown(footer, "toolbar");
        QVERIFY(toolbar);
        toolbar->setProperty("missedCount", count);
        QQuickItem* badge = shown(footer, "newMessageBadge");
        QCOMPARE(badge != nullptr, count > 0);
        if (badge)
            QCOMPARE(SceneItems::named(badge, "newMessageBadgeText")->property("text").toString(), text);
    }

    // The participants button opens and closes the share's panel; in a one-to-one
    // conversation without a share the left pane follows it, a group keeps its left pane
    // (which its window opened with the share's panel on its first layout).
    void sharePanelButtonWritesTheFlags_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("leftPaneFollows");
        QTest::newRow("call") << int(Conversation::Call) << true;
        QTest::newRow("group") << int(Conversation::Group) << false;
    }

    void sharePanelButtonWritesTheFlags()
    {
        QFETCH(int, kind);
        QFETCH(bool, leftPaneFollows);
        Conversation conversation{Conversation::Kind(kind)};
        QVERIFY(conversation.isReady());
        QML::CommunicationsWindow* window = conversation.window;
        const bool shareBefore = window->sharePanelVisible();
        const bool leftPaneBefore = window->leftPaneVisible();
        QML::View* footer = conversation.pane("Footer.qml");
        for (const bool shown : {!shareBefore, shareBefore}) {
            QVERIFY(click(footer, "sharePanelButton"));
            QCOMPARE(window->sharePanelVisible(), shown);
            QCOMPARE(window->leftPaneVisible(), leftPaneFollows ? shown : leftPaneBefore);
        }
    }

    // Options opens the window's menu; Escape closes it.
    void optionsOpensTheMenu()
    {
        Conversation conversation(Conversation::Call);
        QVERIFY(conversation.isReady());
        const auto shownMenu = [] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); };
        // The menu is the window's own: without one there is nothing for the button to open.
        QMetaObject::invokeMethod(conversation.window.data(), "showOptionsMenu");
        if (!shownMenu())
            QSKIP("The window builds no options menu yet");
        QTest::keyClick(shownMenu(), Qt::Key_Escape);
        QTRY_VERIFY(!conversation.window->optionsMenuVisible());

        QML::View* footer = conversation.pane("Footer.qml");
        QVERIFY(click(footer, "optionsButton"));
        QTRY_VERIFY(shownMenu());
        QVERIFY(!shownMenu()->actions().isEmpty());
        QVERIFY(conversation.window->optionsMenuVisible());
        QTest::keyClick(shownMenu(), Qt::Key_Escape);
        QTRY_VERIFY(!conversation.window->optionsMenuVisible());
    }

    // The video header folds the video away (the window unfolds it again while it shows no
    // video header); the share's header opens its panel; the chat header ends the chat.
    void headersToggleWhatTheyHead()
    {
        Conversation conversation(Conversation::Chat);
        QVERIFY(conversation.isReady());
        QML::View* video = conversation.pane("LeftPane/VideoHeader.qml");
        QVERIFY(conversation.window->videoPanelVisible());
        QSignalSpy folded(conversation.window.data(), &QML::CommunicationsWindow::videoPanelVisibleChanged);
        SceneItems::click(video, video->rootObject());
        QVERIFY(!folded.isEmpty());
        QCOMPARE(folded.first().first().toBool(), false);

        QML::View* share = conversation.pane("WebCollab/ZynShareControls.qml");
        QVERIFY(click(share, "shareHeader"));
        QCOMPARE(conversation.window->sharePanelVisible(), true);
        QVERIFY(shown(share, "shareState"));

        QML::View* chat = conversation.pane("LeftPane/ChatHeader.qml");
        QVERIFY(conversation.session->chatActive());
        SceneItems::click(chat, chat->rootObject());
        QTRY_VERIFY(!conversation.session || !conversation.session->chatActive());
    }
};

QTEST_MAIN(CommsWindowPanesTest)
#include "tst_comms_window_panes.moc"
