#include "journey/user.h"

#include "Dialogs/call_center_agent_dialog.h"
#include "Dialogs/location_publish.h"
#include "Dialogs/message_window.h"
#include "Dialogs/password_change_notification.h"
#include "Dialogs/preferences_window.h"
#include "Dialogs/team_telephony_close_dialog.h"
#include "Widgets/Custom/video_call.h"
#include "Widgets/group_name_input.h"
#include "common/constants.h"
#include "libqml/components/Xmpp/xmpp_debug_console.h"
#include "libqml/components/blf_window/blf_window.h"
#include "libqml/components/call_debug/call_debug_window.h"
#include "libqml/components/callsettings/call_settings.h"
#include "libqml/components/contactcard/contact_card.h"
#include "libqml/components/contactmouseover/contact_mouse_over.h"
#include "libqml/components/communications_window/communication_window_dialpad.h"
#include "libqml/components/communications_window/communications_window.h"
#include "libqml/components/notifications/communication_notification.h"
#include "libqml/components/notifications/notifications_widget.h"
#include "libqml/components/eula/eula_dialog.h"
#include "libqml/components/loginwindow/login_window.h"
#include "libqml/components/mainwindow/main_window.h"
#include "libqml/components/notifications/communication_notification.h"
#include "libqml/components/presence_rules_window/presence_rules_window.h"
#include "libqml/components/presencerequest/presence_request_dialog.h"
#include "Providers/factory.h"
#include "Utils/communications_window_manager.h"
#include "Providers/menu_action_provider.h"
#include "libqml/items/viewsharezyn.h"
#include "web/webview.h"
#include "libqml/window/qml_view.h"
#include "support/application_test.h"
#include "Models/Chat/message_model.h"
#include "support/shown_windows.h"
#include "support/url_catcher.h"
#include "support/user_settings.h"
#include "tray.h"
#include "ui/pc/libqml/scene_items.h"

#include <Kivo/Controllers/ChatInterface.h>
#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/MediaEngine/CallControllerBase.h>
#include <Kivo/MediaEngine/IMediaHandlerAudio.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Contacts/IGroup.h>
#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/MediaEngine/CallBasePtr.h>
#include <Kivo/Models/Timeline.h>
#include <Kivo/Models/TimelineFilter.h>
#include <Kivo/Data/CommsSessionParticipant.h>
#include <Kivo/Models/CommsSessionParticipants.h>
#include <Kivo/Simulation/CommandSocket.h>
#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Service.h>

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QDropEvent>
#include <QWheelEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QLocalSocket>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QQuickItem>
#include <QQuickWidget>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebFrame>
#include <QtTest>

#include <algorithm>

using Journey::User;
using TestSupport::UrlCatcher;

namespace {

// Names the data folder of a first run to the same test program started again: the
// restarted program finds there what the first run kept.
constexpr const char* RestartDataVariable = "TELVARION_JOURNEY_RESTART_DATA";

} // namespace

// The steps every path shares, taken as the user takes them.
class JourneyBase : public TestSupport::ApplicationTest
{
    Q_OBJECT

public:
    using ApplicationTest::ApplicationTest;

protected:
    QML::LoginWindow* shownLoginWindow()
    {
        QML::LoginWindow* login = m_App.loginWindow();
        return login && login->isVisible() ? login : nullptr;
    }

    QML::MainWindow* shownMainWindow()
    {
        QML::MainWindow* main = m_App.mainWindow();
        return main && main->isVisible() ? main : nullptr;
    }

    static Dialogs::MessageWindow* shownMessage()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* message = qobject_cast<Dialogs::MessageWindow*>(widget); message && message->isVisible())
                return message;
        }
        return nullptr;
    }

    static Dialogs::PreferencesWindow* shownPreferences() { return shownWindow<Dialogs::PreferencesWindow>(); }

    // The tray icon's menu, opened, and a click on its entry.
    bool clickTrayEntry(const QString& text)
    {
        QMenu* menu = m_App.tray()->menu();
        for (QAction* action : menu->actions()) {
            if (action->text() != text)
                continue;
            menu->popup(QPoint(200, 200));
            if (!QTest::qWaitFor([menu] { return menu->isVisible(); }))
                return false;
            QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(action).center());
            return true;
        }
        qWarning() << "The tray menu has no" << text;
        return false;
    }

    // A click on the tab of that text in the window's tab bar.
    static bool clickTab(QWidget* window, const QString& text)
    {
        QTabBar* bar = window->findChild<QTabWidget*>()->tabBar();
        for (int i = 0; i < bar->count(); ++i) {
            if (bar->tabText(i) == text) {
                QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(i).center());
                return true;
            }
        }
        qWarning() << "No tab reads" << text;
        return false;
    }

    static bool clickButton(QWidget* window, const QString& text)
    {
        for (QPushButton* button : window->findChildren<QPushButton*>()) {
            if (button->text() == text && button->isVisible()) {
                QTest::mouseClick(button, Qt::LeftButton);
                return true;
            }
        }
        qWarning() << "No button reads" << text;
        return false;
    }

    // The one shown window of that kind, or null.
    template <typename T>
    static T* shownWindow()
    {
        const QList<T*> windows = TestSupport::shownWindows<T>();
        return windows.size() == 1 ? windows.first() : nullptr;
    }

    // The signed-in user's supplementary service as the service keeps it.
    static Kivo::Simulation::SupplementaryServiceRecord supplementaryService(int id)
    {
        const Kivo::Simulation::AccountServices account = service().servicesOf(DemoUser);
        for (const auto& record : *account.supplementary) {
            if (record.id == id)
                return record;
        }
        return {};
    }

    // The conversations' list stands at its full height: its rows stay where they are drawn.
    static bool activeListSettled(QML::Window* main)
    {
        const QQuickItem* pane = User::item(main, "activeCommunications");
        if (!pane)
            return false;
        const qreal full = qMin(pane->property("maximumHeight").toReal(),
                                pane->property("headerHeight").toReal()
                                    + pane->property("shown").toReal() * pane->property("rowHeight").toReal() + 1);
        return qFuzzyCompare(pane->height(), full);
    }

    // The item has the caret and the keys go to it.
    static bool hasKeyboardFocus(QML::Window* window, const QString& name)
    {
        const QQuickItem* field = User::item(window, name);
        return field && field->hasActiveFocus() && QApplication::focusWidget() == window->view();
    }

    // Ctrl+Q in the main window, while the event loop runs as in the program: the loop ends
    // with code 0 once the session is closed. Ends the application of this run.
    void exitWithCtrlQ()
    {
        QML::MainWindow* main = shownMainWindow();
        QVERIFY(main);
        QVERIFY(User::activate(main));
        QTimer::singleShot(0, main, [] { User::press(Qt::Key_Q, Qt::ControlModifier); });
        // A loop still running after a while has not quit.
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        watchdog.start(20000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!service().isSignedIn());
        QVERIFY(!m_App.session());
        QVERIFY(!m_App.mainWindow());
    }

    // Where the screenshots of a run for people to look at go (TELVARION_JOURNEY_SCREENSHOTS),
    // taken from the screen as drawn where there is one; nothing without the variable.
    static void screenshot(QWidget* window, const QString& name)
    {
        const QString folder = QString::fromLocal8Bit(qgetenv("TELVARION_JOURNEY_SCREENSHOTS"));
        if (folder.isEmpty())
            return;
        // Not a wait for the program: the picture shows what settled on the screen.
        QTest::qWait(500);
        QScreen* screen = window->screen();
        const QPixmap picture = QGuiApplication::platformName() == "offscreen"
                                    ? window->grab()
                                    : screen->grabWindow(0, window->x(), window->y(), window->frameGeometry().width(),
                                                         window->frameGeometry().height());
        picture.save(folder + '/' + name + ".png");
    }

    // The one pop-up shown, or null.
    static QML::CommunicationNotification* popup() { return shownWindow<QML::CommunicationNotification>(); }

    // A click on the named item of a pop-up, where it shows.
    static bool clickInPopup(QML::CommunicationNotification* shown, const QString& name)
    {
        QQuickItem* item = SceneItems::named(shown->rootObject(), name);
        if (!item || !item->isVisible())
            return false;
        SceneItems::click(shown, item);
        return true;
    }

    // The chat with a contact opened from the contact's menu in the main window, once its
    // window shows the chat; null when it does not come.
    QML::CommunicationsWindow* chatFromContactMenu(const QString& name)
    {
        QML::MainWindow* main = shownMainWindow();
        const QString contact = "contact_" + name;
        if (!main || !User::activate(main) || !User::click(main, "contactsViewButton")
            || !QTest::qWaitFor([&] { return User::item(main, contact) != nullptr; }) || !User::rightClick(main, contact)
            || !User::choose({"Chat"}))
            return nullptr;
        QML::CommunicationsWindow* chat = nullptr;
        const bool shown = QTest::qWaitFor([&chat] {
            chat = shownWindow<QML::CommunicationsWindow>();
            return chat && chat->session() && chat->session()->chatActive();
        });
        return shown ? chat : nullptr;
    }

    // The chat that just arrived, as the user takes it: a click on its pop-up, or its window
    // when it came without one. Null when neither shows.
    static QML::CommunicationsWindow* answeredChat()
    {
        QML::CommunicationsWindow* chat = nullptr;
        const auto popups = [] { return TestSupport::shownWindows<QML::CommunicationNotification>(); };
        if (!QTest::qWaitFor([&chat, &popups] { return (chat = shownWindow<QML::CommunicationsWindow>()) || !popups().isEmpty(); }))
            return nullptr;
        if (!chat) {
            QML::CommunicationNotification* popup = popups().first();
            SceneItems::click(popup, popup->rootObject());
            static_cast<void>(QTest::qWaitFor([&chat] { return (chat = shownWindow<QML::CommunicationsWindow>()); }));
        }
        return chat;
    }

    // The chat window's page, as the user sees it.
    // The object name of the team window's row that shows the named member.
    static QString blfRowOf(QML::BlfWindow* team, const QString& name)
    {
        const QQuickItem* row = SceneItems::find(team->view()->rootObject(), [&name](const QQuickItem* item) {
            const QObject* contact = item->property("rowContact").value<QObject*>();
            return item->objectName().startsWith("blfRow") && contact
                   && contact->property("displayName").toString() == name;
        });
        return row ? row->objectName() : QString();
    }

    static QQuickWidget* chatPane(QML::CommunicationsWindow* window)
    {
        return window->findChild<QQuickWidget*>("ChatWidget");
    }

    static QDeclarativeWebView2* chatPage(QML::CommunicationsWindow* window)
    {
        return chatPane(window)->rootObject()->findChild<QDeclarativeWebView2*>("chatView");
    }

    static QString chatPageText(QML::CommunicationsWindow* window)
    {
        return chatPage(window)->page()->mainFrame()->evaluateJavaScript("document.body.innerText").toString();
    }

    // The mouse wheel turned one notch up (or down) over the middle of the chat page.
    static bool wheelOverChatPage(QML::CommunicationsWindow* window, bool up)
    {
        if (!User::activate(window))
            return false;
        QDeclarativeWebView2* page = chatPage(window);
        QQuickWidget* pane = chatPane(window);
        const QPoint position = page->mapToScene(QPointF(page->width() / 2, page->height() / 2)).toPoint();
        QTest::mouseMove(pane, position);
        QWheelEvent wheel(QPointF(position), QPointF(pane->mapToGlobal(position)), QPoint(), QPoint(0, up ? 120 : -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(pane, &wheel);
        return true;
    }

    // A click on the first element of the page that the selector finds, where it is drawn.
    static bool clickInChatPage(QML::CommunicationsWindow* window, const QString& selector)
    {
        QDeclarativeWebView2* page = chatPage(window);
        const QString script = QStringLiteral(
            "(function() { var e = document.querySelector('%1'); if (!e) return null; e.scrollIntoView(false);"
            " var r = e.getBoundingClientRect(); return [r.left + r.width / 2, r.top + r.height / 2]; })()")
                                   .arg(selector);
        const QVariantList centre = page->page()->mainFrame()->evaluateJavaScript(script).toList();
        if (centre.size() != 2) {
            qWarning() << "The chat page shows nothing like" << selector;
            return false;
        }
        if (!User::activate(window))
            return false;
        QQuickWidget* pane = chatPane(window);
        static_cast<void>(pane->grabFramebuffer());
        const QPoint position = page->mapToScene(QPointF(centre.at(0).toDouble(), centre.at(1).toDouble())).toPoint();
        QTest::mouseMove(pane, position);
        QTest::mouseClick(pane, Qt::LeftButton, Qt::NoModifier, position);
        return true;
    }
};

// A new user's first session, as issue after issue extends it: each step starts where the
// one before ended. New paths go before exitsWithCtrlQ, which ends the application.
class JourneyTest : public JourneyBase
{
    Q_OBJECT

public:
    using JourneyBase::JourneyBase;

private slots:
    void initTestCase();
    void newUserAcceptsTheAgreement();
    void signsInWithTabBetweenTheFields();
    void signsOutWithTheMainWindowsButton();
    void mistypedPasswordIsToldAndTypedAgain();
    void preferencesBeforeSignInOfferTheProxy();
    void signsInAgainWithReturnRememberingThePassword();
    void closedMainWindowComesBackWithASecondStart();
    void f1OpensTheHelpOfTheView();
    void choosesARingSignalInPreferencesFromTheTray();
    void changesServiceSettingsFromTheMenu();
    void addsCallsAndEditsContactsAndAnswersPresenceRequests();
    void changesAndClearsTheProfilePhoto();
    void chatsWithAContactBothWays();
    void takesIncomingCallsFromThePopup();
    void findsCallsAndJoinsContactsInTheMainWindow();
    void picksUpATeamMembersCallFromTheTeamTelephonyWindow();
    void callOpensItsWindowWithItsPanes();
    void usesTheFooterDuringACall();
    void groupChatShowsParticipantsAndTakesADroppedFile();
    void entersARoomFromTheRoomsList();
    void usesTheMainWindowsMenus();
    void takesWhatTheSimulatedServiceIsToldToSend();
    void getsAnAnswerFromAColleagueInAChat();
    void viewsAColleaguesDesktopShare();
    void sendsAFileWithSendFile();
    void aColleaguePicksUpTheUsersCall();
    void setsTheStatusNoteAndLocationAndHoversAContact();
    void seesAFailedDeletionAndSwitchesTheTeamWindowOff();
    void aLinkThatWouldCallAsksFirst();
    void chatsDuringACallAndEndsTheCallFromTheFooter();
    void hidesAChatAndBringsItBack();
    void sendsAFileWithTheChatPanesSendFile();
    void opensTheCallDebugWindowWithCtrlD();
    void searchesByPartOfANameAndReadsALongChat();
    void transfersACallToAContactFoundByName();
    void answersAVideoCallAndHangsUpFromTheFooter();
    // Last before leaving: every later text would be German until it switches back.
    void switchesTheLanguageAndEveryWindowFollows();
    void exitsWithCtrlQ();
    void restartFillsThePasswordAndSignsInAutomatically();
};

void JourneyTest::initTestCase()
{
    ApplicationTest::initTestCase();
    service().setLatency(1);
}

void JourneyTest::newUserAcceptsTheAgreement()
{
    QML::EulaDialog* agreement = QML::EulaDialog::existing();
    QVERIFY(agreement && agreement->isVisible());
    QVERIFY(!shownLoginWindow());
    // A second start brings the agreement forward: the login window waits for the answer.
    emit m_App.messageReceived("activate!");
    QVERIFY(!shownLoginWindow());
    QVERIFY(agreement->isVisible());

    // The first "I Agree" shows the end of the text, the second accepts.
    QVERIFY(User::click(agreement, "agreeButton"));
    QVERIFY(!shownLoginWindow());
    QVERIFY(User::click(agreement, "agreeButton"));
    QTRY_VERIFY(shownLoginWindow());
    QTRY_VERIFY(!QML::EulaDialog::existing());
}

void JourneyTest::signsInWithTabBetweenTheFields()
{
    QML::LoginWindow* login = shownLoginWindow();
    QVERIFY(login);
    QVERIFY(User::activate(login));
    // The caret waits in the user name: typing goes there without a click.
    QVERIFY(User::type("alice"));
    QVERIFY(User::press(Qt::Key_Tab));
    QVERIFY(hasKeyboardFocus(login, "passwordField"));
    QVERIFY(User::type(DemoPassword));
    // What was typed landed where it was shown: the name in the name, the password hidden.
    QCOMPARE(login->username(), QString("alice"));
    QCOMPARE(login->password(), QString(DemoPassword));
    // Shift+Tab goes back to the name, Tab forth to the password again.
    QVERIFY(User::press(Qt::Key_Backtab, Qt::ShiftModifier));
    QVERIFY(login->view()->isAncestorOf(QApplication::focusWidget()));
    QVERIFY(!User::item(login, "passwordField")->hasActiveFocus());
    QVERIFY(User::press(Qt::Key_Tab));
    QVERIFY(hasKeyboardFocus(login, "passwordField"));
    QCOMPARE(login->password(), QString(DemoPassword));
    QVERIFY(User::click(login, "signinButton"));

    QTRY_VERIFY(shownMainWindow());
    QML::MainWindow* main = shownMainWindow();
    QVERIFY(!shownLoginWindow());
    QCOMPARE(User::text(main, "signedInName"), QString("Alice Carter"));
    QVERIFY(!main->contactNames().isEmpty());
    QVERIFY(service().isSignedIn());

    // The service offers the Outlook integration: the first sign-in asks, and the user
    // declines (the preferences keep the choice).
    Dialogs::MessageWindow* outlook = nullptr;
    QTRY_VERIFY((outlook = shownMessage()));
    QCOMPARE(outlook->windowTitle(), QString("Outlook integration"));
    QVERIFY(User::activate(outlook));
    QTest::mouseClick(outlook->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::No), Qt::LeftButton);
    QTRY_VERIFY(!shownMessage());
}

void JourneyTest::signsOutWithTheMainWindowsButton()
{
    QPointer<QML::MainWindow> main = shownMainWindow();
    QVERIFY(main);
    // Sign Out is in the main window's menu.
    QVERIFY(User::click(main, "menuButton"));
    QVERIFY(User::choose({"Sign Out"}));
    // Still running: the window went after its button's handler had returned.
    QTRY_VERIFY(!main);
    QTRY_VERIFY(!service().isSignedIn() && !m_App.session());
    QML::LoginWindow* login = shownLoginWindow();
    QVERIFY(login);
    // The name stays for the next sign-in; the caret waits in the password.
    QCOMPARE(login->username(), QString("alice"));
    QTRY_VERIFY(hasKeyboardFocus(login, "passwordField"));
}

void JourneyTest::mistypedPasswordIsToldAndTypedAgain()
{
    QML::LoginWindow* login = shownLoginWindow();
    QVERIFY(login);
    QVERIFY(User::type("Demo-12345"));
    QVERIFY(User::press(Qt::Key_Return));

    Dialogs::MessageWindow* message = nullptr;
    QTRY_VERIFY((message = shownMessage()));
    QCOMPARE(message->windowTitle(), QString("Invalid User"));
    QCOMPARE(message->findChild<QLabel*>("messageText")->text(), QString("Authentication failed"));
    QVERIFY(!message->findChild<QLabel*>("icon")->isVisible());
    QPushButton* ok = message->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    QVERIFY(User::activate(message));
    QTest::mouseClick(ok, Qt::LeftButton);
    QTRY_VERIFY(!shownMessage());

    // Back to the same window, the name kept, nothing ticked that cannot apply.
    QCOMPARE(shownLoginWindow(), login);
    QCOMPARE(login->username(), QString("alice"));
    QVERIFY(!login->autologinChecked());
    QVERIFY(User::activate(login));
    QTRY_VERIFY(hasKeyboardFocus(login, "passwordField"));
    QVERIFY(!service().isSignedIn());
}

void JourneyTest::preferencesBeforeSignInOfferTheProxy()
{
    QML::LoginWindow* login = shownLoginWindow();
    QVERIFY(login);
    QVERIFY(User::click(login, "preferencesLink"));
    QPointer<Dialogs::PreferencesWindow> window;
    QTRY_VERIFY((window = shownPreferences()));
    // Nobody signed in: the proxy is what can be set, the account's tabs wait for a sign-in.
    const auto* tabs = window->findChild<QTabWidget*>("preferencesTabs");
    QCOMPARE(tabs->currentWidget()->objectName(), QString("proxyTab"));
    QVERIFY(!tabs->isTabEnabled(tabs->indexOf(window->findChild<QWidget*>("audioTab"))));
    // Esc leaves them as Cancel does.
    QVERIFY(User::activate(window));
    QVERIFY(User::press(Qt::Key_Escape));
    QTRY_VERIFY(!window);
    QVERIFY(User::activate(login));
    QTRY_VERIFY(hasKeyboardFocus(login, "passwordField"));
}

void JourneyTest::signsInAgainWithReturnRememberingThePassword()
{
    QML::LoginWindow* login = shownLoginWindow();
    QVERIFY(login);
    QVERIFY(User::type(DemoPassword));
    QVERIFY(User::click(login, "rememberBox"));
    QVERIFY(User::click(login, "autologinBox"));
    QVERIFY(login->rememberPasswordChecked());
    QVERIFY(login->autologinChecked());
    QVERIFY(User::press(Qt::Key_Return));
    QTRY_VERIFY(shownMainWindow());
    QVERIFY(service().isSignedIn());
}

void JourneyTest::closedMainWindowComesBackWithASecondStart()
{
    QPointer<QML::MainWindow> main = shownMainWindow();
    QVERIFY(main);
    QVERIFY(User::closeFromFrame(main));
    QTRY_VERIFY(!main->isVisible());
    // Hidden, not gone: the user is still signed in.
    QVERIFY(main);
    QVERIFY(m_App.session() && service().isSignedIn());

    // Starting the program again hands "activate!" to this one and ends.
    QProcess second;
    second.start(TEST_PROGRAM, QStringList());
    QVERIFY(second.waitForStarted(30000));
    while (second.state() == QProcess::Running)
        QTest::qWait(20);
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QTRY_VERIFY(main->isVisible());
    QCOMPARE(m_App.mainWindow(), main.data());
}

void JourneyTest::f1OpensTheHelpOfTheView()
{
    QML::MainWindow* main = shownMainWindow();
    QVERIFY(main);
    QVERIFY(User::activate(main));
    UrlCatcher browser;
    QDesktopServices::setUrlHandler("file", &browser, "open");
    QVERIFY(User::press(Qt::Key_F1));
    QTRY_COMPARE(browser.urls.size(), 1);
    QDesktopServices::unsetUrlHandler("file");
    const QUrl help = browser.urls.first();
    QVERIFY(QFile::exists(help.toLocalFile()));
    QCOMPARE(help.query(), QString("context=contactsView&lang=en"));
}

void JourneyTest::choosesARingSignalInPreferencesFromTheTray()
{
    QVERIFY(shownMainWindow());
    QVERIFY(clickTrayEntry("Preferences..."));
    QPointer<Dialogs::PreferencesWindow> window;
    QTRY_VERIFY((window = shownPreferences()));
    QVERIFY(User::activate(window));
    QVERIFY(clickTab(window, "Audio"));

    // The ring signal list opens on a click; the next signal is taken with the keys.
    auto* ringers = window->findChild<QComboBox*>("ringSignalSelect");
    QCOMPARE(ringers->currentText(), QString("Standard ring signal"));
    QTest::mouseClick(ringers, Qt::LeftButton);
    QTRY_VERIFY(ringers->view()->isVisible());
    QVERIFY(User::press(Qt::Key_Down));
    QVERIFY(User::press(Qt::Key_Return));
    QTRY_COMPARE(ringers->currentText(), QString("Chime"));

    // Play lets the user hear it before keeping it.
    Kivo::MediaEngine::IMediaHandlerAudio* audio = m_App.session()->callController()->GetMediaHandlerAudio();
    QSignalSpy played(audio, &Kivo::MediaEngine::IMediaHandlerAudio::soundStarted);
    QTest::mouseClick(window->findChild<QPushButton*>("previewRingSignal"), Qt::LeftButton);
    QTRY_COMPARE(played.count(), 1);
    QCOMPARE(played.first().first().toString(), QString(":/sounds/ring_chime.wav"));

    QVERIFY(clickButton(window, "OK"));
    QTRY_VERIFY(!window);
    QCOMPARE(TestSupport::userSetting(Constants::SettingsKey::SoundsDefaultRinger).toString(),
             QString(":/sounds/ring_chime.wav"));

    // Opened again, the window shows the choice; Cancel changes nothing.
    QVERIFY(clickTrayEntry("Preferences..."));
    QTRY_VERIFY((window = shownPreferences()));
    QCOMPARE(window->findChild<QComboBox*>("ringSignalSelect")->currentText(), QString("Chime"));
    QVERIFY(clickButton(window, "Cancel"));
    QTRY_VERIFY(!window);
}

void JourneyTest::changesServiceSettingsFromTheMenu()
{
    QML::MainWindow* main = shownMainWindow();
    QVERIFY(main);

    // "Call Settings..." of the application menu: every call forwarded to a number typed in.
    QVERIFY(User::click(main, "menuButton"));
    QVERIFY(User::choose({"Call Settings..."}));
    QML::CallSettings* settings = nullptr;
    QTRY_VERIFY((settings = shownWindow<QML::CallSettings>()));
    QTRY_VERIFY(!User::item(settings, "shade"));
    QVERIFY(User::click(settings, "tab_2"));
    QTRY_VERIFY(User::item(settings, "forwardAlways"));
    // The page asks the service for the state first; the pen works once it is shown.
    QTRY_VERIFY(!User::item(settings, "serviceStatus"));
    QVERIFY(User::click(settings, "editButton"));
    QVERIFY(User::click(settings, "enableServiceBox"));
    QVERIFY(User::click(settings, "numberField"));
    QVERIFY(User::type("+1 555 0177"));
    QVERIFY(User::click(settings, "saveButton"));
    QTRY_COMPARE(supplementaryService(0).target, QString("+1 555 0177"));
    QVERIFY(supplementaryService(0).active);
    QPointer<QML::CallSettings> closing = settings;
    QVERIFY(User::closeFromFrame(settings));
    QTRY_VERIFY(!closing);

    // "Queues": the agent joins the billing queue; Save sends it and closes the dialog.
    QVERIFY(User::click(main, "menuButton"));
    QVERIFY(User::choose({"Queues"}));
    QPointer<Dialogs::CallCenterAgentDialog> agent;
    QTRY_VERIFY((agent = shownWindow<Dialogs::CallCenterAgentDialog>()));
    auto* billing = agent->findChild<QComboBox*>("membership_billing@demo.telvarion.net");
    QVERIFY(billing && billing->currentText() == "Out");
    QVERIFY(User::activate(agent));
    QTest::mouseClick(billing, Qt::LeftButton);
    QTRY_VERIFY(billing->view()->isVisible());
    // The open list has the keys: up to "In", Return takes it.
    QTest::keyClick(billing->view(), Qt::Key_Up);
    QTest::keyClick(billing->view(), Qt::Key_Return);
    QTRY_COMPARE(billing->currentText(), QString("In"));
    QTest::mouseClick(agent->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save), Qt::LeftButton);
    QTRY_VERIFY(!agent);
    const auto queues = service().servicesOf(DemoUser).agent->queues;
    QVERIFY(std::any_of(queues.cbegin(), queues.cend(), [](const auto& queue) {
        return queue.serviceUserId == "billing@demo.telvarion.net" && queue.joined;
    }));

    // "Configure" under the availability of the own presence's menu: silent alerts for the
    // first state, saved with OK.
    QVERIFY(User::rightClick(main, "ownPresenceFlag"));
    QVERIFY(User::choose({"Availability", "Configure"}));
    QPointer<QML::PresenceRulesWindow> rules;
    QTRY_VERIFY((rules = shownWindow<QML::PresenceRulesWindow>()));
    QQuickWidget* rulesView = rules->rulesView();
    auto* ok = rules->findChild<QPushButton*>("okButton");
    QTRY_VERIFY(ok->isEnabled());
    QVERIFY(User::activate(rules));
    SceneItems::click(rulesView, SceneItems::named(rulesView->rootObject(), "action2"));
    QTest::mouseClick(ok, Qt::LeftButton);
    QTRY_VERIFY(!rules);
    QCOMPARE(service().servicesOf(DemoUser).presenceRules->first().action, 2);

    // The XMPP console comes with Ctrl+Shift+X and goes with Ctrl+Shift+W.
    QVERIFY(User::activate(main));
    QVERIFY(User::press(Qt::Key_X, Qt::ControlModifier | Qt::ShiftModifier));
    QPointer<QML::XmppDebugConsole> console;
    QTRY_VERIFY((console = shownWindow<QML::XmppDebugConsole>()));
    QVERIFY(User::activate(console));
    QVERIFY(User::press(Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier));
    QTRY_VERIFY(!console);
}

void JourneyTest::addsCallsAndEditsContactsAndAnswersPresenceRequests()
{
    QML::MainWindow* main = shownMainWindow();
    QVERIFY(main);
    Kivo::Contacts::Contacts* contacts = m_App.session()->contactsManager().data();

    // The program's "Add Contact" entry (the contact list's menu offers it): a new card,
    // typed into with Tab between fields.
    QAction* addContact = m_App.menuActionProvider()->action(Constants::MenuAction::AddContact);
    QVERIFY(addContact);
    addContact->trigger();
    QPointer<QML::ContactCard> card;
    QTRY_VERIFY((card = shownWindow<QML::ContactCard>()));
    QVERIFY(card->addMode());
    QVERIFY(User::activate(card));
    QVERIFY(User::click(card, "field0"));
    QVERIFY(User::type("Grace Hopper"));
    for (int field = 0; field < 3; ++field)
        QVERIFY(User::press(Qt::Key_Tab));
    QVERIFY(User::type("+1 555 0142"));
    QTRY_VERIFY(User::item(card, "addButton")->isEnabled());
    QVERIFY(User::click(card, "addButton"));
    QTRY_VERIFY(!card);
    QTRY_VERIFY(main->contactNames().contains("Grace Hopper"));
    QCOMPARE(contacts->names().count("Grace Hopper"), 1);

    // Two people ask to see the user's presence at once: one is accepted, one declined.
    QVERIFY(Kivo::Simulation::Control(service()).injectPresenceRequests(
        {"hiro@elsewhere.example", "ines@elsewhere.example"}));
    QML::PresenceRequestDialog* requests = m_App.presenceRequestDialog();
    QVERIFY(requests);
    QTRY_VERIFY(requests->isVisible());
    QTRY_VERIFY(User::item(requests, "acceptButton1"));
    QVERIFY(User::activate(requests));
    QVERIFY(User::click(requests, "acceptButton0"));
    QTRY_COMPARE(requests->model()->rowCount(), 1);
    QVERIFY(User::click(requests, "declineButton0"));
    QTRY_VERIFY(!requests->isVisible());
    QTRY_VERIFY(contacts->findByAddress("hiro@elsewhere.example"));
    QVERIFY(!contacts->findByAddress("ines@elsewhere.example"));

    // A listed contact's card, as the contact list's view-profile action opens it: a call
    // from its footer, then an edit saved to the service.
    Kivo::Contacts::IContact* bob = contacts->findByAddress("bob@demo.telvarion.net");
    QVERIFY(bob);
    m_App.providerFactory()->showContactCard(false, bob);
    QTRY_VERIFY((card = shownWindow<QML::ContactCard>()));
    QVERIFY(!card->addMode());
    QVERIFY(User::activate(card));
    QTRY_VERIFY(User::item(card, "actionButton4"));
    QVERIFY(User::click(card, "actionButton4"));
    QTRY_COMPARE(service().calls().size(), 1);
    const Kivo::Simulation::Call call = service().calls().first();
    QCOMPARE(call.remote, QString("bob@demo.telvarion.net"));
    QVERIFY(Kivo::Simulation::Control(service()).injectRemoteHangUp(call.id));
    QTRY_VERIFY(service().calls().isEmpty());

    QVERIFY(User::activate(card));
    QVERIFY(User::click(card, "editButton"));
    QTRY_VERIFY(User::item(card, "saveButton"));
    QVERIFY(User::click(card, "field3"));
    QVERIFY(User::press(Qt::Key_A, Qt::ControlModifier));
    QVERIFY(User::type("+1 555 0111"));
    QVERIFY(User::click(card, "saveButton"));
    QTRY_VERIFY(!card->editMode());
    QCOMPARE(bob->getProperty(Kivo::Contacts::Properties::WorkNumber).toString(), QString("+1 555 0111"));
    QVERIFY(User::closeFromFrame(card));
    QTRY_VERIFY(!card);
}

void JourneyTest::changesAndClearsTheProfilePhoto()
{
    QML::MainWindow* main = shownMainWindow();
    QVERIFY(main);
    QVERIFY(User::activate(main));
    QTemporaryDir folder;
    QImage photo(120, 80, QImage::Format_RGB32);
    photo.fill(Qt::darkCyan);
    QVERIFY(photo.save(folder.filePath("me.png")));
    QVERIFY(!User::item(main, "ownPhoto"));

    const auto shownMenu = [] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); };
    const auto chooseFromOwnMenu = [&](const QString& entry) {
        if (!User::rightClick(main, "ownPicture") || !QTest::qWaitFor([&] { return shownMenu(); }))
            return false;
        QMenu* menu = shownMenu();
        for (QAction* action : menu->actions()) {
            if (action->text().remove('&') == entry && action->isEnabled()) {
                QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(action).center());
                return true;
            }
        }
        return false;
    };

    // The own picture's menu offers a photo; the user picks the file in the chooser.
    QVERIFY(chooseFromOwnMenu("Change Profile Photo"));
    QFileDialog* chooser = nullptr;
    QTRY_VERIFY((chooser = shownWindow<QFileDialog>()));
    chooser->setDirectory(folder.path());
    chooser->findChild<QLineEdit*>("fileNameEdit")->setText("me.png");
    QTest::keyClick(chooser->findChild<QLineEdit*>("fileNameEdit"), Qt::Key_Return);
    QTRY_VERIFY(User::item(main, "ownPhoto"));

    // ...and takes it away again: the initial comes back.
    QVERIFY(chooseFromOwnMenu("Clear Profile Photo"));
    QTRY_VERIFY(!User::item(main, "ownPhoto"));
}

void JourneyTest::chatsWithAContactBothWays()
{
    QVERIFY(shownMainWindow());
    UrlCatcher desktop;
    QDesktopServices::setUrlHandler("https", &desktop, "open");
    QDesktopServices::setUrlHandler("file", &desktop, "open");
    QDesktopServices::setUrlHandler("javascript", &desktop, "open");

    // Bob writes: his conversation opens with its history and his new message, escaped.
    Kivo::Simulation::Control control(service());
    QVERIFY(control.injectChatMessage("bob@demo.telvarion.net",
                                      "Plan: https://example.com/plan?a=1&b=2 :-) <b>not bold</b> javascript://x"));
    QPointer<QML::CommunicationsWindow> chat = answeredChat();
    QVERIFY(chat);
    QTRY_VERIFY(chatPageText(chat).contains("Plan: https://example.com/plan?a=1&b=2"));
    QVERIFY(chatPageText(chat).contains("<b>not bold</b>"));
    QVERIFY(chatPageText(chat).contains("Bob Lindqvist"));
    // The window opens at its least size; the user gives the conversation more room.
    chat->resize(520, 520);
    QTRY_COMPARE(chatPage(chat)->height() > 300, true);
    QDeclarativeWebView2* page = chatPage(chat);
    // In Bob's new message: one emoticon picture, one live link, the script link as text.
    const QString last = "var c = document.getElementsByClassName('remote_content'); c[c.length - 1]";
    QCOMPARE(page->page()->mainFrame()->evaluateJavaScript(last + ".querySelectorAll('img.smiley').length").toInt(), 1);
    QCOMPARE(page->page()->mainFrame()->evaluateJavaScript(last + ".querySelectorAll('a').length").toInt(), 1);
    QVERIFY(chatPageText(chat).contains("javascript://x"));

    // The link opens in the desktop's browser; the page stays.
    QVERIFY(clickInChatPage(chat, "a[href^=\\'https://example.com/plan\\']"));
    QTRY_COMPARE(desktop.urls.size(), 1);
    QCOMPARE(desktop.urls.first(), QUrl("https://example.com/plan?a=1&b=2"));
    QVERIFY(chatPageText(chat).contains("Plan:"));

    // The user answers with Return; the message reaches the service and the page.
    QVERIFY(User::clickInPane(chat, "messageInput"));
    QVERIFY(User::type("Thanks Bob"));
    QVERIFY(User::press(Qt::Key_Return));
    // The page shows only what the service stored for the conversation: it went out.
    QTRY_VERIFY(chatPageText(chat).contains("Thanks Bob"));
    QCOMPARE(User::paneText(chat, "messageInput"), QString());

    // Bob offers a file: Accept asks where to save it, the file arrives with progress, and
    // the user opens it.
    QTemporaryDir downloads;
    QVERIFY(control.injectFileOffer("bob@demo.telvarion.net", "agenda.txt", 4096));
    QTRY_VERIFY(chatPageText(chat).contains("agenda.txt"));
    QVERIFY(chatPageText(chat).contains("File Size 4.0 KB"));
    QVERIFY(clickInChatPage(chat, "div.ft_buttons span.ft_button"));
    QFileDialog* saveAs = nullptr;
    QTRY_VERIFY((saveAs = shownWindow<QFileDialog>()));
    QCOMPARE(saveAs->acceptMode(), QFileDialog::AcceptSave);
    saveAs->setDirectory(downloads.path());
    saveAs->findChild<QLineEdit*>("fileNameEdit")->setText("agenda.txt");
    QTest::keyClick(saveAs->findChild<QLineEdit*>("fileNameEdit"), Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(chatPageText(chat).contains("File received, click to open"), 10000);
    QVERIFY(clickInChatPage(chat, "div.filedetails span.ft_button"));
    QTRY_COMPARE(desktop.urls.size(), 2);
    QVERIFY(desktop.urls.last().isLocalFile());
    QCOMPARE(desktop.urls.last().toLocalFile(), downloads.filePath("agenda.txt"));
    QVERIFY(QFileInfo::exists(desktop.urls.last().toLocalFile()));

    QDesktopServices::unsetUrlHandler("https");
    QDesktopServices::unsetUrlHandler("file");
    QDesktopServices::unsetUrlHandler("javascript");
    // Closed, the conversation comes back with Bob's next message.
    QVERIFY(User::closeFromFrame(chat));
    QTRY_VERIFY(!chat);
    QVERIFY(control.injectChatMessage("bob@demo.telvarion.net", "Did you get it?"));
    QVERIFY((chat = answeredChat()));
    QTRY_VERIFY(chatPageText(chat).contains("Did you get it?"));
    QVERIFY(User::closeFromFrame(chat));
    QTRY_VERIFY(!chat);
}

void JourneyTest::takesIncomingCallsFromThePopup()
{
    QVERIFY(shownMainWindow());
    Kivo::Simulation::Control control(service());
    Kivo::MediaEngine::IMediaHandlerAudio* audio = m_App.session()->callController()->GetMediaHandlerAudio();
    // The ring signal chosen in the preferences earlier on.
    const auto ringing = [audio] { return audio->playingSounds().contains(":/sounds/ring_chime.wav"); };
    constexpr const char* Bob = "bob@demo.telvarion.net";

    // Bob calls: the pop-up names him and rings. The corner's cross only silences it; Bob
    // gives up and the call is logged as missed.
    QSignalSpy logged(&service(), &Kivo::Simulation::Service::callLogAdded);
    const int unanswered = control.injectIncomingCall(Bob);
    QVERIFY(unanswered);
    QTRY_VERIFY(popup());
    QCOMPARE(SceneItems::named(popup()->rootObject(), "header")->property("text").toString(),
             QString("Bob Lindqvist"));
    QTRY_VERIFY(ringing());
    QVERIFY(clickInPopup(popup(), "ignoreButton"));
    QTRY_VERIFY(!popup());
    QTRY_VERIFY(!ringing());
    QVERIFY(control.injectRemoteHangUp(unanswered));
    QTRY_COMPARE(logged.count(), 1);
    QVERIFY(logged.first().first().value<Kivo::Simulation::CallLogRecord>().missed);

    // Declined: the ringing stops with the call.
    QVERIFY(control.injectIncomingCall(Bob));
    QTRY_VERIFY(popup() && ringing());
    QVERIFY(clickInPopup(popup(), "declineButton"));
    QTRY_VERIFY(!popup());
    QTRY_VERIFY(!ringing());
    QTRY_VERIFY(m_App.session()->callController()->getCalls().isEmpty());

    // Answered: the call's window comes up with Bob in it.
    QVERIFY(control.injectIncomingCall(Bob));
    QTRY_VERIFY(popup() && ringing());
    QVERIFY(clickInPopup(popup(), "answerAudioButton"));
    QML::CommunicationsWindow* window = nullptr;
    QTRY_VERIFY((window = shownWindow<QML::CommunicationsWindow>()));
    QVERIFY(!ringing());
    QCOMPARE(User::paneText(window, "callerName"), QString("Bob Lindqvist"));
    QTRY_COMPARE(User::paneText(window, "callStatus"), QString("In call"));
    const Kivo::MediaEngine::Call call = m_App.session()->callController()->getCalls().first();

    // The keypad sends what is clicked on it into the call.
    QVERIFY(User::clickInPane(window, "dialpadButton"));
    QML::CommunicationWindowDialpad* pad = window->dialpad();
    QTRY_VERIFY(pad->isVisible());
    SceneItems::click(pad, SceneItems::named(pad->rootObject(), "dialpadKey_4"));
    SceneItems::click(pad, SceneItems::named(pad->rootObject(), "dialpadKey_2"));
    QTRY_COMPARE(call->getTones(), QString("42"));
    QTest::keyClick(pad, Qt::Key_Escape);
    QVERIFY(!pad->isVisible());

    // Parked on the user's own extension from the bar: the call and its window go.
    QPointer<QML::CommunicationsWindow> closing = window;
    QVERIFY(User::clickInPane(window, "parkButton"));
    QML::NotificationsWidget* bar = window->notifications();
    QTRY_VERIFY(bar->isVisible());
    QQuickItem* park = SceneItems::named(SceneItems::named(bar->rootObject(), "parkPanel"), "parkButton");
    QVERIFY(park && park->isVisible());
    SceneItems::click(bar, park);
    QTRY_COMPARE(call->getEndReason(), Kivo::MediaEngine::CallBasePtr::Parked);
    QTRY_VERIFY(!closing);
}

void JourneyTest::findsCallsAndJoinsContactsInTheMainWindow()
{
    QML::MainWindow* main = shownMainWindow();
    QVERIFY(main);
    QVERIFY(User::activate(main));
    QTRY_VERIFY(User::item(main, "contact_Chiara Rossi"));

    // Typing a name keeps only who matches, after a pause.
    QVERIFY(User::click(main, "searchField"));
    QVERIFY(User::type("Bob"));
    QTRY_VERIFY_WITH_TIMEOUT(!User::item(main, "contact_Chiara Rossi"), 3000);
    QVERIFY(User::item(main, "contact_Bob Lindqvist"));
    QVERIFY(User::click(main, "clearSearchButton"));
    QTRY_VERIFY(User::item(main, "contact_Chiara Rossi"));

    // A right click opens the contact's menu, with the ways to reach the contact.
    QVERIFY(User::rightClick(main, "contact_Dev Patel"));
    const auto shownMenu = [] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); };
    QTRY_VERIFY(shownMenu());
    QMenu* contactMenu = shownMenu();
    QStringList entries;
    for (const QAction* action : contactMenu->actions())
        entries << action->text().remove('&');
    QVERIFY2(entries.contains("Call") && entries.contains("Chat"), qPrintable(entries.join(", ")));
    QTest::keyClick(contactMenu, Qt::Key_Escape);
    QTRY_VERIFY(!shownMenu());

    // Resting the pointer on a contact shows its hover card; pressing on the row hides it.
    QVERIFY(User::hover(main, "contact_Bob Lindqvist"));
    QPointer<QML::ContactMouseOver> card;
    QTRY_VERIFY((card = shownWindow<QML::ContactMouseOver>()));
    const auto* shownContact = qobject_cast<const Kivo::Contacts::IContact*>(card->contact());
    QVERIFY(shownContact);
    QCOMPARE(shownContact->getDisplayName(), QString("Bob Lindqvist"));
    QVERIFY(User::click(main, "contact_Bob Lindqvist"));
    QTRY_VERIFY(!shownWindow<QML::ContactMouseOver>());

    // A double click calls.
    QSignalSpy placed(&service(), &Kivo::Simulation::Service::outgoingCall);
    QVERIFY(User::doubleClick(main, "contact_Chiara Rossi"));
    QTRY_COMPARE(placed.count(), 1);
    QTRY_VERIFY(User::item(main, "activeComm0"));
    QTRY_COMPARE(User::text(main, "activeCommTitle"), QString("Chiara Rossi"));
    QTRY_VERIFY(activeListSettled(main));

    // A contact dropped on the call offers a conference (transfer by drag is off here).
    QVERIFY(User::drag(main, "contact_Dev Patel", "activeComm0"));
    QTRY_VERIFY(shownMessage());
    QCOMPARE(shownMessage()->windowTitle(), QString("Conference"));
    QVERIFY(clickButton(shownMessage(), "Cancel"));
    QTRY_VERIFY(!shownMessage());

    // The history, then the dial pad with the call going on, then the call ends.
    QVERIFY(User::click(main, "historyViewButton"));
    QTRY_VERIFY(User::item(main, "historyEntry0"));
    // Resting on an entry shows the card of the entry's contact.
    QVERIFY(User::hover(main, "historyEntry0"));
    QTRY_VERIFY((card = shownWindow<QML::ContactMouseOver>()));
    QVERIFY(card->timelineEntry());
    QVERIFY(User::click(main, "historyEntry0"));
    QTRY_VERIFY(!shownWindow<QML::ContactMouseOver>());
    QVERIFY(User::click(main, "dialpadViewButton"));
    QVERIFY(User::click(main, "dialpadKey5"));
    QVERIFY(User::click(main, "dialpadKey0"));
    QCOMPARE(User::text(main, "dialpadField"), QString("50"));
    QVERIFY(User::click(main, "hangUpButton"));
    QTRY_VERIFY(!User::item(main, "activeComm0"));
    QVERIFY(User::click(main, "contactsViewButton"));
    QTRY_VERIFY(User::item(main, "contact_Chiara Rossi"));
}

void JourneyTest::picksUpATeamMembersCallFromTheTeamTelephonyWindow()
{
    namespace Key = Constants::SettingsKey;
    QML::MainWindow* main = shownMainWindow();
    QVERIFY(main);
    QPointer<QML::BlfWindow> team;
    QTRY_VERIFY((team = shownWindow<QML::BlfWindow>()));
    QCOMPARE(team->windowTitle(), QString("Team Telephony"));
    // On the main window's screen, inside its free area (beside the main window where the
    // screen has room: this test's screen has none on either side).
    const QRect area = main->screen()->availableGeometry();
    QVERIFY(area.contains(team->frameGeometry()));

    // A right click on a team member's line offers the ways to reach them.
    QString bobRow;
    QTRY_VERIFY(!(bobRow = blfRowOf(team, "Bob Lindqvist")).isEmpty());
    QVERIFY(User::activate(team));
    QVERIFY(User::rightClick(team, bobRow));
    const auto shownMenu = [] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); };
    QTRY_VERIFY(shownMenu());
    QStringList entries;
    for (const QAction* action : shownMenu()->actions())
        entries << action->text().remove('&');
    QVERIFY2(entries.contains("Call") && entries.contains("Chat"), qPrintable(entries.join(", ")));
    QTest::keyClick(shownMenu(), Qt::Key_Escape);
    QTRY_VERIFY(!shownMenu());

    // The service rings Bob's line: his lamp rings and the team alert sounds.
    const auto sounds = [this] {
        return m_App.session()->callController()->GetMediaHandlerAudio()->playingSounds();
    };
    Kivo::Simulation::Control control(service());
    QVERIFY(control.injectBlfLineState("bob@demo.telvarion.net", 3, "+15550177"));
    QTRY_VERIFY(User::item(team, "answerButton"));
    QTRY_VERIFY(sounds().contains(TestSupport::userSetting(Key::SoundsDefaultTeamTelephony).toString()));

    // Picked up from the window: the call is the user's, the lamp and the alert go quiet.
    QVERIFY(User::activate(team));
    QVERIFY(User::click(team, "answerButton"));
    const auto pickedUp = [] {
        const QList<Kivo::Simulation::Call> calls = service().calls();
        return std::find_if(calls.cbegin(), calls.cend(), [](const Kivo::Simulation::Call& call) {
            return call.remote == "+15550177" && call.state == Kivo::Simulation::CallState::Active;
        }) != calls.cend();
    };
    QTRY_VERIFY(pickedUp());
    QTRY_VERIFY(!User::item(team, "answerButton"));
    QTRY_VERIFY(sounds().isEmpty());
    for (const Kivo::Simulation::Call& call : service().calls())
        QVERIFY(control.injectRemoteHangUp(call.id));
    QTRY_VERIFY(service().calls().isEmpty());

    // Closing asks first; "Yes" with the box cleared hides the window and never asks again.
    QVERIFY(User::closeFromFrame(team));
    QPointer<Dialogs::TeamTelephonyCloseDialog> ask;
    QTRY_VERIFY((ask = shownWindow<Dialogs::TeamTelephonyCloseDialog>()));
    QVERIFY(team->isVisible());
    auto* alwaysAsk = ask->findChild<QCheckBox*>("alwaysAskCheckBox");
    QTest::mouseClick(alwaysAsk, Qt::LeftButton, Qt::NoModifier, QPoint(5, alwaysAsk->height() / 2));
    QVERIFY(!alwaysAsk->isChecked());
    QTest::mouseClick(ask->findChild<QPushButton*>("yesButton"), Qt::LeftButton);
    QTRY_VERIFY(!ask);
    QVERIFY(team && !team->isVisible());
    QCOMPARE(TestSupport::userSetting(Key::CloseTeamTelephonyWindow), QVariant(false));

    // A ringing line opens it again; closing it now hides it without a question.
    QVERIFY(control.injectBlfLineState("dev@demo.telvarion.net", 3, "+15550178"));
    QTRY_VERIFY(team->isVisible());
    QVERIFY(User::closeFromFrame(team));
    QTRY_VERIFY(!team->isVisible());
    QVERIFY(!shownWindow<Dialogs::TeamTelephonyCloseDialog>());
    QVERIFY(control.injectBlfLineState("dev@demo.telvarion.net", 2));
    QTRY_VERIFY(sounds().isEmpty());
    QVERIFY(!team->isVisible());
}

void JourneyTest::callOpensItsWindowWithItsPanes()
{
    QML::MainWindow* main = shownMainWindow();
    QVERIFY(main);
    QVERIFY(User::activate(main));
    QVERIFY(User::click(main, "contactsViewButton"));
    QTRY_VERIFY(User::item(main, "contact_Bob Lindqvist"));

    // A double click calls Bob; the call's window comes up with the call pane over the footer.
    QVERIFY(User::doubleClick(main, "contact_Bob Lindqvist"));
    QPointer<QML::CommunicationsWindow> window;
    QTRY_VERIFY((window = shownWindow<QML::CommunicationsWindow>()));
    QTRY_COMPARE(User::paneText(window, "callStatus"), QString("In call"));
    QCOMPARE(User::paneText(window, "callerName"), QString("Bob Lindqvist"));
    QCOMPARE(window->windowTitle(), QString("Bob Lindqvist (Available)"));
    const auto* callPane = window->findChild<QWidget*>("CallWidget");
    const auto* footer = window->findChild<QWidget*>("Footer");
    QVERIFY(callPane && callPane->isVisible() && footer && footer->isVisible());
    QCOMPARE(window->minimumSize(), QSize(480, 150));
    QVERIFY(callPane->width() >= 480 && callPane->height() >= 115);
    QCOMPARE(footer->height(), 35);
    QCOMPARE(footer->y(), callPane->geometry().bottom() + 1);
    QCOMPARE(footer->geometry().bottom() + 1, window->height());
    QVERIFY(!window->findChild<QWidget*>("ChatWidget")->isVisible());

    // Hanging up in the window ends the call, and the window goes with it.
    QVERIFY(User::clickInPane(window, "hangUpButton"));
    QTRY_VERIFY(!window);
    QTRY_VERIFY(m_App.session()->callController()->getCalls().isEmpty());
}

void JourneyTest::usesTheFooterDuringACall()
{
    QVERIFY(shownMainWindow());
    Kivo::Simulation::Control control(service());
    const auto popup = [] { return shownWindow<QML::CommunicationNotification>(); };

    // Bob calls and the user answers: the window's footer carries the call's controls.
    QVERIFY(control.injectIncomingCall("bob@demo.telvarion.net"));
    QTRY_VERIFY(popup());
    QQuickItem* answer = SceneItems::named(popup()->rootObject(), "answerAudioButton");
    QVERIFY(answer);
    SceneItems::click(popup(), answer);
    QML::CommunicationsWindow* window = nullptr;
    QTRY_VERIFY((window = shownWindow<QML::CommunicationsWindow>()));
    QTRY_COMPARE(User::paneText(window, "callStatus"), QString("In call"));
    const Kivo::MediaEngine::Call call = m_App.session()->callController()->getCalls().first();

    // The footer's Dialpad shows the dial pad; a digit typed on it goes into the call.
    QVERIFY(User::clickInPane(window, "dialpadButton"));
    QML::CommunicationWindowDialpad* pad = window->dialpad();
    QTRY_VERIFY(pad->isVisible());
    SceneItems::click(pad, SceneItems::named(pad->rootObject(), "dialpadKey_7"));
    QTRY_COMPARE(call->getTones(), QString("7"));
    QVERIFY(User::clickInPane(window, "dialpadButton"));
    QTRY_VERIFY(!pad->isVisible());

    // Mute turns the microphone off, and on again.
    QVERIFY(User::clickInPane(window, "muteButton"));
    QTRY_VERIFY(call->isMicrophoneMuted());
    QVERIFY(User::clickInPane(window, "muteButton"));
    QTRY_VERIFY(!call->isMicrophoneMuted());

    // Options opens the window's menu; Escape closes it. (Only where the window builds its
    // options menu: asked once directly, that menu shows whether there is one to open.)
    const auto shownMenu = [] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); };
    QMetaObject::invokeMethod(window, "showOptionsMenu");
    if (QMenu* offered = shownMenu()) {
        QTest::keyClick(offered, Qt::Key_Escape);
        QTRY_VERIFY(!shownMenu());
        QVERIFY(User::clickInPane(window, "optionsButton"));
        QTRY_VERIFY(shownMenu());
        QVERIFY(!shownMenu()->actions().isEmpty());
        QTest::keyClick(shownMenu(), Qt::Key_Escape);
        QTRY_VERIFY(!shownMenu());
    }

    // The call pane's Hang Up ends the call, and the window goes with it.
    QPointer<QML::CommunicationsWindow> closing = window;
    QVERIFY(User::clickInPane(window, "hangUpButton"));
    QTRY_VERIFY(!closing);
}

void JourneyTest::groupChatShowsParticipantsAndTakesADroppedFile()
{
    QML::MainWindow* main = shownMainWindow();
    QVERIFY(main);
    QVERIFY(User::activate(main));
    QVERIFY(User::click(main, "contactsViewButton"));
    QTRY_VERIFY(User::item(main, "contact_Bob Lindqvist"));
    // What the user drags onto the window from the desktop or the contact list: a real drag
    // entering the window and dropped on it.
    // The window takes the drag once the conversation can take what it carries.
    const auto takesDrag = [](QWidget* window, const QMimeData& data) {
        QDragEnterEvent enter(window->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window, &enter);
        return enter.isAccepted();
    };
    const auto dropOn = [&takesDrag](QWidget* window, const QMimeData& data) {
        if (!QTest::qWaitFor([&] { return takesDrag(window, data); }))
            return false;
        QDropEvent drop(window->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window, &drop);
        return true;
    };

    // A chat with Bob from his menu, in its window.
    QPointer<QML::CommunicationsWindow> chat = chatFromContactMenu("Bob Lindqvist");
    QVERIFY(chat);

    // A file dropped on the window is offered to Bob on the chat page.
    QTemporaryDir folder;
    QFile file(folder.filePath("agenda.pdf"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("plan");
    file.close();
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(file.fileName())});
    QSignalSpy dropped(chat.data(), &QML::CommunicationsWindow::dropped);
    QVERIFY(dropOn(chat, files));
    QCOMPARE(dropped.count(), 1);
    QQuickWidget* pane = nullptr;
    QQuickItem* page = nullptr;
    QTRY_VERIFY((page = User::paneItem(chat, "chatView", &pane)));
    auto* web = qobject_cast<QDeclarativeWebView2*>(page);
    QVERIFY(web);
    QTRY_VERIFY(web->page()->mainFrame()->evaluateJavaScript("document.body.innerText").toString().contains("agenda.pdf"));

    // Chiara dragged onto the chat makes a group chat of the three, in a window of its own
    // whose participants pane lists them.
    QMimeData chiara;
    chiara.setData("application/qomx.contact", "2");
    QVERIFY(dropOn(chat, chiara));
    QPointer<QML::CommunicationsWindow> group;
    const auto groupWindow = [chat]() -> QML::CommunicationsWindow* {
        for (QML::CommunicationsWindow* window : TestSupport::shownWindows<QML::CommunicationsWindow>()) {
            if (window != chat && window->session() && window->session()->isGroup())
                return window;
        }
        return nullptr;
    };
    QTRY_VERIFY_WITH_TIMEOUT((group = groupWindow()), 10000);
    QTRY_VERIFY(User::paneItem(group, "participant_Chiara Rossi", &pane));
    QVERIFY(User::paneItem(group, "participant_Bob Lindqvist", &pane));

    // A right click on Chiara opens her menu.
    QQuickItem* row = User::paneItem(group, "participant_Chiara Rossi", &pane);
    QVERIFY(User::activate(group) && SceneItems::waitUntilClickable(pane, row));
    const QPoint centre = row->mapToScene(QPointF(row->width() / 2, row->height() / 2)).toPoint();
    QTest::mouseMove(pane, centre);
    QTest::mouseClick(pane, Qt::RightButton, Qt::NoModifier, centre);
    const auto shownMenu = [] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); };
    QTRY_VERIFY(shownMenu());
    QVERIFY(!shownMenu()->actions().isEmpty());
    QTest::keyClick(shownMenu(), Qt::Key_Escape);
    QTRY_VERIFY(!shownMenu());

    QVERIFY(User::closeFromFrame(group));
    QTRY_VERIFY(!group);
    QVERIFY(User::closeFromFrame(chat));
    QTRY_VERIFY(!chat);
}

void JourneyTest::entersARoomFromTheRoomsList()
{
    QML::MainWindow* main = shownMainWindow();
    QVERIFY(main);
    QVERIFY(User::activate(main));
    QVERIFY(User::click(main, "roomsViewButton"));
    QTRY_VERIFY(User::item(main, "room_Design Reviews"));

    // The room's menu enters it: its group chat opens in a window listing who is there.
    QVERIFY(User::rightClick(main, "room_Design Reviews"));
    QVERIFY(User::choose({"Join Room"}));
    QPointer<QML::CommunicationsWindow> room;
    QTRY_VERIFY((room = shownWindow<QML::CommunicationsWindow>()));
    QTRY_VERIFY(room->session() && room->session()->isGroup());
    QTRY_VERIFY(User::paneItem(room, "participant_Bob Lindqvist"));
    QVERIFY(room->windowTitle().contains("Design Reviews"));

    QVERIFY(User::closeFromFrame(room));
    QTRY_VERIFY(!room);
    QVERIFY(User::click(main, "contactsViewButton"));
}

void JourneyTest::usesTheMainWindowsMenus()
{
    QML::MainWindow* main = shownMainWindow();
    QVERIFY(main);
    QVERIFY(User::activate(main));
    QVERIFY(User::click(main, "contactsViewButton"));
    Kivo::Contacts::Contacts* contacts = m_App.session()->contactsManager().data();
    const auto groupNames = [contacts] {
        QStringList names;
        for (const Kivo::Contacts::IGroup* group : contacts->groups())
            names << group->getName();
        return names;
    };

    // "+" adds a group, named in its dialog; the group's own menu puts it first.
    QVERIFY(User::click(main, "addButton"));
    QVERIFY(User::choose({"Add Group"}));
    QPointer<Widgets::GroupNameInput> dialog;
    QTRY_VERIFY((dialog = shownWindow<Widgets::GroupNameInput>()));
    QVERIFY(User::activate(dialog));
    QVERIFY(User::type("Projects"));
    QVERIFY(User::press(Qt::Key_Return));
    QTRY_VERIFY(!dialog);
    QTRY_COMPARE(groupNames().last(), QString("Projects"));
    QTRY_VERIFY(User::item(main, "group_Projects"));
    QVERIFY(User::rightClick(main, "group_Projects"));
    QVERIFY(User::choose({"Move First"}));
    QTRY_COMPARE(groupNames().first(), QString("Projects"));
    QCOMPARE(service().groupRecords().first().name, QString("Projects"));

    // The history button's menu marks everything new as seen; the view stays.
    QTRY_VERIFY(main->timeline()->newCommsCount() > 0);
    QVERIFY(User::rightClick(main, "historyViewButton"));
    QVERIFY(User::choose({"Mark All as Viewed"}));
    QTRY_COMPARE(main->timeline()->newCommsCount(), 0);
    QTRY_VERIFY(!User::item(main, "historyBadge"));
    QCOMPARE(main->activeView(), QString("contactsView"));

    // The rooms button's menu puts the My Room invitation on the clipboard.
    QGuiApplication::clipboard()->clear();
    QTRY_VERIFY(User::item(main, "roomsViewButton")->opacity() == 1);
    QVERIFY(User::rightClick(main, "roomsViewButton"));
    QVERIFY(User::choose({"Copy My Room Invitation"}));
    QTRY_VERIFY(QGuiApplication::clipboard()->text().contains("Join Alice Carter's room"));

    // A call's row mutes and holds it with its own buttons.
    QVERIFY(User::activate(main));
    QVERIFY(User::doubleClick(main, "contact_Bob Lindqvist"));
    QTRY_VERIFY(shownWindow<QML::CommunicationsWindow>());
    Kivo::Controllers::CommunicationSession* session = nullptr;
    QTRY_VERIFY((session = m_App.session()->commsSessionController()->commsList().value(0)) && session->callActive()
                && session->getCall()->getCallState() == 3);
    QVERIFY(User::activate(main));
    QTRY_VERIFY(User::item(main, "muteButton") && User::item(main, "muteButton")->opacity() == 1);
    // The list opens for the call; the buttons are there once it stands open.
    QTRY_VERIFY(activeListSettled(main));
    QVERIFY(User::click(main, "muteButton"));
    QTRY_VERIFY(session->getCall()->isMicrophoneMuted());
    QVERIFY(User::click(main, "holdButton"));
    QTRY_COMPARE(int(session->getCall()->getCallState()), 7);
    QVERIFY(User::click(main, "hangUpButton"));
    QTRY_VERIFY(m_App.session()->commsSessionController()->commsList().isEmpty());

    // The call-settings button switches Do Not Disturb on at the service; its dash shows it.
    QVERIFY(User::activate(main));
    QVERIFY(!supplementaryService(18).active);
    QVERIFY(User::click(main, "callSettingsButton"));
    QVERIFY(User::choose({"Do Not Disturb"}));
    QTRY_VERIFY(supplementaryService(18).active);
    QTRY_VERIFY(User::item(main, "callSettingsBadge"));

    // The search field's menu cuts the text typed and pastes it back.
    QVERIFY(User::activate(main));
    QVERIFY(User::click(main, "searchField"));
    QTRY_VERIFY(User::item(main, "searchField")->hasActiveFocus());
    QVERIFY(User::type("Chiara"));
    QTRY_COMPARE(User::text(main, "searchField"), QString("Chiara"));
    QVERIFY(User::press(Qt::Key_A, Qt::ControlModifier));
    // The menu offers Cut for what is selected when it opens.
    QTRY_COMPARE(User::item(main, "searchField")->property("selectedText").toString(), QString("Chiara"));
    QVERIFY(User::rightClick(main, "searchFieldMenuArea"));
    QVERIFY(User::choose({"Cut"}));
    QTRY_COMPARE(User::text(main, "searchField"), QString());
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("Chiara"));
    QVERIFY(User::rightClick(main, "searchFieldMenuArea"));
    QVERIFY(User::choose({"Paste"}));
    QTRY_COMPARE(User::text(main, "searchField"), QString("Chiara"));
    QVERIFY(User::click(main, "clearSearchButton"));
}

// One command to the client's simulated service, as TelvarionSimulate sends it from a shell;
// the answer's result line.
static QString simulate(const QString& command)
{
    QLocalSocket socket;
    socket.connectToServer(Kivo::Simulation::CommandSocket::defaultName());
    if (!socket.waitForConnected(2000))
        return QStringLiteral("no client: ") + socket.errorString();
    socket.write(command.toUtf8() + '\n');
    QString result;
    // The server answers in this process's event loop.
    static_cast<void>(QTest::qWaitFor([&socket, &result] {
        while (result.isEmpty() && socket.canReadLine()) {
            const QString line = QString::fromUtf8(socket.readLine()).trimmed();
            if (line.startsWith("ok: ") || line.startsWith("error: "))
                result = line;
        }
        return !result.isEmpty();
    }));
    return result;
}

void JourneyTest::takesWhatTheSimulatedServiceIsToldToSend()
{
    QML::MainWindow* main = shownMainWindow();
    QVERIFY(main);
    const auto answered = [](const QString& remote) {
        const QList<Kivo::Simulation::Call> calls = service().calls();
        return std::any_of(calls.cbegin(), calls.cend(), [&remote](const Kivo::Simulation::Call& call) {
            return call.remote == remote && call.state == Kivo::Simulation::CallState::Active;
        });
    };

    // Bob calls: answered from the pop-up, his call's window comes up.
    QVERIFY(simulate("call bob").startsWith("ok: Bob Lindqvist calls"));
    QTRY_VERIFY(popup());
    QVERIFY(clickInPopup(popup(), "answerAudioButton"));
    QPointer<QML::CommunicationsWindow> bobsCall;
    QTRY_VERIFY((bobsCall = shownWindow<QML::CommunicationsWindow>()));
    QTRY_COMPARE(User::paneText(bobsCall, "callStatus"), QString("In call"));
    // A number calls meanwhile: declined from its pop-up, Bob's call goes on.
    QVERIFY(simulate("call +15550177").startsWith("ok: +15550177 calls"));
    QTRY_VERIFY(popup());
    QVERIFY(clickInPopup(popup(), "declineButton"));
    QTRY_VERIFY(!popup());
    QTRY_COMPARE(service().calls().size(), 1);
    QVERIFY(answered("bob@demo.telvarion.net"));
    // Bob hangs up; his window goes with the call.
    QVERIFY(simulate("hangup bob").startsWith("ok: Bob Lindqvist hung up"));
    QTRY_VERIFY(!bobsCall);

    // Dev's line rings: the Team Telephony window shows it, and its button picks the call up.
    QVERIFY(simulate("line dev ringing +15550188").startsWith("ok: "));
    QPointer<QML::BlfWindow> team;
    QTRY_VERIFY((team = shownWindow<QML::BlfWindow>()));
    QTRY_VERIFY(User::item(team, "answerButton"));
    QVERIFY(User::activate(team));
    QVERIFY(User::click(team, "answerButton"));
    QTRY_VERIFY(answered("+15550188"));
    QVERIFY(simulate("hangup +15550188").startsWith("ok: "));
    QTRY_VERIFY(service().calls().isEmpty());
    QTRY_VERIFY(!shownWindow<QML::CommunicationsWindow>());

    // Alice joins her My Room from the rooms button's menu; a guest knocks and is let in from
    // the pop-up.
    QVERIFY(User::activate(main));
    QTRY_VERIFY(User::item(main, "roomsViewButton")->opacity() == 1);
    QVERIFY(User::rightClick(main, "roomsViewButton"));
    QVERIFY(User::choose({"Join My Room"}));
    QPointer<QML::CommunicationsWindow> myRoom;
    QTRY_VERIFY((myRoom = shownWindow<QML::CommunicationsWindow>()));
    QVERIFY(myRoom->session()->isOwnMyRoomSession());
    QTRY_COMPARE(myRoom->session()->getChat()->getState(), Kivo::Controllers::ChatInterface::Active);
    QVERIFY(simulate("guest Ada Moss").startsWith("ok: Ada Moss asks to join My Room"));
    QTRY_VERIFY(popup());
    QCOMPARE(SceneItems::named(popup()->rootObject(), "guestText")->property("text").toString(),
             QString("Ada Moss (guest) requests to join your room."));
    QVERIFY(clickInPopup(popup(), "acceptGuestButton"));
    QTRY_VERIFY(!popup());
    const auto guestIn = [&myRoom] {
        const Kivo::Data::CommsSessionParticipant* ada = nullptr;
        for (const Kivo::Data::CommsSessionParticipant* one : myRoom->session()->getParticipants()->getParticipantsExcludeSelf())
            ada = one->getName() == "Ada Moss" ? one : ada;
        return ada && ada->getChatAffiliation() == Kivo::Data::CommsSessionParticipant::Guest;
    };
    QTRY_VERIFY(guestIn());
    // The room's call ends at the bridge; the room's window then closes at once.
    QVERIFY(simulate("hangup").startsWith("ok: "));
    QTRY_VERIFY(service().calls().isEmpty());
    QVERIFY(User::closeFromFrame(myRoom));
    QTRY_VERIFY(!myRoom);

    // The server says the password expires in two days: the password-change window tells it.
    QVERIFY(simulate("password 2").startsWith("ok: "));
    Dialogs::PasswordChangeNotification* notice = nullptr;
    QTRY_VERIFY((notice = shownWindow<Dialogs::PasswordChangeNotification>()));
    QCOMPARE(notice->text(), QString("Vyx account password expires in 2 days. Please consider changing it."));
    QVERIFY(clickButton(notice, "Cancel"));
    QTRY_VERIFY(!shownWindow<Dialogs::PasswordChangeNotification>());
}

void JourneyTest::getsAnAnswerFromAColleagueInAChat()
{
    // From here on the demo's colleagues answer the user as they do in the program.
    Kivo::Simulation::Control(service()).setColleaguesActive(true);
    QPointer<QML::CommunicationsWindow> chat = chatFromContactMenu("Bob Lindqvist");
    QVERIFY(chat);
    const auto bobsLines = [&chat] {
        return chatPage(chat)->page()->mainFrame()
            ->evaluateJavaScript("document.getElementsByClassName('remote_content').length")
            .toInt();
    };
    QTRY_VERIFY(User::paneItem(chat, "messageInput"));

    // The user asks Bob and turns to the main window; Bob answers after a moment, and the
    // message is heard since the chat is not the window in front.
    QVERIFY(User::clickInPane(chat, "messageInput"));
    QVERIFY(User::type("Do you have a minute?"));
    QVERIFY(User::press(Qt::Key_Return));
    QTRY_VERIFY(chatPageText(chat).contains("Do you have a minute?"));
    const int before = bobsLines();
    QSignalSpy heard(m_App.session()->callController()->GetMediaHandlerAudio(),
                     &Kivo::MediaEngine::IMediaHandlerAudio::soundStarted);
    QVERIFY(User::activate(shownMainWindow()));
    QTRY_COMPARE_WITH_TIMEOUT(bobsLines(), before + 1, 10000);
    QTRY_VERIFY(std::any_of(heard.cbegin(), heard.cend(), [](const QList<QVariant>& sound) {
        return sound.first().toString() == ":/sounds/incoming_message.wav";
    }));
    // (An emoticon is a picture on the page: only the words are looked for.)
    const QStringList lines = {"Sure, give me a minute.", "Sounds good to me!", "On it",
                               "Let me check and get back to you.", "Can we talk about it after lunch?"};
    const QString text = chatPageText(chat);
    QVERIFY2(std::any_of(lines.cbegin(), lines.cend(), [&text](const QString& line) { return text.contains(line); }),
             qPrintable(text));
    QVERIFY(chat->hasPendingAlert());

    QVERIFY(User::closeFromFrame(chat));
    QTRY_VERIFY(!chat);
}

void JourneyTest::viewsAColleaguesDesktopShare()
{
    QVERIFY(shownMainWindow());
    // Bob shares his desktop: his conversation asks whether the user wants to watch it.
    Kivo::Simulation::Control control(service());
    QVERIFY(control.injectShareStarted("bob@demo.telvarion.net") > 0);
    QPointer<QML::CommunicationsWindow> window = answeredChat();
    QVERIFY(window);
    QTRY_VERIFY(User::paneItem(window, "shareYesButton"));
    QCOMPARE(User::paneText(window, "shareText"), QString("Would you like to view Bob Lindqvist's desktop share?"));
    QVERIFY(User::activate(window));
    QVERIFY(User::clickInPane(window, "shareYesButton"));

    // Yes: Bob's desktop moves in the share pane, and the share's controls say what goes on.
    QTRY_VERIFY(User::paneItem(window, "shareViewer"));
    auto* viewer = qobject_cast<QML::ViewShareZyn*>(User::paneItem(window, "shareViewer"));
    QVERIFY(viewer);
    QTRY_VERIFY(!viewer->frame().isNull());
    const QImage first = viewer->frame();
    QTRY_VERIFY(viewer->frame() != first);
    QTRY_COMPARE(User::paneText(window, "shareState"), QString("Viewing the shared desktop"));
    QVERIFY(window->findChild<QWidget*>("WebCollabWidget")->isVisible());

    // Bob holds it still for a moment; then the user leaves it.
    QVERIFY(control.injectSharePaused("bob@demo.telvarion.net", true));
    QTRY_COMPARE(User::paneText(window, "shareStateText"), QString("The shared desktop is paused"));
    QVERIFY(User::clickInPane(window, "stopSharingButton"));
    QTRY_VERIFY(!window->findChild<QWidget*>("WebCollabWidget")->isVisible());
    QVERIFY(!window->session()->webCollabActive());
    QVERIFY(User::closeFromFrame(window));
    QTRY_VERIFY(!window);
}

// The file selection a "Send File" opened: the file typed by its name in `folder`, Return.
static bool chooseFileToSend(const QString& folder, const QString& fileName)
{
    QFileDialog* chooser = nullptr;
    if (!QTest::qWaitFor([&chooser] { return (chooser = TestSupport::shownWindows<QFileDialog>().value(0)); })
        || chooser->acceptMode() != QFileDialog::AcceptOpen) {
        qWarning() << "No file selection opened to send" << fileName;
        return false;
    }
    chooser->setDirectory(folder);
    auto* name = chooser->findChild<QLineEdit*>("fileNameEdit");
    QTest::keyClicks(name, fileName);
    QTest::keyClick(name, Qt::Key_Return);
    return QTest::qWaitFor([] { return TestSupport::shownWindows<QFileDialog>().isEmpty(); });
}

void JourneyTest::sendsAFileWithSendFile()
{
    QPointer<QML::CommunicationsWindow> chat = chatFromContactMenu("Bob Lindqvist");
    QVERIFY(chat);

    // "Send File" in the footer asks for the file, and the file goes to Bob.
    QTemporaryDir folder;
    QFile file(folder.filePath("minutes.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Decisions of the design review");
    file.close();
    QTRY_VERIFY(User::paneItem(chat, "actionButton10"));
    QVERIFY(User::activate(chat));
    QVERIFY(User::clickInPane(chat, "actionButton10"));
    QVERIFY(chooseFileToSend(folder.path(), "minutes.txt"));
    QTRY_VERIFY(chatPageText(chat).contains("minutes.txt"));
    // Bob takes it.
    QTRY_VERIFY_WITH_TIMEOUT(chatPageText(chat).contains("File sent"), 10000);

    QVERIFY(User::closeFromFrame(chat));
    QTRY_VERIFY(!chat);
}

void JourneyTest::aColleaguePicksUpTheUsersCall()
{
    QML::MainWindow* main = shownMainWindow();
    QVERIFY(main);
    QVERIFY(User::activate(main));
    QVERIFY(User::click(main, "contactsViewButton"));
    QTRY_VERIFY(User::item(main, "contact_Chiara Rossi"));
    const Kivo::Contacts::IContact* chiara = nullptr;
    for (Kivo::Contacts::IContact* contact : m_App.session()->contactsManager()->contacts()) {
        if (contact->getDisplayName() == "Chiara Rossi")
            chiara = contact;
    }
    QVERIFY(chiara);
    QCOMPARE(chiara->getBlfState(), Kivo::Contacts::IContact::BlfAvailable);

    // The user calls Chiara: her phone rings a few times before she picks up, and then her
    // team line says that she is on the phone.
    QVERIFY(User::doubleClick(main, "contact_Chiara Rossi"));
    QPointer<QML::CommunicationsWindow> window;
    QTRY_VERIFY((window = shownWindow<QML::CommunicationsWindow>()));
    QTRY_VERIFY(!User::paneText(window, "callStatus").isEmpty());
    QVERIFY(User::paneText(window, "callStatus") != "In call");
    QTRY_COMPARE_WITH_TIMEOUT(User::paneText(window, "callStatus"), QString("In call"), 15000);
    QTRY_COMPARE(chiara->getBlfState(), Kivo::Contacts::IContact::BlfBusy);

    // Hung up: her line is free again.
    QVERIFY(User::clickInPane(window, "hangUpButton"));
    QTRY_VERIFY(!window);
    QTRY_COMPARE(chiara->getBlfState(), Kivo::Contacts::IContact::BlfAvailable);
}

void JourneyTest::setsTheStatusNoteAndLocationAndHoversAContact()
{
    QML::MainWindow* main = shownMainWindow();
    QVERIFY(main);
    QVERIFY(User::activate(main));
    QVERIFY(User::click(main, "contactsViewButton"));
    // A contact is selected: Return in the note must still call nobody.
    QVERIFY(User::click(main, "contact_Bob Lindqvist"));
    QTRY_VERIFY(main->hasActionTarget());

    // The own presence opens below the name; the note takes what the user types.
    if (!main->isOwnPresenceExpanded())
        QVERIFY(User::click(main, "ownPresenceFlag"));
    QTRY_VERIFY(User::item(main, "ownStatusNote") && User::item(main, "ownPresence")->height() > 60);
    QVERIFY(User::click(main, "ownStatusNote"));
    QVERIFY(User::type("Working on the release"));
    QVERIFY(User::press(Qt::Key_Return));
    QTRY_COMPARE(service().ownNote(), QString("Working on the release"));
    QTRY_COMPARE(User::text(main, "ownStatusNote"), QString("Working on the release"));
    QVERIFY(service().calls().isEmpty());
    QVERIFY(m_App.session()->commsSessionController()->commsList().isEmpty());

    // The location line ("Set Location" while none is published): a place typed by hand goes
    // out with the presence and shows in the pane.
    QTRY_VERIFY(!User::text(main, "ownLocation").isEmpty());
    QVERIFY(User::click(main, "ownLocation"));
    QPointer<Dialogs::LocationPublish> location;
    QTRY_VERIFY((location = shownWindow<Dialogs::LocationPublish>()));
    QVERIFY(User::activate(location));
    auto* manual = location->findChild<QRadioButton*>("manualLocation");
    QTest::mouseClick(manual, Qt::LeftButton, Qt::NoModifier, QPoint(5, manual->height() / 2));
    QVERIFY(manual->isChecked());
    auto* region = location->findChild<QLineEdit*>("regionEdit");
    QTest::mouseClick(region, Qt::LeftButton);
    QVERIFY(User::type("Lisbon studio"));
    auto* publish = location->findChild<QPushButton*>("setLocationButton");
    QTRY_VERIFY(publish->isEnabled());
    QTest::mouseClick(publish, Qt::LeftButton);
    QTRY_VERIFY(!location || !location->isVisible());
    QTRY_COMPARE(service().ownLocation().manualLocation, QString("Lisbon studio"));
    QTRY_COMPARE(User::text(main, "ownLocation"), QString("Lisbon studio"));

    // Resting on a contact shows the card: Bob's picture, where he is and the time there.
    QVERIFY(User::activate(main));
    QVERIFY(User::hover(main, "contact_Chiara Rossi"));
    QVERIFY(User::hover(main, "contact_Bob Lindqvist"));
    QML::ContactMouseOver* card = main->contactMouseOver();
    QTRY_VERIFY(card->isVisible() && card->contact()
                && card->contact()->property("displayName").toString() == "Bob Lindqvist");
    QVERIFY(SceneItems::named(card->rootObject(), "cardAvatar")->property("showsPhoto").toBool());
    const QString where = SceneItems::named(card->rootObject(), "locationText")->property("text").toString();
    QVERIFY2(QRegularExpression("^Stockholm, SWEDEN \\d\\d:\\d\\d$").match(where).hasMatch(), qPrintable(where));
    QVERIFY(User::hover(main, "searchField"));
    QTRY_VERIFY(!card->isVisible());
}

void JourneyTest::seesAFailedDeletionAndSwitchesTheTeamWindowOff()
{
    QML::MainWindow* main = shownMainWindow();
    QVERIFY(main);
    QVERIFY(User::activate(main));
    QVERIFY(User::click(main, "historyViewButton"));
    QVERIFY(User::click(main, "historyTab2"));
    QTRY_VERIFY(User::item(main, "historyEntry0"));
    const int entries = main->timeline()->rowCount();

    // The server interface is gone while the user deletes a voice mail: the user is told.
    Kivo::Simulation::Control control(service());
    QVERIFY(control.injectLinkLost(Kivo::Simulation::Service::ServerLink));
    QTRY_VERIFY(!service().isLinkUp(Kivo::Simulation::Service::ServerLink));
    QVERIFY(User::click(main, "historyEntry0"));
    QVERIFY(User::press(Qt::Key_Delete));
    QPointer<Dialogs::MessageWindow> message;
    QTRY_VERIFY((message = shownMessage()));
    QCOMPARE(message->windowTitle(), QString("Confirm Deletion"));
    const auto clickAnswer = [](QWidget* box, const QString& text) {
        for (QPushButton* button : box->findChildren<QPushButton*>()) {
            if (button->isVisible() && button->text().remove('&') == text) {
                QTest::mouseClick(button, Qt::LeftButton);
                return true;
            }
        }
        return false;
    };
    QVERIFY(clickAnswer(message, "Yes"));
    QTRY_VERIFY((message = shownMessage()) && message->windowTitle() == "Action failed");
    QVERIFY(message->findChild<QLabel*>("messageText")->text().contains(
        "Unable to delete selected message(s). Please try again later or contact your administrator."));
    QVERIFY(clickAnswer(message, "OK"));
    QTRY_VERIFY(!shownMessage());
    QCOMPARE(main->timeline()->rowCount(), entries);
    QVERIFY(control.injectLinkRestored(Kivo::Simulation::Service::ServerLink));
    QTRY_VERIFY(service().isLinkUp(Kivo::Simulation::Service::ServerLink));
    QVERIFY(User::click(main, "contactsViewButton"));

    // "Show window" of team telephony in the preferences: ticked the window comes, unticked
    // it goes at once.
    QPointer<QML::BlfWindow> team = main->blfWindow();
    QVERIFY(team);
    const auto switchTeamWindow = [this](bool shown) {
        QVERIFY(clickTrayEntry("Preferences..."));
        QPointer<Dialogs::PreferencesWindow> window;
        QTRY_VERIFY((window = shownPreferences()));
        QVERIFY(User::activate(window));
        QVERIFY(clickTab(window, "General"));
        auto* show = window->findChild<QCheckBox*>("showTeamTelephonyWindow");
        if (show->isChecked() != shown)
            QTest::mouseClick(show, Qt::LeftButton, Qt::NoModifier, QPoint(5, show->height() / 2));
        QCOMPARE(show->isChecked(), shown);
        QVERIFY(clickButton(window, "OK"));
        QTRY_VERIFY(!window);
    };
    switchTeamWindow(true);
    QTRY_VERIFY(team->isVisible());
    switchTeamWindow(false);
    QTRY_VERIFY(!team->isVisible());
    QCOMPARE(TestSupport::userSetting(Constants::SettingsKey::ShowTeamTelephonyWindow), QVariant(false));
}

void JourneyTest::aLinkThatWouldCallAsksFirst()
{
    QVERIFY(shownMainWindow());
    QSignalSpy calls(&service(), &Kivo::Simulation::Service::outgoingCall);
    // A web page's link into Bob's room that dials a number of its choosing.
    const QString number = QStringLiteral("sip:+19005550123@demo.telvarion.net");
    const QString items = "call=\"" + number + "\";chat=\"bob@myroom.demo.telvarion.net\"";
    const QString link = QString::fromLatin1(items.toLatin1().toBase64());

    // The desktop starts the program for the clicked link; this one is asked before anything is dialled.
    QProcess second;
    second.start(TEST_PROGRAM, {"--qomx:" + link});
    QVERIFY(second.waitForStarted(30000));
    while (second.state() == QProcess::Running)
        QTest::qWait(20);
    QCOMPARE(second.exitCode(), 0);
    QTRY_VERIFY(shownMessage());
    Dialogs::MessageWindow* question = shownMessage();
    QCOMPARE(question->windowTitle(), QString("Place a Call?"));
    const QLabel* text = question->findChild<QLabel*>("messageText");
    QVERIFY(text->text().contains(number) && text->text().contains("Bob Lindqvist"));
    QTest::qWait(3 * service().latency());
    QCOMPARE(calls.count(), 0);

    // Call: the room opens with the call the user agreed to.
    QVERIFY(User::activate(question));
    QVERIFY(clickButton(question, "Call"));
    QTRY_VERIFY(!shownMessage());
    QTRY_COMPARE(calls.count(), 1);
    QCOMPARE(calls.first().at(1).toString(), number);
    QPointer<QML::CommunicationsWindow> room;
    QTRY_VERIFY((room = shownWindow<QML::CommunicationsWindow>()));
    QTRY_COMPARE(service().calls().size(), 1);
    QVERIFY(Kivo::Simulation::Control(service()).injectRemoteHangUp(service().calls().first().id));
    QTRY_VERIFY(service().calls().isEmpty());
    QTRY_VERIFY(!room || (room->session() && !room->session()->getCall()));
    if (room)
        QVERIFY(User::closeFromFrame(room));
    QTRY_VERIFY(!room);
}

void JourneyTest::chatsDuringACallAndEndsTheCallFromTheFooter()
{
    QML::MainWindow* main = shownMainWindow();
    QVERIFY(main);
    QVERIFY(User::activate(main));
    QVERIFY(User::click(main, "contactsViewButton"));
    QTRY_VERIFY(User::item(main, "contact_Bob Lindqvist"));
    QVERIFY(User::doubleClick(main, "contact_Bob Lindqvist"));
    QPointer<QML::CommunicationsWindow> window;
    QTRY_VERIFY((window = shownWindow<QML::CommunicationsWindow>()));
    QTRY_COMPARE_WITH_TIMEOUT(User::paneText(window, "callStatus"), QString("In call"), 15000);
    const Kivo::MediaEngine::Call call = m_App.session()->callController()->getCalls().first();

    // The footer's Chat turns the conversation into a chat: the chat takes the call pane's
    // place and the footer carries the call.
    QVERIFY(User::clickInPane(window, "actionButton3"));
    QTRY_VERIFY(window->findChild<QWidget*>("ChatWidget")->isVisible());
    QVERIFY(!window->findChild<QWidget*>("CallWidget")->isVisible());
    // The chat, made only now, shows the conversation so far.
    QTRY_VERIFY(chatPageText(window).contains("Thanks Bob"));
    QTRY_COMPARE(window->minimumSize(), QSize(420, 290));
    window->resize(window->minimumSize());
    QTRY_COMPARE(window->width(), 420);
    QTRY_VERIFY(User::paneText(window, "footerCallInfo").contains("In call"));

    // At the least width the call's line sits between the buttons, never over them.
    QQuickWidget* footer = window->findChild<QQuickWidget*>("Footer");
    static_cast<void>(footer->grabFramebuffer());
    QQuickItem* line = User::paneItem(window, "footerCallInfo");
    QQuickItem* toolbar = User::paneItem(window, "toolbar");
    QQuickItem* options = User::paneItem(window, "optionsButton");
    QVERIFY(line && toolbar && options);
    const QRectF lineBox = line->mapRectToScene(QRectF(0, 0, line->width(), line->height()));
    const QRectF toolbarBox = toolbar->mapRectToScene(QRectF(0, 0, toolbar->width(), toolbar->height()));
    const QRectF controlsBox = options->parentItem()->mapRectToScene(
        QRectF(0, 0, options->parentItem()->width(), options->parentItem()->height()));
    QVERIFY2(lineBox.left() >= toolbarBox.right() && lineBox.right() <= controlsBox.left(),
             qPrintable(QString("line %1-%2 between %3 and %4").arg(lineBox.left()).arg(lineBox.right())
                            .arg(toolbarBox.right()).arg(controlsBox.left())));
    QVERIFY(lineBox.width() > 40);
    QVERIFY(controlsBox.right() <= footer->width() && toolbarBox.left() >= 0);

    // Options holds the call and takes it back.
    QVERIFY(User::clickInPane(window, "optionsButton"));
    QVERIFY(User::choose({"Hold Call"}));
    QTRY_COMPARE(call->getCallState(), Kivo::MediaEngine::CallBasePtr::OnHold);
    QTRY_VERIFY(User::paneText(window, "footerCallInfo").contains("On hold"));
    QVERIFY(User::clickInPane(window, "optionsButton"));
    QVERIFY(User::choose({"Unhold Call"}));
    QTRY_COMPARE(call->getCallState(), Kivo::MediaEngine::CallBasePtr::InCall);

    // The footer's End Call hangs up; the chat stays.
    QVERIFY(User::clickInPane(window, "actionButton4"));
    QTRY_VERIFY(m_App.session()->callController()->getCalls().isEmpty());
    QVERIFY(window);
    QTRY_VERIFY(!User::paneItem(window, "footerCallInfo"));
    QVERIFY(window->findChild<QWidget*>("ChatWidget")->isVisible());
    QVERIFY(User::closeFromFrame(window));
    QTRY_VERIFY(!window);
}

void JourneyTest::hidesAChatAndBringsItBack()
{
    QPointer<QML::CommunicationsWindow> chat = chatFromContactMenu("Bob Lindqvist");
    QVERIFY(chat);
    QML::MainWindow* main = shownMainWindow();
    const auto hide = [&chat] {
        return User::clickInPane(chat, "optionsButton") && User::choose({"Hide Window"})
               && QTest::qWaitFor([&chat] { return chat && !chat->isVisible(); });
    };

    // Options hides the window; the contact's menu brings it back, the same conversation.
    QVERIFY(hide());
    QVERIFY(User::activate(main));
    QVERIFY(User::rightClick(main, "contact_Bob Lindqvist"));
    QVERIFY(User::choose({"Chat"}));
    QTRY_VERIFY(chat && chat->isVisible());
    QCOMPARE(TestSupport::shownWindows<QML::CommunicationsWindow>().size(), 1);

    // A double click on its row among the active conversations does too.
    QVERIFY(hide());
    QVERIFY(User::activate(main));
    QQuickItem* active = nullptr;
    QTRY_VERIFY((active = User::item(main, "activeCommunications")) && active->property("total").toInt() == 1);
    if (!active->property("open").toBool())
        QVERIFY(User::click(main, "activeCommsHeader"));
    QTRY_VERIFY(activeListSettled(main));
    QTRY_VERIFY(User::item(main, "activeComm0"));
    QVERIFY(User::doubleClick(main, "activeComm0"));
    QTRY_VERIFY(chat && chat->isVisible());

    // And the main window's Chat with Bob chosen.
    QVERIFY(hide());
    QVERIFY(User::activate(main));
    QVERIFY(User::click(main, "contact_Bob Lindqvist"));
    QVERIFY(User::click(main, "actionButton3"));
    QTRY_VERIFY(chat && chat->isVisible());

    // And a double click on Bob's chat in the history.
    QVERIFY(hide());
    QVERIFY(User::activate(main));
    QVERIFY(User::click(main, "historyViewButton"));
    QVERIFY(User::click(main, QString("historyTab%1").arg(int(Kivo::Models::TimelineFilter::Chat))));
    // The newest of Bob's chats that the list shows.
    const auto bobsChatEntry = [main]() -> QString {
        for (int index = 0; index < 20; ++index) {
            const QString name = QString("historyEntry%1").arg(index);
            QQuickItem* row = User::item(main, name);
            const QQuickItem* avatar = row ? SceneItems::named(row, "historyAvatar") : nullptr;
            if (avatar && avatar->property("name").toString() == "Bob Lindqvist")
                return name;
        }
        return QString();
    };
    QTRY_VERIFY(!bobsChatEntry().isEmpty());
    QVERIFY(User::doubleClick(main, bobsChatEntry()));
    QTRY_VERIFY(chat && chat->isVisible());
    QCOMPARE(TestSupport::shownWindows<QML::CommunicationsWindow>().size(), 1);
    QVERIFY(User::click(main, "contactsViewButton"));

    QVERIFY(User::closeFromFrame(chat));
    QTRY_VERIFY(!chat);
}

void JourneyTest::sendsAFileWithTheChatPanesSendFile()
{
    QPointer<QML::CommunicationsWindow> chat = chatFromContactMenu("Bob Lindqvist");
    QVERIFY(chat);
    QTemporaryDir folder;
    QFile file(folder.filePath("budget.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Figures of the quarter");
    file.close();

    // The chat's own Send File, beside the emoticons, asks for the file; it goes to Bob.
    QVERIFY(User::clickInPane(chat, "sendFileButton"));
    QVERIFY(chooseFileToSend(folder.path(), "budget.txt"));
    QTRY_VERIFY(chatPageText(chat).contains("budget.txt"));

    QVERIFY(User::closeFromFrame(chat));
    QTRY_VERIFY(!chat);
}

void JourneyTest::opensTheCallDebugWindowWithCtrlD()
{
    QML::MainWindow* main = shownMainWindow();
    QVERIFY(main);
    QVERIFY(User::activate(main));
    QVERIFY(User::click(main, "contactsViewButton"));
    QTRY_VERIFY(User::item(main, "contact_Bob Lindqvist"));
    QVERIFY(User::doubleClick(main, "contact_Bob Lindqvist"));
    QPointer<QML::CommunicationsWindow> window;
    QTRY_VERIFY((window = shownWindow<QML::CommunicationsWindow>()));
    QTRY_COMPARE_WITH_TIMEOUT(User::paneText(window, "callStatus"), QString("In call"), 15000);

    // Ctrl+D in the call's window opens the call's debug window with its figures.
    QVERIFY(User::activate(window));
    QVERIFY(User::press(Qt::Key_D, Qt::ControlModifier));
    QML::CallDebugWindow* debug = nullptr;
    QTRY_VERIFY((debug = shownWindow<QML::CallDebugWindow>()));
    QCOMPARE(debug->windowTitle(), QString("Call debug"));
    QQuickItem* scene = debug->view()->rootObject();
    QVERIFY(scene);
    QVERIFY(SceneItems::withText(scene, "Voice encoder parameters") || SceneItems::withText(scene, "Audio statistics"));
    QVERIFY(debug->width() >= 300 && debug->height() >= 300);

    // Hung up and closed, the debug window goes with the call's window.
    QPointer<QML::CallDebugWindow> closing = debug;
    QVERIFY(User::clickInPane(window, "hangUpButton"));
    QTRY_VERIFY(!window);
    QTRY_VERIFY(!closing || !closing->isVisible());
}


void JourneyTest::searchesByPartOfANameAndReadsALongChat()
{
    QML::MainWindow* main = shownMainWindow();
    QVERIFY(main);
    QVERIFY(User::activate(main));
    QVERIFY(User::click(main, "contactsViewButton"));
    QTRY_VERIFY(User::item(main, "contact_Chiara Rossi"));

    // Part of a name keeps only who matches; a letter taken back brings back who matches
    // the shorter text (every address has "demo" in it).
    QVERIFY(User::click(main, "searchField"));
    QVERIFY(User::type("Dev"));
    QTRY_VERIFY_WITH_TIMEOUT(!User::item(main, "contact_Chiara Rossi"), 3000);
    QVERIFY(User::item(main, "contact_Dev Patel"));
    QVERIFY(User::press(Qt::Key_Backspace));
    QTRY_VERIFY_WITH_TIMEOUT(User::item(main, "contact_Chiara Rossi"), 3000);
    QVERIFY(User::item(main, "contact_Dev Patel"));
    QVERIFY(User::item(main, "contact_Eun-ji Park"));
    QVERIFY(User::click(main, "clearSearchButton"));
    QTRY_VERIFY(User::item(main, "contact_Bob Lindqvist"));

    // Eun-ji writes a long conversation while no window of hers is open: her window opens
    // with its newest lines, and the user's own scrolling brings up the older ones, back
    // to her first line.
    Kivo::Simulation::Control control(service());
    constexpr int Lines = 240;
    for (int line = 0; line < Lines; ++line)
        QVERIFY(control.injectChatMessage("eunji@demo.telvarion.net", QStringLiteral("Line %1 of the log").arg(line)));
    QPointer<QML::CommunicationsWindow> chat = answeredChat();
    QVERIFY(chat);
    chat->resize(520, 520);
    const QString last = QStringLiteral("Line %1 of the log").arg(Lines - 1);
    QTRY_VERIFY_WITH_TIMEOUT(chatPageText(chat).contains(last), 10000);
    QVERIFY(!chatPageText(chat).contains("Line 0 of the log"));
    for (int notch = 0; notch < 400 && !chatPageText(chat).contains("Line 0 of the log"); ++notch) {
        QVERIFY(wheelOverChatPage(chat, true));
        QCoreApplication::processEvents();
    }
    QVERIFY(chatPageText(chat).contains("Line 0 of the log"));
    const QString text = chatPageText(chat);
    QVERIFY(text.indexOf("Line 0 of the log") < text.indexOf("Line 120 of the log"));
    QVERIFY(text.indexOf("Line 120 of the log") < text.indexOf(last));

    // A message of a million characters shows its beginning with an ellipsis and a notice
    // below it; the conversation goes on after it.
    QVERIFY(control.injectChatMessage("eunji@demo.telvarion.net", QString(1000000, QLatin1Char('z'))));
    QTRY_VERIFY_WITH_TIMEOUT(chatPageText(chat).contains("This message was too long to show"), 10000);
    const QString cut = chatPage(chat)->page()->mainFrame()
                            ->evaluateJavaScript("var c = document.getElementsByClassName('remote_content');"
                                                 " c[c.length - 1].textContent")
                            .toString();
    QCOMPARE(cut.size(), Models::Chat::MessageModel::MaxShownCharacters + 1);
    QVERIFY(cut.endsWith(QChar(0x2026)));
    QVERIFY(control.injectChatMessage("eunji@demo.telvarion.net", "Sorry, wrong paste"));
    QTRY_VERIFY(chatPageText(chat).contains("Sorry, wrong paste"));
    QVERIFY(chatPageText(chat).contains(last));
    QVERIFY(User::closeFromFrame(chat));
    QTRY_VERIFY(!chat);
}


void JourneyTest::transfersACallToAContactFoundByName()
{
    QVERIFY(shownMainWindow());
    Kivo::Simulation::Control control(service());
    const Kivo::MediaEngine::CallControllerBase* calls = m_App.session()->callController();

    // Bob calls and the user answers.
    QVERIFY(control.injectIncomingCall("bob@demo.telvarion.net"));
    QTRY_VERIFY(popup());
    QVERIFY(clickInPopup(popup(), "answerAudioButton"));
    QPointer<QML::CommunicationsWindow> window;
    QTRY_VERIFY((window = shownWindow<QML::CommunicationsWindow>()));
    QTRY_COMPARE(User::paneText(window, "callStatus"), QString("In call"));
    const Kivo::MediaEngine::Call bobsCall = calls->getCalls().first();
    QML::NotificationsWidget* bar = window->notifications();
    const int height = window->height();

    // The transfer panel opens above the call; its Cancel gives the room back.
    QVERIFY(User::clickInPane(window, "transferButton"));
    QTRY_VERIFY(bar->isVisible());
    QTRY_COMPARE(window->height(), height + QML::NotificationsWidget::PanelHeight);
    // Cancel, at the end of the title line.
    QQuickItem* cancel = SceneItems::named(SceneItems::named(bar->rootObject(), "transferPanel"), "cancelButton");
    QVERIFY(cancel && cancel->isVisible());
    SceneItems::click(bar, cancel);
    QTRY_VERIFY(!bar->isVisible());
    QTRY_COMPARE(window->height(), height);

    // Again, and "Chi" finds Chiara; a click takes her.
    QVERIFY(User::clickInPane(window, "transferButton"));
    QTRY_VERIFY(bar->isVisible());
    QVERIFY(User::clickInPane(window, "searchField"));
    QVERIFY(User::type("Chi"));
    QVERIFY(User::paneItem(window, "contactMatch_Chiara Rossi"));
    screenshot(window, "transfer_search");
    QVERIFY(User::clickInPane(window, "contactMatch_Chiara Rossi"));
    QTRY_COMPARE(User::paneText(window, "searchField"), QString("Chiara Rossi"));
    QCOMPARE(User::paneText(window, "numberFieldText"), QString("chiara@demo.telvarion.net"));

    // The service transfers after talking first: the user calls Chiara, she answers in a
    // window of her own, and its Transfer joins her with Bob.
    QSignalSpy created(m_App.session()->commsSessionController(),
                       &Kivo::Controllers::CommsSessionController::sessionCreated);
    // Calling her puts Bob on hold, which the program asks about first: Yes.
    bool confirmed = false;
    QTimer answer;
    connect(&answer, &QTimer::timeout, [&confirmed] {
        Dialogs::MessageWindow* question = shownMessage();
        if (!question || confirmed)
            return;
        for (QPushButton* button : question->findChildren<QPushButton*>()) {
            if (button->isVisible() && button->text().remove('&') == "Yes") {
                confirmed = true;
                QTest::mouseClick(button, Qt::LeftButton);
            }
        }
    });
    answer.start(50);
    QVERIFY(User::clickInPane(window, "attendedAudioButton"));
    QTRY_VERIFY(confirmed);
    answer.stop();
    QTRY_COMPARE(created.count(), 1);
    auto* consultation = created.first().first().value<Kivo::Controllers::CommunicationSession*>();
    QVERIFY(consultation && consultation->getCall());
    QTRY_COMPARE(consultation->getCall()->getCallState(), Kivo::MediaEngine::CallBasePtr::RemoteRinging);
    QVERIFY(control.injectRemoteAnswer(consultation->getCall()->getCallId()));
    QPointer<QML::CommunicationsWindow> chiaras;
    QTRY_VERIFY((chiaras = m_App.communicationsWindowManager()->getWindow(consultation)) && chiaras->isVisible());
    QTRY_COMPARE(User::paneText(chiaras, "callStatus"), QString("In call"));
    QVERIFY(User::clickInPane(chiaras, "transferStripButton"));
    QTRY_COMPARE(bobsCall->getEndReason(), Kivo::MediaEngine::CallBasePtr::Transferred);
    QTRY_VERIFY(!window && !chiaras);
    QTRY_VERIFY(calls->getCalls().isEmpty());
}

void JourneyTest::answersAVideoCallAndHangsUpFromTheFooter()
{
    QVERIFY(shownMainWindow());
    Kivo::Simulation::Control control(service());

    // Dev calls with video; the user takes it with video.
    QVERIFY(control.injectIncomingCall("dev@demo.telvarion.net", true));
    QTRY_VERIFY(popup());
    QVERIFY(clickInPopup(popup(), "answerVideoButton"));
    // The video call's window, beside any chat still open.
    const auto videoWindow = [] {
        for (QML::CommunicationsWindow* shown : TestSupport::shownWindows<QML::CommunicationsWindow>()) {
            if (shown->videoWidget() && shown->videoWidget()->isVisible() && shown->videoWidget()->width() > 200)
                return shown;
        }
        return static_cast<QML::CommunicationsWindow*>(nullptr);
    };
    QPointer<QML::CommunicationsWindow> window;
    QTRY_VERIFY((window = videoWindow()));
    QWidget* surface = window->videoWidget();
    const Kivo::MediaEngine::Call call = m_App.session()->callController()->getCalls().first();
    QTRY_VERIFY(call->isRenderingRemoteVideo());

    // Dev's picture moves: two looks a moment apart differ, and neither is a black box.
    const QImage first = surface->grab().toImage();
    QTest::qWait(300);
    const QImage second = surface->grab().toImage();
    QVERIFY(first != second);
    const QRgb middle = first.pixel(first.width() / 2, first.height() / 3);
    QVERIFY2(qGray(middle) > 40, qPrintable(QString::number(middle, 16)));
    screenshot(window, "video_call");

    // The footer's call button ends the call, and the window goes.
    QVERIFY(User::clickInPane(window, "actionButton4"));
    QTRY_VERIFY(!window);
    QTRY_VERIFY(m_App.session()->callController()->getCalls().isEmpty());
}


// Preferences from the main window's menu, the language chosen in its list, OK.
static bool chooseLanguage(QML::MainWindow* main, const QString& preferencesEntry, const QString& language)
{
    if (!User::activate(main) || !User::click(main, "menuButton") || !User::choose({preferencesEntry}))
        return false;
    QPointer<Dialogs::PreferencesWindow> window;
    if (!QTest::qWaitFor([&window] { return (window = TestSupport::shownWindows<Dialogs::PreferencesWindow>().value(0)); })
        || !User::activate(window))
        return false;
    auto* languages = window->findChild<QComboBox*>("languageSelect");
    const int row = languages ? languages->findText(language) : -1;
    if (row < 0 || !languages->isVisible()) {
        qWarning() << "The General page offers no language" << language;
        return false;
    }
    QTest::mouseClick(languages, Qt::LeftButton);
    if (!QTest::qWaitFor([languages] { return languages->view()->isVisible(); }))
        return false;
    QAbstractItemView* list = languages->view();
    const QPoint where = list->visualRect(list->model()->index(row, 0)).center();
    QTest::mouseMove(list->viewport(), where);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, where);
    if (!QTest::qWaitFor([languages, language] { return languages->currentText() == language && !languages->view()->isVisible(); }))
        return false;
    const QString ok = QCoreApplication::translate("Dialogs::PreferencesWindow", "OK");
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (button->isVisible() && button->text().remove('&') == ok) {
            QTest::mouseClick(button, Qt::LeftButton);
            return QTest::qWaitFor([&window] { return !window || !window->isVisible(); });
        }
    }
    qWarning() << "The preferences show no OK";
    return false;
}

void JourneyTest::switchesTheLanguageAndEveryWindowFollows()
{
    QML::MainWindow* main = shownMainWindow();
    QVERIFY(main);
    QVERIFY(User::click(main, "contactsViewButton"));
    QCOMPARE(User::text(main, "searchPlaceholder"), QString("Search and Dial"));
    const QString availability = User::text(main, "ownAvailability");

    QVERIFY(chooseLanguage(main, "Preferences...", "Deutsch"));
    // The main window's texts change at once, without a restart.
    QTRY_COMPARE(User::text(main, "searchPlaceholder"), QString("Suchen und wählen"));
    const QString presence = availability.section("  ", 0, 0);
    QCOMPARE(User::text(main, "ownAvailability").section("  ", 0, 0),
             QCoreApplication::translate("Utils::PresenceHelper", qPrintable(presence)));
    // So does the heading of the contacts in no group, a name the engine gives.
    QTRY_VERIFY(User::item(main, "group_Weitere Kontakte"));

    // The add button's tool tip, where the pointer rests on it.
    QVERIFY(User::hover(main, "addButton"));
    QTRY_COMPARE(User::text(main, "toolTipText"), QString("Kontakt, Gruppe oder Raum hinzufügen"));
    // The history's dates and times are written as German writes them (day.month.year, 24 hours):
    // the voice mails, where the calls of this run do not push the older days out of sight.
    QVERIFY(User::click(main, "historyViewButton"));
    QVERIFY(User::click(main, "historyTab2"));
    QTRY_VERIFY(User::item(main, "historyEntry0"));
    const QRegularExpression germanDate("^\\d{2}\\.\\d{2}\\.\\d{2}, \\d{2}:\\d{2}$");
    QStringList times;
    for (int index = 0; User::item(main, QString("historyTime%1").arg(index)); ++index)
        times << User::text(main, QString("historyTime%1").arg(index));
    QVERIFY2(std::any_of(times.cbegin(), times.cend(), [&](const QString& time) { return germanDate.match(time).hasMatch(); }),
             qPrintable(times.join(" | ")));
    // The newest is of today (or, just after midnight, of yesterday).
    QVERIFY2(QRegularExpression("^(Heute|Gestern), \\d{2}:\\d{2}$").match(times.first()).hasMatch(), qPrintable(times.first()));
    QVERIFY(User::click(main, "contactsViewButton"));

    // Its menu speaks German too, every entry whole: the shortcut beside its text.
    QVERIFY(User::click(main, "menuButton"));
    QMenu* menu = nullptr;
    QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())));
    QStringList texts;
    for (QAction* action : menu->actions()) {
        if (!action->isVisible() || action->isSeparator())
            continue;
        texts << action->text().remove('&');
        const QString shortcut = action->shortcut().toString(QKeySequence::NativeText);
        const QFontMetrics metrics(menu->font());
        QVERIFY2(menu->actionGeometry(action).width()
                     >= metrics.horizontalAdvance(action->text().remove('&')) + metrics.horizontalAdvance(shortcut),
                 qPrintable(action->text()));
    }
    QVERIFY2(texts.contains("Einstellungen...") && texts.contains("Abmelden") && texts.contains("Beenden"),
             qPrintable(texts.join(", ")));
    QVERIFY(!texts.contains("Preferences..."));
    // Escape closes the menu: the key goes to the open menu, as the keyboard's would.
    QTest::keyClick(menu, Qt::Key_Escape);
    QTRY_VERIFY(!QApplication::activePopupWidget());

    // And back, for the steps after this one.
    QVERIFY(chooseLanguage(main, "Einstellungen...", "English"));
    QTRY_COMPARE(User::text(main, "searchPlaceholder"), QString("Search and Dial"));
    QCOMPARE(User::text(main, "ownAvailability"), availability);
    QTRY_VERIFY(User::item(main, "group_Other Contacts"));
}

void JourneyTest::exitsWithCtrlQ()
{
    exitWithCtrlQ();
    // The remembered password went to the secret store, never to the credentials file.
    QFile credentials(dataPath() + "/credentials.dat");
    QVERIFY(credentials.open(QIODevice::ReadOnly));
    const QByteArray kept = credentials.readAll();
    QVERIFY(kept.contains("alice"));
    QVERIFY(!kept.contains(DemoPassword));
}

void JourneyTest::restartFillsThePasswordAndSignsInAutomatically()
{
    QTemporaryDir sockets;
    QProcess restarted;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(RestartDataVariable, dataPath());
    // This run's add-in socket is still taken.
    environment.insert("TELVARION_API_SOCKET", sockets.filePath("api"));
    restarted.setProcessEnvironment(environment);
    restarted.setProcessChannelMode(QProcess::ForwardedChannels);
    restarted.start(QCoreApplication::applicationFilePath(), QStringList());
    QVERIFY(restarted.waitForFinished(90000));
    QCOMPARE(restarted.exitStatus(), QProcess::NormalExit);
    QCOMPARE(restarted.exitCode(), 0);
}

// The same program started again on the first run's data folder.
class RestartedJourneyTest : public JourneyBase
{
    Q_OBJECT

public:
    using JourneyBase::JourneyBase;

private slots:
    void signedInAutomaticallyWithTheRememberedPassword();
    void exitsWithCtrlQ() { exitWithCtrlQ(); }
};

void RestartedJourneyTest::signedInAutomaticallyWithTheRememberedPassword()
{
    // Nothing typed, nothing clicked.
    QTRY_VERIFY(shownMainWindow());
    QCOMPARE(m_App.session()->userName(), QString(DemoUser));
    const QML::LoginWindow* login = m_App.loginWindow();
    QCOMPARE(login->username(), QString("alice"));
    QCOMPARE(login->password(), QString(DemoPassword));
    QVERIFY(login->rememberPasswordChecked());
    QVERIFY(login->autologinChecked());
}

int main(int argc, char** argv)
{
    const QString restartData = qEnvironmentVariable(RestartDataVariable);
    TestSupport::ApplicationRun run(argc, argv, TestSupport::ApplicationRun::User::New, restartData);
    if (!restartData.isEmpty()) {
        RestartedJourneyTest restarted(run.application(), run.environment());
        return QTest::qExec(&restarted, argc, argv);
    }
    JourneyTest journey(run.application(), run.environment());
    return QTest::qExec(&journey, argc, argv);
}

#include "tst_journey.moc"
