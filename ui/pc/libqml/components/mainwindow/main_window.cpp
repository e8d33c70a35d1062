#include "libqml/components/mainwindow/main_window.h"
#include "libqml/components/blf_window/blf_window.h"

#include "Models/dialpad_buttons_model.h"
#include "Models/error_info_model.h"
#include "Models/left_pane_buttons_model.h"
#include "Models/timeline_tabs_model.h"
#include "Providers/config_xml.h"
#include "Providers/factory.h"
#include "Providers/menu_action_provider.h"
#include "Utils/active_comms_drag_drop_handler.h"
#include "Dialogs/message_window.h"
#include "Utils/active_selection_handler.h"
#include "Utils/badge_handler.h"
#include "Utils/communication_session_ui_helper.h"
#include "Utils/communications_window_manager.h"
#include "Utils/contact_selection_handler.h"
#include "Utils/call_settings_toolbar_helper.h"
#include "Utils/chat_room_actions.h"
#include "Utils/window_manager_chat_helper.h"
#include "Utils/qobject_language_change.h"
#include "Utils/main_window_services.h"
#include "Utils/menu_handler.h"
#include "Utils/myroom_helper.h"
#include "Utils/presence_helper.h"
#include "Utils/Search/search_manager.h"
#include "Utils/timeline_selection_handler.h"
#include "Utils/timeline_ui_helper.h"
#include "Utils/web_button_ui_helper.h"
#include "Providers/media_volume_helper.h"
#include "Utils/windowmanager.h"
#include "common/connect_check.h"
#include "common/constants.h"
#include "common/logging.h"
#include "libqml/components/contactmouseover/contact_mouse_over.h"
#include "libqml/items/focus_helper.h"
#include "libqml/web_module.h"
#include "libqml/window/qml_view.h"
#include "Providers/profile_picture_helper.h"
#include "Dialogs/file_dialog.h"
#include "Widgets/group_name_input.h"

#include <Kivo/Actions/Provider.h>
#include <Kivo/Actions/Source.h>
#include <Kivo/Client.h>
#include <Kivo/Configuration/Config.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Contacts/IGroup.h>
#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Controllers/ExecutiveHandler.h>
#include <Kivo/Controllers/GuestHelper.h>
#include <Kivo/Controllers/MessagesSource.h>
#include <Kivo/Controllers/XmppChatController.h>
#include <Kivo/MediaEngine/CallControllerBase.h>
#include <Kivo/Models/ActiveCommsFilter.h>
#include <Kivo/Models/ActiveCommsModel.h>
#include <Kivo/Models/ChatRoomsFilter.h>
#include <Kivo/Models/ContactGroupSortProxy.h>
#include <Kivo/Models/Groups.h>
#include <Kivo/Models/SearchGroups.h>
#include <Kivo/Models/SelectionHandler.h>
#include <Kivo/Models/Timeline.h>
#include <Kivo/Presence/PresenceData.h>
#include <Kivo/Models/TimelineFilter.h>
#include <Kivo/MyRoom/Controller.h>
#include <Kivo/Services/SessionServices.h>
#include <Kivo/Services/WebButtonHandler.h>
#include <Kivo/Services/Xmpp/XmppGuestHandler.h>
#include <Kivo/Presence/IPresenceController.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Settings.h>

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QMenu>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QShortcut>

#include <memory>

namespace QML {

namespace {

using Kivo::Actions::Action;
namespace MenuAction = Constants::MenuAction;
namespace SettingsKey = Constants::SettingsKey;

// The engine actions the main window's buttons offer for a selection or a typed number.
const QList<int> CommunicationActionIds = {Action::Chat,        Action::Call,        Action::CallFromPhone,
                                           Action::VideoCall,   Action::ViewProfile, Action::EditProfile};

QString activeLanguage()
{
    return Kivo::Settings(Kivo::Settings::ApplicationSettings)
        .value(SettingsKey::LanguageActive, QStringLiteral("en"))
        .toString();
}

} // namespace

MainWindow::MainWindow(Kivo::Client* client, Providers::Factory* factory, Providers::MenuActionProvider* menuActions,
                       Kivo::Databases::Comms* commsDatabase, Utils::CommunicationsWindowManager* windowManager,
                       bool alwaysOnTop)
    : Window(alwaysOnTop, nullptr)
    , m_Client(client)
    , m_MenuActions(menuActions)
    , m_Factory(factory)
    , m_CommsDatabase(commsDatabase)
    , m_WindowManager(windowManager)
    , m_Services(new Utils::MainWindowServices(client, factory, this))
{
    if (Kivo::Sessions::SessionManagerBase* session = client ? client->getSession() : nullptr) {
        m_Session = session;
        m_UserName = session->userName();
        m_DisplayName = session->objectName().isEmpty() ? m_UserName : session->objectName();
        m_Contacts = session->contactsManager();
    }
    m_SessionTexts = new Utils::CommunicationSessionUiHelper(m_Contacts, this);
    if (m_Contacts) {
        // The list arrives from the service after sign-in and changes while signed in.
        const Kivo::Contacts::Contacts* contacts = m_Contacts.data();
        connect(contacts, &Kivo::Contacts::Contacts::contactsLoaded, this, &MainWindow::updateContactNames);
        connect(contacts, &Kivo::Contacts::Contacts::contactAdded, this, &MainWindow::updateContactNames);
        connect(contacts, &Kivo::Contacts::Contacts::contactRemoved, this, &MainWindow::updateContactNames);
        // A search result the user added stays in the results, marked as added.
        connect(contacts, &Kivo::Contacts::Contacts::contactStored, this, [this](int temporaryId) {
            if (m_AddedContacts.contains(temporaryId))
                return;
            m_AddedContacts.append(temporaryId);
            emit addedContactsChanged();
        });
        m_ContactNames = m_Contacts->names();
        // The list's heading of the contacts in no group is the engine's text in our language.
        Utils::QObjectLanguageChange::registerObject(m_Contacts->groupsModel());
    }
    // The scene fills and shows the menu callAsExecutiveMenu() returns.
    qRegisterMetaType<QMenu*>();
    createShortcuts();
    setSuppressSystemMenu(true);
    m_ShowStatus = Kivo::Settings(Kivo::Settings::UserSettings).value(SettingsKey::ContactListShowPresenceStatus, false).toBool();
    m_OwnPresenceExpanded = configItem(ExtendedContactsItem)
                            && Kivo::Settings(Kivo::Settings::UserSettings)
                                   .value(SettingsKey::MainWindowOwnPresenceExpanded, false)
                                   .toBool();
    setTitle(QCoreApplication::applicationName());
    createWebButton();

    createActiveCommunications();
    if (m_WindowManager) {
        connect(this, SIGNAL(checkVoiceMails()), m_WindowManager, SLOT(checkVoiceMails()));
        connect(this, SIGNAL(primarySortFieldChanged()), m_WindowManager, SIGNAL(primarySortFieldChanged()));
        // The manager is set up before this window exists: a room the user just created
        // shows in this window's list of rooms.
        if (Utils::WindowManagerChatHelper* chats = m_WindowManager->getChatHelper())
            connect(chats, SIGNAL(projectRoomCreated()), this, SLOT(showRoomsList()), Qt::UniqueConnection);
    }
    if (client) {
        connect(client, &Kivo::Client::xmppConnectStateChanged, this, &MainWindow::onXmppConnectStateChanged);
    }
    createContactModels();
    createActions();
    createHistory();

    m_ErrorInfoModel = new Models::ErrorInfoModel(m_Session, factory ? factory->getWebcollabEnabler() : nullptr, this);
    if (factory && factory->getCommsSessionWatcherEnabler()) {
        CHECKED_CONNECT(factory->getCommsSessionWatcherEnabler(), SIGNAL(enable(const Kivo::Actions::Enabler*)),
                        m_ErrorInfoModel, SLOT(allowedToStartNewCommsSessionChanged()));
    }
    const Kivo::Configuration::Config* sessionConfig = m_Session ? m_Session->getConfig() : nullptr;
    m_LeftPaneButtons = new Models::LeftPaneButtonsModel(sessionConfig, this);
    m_LeftPaneButtonsSorted = new QSortFilterProxyModel(this);
    m_LeftPaneButtonsSorted->setSourceModel(m_LeftPaneButtons);
    m_LeftPaneButtonsSorted->setSortRole(Models::LeftPaneButtonsModel::PositionRole);
    m_LeftPaneButtonsSorted->sort(0, Qt::AscendingOrder);
    if (m_LeftPaneButtons->lastActiveView() == Models::LeftPaneButtonsModel::DirectoryButton && m_DirectoryGroups)
        setContactListSource(m_DirectoryGroups);

    connectMenuActions();
    createMenuHandler();
    connectGuestActions();
    m_CallSettingsToolbar = new Utils::CallSettingsToolbarHelper(m_Session, this);
    CHECKED_CONNECT(m_CallSettingsToolbar, SIGNAL(openCallSettings(Utils::CallSettingsPage)), m_Services,
                    SLOT(openCallSettings(Utils::CallSettingsPage)));
    m_Services->connectMenuActions(menuActions);
    m_Services->connectSession();
    if (factory)
        m_SessionTexts->setCallServicesEnabler(factory->getCallServicesEnabler());
    if (configItem(ExecutivesItem) && m_Contacts) {
        LOG_INFO << "Creating executives model";
        m_ExecutivesModel = m_Contacts->getModel(Kivo::Contacts::Contacts::Executives);
    }
    connectSessionEvents();

    m_SearchTimer.setSingleShot(true);
    m_SearchTimer.setInterval(SearchDelayMs);
    connect(&m_SearchTimer, &QTimer::timeout, this, &MainWindow::searchTextChangedDelayed);
    if (m_MenuHandler)
        connect(this, &Window::windowFrameIconClicked, m_MenuHandler, &Utils::MenuHandler::openApplicationMenu);
}

MainWindow::~MainWindow()
{
    Kivo::Settings application(Kivo::Settings::ApplicationSettings);
    application.setValue(SettingsKey::MainWindowPosX, pos().x());
    application.setValue(SettingsKey::MainWindowPosY, pos().y());
    application.setValue(SettingsKey::MainWindowSizeW, geometry().width());
    application.setValue(SettingsKey::MainWindowSizeH, geometry().height());
    Kivo::Settings(Kivo::Settings::UserSettings).setValue(SettingsKey::MainWindowOwnPresenceExpanded, m_OwnPresenceExpanded);
    if (m_SearchManager)
        m_SearchManager->clearSearch();
    delete m_GroupDialog.data();
    delete m_ContactMouseOver;
}

void MainWindow::createWebButton()
{
    if (!configItem(WebButtonItem))
        return;
    m_WebButtonHandler = new Kivo::Services::WebButtonHandler(m_Session, m_Client ? m_Client->getConfig() : nullptr,
                                                              m_Contacts, QStringLiteral("en"), this);
    m_WebButtonHandler->setActiveLanguage(activeLanguage());
    m_WebButtonUiHelper = new Utils::WebButtonUiHelper(m_WebButtonHandler, this);
    CHECKED_CONNECT(m_WebButtonUiHelper, SIGNAL(qomxLinkClicked(const QString&)), this,
                    SIGNAL(qomxLinkClicked(const QString&)));
}

void MainWindow::connectSessionEvents()
{
    Kivo::Services::SessionServices* services = m_Session ? m_Session->services() : nullptr;
    if (services && sessionConfigItem(Constants::ConfigItem::ProjectRoomsEnabled))
        CHECKED_CONNECT(services, SIGNAL(mucServerChanged(QString)), this, SLOT(clearAndFetchRooms()));
    Kivo::Controllers::CommsSessionController* comms = m_Session ? m_Session->commsSessionController() : nullptr;
    if (!comms)
        return;
    if (!configItem(Constants::ConfigItem::ShowWindowForAudioOnlyCall)) {
        LOG_TRACE << "Connect signaling for background activation.";
        CHECKED_CONNECT(comms, SIGNAL(handleBackgroundActivationChange()), this, SLOT(handleBackgroundActivation()));
    }
    CHECKED_CONNECT(comms, SIGNAL(droppedOnCommunication()), this, SLOT(clearSearchField()));
}

void MainWindow::connectGuestActions()
{
    // The guest join links of My Room: the menu actions only name the request, My Room
    // carries it out.
    Kivo::MyRoom::Controller* myRoom = m_Session ? m_Session->myroomController() : nullptr;
    if (!m_MenuActions || !myRoom || !m_Session->guestHandler())
        return;
    if (QAction* copy = m_MenuActions->action(MenuAction::CopyGuestJoinLink))
        connect(copy, &QAction::triggered, this, &MainWindow::copyGuestJoinLink);
    if (QAction* reset = m_MenuActions->action(MenuAction::ResetGuestJoinLink))
        CHECKED_CONNECT(reset, SIGNAL(triggered()), myRoom, SLOT(resetInvitation()));
}

void MainWindow::copyGuestJoinLink()
{
    Kivo::MyRoom::Controller* myRoom = m_Session ? m_Session->myroomController() : nullptr;
    Kivo::Services::Xmpp::XmppGuestHandler* guests = m_Session ? m_Session->guestHandler() : nullptr;
    if (!myRoom || !guests)
        return;
    // Only the answer to this request goes to the clipboard; an invitation's own request
    // copies the whole invitation.
    auto answer = std::make_shared<QMetaObject::Connection>();
    *answer = connect(guests, &Kivo::Services::Xmpp::XmppGuestHandler::invitationGenerated, this,
                      [answer](const QString&, const QString& link) {
                          QObject::disconnect(*answer);
                          if (link.isEmpty()) {
                              LOG_WARNING << "The room gave no guest link";
                              return;
                          }
                          QGuiApplication::clipboard()->setText(link, QClipboard::Clipboard);
                      });
    myRoom->copyInvitation();
}

void MainWindow::createShortcuts()
{
    if (Kivo::Settings(Kivo::Settings::ApplicationSettings).value(SettingsKey::CrashingEnabled, false).toBool()) {
        auto* crash = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F10), this);
        crash->setContext(Qt::ApplicationShortcut);
        // A deliberate crash, for checking the crash reports, is an abort the handler catches.
        connect(crash, &QShortcut::activated, this, [] {
            LOG_ERROR << "Crash asked for with Ctrl+Shift+F10";
            std::abort();
        });
    }
    auto* debug = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N), this);
    debug->setContext(Qt::ApplicationShortcut);
    connect(debug, &QShortcut::activated, this, &MainWindow::showSessionDebugWindow);
}

void MainWindow::createActiveCommunications()
{
    Kivo::Controllers::CommsSessionController* comms = m_Session ? m_Session->commsSessionController() : nullptr;
    m_ActiveCommsModel = new Kivo::Models::ActiveCommsModel(comms, this);
    m_ActiveCommsFilter = new Kivo::Models::ActiveCommsFilter(this);
    m_ActiveCommsFilter->setSourceModel(m_ActiveCommsModel);
    m_ActiveCommsFilter->sort(0, Qt::AscendingOrder);
    m_ActiveCommExpanded = m_ActiveCommsFilter->getOpen();
    m_ActiveModel = new Kivo::Models::SelectionHandler(m_ActiveCommsFilter, Kivo::Models::SelectionHandler::ActiveCommunicationItem, this);
    auto* selection = new QItemSelectionModel(m_ActiveModel, this);
    m_ActiveSelectionHandler = new Utils::ActiveSelectionHandler(m_ActiveModel, selection, this);
    connect(selection, &QItemSelectionModel::selectionChanged, this, &MainWindow::activeSelectionChanged);
    m_ActiveModel->setSelectionModel(selection);
    connect(m_ActiveCommsModel, &Kivo::Models::ActiveCommsModel::selectActiveSession, m_ActiveSelectionHandler,
            &Utils::ActiveSelectionHandler::activeSelectionSessionLookup);
    connect(this, &MainWindow::selectActiveSession, m_ActiveSelectionHandler,
            &Utils::ActiveSelectionHandler::activeSelectionSessionLookup);
}

void MainWindow::createContactModels()
{
    const Kivo::Configuration::Config* config = m_Client ? m_Client->getConfig() : nullptr;
    QAbstractItemModel* ownContacts = m_Contacts ? m_Contacts->getModel(3, true) : nullptr;
    m_OwnContactsFilter = new Kivo::Models::SearchFilter(ownContacts, this);
    m_OwnContactsFilter->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_OwnContactsGroups = new Kivo::Models::SearchGroups(config, this);
    m_OwnContactsGroup = m_OwnContactsGroups->addSearchModel(m_OwnContactsFilter);
    if (m_OwnContactsGroup)
        m_OwnContactsGroup->setName(tr("Own Contacts"));
    m_OwnContactsProxy = new Kivo::Models::ContactGroupSortProxy(m_OwnContactsGroups, this);
    m_OwnContactsProxy->sort(0, Qt::AscendingOrder);
    m_ContactListProxy = new Kivo::Models::ContactGroupSortProxy(m_Contacts ? m_Contacts->getModel(1) : nullptr, this);
    m_ContactListProxy->sort(0, Qt::AscendingOrder);

    if (QAbstractItemModel* online = m_Contacts ? m_Contacts->getModel(17) : nullptr) {
        connect(online, &QAbstractItemModel::rowsInserted, this, &MainWindow::onlineContactsCountChanged);
        connect(online, &QAbstractItemModel::rowsRemoved, this, &MainWindow::onlineContactsCountChanged);
    }

    m_ContactModel = new Kivo::Models::SelectionHandler(m_ContactListProxy, Kivo::Models::SelectionHandler::ContactItem, this);
    auto* selection = new QItemSelectionModel(m_ContactModel, this);
    m_ContactSelectionHandler = new Utils::ContactSelectionHandler(m_ContactModel, selection, m_Contacts, this);
    connect(selection, &QItemSelectionModel::selectionChanged, this, &MainWindow::contactSelectionChanged);
    m_ContactModel->setSelectionModel(selection);

    m_SearchManager = new Utils::Search::SearchManager(m_OwnContactsGroups, m_Session, this);
    if (QAbstractItemModel* directory = m_SearchManager->createEnterpriseSearch()) {
        m_DirectoryProxy = new Kivo::Models::ContactGroupSortProxy(directory, this);
        m_DirectoryProxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
        m_DirectoryProxy->sort(0, Qt::AscendingOrder);
        m_DirectoryGroups = new Kivo::Models::SearchGroups(config, this);
        m_DirectoryGroup = m_DirectoryGroups->addSearchModel(m_DirectoryProxy);
        if (m_DirectoryGroup) {
            m_DirectoryGroup->setName(tr("Directory"));
            connect(m_SearchManager, SIGNAL(enterpriseSearching(bool)), m_DirectoryGroup, SLOT(setSearching(bool)));
        }
    }
    m_FavoriteModel = m_Contacts ? m_Contacts->getModel(0x1003) : nullptr;
}

void MainWindow::createActions()
{
    m_ActiveSources = new Kivo::Actions::ActiveCommsSourceComposite({}, this);
    m_ContactSources = new Kivo::Actions::ContactSourceComposite({}, this);
    connect(m_ContactSources, &Kivo::Actions::SourceComposite::sourcesChanged, this, &MainWindow::actionTargetChanged);
    connect(m_ActiveSources, &Kivo::Actions::SourceComposite::sourcesChanged, this, &MainWindow::actionTargetChanged);
    m_ActionsProvider = m_Factory ? m_Factory->createActionsProvider(this, true) : new Kivo::Actions::Provider(this);
    m_ActionsProvider->setAcceptedActions(CommunicationActionIds, false);
    m_ActionsProvider->setActionSource(m_ContactSources);
    connect(m_ActionsProvider, SIGNAL(actionTriggered(Kivo::Actions::ActionData&, Kivo::Actions::Source&)), this,
            SLOT(commActionTriggered(Kivo::Actions::ActionData&)));
    if (m_Contacts) {
        m_NumberContact = m_Contacts->createTemporaryContact(this);
        m_NumberContact->setSearchResult(true);
    }
    m_DialpadButtons = new Models::DialpadButtonsModel(this);
    m_DialpadButtons->setSourceModel(m_ActionsProvider);
    m_DialpadButtons->sort(0, Qt::AscendingOrder);
}

void MainWindow::createHistory()
{
    const Kivo::Configuration::Config* sessionConfig = m_Session ? m_Session->getConfig() : nullptr;
    int voiceMailType = Kivo::Models::Timeline::NoVoiceMail;
    if (sessionConfigItem(Constants::ConfigItem::VisualVoiceMailEnabled))
        voiceMailType = sessionConfigItem(VoiceMailWithVideoItem) ? Kivo::Models::Timeline::VideoVoiceMail
                                                                   : Kivo::Models::Timeline::AudioVoiceMail;
    Kivo::MediaEngine::CallControllerBase* calls = m_Session ? m_Session->callController() : nullptr;
    m_Timeline = new Kivo::Models::Timeline(m_Contacts, m_CommsDatabase,
                                            m_Session ? m_Session->vyxCallHistoryController() : nullptr, calls,
                                            voiceMailType, sessionConfigItem(Constants::ConfigItem::CommsDatabase), this);
    // Voice mails play at the volume the user gives calls, and not while the output is mute.
    if (Providers::MediaVolumeHelper* volume = m_Factory ? m_Factory->mediaVolumeHelper() : nullptr) {
        CHECKED_CONNECT(volume, SIGNAL(systemMuteChanged(bool)), m_Timeline, SLOT(mediaMuteChanged(bool)));
        CHECKED_CONNECT(volume, SIGNAL(systemVolumeChanged(int)), m_Timeline, SLOT(mediaVolumeChanged(int)));
    }
    if (calls) {
        CHECKED_CONNECT(calls, SIGNAL(outgoingCall(Kivo::MediaEngine::Call)), m_Timeline, SLOT(pauseMedia()));
        CHECKED_CONNECT(calls, SIGNAL(incomingCall(Kivo::MediaEngine::Call)), m_Timeline, SLOT(pauseMedia()));
    }
    CHECKED_CONNECT(this, SIGNAL(fetchCallLogs()), m_Timeline, SLOT(fetchCallLogs()));
    if (sessionConfigItem(Constants::ConfigItem::VisualVoiceMailEnabled)) {
        CHECKED_CONNECT(m_Timeline, SIGNAL(voicemailDeleteFailed()), this, SLOT(deleteVoicemailsFailed()));
        CHECKED_CONNECT(m_Timeline, SIGNAL(voicemailSetReadStatusFailed()), this,
                        SLOT(settingVoicemailsReadStatusFailed()));
        m_TimelineUiHelper = new Utils::TimelineUiHelper(this);
    }
    m_TimelineTabs = new Models::TimeLineTabsModel(sessionConfig, this);
    m_TimelineTabsSorted = new QSortFilterProxyModel(this);
    m_TimelineTabsSorted->setSourceModel(m_TimelineTabs);
    m_TimelineTabsSorted->setSortRole(Models::TimeLineTabsModel::PositionRole);
    m_TimelineTabsSorted->sort(0, Qt::AscendingOrder);
    const int initial = m_TimelineTabs->initialFilterType();
    setTimelineFilter(initial >= 0 && initial <= 2 ? initial : 0);
    showOfflineContactsTriggered(
        Kivo::Settings(Kivo::Settings::UserSettings).value(SettingsKey::ContactListShowOfflineContacts, true).toBool());

    m_TimelineModel = new Kivo::Models::SelectionHandler(m_TimelineFilter, Kivo::Models::SelectionHandler::TimelineEntryItem, this);
    auto* selection = new QItemSelectionModel(m_TimelineModel, this);
    m_TimelineSelectionHandler = new Utils::TimelineSelectionHandler(m_TimelineModel, selection, this);
    connect(selection, &QItemSelectionModel::selectionChanged, this, &MainWindow::timelineSelectionChanged);
    m_TimelineModel->setSelectionModel(selection);

    QObject* messages = m_Session ? m_Session->messagesSource() : nullptr;
    m_BadgeHandler = new Utils::BadgeHandler(m_Timeline, messages, this);
}

void MainWindow::createMenuHandler()
{
    if (!m_Session)
        return;
    // The rooms list's menu: entering, configuring and deleting rooms of the chat service.
    Utils::ChatRoomActions* roomActions = nullptr;
    if (Kivo::Controllers::XmppChatController* chats = m_Session->xmppChatController())
        roomActions = new Utils::ChatRoomActions(m_Session->commsSessionController(), chats,
                                                 m_WindowManager ? m_WindowManager->getChatHelper() : nullptr, this);
    m_MenuHandler = new Utils::MenuHandler(m_Session, m_Factory, m_MenuActions, m_Session->getConfig(), m_ActiveSources,
                                           m_ContactSources, roomActions, m_WindowManager, this);
    m_MenuHandler->setActionChecked(
        MenuAction::AlwaysOnTop,
        Kivo::Settings(Kivo::Settings::UserSettings).value(SettingsKey::MainWindowAlwaysOnTop, false).toBool());
    CHECKED_CONNECT(m_MenuHandler, SIGNAL(openMenu(QMenu*)), this, SLOT(openMenu(QMenu*)));
    CHECKED_CONNECT(m_MenuHandler, SIGNAL(commActionTriggered(Kivo::Actions::ActionData&)), this,
                    SLOT(commActionTriggered(Kivo::Actions::ActionData&)));
    CHECKED_CONNECT(m_MenuHandler, SIGNAL(startMyRoom()), this, SIGNAL(startMyRoom()));
    CHECKED_CONNECT(m_MenuHandler, SIGNAL(copyMyRoomInvitation()), this, SLOT(copyInvitation()));
    CHECKED_CONNECT(m_MenuHandler, SIGNAL(emailMyRoomInvitation()), this, SLOT(sendInvitation()));
    CHECKED_CONNECT(m_MenuHandler, SIGNAL(changeAvatarTriggered()), this, SLOT(changeAvatar()));
    CHECKED_CONNECT(m_MenuHandler, SIGNAL(clearAvatarTriggered()), this, SLOT(clearAvatar()));
    CHECKED_CONNECT(m_MenuHandler, SIGNAL(addContactTriggered()), this, SLOT(addContactTriggered()));
    CHECKED_CONNECT(m_MenuHandler, SIGNAL(addGroupTriggered()), this, SLOT(displayAddGroup()));
    CHECKED_CONNECT(m_MenuHandler, SIGNAL(addContactsToGroup(int)), this, SLOT(addContactsToGroupTriggered(int)));
    CHECKED_CONNECT(m_MenuHandler, SIGNAL(removeContactsFromGroup(int)), this,
                    SLOT(removeContactsFromGroupTriggered(int)));
    CHECKED_CONNECT(m_MenuHandler, SIGNAL(removeContactsTriggered()), this, SLOT(removeContactsTriggered()));
    CHECKED_CONNECT(m_MenuHandler, SIGNAL(deleteVoiceMails()), this, SLOT(deleteVoiceMails()));
    CHECKED_CONNECT(m_MenuHandler, SIGNAL(clearMissedHistory()), m_Timeline, SLOT(clearMissedHistory()));
    CHECKED_CONNECT(m_MenuHandler, SIGNAL(clearMissedChats()), m_Timeline, SLOT(clearMissedChatItems()));
    CHECKED_CONNECT(m_MenuHandler, SIGNAL(clearMissedCalls()), m_Timeline, SLOT(clearMissedCalls()));
    CHECKED_CONNECT(m_MenuHandler, SIGNAL(clearUnreadVoiceMails()), m_Timeline, SLOT(clearUnreadVoiceMails()));

    if (m_Factory) {
        // A top-level tool tip: no parent, deleted with the window.
        m_ContactMouseOver = new ContactMouseOver(m_Factory);
        // The card's picture follows "Show Profile Photos" like the lists.
        m_ContactMouseOver->rootContext()->setContextProperty(
            QStringLiteral("profilePictureHelper"), QVariant::fromValue<QObject*>(m_Factory->profilePictureHelper()));
        m_ContactMouseOver->activate();
        m_ContactMouseOver->setOwner(this);
    }
}

void MainWindow::showContactMouseOver(const QVariant& item)
{
    if (m_ContactMouseOver)
        m_ContactMouseOver->showItem(item, QCursor::pos(),
                                     QGuiApplication::keyboardModifiers() & Qt::ControlModifier);
}

void MainWindow::hideContactMouseOver()
{
    if (m_ContactMouseOver)
        m_ContactMouseOver->hide();
}

void MainWindow::connectMenuActions()
{
    if (!m_MenuActions)
        return;
    auto connectAction = [this](int id, const char* signal, const char* slot) {
        if (QAction* action = m_MenuActions->action(id))
            connect(action, signal, this, slot);
    };
    connectAction(MenuAction::AlwaysOnTop, SIGNAL(triggered()), SLOT(alwaysOnTopTriggered()));
    connectAction(MenuAction::SortByFirstName, SIGNAL(triggered()), SLOT(contactSortByFirstNameTriggered()));
    connectAction(MenuAction::SortByLastName, SIGNAL(triggered()), SLOT(contactSortByLastNameTriggered()));
    if (configItem(ExtendedContactsItem)) {
        connectAction(MenuAction::ShowOfflineContacts, SIGNAL(triggered(bool)), SLOT(showOfflineContactsTriggered(bool)));
        connectAction(MenuAction::ShowStatus, SIGNAL(triggered(bool)), SLOT(showStatusTriggered(bool)));
        if (QAction* photos = m_MenuActions->action(MenuAction::ShowProfilePhotos); photos && m_Factory)
            connect(photos, SIGNAL(triggered(bool)), m_Factory, SLOT(showProfilePhotosTriggered(bool)));
    }
    if (QAction* onTop = m_MenuActions->action(MenuAction::AlwaysOnTop)) {
        onTop->setCheckable(true);
        onTop->setChecked(Kivo::Settings(Kivo::Settings::UserSettings).value(SettingsKey::MainWindowAlwaysOnTop, false).toBool());
    }
}

bool MainWindow::activate()
{
    QQmlContext* context = view() ? view()->rootContext() : nullptr;
    Kivo::Controllers::CommsSessionController* comms = m_Session ? m_Session->commsSessionController() : nullptr;
    m_DragDropHandler = new Utils::ActiveCommsDragDropHandler(
        comms, m_Contacts, configItem(Constants::ConfigItem::TransferByDragAllowed), this);
    m_FocusHelper = new FocusHelper(this);
    if (context) {
        context->setContextProperty("activeModel", m_ActiveModel);
        context->setContextProperty("activeSelectionHandler", m_ActiveSelectionHandler);
        context->setContextProperty("contactModel", m_ContactModel);
        context->setContextProperty("selectionHandler", m_ContactSelectionHandler);
        context->setContextProperty("actionsProvider", m_ActionsProvider);
        context->setContextProperty("timelineSelectionHandler", m_TimelineSelectionHandler);
        context->setContextProperty("timelineModel", m_Timeline);
        context->setContextProperty("proxyTimelineModel", m_TimelineModel);
        context->setContextProperty("badgeHandler", m_BadgeHandler);
        context->setContextProperty("errorInfoModel", m_ErrorInfoModel);
        Kivo::Controllers::XmppChatController* chat = m_Session ? m_Session->xmppChatController() : nullptr;
        context->setContextProperty("chatRoomsFilter", QVariant::fromValue<QObject*>(chat ? chat->getChatRoomsFilter() : nullptr));
        context->setContextProperty("favoriteModel", QVariant::fromValue<QObject*>(m_FavoriteModel));
        context->setContextProperty("profilePictureHelper", QVariant::fromValue<QObject*>(m_Factory ? m_Factory->profilePictureHelper() : nullptr));
        context->setContextProperty("mediaVolumeHelper",
                                    QVariant::fromValue<QObject*>(m_Factory ? m_Factory->mediaVolumeHelper() : nullptr));
        context->setContextProperty("guestHelper", QVariant::fromValue<QObject*>(comms ? comms->guestHelper() : nullptr));
        context->setContextProperty("activeCommsDragDropHandler", m_DragDropHandler);
        context->setContextProperty(Constants::ContextProperty::MenuHandler, QVariant::fromValue<QObject*>(m_MenuHandler));
        context->setContextProperty("callSettingsToolbarHelper", m_CallSettingsToolbar);
        context->setContextProperty(Constants::ContextProperty::PresenceHelper,
                                    QVariant::fromValue<QObject*>(m_Factory ? m_Factory->presenceHelper() : nullptr));
        context->setContextProperty(Constants::ContextProperty::FocusHelper, QVariant::fromValue<QObject*>(m_FocusHelper));
        view()->engine()->addImageProvider(QStringLiteral("badge"), new Utils::BadgeImageProvider(m_BadgeHandler));
    }
    // Pop-ups and windows open on the screen of the window the user works in.
    Utils::WindowManager::setMainWindow(this);

    // The web buttons' pages are web views, whose type the web module brings.
    Web::module();
    bool result = loadQML(Scene);
    QObject* root = sceneRoot();
    if (auto* area = root ? root->findChild<QQuickItem*>(QStringLiteral("activeView")) : nullptr) {
        m_ActiveView = area->state();
        m_ActiveViewEntered = QDateTime::currentDateTimeUtc();
        result = connect(area, SIGNAL(stateChanged(const QString&)), this, SLOT(activeViewChanged(const QString&)));
    }
    restoreGeometry();
    return result;
}

void MainWindow::restoreGeometry()
{
    const Kivo::Settings application(Kivo::Settings::ApplicationSettings);
    const int x = application.value(SettingsKey::MainWindowPosX, 0).toInt();
    const int y = application.value(SettingsKey::MainWindowPosY, 0).toInt();
    const int w = application.value(SettingsKey::MainWindowSizeW, 0).toInt();
    const int h = application.value(SettingsKey::MainWindowSizeH, 0).toInt();
    LOG_INFO << "x:" << x << ", y:" << y << ", w:" << w << ", h:" << h;
    Utils::WindowManager::centerOnPrimaryScreen(this, QRect(x, y, w, h));
}

QObject* MainWindow::sceneRoot() const
{
    return view() ? view()->rootObject() : nullptr;
}

void MainWindow::signOut()
{
    triggerMenuAction(MenuAction::SignOut);
}

void MainWindow::exitApplication()
{
    triggerMenuAction(MenuAction::Exit);
}

void MainWindow::triggerMenuAction(int id)
{
    QAction* action = m_MenuActions ? m_MenuActions->action(id) : nullptr;
    if (!action) {
        LOG_ERROR << "No menu action " << id;
        return;
    }
    action->trigger();
}

void MainWindow::preferencesChanged()
{
    m_Services->preferencesChanged();
    if (m_WebButtonHandler)
        m_WebButtonHandler->setActiveLanguage(activeLanguage());
    // The team's window follows its switches at once ("Show window" off hides it).
    if (m_BlfWindow && !configItem(TeamTelephonyKeepsPlaceItem)) {
        m_BlfWindow->placeBeside(frameGeometry());
        m_BlfWindow->applySettings();
    }
}

void MainWindow::handleBackgroundActivation()
{
    LOG_TRACE << "Activation from the background";
    Utils::WindowManager::activateWindow(this);
}

void MainWindow::clearAndFetchRooms()
{
    Kivo::Controllers::XmppChatController* chat = m_Session ? m_Session->xmppChatController() : nullptr;
    Kivo::Models::ChatRoomsFilter* rooms = chat ? chat->getChatRoomsFilter() : nullptr;
    if (m_ActiveView == QLatin1String("roomsView") && rooms)
        rooms->clearAndFetchRooms();
}

void MainWindow::deleteVoicemailsFailed()
{
    if (m_TimelineUiHelper)
        m_TimelineUiHelper->showDeleteMessagesFailed(alwaysOnTop());
}

void MainWindow::settingVoicemailsReadStatusFailed()
{
    if (m_TimelineUiHelper)
        m_TimelineUiHelper->showSetMessagesStateFailed(alwaysOnTop());
}

void MainWindow::openPresenceMenu()
{
    Utils::PresenceHelper* presence = m_Factory ? m_Factory->presenceHelper() : nullptr;
    if (presence && presence->menu())
        presence->menu()->popup(QCursor::pos());
}

void MainWindow::createBlfWindow()
{
    if (m_TeamTelephonyShown || !sessionConfigItem(TeamTelephonyItem))
        return;
    m_TeamTelephonyShown = true;
    LOG_INFO << "Team Telephony shown";
    emit teamTelephonyShownChanged();
    placeBlfWindowBeside();
}

void MainWindow::placeBlfWindowBeside()
{
    // The team's window stands beside the main window as the user sees it: one not shown yet
    // has no place, so the first showing makes it.
    if (m_TeamTelephonyShown && !m_BlfWindow && isVisible())
        m_BlfWindow = BlfWindow::createBeside(this, m_Session, m_MenuHandler, m_Factory, m_WindowManager);
}

void MainWindow::showEvent(QShowEvent* event)
{
    Window::showEvent(event);
    placeBlfWindowBeside();
}

void MainWindow::showContactList()
{
    if (QObject* root = sceneRoot()) {
        if (QObject* area = root->findChild<QObject*>(QStringLiteral("activeView")))
            area->setProperty("state", QStringLiteral("contactsView"));
    }
    showAndActivate();
}

void MainWindow::showRoomsList()
{
    if (QObject* root = sceneRoot()) {
        if (QObject* area = root->findChild<QObject*>(QStringLiteral("activeView")))
            area->setProperty("state", QStringLiteral("roomsView"));
    }
}

void MainWindow::updateContactNames()
{
    const QStringList names = m_Contacts ? m_Contacts->names() : QStringList();
    if (names == m_ContactNames)
        return;
    m_ContactNames = names;
    emit contactNamesChanged();
}

void MainWindow::myRoomReady()
{
    LOG_INFO << "My Room is ready";
    m_MyRoomReady = true;
    emit myRoomReadyChanged();
}

QObject* MainWindow::ownContact() const
{
    return m_Contacts ? m_Contacts->getContact(0) : nullptr;
}

Kivo::Presence::PresenceData* MainWindow::ownPresenceData() const
{
    const Kivo::Contacts::IContact* own = m_Contacts ? m_Contacts->getContact(0) : nullptr;
    Kivo::Presence::PresenceData* presence = own ? own->getPresence() : nullptr;
    if (presence)
        LOG_INFO << "Contact obj ok.";
    else
        LOG_ERROR << "No own contact with presence: the profile picture stays as it is";
    return presence;
}

void MainWindow::changeAvatar()
{
    LOG_INFO << "Change profile picture";
    Kivo::Presence::PresenceData* presence = ownPresenceData();
    if (!presence)
        return;
    auto* chooser = new Dialogs::FileDialog(this, Dialogs::FileDialog::OpenImage);
    CHECKED_CONNECT(chooser, SIGNAL(fileSelected(const QString&)), presence, SLOT(setAvatarPath(const QString&)));
    chooser->open();
}

void MainWindow::clearAvatar()
{
    LOG_INFO << "Clear profile picture";
    if (Kivo::Presence::PresenceData* presence = ownPresenceData())
        presence->setAvatarPath(QString());
}

bool MainWindow::isSearching() const
{
    const QAbstractItemModel* source = contactListSource();
    return source && (source == m_OwnContactsProxy || source == m_DirectoryGroups);
}

QAbstractItemModel* MainWindow::contactListSource() const
{
    return m_ContactModel ? m_ContactModel->sourceModel() : nullptr;
}

bool MainWindow::isXmppConnected() const
{
    return m_Client && m_Client->isXmppConnected();
}

bool MainWindow::isXmppError() const
{
    const Kivo::Sessions::XmppSession* xmpp = m_Session ? m_Session->xmppSubSession() : nullptr;
    return xmpp && xmpp->isEnabled() && xmpp->getState() == Kivo::Sessions::SubSession::Failed;
}

bool MainWindow::isRosterReceived() const
{
    if (!m_Session)
        return false;
    const Kivo::Sessions::XmppSession* xmpp = m_Session->xmppSubSession();
    if (!xmpp || !xmpp->isEnabled() || m_OfflineMode)
        return true;
    // The roster is the contact list the service delivered over the chat connection.
    return isXmppConnected() && m_Contacts && !m_Contacts->isReadOnly();
}

bool MainWindow::hasMyRoom() const
{
    return m_Session && m_Session->myroomController();
}

bool MainWindow::hasGroups() const
{
    return m_Session && m_Contacts && m_Contacts->groups().size() >= 2;
}

QString MainWindow::lastDialedNumber() const
{
    const Kivo::Controllers::CommsSessionController* comms = m_Session ? m_Session->commsSessionController() : nullptr;
    return comms ? comms->getLastDialedNumber() : QString();
}

QObject* MainWindow::executiveCallContact() const
{
    const Kivo::Controllers::ExecutiveHandler* executives = m_Session ? m_Session->getExecutiveHandler() : nullptr;
    return executives ? executives->getExecutiveCallContact() : nullptr;
}

int MainWindow::onlineContactsCount() const
{
    const QAbstractItemModel* online = m_Session && m_Contacts ? m_Contacts->getModel(17) : nullptr;
    return online ? online->rowCount() : 0;
}

QAbstractItemModel* MainWindow::activeCommsModel() const { return m_ActiveCommsModel; }
QAbstractItemModel* MainWindow::activeCommsFilter() const { return m_ActiveCommsFilter; }
QAbstractItemModel* MainWindow::leftpaneButtonsSorted() const { return m_LeftPaneButtonsSorted; }
QAbstractItemModel* MainWindow::leftpaneButtonsModel() const { return m_LeftPaneButtons; }
QAbstractItemModel* MainWindow::timelinetabsSorted() const { return m_TimelineTabsSorted; }
QAbstractItemModel* MainWindow::timelinetabsModel() const { return m_TimelineTabs; }
QAbstractItemModel* MainWindow::dialpadButtonsModel() const { return m_DialpadButtons; }
QObject* MainWindow::commsSessionUiHelper() const { return m_SessionTexts; }
QAbstractItemModel* MainWindow::communicationActions() const { return m_ActionsProvider; }
QObject* MainWindow::callSettingsToolbarHelper() const { return m_CallSettingsToolbar; }

BlfWindow* MainWindow::blfWindow() const
{
    return m_BlfWindow;
}

QObject* MainWindow::webButtonHandler() const
{
    return m_WebButtonHandler;
}

QObject* MainWindow::webButtonUiHelper() const
{
    return m_WebButtonUiHelper;
}

QObject* MainWindow::configXml() const
{
    return m_Factory ? m_Factory->configXml() : nullptr;
}

bool MainWindow::hasActionTarget() const
{
    return !m_ContactSources->sources().isEmpty() || !m_ActiveSources->sources().isEmpty();
}

void MainWindow::setOwnPresenceExpanded(bool expanded)
{
    if (expanded == m_OwnPresenceExpanded)
        return;
    m_OwnPresenceExpanded = expanded;
    emit ownPresenceExpandedChanged();
}

void MainWindow::onXmppConnectStateChanged(bool connected)
{
    if (!m_Session)
        return;
    const Kivo::Controllers::IPresenceController* presence = m_Session->presenceController();
    const bool offline = presence && presence->getOfflineMode();
    if (offline != m_OfflineMode) {
        m_OfflineMode = offline;
        emit offlineModeChanged();
    }
    LOG_INFO << "Chat connection " << (connected ? "up" : "down");
    updateGroupDialogAcceptance();
    emit xmppConnectStateChanged();
    emit xmppRosterReceivedChanged();
}

Utils::MyRoomHelper* MainWindow::myRoomHelper()
{
    if (!m_MyRoomHelper)
        m_MyRoomHelper = new Utils::MyRoomHelper(m_Session, this);
    return m_MyRoomHelper;
}

void MainWindow::copyInvitation()
{
    myRoomHelper()->copyInvitation();
}

void MainWindow::sendInvitation()
{
    myRoomHelper()->sendInvitation();
}

QString MainWindow::getMyRoomToolTip() const
{
    const Kivo::Configuration::Config* config = m_Session ? m_Session->getConfig() : nullptr;
    const Kivo::Contacts::IContact* own = m_Contacts ? m_Contacts->getContact(0) : nullptr;
    if (!config)
        return QString();
    return Utils::MyRoomHelper::myRoomInfoText(own, config->value(Constants::ConfigItem::RoomsUseQvd).toBool(),
                                               config->value(Constants::ConfigItem::ProjectRoomsEnabled).toBool());
}

void MainWindow::onMessages(QVariant count, QVariant)
{
    QObject* scene = sceneRoot();
    if (!scene)
        return;
    bool isNumber = false;
    const int messages = count.toInt(&isNumber);
    if (!isNumber || messages < 0) {
        LOG_WARNING << "Waiting voice messages ignored: not a count: " << count.toString();
        return;
    }
    LOG_INFO << "Waiting voice messages: " << messages;
    scene->setProperty("voiceMailMessagesCount", messages);
}

void MainWindow::cbSessionClosed()
{
    LOG_INFO << "Session closed: the main window goes";
    // Inside the session's signal: deleted from the event loop, once the handlers that are
    // running have returned; the guarded pointers read null by then.
    hideAndDeleteLater();
}

void MainWindow::setDefaultAction(Kivo::Actions::Action::Id id)
{
    m_DefaultAction = id;
    if (m_ActionsProvider && id != Action::None)
        m_ActionsProvider->setDefaultAction(id);
    LOG_INFO << "Default call action " << int(id);
}

bool MainWindow::configItem(int item) const
{
    const Kivo::Configuration::Config* config = m_Client ? m_Client->getConfig() : nullptr;
    return config && config->value(item).toBool();
}

bool MainWindow::sessionConfigItem(int item) const
{
    const Kivo::Configuration::Config* config = m_Session ? m_Session->getConfig() : nullptr;
    return config && config->value(item).toBool();
}

bool MainWindow::alwaysOnTop() const
{
    return m_Factory && m_Factory->isAlwaysOnTop();
}

} // namespace QML
