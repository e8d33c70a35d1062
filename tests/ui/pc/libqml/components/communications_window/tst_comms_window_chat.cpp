// The chat pane of the communications window as the user works it: emoticons, Send File,
// the input's menu, Send, and the notices of an unreachable chat service and a failed share.
#include "../../qml_test_setup.h"
#include "../../scene_items.h"
#include "comms_window_fixture.h"
#include "libqml/window/qml_view.h"
#include "support/shown_windows.h"

#include <Kivo/Controllers/ChatInterface.h>
#include <Kivo/Models/Smileys.h>
#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Service.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QQuickItem>
#include <QTemporaryDir>
#include <QtTest>

using QML::CommunicationsWindow;

namespace {

// A chat with Bob in its shown window, with the conversation's actions and emoticons.
class ShownChat : public Conversation
{
public:
    ShownChat()
        : Conversation(Conversation::Chat, false, true)
    {
        if (!isReady())
            return;
        window->setSmileys(new Kivo::Models::SmileysPtr(window));
        shown = showWindow();
        view = qobject_cast<QML::View*>(pane("ChatWidget"));
    }

    bool ready() const { return shown && view && view->rootObject(); }
    QQuickItem* item(const QString& name) const { return SceneItems::named(view->rootObject(), name); }
    bool click(const QString& name) const { return SceneItems::click(view, item(name)); }
    QString input() const { return item("messageInput")->property("text").toString(); }

    // The input takes the keyboard, as after a click into it.
    bool type(const QString& text) const
    {
        if (!click("messageInput") || !SceneItems::takeKeyboard(window, view))
            return false;
        item("messageInput")->forceActiveFocus();
        QTest::keyClicks(view, text);
        return true;
    }

    // The input's menu, opened with the right mouse button; its entries' texts.
    QMenu* rightClickInput() const
    {
        QQuickItem* area = item("messageInputMenuArea");
        if (!SceneItems::waitUntilClickable(view, area))
            return nullptr;
        const QPoint at = area->mapToScene(QPointF(area->width() / 2, area->height() / 2)).toPoint();
        QTest::mouseClick(view, Qt::RightButton, Qt::NoModifier, at);
        QMenu* menu = nullptr;
        static_cast<void>(QTest::qWaitFor([&menu] { return (menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())); }));
        return menu;
    }

    bool shown = false;
    QML::View* view = nullptr;
};

QStringList entries(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << (action->isSeparator() ? QString("-") : action->text() + (action->isEnabled() ? "" : " (off)"));
    return texts;
}

bool choose(QMenu* menu, const QString& text)
{
    for (QAction* action : menu->actions()) {
        if (action->text() == text) {
            QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(action).center());
            return true;
        }
    }
    return false;
}

} // namespace

class CommsWindowChatTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QmlTestSetup::prepare(); }

    // The emoticon button opens the table; a click on one puts its code where the caret is
    // and closes the table.
    void emoticonsGoIntoTheInput()
    {
        ShownChat chat;
        QVERIFY(chat.ready());
        QVERIFY(chat.type("Great"));
        QVERIFY(!chat.item("smileyGrid")->isVisible());
        QVERIFY(chat.click("smileyButton"));
        QTRY_VERIFY(chat.item("smileyGrid")->isVisible());
        QQuickItem* first = chat.item("smiley_0");
        QVERIFY(first);
        const QString code = first->property("smileyCode").toString();
        QVERIFY(!code.isEmpty());
        QVERIFY(chat.click("smiley_0"));
        QTRY_COMPARE(chat.input(), "Great " + code + " ");
        QVERIFY(!chat.item("smileyGrid")->isVisible());
        QVERIFY(chat.item("sendButton")->isEnabled());
    }

    // "Send File" in the chat's bar asks for the file and hands it to the conversation's chat.
    void sendFileAsksForTheFile()
    {
        ShownChat chat;
        QVERIFY(chat.ready());
        QTemporaryDir folder;
        QFile file(folder.filePath("agenda.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("1. Icons");
        file.close();
        QSignalSpy started(chat.window.data(), &CommunicationsWindow::startFileTransfer);

        QVERIFY(chat.click("sendFileButton"));
        QFileDialog* chooser = nullptr;
        QTRY_VERIFY((chooser = TestSupport::shownWindows<QFileDialog>().value(0)));
        QCOMPARE(chooser->acceptMode(), QFileDialog::AcceptOpen);
        chooser->setDirectory(folder.path());
        auto* name = chooser->findChild<QLineEdit*>("fileNameEdit");
        QTest::keyClicks(name, "agenda.txt");
        QTest::keyClick(name, Qt::Key_Return);
        QTRY_COMPARE(started.count(), 1);
        QCOMPARE(started.first().at(0).value<Kivo::Controllers::ChatInterface*>(),
                 chat.session->getChatInterface());
        QCOMPARE(QFileInfo(started.first().at(1).toString()), QFileInfo(file.fileName()));

        // Without a chat to send in, the button goes.
        chat.session->closeChat();
        QTRY_VERIFY(!chat.session || !chat.item("sendFileButton")->isVisible());
    }

    // The input's menu offers what fits the selection and the clipboard, and its entries act
    // on the input.
    void inputMenuCutsCopiesPastesAndSelects()
    {
        ShownChat chat;
        QVERIFY(chat.ready());
        QApplication::clipboard()->clear();
        QVERIFY(chat.type("see you"));

        // Nothing selected, nothing to paste.
        QMenu* menu = chat.rightClickInput();
        QVERIFY(menu);
        QCOMPARE(entries(menu), (QStringList{"-", "Select All"}));
        QVERIFY(choose(menu, "Select All"));
        QTRY_COMPARE(chat.item("messageInput")->property("selectedText").toString(), QString("see you"));

        menu = chat.rightClickInput();
        QVERIFY(menu);
        QCOMPARE(entries(menu), (QStringList{"Cut", "Copy", "-", "Select All"}));
        QVERIFY(choose(menu, "Cut"));
        QTRY_COMPARE(chat.input(), QString());
        QCOMPARE(QApplication::clipboard()->text(), QString("see you"));
        QVERIFY(!chat.item("sendButton")->isEnabled());

        menu = chat.rightClickInput();
        QVERIFY(menu);
        QCOMPARE(entries(menu), (QStringList{"Paste", "-", "Select All"}));
        QVERIFY(choose(menu, "Paste"));
        QTRY_COMPARE(chat.input(), QString("see you"));
    }

    // Send goes on with any text in the input, blanks too.
    void sendFollowsTheInput()
    {
        ShownChat chat;
        QVERIFY(chat.ready());
        QQuickItem* send = chat.item("sendButton");
        QVERIFY(!send->isEnabled());
        QVERIFY(chat.type(" "));
        QTRY_VERIFY(send->isEnabled());
        QTest::keyClick(chat.view, Qt::Key_Backspace);
        QTRY_VERIFY(!send->isEnabled());
    }

    // Without the chat service the pane says so and leads to the settings; back online the
    // notice goes. A share's error stays in the pane.
    void noticesOfTheChatServiceAndTheShare()
    {
        ShownChat chat;
        QVERIFY(chat.ready());
        QVERIFY(!chat.item("offlineNotice")->isVisible());
        QSignalSpy preferences(chat.window.data(), qOverload<int>(&CommunicationsWindow::preferenceActivated));

        Kivo::Simulation::Control control(ConversationFixture::service());
        QVERIFY(control.injectLinkLost(Kivo::Simulation::Service::ChatLink));
        QTRY_VERIFY(chat.item("offlineNotice")->isVisible());
        QVERIFY(!chat.window->property("xmppConnected").toBool());
        QVERIFY(chat.click("offlineSettingsLink"));
        QTRY_COMPARE(preferences.count(), 1);
        QCOMPARE(preferences.first().first().toInt(), 3);
        QVERIFY(control.injectLinkRestored(Kivo::Simulation::Service::ChatLink));
        QTRY_VERIFY(!chat.item("offlineNotice")->isVisible());

        QVERIFY(!chat.item("shareError")->isVisible());
        chat.window->onZYNerror(ZynClient::ZYNLIBERROR(500), ZynClient::StartError);
        QTRY_VERIFY(chat.item("shareError")->isVisible());
        QCOMPARE(chat.item("shareError")->property("text").toString(), QString("Error starting share. ( 500 )"));
    }
};

QTEST_MAIN(CommsWindowChatTest)
#include "tst_comms_window_chat.moc"
