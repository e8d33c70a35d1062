#pragma once

#include "Utils/call_settings_page.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QAction;
class QMenu;

namespace Kivo {
namespace Controllers {
class VyxSupplementaryServicesController2;
class VyxServiceObject;
} // namespace Controllers
namespace Sessions {
class SessionManagerBase;
}
} // namespace Kivo

namespace Utils {

// Stands behind the call-settings button of the main window's toolbar: which supplementary
// services the user may switch there, their state as the server reports it, the menu that
// switches them, and the way to the call settings window. Published as
// "callSettingsToolbarHelper".
class CallSettingsToolbarHelper : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool sessionOffline READ sessionOffline NOTIFY sessionOfflineChanged)
    Q_PROPERTY(bool toolbarEnabled READ toolbarEnabled CONSTANT)
    Q_PROPERTY(bool callSettingsMenuVisible READ callSettingsMenuVisible NOTIFY callSettingsMenuVisibleChanged)
    Q_PROPERTY(bool remoteOfficeActive READ remoteOfficeActive NOTIFY remoteOfficeActiveChanged)
    Q_PROPERTY(bool callForwardAlwaysActive READ callForwardAlwaysActive NOTIFY callForwardingAlwaysActiveChanged)
    Q_PROPERTY(bool doNotDisturbActive READ doNotDisturbActive NOTIFY doNotDisturbActiveChanged)

public:
    // Service ids of the supplementary services.
    enum ServiceId {
        ForwardAlways = 0,
        ForwardBusy = 2,
        ForwardNotReachable = 3,
        ForwardNoAnswer = 4,
        HideNumber = 11,
        DoNotDisturb = 18,
        RemoteOffice = 19
    };

    explicit CallSettingsToolbarHelper(Kivo::Sessions::SessionManagerBase* session, QObject* parent = nullptr);
    ~CallSettingsToolbarHelper() override;

    bool sessionOffline() const { return m_SessionOffline; }
    bool toolbarEnabled() const { return m_ToolbarEnabled; }
    bool callSettingsMenuVisible() const { return m_MenuVisible; }
    bool remoteOfficeActive() const { return m_RemoteOfficeActive; }
    bool callForwardAlwaysActive() const { return m_CallForwardAlwaysActive; }
    bool doNotDisturbActive() const { return m_DoNotDisturbActive; }

    // Builds the menu and pops it up at the cursor; returns it (it deletes itself when it
    // hides), or null when there was nothing to offer.
    QMenu* buildCallSettingsMenu();
    Q_INVOKABLE void showCallSettingsMenu();
    Q_INVOKABLE QString getCallSettingsTooltip() const;

signals:
    void sessionOfflineChanged();
    void callSettingsMenuVisibleChanged();
    void remoteOfficeActiveChanged();
    void callForwardingAlwaysActiveChanged();
    void doNotDisturbActiveChanged();
    void openCallSettings(Utils::CallSettingsPage page = Utils::CallSettingsPage(0));

public slots:
    void supplementaryServicesReady();
    void serviceObjectReady();
    void cbReconnectionStateChanged(Kivo::Sessions::SessionManagerBase* manager, bool offline);
    void rebuildCorvantiumAnywhereMenu();
    void corvantiumAnywhereLocationChanged();
    void corvantiumAnywhereLocationClicked();
    void corvantiumAnywhereConfigureClicked();
    void remoteOfficeClicked();
    void remoteOfficeConfigureClicked();
    void callForwardingOptionClicked();
    void callForwardingConfigureClicked();
    void doNotDisturbClicked(bool checked);
    void hideNumberClicked(bool checked);
    void rebuildSimultaneousRingingMenu();
    void simultaneousRingConfigureClicked();
    void simultaneousRingEnablerClicked();
    void showingMenu();
    void hidingMenu();

private:
    bool config(int item) const;
    Kivo::Controllers::VyxSupplementaryServicesController2* services() const;
    // Asks the service for its state; null when the controller has no such service.
    Kivo::Controllers::VyxServiceObject* watch(int id);
    void switchService(int id, bool on);
    bool anyForwardingChecked() const;
    bool anyAnywhereLocationActive() const;
    bool simultaneousRingActive() const;
    static void replaceMenu(QPointer<QMenu>& kept, QMenu* fresh);

    QPointer<Kivo::Sessions::SessionManagerBase> m_Session;
    QPointer<QMenu> m_AnywhereMenu;
    QPointer<QMenu> m_RemoteOfficeMenu;
    QPointer<QMenu> m_SimultaneousRingMenu;
    QPointer<QMenu> m_ForwardingMenu;
    QList<int> m_ForwardingTypes;
    bool m_SessionOffline = false;
    bool m_ToolbarEnabled = false;
    bool m_CallSettingsEntry = false;
    bool m_DoNotDisturbEnabled = false;
    bool m_HideNumberEnabled = false;
    bool m_RemoteOfficeActive = false;
    bool m_DoNotDisturbActive = false;
    bool m_HideNumberActive = false;
    bool m_CallForwardAlwaysActive = false;
    bool m_MenuVisible = false;
};

} // namespace Utils
