#include "Dialogs/call_center_agent_dialog.h"
#include "Dialogs/preferences_window.h"
#include "Dialogs/supplementary_services.h"
#include "Providers/factory.h"
#include "Providers/menu_action_provider.h"
#include "Utils/main_window_services.h"
#include "common/constants.h"
#include "libqml/components/Xmpp/xmpp_debug_console.h"
#include "libqml/components/about/about.h"
#include "libqml/components/callsettings/call_settings.h"
#include "libqml/components/contactcard/contact_card.h"
#include "libqml/components/communications_window/communications_window.h"
#include "libqml/components/loginwindow/login_window.h"
#include "libqml/components/mainwindow/main_window.h"
#include "libqml/components/notifications/communication_notification.h"
#include "libqml/components/presence_rules_window/presence_rules_window.h"
#include "support/application_test.h"
#include "support/shown_windows.h"
#include "ui/pc/libqml/scene_items.h"

#include <Kivo/Simulation/Control.h>

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QQuickWidget>
#include <QTabWidget>
#include <QTest>

#include <functional>

namespace MenuAction = Constants::MenuAction;

// Every window a user meets, opened in the running program after a real sign-in: a QML
// warning while any of them loads or settles fails the row that opened it (the guard of
// the application test turns each into a failure).
class WindowsOpenCleanlyTest : public TestSupport::ApplicationTest
{
    Q_OBJECT

public:
    using ApplicationTest::ApplicationTest;

private slots:
    void initTestCase();
    void opensWithoutAQmlWarning_data();
    void opensWithoutAQmlWarning();

private:
    // The scenes of the window have loaded and been drawn once.
    static bool settled(QWidget* window)
    {
        if (!window || !window->isVisible())
            return false;
        QList<QQuickWidget*> scenes = window->findChildren<QQuickWidget*>();
        if (auto* own = qobject_cast<QQuickWidget*>(window))
            scenes << own;
        for (QQuickWidget* scene : scenes) {
            if (scene->isVisibleTo(window) && scene->status() != QQuickWidget::Ready)
                return false;
        }
        for (QQuickWidget* scene : scenes) {
            if (scene->isVisibleTo(window))
                static_cast<void>(scene->grabFramebuffer());
        }
        return true;
    }

    template <typename T>
    static T* shown()
    {
        return TestSupport::shownWindows<T>().value(0);
    }

    void trigger(int action) { m_App.menuActionProvider()->action(action)->trigger(); }
};

void WindowsOpenCleanlyTest::initTestCase()
{
    ApplicationTest::initTestCase();
    QTRY_VERIFY(settled(m_App.loginWindow()));
    signIn();
    QTRY_VERIFY(settled(m_App.mainWindow()));
}

void WindowsOpenCleanlyTest::opensWithoutAQmlWarning_data()
{
    QTest::addColumn<QString>("window");
    for (const char* name : {"main window views", "about", "preferences pages", "call settings pages", "all services",
                             "queues", "presence rules", "contact card", "xmpp console", "incoming call and its window",
                             "chat pop-up and its window"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void WindowsOpenCleanlyTest::opensWithoutAQmlWarning()
{
    QFETCH(QString, window);
    QML::MainWindow* main = m_App.mainWindow();
    QVERIFY(main);
    Kivo::Simulation::Control control(service());

    if (window == "main window views") {
        for (const char* view : {"roomsView", "historyView", "dialpadView", "contactsView"}) {
            QQuickItem* button = SceneItems::named(main->view()->rootObject(), QString(view) + "Button");
            QVERIFY2(button, view);
            QVERIFY(SceneItems::click(main->view(), button));
            QTRY_VERIFY(settled(main));
        }
    } else if (window == "about") {
        trigger(MenuAction::About);
        QML::About* about = nullptr;
        QTRY_VERIFY(settled(about = shown<QML::About>()));
        about->close();
    } else if (window == "preferences pages") {
        trigger(MenuAction::Preferences);
        Dialogs::PreferencesWindow* preferences = nullptr;
        QTRY_VERIFY(settled(preferences = shown<Dialogs::PreferencesWindow>()));
        auto* tabs = preferences->findChild<QTabWidget*>();
        QVERIFY(tabs);
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            QTRY_VERIFY(settled(preferences));
        }
        preferences->close();
    } else if (window == "call settings pages" || window == "all services") {
        trigger(MenuAction::CallSettings);
        QML::CallSettings* settings = nullptr;
        QTRY_VERIFY(settled(settings = shown<QML::CallSettings>()));
        if (window == "all services") {
            settings->showAllServices();
            Dialogs::SupplementaryServices* services = nullptr;
            QTRY_VERIFY(settled(services = shown<Dialogs::SupplementaryServices>()));
            services->close();
        } else {
            for (int page = Utils::CorvantiumAnywherePage; page <= Utils::HideNumberPage; ++page) {
                settings->openPage(static_cast<Utils::CallSettingsPage>(page));
                QTRY_VERIFY(settled(settings));
            }
        }
        settings->close();
    } else if (window == "queues") {
        trigger(MenuAction::Queues);
        Dialogs::CallCenterAgentDialog* queues = nullptr;
        QTRY_VERIFY(settled(queues = shown<Dialogs::CallCenterAgentDialog>()));
        queues->close();
    } else if (window == "presence rules") {
        main->services()->showPresenceRulesWindow();
        QML::PresenceRulesWindow* rules = nullptr;
        QTRY_VERIFY(settled(rules = shown<QML::PresenceRulesWindow>()));
        rules->close();
    } else if (window == "contact card") {
        m_App.providerFactory()->showContactCard(false, nullptr, false);
        QML::ContactCard* card = nullptr;
        QTRY_VERIFY(settled(card = shown<QML::ContactCard>()));
        card->close();
    } else if (window == "xmpp console") {
        main->services()->showXmppDebugConsole();
        QML::XmppDebugConsole* console = nullptr;
        QTRY_VERIFY(settled(console = shown<QML::XmppDebugConsole>()));
        console->close();
    } else if (window == "incoming call and its window") {
        const int call = control.injectIncomingCall("bob@demo.telvarion.net");
        QVERIFY(call > 0);
        QML::CommunicationNotification* popup = nullptr;
        QTRY_VERIFY(settled(popup = shown<QML::CommunicationNotification>()));
        QVERIFY(SceneItems::click(popup, SceneItems::named(popup->rootObject(), "answerAudioButton")));
        QPointer<QML::CommunicationsWindow> comms;
        QTRY_VERIFY(settled(comms = shown<QML::CommunicationsWindow>()));
        QVERIFY(control.injectRemoteHangUp(call));
        QTRY_VERIFY(!comms || !comms->session() || !comms->session()->callActive());
        if (comms)
            comms->close();
        QTRY_VERIFY(!comms || !comms->isVisible());
    } else if (window == "chat pop-up and its window") {
        QVERIFY(control.injectChatMessage("chiara@demo.telvarion.net", "Are you free at three?"));
        QML::CommunicationsWindow* comms = nullptr;
        QTRY_VERIFY(shown<QML::CommunicationNotification>() || shown<QML::CommunicationsWindow>());
        if (QML::CommunicationNotification* popup = shown<QML::CommunicationNotification>()) {
            QTRY_VERIFY(settled(popup));
            QVERIFY(SceneItems::click(popup, popup->rootObject()));
        }
        QTRY_VERIFY(settled(comms = shown<QML::CommunicationsWindow>()));
        comms->close();
    } else {
        QFAIL("no such window");
    }
}

int main(int argc, char** argv)
{
    return TestSupport::execApplicationTest<WindowsOpenCleanlyTest>(argc, argv);
}

#include "tst_windows_open_cleanly.moc"
