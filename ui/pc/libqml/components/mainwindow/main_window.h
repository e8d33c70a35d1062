#pragma once

#include "libqml/window/qml_window.h"

#include <Kivo/Actions/Action.h>
#include <Kivo/Actions/ActionData.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Utils/SharedPointer.h>

#include <QDateTime>
#include <QItemSelection>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QVariant>

class QAbstractItemModel;
class QAction;
class QItemSelectionModel;
class QSortFilterProxyModel;
class FocusHelper;

namespace Kivo {
class Client;
namespace Actions {
class ActiveCommsSourceComposite;
class ContactSourceComposite;
class Provider;
class SourceComposite;
} // namespace Actions
namespace Contacts {
class Contacts;
class IContact;
class IGroup;
} // namespace Contacts
namespace Databases {
class Comms;
}
namespace Models {
class ActiveCommsFilter;
class ActiveCommsModel;
class ContactGroupSortProxy;
class SearchFilter;
class SearchGroups;
class SelectionHandler;
class Timeline;
class TimelineFilter;
} // namespace Models
namespace Presence {
class PresenceData;
}
namespace Services {
class WebButtonHandler;
}
namespace Sessions {
class SessionManagerBase;
}
} // namespace Kivo
namespace Models {
class DialpadButtonsModel;
class ErrorInfoModel;
class LeftPaneButtonsModel;
class TimeLineTabsModel;
} // namespace Models
namespace Providers {
class Factory;
class MenuActionProvider;
} // namespace Providers
namespace Widgets {
class GroupNameInput;
}
namespace Utils {
class ActiveCommsDragDropHandler;
class ActiveSelectionHandler;
class BadgeHandler;
class CallSettingsToolbarHelper;
class CommunicationSessionUiHelper;
class CommunicationsWindowManager;
class ContactSelectionHandler;
class MainWindowServices;
class MenuHandler;
class MyRoomHelper;
class TimelineSelectionHandler;
class TimelineUiHelper;
class WebButtonUiHelper;
namespace Search {
class SearchManager;
}
} // namespace Utils

namespace QML {
class BlfWindow;

class ContactMouseOver;

// The window the signed-in user works in: own presence, the conversations going on, the
// contacts with search, the history, the rooms and the dial pad, one view at a time, with the
// communication buttons below. It owns every model, proxy and selection handler of its panes
// and publishes them to its scene.
class MainWindow : public Window
{
    Q_OBJECT
    Q_PROPERTY(QString userName READ userName CONSTANT)
    Q_PROPERTY(QString displayName READ displayName CONSTANT)
    Q_PROPERTY(QStringList contactNames READ contactNames NOTIFY contactNamesChanged)
    Q_PROPERTY(bool teamTelephonyShown READ isTeamTelephonyShown NOTIFY teamTelephonyShownChanged)
    Q_PROPERTY(QObject* ownContact READ ownContact CONSTANT)
    Q_PROPERTY(int timelinefilterflag READ getTimelineFilterFlag NOTIFY timelineFilterFlagChanged)
    Q_PROPERTY(bool myRoomReady READ isMyRoomReady NOTIFY myRoomReadyChanged)
    Q_PROPERTY(bool searching READ isSearching NOTIFY searchingChanged)
    Q_PROPERTY(bool hasMyRoom READ hasMyRoom CONSTANT)
    // The session's state as the scene shows it, read again on every notification.
    Q_PROPERTY(bool xmppConnected READ isXmppConnected NOTIFY xmppConnectStateChanged)
    Q_PROPERTY(bool xmppError READ isXmppError NOTIFY xmppConnectStateChanged)
    Q_PROPERTY(bool rosterReceived READ isRosterReceived NOTIFY xmppRosterReceivedChanged)
    Q_PROPERTY(bool offlineMode READ isOfflineMode NOTIFY offlineModeChanged)
    Q_PROPERTY(bool showOfflineContacts READ showOfflineContacts NOTIFY showOfflineContactsChanged)
    Q_PROPERTY(bool showStatus READ showStatus NOTIFY showStatusChanged)
    Q_PROPERTY(bool hasGroups READ hasGroups NOTIFY hasGroupsChanged)
    Q_PROPERTY(QString lastDialedNumber READ lastDialedNumber CONSTANT)
    Q_PROPERTY(QObject* executiveCallContact READ executiveCallContact NOTIFY executiveCallContactChanged)
    Q_PROPERTY(int onlineContactsCount READ onlineContactsCount NOTIFY onlineContactsCountChanged)
    Q_PROPERTY(QAbstractItemModel* activeCommsModel READ activeCommsModel CONSTANT)
    Q_PROPERTY(QAbstractItemModel* activeCommsFilter READ activeCommsFilter CONSTANT)
    Q_PROPERTY(QAbstractItemModel* leftpaneButtonsSorted READ leftpaneButtonsSorted CONSTANT)
    Q_PROPERTY(QAbstractItemModel* leftpaneButtonsModel READ leftpaneButtonsModel CONSTANT)
    Q_PROPERTY(QAbstractItemModel* timelinetabsSorted READ timelinetabsSorted CONSTANT)
    Q_PROPERTY(QAbstractItemModel* timelinetabsModel READ timelinetabsModel CONSTANT)
    Q_PROPERTY(QAbstractItemModel* executivesModel READ executivesModel CONSTANT)
    Q_PROPERTY(QAbstractItemModel* dialpadButtonsModel READ dialpadButtonsModel CONSTANT)
    Q_PROPERTY(QObject* commsSessionUiHelper READ commsSessionUiHelper CONSTANT)
    // The engine actions the communication buttons offer, one row each (role "action").
    Q_PROPERTY(QAbstractItemModel* communicationActions READ communicationActions CONSTANT)
    // Whether the communication buttons have someone to act on: a selection or a typed number.
    Q_PROPERTY(bool hasActionTarget READ hasActionTarget NOTIFY actionTargetChanged)
    Q_PROPERTY(bool ownPresenceExpanded READ isOwnPresenceExpanded WRITE setOwnPresenceExpanded NOTIFY
                   ownPresenceExpandedChanged)
    Q_PROPERTY(QObject* callSettingsToolbarHelper READ callSettingsToolbarHelper CONSTANT)
    Q_PROPERTY(QObject* configXml READ configXml CONSTANT)
    // The configured web button of the left pane and its page; null without one.
    Q_PROPERTY(QObject* webButtonHandler READ webButtonHandler CONSTANT)
    Q_PROPERTY(QObject* webButtonUiHelper READ webButtonUiHelper CONSTANT)
    // The search results the user added to the contact list, by their contact ids.
    Q_PROPERTY(QVariantList addedContacts READ addedContacts NOTIFY addedContactsChanged)

public:
    static constexpr const char* Scene = "qrc:/windows/MainWindow/MainWindow.qml";
    // Configuration items read here.
    static constexpr int TeamTelephonyItem = 153;
    static constexpr int ExtendedContactsItem = 361;
    static constexpr int ExecutivesItem = 426;
    static constexpr int TransferButtonItem = 156;
    static constexpr int ConferenceButtonItem = 157;
    static constexpr int ParkButtonItem = 158;
    static constexpr int VoiceMailWithVideoItem = 127;
    static constexpr int WebButtonItem = 411;
    // On, the team-telephony window keeps the place the user gave it when preferences change.
    static constexpr int TeamTelephonyKeepsPlaceItem = 4;
    // The narrowest and widest the window may be; the tallest is the desktop's height.
    static constexpr int MinimumWidth = 245;
    static constexpr int MinimumHeight = 425;
    static constexpr int MaximumWidth = 400;
    static constexpr int SearchDelayMs = 1000;

    MainWindow(Kivo::Client* client, Providers::Factory* factory, Providers::MenuActionProvider* menuActions,
               Kivo::Databases::Comms* commsDatabase, Utils::CommunicationsWindowManager* windowManager,
               bool alwaysOnTop);
    ~MainWindow() override;

    // Publishes the window's objects, loads the scene and restores the saved geometry.
    bool activate();

    QString userName() const { return m_UserName; }
    QString displayName() const { return m_DisplayName; }
    QStringList contactNames() const { return m_ContactNames; }
    Kivo::Actions::Action::Id defaultAction() const { return m_DefaultAction; }
    bool isTeamTelephonyShown() const { return m_TeamTelephonyShown; }
    QObject* ownContact() const;
    int getTimelineFilterFlag() const { return m_TimelineFilterType; }
    bool isSearching() const;
    bool isXmppConnected() const;
    bool isXmppError() const;
    bool isRosterReceived() const;
    bool isOfflineMode() const { return m_OfflineMode; }
    bool showOfflineContacts() const { return m_ShowOfflineContacts; }
    bool showStatus() const { return m_ShowStatus; }
    bool hasGroups() const;
    QString lastDialedNumber() const;
    QObject* executiveCallContact() const;
    int onlineContactsCount() const;
    bool hasMyRoom() const;
    bool isMyRoomReady() const { return m_MyRoomReady; }
    bool isOwnPresenceExpanded() const { return m_OwnPresenceExpanded; }
    void setOwnPresenceExpanded(bool expanded);
    bool isActiveCommExpanded() const { return m_ActiveCommExpanded; }
    QAbstractItemModel* activeCommsModel() const;
    QAbstractItemModel* activeCommsFilter() const;
    QAbstractItemModel* leftpaneButtonsSorted() const;
    QAbstractItemModel* leftpaneButtonsModel() const;
    QAbstractItemModel* timelinetabsSorted() const;
    QAbstractItemModel* timelinetabsModel() const;
    QAbstractItemModel* executivesModel() const { return m_ExecutivesModel; }
    QAbstractItemModel* dialpadButtonsModel() const;
    QObject* commsSessionUiHelper() const;
    QAbstractItemModel* communicationActions() const;
    QObject* callSettingsToolbarHelper() const;
    QObject* configXml() const;
    QObject* webButtonHandler() const;
    QObject* webButtonUiHelper() const;
    BlfWindow* blfWindow() const;
    Utils::TimelineUiHelper* timelineUiHelper() const { return m_TimelineUiHelper; }
    QVariantList addedContacts() const { return m_AddedContacts; }
    bool hasActionTarget() const;
    QString activeView() const { return m_ActiveView; }
    QString searchText() const { return m_SearchText; }
    // The model the contact list shows now: all contacts, or a search's results.
    QAbstractItemModel* contactListSource() const;
    Kivo::Models::SelectionHandler* contactSelectionModel() const { return m_ContactModel; }
    Kivo::Models::SelectionHandler* activeSelectionModel() const { return m_ActiveModel; }
    Kivo::Models::SelectionHandler* historySelectionModel() const { return m_TimelineModel; }
    Kivo::Models::Timeline* timeline() const { return m_Timeline; }
    Kivo::Actions::Provider* actionsProvider() const { return m_ActionsProvider; }
    Kivo::Actions::ContactSourceComposite* contactSources() const { return m_ContactSources; }
    Kivo::Actions::ActiveCommsSourceComposite* activeSources() const { return m_ActiveSources; }
    Utils::ActiveCommsDragDropHandler* dragDropHandler() const { return m_DragDropHandler; }
    bool isSearchPending() const { return m_SearchTimer.isActive(); }
    Utils::MainWindowServices* services() const { return m_Services; }
    Utils::MenuHandler* menuHandler() const { return m_MenuHandler; }
    ContactMouseOver* contactMouseOver() const { return m_ContactMouseOver; }

    Q_INVOKABLE void setActiveCommExpanded(bool expanded) { m_ActiveCommExpanded = expanded; }
    // The room's dial-in details for the tool tip of My Room.
    Q_INVOKABLE QString getMyRoomToolTip() const;

    Q_INVOKABLE void signOut();
    Q_INVOKABLE void exitApplication();
    // The user's availability choices at the cursor.
    Q_INVOKABLE void openPresenceMenu();
    // "Call As:": the executives the user may call for; choosing one makes the calls theirs.
    Q_INVOKABLE QMenu* callAsExecutiveMenu();

    Q_INVOKABLE void searchTextChanged(const QString& text, bool clearContactSelection = true);
    Q_INVOKABLE void dialpadTextChanged(const QString& text);
    Q_INVOKABLE void triggerDefaultAction(const QString& text = QString(), bool setText = false);
    Q_INVOKABLE void moveSelection(bool up, bool contacts = true, bool timeline = false);
    Q_INVOKABLE void triggerDeleteAction(int key);
    Q_INVOKABLE void addNewGroup(const QString& name);
    // A history tab: the history shows entries of that filter type (0 chat, 1 calls, 2 voice mail).
    Q_INVOKABLE void showHistoryOf(int filterType) { setTimelineFilter(filterType); }
    // A double click on a contact: its card (the view-profile action) or the default action.
    Q_INVOKABLE void showContactCard(QObject* contact);
    // The hover card of a contact or history entry at the cursor, and its hiding.
    Q_INVOKABLE void showContactMouseOver(const QVariant& item);
    Q_INVOKABLE void hideContactMouseOver();

    // Help opens on the page of the view shown.
    QString helpContext() const override;
    // Closing from the frame only hides the window: the user stays signed in, and the tray,
    // a second start or "Open Application" brings it back.
    bool canClose() override;
    QSize minimumWindowSize() const override;
    QSize maximumWindowSize() const override;
    // The desktop changed size: the size limits follow it.
    virtual void screenResized(int width, int height);

public slots:
    void preferencesChanged();
    void createBlfWindow();
    void myRoomReady();
    void onMessages(QVariant, QVariant);
    void showRoomsList();
    void showContactList();
    void setDefaultAction(Kivo::Actions::Action::Id id);
    void cbSessionClosed();
    void onXmppConnectStateChanged(bool connected);
    void copyInvitation();
    void sendInvitation();
    void clearSearchField();
    void commActionTriggered(Kivo::Actions::ActionData& data);
    void setFilterForTimelineTab(int row);
    void addContactTriggered();
    void addContactsToGroupTriggered(int groupId);
    void removeContactsFromGroupTriggered(int groupId);
    void removeContactsTriggered();
    void displayAddGroup();
    void groupDialogAccepted(const QString& name);
    // The user's own picture: a file chosen from the disk, or none.
    void changeAvatar();
    void clearAvatar();
    void alwaysOnTopTriggered();
    void contactSortByFirstNameTriggered();
    void contactSortByLastNameTriggered();
    void showOfflineContactsTriggered(bool show);
    void showStatusTriggered(bool show);
    void activeViewChanged(const QString& view);
    void contactSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
    void activeSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
    void timelineSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
    void roomsSelectionChanged(int row);
    void deleteVoiceMails();
    void deleteVoicemailsConfirmed();
    void handleVoicemailDeleteKeyAction(int key);
    // The service refused to delete voice mails or to mark them read.
    void deleteVoicemailsFailed();
    void settingVoicemailsReadStatusFailed();
    // The chat service's rooms may have changed: the rooms list, while shown, asks again.
    void clearAndFetchRooms();
    // A conversation came to the front while the program was in the background.
    void handleBackgroundActivation();
    void searchTextChangedDelayed();
    void callAsExecutiveMenuTriggered(QAction* action);

signals:
    void qomxLinkClicked(const QString& link);
    void timelineFilterFlagChanged();
    void myRoomReadyChanged();
    void searchingChanged();
    // One signal under both signatures: "Join My Room" (none) reaches the room's controller,
    // which the application connects to the one with invitees.
    void startMyRoom(const QString invitees = QString());
    void fetchCallLogs();
    void xmppConnectStateChanged();
    void xmppRosterReceivedChanged();
    void offlineModeChanged();
    void showOfflineContactsChanged();
    void showStatusChanged();
    void hasGroupsChanged();
    void onlineContactsCountChanged();
    void dialpadText(const QString& text);
    void checkVoiceMails();
    void primarySortFieldChanged();
    void selectActiveSession();
    void showSessionDebugWindow();
    void executiveCallContactChanged();
    void ownPresenceExpandedChanged();
    void teamTelephonyShownChanged();
    void contactNamesChanged();
    void actionTargetChanged();
    void addedContactsChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createActiveCommunications();
    void createContactModels();
    void createActions();
    void createHistory();
    void createMenuHandler();
    void createWebButton();
    void connectSessionEvents();
    void connectGuestActions();
    void copyGuestJoinLink();
    void updateGroupDialogAcceptance();
    void connectMenuActions();
    void createShortcuts();
    void publishToScene();
    void restoreGeometry();
    void placeBlfWindowBeside();
    Kivo::Presence::PresenceData* ownPresenceData() const;
    void setTimelineFilter(int type);
    void setContactListSource(QAbstractItemModel* source);
    void updatePrimarySortField(bool firstName);
    void triggerMenuAction(int id);
    void updateContactNames();
    QObject* sceneRoot() const;
    QList<QObject*> sourcesOf(const QItemSelection& selection, int role) const;
    static void moveSources(Kivo::Actions::SourceComposite* composite, const QList<QObject*>& removed,
                            const QList<QObject*>& added);
    bool alwaysOnTop() const;
    bool configItem(int item) const;
    bool sessionConfigItem(int item) const;

    Utils::MyRoomHelper* myRoomHelper();

    QPointer<Kivo::Client> m_Client;
    QPointer<Providers::MenuActionProvider> m_MenuActions;
    QPointer<Providers::Factory> m_Factory;
    Kivo::Databases::Comms* m_CommsDatabase;
    QPointer<Utils::CommunicationsWindowManager> m_WindowManager;
    Utils::MainWindowServices* m_Services;
    Utils::MenuHandler* m_MenuHandler = nullptr;
    ContactMouseOver* m_ContactMouseOver = nullptr;
    QPointer<Kivo::Sessions::SessionManagerBase> m_Session;
    Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> m_Contacts;
    QPointer<Utils::MyRoomHelper> m_MyRoomHelper;
    QPointer<Widgets::GroupNameInput> m_GroupDialog;
    Utils::CallSettingsToolbarHelper* m_CallSettingsToolbar = nullptr;
    Kivo::Services::WebButtonHandler* m_WebButtonHandler = nullptr;
    Utils::WebButtonUiHelper* m_WebButtonUiHelper = nullptr;
    Utils::TimelineUiHelper* m_TimelineUiHelper = nullptr;

    Kivo::Models::ActiveCommsModel* m_ActiveCommsModel = nullptr;
    Kivo::Models::ActiveCommsFilter* m_ActiveCommsFilter = nullptr;
    Kivo::Models::SelectionHandler* m_ActiveModel = nullptr;
    Utils::ActiveSelectionHandler* m_ActiveSelectionHandler = nullptr;

    Kivo::Models::SearchFilter* m_OwnContactsFilter = nullptr;
    Kivo::Models::SearchGroups* m_OwnContactsGroups = nullptr;
    Kivo::Contacts::IGroup* m_OwnContactsGroup = nullptr;
    Kivo::Models::ContactGroupSortProxy* m_OwnContactsProxy = nullptr;
    Kivo::Models::ContactGroupSortProxy* m_ContactListProxy = nullptr;
    Kivo::Models::SelectionHandler* m_ContactModel = nullptr;
    Utils::ContactSelectionHandler* m_ContactSelectionHandler = nullptr;
    Utils::Search::SearchManager* m_SearchManager = nullptr;
    Kivo::Models::ContactGroupSortProxy* m_DirectoryProxy = nullptr;
    Kivo::Models::SearchGroups* m_DirectoryGroups = nullptr;
    Kivo::Contacts::IGroup* m_DirectoryGroup = nullptr;

    Kivo::Models::Timeline* m_Timeline = nullptr;
    Models::TimeLineTabsModel* m_TimelineTabs = nullptr;
    QSortFilterProxyModel* m_TimelineTabsSorted = nullptr;
    Kivo::Models::TimelineFilter* m_TimelineFilter = nullptr;
    Kivo::Models::SelectionHandler* m_TimelineModel = nullptr;
    Utils::TimelineSelectionHandler* m_TimelineSelectionHandler = nullptr;
    Utils::BadgeHandler* m_BadgeHandler = nullptr;
    Models::ErrorInfoModel* m_ErrorInfoModel = nullptr;
    Models::LeftPaneButtonsModel* m_LeftPaneButtons = nullptr;
    QSortFilterProxyModel* m_LeftPaneButtonsSorted = nullptr;
    QAbstractItemModel* m_ExecutivesModel = nullptr;
    QAbstractItemModel* m_FavoriteModel = nullptr;
    Models::DialpadButtonsModel* m_DialpadButtons = nullptr;
    Utils::CommunicationSessionUiHelper* m_SessionTexts = nullptr;
    Kivo::Actions::ActiveCommsSourceComposite* m_ActiveSources = nullptr;
    Kivo::Actions::ContactSourceComposite* m_ContactSources = nullptr;
    Kivo::Actions::Provider* m_ActionsProvider = nullptr;
    Kivo::Contacts::IContact* m_NumberContact = nullptr;
    Utils::ActiveCommsDragDropHandler* m_DragDropHandler = nullptr;
    FocusHelper* m_FocusHelper = nullptr;
    QTimer m_SearchTimer;

    QString m_UserName;
    QString m_DisplayName;
    QStringList m_ContactNames;
    QVariantList m_AddedContacts;
    QString m_ActiveView;
    QDateTime m_ActiveViewEntered;
    QString m_SearchText;
    Kivo::Actions::Action::Id m_DefaultAction = Kivo::Actions::Action::None;
    int m_TimelineFilterType = 0;
    bool m_TeamTelephonyShown = false;
    QPointer<BlfWindow> m_BlfWindow;
    bool m_OfflineMode = false;
    bool m_MyRoomReady = false;
    bool m_ShowOfflineContacts = true;
    bool m_ShowStatus = false;
    bool m_OwnPresenceExpanded = false;
    bool m_ActiveCommExpanded = true;
};

} // namespace QML
