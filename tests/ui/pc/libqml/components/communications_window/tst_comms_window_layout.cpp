#include "../../qml_test_setup.h"
#include "comms_window_fixture.h"
#include "Widgets/Custom/video_call.h"
#include "libqml/components/communications_window/border_widget_handler.h"
#include "libqml/components/communications_window/communications_window.h"
#include "libqml/window/qml_view.h"
#include "support/test_environment.h"

#include <Kivo/Controllers/SecurityClassificationController.h>
#include <Kivo/MediaEngine/CallBasePtr.h>
#include <Kivo/MyRoom/MeetMeError.h>
#include <Kivo/Webcollab/WebcollabBase.h>

#include <QApplication>
#include <QBoxLayout>
#include <QFile>
#include <QQmlEngine>
#include <QPointer>
#include <QQmlContext>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using Kivo::Controllers::CommunicationSession;
using Kivo::MediaEngine::CallBasePtr;
using QML::CommunicationsWindow;

namespace {


// The visible panes of the content layout from left to right, dividers as "|".
QStringList contentColumns(CommunicationsWindow* window)
{
    QStringList columns;
    QBoxLayout* content = window->contentLayout();
    for (int index = 0; index < content->count(); ++index) {
        QLayoutItem* item = content->itemAt(index);
        if (QWidget* widget = item->widget()) {
            if (widget->isVisibleTo(window))
                columns << (widget->objectName().startsWith("Border") ? QString("|") : widget->objectName());
        } else if (item->layout() == window->leftPaneLayout() && window->leftPaneVisible()) {
            columns << "LeftPane";
        }
    }
    return columns;
}

// Every QML engine alive: the program's shared one and any a widget owns.
int qmlEngines()
{
    QSet<const QQmlEngine*> engines;
    for (const QQmlEngine* engine : qApp->findChildren<QQmlEngine*>())
        engines.insert(engine);
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        for (const QQmlEngine* engine : window->findChildren<QQmlEngine*>())
            engines.insert(engine);
    }
    return engines.size();
}

int threads()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("Threads:"))
            return line.mid(8).trimmed().toInt();
    }
    return -1;
}

} // namespace

class CommsWindowLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QmlTestSetup::prepare(); }

    void meetMeErrorTexts_data()
    {
        QTest::addColumn<QVariant>("error");
        QTest::addColumn<QString>("text");
        const auto error = [](int value) { return QVariant::fromValue(Kivo::MyRoom::MeetMeErrorType(value)); };
        QTest::newRow("none") << QVariant() << QString();
        QTest::newRow("0") << error(0) << QString("Dismiss participant failed");
        QTest::newRow("1") << error(1) << QString("Lock conference failed");
        QTest::newRow("2") << error(2) << QString("Unlock conference failed");
        QTest::newRow("3") << error(3) << QString("Mute participant failed");
        QTest::newRow("4") << error(4) << QString("Unmute participant failed");
        QTest::newRow("5") << error(5) << QString();
        QTest::newRow("-1") << error(-1) << QString();
    }

    void meetMeErrorTexts()
    {
        QFETCH(QVariant, error);
        QFETCH(QString, text);
        QCOMPARE(CommunicationsWindow::meetMeErrorText(error), text);
    }

    // A window's panes are scenes of the program's one QML engine: another window adds no
    // engine and none of an engine's threads.
    void windowAddsNoQmlEngine()
    {
        TestSupport::Environment env;
        Conversation conversation(Conversation::Chat);
        QVERIFY(conversation.isReady());
        QVERIFY(conversation.showWindow());
        QCOMPARE(qmlEngines(), 1);
        const int threadsBefore = threads();
        {
            CommunicationsWindow second(conversation.signedIn.session(), conversation.session, nullptr, false);
            second.Activate();
            second.show();
            QVERIFY(QTest::qWaitForWindowExposed(&second));
            QCOMPARE(qmlEngines(), 1);
            QVERIFY2(threads() <= threadsBefore + 1, qPrintable(QString("%1 -> %2").arg(threadsBefore).arg(threads())));
        }
        QCOMPARE(qmlEngines(), 1);
    }

    // The panes, their scenes loaded from the real resources once the window shows them (a
    // pane it does not show waits), and the window's own base view out of sight; whatever the
    // scene writes to the My Room error clears it.
    void panesAreBuiltAndLoaded()
    {
        TestSupport::Environment env;
        Conversation conversation(Conversation::AudioCall);
        QVERIFY(conversation.isReady());
        CommunicationsWindow* window = conversation.window;
        for (const char* name : {"CallWidget", "ChatWidget", "Footer", "DetailsPane", "ShareControlsPane",
                                 "VideoHeader", "ChatHeader", "SecurityBar", "WebCollabWidget"}) {
            auto* pane = qobject_cast<QML::View*>(conversation.pane(name));
            QVERIFY2(pane, name);
            QVERIFY2((pane->rootObject() != nullptr) == pane->isVisibleTo(window), name);
            pane->show();
            QVERIFY2(pane->rootObject(), name);
            QCOMPARE(pane->rootContext()->contextProperty("rootWindow").value<QObject*>(), static_cast<QObject*>(window));
        }
        QVERIFY(qobject_cast<Widgets::Custom::VideoCall*>(conversation.pane("VideoCallWidget")));
        QVERIFY(conversation.pane("NotificationsWidget"));
        QVERIFY(!window->view()->isVisibleTo(window));
        QVERIFY(window->property("dialpad").value<QObject*>());
        QCOMPARE(window->property("actionsProvider").value<QObject*>(), nullptr);
        QCOMPARE(window->minimumWindowSize(), QSize(420, 310));

        QSignalSpy cleared(window, &CommunicationsWindow::meetMeErrorChanged);
        QVERIFY(window->setProperty("meetMeError", "anything"));
        QCOMPARE(cleared.count(), 1);
        QCOMPARE(window->property("meetMeError").toString(), QString());

        // The panel flags tell only of a change.
        QSignalSpy leftPane(window, &CommunicationsWindow::leftPaneVisibleChanged);
        window->setLeftPaneVisible(false);
        window->setVideoPanelVisible(true);
        window->setSharePanelVisible(false);
        QCOMPARE(leftPane.count(), 0);
    }

    // Once the engine has destroyed the conversation the window neither reads nor lays out
    // anything of it.
    void destroyedSessionLeavesNothing()
    {
        TestSupport::Environment env;
        Conversation conversation(Conversation::Chat);
        QVERIFY(conversation.isReady());
        CommunicationsWindow* window = conversation.window;
        // Keep the window past its session to look at it.
        QObject::disconnect(conversation.session, &QObject::destroyed, window, nullptr);
        conversation.session->close();
        QTRY_VERIFY(!conversation.session);
        const QSize minimum = window->minimumSize();
        const bool chatShown = conversation.shows("ChatWidget");

        QCOMPARE(window->property("session").value<QObject*>(), nullptr);
        QVERIFY(!window->session());
        QVERIFY(!window->sessionContact());
        QVERIFY(!window->hasActiveCall());
        QVERIFY(!window->property("showOwnVideo").toBool());
        QVERIFY(!window->property("dialpadVisible").toBool());
        QVERIFY(window->property("zynError").toString().isEmpty());
        QVERIFY(window->property("meetMeError").toString().isEmpty());
        QVERIFY(!window->property("contactModel").value<QObject*>());
        QVERIFY(!window->property("messageModel").value<QObject*>());
        QVERIFY(!window->property("smileys").value<QObject*>());
        QVERIFY(QMetaObject::invokeMethod(window, "setWindowState"));
        window->setLeftPaneVisible(true);
        QCOMPARE(window->minimumSize(), minimum);
        QCOMPARE(conversation.shows("ChatWidget"), chatShown);
        QVERIFY(!conversation.shows("ParticipantsPane"));
    }

    // The minimum size of the window for what the conversation holds, and the columns it shows.
    void layoutOfAConversation_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<bool>("chatSecurity");
        QTest::addColumn<QSize>("minimum");
        QTest::addColumn<QStringList>("columns");
        QTest::newRow("chat") << int(Conversation::Chat) << false << QSize(420, 255 + 35)
                              << QStringList{"ChatWidget"};
        QTest::newRow("chat with its security bar")
            << int(Conversation::Chat) << true << QSize(420, 255 + 35 + 20) << QStringList{"ChatWidget"};
        QTest::newRow("audio call") << int(Conversation::AudioCall) << false << QSize(480, 115 + 35)
                                    << QStringList{"CallWidget"};
        QTest::newRow("video call") << int(Conversation::VideoCall) << false << QSize(480, 275 + 35)
                                    << QStringList{"VideoCallWidget"};
        // The call pane gives way to the chat; the footer carries the call.
        QTest::newRow("audio call with chat") << int(Conversation::AudioCallWithChat) << false
                                              << QSize(420, 255 + 35) << QStringList{"ChatWidget"};
    }

    void layoutOfAConversation()
    {
        QFETCH(int, start);
        QFETCH(bool, chatSecurity);
        QFETCH(QSize, minimum);
        QFETCH(QStringList, columns);
        TestSupport::Environment env;
        Conversation conversation(Conversation::Start(start), chatSecurity);
        QVERIFY(conversation.isReady());
        CommunicationsWindow* window = conversation.window;
        QCOMPARE(window->minimumSize(), minimum);
        // A hidden window takes its minimum size.
        QCOMPARE(window->size(), minimum);
        QCOMPARE(contentColumns(window), columns);
        QVERIFY(conversation.shows("Footer"));
        QCOMPARE(conversation.shows("SecurityBar"), chatSecurity);
        QVERIFY(!conversation.shows("ParticipantsPane"));
        QCOMPARE(conversation.shows("CallWidget"), columns.contains("CallWidget"));

        // Shown, the panes fill the window: the footer at the bottom, the content above it.
        QVERIFY(conversation.showWindow());
        const QWidget* footer = conversation.pane("Footer");
        QCOMPARE(footer->geometry(), QRect(0, minimum.height() - 35, minimum.width(), 35));
        const QWidget* content = conversation.pane(qPrintable(columns.first()));
        QCOMPARE(content->width(), minimum.width());
        QCOMPARE(content->geometry().bottom() + 1, footer->y());
    }

    // A video call started in a chat turns the chat into a 240-wide column left of the
    // video; the window grows to the new minimum only when it sat at the old one.
    void videoInAChatMakesTheChatAColumn_data()
    {
        QTest::addColumn<QSize>("userSize");
        QTest::addColumn<bool>("grows");
        QTest::newRow("at its minimum") << QSize() << true;
        QTest::newRow("sized by the user") << QSize(1000, 600) << false;
    }

    void videoInAChatMakesTheChatAColumn()
    {
        QFETCH(QSize, userSize);
        QFETCH(bool, grows);
        TestSupport::Environment env;
        Conversation conversation(Conversation::Chat);
        QVERIFY(conversation.isReady());
        CommunicationsWindow* window = conversation.window;
        QVERIFY(conversation.showWindow());
        if (userSize.isValid())
            window->resize(userSize);
        QTRY_COMPARE(window->size(), userSize.isValid() ? userSize : QSize(420, 290));

        QVERIFY(conversation.addVideoCall());
        const QSize minimum(240 + 1 + 480, 275 + 35);
        QTRY_COMPARE(window->minimumSize(), minimum);
        QCOMPARE(contentColumns(window), (QStringList{"ChatWidget", "|", "VideoCallWidget"}));
        QCOMPARE(window->size(), grows ? minimum : userSize);
        QTRY_COMPARE(conversation.pane("ChatWidget")->width(), 240);
        QCOMPARE(conversation.pane("Border1")->width(), 1);
        QVERIFY(conversation.pane("ChatWidget")->x() < conversation.pane("VideoCallWidget")->x());
        QVERIFY(!conversation.shows("CallWidget"));
    }

    // A group chat opens the left pane with its participants on its first run, which runs
    // the layout a second time; the user's closing of the pane is not undone.
    void groupChatOpensTheLeftPane()
    {
        TestSupport::Environment env;
        Conversation conversation(Conversation::Room);
        QVERIFY(conversation.isReady());
        CommunicationsWindow* window = conversation.window;
        QVERIFY(window->leftPaneVisible());
        QVERIFY(window->sharePanelVisible());
        QVERIFY(conversation.shows("ParticipantsPane"));
        QVERIFY(conversation.shows("ChatWidget"));
        // Second run: the chat beside the participants, divided.
        QCOMPARE(contentColumns(window), (QStringList{"LeftPane", "|", "ChatWidget"}));
        QCOMPARE(window->minimumSize(), QSize(200 + 1 + 420, 255 + 35));
        QVERIFY(window->leftPaneLayout()->indexOf(conversation.pane("ParticipantsPane")) >= 0);
    }

    // The participants column is never narrower at most than at least: watching a share
    // beside a video call asks for 240 at least.
    void participantsColumnHoldsItsMinimum()
    {
        TestSupport::Environment env;
        Conversation conversation(Conversation::VideoCall);
        QVERIFY(conversation.isReady());
        CommunicationsWindow* window = conversation.window;
        conversation.session->setShare(true);
        conversation.session->getWebCollab()->setFloorHolder(false);
        window->setLeftPaneVisible(true);
        auto* participants = qobject_cast<QML::View*>(conversation.pane("ParticipantsPane"));
        QVERIFY(participants->isVisibleTo(window));
        QCOMPARE(participants->minimumWidth(), 240);
        QVERIFY(participants->maximumWidth() >= participants->minimumWidth());
        QVERIFY(participants->preferredMaxSize().width() >= participants->preferredMinSize().width());
    }

    // A restored window keeps the user's size through state changes until one resize has
    // fitted into the screen; only then does the layout run again.
    void restoredWindowKeepsItsSizeUntilItFits()
    {
        TestSupport::Environment env;
        Conversation conversation(Conversation::Chat);
        QVERIFY(conversation.isReady());
        CommunicationsWindow* window = conversation.window;
        QVERIFY(conversation.showWindow());
        window->showMaximized();
        QTRY_VERIFY(window->isMaximized());
        window->showNormal();
        QTRY_VERIFY(!window->isMaximized());
        const QSize restored = window->size();

        QVERIFY(conversation.addVideoCall());
        QTRY_VERIFY(conversation.shows("VideoCallWidget"));
        QCOMPARE(window->minimumSize(), QSize(420, 290));
        QCOMPARE(window->size(), restored);

        window->resize(QSize(700, 450));
        QTRY_COMPARE(window->minimumSize(), QSize(240 + 1 + 480, 275 + 35));
    }

    // Ending a share while full screen leaves full screen when no video call remains.
    void shareEndingLeavesFullScreen()
    {
        TestSupport::Environment env;
        Conversation conversation(Conversation::AudioCall);
        QVERIFY(conversation.isReady());
        CommunicationsWindow* window = conversation.window;
        QVERIFY(conversation.showWindow());
        conversation.session->setShare(true);
        QTRY_VERIFY(conversation.shows("WebCollabWidget"));
        QVERIFY(QMetaObject::invokeMethod(window, "toggleFullScreen"));
        QTRY_VERIFY(window->isFullScreen());

        conversation.session->setShare(false);
        QTRY_VERIFY(!window->isFullScreen());
        QVERIFY(conversation.shows("CallWidget"));
        QVERIFY(!conversation.shows("WebCollabWidget"));
    }
};

QTEST_MAIN(CommsWindowLayoutTest)
#include "tst_comms_window_layout.moc"
