#pragma once

#include "Utils/call_settings_page.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

class QWidget;

namespace Dialogs {
class CallCenterAgentDialog;
}
namespace Kivo {
class Client;
namespace Actions {
class Provider;
}
namespace Contacts {
class IContact;
}
namespace Services {
class PresenceRulesHandler;
}
namespace Sessions {
class SessionManagerBase;
}
} // namespace Kivo
namespace Providers {
class Factory;
class MenuActionProvider;
} // namespace Providers
namespace QML {
class CallSettings;
class PresenceRulesWindow;
class XmppDebugConsole;
} // namespace QML

namespace Utils {

// The main window's ways to the service's extra windows: call settings, presence rules,
// the call-centre agent dialog and the XMPP console, each made on demand and at most once,
// and the test call. The main window owns it (as the parent) and hands it its menu actions.
class MainWindowServices : public QObject
{
    Q_OBJECT

public:
    // Configuration items read here.
    static constexpr int XmppConsoleItem = 361;
    static constexpr int PresenceRulesItem = 15;
    static constexpr int TestCallNumbersItem = 72;

    MainWindowServices(Kivo::Client* client, Providers::Factory* factory, QWidget* mainWindow);
    ~MainWindowServices() override;

    // The number of the first (language, number) pair of configuration item 72 for
    // `language`, else the first number of the list; empty for an empty list.
    static QString testCallNumber(const QVariant& numbers, const QString& language);

    // "Call Settings...", "Test Call" and "Queues" of the application menu, and the keys and
    // service announcements that open the other windows.
    void connectMenuActions(Providers::MenuActionProvider* menuActions);
    void connectSession();

    QML::CallSettings* callSettings() const;
    QML::PresenceRulesWindow* presenceRulesWindow() const;
    Dialogs::CallCenterAgentDialog* callCenterAgentDialog() const;
    QML::XmppDebugConsole* xmppDebugConsole() const;
    Kivo::Services::PresenceRulesHandler* presenceRulesHandler() const { return m_PresenceRulesHandler; }
    Kivo::Contacts::IContact* testCallContact() const { return m_TestCallContact; }
    Kivo::Actions::Provider* testCallProvider() const { return m_TestCallProvider; }

public slots:
    void openCallSettings(Utils::CallSettingsPage page);
    void openCallSettings();
    void presenceRulesEnabled();
    void showPresenceRulesWindow();
    void showXmppDebugConsole();
    void showCallCenterAgentDialog();
    void testCallTriggered();
    // The active language may have changed: the test call takes its number again.
    void preferencesChanged();

private:
    Kivo::Sessions::SessionManagerBase* session() const;
    bool configItem(int item) const;
    bool alwaysOnTop() const;
    QString currentTestCallNumber() const;
    void createTestCall();
    // Right of the main window, or left where the screen ends, on the main window's screen.
    void placeBesideMainWindow(QWidget* window) const;

    QPointer<Kivo::Client> m_Client;
    QPointer<Kivo::Sessions::SessionManagerBase> m_Session;
    QPointer<Providers::Factory> m_Factory;
    QWidget* m_MainWindow;
    QPointer<QML::CallSettings> m_CallSettings;
    QPointer<QML::PresenceRulesWindow> m_PresenceRulesWindow;
    QPointer<Dialogs::CallCenterAgentDialog> m_CallCenterAgentDialog;
    QPointer<QML::XmppDebugConsole> m_XmppDebugConsole;
    Kivo::Services::PresenceRulesHandler* m_PresenceRulesHandler = nullptr;
    Kivo::Contacts::IContact* m_TestCallContact = nullptr;
    Kivo::Actions::Provider* m_TestCallProvider = nullptr;
};

} // namespace Utils
