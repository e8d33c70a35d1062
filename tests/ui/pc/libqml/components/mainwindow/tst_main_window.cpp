// The signed-in main window on the demo account, driven as the user drives it: the lists it
// shows, search and dial pad, selections, the history filter and voice mail, contact
// operations, the frame, and drops on a conversation.
#include "Dialogs/message_window.h"
#include "Utils/active_comms_drag_drop_handler.h"
#include "Providers/menu_action_provider.h"
#include "Utils/active_selection_handler.h"
#include "Utils/contact_selection_handler.h"
#include "Utils/windowmanager.h"
#include "common/constants.h"
#include "Utils/main_window_services.h"
#include "Utils/preferences_watcher.h"
#include "Utils/blf_call_alert_handler.h"
#include "Models/error_info_model.h"
#include "Providers/factory.h"
#include "Providers/media_volume_helper.h"
#include "Providers/profile_picture_helper.h"
#include "libqml/components/blf_window/blf_window.h"
#include "libqml/components/contactmouseover/contact_mouse_over.h"
#include "Widgets/group_name_input.h"
#include "libqml/components/callsettings/call_settings.h"
#include "libqml/components/mainwindow/main_window.h"
#include "libqml/window/qml_view.h"
#include "support/answer_when_shown.h"
#include "support/application_test.h"
#include "support/config_patch.h"
#include "support/shown_windows.h"
#include "ui/pc/libqml/scene_items.h"

#include <Kivo/Actions/Provider.h>
#include <Kivo/Actions/Source.h>
#include <Kivo/Client.h>
#include <Kivo/ConfigContainer.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/MediaEngine/CallControllerBase.h>
#include <Kivo/MediaEngine/IMediaHandlerAudio.h>
#include <Kivo/Models/ActiveCommsFilter.h>
#include <Kivo/Models/ActiveCommsModel.h>
#include <Kivo/Controllers/XmppChatController.h>
#include <Kivo/Models/ChatRoomsFilter.h>
#include <Kivo/Models/Groups.h>
#include <Kivo/Models/Roles.h>
#include <Kivo/Models/SelectionHandler.h>
#include <Kivo/Models/Timeline.h>
#include <Kivo/Models/TimelineEntry.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Services/WebButtonHandler.h>
#include <Kivo/Settings.h>
#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Service.h>

#include <QAction>
#include <QApplication>
#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QDesktopWidget>
#include <QItemSelectionModel>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QQuickItem>
#include <QScreen>
#include <QShortcut>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTimer>
#include <QtTest>

namespace SettingsKey = Constants::SettingsKey;
using Kivo::Controllers::CommunicationSession;

class MainWindowTest : public TestSupport::ApplicationTest
{
    Q_OBJECT

public:
    using ApplicationTest::ApplicationTest;

private slots:
    void cleanup();
    void showsTheAccountAtSignIn();
    void shortcutsFollowTheSettings();
    void typingSearchesOncePerPause();
    void searchTextIsTextNotAPattern_data();
    void searchTextIsTextNotAPattern();
    void doubleClickOnAContactCalls();
    void ctrlKeepsTheContactSelection();
    void dialpadViewRules();
    void enteringHistoryKeepsTheMissedCalls();
    void historyMenuMarksWhatItNames();
    void showOfflineContactsFromTheContactsMenu();
    void myRoomMenuCopiesAndResetsTheGuestLink();
    void callSettingsButtonOpensTheServicesPage();
    void addGroupTakesNoNameWhileOffline();
    void historyFilterRules();
    void deleteKeyDeletesOnlyVoiceMails();
    void historyRowsDrawTheirKindAsIcons();
    void removingTakesOnlyTheNamedContacts();
    void addContactForAnExistingContact();
    void alwaysOnTopTwiceIsUnchanged();
    void minimumSizeFollowsTheConfiguration_data();
    void minimumSizeFollowsTheConfiguration();
    void closingHides();
    void dropRules();
    void geometryRestore_data();
    void geometryRestore();
    void voiceMailFailuresAreReported();
    void historyRetrievalFailureShowsInTheBanner();
    void statusNoteIsTypedAndReturnNeverCalls();
    void draggingTheVolumeTakesTheMuteOff();
    void profilePhotosFollowTheMenuInEveryList();
    void teamTelephonyFollowsThePreferences();
    void teamAlertWaitsForTheOwnRinger();
    void voiceMailCountFollowsTheMailbox();
    void roomsAreFetchedAgainWhenTheChatServiceReturns();
    void webButtonShowsItsPageAndGivesWayWhenItFails();
    void callBroughtForwardRaisesTheWindow_data();
    void callBroughtForwardRaisesTheWindow();

private:
    QML::MainWindow* main();
    QQuickItem* item(const QString& name);
    bool click(const QString& name);
    // A right click on the named item, then a click on the menu's entry of that text.
    bool chooseFromMenuOf(const QString& name, const QString& entry);
    // A call from `from` that rings and ends unanswered: one more missed call.
    void missACall(const QString& from);
    Kivo::Contacts::IContact* contactNamed(const QString& name);
    CommunicationSession* call(const QString& name);
    // The row of the active communications that shows `session`.
    QQuickItem* activeRow(const QObject* session);
    void endConversations();
    void selectContacts(const QStringList& names, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    static Dialogs::MessageWindow* shownMessage();
    // The message's texts, and a click on its button that reads `text`.
    static QString messageText(const Dialogs::MessageWindow* message);
    static bool answer(Dialogs::MessageWindow* message, const QString& text);
};

QString MainWindowTest::messageText(const Dialogs::MessageWindow* message)
{
    QStringList texts;
    for (const QLabel* label : message->findChildren<QLabel*>())
        texts.append(label->text());
    return texts.join('\n');
}

bool MainWindowTest::answer(Dialogs::MessageWindow* message, const QString& text)
{
    for (QPushButton* button : message->findChildren<QPushButton*>()) {
        if (button->text().remove('&') == text && button->isVisible()) {
            QTest::mouseClick(button, Qt::LeftButton);
            return true;
        }
    }
    qWarning() << "No button reads" << text;
    return false;
}

QML::MainWindow* MainWindowTest::main()
{
    if (!m_App.session())
        signIn();
    return m_App.mainWindow();
}

QQuickItem* MainWindowTest::item(const QString& name)
{
    QQuickItem* root = main()->view()->rootObject();
    QQuickItem* found = SceneItems::named(root, name);
    if (!found)
        qWarning() << "No item" << name;
    return found;
}

bool MainWindowTest::click(const QString& name)
{
    QQuickWidget* view = main()->view();
    return SceneItems::clickFound(view, [view, &name] { return SceneItems::shownNamed(view->rootObject(), name); });
}

bool MainWindowTest::chooseFromMenuOf(const QString& name, const QString& text)
{
    QQuickWidget* view = main()->view();
    const QQuickItem* target = SceneItems::waitForClickable(
        view, [view, &name] { return SceneItems::shownNamed(view->rootObject(), name); });
    if (!target)
        return false;
    const QPoint centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2)).toPoint();
    QTest::mouseClick(view, Qt::RightButton, Qt::NoModifier, centre);
    QMenu* menu = nullptr;
    if (!QTest::qWaitFor([&menu] { return (menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())); }))
        return false;
    for (QAction* action : menu->actions()) {
        if (action->isVisible() && action->isEnabled() && action->text() == text) {
            QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(action).center());
            return true;
        }
    }
    qWarning() << "The menu of" << name << "offers no" << text;
    menu->close();
    return false;
}

void MainWindowTest::missACall(const QString& from)
{
    Kivo::Simulation::Control control(Kivo::Simulation::Service::shared());
    const int before = main()->timeline()->missedCallCount();
    const int id = control.injectIncomingCall(from);
    QVERIFY(id != 0);
    QTRY_VERIFY(main()->activeCommsModel()->rowCount() > 0);
    QVERIFY(control.injectRemoteHangUp(id));
    QTRY_COMPARE(main()->activeCommsModel()->rowCount(), 0);
    main()->timeline()->fetchCallLogs();
    QTRY_VERIFY(main()->timeline()->missedCallCount() > before);
}

Kivo::Contacts::IContact* MainWindowTest::contactNamed(const QString& name)
{
    for (Kivo::Contacts::IContact* contact : m_App.session()->contactsManager()->contacts()) {
        if (contact->getDisplayName() == name)
            return contact;
    }
    return nullptr;
}

// Selects the contacts' rows of the shown list as clicks with `modifiers` would.
void MainWindowTest::selectContacts(const QStringList& names, Qt::KeyboardModifiers modifiers)
{
    Kivo::Models::SelectionHandler* model = main()->contactSelectionModel();
    auto* handler = main()->findChild<Utils::ContactSelectionHandler*>();
    handler->clearSelection();
    for (const QString& name : names) {
        for (int row = 0; row < model->rowCount(); ++row) {
            const auto* contact = qobject_cast<Kivo::Contacts::IContact*>(model->objectAt(row));
            if (contact && contact->getDisplayName() == name) {
                handler->select(row, int(name == names.first() ? modifiers : Qt::ControlModifier | modifiers));
                break;
            }
        }
    }
}

// Places a call to the contact through the main window's call button, and waits until
// the service's side has answered it.
CommunicationSession* MainWindowTest::call(const QString& name)
{
    selectContacts({name});
    // A call placed while another runs asks first whether to hold that one: the user goes on.
    QTimer confirm;
    connect(&confirm, &QTimer::timeout, [] {
        for (Dialogs::MessageWindow* box : TestSupport::shownWindows<Dialogs::MessageWindow>()) {
            if (box->windowTitle() != "Confirm Call")
                continue;
            const auto* buttons = box->findChild<QDialogButtonBox*>("buttonBox");
            for (QAbstractButton* button : buttons->buttons()) {
                const QDialogButtonBox::ButtonRole role = buttons->buttonRole(button);
                if (role == QDialogButtonBox::YesRole || role == QDialogButtonBox::AcceptRole)
                    button->click();
            }
        }
    });
    confirm.start(20);
    if (!main()->actionsProvider()->triggerAction(Kivo::Actions::Action::Call)) {
        fprintf(stderr, "No call action for %s\n", qPrintable(name));
        return nullptr;
    }
    Kivo::Controllers::CommsSessionController* comms = m_App.session()->commsSessionController();
    const int id = contactNamed(name)->getId();
    if (!QTest::qWaitFor([&] {
            CommunicationSession* session = comms->getSession(id);
            return session && session->getCall() && session->getCall()->getCallState() == 3;
        })) {
        CommunicationSession* session = comms->getSession(id);
        fprintf(stderr, "No call to %s: session %p state %d sources %d\n", qPrintable(name), static_cast<void*>(session),
                session && session->getCall() ? int(session->getCall()->getCallState()) : -1,
                int(main()->contactSources()->sources().size()));
        return nullptr;
    }
    return comms->getSession(id);
}

QQuickItem* MainWindowTest::activeRow(const QObject* session)
{
    return SceneItems::find(main()->view()->rootObject(), [session](const QQuickItem* item) {
        return item->objectName().startsWith("activeComm") && item->property("session").value<QObject*>() == session
               && item->isVisible();
    });
}

// Every test leaves no conversation and no message behind.
void MainWindowTest::cleanup()
{
    if (!m_App.session())
        return;
    endConversations();
    while (Dialogs::MessageWindow* message = shownMessage())
        message->close();
}

void MainWindowTest::endConversations()
{
    auto* model = qobject_cast<Kivo::Models::ActiveCommsModel*>(main()->activeCommsModel());
    for (int row = model->rowCount() - 1; row >= 0; --row)
        model->session(row)->close();
    QTRY_COMPARE(model->rowCount(), 0);
}

Dialogs::MessageWindow* MainWindowTest::shownMessage()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* message = qobject_cast<Dialogs::MessageWindow*>(widget); message && message->isVisible())
            return message;
    }
    return nullptr;
}

void MainWindowTest::showsTheAccountAtSignIn()
{
    QML::MainWindow* window = main();
    // Windows and pop-ups open on the screen of the window the user works in.
    QCOMPARE(Utils::WindowManager::mainWindow(), static_cast<QWidget*>(window));
    QTRY_VERIFY(item("contact_Bob Lindqvist"));
    QTRY_VERIFY(item("contact_Chiara Rossi")->isVisible());
    QCOMPARE(window->activeView(), QString("contactsView"));
    QVERIFY(click("historyViewButton"));
    QCOMPARE(window->activeView(), QString("historyView"));
    QTRY_VERIFY(window->historySelectionModel()->rowCount() > 0);
    QVERIFY(click("historyTab2"));
    QTRY_VERIFY(window->historySelectionModel()->rowCount() > 0);
    QCOMPARE(window->getTimelineFilterFlag(), 2);
    QTRY_VERIFY(window->isXmppConnected());
    QVERIFY(click("roomsViewButton"));
    QCOMPARE(window->activeView(), QString("roomsView"));
    QTRY_VERIFY(item("room_Design Reviews"));
    QVERIFY(click("dialpadViewButton"));
    QVERIFY(item("dialpadKey5")->isVisible());
    QVERIFY(click("contactsViewButton"));
    QCOMPARE(window->activeView(), QString("contactsView"));
}

void MainWindowTest::shortcutsFollowTheSettings()
{
    QML::MainWindow* window = main();
    QStringList keys;
    for (const QShortcut* shortcut : window->findChildren<QShortcut*>())
        keys.append(shortcut->key().toString());
    // Crashing on purpose is for those who switched it on.
    QVERIFY(!keys.contains("Ctrl+Shift+F10"));
    QVERIFY(keys.contains("Ctrl+Shift+N"));
    QVERIFY(keys.contains("Ctrl+Shift+X"));
    QSignalSpy debug(window, &QML::MainWindow::showSessionDebugWindow);
    QVERIFY(SceneItems::takeKeyboard(window, window->view()));
    QTest::keyClick(window->view(), Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_COMPARE(debug.count(), 1);
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget != window && widget->isVisible() && widget->windowTitle().contains("Debug"))
            widget->close();
    }
}

void MainWindowTest::typingSearchesOncePerPause()
{
    QML::MainWindow* window = main();
    QSignalSpy searching(window, &QML::MainWindow::searchingChanged);
    for (const char* text : {"B", "Bo", "Bob"})
        window->searchTextChanged(text);
    QVERIFY(window->isSearchPending());
    QVERIFY(!window->isSearching());
    QTRY_VERIFY_WITH_TIMEOUT(window->isSearching(), 3000);
    QTest::qWait(200);
    QCOMPARE(searching.count(), 1);
    // Emptied, the list is back at once.
    window->searchTextChanged(QString());
    QVERIFY(!window->isSearchPending());
    QVERIFY(!window->isSearching());
}

void MainWindowTest::searchTextIsTextNotAPattern_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("number with plus") << "+15550101" << QStringList{"Bob Lindqvist"};
    QTest::newRow("bracket") << "(" << QStringList();
    QTest::newRow("pattern characters") << "Bob.*" << QStringList();
    QTest::newRow("name part") << "ross" << QStringList{"Chiara Rossi"};
}

void MainWindowTest::searchTextIsTextNotAPattern()
{
    QFETCH(QString, text);
    QFETCH(QStringList, found);
    QML::MainWindow* window = main();
    window->searchTextChanged(text);
    window->searchTextChangedDelayed();
    QStringList shown;
    Kivo::Models::SelectionHandler* model = window->contactSelectionModel();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (const auto* contact = qobject_cast<Kivo::Contacts::IContact*>(model->objectAt(row)); contact && contact->isStored())
            shown.append(contact->getDisplayName());
    }
    QCOMPARE(shown, found);
    window->searchTextChanged(QString());
}

void MainWindowTest::doubleClickOnAContactCalls()
{
    QML::MainWindow* window = main();
    QSignalSpy placed(&service(), &Kivo::Simulation::Service::outgoingCall);
    QQuickItem* row = item("contact_Dev Patel");
    QVERIFY(row && SceneItems::waitUntilClickable(window->view(), row));
    const QPoint centre = row->mapToScene(QPointF(row->width() * 0.7, row->height() / 2)).toPoint();
    QTest::mouseDClick(window->view(), Qt::LeftButton, Qt::NoModifier, centre);
    // The second press of a double click is released as well.
    QTest::mouseRelease(window->view(), Qt::LeftButton, Qt::NoModifier, centre);
    QTRY_COMPARE(placed.count(), 1);
    QTRY_COMPARE(window->activeCommsModel()->rowCount(), 1);
    QTRY_VERIFY(item("activeComm0") && item("activeComm0")->isVisible());
    endConversations();
}

void MainWindowTest::ctrlKeepsTheContactSelection()
{
    QML::MainWindow* window = main();
    CommunicationSession* bob = call("Bob Lindqvist");
    QVERIFY(bob);
    auto* contacts = window->findChild<Utils::ContactSelectionHandler*>();

    struct Case { Qt::KeyboardModifiers modifiers; bool contactsKept; };
    for (const Case& c : {Case{Qt::NoModifier, false}, Case{Qt::ControlModifier, true}}) {
        selectContacts({"Chiara Rossi"});
        window->historySelectionModel()->selectionModel()->select(window->historySelectionModel()->index(0, 0),
                                                                   QItemSelectionModel::Select);
        QTRY_VERIFY(activeRow(bob));
        QTest::qWait(300);
        QVERIFY(!window->activeSelectionModel()->selectionModel()->hasSelection());
        QQuickItem* row = activeRow(bob);
        QVERIFY(SceneItems::waitUntilClickable(window->view(), row));
        QTest::mouseClick(window->view(), Qt::LeftButton, c.modifiers,
                          row->mapToScene(QPointF(20, row->height() / 2)).toPoint());

        QCOMPARE(!contacts->selection().isEmpty(), c.contactsKept);
        QVERIFY(!window->historySelectionModel()->selectionModel()->hasSelection());
        QCOMPARE(window->activeSources()->sources(), QList<QObject*>{bob});
        QCOMPARE(!window->contactSources()->sources().isEmpty(), c.contactsKept);
        window->findChild<Utils::ActiveSelectionHandler*>()->clearSelection();
    }
    endConversations();
}

void MainWindowTest::dialpadViewRules()
{
    QML::MainWindow* window = main();
    CommunicationSession* bob = call("Bob Lindqvist");
    QVERIFY(bob);
    bob->getCall()->close();
    QTRY_VERIFY(!window->findChild<Kivo::Models::ActiveCommsModel*>()->hasCall());
    endConversations();

    auto* filter = qobject_cast<Kivo::Models::ActiveCommsFilter*>(window->activeCommsFilter());
    QVERIFY(filter->getOpen());
    window->dialpadTextChanged("123");
    QSignalSpy resent(window, &QML::MainWindow::dialpadText);
    QVERIFY(click("dialpadViewButton"));
    QVERIFY(!filter->getOpen());
    QCOMPARE(resent.count(), 1);
    QCOMPARE(resent.first().first().toString(), QString("123"));
    // The typed number is what the call buttons call.
    QVERIFY(window->contactSources()->sources().size() == 1);

    // Enter on an empty field brings back the last number dialled, without calling.
    QQuickItem* field = item("dialpadField");
    field->setProperty("text", QString());
    QSignalSpy placed(&service(), &Kivo::Simulation::Service::outgoingCall);
    QVERIFY(SceneItems::takeKeyboard(window, window->view()));
    field->forceActiveFocus();
    QTest::keyClick(window->view(), Qt::Key_Return);
    QVERIFY(!window->lastDialedNumber().isEmpty());
    QCOMPARE(field->property("text").toString(), window->lastDialedNumber());
    QTest::qWait(100);
    QCOMPARE(placed.count(), 0);

    field->setProperty("text", QString());
    QVERIFY(click("contactsViewButton"));
    QVERIFY(filter->getOpen());
}

void MainWindowTest::enteringHistoryKeepsTheMissedCalls()
{
    QML::MainWindow* window = main();
    QVERIFY(click("contactsViewButton"));
    window->showHistoryOf(1);
    missACall("+15550188");
    const int missed = window->timeline()->missedCallCount();

    // Looking at the calls leaves them new; leaving the history marks them seen.
    QVERIFY(click("historyViewButton"));
    QTRY_COMPARE(window->activeView(), QString("historyView"));
    QCOMPARE(window->timeline()->missedCallCount(), missed);
    QVERIFY(click("contactsViewButton"));
    QTRY_COMPARE(window->activeView(), QString("contactsView"));
    QCOMPARE(window->timeline()->missedCallCount(), 0);
}

void MainWindowTest::historyMenuMarksWhatItNames()
{
    QML::MainWindow* window = main();
    Kivo::Models::Timeline* timeline = window->timeline();
    QVERIFY(click("contactsViewButton"));
    // Chats are what is new now: the calls stay as they are.
    window->showHistoryOf(0);
    missACall("+15550189");
    QVERIFY(Kivo::Simulation::Control(Kivo::Simulation::Service::shared())
                .injectChatMessage("bob@demo.telvarion.net", "Are you there?"));
    QTRY_VERIFY(timeline->missedChatCount() > 0);
    endConversations();
    const int calls = timeline->missedCallCount();
    QVERIFY(chooseFromMenuOf("historyViewButton", "Mark Chats as Viewed"));
    QTRY_COMPARE(timeline->missedChatCount(), 0);
    QCOMPARE(timeline->missedCallCount(), calls);
    // The right click opened a menu and left the view alone.
    QCOMPARE(window->activeView(), QString("contactsView"));

    QVERIFY(timeline->unreadVoiceMailCount() > 0);
    const int voiceMails = timeline->unreadVoiceMailCount();
    QVERIFY(chooseFromMenuOf("historyViewButton", "Mark Calls as Viewed"));
    QTRY_COMPARE(timeline->missedCallCount(), 0);
    QCOMPARE(timeline->unreadVoiceMailCount(), voiceMails);
    QVERIFY(chooseFromMenuOf("historyViewButton", "Mark Voicemails as Viewed"));
    QTRY_COMPARE(timeline->unreadVoiceMailCount(), 0);
}

void MainWindowTest::showOfflineContactsFromTheContactsMenu()
{
    QML::MainWindow* window = main();
    Kivo::Models::Groups* groups = m_App.session()->contactsManager()->groupsModel();
    QAction* entry = m_App.menuActionProvider()->action(Constants::MenuAction::ShowOfflineContacts);
    QVERIFY(window->showOfflineContacts());
    QCOMPARE(groups->filter(), int(Kivo::Models::Groups::AllContacts));

    // The contacts menu's entry is checked while offline contacts show; choosing it hides them.
    QVERIFY(chooseFromMenuOf("contactsViewButton", "Show Offline Contacts"));
    QTRY_VERIFY(!window->showOfflineContacts());
    QCOMPARE(groups->filter(), int(Kivo::Models::Groups::OnlineContacts));
    QCOMPARE(Kivo::Settings(Kivo::Settings::UserSettings).value(SettingsKey::ContactListShowOfflineContacts).toBool(),
             false);
    QVERIFY(!entry->isChecked());
    QVERIFY(chooseFromMenuOf("contactsViewButton", "Show Offline Contacts"));
    QTRY_VERIFY(window->showOfflineContacts());
    QCOMPARE(groups->filter(), int(Kivo::Models::Groups::AllContacts));
    QCOMPARE(Kivo::Settings(Kivo::Settings::UserSettings).value(SettingsKey::ContactListShowOfflineContacts).toBool(),
             true);
    QVERIFY(entry->isChecked());
}

void MainWindowTest::myRoomMenuCopiesAndResetsTheGuestLink()
{
    main();
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    QTRY_VERIFY(item("roomsViewButton")->opacity() == 1);
    QTRY_VERIFY(m_App.menuActionProvider()->action(Constants::MenuAction::CopyGuestJoinLink)->isEnabled());
    QVERIFY(chooseFromMenuOf("roomsViewButton", "Copy Guest Join Link"));
    QTRY_VERIFY(!clipboard->text().isEmpty());
    const QString link = clipboard->text();
    // Only the link: an invitation is the other entry's.
    QVERIFY2(!link.contains('\n') && !link.contains(' '), qPrintable(link));

    // A reset ends that link; the next copy gives a new one.
    QTRY_VERIFY(m_App.menuActionProvider()->action(Constants::MenuAction::ResetGuestJoinLink)->isEnabled());
    QVERIFY(chooseFromMenuOf("roomsViewButton", "Reset Guest Join Link"));
    clipboard->clear();
    QTRY_VERIFY(m_App.menuActionProvider()->action(Constants::MenuAction::CopyGuestJoinLink)->isEnabled());
    QVERIFY(chooseFromMenuOf("roomsViewButton", "Copy Guest Join Link"));
    QTRY_VERIFY(!clipboard->text().isEmpty());
    QVERIFY(clipboard->text() != link);
}

void MainWindowTest::callSettingsButtonOpensTheServicesPage()
{
    main();
    QTRY_VERIFY(item("callSettingsButton") && item("callSettingsButton")->isVisible());
    QVERIFY(click("callSettingsButton"));
    QMenu* menu = nullptr;
    QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())));
    QAction* forwarding = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text() == "Call Forwarding")
            forwarding = action;
    }
    QVERIFY(forwarding && forwarding->menu());
    // "Configure" of the forwarding opens the call settings on their forwarding page.
    QAction* configure = forwarding->menu()->actions().last();
    QCOMPARE(configure->text(), QString("Configure"));
    menu->close();
    configure->trigger();
    QPointer<QML::CallSettings> window;
    QTRY_VERIFY((window = main()->services()->callSettings()) && window->isVisible());
    QTRY_COMPARE(window->currentPage(), QString("callForwarding"));
    window->close();
    QTRY_VERIFY(!window);
}

void MainWindowTest::addGroupTakesNoNameWhileOffline()
{
    QML::MainWindow* window = main();
    QTRY_VERIFY(window->isXmppConnected());
    QVERIFY(click("addButton"));
    QMenu* menu = nullptr;
    QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())));
    for (QAction* action : menu->actions()) {
        if (action->text() == "Add Group")
            QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(action).center());
    }
    QPointer<Widgets::GroupNameInput> dialog;
    QTRY_VERIFY((dialog = TestSupport::shownWindows<Widgets::GroupNameInput>().value(0)));
    auto* name = dialog->findChild<QLineEdit*>("nameEdit");
    QPushButton* ok = dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok);
    QTest::keyClicks(name, "Later");
    QVERIFY(ok->isEnabled());

    // Without the chat service the group cannot be stored: OK waits for it to come back.
    Kivo::Simulation::Control control(Kivo::Simulation::Service::shared());
    QVERIFY(control.injectLinkLost(Kivo::Simulation::Service::ChatLink));
    QTRY_VERIFY(!window->isXmppConnected());
    QVERIFY(!ok->isEnabled());
    QTest::keyClick(name, Qt::Key_Return);
    QVERIFY(dialog);
    QVERIFY(control.injectLinkRestored(Kivo::Simulation::Service::ChatLink));
    QTRY_VERIFY(ok->isEnabled());
    dialog->close();
    QTRY_VERIFY(!dialog);
}

void MainWindowTest::historyFilterRules()
{
    QML::MainWindow* window = main();
    Kivo::Models::Timeline* timeline = window->timeline();
    QSignalSpy fetches(window, &QML::MainWindow::fetchCallLogs);
    window->showHistoryOf(1);
    window->showHistoryOf(1);
    // Every choice of the calls fetches them again.
    QCOMPARE(fetches.count(), 2);
    QCOMPARE(Kivo::Settings(Kivo::Settings::UserSettings).value(SettingsKey::TimelineFilterFlag).toString(),
             QString("calls"));
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    window->showHistoryOf(0);
    QVERIFY(timeline->lastCallLogsVisitedTime() >= before);
    QCOMPARE(timeline->missedCallCount(), 0);
    QCOMPARE(Kivo::Settings(Kivo::Settings::UserSettings).value(SettingsKey::TimelineFilterFlag).toString(),
             QString("chat"));
    const QDateTime visited = timeline->lastCallLogsVisitedTime();
    QTest::qWait(20);
    window->showHistoryOf(2);
    QCOMPARE(timeline->lastCallLogsVisitedTime(), visited);
    QCOMPARE(fetches.count(), 2);
}

void MainWindowTest::deleteKeyDeletesOnlyVoiceMails()
{
    QML::MainWindow* window = main();
    // Each visit of the calls fetches the call log anew, and the list is made anew when the
    // answer comes: an entry is clicked only once every request has its answer.
    QSignalSpy fetches(window, &QML::MainWindow::fetchCallLogs);
    QSignalSpy answers(&service(), &Kivo::Simulation::Service::callLogReceived);
    QVERIFY(click("historyViewButton"));
    Kivo::Models::SelectionHandler* history = window->historySelectionModel();

    // In the calls, Delete asks nothing and deletes nothing.
    QVERIFY(click("historyTab1"));
    QTRY_VERIFY_WITH_TIMEOUT(fetches.count() > 0 && answers.count() >= fetches.count(), 30000);
    QTRY_VERIFY(history->rowCount() > 0);
    QTRY_VERIFY(item("historyEntry0") && item("historyEntry0")->isVisible());
    QVERIFY(click("historyEntry0"));
    QVERIFY(history->selectionModel()->hasSelection());
    const int entries = window->timeline()->rowCount();
    QVERIFY(SceneItems::takeKeyboard(window, window->view()));
    QTest::keyClick(window->view(), Qt::Key_Delete);
    QTest::qWait(100);
    QVERIFY(!shownMessage());
    QCOMPARE(window->timeline()->rowCount(), entries);

    // In the voice mails it asks, and Yes deletes the one selected.
    QVERIFY(click("historyTab2"));
    QTRY_VERIFY(history->rowCount() > 0);
    const int voiceMails = history->rowCount();
    QTRY_VERIFY(item("historyEntry0") && item("historyEntry0")->isVisible());
    QVERIFY(click("historyEntry0"));
    QVERIFY(SceneItems::takeKeyboard(window, window->view()));
    QTest::keyClick(window->view(), Qt::Key_Delete);
    QTRY_VERIFY(shownMessage());
    Dialogs::MessageWindow* question = shownMessage();
    QVERIFY(messageText(question).contains("Are you sure you want to delete this message?"));
    // Deleting is never the answer a stray Return gives.
    auto* buttons = question->findChild<QDialogButtonBox*>();
    QVERIFY(buttons);
    QCOMPARE(question->focusWidget(), buttons->button(QDialogButtonBox::No));
    QVERIFY(answer(question, "Yes"));
    QTRY_COMPARE(history->rowCount(), voiceMails - 1);
    QVERIFY(click("contactsViewButton"));
}

void MainWindowTest::historyRowsDrawTheirKindAsIcons()
{
    QML::MainWindow* window = main();
    QVERIFY(click("historyViewButton"));
    // The image a row should show, by what its entry is.
    const auto expected = [](const QObject* entry) {
        if (entry->property("type").toInt() == Kivo::Models::TimelineEntry::VoiceMail)
            return QStringList{"vm_audio.png", "vm_video.png"}.value(entry->property("subType").toInt(), "vm_fax.png");
        if (entry->property("direction").toInt() != 1)
            return QString("history_outgoing.png");
        // Only a call is missed; a chat shows its direction alone.
        const bool missed = entry->property("type").toInt() == Kivo::Models::TimelineEntry::Call
                            && entry->property("missed").toBool();
        return QString(missed ? "history_missed.png" : "history_incoming.png");
    };
    QSet<QString> seen;
    for (const char* tab : {"historyTab1", "historyTab0", "historyTab2"}) {
        QVERIFY(click(tab));
        QTRY_VERIFY(window->historySelectionModel()->rowCount() > 0);
        QTRY_VERIFY(item("historyEntry0") && item("historyEntry0")->isVisible());
        for (int index = 0; QQuickItem* row = SceneItems::named(window->view()->rootObject(),
                                                                  QString("historyEntry%1").arg(index)); ++index) {
            const auto* entry = row->property("entry").value<QObject*>();
            QVERIFY(entry);
            // Drawn from the resources, never a character standing in for a picture.
            for (const char* name : {"historyDirection", "historyStatusButton"}) {
                QQuickItem* image = SceneItems::find(SceneItems::named(row, name), [](QQuickItem* candidate) {
                    return candidate->inherits("QQuickImage");
                });
                QVERIFY2(image, name);
                QTRY_COMPARE(image->property("status").toInt(), 1); // Image.Ready
            }
            const QString source = SceneItems::named(row, "historyDirection")->property("source").toUrl().toString();
            QVERIFY2(source.endsWith("/" + expected(entry)), qPrintable(source));
            seen.insert(source.section('/', -1));
        }
    }
    // The demo's history has calls both ways, missed ones and voice mails.
    for (const char* file : {"history_incoming.png", "history_outgoing.png", "history_missed.png", "vm_audio.png"})
        QVERIFY2(seen.contains(file), qPrintable(QStringList(seen.values()).join(", ")));
    QVERIFY(click("contactsViewButton"));
}

void MainWindowTest::removingTakesOnlyTheNamedContacts()
{
    QML::MainWindow* window = main();
    auto* handler = window->findChild<Utils::ContactSelectionHandler*>();
    selectContacts({"Front Desk"});
    // While the question waits, the selection moves on; the answer is about the contact named.
    QString asked;
    TestSupport::answerWhenShown<Dialogs::MessageWindow>([&](Dialogs::MessageWindow* question) {
        asked = messageText(question);
        selectContacts({"Eun-ji Park"});
        answer(question, "Yes");
    });
    window->triggerDeleteAction(Qt::Key_Delete);
    QVERIFY(asked.contains("Are you sure you want to remove Front Desk from your contact list?"));
    QTRY_VERIFY(!contactNamed("Front Desk"));
    QTest::qWait(200);
    QVERIFY(contactNamed("Eun-ji Park"));
    handler->clearSelection();
    // Nothing selected: no question.
    window->removeContactsTriggered();
    QVERIFY(!shownMessage());
}

void MainWindowTest::addContactForAnExistingContact()
{
    QML::MainWindow* window = main();
    // A directory's match of someone already in the list, as the list shows it.
    Kivo::Contacts::IContact* match = m_App.session()->contactsManager()->createTemporaryContact(this);
    match->setProperty(Kivo::Contacts::Properties::DisplayName, "Chiara R.");
    match->setProperty(Kivo::Contacts::Properties::Address, "chiara@demo.telvarion.net");
    QStandardItemModel directory;
    auto* row = new QStandardItem("Chiara R.");
    row->setData(QVariant::fromValue<QObject*>(match), Kivo::Models::Roles::Contact);
    directory.appendRow(row);
    Kivo::Models::SelectionHandler* model = window->contactSelectionModel();
    QAbstractItemModel* list = model->sourceModel();
    model->setSourceModel(&directory);
    auto* handler = window->findChild<Utils::ContactSelectionHandler*>();
    handler->select(0, 0);
    window->addContactTriggered();
    QTRY_VERIFY(shownMessage());
    QCOMPARE(shownMessage()->windowTitle(), QString("Contact Already Exists"));
    QVERIFY(messageText(shownMessage()).contains("under display name Chiara Rossi"));
    shownMessage()->close();
    handler->clearSelection();
    model->setSourceModel(list);
}

void MainWindowTest::alwaysOnTopTwiceIsUnchanged()
{
    QML::MainWindow* window = main();
    QAction* action = m_App.menuActionProvider()->action(Constants::MenuAction::AlwaysOnTop);
    const bool before = Kivo::Settings(Kivo::Settings::UserSettings).value(SettingsKey::MainWindowAlwaysOnTop, false).toBool();
    window->alwaysOnTopTriggered();
    QCOMPARE(Kivo::Settings(Kivo::Settings::UserSettings).value(SettingsKey::MainWindowAlwaysOnTop).toBool(), !before);
    QCOMPARE(action->isChecked(), !before);
    QCOMPARE(bool(window->windowFlags() & Qt::WindowStaysOnTopHint), !before);
    window->alwaysOnTopTriggered();
    QCOMPARE(Kivo::Settings(Kivo::Settings::UserSettings).value(SettingsKey::MainWindowAlwaysOnTop).toBool(), before);
    QCOMPARE(action->isChecked(), before);
    QTRY_VERIFY(main()->isVisible() || (main()->show(), true));
}

void MainWindowTest::minimumSizeFollowsTheConfiguration_data()
{
    QTest::addColumn<bool>("banner");
    QTest::addColumn<QSize>("minimum");
    QTest::newRow("plain") << false << QSize(245, 425);
    QTest::newRow("with banner") << true << QSize(245, 425 + 60);
}

void MainWindowTest::minimumSizeFollowsTheConfiguration()
{
    QFETCH(bool, banner);
    QFETCH(QSize, minimum);
    QML::MainWindow* window = main();
    const ConfigPatch patch(m_App.client()->getConfigContainer()->currentConfig(),
                            {{Constants::ConfigItem::BannerEnabled, banner}, {Constants::ConfigItem::BannerHeight, 60}});
    QCOMPARE(window->minimumWindowSize(), minimum);
    QCOMPARE(window->maximumWindowSize().width(), 400);
    // A change of the desktop's size applies the limits again: the tallest is the desktop's height.
    window->setMaximumSize(400, 100);
    QVERIFY(QMetaObject::invokeMethod(&m_App, "screenResized", Q_ARG(int, 0)));
    QCOMPARE(window->minimumSize(), minimum);
    QCOMPARE(window->maximumHeight(), QApplication::desktop()->height());
}

void MainWindowTest::closingHides()
{
    QPointer<QML::MainWindow> window = main();
    window->close();
    QVERIFY(window);
    QVERIFY(!window->isVisible());
    QVERIFY(m_App.session());
    window->showAndActivate();
    QTRY_VERIFY(window->isVisible());
}

void MainWindowTest::dropRules()
{
    QML::MainWindow* window = main();
    CommunicationSession* bob = call("Bob Lindqvist");
    QVERIFY(bob);
    CommunicationSession* chiara = call("Chiara Rossi");
    QVERIFY(chiara);
    Kivo::Controllers::CommsSessionController* comms = m_App.session()->commsSessionController();
    const QString bobId = QString::number(contactNamed("Bob Lindqvist")->getId());
    const QString devId = QString::number(contactNamed("Dev Patel")->getId());

    Utils::ActiveCommsDragDropHandler* handler = window->dragDropHandler();
    // A conversation dropped on itself goes nowhere.
    QVERIFY(!handler->checkDropAllowed(bob, bobId, false));
    QVERIFY(handler->checkDropAllowed(chiara, devId, true));
    QVERIFY(!handler->checkDropAllowed(nullptr, devId, true));
    QVERIFY(!handler->checkDropAllowed(chiara, QString(), true));

    // Whether a drop of one call on another offers a transfer is the configuration's.
    for (const bool transfer : {false, true}) {
        Utils::ActiveCommsDragDropHandler local(comms, m_App.session()->contactsManager(), transfer);
        local.handleDropOnActiveComm(chiara, bobId, false);
        QTRY_VERIFY(local.openQuestion());
        const QString title = local.openQuestion()->windowTitle();
        QCOMPARE(title.contains("Transfer"), transfer);
        local.openQuestion()->close();
    }
    endConversations();
}

void MainWindowTest::geometryRestore_data()
{
    QTest::addColumn<QRect>("saved");
    QTest::addColumn<bool>("moved");
    QTest::addColumn<bool>("resized");
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QTest::newRow("inside") << QRect(screen.left() + 40, screen.top() + 30, 300, 450) << true << true;
    // Where a new window is anyway: only the size changes.
    QTest::newRow("at 0,0: resized") << QRect(0, 0, 310, 460) << true << true;
    QTest::newRow("partly off-screen") << QRect(screen.right() - 100, screen.top() + 10, 300, 450) << false << false;
}

void MainWindowTest::geometryRestore()
{
    QFETCH(QRect, saved);
    QFETCH(bool, moved);
    QFETCH(bool, resized);
    main();
    signOut();
    Kivo::Settings application(Kivo::Settings::ApplicationSettings);
    application.setValue(SettingsKey::MainWindowPosX, saved.x());
    application.setValue(SettingsKey::MainWindowPosY, saved.y());
    application.setValue(SettingsKey::MainWindowSizeW, saved.width());
    application.setValue(SettingsKey::MainWindowSizeH, saved.height());
    application.sync();
    QML::MainWindow* window = main();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(screen.intersects(window->frameGeometry()), qPrintable(QString("%1,%2").arg(window->x()).arg(window->y())));
    QCOMPARE(window->pos() == saved.topLeft(), moved);
    QCOMPARE(window->size() == saved.size(), resized);
}

int main(int argc, char** argv)
{
    return TestSupport::execApplicationTest<MainWindowTest>(argc, argv);
}

// A voice mail that the service will not delete, or not mark read, is reported once each,
// under "Action failed".
void MainWindowTest::voiceMailFailuresAreReported()
{
    QML::MainWindow* window = main();
    Kivo::Models::Timeline* timeline = window->timeline();
    Kivo::Simulation::Service& service = Kivo::Simulation::Service::shared();
    Kivo::Simulation::Control control(service);
    // A message nobody listened to yet.
    QVERIFY(!control.injectVoiceMail("+15550123", Kivo::Simulation::VoiceMailKind::Audio, 12).isEmpty());
    QTRY_VERIFY(timeline->unreadVoiceMailCount() > 0);
    QString mailId;
    for (int row = 0; row < timeline->rowCount() && mailId.isEmpty(); ++row) {
        const auto* entry = timeline->index(row).data(Kivo::Models::Timeline::EntryRole).value<Kivo::Models::TimelineEntry*>();
        if (entry && entry->getType() == Kivo::Models::TimelineEntry::VoiceMail)
            mailId = entry->getEntryId();
    }
    QVERIFY(!mailId.isEmpty());
    QVERIFY(control.injectLinkLost(Kivo::Simulation::Service::ServerLink));
    QTRY_VERIFY(!service.isLinkUp(Kivo::Simulation::Service::ServerLink));

    timeline->deleteVoiceMail(mailId);
    timeline->deleteVoiceMail(mailId);
    QTRY_VERIFY(shownMessage());
    Dialogs::MessageWindow* failure = shownMessage();
    QCOMPARE(failure->windowTitle(), QString("Action failed"));
    QVERIFY(messageText(failure).contains(
        "Unable to delete selected message(s). Please try again later or contact your administrator."));
    // Both refusals come to one message.
    int shown = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        shown += qobject_cast<Dialogs::MessageWindow*>(widget) && widget->isVisible() ? 1 : 0;
    QCOMPARE(shown, 1);
    QVERIFY(timeline->entry(mailId));
    QVERIFY(answer(failure, "OK"));
    QTRY_VERIFY(!shownMessage());

    timeline->clearUnreadVoiceMails();
    QTRY_VERIFY(shownMessage());
    QVERIFY(messageText(shownMessage()).contains(
        "Unable to set selected state for message(s). Please try again later or contact your administrator."));
    QVERIFY(control.injectLinkRestored(Kivo::Simulation::Service::ServerLink));
    QTRY_VERIFY(service.isLinkUp(Kivo::Simulation::Service::ServerLink));
}

void MainWindowTest::historyRetrievalFailureShowsInTheBanner()
{
    QML::MainWindow* window = main();
    auto* banner = window->findChild<Models::ErrorInfoModel*>();
    QVERIFY(banner);
    const auto warns = [banner] {
        for (int row = 0; row < banner->rowCount(); ++row) {
            if (banner->index(row).data().toString() == "Error retrieving history")
                return true;
        }
        return false;
    };
    Kivo::Simulation::Service& service = Kivo::Simulation::Service::shared();
    Kivo::Simulation::Control control(service);
    QVERIFY(control.injectLinkLost(Kivo::Simulation::Service::ServerLink));
    QTRY_VERIFY(!service.isLinkUp(Kivo::Simulation::Service::ServerLink));
    // The calls tab asks for the call log again; the server interface does not answer.
    window->showHistoryOf(1);
    QTRY_VERIFY(warns());
    QTRY_VERIFY(SceneItems::withText(window->view()->rootObject(), "Error retrieving history"));
    QVERIFY(control.injectLinkRestored(Kivo::Simulation::Service::ServerLink));
    QTRY_VERIFY(service.isLinkUp(Kivo::Simulation::Service::ServerLink));
    window->showHistoryOf(1);
    QTRY_VERIFY(!warns());
    window->showHistoryOf(0);
}

void MainWindowTest::statusNoteIsTypedAndReturnNeverCalls()
{
    QML::MainWindow* window = main();
    Kivo::Simulation::Service& service = Kivo::Simulation::Service::shared();
    QTRY_VERIFY(window->isXmppConnected());
    selectContacts({"Bob Lindqvist"});
    QVERIFY(window->hasActionTarget());
    window->setOwnPresenceExpanded(true);
    QTRY_VERIFY(item("ownStatusNote") && item("ownStatusNote")->isVisible() && item("ownStatusNote")->height() > 0);
    QTRY_VERIFY(item("ownPresence")->height() > 60);
    QVERIFY(SceneItems::takeKeyboard(window, window->view()));
    QVERIFY(click("ownStatusNote"));
    QTRY_VERIFY(item("ownStatusNote")->hasActiveFocus());
    // A note of two lines pasted in becomes one line.
    QGuiApplication::clipboard()->setText("Out\nfor lunch");
    QTest::keyClick(window->view(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(item("ownStatusNote")->property("text").toString(), QString("Out for lunch"));
    QTest::keyClick(window->view(), Qt::Key_Return);
    QTRY_COMPARE(service.ownNote(), QString("Out for lunch"));
    QTRY_COMPARE(item("ownStatusNote")->property("text").toString(), QString("Out for lunch"));
    // Return published the note; it called nobody.
    QTest::qWait(200);
    QVERIFY(service.calls().isEmpty());
    QVERIFY(m_App.session()->commsSessionController()->commsList().isEmpty());

    // Without the chat service the note cannot change.
    Kivo::Simulation::Control control(service);
    QVERIFY(control.injectLinkLost(Kivo::Simulation::Service::ChatLink));
    QTRY_VERIFY(!window->isXmppConnected());
    QVERIFY(item("ownStatusNote")->property("readOnly").toBool());
    QVERIFY(control.injectLinkRestored(Kivo::Simulation::Service::ChatLink));
    QTRY_VERIFY(window->isXmppConnected());
    QVERIFY(!item("ownStatusNote")->property("readOnly").toBool());
    window->setOwnPresenceExpanded(false);
}

void MainWindowTest::draggingTheVolumeTakesTheMuteOff()
{
    QML::MainWindow* window = main();
    Providers::MediaVolumeHelper* volume = m_App.providerFactory()->mediaVolumeHelper();
    QVERIFY(volume);
    volume->setSystemVolume(20);
    volume->setSystemMute(true);
    QTRY_VERIFY(volume->systemMute());
    QQuickWidget* view = window->view();
    const QQuickItem* bar =
        SceneItems::waitForClickable(view, [view] { return SceneItems::named(view->rootObject(), "volumeBar"); });
    QVERIFY(bar);
    const QPoint from = bar->mapToScene(QPointF(bar->width() * 0.8, bar->height() / 2)).toPoint();
    const QPoint to = bar->mapToScene(QPointF(bar->width() * 0.5, bar->height() / 2)).toPoint();
    QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, from);
    for (int step = 1; step <= 5; ++step) {
        // A move with the button held, as the window system reports a drag.
        const QPoint at = from + (to - from) * step / 5;
        QMouseEvent move(QEvent::MouseMove, at, view->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view, &move);
    }
    // While the hand moves nothing is sent; once it rests, the volume it points at is.
    QCOMPARE(volume->systemVolume(), 20);
    QTRY_VERIFY2(qAbs(volume->systemVolume() - 50) <= 3, qPrintable(QString::number(volume->systemVolume())));
    QVERIFY(!volume->systemMute());
    QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, to);
    QVERIFY(qAbs(volume->systemVolume() - 50) <= 3);
    // The speaker mutes, and a muted slider says so.
    QVERIFY(click("volumeSpeaker"));
    QTRY_VERIFY(volume->systemMute());
    QVERIFY(item("mainVolume")->property("muted").toBool());
    QVERIFY(click("volumeSpeaker"));
    QTRY_VERIFY(!volume->systemMute());
}

void MainWindowTest::profilePhotosFollowTheMenuInEveryList()
{
    QML::MainWindow* window = main();
    QVERIFY(click("contactsViewButton"));
    QTRY_VERIFY(item("contact_Bob Lindqvist") && item("contact_Bob Lindqvist")->isVisible());
    const auto photoShown = [this] {
        QQuickItem* avatar = SceneItems::named(item("contact_Bob Lindqvist"), "contactAvatar");
        return avatar && avatar->property("showsPhoto").toBool();
    };
    QTRY_VERIFY(photoShown());
    // The hover card shows the same picture, with where Bob is and the time there.
    QML::ContactMouseOver* card = window->contactMouseOver();
    card->setContact(contactNamed("Bob Lindqvist"));
    QQuickItem* cardAvatar = SceneItems::named(card->rootObject(), "cardAvatar");
    QTRY_VERIFY(cardAvatar->property("showsPhoto").toBool());
    const QString location = SceneItems::named(card->rootObject(), "locationText")->property("text").toString();
    QVERIFY2(QRegularExpression("^Stockholm, SWEDEN \\d\\d:\\d\\d$").match(location).hasMatch(), qPrintable(location));

    // Unticked in the contacts menu, where a new user finds it ticked.
    QAction* photos = m_App.menuActionProvider()->action(Constants::MenuAction::ShowProfilePhotos);
    QVERIFY(chooseFromMenuOf("contactsViewButton", "Show Profile Photos"));
    QCOMPARE(photos->isChecked(), false);
    QTRY_VERIFY(!photoShown());
    QVERIFY(!cardAvatar->property("showsPhoto").toBool());
    QCOMPARE(Kivo::Settings(Kivo::Settings::UserSettings).value("contactlist/showProfilePhotos").toBool(), false);
    QVERIFY(chooseFromMenuOf("contactsViewButton", "Show Profile Photos"));
    QTRY_VERIFY(photoShown());
    QVERIFY(cardAvatar->property("showsPhoto").toBool());
    card->hide();
}

void MainWindowTest::teamTelephonyFollowsThePreferences()
{
    namespace Key = Constants::SettingsKey;
    QML::MainWindow* window = main();
    QPointer<QML::BlfWindow> team;
    QTRY_VERIFY((team = window->blfWindow()) && team->isVisible());
    auto* watcher = m_App.findChild<Preferences::Watcher*>();
    QVERIFY(watcher);
    // "Show window" unticked in the preferences: the window goes at once.
    Kivo::Settings(Kivo::Settings::UserSettings).setValue(Key::ShowTeamTelephonyWindow, false);
    watcher->changed();
    QTRY_VERIFY(!team->isVisible());
    Kivo::Settings(Kivo::Settings::UserSettings).setValue(Key::ShowTeamTelephonyWindow, true);
    watcher->changed();
    QTRY_VERIFY(team->isVisible());
}

void MainWindowTest::teamAlertWaitsForTheOwnRinger()
{
    QML::MainWindow* window = main();
    QPointer<QML::BlfWindow> team;
    QTRY_VERIFY((team = window->blfWindow()));
    Utils::BlfCallAlertHandler* alert = team->alertHandler();
    Kivo::Simulation::Control control(Kivo::Simulation::Service::shared());
    // The user's own call rings first: the team's line that rings then stays quiet.
    const int call = control.injectIncomingCall("+15550150");
    QVERIFY(call != 0);
    QTRY_VERIFY(window->activeCommsModel()->rowCount() > 0);
    QVERIFY(control.injectBlfLineState("bob@demo.telvarion.net", 3, "+15550177"));
    QTRY_VERIFY(team->isVisible());
    QTRY_COMPARE(contactNamed("Bob Lindqvist")->getBlfState(), Kivo::Contacts::IContact::BlfIncomingCall);
    QVERIFY(!alert->isAlertPlaying());
    // Once the own call stops ringing, the team's ring sounds.
    QVERIFY(control.injectRemoteHangUp(call));
    QTRY_VERIFY(alert->isAlertPlaying());
    QVERIFY(control.injectBlfLineState("bob@demo.telvarion.net", 2));
    QTRY_VERIFY(!alert->isAlertPlaying());
    Kivo::Settings(Kivo::Settings::UserSettings).setValue(Constants::SettingsKey::ShowTeamTelephonyWindow, true);
}

void MainWindowTest::voiceMailCountFollowsTheMailbox()
{
    QML::MainWindow* window = main();
    Kivo::Models::Timeline* timeline = window->timeline();
    Kivo::Simulation::Control control(Kivo::Simulation::Service::shared());
    QVERIFY(!control.injectVoiceMail("+15550124", Kivo::Simulation::VoiceMailKind::Audio, 20).isEmpty());
    QTRY_VERIFY(timeline->unreadVoiceMailCount() > 0);
    // What the mailbox announces matches the unread voice messages listed.
    QTRY_COMPARE(window->view()->rootObject()->property("voiceMailMessagesCount").toInt(),
                 timeline->unreadVoiceMailCount());
    QVERIFY(click("historyViewButton"));
    QVERIFY(click("historyTab2"));
    QTRY_COMPARE(item("voiceMailCount")->property("text").toString(),
                 QString("New messages: %1").arg(timeline->unreadVoiceMailCount()));
    QTRY_VERIFY(item("historyTabBadge2")->isVisible());
    QCOMPARE(item("historyTabBadge2")->property("count").toString(), QString::number(timeline->unreadVoiceMailCount()));
    QVERIFY(click("contactsViewButton"));
}

void MainWindowTest::roomsAreFetchedAgainWhenTheChatServiceReturns()
{
    QML::MainWindow* window = main();
    QTRY_VERIFY(window->isXmppConnected());
    Kivo::Models::ChatRoomsFilter* rooms = m_App.session()->xmppChatController()->getChatRoomsFilter();
    QVERIFY(rooms);
    QSignalSpy fetching(rooms, &Kivo::Models::ChatRoomsFilter::fetchingRoomsChanged);
    Kivo::Simulation::Control control(Kivo::Simulation::Service::shared());
    const auto reconnectChat = [&control, window] {
        QVERIFY(control.injectLinkLost(Kivo::Simulation::Service::ChatLink));
        QTRY_VERIFY(!window->isXmppConnected());
        QVERIFY(control.injectLinkRestored(Kivo::Simulation::Service::ChatLink));
        QTRY_VERIFY(window->isXmppConnected());
    };
    // Away from the rooms the list waits until it is shown.
    QVERIFY(click("contactsViewButton"));
    reconnectChat();
    QTest::qWait(100);
    QCOMPARE(fetching.count(), 0);
    // While the rooms show, the chat service's rooms are asked for again.
    QVERIFY(click("roomsViewButton"));
    QTRY_VERIFY(!rooms->isFetchingRooms());
    fetching.clear();
    reconnectChat();
    QTRY_VERIFY(!fetching.isEmpty());
    QTRY_VERIFY(item("room_Design Reviews"));
    QVERIFY(click("contactsViewButton"));
}

void MainWindowTest::webButtonShowsItsPageAndGivesWayWhenItFails()
{
    // A web button whose page shows in the window; nothing answers at its address.
    if (m_App.session()) {
        main()->signOut();
        QTRY_VERIFY(!m_App.session() && !m_App.mainWindow());
    }
    const ConfigPatch patch(m_App.client()->getConfigContainer()->currentConfig(),
                            {{QML::MainWindow::WebButtonItem, true},
                             {Kivo::Services::WebButtonHandler::LinkItem, "http://127.0.0.1:9/portal?user=%USER%"},
                             {Kivo::Services::WebButtonHandler::TargetMainItem, true}});
    QML::MainWindow* window = main();
    QVERIFY(window->webButtonHandler());
    QTRY_VERIFY(item("webButtonViewButton") && item("webButtonViewButton")->isVisible());
    QCOMPARE(item("webButtonViewButton")->opacity(), 1.0);
    QVERIFY(click("webButtonViewButton"));
    QCOMPARE(window->activeView(), QString("webButtonView"));
    QCOMPARE(window->webButtonUiHelper()->property("url").toString(),
             QString("http://127.0.0.1:9/portal?user=alice%40demo.telvarion.net"));
    // The page does not load: the button fails and the configured default view comes back.
    QTRY_VERIFY_WITH_TIMEOUT(window->activeView() == "contactsView", 20000);
    QCOMPARE(window->webButtonHandler()->property("error").toInt(), 2);
    QCOMPARE(window->leftpaneButtonsModel()->property("lastActiveView").toInt(), 0);
    QVERIFY(item("webButtonViewButton")->opacity() < 1);
    window->signOut();
    QTRY_VERIFY(!m_App.session() && !m_App.mainWindow());
}

void MainWindowTest::callBroughtForwardRaisesTheWindow_data()
{
    // Configuration item 81 on: an audio call shows its own window, and the main window stays
    // where it is.
    QTest::addColumn<bool>("ownWindowForCalls");
    QTest::newRow("calls without a window of their own") << false;
    QTest::newRow("calls in their own window") << true;
}

void MainWindowTest::callBroughtForwardRaisesTheWindow()
{
    QFETCH(bool, ownWindowForCalls);
    // The wiring is made when the window is: a session of its own under the configuration.
    if (m_App.session()) {
        main()->signOut();
        QTRY_VERIFY(!m_App.session() && !m_App.mainWindow());
    }
    const ConfigPatch patch(m_App.client()->getConfigContainer()->currentConfig(),
                            {{Constants::ConfigItem::ShowWindowForAudioOnlyCall, ownWindowForCalls}});
    QML::MainWindow* window = main();
    CommunicationSession* bob = call("Bob Lindqvist");
    QVERIFY(bob);
    // Another window of the program is the active one when the call is brought forward.
    QWidget other;
    other.show();
    other.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &other);
    m_App.session()->commsSessionController()->handleActivateSessionOfCall(Kivo::MediaEngine::Call(bob->getCall()));
    if (ownWindowForCalls) {
        // The call's own window may come forward; the main window does not.
        QTest::qWait(100);
        QVERIFY(QApplication::activeWindow() != window);
    } else {
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(window));
    }
    endConversations();
    window->signOut();
    QTRY_VERIFY(!m_App.session() && !m_App.mainWindow());
}

#include "tst_main_window.moc"
