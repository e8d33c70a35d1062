// Desktop shares in the communications window over the simulated screen-sharing service: a
// peer's share answered in the window's bar and watched in the share pane, the user's own
// started, held, copied and stopped from the share's controls, and a share from a component
// this client cannot work with.
#include "../../qml_test_setup.h"
#include "../../../../../libs/kivo/conversations/conversation_fixture.h"
#include "Providers/factory.h"
#include "libqml/components/communications_window/communications_window.h"
#include "libqml/components/notifications/webcollab_sharing_notification.h"
#include "libqml/items/viewsharezyn.h"
#include "libqml/components/notifications/notifications_widget.h"
#include "support/shown_windows.h"
#include "support/test_environment.h"
#include "ui/pc/libqml/scene_items.h"

#include <Kivo/Actions/Action.h>
#include <Kivo/Actions/Provider.h>
#include <Kivo/Controllers/ZynHandler.h>
#include <Kivo/Webcollab/WebcollabZyn.h>

#include <QApplication>
#include <QClipboard>
#include <QQuickItem>
#include <QQuickWidget>
#include <QtTest>

#include <memory>

using Kivo::Controllers::CommunicationSession;
using QML::CommunicationsWindow;
namespace Fixture = ConversationFixture;

namespace {

// A chat with Bob in a window of its own, on a service that shares desktops.
class SharingChat
{
public:
    SharingChat()
        : signedIn({{Kivo::Controllers::ZynHandler::ScreenSharingItem, true}})
    {
        if (!signedIn.isReady())
            return;
        factory = std::make_unique<Providers::Factory>(signedIn.session(), signedIn.session()->contactsManager(),
                                                       nullptr, nullptr);
        QSignalSpy created(signedIn.comms(), &Kivo::Controllers::CommsSessionController::sessionCreated);
        signedIn.comms()->createChat(QStringList{Fixture::Bob});
        if (created.isEmpty() && !created.wait(2000))
            return;
        session = Fixture::nextSession(created);
        if (!QTest::qWaitFor([this] { return session && session->chatActive() && session->getContact(); }))
            return;
        window = new CommunicationsWindow(signedIn.session(), session, factory.get(), false);
        window->Activate();
        window->show();
        if (!QTest::qWaitForWindowExposed(window))
            delete window;
    }
    ~SharingChat()
    {
        delete window;
        if (session)
            session->close();
    }

    bool isReady() const { return window != nullptr; }
    QQuickWidget* pane(const char* name) const { return window->findChild<QQuickWidget*>(QLatin1String(name)); }
    // The named item of the pane, once the pane shows it.
    QQuickItem* shown(const char* paneName, const char* item) const
    {
        QQuickItem* found = pane(paneName) && pane(paneName)->isVisible()
                                ? SceneItems::named(pane(paneName)->rootObject(), QLatin1String(item))
                                : nullptr;
        return found && found->isVisible() ? found : nullptr;
    }
    bool click(const char* paneName, const char* item) const
    {
        QQuickItem* target = nullptr;
        if (!QTest::qWaitFor([&] { return (target = shown(paneName, item)) != nullptr; })) {
            qWarning() << "The pane" << paneName << "shows no" << item;
            return false;
        }
        SceneItems::click(pane(paneName), target);
        return true;
    }
    QString text(const char* paneName, const char* item) const
    {
        const QQuickItem* found = shown(paneName, item);
        return found ? found->property("text").toString() : QString();
    }

    Fixture::SignedIn signedIn;
    std::unique_ptr<Providers::Factory> factory;
    QPointer<CommunicationSession> session;
    QPointer<CommunicationsWindow> window;
};

} // namespace

class CommsWindowSharesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QmlTestSetup::prepare(); }

    void aPeersShareIsAnsweredInTheBarAndWatched()
    {
        TestSupport::Environment env;
        SharingChat chat;
        QVERIFY(chat.isReady());
        // With a screen-share handler the share starts from the share's controls, not the toolbar.
        auto* actions = qobject_cast<Kivo::Actions::Provider*>(
            chat.window->property("actionsProvider").value<QAbstractItemModel*>());
        QVERIFY(actions && !actions->getActionById(Kivo::Actions::Action::ShareDesktop));

        // Bob's share comes to the open window: its bar asks.
        QVERIFY(Fixture::control().injectShareStarted(Fixture::Bob) > 0);
        QTRY_VERIFY(chat.shown("NotificationsWidget", "shareInvitation"));
        QCOMPARE(chat.text("NotificationsWidget", "shareText"), QString("Would you like to view Bob Lind's desktop share?"));
        QVERIFY(chat.click("NotificationsWidget", "shareYesButton"));

        // The share pane shows Bob's moving desktop; the left pane's controls say so.
        QTRY_VERIFY(chat.shown("WebCollabWidget", "shareViewer"));
        auto* viewer = qobject_cast<QML::ViewShareZyn*>(chat.shown("WebCollabWidget", "shareViewer"));
        QTRY_VERIFY(!viewer->frame().isNull());
        const QImage first = viewer->frame();
        QTRY_VERIFY(viewer->frame() != first);
        QTRY_COMPARE(viewer->frame().size(), viewer->size().toSize());
        QVERIFY(!chat.window->notifications()->isVisible());
        QTRY_COMPARE(chat.text("ShareControlsPane", "shareState"), QString("Viewing the shared desktop"));

        // Held still, the pane says so; "Leave Share" ends it and the pane goes.
        QVERIFY(Fixture::control().injectSharePaused(Fixture::Bob, true));
        QTRY_COMPARE(chat.text("WebCollabWidget", "shareStateText"), QString("The shared desktop is paused"));
        QVERIFY(chat.click("WebCollabWidget", "stopSharingButton"));
        QTRY_VERIFY(!chat.session->webCollabActive());
        QTRY_VERIFY(!chat.pane("WebCollabWidget")->isVisible());
    }

    void theUsersShareRunsFromTheShareControls()
    {
        TestSupport::Environment env;
        SharingChat chat;
        QVERIFY(chat.isReady());
        // The footer opens the left pane with the share's controls.
        QVERIFY(chat.click("Footer", "sharePanelButton"));
        QTRY_VERIFY(chat.shown("ShareControlsPane", "startShareButton"));
        QCOMPARE(chat.text("ShareControlsPane", "shareState"), QString("Your desktop is not shared"));

        // Start: the desktop is shared, and a notice floats over the screen for a moment.
        QVERIFY(chat.click("ShareControlsPane", "startShareButton"));
        QTRY_VERIFY(!TestSupport::shownWindows<QML::WebcollabSharingNotification>().isEmpty());
        QTRY_COMPARE(chat.text("ShareControlsPane", "shareState"), QString("You are sharing your desktop"));
        QVERIFY(!chat.shown("ShareControlsPane", "startShareButton"));

        QVERIFY(chat.click("ShareControlsPane", "pauseShareButton"));
        QTRY_COMPARE(chat.text("ShareControlsPane", "shareState"), QString("Your share is paused"));
        QCOMPARE(chat.text("ShareControlsPane", "pauseShareButton"), QString("Resume"));
        QVERIFY(chat.click("ShareControlsPane", "pauseShareButton"));
        QTRY_COMPARE(chat.text("ShareControlsPane", "shareState"), QString("You are sharing your desktop"));

        QApplication::clipboard()->clear();
        QVERIFY(chat.click("ShareControlsPane", "copyShareLinkButton"));
        QTRY_VERIFY(QApplication::clipboard()->text().startsWith("https://collab.test.example/share/"));

        QVERIFY(chat.click("ShareControlsPane", "stopShareButton"));
        QTRY_VERIFY(chat.shown("ShareControlsPane", "startShareButton"));
        QVERIFY(!chat.session->webCollabActive());
    }

    void aShareThisClientCannotShowIsOnlyAcknowledged()
    {
        TestSupport::Environment env;
        SharingChat chat;
        QVERIFY(chat.isReady());
        QVERIFY(Fixture::control().injectShareStarted(Fixture::Bob, true) > 0);
        QTRY_VERIFY(chat.shown("NotificationsWidget", "shareOkButton"));
        QVERIFY(chat.text("NotificationsWidget", "shareText").startsWith("Bob Lind has invited you to a desktop share. "
                                                                         "Unfortunately we can't find a share component"));
        QCOMPARE(chat.window->notifications()->height(), int(QML::NotificationsWidget::ShareProblemHeight));
        QVERIFY(!chat.shown("NotificationsWidget", "shareYesButton"));
        QVERIFY(chat.click("NotificationsWidget", "shareOkButton"));
        QTRY_VERIFY(!chat.session->webCollabActive());
        QTRY_VERIFY(!chat.window->notifications()->isVisible());
    }
};

QTEST_MAIN(CommsWindowSharesTest)
#include "tst_comms_window_shares.moc"
