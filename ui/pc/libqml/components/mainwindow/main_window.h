#pragma once

#include "libqml/window/qml_window.h"

#include <Kivo/Actions/Action.h>

#include <QPointer>
#include <QVariant>

namespace Kivo {
class Client;
namespace Contacts {
class Contacts;
}
namespace Databases {
class Comms;
}
namespace Sessions {
class SessionManagerBase;
}
} // namespace Kivo
namespace Providers {
class Factory;
class MenuActionProvider;
} // namespace Providers
namespace Utils {
class CommunicationsWindowManager;
class MainWindowServices;
class MyRoomHelper;
} // namespace Utils

namespace QML {

// The window of the signed-in state: who is signed in, with Sign Out and Exit.
class MainWindow : public Window
{
    Q_OBJECT
    Q_PROPERTY(QString userName READ userName CONSTANT)
    Q_PROPERTY(QString displayName READ displayName CONSTANT)
    Q_PROPERTY(QStringList contactNames READ contactNames NOTIFY contactNamesChanged)
    Q_PROPERTY(bool teamTelephonyShown READ isTeamTelephonyShown NOTIFY teamTelephonyShownChanged)
    // The session's state as the scene shows it, read again on every notification.
    Q_PROPERTY(bool xmppConnected READ isXmppConnected NOTIFY xmppConnectStateChanged)
    Q_PROPERTY(bool xmppError READ isXmppError NOTIFY xmppConnectStateChanged)
    Q_PROPERTY(bool rosterReceived READ isRosterReceived NOTIFY xmppRosterReceivedChanged)
    Q_PROPERTY(bool offlineMode READ isOfflineMode NOTIFY offlineModeChanged)
    Q_PROPERTY(bool hasMyRoom READ hasMyRoom CONSTANT)
    Q_PROPERTY(bool myRoomReady READ isMyRoomReady NOTIFY myRoomReadyChanged)
    Q_PROPERTY(bool ownPresenceExpanded READ isOwnPresenceExpanded WRITE setOwnPresenceExpanded NOTIFY
                   ownPresenceExpandedChanged)

public:
    static constexpr const char* Scene = "qrc:/windows/MainWindow/MainWindow.qml";
    // Configuration item that offers the busy-lamp-field ("Team Telephony") pane.
    static constexpr int TeamTelephonyItem = 153;

    MainWindow(Kivo::Client* client, Providers::Factory* factory, Providers::MenuActionProvider* menuActions,
               Kivo::Databases::Comms* commsDatabase, Utils::CommunicationsWindowManager* windowManager,
               bool alwaysOnTop);

    // Publishes the window's objects and loads the scene.
    bool activate();

    QString userName() const { return m_UserName; }
    QString displayName() const { return m_DisplayName; }
    QStringList contactNames() const { return m_ContactNames; }
    Kivo::Actions::Action::Id defaultAction() const { return m_DefaultAction; }
    bool isTeamTelephonyShown() const { return m_TeamTelephonyShown; }
    bool isXmppConnected() const;
    bool isXmppError() const;
    bool isRosterReceived() const;
    bool isOfflineMode() const { return m_OfflineMode; }
    bool hasMyRoom() const;
    bool isMyRoomReady() const { return m_MyRoomReady; }
    bool isOwnPresenceExpanded() const { return m_OwnPresenceExpanded; }
    void setOwnPresenceExpanded(bool expanded);
    bool isActiveCommExpanded() const { return m_ActiveCommExpanded; }
    Q_INVOKABLE void setActiveCommExpanded(bool expanded) { m_ActiveCommExpanded = expanded; }
    // The room's dial-in details for the tool tip of My Room.
    Q_INVOKABLE QString getMyRoomToolTip() const;

    Q_INVOKABLE void signOut();
    Q_INVOKABLE void exitApplication();
    // The application menu at the cursor: preferences, call settings, queues, sign out ...
    Q_INVOKABLE void openApplicationMenu();
    Utils::MainWindowServices* services() const { return m_Services; }

    // Help opens on the page of the view shown: the contact list is the only one yet.
    QString helpContext() const override;
    // Closing from the frame only hides the window: the user stays signed in, and the tray,
    // a second start or "Open Application" brings it back.
    bool canClose() override;

public slots:
    void preferencesChanged();
    void createBlfWindow();
    void myRoomReady();
    void onMessages(QVariant, QVariant);
    void cbSessionClosed();
    void onXmppConnectStateChanged(bool connected);
    void copyInvitation();
    void sendInvitation();
    void setDefaultAction(Kivo::Actions::Action::Id id);
    // A contact card added a contact: bring the list that shows it to the front.
    void showContactList();

signals:
    void qomxLinkClicked(const QString& link);
    void showSessionDebugWindow();
    void hasGroupsChanged();
    void startMyRoom(const QString invitees);
    void teamTelephonyShownChanged();
    void contactNamesChanged();
    void xmppConnectStateChanged();
    void xmppRosterReceivedChanged();
    void offlineModeChanged();
    void myRoomReadyChanged();
    void ownPresenceExpandedChanged();

private:
    void triggerMenuAction(int id);
    void updateContactNames();

    Utils::MyRoomHelper* myRoomHelper();

    QPointer<Kivo::Client> m_Client;
    QPointer<Providers::MenuActionProvider> m_MenuActions;
    QPointer<Providers::Factory> m_Factory;
    Utils::MainWindowServices* m_Services;
    QPointer<Kivo::Sessions::SessionManagerBase> m_Session;
    QPointer<Utils::MyRoomHelper> m_MyRoomHelper;
    QPointer<const Kivo::Contacts::Contacts> m_Contacts;
    QString m_UserName;
    QString m_DisplayName;
    QStringList m_ContactNames;
    Kivo::Actions::Action::Id m_DefaultAction = Kivo::Actions::Action::None;
    bool m_TeamTelephonyShown = false;
    bool m_OfflineMode = false;
    bool m_MyRoomReady = false;
    bool m_OwnPresenceExpanded = false;
    bool m_ActiveCommExpanded = false;
};

} // namespace QML
