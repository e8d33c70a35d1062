#pragma once

// Names shared by many source files of the program: settings keys, numbered
// configuration items, menu action ids, internal presence values, MIME types,
// the URL scheme and the context-property names of the QML scenes.
// Add a constant here as soon as a second file needs the same text or number.

namespace Constants {

// Single-instance hand-off.
namespace SingleInstance {
constexpr const char* Id = "QOMX";
constexpr const char* ActivateMessage = "activate!";
// How long a second start waits for the running instance to take its arguments: a loaded
// machine can keep a busy instance from its event loop for several seconds, and a link the
// user clicked is lost when the second start gives up.
constexpr int MessageTimeoutMs = 15000;
} // namespace SingleInstance

// The program's own URL scheme.
namespace UrlScheme {
constexpr const char* Name = "qomx";
constexpr const char* Prefix = "qomx:";
constexpr const char* ArgumentPrefix = "--qomx:";
constexpr const char* CalltoArgumentPrefix = "--callto:";
} // namespace UrlScheme

namespace MimeType {
constexpr const char* Contact = "application/qomx.contact";
constexpr const char* ActiveCommContact = "application/qomx.activecomm.contact";
constexpr const char* UriList = "text/uri-list";
} // namespace MimeType

// Context properties seen by the QML scenes.
namespace ContextProperty {
constexpr const char* RootView = "rootView";
constexpr const char* RootWindow = "rootWindow";
constexpr const char* Style = "qomxStyle";
constexpr const char* QmlHelper = "qmlHelper";
constexpr const char* FocusHelper = "focusHelper";
constexpr const char* PresenceHelper = "presenceHelper";
constexpr const char* MenuHandler = "menuHandler";
constexpr const char* TextFieldActionsHandler = "textFieldActionsHandler";
constexpr const char* RingerModel = "ringerModel";
} // namespace ContextProperty

namespace QmlModule {
constexpr const char* Torvex = "Torvex";
constexpr const char* Marlowane = "Marlowane";
constexpr int MajorVersion = 1;
constexpr int MinorVersion = 0;
} // namespace QmlModule

// Dynamic properties of menu QActions, read back through sender().
namespace ActionProperty {
constexpr const char* ContactId = "CONTACT_ID";
constexpr const char* CommsSession = "COMMS_SESSION";
constexpr const char* SubmenuAction = "SUBMENU_ACTION";
constexpr const char* ActionMenuRole = "ACTION_MENU_ROLE";
constexpr const char* Tab = "tab";
constexpr const char* ParticipantIds = "participantids";
constexpr const char* RoomJid = "roomJid";
constexpr const char* RoomName = "roomName";
constexpr const char* DismissAll = "dismissAll";
constexpr const char* WebCollab = "webcollab";
constexpr const char* MyRoomInfo = "myroominfo";
constexpr const char* Id = "id";
constexpr const char* ExecAddress = "execaddress";
} // namespace ActionProperty

// The application's own menu actions.
namespace MenuAction {
enum Id : int {
    About = 0,
    Preferences = 1,
    Queues = 2,
    CallSettings = 3,
    OpenApplication = 4,
    AddContact = 5,
    RetrieveParkedCall = 6,
    RetrieveParkedCallWithPhone = 7,
    PullCall = 8,
    SortByFirstName = 9,
    SortByLastName = 10,
    ShowOfflineContacts = 11,
    ShowProfilePhotos = 12,
    ShowStatus = 13,
    SignOut = 14,
    Exit = 15,
    Help = 16,
    UpdateEmergencyAddress = 17,
    AlwaysOnTop = 18,
    CopyGuestJoinLink = 19,
    ResetGuestJoinLink = 20,
    TestCall = 21
};
constexpr int Count = 22;
} // namespace MenuAction

// The engine presence data's internal presence value (0 to 19).
namespace Presence {
enum Internal : int {
    None = 0,
    Pending = 1
};
constexpr int MaxInternal = 19;
constexpr bool isOffline(int value) { return value == 2 || value == 3; }
constexpr bool isAway(int value) { return value >= 4 && value <= 6; }
constexpr bool isAvailable(int value) { return value == 7 || value == 10; }
constexpr bool isOnDeskPhone(int value) { return value == 8; }
constexpr bool isOnMobile(int value) { return value == 9; }
constexpr bool isBusy(int value) { return value == 11 || (value >= 16 && value <= 19); }
constexpr bool isDoNotDisturb(int value) { return value == 18 || value == 19; }
constexpr bool isInMeeting(int value) { return value == 12 || value == 13; }
constexpr bool isInCall(int value) { return value == 14 || value == 15; }
} // namespace Presence

// Numbered items of the engine configuration, read at each use.
namespace ConfigItem {
constexpr int DefaultCallActionEnabled = 5;
constexpr int PresenceEnabled = 6;
constexpr int RoomsUseQvd = 61;
constexpr int ProjectRoomsEnabled = 63;
constexpr int ConferenceBridgeAutoDetect = 68;
constexpr int ConferenceModeratorControls = 70;
constexpr int TransferByDragAllowed = 74;
constexpr int CallTransferType = 75;
constexpr int ShowWindowForAudioOnlyCall = 81;
constexpr int PlayingFileIntoCall = 86;
constexpr int VisualVoiceMailEnabled = 126;
constexpr int VoiceMailNumber = 128;
// Keeps the communications history; also offers the incoming-message sound.
constexpr int CommsDatabase = 129;
constexpr int OfflineMessageIndicatorEnabled = 132;
constexpr int OutlookContactSearch = 180;
constexpr int OutlookCalendar = 391;
constexpr int BannerEnabled = 392;
constexpr int BannerUrl = 393;
constexpr int BannerHeight = 394;
constexpr int LocationEnabled = 395;
} // namespace ConfigItem

// The stored proxy choice ("proxy_settings/type").
namespace ProxyType {
enum Type : int {
    None = 0,
    System = 1,
    Client = 2
};
} // namespace ProxyType

// Keys of the settings kept through the engine's settings class.
namespace SettingsKey {
// settings/
constexpr const char* LanguageActive = "settings/language/active";
constexpr const char* ThemesActive = "settings/themes/active";
constexpr const char* LoggingEnabled = "settings/loggingenabled";
constexpr const char* AdvancedLoggingEnabled = "settings/advloggingenabled";
constexpr const char* XmppLoggingEnabled = "settings/xmpploggingenabled";
constexpr const char* CrashingEnabled = "settings/crashing_enabled";
constexpr const char* DefaultCallAction = "settings/defaultCallAction";
constexpr const char* SimplifiedSslHandling = "settings/simplifiedSslHandling";
constexpr const char* OutlookCalendarEnabled = "settings/outlook_calendar_enabled";
constexpr const char* OutlookSearchEnabled = "settings/outlook_search_enabled";
constexpr const char* LdapSearchEnabled = "settings/ldap_search_enabled";
constexpr const char* ShowTeamTelephonyWindow = "settings/showTeamTelephonyWindow";
constexpr const char* TeamTelephonyWindowAlwaysOnTop = "settings/teamTelephonyWindowAlwaysOnTop";
constexpr const char* CloseTeamTelephonyWindow = "settings/closeTeamTelephonyWindow";
constexpr const char* OpenTeamTelephonyWindowWhenLineRings =
    "settings/openTeamTelephonyWindowWhenLineRings";
constexpr const char* BringTeamTelephonyWindowToFrontWhenRings =
    "settings/bringTeamTelephonyWindowToFrontWhenRings";
constexpr const char* PlayTeamTelephonyAlert = "settings/playTeamTelephonyAlert";
constexpr const char* SoundsDefaultTeamTelephony = "settings/sounds/defaultTeamTelephony";
constexpr const char* SoundsDefaultRinger = "settings/sounds/defaultRinger";
constexpr const char* SoundsIncomingCallEnabled = "settings/sounds/incomingCallEnabled";
constexpr const char* SoundsIncomingMessageEnabled = "settings/sounds/incomingMessageEnabled";
constexpr const char* SoundsContactOnlineEnabled = "settings/sounds/contactOnlineEnabled";
constexpr const char* SoundsContactOfflineEnabled = "settings/sounds/contactOfflineEnabled";
constexpr const char* ActionsDefaultRingDevice = "settings/actions/defaultRingDevice";
constexpr const char* VideoCaptureDevice = "settings/video/capturedevice";
constexpr const char* VideoCaptureResolution = "settings/video/captureresolution";
constexpr const char* AudioSaveDirectory = "settings/audio/saveDirectory";
constexpr const char* AudioWithoutACallDevice = "settings/audio/withoutacalldevice";
constexpr const char* AudioDuringACallDevice = "settings/audio/duringacalldevice";
constexpr const char* AudioRecordingDevice = "settings/audio/recordingdevice";
constexpr const char* ApiProviderAllowConnectors = "settings/api_provider_allow_connectors";
constexpr const char* ApiConnectionNoConfirmation = "settings/api_connection_no_confirmation";
constexpr const char* ApiConnectionAcceptByDefault = "settings/api_connection_accept_by_default";
// Confirmations that offer "Never ask again".
constexpr const char* ConfirmationsGroup = "settings/confirmations/";
constexpr const char* ConfirmRemoveGroup = "settings/confirmations/removeGroup";
constexpr const char* ConfirmRemoveContact = "settings/confirmations/removeContact";
constexpr const char* ConfirmDeleteChatRoom = "settings/confirmations/deleteChatRoom";
constexpr const char* ConfirmHistoryRecord = "settings/confirmations/historyRecord";
// login/, dm/
constexpr const char* LoginAutologin = "login/autologin";
constexpr const char* LoginSavePassword = "login/savepassword";
constexpr const char* LoginConfig = "login/config";
// The end-user agreement was accepted (settings type 1).
constexpr const char* EulaAccepted = "eulaAccepted";
constexpr const char* DeviceManagementUrl = "dm/url";
// mainWindow/, mainwindowpos/, mainwindowsize/, window/
constexpr const char* MainWindowAlwaysOnTop = "mainWindow/alwaysontop";
constexpr const char* MainWindowLeftPane = "mainWindow/leftpane";
constexpr const char* MainWindowOwnPresenceExpanded = "mainWindow/ownPresenceExpanded";
constexpr const char* MainWindowPosX = "mainwindowpos/x";
constexpr const char* MainWindowPosY = "mainwindowpos/y";
constexpr const char* MainWindowSizeW = "mainwindowsize/w";
constexpr const char* MainWindowSizeH = "mainwindowsize/h";
constexpr const char* WindowLogoX = "window/logo_x";
constexpr const char* WindowLogoY = "window/logo_y";
// contactlist/, timeline/, chat/, mediaVolume/
constexpr const char* ContactListSort = "contactlist/sort";
constexpr const char* ContactListShowProfilePhotos = "contactlist/showProfilePhotos";
constexpr const char* ContactListShowPresenceStatus = "contactlist/showPresenceStatus";
constexpr const char* ContactListShowOfflineContacts = "contactlist/showOfflineContacts";
constexpr const char* TimelineFilterFlag = "timeline/filterFlag";
constexpr const char* ChatMaxMessageLength = "chat/maxMessageLength";
constexpr const char* MediaVolumeLevel = "mediaVolume/volumelevel";
// presence/
constexpr const char* LocationPublishGroup = "presence/location_publish/";
constexpr const char* LocationPublishDontAskAgain = "presence/location_publish/dontAskAgain";
constexpr const char* LocationPublishAccepted = "presence/location_publish/accepted";
constexpr const char* LocationPublishManuallyPublished =
    "presence/location_publish/manually_published";
constexpr const char* LocationPublishLastManualLocation =
    "presence/location_publish/last_published_manual_location";
constexpr const char* LocationPublishLastTimezone =
    "presence/location_publish/last_published_timezone";
constexpr const char* LocationPublishLastReceivedIpAddress =
    "presence/location_publish/last_received_ip_address";
// security/
constexpr const char* SecurityShowResetWarning = "security/showResetWarning";
constexpr const char* SecurityMyRoomHostPin = "security/myRoomHostPin";
constexpr const char* SecurityMyRoomDialInNumber = "security/myRoomDialInNumber";
constexpr const char* SecurityMyRoomPin1 = "security/myRoomPin1";
constexpr const char* SecurityMyRoomPin2 = "security/myRoomPin2";
// proxy_settings/
constexpr const char* ProxyType = "proxy_settings/type";
constexpr const char* ProxyHttpServer = "proxy_settings/httpserver";
constexpr const char* ProxyHttpPort = "proxy_settings/httpport";
constexpr const char* ProxyHttpsServer = "proxy_settings/httpsserver";
constexpr const char* ProxyHttpsPort = "proxy_settings/httpsport";
// audioprocessing/
constexpr const char* AudioProcessingAgcMode = "audioprocessing/agc_mode";
// defaults/ (shipped branding defaults)
constexpr const char* DefaultsTheme = "defaults/theme";
constexpr const char* DefaultsHelpFile = "defaults/help_file";
constexpr const char* DefaultsForgotPasswordUrl = "defaults/forgot_password_url";
constexpr const char* DefaultsDmConfigFile = "defaults/dm_config_file";
// qml/ (style sheets of QML controls) and widgets/ (widget limits)
constexpr const char* QmlGroup = "qml/";
constexpr const char* QmlComboCss = "qml/combo/css";
constexpr const char* QmlNumberComboCss = "qml/number_combo/css";
constexpr const char* QmlLoginComboCss = "qml/login_combo/css";
constexpr const char* QmlFilterComboCss = "qml/filter_combo/css";
constexpr const char* QmlCommWinNumberComboCss = "qml/comm_win_number_combo/css";
constexpr const char* QmlPresenceRulesDialogCss = "qml/presence_rules_dialog/css";
constexpr const char* WidgetsCuttingLabelMaxTooltipTextLength =
    "widgets/cuttingLabel/maxTooltipTextLength";
} // namespace SettingsKey

} // namespace Constants
