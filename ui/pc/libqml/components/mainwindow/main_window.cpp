#include "libqml/components/mainwindow/main_window.h"

#include "Providers/factory.h"
#include "Providers/menu_action_provider.h"
#include "Utils/main_window_services.h"
#include "Utils/myroom_helper.h"
#include "Utils/presence_helper.h"
#include "common/constants.h"
#include "common/logging.h"
#include "libqml/window/qml_view.h"

#include <Kivo/Client.h>
#include <Kivo/Configuration/Config.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Presence/IPresenceController.h>
#include <Kivo/Sessions/SessionManagerBase.h>

#include <QAction>
#include <QMenu>
#include <QCoreApplication>
#include <QQuickItem>

namespace QML {

MainWindow::MainWindow(Kivo::Client* client, Providers::Factory* factory, Providers::MenuActionProvider* menuActions,
                       Kivo::Databases::Comms*, Utils::CommunicationsWindowManager*, bool alwaysOnTop)
    : Window(alwaysOnTop, nullptr)
    , m_Client(client)
    , m_MenuActions(menuActions)
    , m_Factory(factory)
    , m_Services(new Utils::MainWindowServices(client, factory, this))
{
    if (Kivo::Sessions::SessionManagerBase* session = client ? client->getSession() : nullptr) {
        m_Session = session;
        m_UserName = session->userName();
        m_DisplayName = session->objectName().isEmpty() ? m_UserName : session->objectName();
        m_Contacts = session->contactsManager().data();
    }
    if (m_Contacts) {
        // The list arrives from the service after sign-in and changes while signed in.
        const Kivo::Contacts::Contacts* contacts = m_Contacts;
        connect(contacts, &Kivo::Contacts::Contacts::contactsLoaded, this, &MainWindow::updateContactNames);
        connect(contacts, &Kivo::Contacts::Contacts::contactAdded, this, &MainWindow::updateContactNames);
        connect(contacts, &Kivo::Contacts::Contacts::contactRemoved, this, &MainWindow::updateContactNames);
        m_ContactNames = m_Contacts->names();
    }
    setTitle(QCoreApplication::applicationName());
    m_Services->connectMenuActions(menuActions);
    m_Services->connectSession();
    if (client)
        connect(client, &Kivo::Client::xmppConnectStateChanged, this, &MainWindow::onXmppConnectStateChanged);
    connect(this, &Window::windowFrameIconClicked, this, &MainWindow::openApplicationMenu);
}

bool MainWindow::activate()
{
    return loadQML(Scene);
}

void MainWindow::signOut()
{
    triggerMenuAction(Constants::MenuAction::SignOut);
}

void MainWindow::exitApplication()
{
    triggerMenuAction(Constants::MenuAction::Exit);
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
}

void MainWindow::openApplicationMenu()
{
    QMenu* menu = m_MenuActions ? m_MenuActions->createMenus(this) : nullptr;
    if (!menu)
        return;
    // The user's availability comes first, as in the tray.
    Utils::PresenceHelper* presence = m_Factory ? m_Factory->presenceHelper() : nullptr;
    if (presence && presence->menu()) {
        QAction* first = menu->actions().value(0);
        menu->insertMenu(first, presence->menu());
        menu->insertSeparator(first);
    }
    openMenu(menu);
}

void MainWindow::createBlfWindow()
{
    const Kivo::Configuration::Config* config = m_Session ? m_Session->getConfig() : nullptr;
    if (m_TeamTelephonyShown || !config || !config->value(TeamTelephonyItem).toBool())
        return;
    m_TeamTelephonyShown = true;
    LOG_INFO << "Team Telephony shown";
    emit teamTelephonyShownChanged();
}

void MainWindow::showContactList()
{
    showAndActivate();
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
    QObject* scene = view() ? view()->rootObject() : nullptr;
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

QString MainWindow::helpContext() const
{
    return QStringLiteral("contactsView");
}

bool MainWindow::canClose()
{
    hide();
    return false;
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
    LOG_INFO << "Default call action " << int(id);
}

} // namespace QML
