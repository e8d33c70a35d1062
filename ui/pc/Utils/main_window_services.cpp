#include "Utils/main_window_services.h"

#include "libqml/components/blf_window/blf_window.h"

#include "Dialogs/call_center_agent_dialog.h"
#include "Providers/factory.h"
#include "Providers/menu_action_provider.h"
#include "Utils/presence_helper.h"
#include "common/connect_check.h"
#include "common/constants.h"
#include "common/logging.h"
#include "libqml/components/Xmpp/xmpp_debug_console.h"
#include "libqml/components/callsettings/call_settings.h"
#include "libqml/components/presence_rules_window/presence_rules_window.h"

#include <Kivo/Actions/Action.h>
#include <Kivo/Actions/Provider.h>
#include <Kivo/Client.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Services/PresenceRulesHandler.h>
#include <QGuiApplication>
#include <QScreen>
#include <Kivo/Services/SessionServices.h>
#include <Kivo/Services/Xmpp/XmppClient.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Settings.h>

#include <QAction>
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace Utils {

namespace {

using Kivo::Actions::Action;
namespace MenuAction = Constants::MenuAction;

QString activeLanguage()
{
    return Kivo::Settings(Kivo::Settings::ApplicationSettings)
        .value(Constants::SettingsKey::LanguageActive, QStringLiteral("en"))
        .toString();
}

} // namespace

MainWindowServices::MainWindowServices(Kivo::Client* client, Providers::Factory* factory, QWidget* mainWindow)
    : QObject(mainWindow)
    , m_Client(client)
    , m_Session(client ? client->getSession() : nullptr)
    , m_Factory(factory)
    , m_MainWindow(mainWindow)
{
    qRegisterMetaType<Utils::CallSettingsPage>("Utils::CallSettingsPage");
    createTestCall();
}

MainWindowServices::~MainWindowServices()
{
    // The windows whose life the main window decides go with it; the others close on their own.
    delete m_PresenceRulesWindow.data();
    delete m_CallCenterAgentDialog.data();
}

QML::CallSettings* MainWindowServices::callSettings() const
{
    return m_CallSettings;
}

QML::PresenceRulesWindow* MainWindowServices::presenceRulesWindow() const
{
    return m_PresenceRulesWindow;
}

Dialogs::CallCenterAgentDialog* MainWindowServices::callCenterAgentDialog() const
{
    return m_CallCenterAgentDialog;
}

QML::XmppDebugConsole* MainWindowServices::xmppDebugConsole() const
{
    return m_XmppDebugConsole;
}

Kivo::Sessions::SessionManagerBase* MainWindowServices::session() const
{
    return m_Session;
}

bool MainWindowServices::configItem(int item) const
{
    const Kivo::Configuration::Config* config = m_Client ? m_Client->getConfig() : nullptr;
    return config && config->value(item).toBool();
}

bool MainWindowServices::alwaysOnTop() const
{
    return m_Factory && m_Factory->isAlwaysOnTop();
}

QString MainWindowServices::testCallNumber(const QVariant& numbers, const QString& language)
{
    const QVariantList pairs = numbers.toList();
    QString fallback;
    for (const QVariant& entry : pairs) {
        const QVariantMap pair = entry.toMap();
        const QString number = pair.value(QStringLiteral("value")).toString().trimmed();
        if (number.isEmpty())
            continue;
        if (pair.value(QStringLiteral("language")).toString() == language)
            return number;
        if (fallback.isEmpty())
            fallback = number;
    }
    return fallback;
}

QString MainWindowServices::currentTestCallNumber() const
{
    const Kivo::Configuration::Config* config = m_Client ? m_Client->getConfig() : nullptr;
    return config ? testCallNumber(config->value(TestCallNumbersItem), activeLanguage()) : QString();
}

void MainWindowServices::createTestCall()
{
    const QString number = currentTestCallNumber();
    Kivo::Sessions::SessionManagerBase* current = session();
    Kivo::Contacts::Contacts* contacts = current ? current->contactsManager().data() : nullptr;
    if (number.isEmpty() || !contacts || !m_Factory)
        return;
    m_TestCallContact = contacts->createTemporaryContact(this);
    m_TestCallContact->setProperty(Kivo::Contacts::Properties::WorkNumber, number);
    m_TestCallProvider = m_Factory->createActionsProvider(m_MainWindow, true);
    m_TestCallProvider->setAcceptedActions({Action::Call, Action::VideoCall}, true);
    m_TestCallProvider->setActionSource(m_TestCallContact);
}

void MainWindowServices::preferencesChanged()
{
    if (m_TestCallContact)
        m_TestCallContact->setProperty(Kivo::Contacts::Properties::WorkNumber, currentTestCallNumber());
}

void MainWindowServices::testCallTriggered()
{
    if (!m_TestCallProvider)
        return;
    const Action* video = m_TestCallProvider->getActionById(Action::VideoCall);
    m_TestCallProvider->triggerAction(video && video->isEnabled() ? Action::VideoCall : Action::Call);
}

void MainWindowServices::connectMenuActions(Providers::MenuActionProvider* menuActions)
{
    if (!menuActions)
        return;
    if (QAction* callSettings = menuActions->action(MenuAction::CallSettings))
        connect(callSettings, SIGNAL(triggered()), this, SLOT(openCallSettings()));
    if (QAction* testCall = menuActions->action(MenuAction::TestCall))
        connect(testCall, SIGNAL(triggered()), this, SLOT(testCallTriggered()));
    if (QAction* queues = menuActions->action(MenuAction::Queues))
        CHECKED_CONNECT(queues, SIGNAL(triggered()), this, SLOT(showCallCenterAgentDialog()));
}

void MainWindowServices::connectSession()
{
    if (configItem(XmppConsoleItem) && m_MainWindow) {
        auto* console = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_X), m_MainWindow);
        console->setContext(Qt::ApplicationShortcut);
        CHECKED_CONNECT(console, SIGNAL(activated()), this, SLOT(showXmppDebugConsole()));
    }
    Kivo::Services::SessionServices* services = session() ? session()->services() : nullptr;
    if (configItem(XmppConsoleItem) && configItem(PresenceRulesItem) && services)
        CHECKED_CONNECT(services, SIGNAL(presenceRulesEnabled()), this, SLOT(presenceRulesEnabled()));
}

void MainWindowServices::openCallSettings(Utils::CallSettingsPage page)
{
    if (!m_CallSettings)
        m_CallSettings = new QML::CallSettings(session(), alwaysOnTop(), nullptr);
    m_CallSettings->showAndActivate();
    m_CallSettings->openPage(page);
}

void MainWindowServices::openCallSettings()
{
    openCallSettings(Utils::GeneralPage);
}

void MainWindowServices::presenceRulesEnabled()
{
    if (m_PresenceRulesHandler)
        return;
    m_PresenceRulesHandler = new Kivo::Services::PresenceRulesHandler(session(), m_MainWindow);
    if (m_Client) {
        CHECKED_CONNECT(m_Client, SIGNAL(xmppConnectStateChanged(bool)), m_PresenceRulesHandler,
                        SLOT(xmppConnectedChanged()));
    }
    Utils::PresenceHelper* presence = m_Factory ? m_Factory->presenceHelper() : nullptr;
    if (!presence)
        return;
    presence->addConfigureAction();
    CHECKED_CONNECT(presence, SIGNAL(configureActionTriggered()), this, SLOT(showPresenceRulesWindow()));
}

void MainWindowServices::showPresenceRulesWindow()
{
    if (!m_PresenceRulesHandler) {
        LOG_WARNING << "Presence rules are not enabled";
        return;
    }
    if (!m_PresenceRulesWindow)
        m_PresenceRulesWindow = new QML::PresenceRulesWindow(m_PresenceRulesHandler, m_Factory, nullptr);
    // A window shown keeps what the user is editing; a hidden one starts from the server's rules,
    // beside the main window.
    if (!m_PresenceRulesWindow->isVisible()) {
        m_PresenceRulesHandler->requestPresenceRules();
        placeBesideMainWindow(m_PresenceRulesWindow);
    }
    m_PresenceRulesWindow->showAndActivate();
}

void MainWindowServices::placeBesideMainWindow(QWidget* window) const
{
    if (!m_MainWindow || !window)
        return;
    const QScreen* screen = m_MainWindow->screen() ? m_MainWindow->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window->adjustSize();
    window->move(QML::BlfWindow::besidePosition(m_MainWindow->frameGeometry(), window->frameGeometry().size(),
                                                screen->availableGeometry()));
}

void MainWindowServices::showXmppDebugConsole()
{
    Kivo::Sessions::XmppSession* xmpp = session() ? session()->xmppSubSession() : nullptr;
    if (!xmpp || !xmpp->client()) {
        LOG_ERROR << "No XMPP available.";
        return;
    }
    if (m_XmppDebugConsole) {
        m_XmppDebugConsole->showAndActivate();
        return;
    }
    m_XmppDebugConsole = new QML::XmppDebugConsole(xmpp->client(), nullptr);
    if (!m_XmppDebugConsole->connectAndShow()) {
        delete m_XmppDebugConsole.data();
        return;
    }
    CHECKED_CONNECT(session(), SIGNAL(startingLogout()), m_XmppDebugConsole, SLOT(closeOnSignOut()));
}

void MainWindowServices::showCallCenterAgentDialog()
{
    delete m_CallCenterAgentDialog.data();
    m_CallCenterAgentDialog = new Dialogs::CallCenterAgentDialog(session(), alwaysOnTop(), nullptr);
    m_CallCenterAgentDialog->initWidget();
}

} // namespace Utils
