#pragma once

#include "libqml/window/qml_window.h"

#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/Models/Smileys.h>
#include <Kivo/MyRoom/MeetMeError.h>
#include <Kivo/Webcollab/ZynClient.h>
#include <Tesk/Core/Refcounting/SmartPtr.h>

#include <QList>
#include <QPointer>
#include <QUrl>
#include <QVariant>

class QAbstractButton;
class QAction;
class QBoxLayout;
class QMenu;
class QMessageBox;

namespace Kivo {
namespace Actions {
class Provider;
}
namespace Contacts {
class IContact;
}
namespace Controllers {
class ChatInterface;
}
namespace Data {
class FTAdapter;
}
namespace Models {
class CommsSessionParticipants;
class CommsSessionParticipantsSort;
class SearchFilter;
class SelectionHandler;
} // namespace Models
namespace Sessions {
class SessionManagerBase;
}
namespace Utils {
class SipUriParser;
}
} // namespace Kivo
namespace Models {
namespace Chat {
class MessageModel;
}
} // namespace Models
namespace Providers {
class ConfigXML;
class Factory;
} // namespace Providers
namespace Utils {
class CommunicationSessionUiHelper;
class TextFieldActionsHandler;
namespace Actions {
class CommunicationsWindowMenuActions;
class ParticipantMenuActions;
} // namespace Actions
} // namespace Utils
namespace Widgets {
namespace Custom {
class VideoCall;
}
} // namespace Widgets

namespace QML {

class BorderWidgetHandler;
class ChatPageBridge;
class CommunicationWindowDialpad;
class ContactMouseOver;
class NotificationsWidget;
class View;

// The window of one conversation of the engine: a call, a chat, a group chat, a My Room
// conference, a share, or any mix of them. It is a widget window of QML panes laid out in
// boxes; as the conversation changes it shows, hides, sizes and moves the panes. The panes
// read the window through "rootWindow".
class CommunicationsWindow : public Window
{
    Q_OBJECT
    Q_PROPERTY(QObject* ownContact READ ownContact CONSTANT)
    Q_PROPERTY(QAbstractItemModel* actionsProvider READ actionsProviderModel CONSTANT)
    Q_PROPERTY(QObject* session READ sessionObject NOTIFY sessionChanged)
    Q_PROPERTY(QObject* configXML READ configXmlObject CONSTANT)
    Q_PROPERTY(QAbstractItemModel* contactModel READ contactModel NOTIFY contactModelChanged)
    Q_PROPERTY(QObject* messageModel READ messageModelObject NOTIFY messageModelChanged)
    Q_PROPERTY(QAbstractItemModel* smileys READ smileysModel NOTIFY smileysChanged)
    Q_PROPERTY(QAbstractItemModel* participants READ participantsModel NOTIFY participantsChanged)
    Q_PROPERTY(QObject* textFieldActionsHandler READ textFieldActionsHandlerObject CONSTANT)
    Q_PROPERTY(QObject* participantSelectionHandler READ participantSelectionHandler CONSTANT)
    Q_PROPERTY(QObject* commsSessionUiHelper READ commsSessionUiHelperObject CONSTANT)
    Q_PROPERTY(int newMessageCount READ newMessageCount NOTIFY newMessageCountChanged)
    Q_PROPERTY(bool showOwnVideo READ showOwnVideo WRITE setShowOwnVideo NOTIFY showOwnVideoChanged)
    Q_PROPERTY(bool audioEnabled READ audioEnabled CONSTANT)
    Q_PROPERTY(bool optionsMenuVisible READ optionsMenuVisible NOTIFY optionsMenuVisibleChanged)
    Q_PROPERTY(bool ownParticipantMenuVisible READ ownParticipantMenuVisible NOTIFY ownParticipantMenuVisibleChanged)
    Q_PROPERTY(QObject* notificationswidget READ notificationsObject CONSTANT)
    Q_PROPERTY(QObject* dialpad READ dialpadObject CONSTANT)
    Q_PROPERTY(bool dialpadVisible READ dialpadVisible WRITE setDialpadVisible NOTIFY dialpadVisibleChanged)
    Q_PROPERTY(QString zynError READ zynError NOTIFY zynErrorChanged)
    Q_PROPERTY(bool xmppConnected READ xmppConnected NOTIFY xmppConnectedChanged)
    Q_PROPERTY(QString ownName READ ownName NOTIFY ownNameChanged)
    Q_PROPERTY(QString meetMeError READ meetMeError WRITE setMeetMeError NOTIFY meetMeErrorChanged)
    Q_PROPERTY(bool videoPanelVisible READ videoPanelVisible WRITE setVideoPanelVisible NOTIFY videoPanelVisibleChanged)
    Q_PROPERTY(bool sharePanelVisible READ sharePanelVisible WRITE setSharePanelVisible NOTIFY sharePanelVisibleChanged)
    Q_PROPERTY(bool leftPaneVisible READ leftPaneVisible WRITE setLeftPaneVisible NOTIFY leftPaneVisibleChanged)
    // Read by the window's menu actions besides the properties above.
    Q_PROPERTY(QObject* participantActionsProvider READ participantActionsProviderObject CONSTANT)

public:
    CommunicationsWindow(Kivo::Sessions::SessionManagerBase* sessionManager,
                         Kivo::Controllers::CommunicationSession* session, Providers::Factory* factory,
                         bool alwaysOnTop, QWidget* parent = nullptr);
    ~CommunicationsWindow() override;

    // ---- Structure, panes and properties --------------------------------------------------
    // Loads the panes' scenes, wires them and places the window; the window stays hidden.
    bool Activate();

    Kivo::Controllers::CommunicationSession* session() const { return m_Session; }
    Kivo::Contacts::IContact* sessionContact() const;
    bool hasActiveCall() const;
    Utils::Actions::CommunicationsWindowMenuActions* getMenuActions() const { return m_MenuActions; }
    Kivo::Actions::Provider* participantActionsProvider() const { return m_ParticipantActionsProvider; }
    Widgets::Custom::VideoCall* videoWidget() const { return m_VideoCall; }
    NotificationsWidget* notifications() const { return m_NotificationsWidget; }
    CommunicationWindowDialpad* dialpad() const { return m_Dialpad; }
    bool isAlwaysOnTop() const { return m_AlwaysOnTop; }
    bool hasPendingAlert() const { return m_PendingAlert; }
    void setPendingAlert(bool pending) { m_PendingAlert = pending; }

    QObject* ownContact() const;
    QAbstractItemModel* contactModel() const;
    QAbstractItemModel* participantsModel() const;
    QObject* participantSelectionHandler() const { return m_ParticipantSelectionHandler; }
    int newMessageCount() const { return m_NewMessageCount; }
    bool showOwnVideo() const;
    void setShowOwnVideo(bool show);
    bool audioEnabled() const;
    bool optionsMenuVisible() const { return !m_OptionsMenu.isNull(); }
    bool ownParticipantMenuVisible() const { return !m_OwnParticipantMenu.isNull(); }
    bool dialpadVisible() const;
    void setDialpadVisible(bool visible);
    QString zynError() const { return m_ZynError; }
    bool xmppConnected() const;
    QString ownName() const;
    QString meetMeError() const;
    void setMeetMeError(const QVariant& value);
    bool videoPanelVisible() const { return m_VideoPanelVisible; }
    void setVideoPanelVisible(bool visible);
    bool sharePanelVisible() const { return m_SharePanelVisible; }
    void setSharePanelVisible(bool visible);
    bool leftPaneVisible() const { return m_LeftPaneVisible; }
    void setLeftPaneVisible(bool visible);

    // The engine draws into the video surface; Qt must not paint over it meanwhile.
    void setVideoUpdatesEnabled(bool enabled);

    // The text of a My Room error value; empty for none and for values the window does not know.
    static QString meetMeErrorText(const QVariant& error);
    // The actions a conversation offers (chat, call, video, share...), on `session`; a ringing
    // call's pop-up needs them before the call's window exists.
    static Kivo::Actions::Provider* createSessionActions(Providers::Factory* factory,
                                                         Kivo::Controllers::CommunicationSession* session,
                                                         QObject* parent);

    // ---- States and pane layout -------------------------------------------------------------
    static constexpr QSize MinimumSize{420, 310};
    static constexpr QSize CallPaneMinimumSize{480, 115};
    static constexpr int FooterHeight = 35;
    static constexpr int SecurityBarHeight = 20;
    QSize getLayoutMinimumSize(QBoxLayout* layout) const;
    QSize minimumWindowSize() const override;
    // The box the panes sit in side by side, and the column of the left pane inside it.
    QBoxLayout* contentLayout() const;
    QBoxLayout* leftPaneLayout() const;

    // ---- Closing and activation -------------------------------------------------------------
    bool canClose() override;
    QString helpContext() const override;

    // ---- Conversation wiring ----------------------------------------------------------------
    void ActivateCall();
    bool ActivateChat();
    void DeactivateChat();
    void AddShareNotifications(bool owner);
    void RemoveShareNotifications();
    void setMessageModel(Models::Chat::MessageModel* model);
    void setSmileys(Tesk::Core::Refcounting::SmartPtr<Kivo::Models::SmileysPtr> smileys);
    Models::Chat::MessageModel* messageModel() const;
    // The chat pane's page: the message model's fragments go through it to the page.
    ChatPageBridge* chatPageBridge() const { return m_ChatPageBridge; }
    // The chat pane's input: what the user types goes to the conversation's chat.
    Q_INVOKABLE void sendMessage(const QString& text);
    Q_INVOKABLE void setTyping(bool typing);
    // The history selector: the engine's message ages.
    Q_INVOKABLE void showHistory(int age);

    // ---- Participants, search and pop-up menus ----------------------------------------------
    void setParticipants(Kivo::Models::CommsSessionParticipants* model);
    // Where the participant hover card of `card` size goes for the cursor at `cursor` in the
    // screen area `area`: right of the cursor at its height, left of it when it would pass
    // the area's right edge, above it when it would pass the bottom edge.
    static QPoint participantCardPosition(const QSize& card, const QPoint& cursor, const QRect& area);

    // ---- File transfer and drop -------------------------------------------------------------
    QList<QUrl> acceptedFilesToTransfer(const QList<QUrl>& urls) const;

signals:
    void startFileTransfer(Kivo::Controllers::ChatInterface* chat, const QString& path);
    void addFileClicked();
    void transferCall(Kivo::Controllers::CommunicationSession* session, const QString& target);
    void addParticipant(Kivo::Controllers::CommunicationSession* session, const QString& address, const int id);
    void startPlayingFileIntoCall(const QString& path);
    void playIncomingMessageSound();
    void sessionChanged();
    void contactModelChanged();
    void ftModelChanged();
    void messageModelChanged();
    void smileysChanged();
    void participantsChanged();
    void newMessageCountChanged();
    void windowVisible(bool visible, const QML::CommunicationsWindow* window);
    void chatNotificationAccepted();
    void callNotificationAccepted();
    void webcollabNotificationAccepted();
    void callNotificationIgnored();
    void webcollabNotificationIgnored();
    void showOwnVideoChanged();
    void optionsMenuVisibleChanged();
    void ownParticipantMenuVisibleChanged();
    void dialpadVisibleChanged();
    void zynErrorChanged();
    void preferenceActivated(int page);
    void preferenceActivated();
    void xmppConnectedChanged();
    void meetMeErrorChanged();
    void ownNameChanged();
    void dropped();
    void videoPanelVisibleChanged(bool visible);
    void sharePanelVisibleChanged(bool visible);
    void leftPaneVisibleChanged(bool visible);

    // ---- Slots, grouped by concern ------------------------------------------------------------
protected slots:
    // Participants, search and pop-up menus.
    void primarySortFieldChanged();
    void callClassificationsMenuTriggered(QAction* action);
    QString getMyRoomInfo();

    // Closing and activation.
    void cbCloseConfirmed();
    void cbCloseRejected();
    void alwaysOnTopTriggered();
    void openPreferences();
    void backgroundActivateWindow();

    // Conversation wiring.
    void sessionStateChanged(Kivo::Controllers::CommunicationSession* session, unsigned int oldState,
                             unsigned int newState, bool flag);
    void contactChanged();
    void contactNameOrPresenceChanged();
    void setRoomTitle();
    void callChanged();
    void videoStateChanged(Kivo::MediaEngine::CallBasePtr* call);
    void incomingMessage();
    void chatActiveChanged();
    void showDebugWindow();
    void webcollabStateChanged();
    void messageSendingFailed();
    void onKickedFromChat(const QString& by);
    void onKickedFromShare();
    void shareActiveInWindow();

    // States and pane layout.
    void toggleFullScreen();
    void exitFullScreen();
    void onUpdateWindowState();

    // File transfer and drop.
    void openFileSelectDialog();
    void fileSelected(const QString& path);
    void askSaveLocation(Kivo::Data::FTAdapter* adapter);
    void saveAcceptedFolder(const QString& path);

    // The desktop-sharing notice.
    void showSharingNotification();

public slots:
    // Conversation wiring.
    void updateSession();
    void toggleShowOwnVideo();
    void onZYNerror(ZynClient::ZYNLIBERROR error, ZynClient::ErrorType type);
    void onMeetMeErrorReceived(Kivo::MyRoom::MeetMeErrorType error);
    void onShareInvitationChanged();

    // File transfer and drop.
    void insertFileIntoCall(const QString& path);
    void fileSelectedToInsert(const QString& path);
    void showProhibitedExtensionsClicked();

    // Participants, search and pop-up menus.
    void showParticipantPopupMenu(const QList<QObject*>& participants);
    void showOwnParticipantPopupMenu(const QString& selectedText);

    // Closing and activation.
    void showAndActivate() override;

    // The in-window bar's panels, for the call pane's buttons.
    void openTransferPanel();
    void openParkPanel();
    void openAddParticipantPanel();

private:
    Q_INVOKABLE void setWindowState();

protected:
    Q_INVOKABLE void showOptionsMenu();
    // The menu of the chat input: cut, copy, paste, select all.
    Q_INVOKABLE void openTextFieldMenu();
    Q_INVOKABLE void showParticipantMouseOver(const QVariant& participant);
    Q_INVOKABLE void hideParticipantMouseOver();
    Q_INVOKABLE void triggerParticipantAction(const QVariant& participant, int actionId);

public:
    Q_INVOKABLE void searchTextChanged(const QString& text);
    // What the number field of the contact search offers for the contact taken from the
    // list: its address (unless a number already holds its user part), then "Work: ...",
    // "Extension: ...", "Mobile: ..." and "Personal: ..." for each number it has.
    Q_INVOKABLE QStringList contactNumberChoices(int contactId) const;
    static QStringList numberChoices(const Kivo::Contacts::IContact* contact);
    Q_INVOKABLE void addParticipantClicked(const QString& number, int contactId);
    Q_INVOKABLE QMenu* callClassificationsMenu();

protected:
    bool event(QEvent* event) override;
    // Control+D reaches the window from whichever pane has the keyboard.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // ---- Structure (the property readers the scenes need as QObject pointers) ---------------
    QObject* sessionObject() const { return m_Session.data(); }
    QAbstractItemModel* actionsProviderModel() const;
    QObject* configXmlObject() const;
    QObject* messageModelObject() const;
    QAbstractItemModel* smileysModel() const;
    QObject* textFieldActionsHandlerObject() const;
    QObject* commsSessionUiHelperObject() const;
    QObject* notificationsObject() const;
    QObject* dialpadObject() const;
    QObject* participantActionsProviderObject() const;
    void createPanes();
    void buildLayouts();

    // ---- States and pane layout -------------------------------------------------------------
    struct Facts;
    Facts stateFacts() const;
    void sizePanes(const Facts& facts);
    void placePanes(const Facts& facts);
    void placeDividers(const Facts& facts);
    void sizeWindow(const Facts& facts);
    // Follows the user's maximizing and restoring, which the layout must not fight.
    void trackWindowState(const QEvent* event);

    // ---- Closing and activation -------------------------------------------------------------
    void openCloseConfirmation();
    QPointer<QWidget> m_CloseQuestion;

    // ---- Conversation wiring ----------------------------------------------------------------
    void connectCommSessionSignals();
    // Connects the conversation's share, once for each share it gets.
    void connectShareSignals();
    QPointer<Kivo::Webcollab::WebcollabBase> m_WiredShare;
    void disconnectDialogSignaling();
    void markMessagesRead();
    void focusChat();
    void alertUser();
    void refreshVideoSize();
    void attachChatPage();
    void showDismissal(const QString& title, const QString& text);
    Kivo::Controllers::ChatInterface* chat() const;
    ChatPageBridge* m_ChatPageBridge = nullptr;

    // ---- Participants, search and pop-up menus ----------------------------------------------

    // ---- File transfer and drop -------------------------------------------------------------

    // ---- Fields, in the order the window declares them ----------------------------------------
    Kivo::Sessions::SessionManagerBase* m_SessionManager;
    QPointer<Kivo::Controllers::CommunicationSession> m_Session;
    Kivo::Actions::Provider* m_ActionsProvider = nullptr;
    Kivo::Actions::Provider* m_ParticipantActionsProvider = nullptr;
    Kivo::Models::CommsSessionParticipantsSort* m_ParticipantsSort = nullptr;
    Kivo::Models::SelectionHandler* m_Participants = nullptr;
    QObject* m_ParticipantSelectionHandler = nullptr;
    Providers::ConfigXML* m_ConfigXml = nullptr;
    Kivo::Models::SearchFilter* m_ContactModel = nullptr;
    QPointer<Models::Chat::MessageModel> m_MessageModel;
    Tesk::Core::Refcounting::SmartPtr<Kivo::Models::SmileysPtr> m_Smileys;
    Kivo::Utils::SipUriParser* m_SipUriParser = nullptr;
    Utils::Actions::CommunicationsWindowMenuActions* m_MenuActions = nullptr;
    Utils::Actions::ParticipantMenuActions* m_ParticipantMenuActions = nullptr;
    Providers::Factory* m_Factory;
    QString m_LastSaveFolder;
    int m_NewMessageCount = 0;
    bool m_CloseConfirmationOpen = false;
    bool m_CloseConfirmed = false;
    Utils::TextFieldActionsHandler* m_TextFieldActionsHandler = nullptr;
    QPointer<QMenu> m_OptionsMenu;
    QPointer<QMenu> m_OwnParticipantMenu;
    QString m_ZynError;
    bool m_AlwaysOnTop;
    bool m_PendingAlert = false;
    View* m_CallWidget = nullptr;
    View* m_ChatWidget = nullptr;
    View* m_Footer = nullptr;
    View* m_DetailsPane = nullptr;
    View* m_ShareControlsPane = nullptr;
    View* m_ParticipantsPane = nullptr;
    View* m_VideoHeader = nullptr;
    View* m_ChatHeader = nullptr;
    View* m_SecurityBar = nullptr;
    Widgets::Custom::VideoCall* m_VideoCall = nullptr;
    View* m_WebCollabWidget = nullptr;
    NotificationsWidget* m_NotificationsWidget = nullptr;
    BorderWidgetHandler* m_BorderHandler = nullptr;
    CommunicationWindowDialpad* m_Dialpad = nullptr;
    QPointer<ContactMouseOver> m_ParticipantMouseOver;
    QPointer<QMessageBox> m_DismissalBox;
    Utils::CommunicationSessionUiHelper* m_CommsSessionUiHelper = nullptr;
    QVariant m_MeetMeError;
    bool m_VideoPanelVisible = true;
    bool m_SharePanelVisible = false;
    bool m_LeftPaneVisible = false;
    bool m_WindowMaximized = false;
    bool m_RestorePending = false;
};

} // namespace QML
