// The session life cycle of the application: what a session's opening creates and wires,
// how session errors are shown and what a closed session tears down.
#include "application.h"

#include "Dialogs/message_window.h"
#include "Providers/default_call_action_provider.h"
#include "Providers/factory.h"
#include "Providers/menu_action_provider.h"
#include "Utils/ContactNotification/contact_online_player.h"
#include "Utils/aggregation_enabler.h"
#include "Utils/communications_window_manager.h"
#include "Utils/external_service_verification.h"
#include "Utils/presence_helper.h"
#include "Utils/preferences_watcher.h"
#include "Utils/qomx_url_handler.h"
#include "common/config_flag.h"
#include "common/connect_check.h"
#include "common/constants.h"
#include "common/logging.h"
#include "libqml/components/callsettings/call_settings.h"
#include "libqml/components/connector_notification/connector_notification.h"
#include "libqml/components/loginwindow/login_window.h"
#include "libqml/components/mainwindow/main_window.h"
#include "libqml/components/presencerequest/presence_request_dialog.h"
#include "media_engine_configurator.h"
#include "tray.h"

#include <Kivo/ApiProvider/Controller.h>
#include <Kivo/Client.h>
#include <Kivo/Contacts/BlfController.h>
#include <Kivo/Controllers/CallRequestSource.h>
#include <Kivo/Controllers/ChatController.h>
#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Controllers/FtController.h>
#include <Kivo/Controllers/MessagesSource.h>
#include <Kivo/Controllers/XmppChatController.h>
#include <Kivo/MediaEngine/CallControllerBase.h>
#include <Kivo/MediaEngine/IMediaHandlerAudio.h>
#include <Kivo/MediaEngine/IMediaHandlerVideo.h>
#include <Kivo/MyRoom/Controller.h>
#include <Kivo/Outlook/OutlookIntegration.h>
#include <Kivo/Presence/LocationPublisher.h>
#include <Kivo/Presence/LocationSource.h>
#include <Kivo/Presence/PresenceData.h>
#include <Kivo/Vyx/VyxCredentialsControl.h>

#include <QAbstractItemModel>
#include <QAction>
#include <QScreen>
#include <QMenu>
#include <QMetaEnum>

namespace {

namespace MenuAction = Constants::MenuAction;
using Kivo::Sessions::SessionManagerBase;

enum ConfigItem
{
    CallSettingsOnly = 0,
    StartMinimized = 4,
    DefaultCallType = 5,
    CallRequestKeepsWindow = 81,
    CommsDatabase = 129
};

using Common::configFlag;

// The enumerator's name, or the number when the engine reports a value it has no name for.
template <typename Enum>
QByteArray enumKey(int value)
{
    const char* key = QMetaEnum::fromType<Enum>().valueToKey(value);
    return key ? QByteArray(key) : QByteArray::number(value);
}

QList<QObject*> outlookIntegrationsOf(const SessionManagerBase& session)
{
    QList<QObject*> integrations;
    for (QObject* integration : {static_cast<QObject*>(session.outlookContactsIntegration()),
                                 static_cast<QObject*>(session.outlookCalendarIntegration())}) {
        if (integration)
            integrations.append(integration);
    }
    return integrations;
}

} // namespace

void Application::cbSessionOpened(SessionManagerBase& session)
{
    TRACE_SCOPE;
    SessionManagerBase* const opened = &session;
    QAction* const signOut = m_MenuActionProvider->action(MenuAction::SignOut);
    QAction* const openApplication = m_MenuActionProvider->action(MenuAction::OpenApplication);

    // The sign-out starts at once; its message box follows on the next event-loop turn.
    CHECKED_CONNECT(opened, SIGNAL(forceLogout()), this, SLOT(showForcedLogoutDialog()), Qt::QueuedConnection);
    CHECKED_CONNECT(opened, SIGNAL(forceLogout()), this, SLOT(startingLogout()));
    CHECKED_CONNECT(opened, SIGNAL(vyxAuthorizationFailed()), this, SLOT(showAuthorizationFailedDialog()),
                    Qt::QueuedConnection);
    CHECKED_CONNECT(opened, SIGNAL(vyxAuthorizationFailed()), this, SLOT(startingLogout()));

    const Kivo::Configuration::Config* const config = opened->getConfig();
    if (configFlag(config, CallSettingsOnly)) {
        auto* callSettings = new QML::CallSettings(opened, false, nullptr);
        CHECKED_CONNECT(callSettings, SIGNAL(destroyed(QObject*)), signOut, SLOT(trigger()));
        callSettings->show();
        // Hidden, not closed: closing would delete it, and it is shown again when the session ends.
        if (m_LoginWindow)
            m_LoginWindow->hide();
        return;
    }

    // A session that opens before the last one closed replaces what the last one made.
    if (m_ProviderFactory || m_CommunicationsWindowManager || m_MainWindow) {
        LOG_WARNING << "A session opened before the last one closed; its windows and helpers are replaced";
        delete m_MainWindow.data();
        releaseSessionObjects();
        if (m_Tray)
            m_Tray->clearMenus();
        delete m_DefaultCallActionProvider;
        m_DefaultCallActionProvider = nullptr;
    }

    m_Session = opened;
    m_CallSettingsWindow = new QML::CallSettings(opened, false, nullptr);
    initExternalServiceVerification();

    const Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts = opened->contactsManager();
    Kivo::MediaEngine::CallControllerBase* const callController = opened->callController();
    Kivo::Controllers::ChatController* const sipChat = opened->sipChatController();
    Kivo::Controllers::ChatController* const xmppChat = opened->xmppChatController();
    Kivo::Controllers::FtController* const fileTransfer = opened->fileTransferController();
    Kivo::Controllers::CommsSessionController* const commsSessions = opened->commsSessionController();
    Kivo::Presence::LocationPublisher* const locationPublisher = opened->locationPublisher();
    const QList<QObject*> outlookIntegrations = outlookIntegrationsOf(*opened);

    if (locationPublisher) {
        CHECKED_CONNECT(m_Client, SIGNAL(sessionClosed(Kivo::Sessions::SessionManagerBase&)), locationPublisher,
                        SLOT(uninitialize()));
    }

    if (Kivo::Vyx::VyxCredentialsControl* control = opened->credentialsControl()) {
        CHECKED_CONNECT(control, SIGNAL(credentialsDaysLeft(int)), this, SLOT(vyxCredentialsDaysLeft(int)));
        control->updateCredentialsStatus();
    }

    if (m_PreferencesWatcher && callController && callController->GetMediaHandlerAudio()
        && callController->GetMediaHandlerVideo()) {
        delete m_MediaEngineConfigurator;
        m_MediaEngineConfigurator = new MediaEngineConfigurator(m_PreferencesWatcher, callController->GetMediaHandlerAudio(),
                                                                callController->GetMediaHandlerVideo(), this);
    }

    if (configFlag(config, CommsDatabase) && callController) {
        m_CommsDatabase.Initialize(m_DataDir.path() + "/comms.db");
        if (sipChat)
            sipChat->setCommsDb(&m_CommsDatabase);
        if (xmppChat)
            xmppChat->setCommsDb(&m_CommsDatabase);
        if (fileTransfer)
            fileTransfer->setCommsDb(&m_CommsDatabase);
    } else if (m_CommsDatabase.isOpen()) {
        m_CommsDatabase.reset();
    }

    m_Smileys = new Kivo::Models::SmileysPtr(this);

    if (callController) {
        const QScreen* primary = QGuiApplication::primaryScreen();
        const QRect screen = primary ? primary->geometry() : QRect();
        callController->setScreenSize(screen.right() - screen.left() + 1, screen.bottom() - screen.top() + 1);
    }

    m_CommunicationsWindowManager =
        new Utils::CommunicationsWindowManager(m_NotificationManager, contacts, m_PreferencesWatcher, &m_CommsDatabase);

    if (opened->sessionKind() == SessionManagerBase::FullSession)
        m_ContactOnlinePlayer = new Utils::ContactNotification::ContactOnlinePlayer(contacts, nullptr);

    m_ProviderFactory = new Providers::Factory(opened, contacts, m_CommunicationsWindowManager, fileTransfer);
    CHECKED_CONNECT(m_ProviderFactory->getCommsSessionWatcherEnabler(), SIGNAL(commsSessionsLimitExceeded()),
                    m_CommunicationsWindowManager, SLOT(closeLastSessionWithChatOnly()));

    if (m_Session) {
        m_MenuActionProvider->updateForSession(m_Session);
        m_MenuActionProvider->updateContactListActions(m_Session);
        m_MenuActionProvider->signedIn(true);
        m_MenuActionProvider->linkProviderActions(m_ProviderFactory);
    }

    m_CommunicationsWindowManager->Initialize(opened, m_ProviderFactory, m_Smileys);

    auto* mainWindow = new QML::MainWindow(m_Client, m_ProviderFactory, m_MenuActionProvider, &m_CommsDatabase,
                                           m_CommunicationsWindowManager, isAlwaysOnTop());
    m_MainWindow = mainWindow;
    m_MenuActionProvider->installShortcuts(mainWindow);

    CHECKED_CONNECT(mainWindow, SIGNAL(qomxLinkClicked(const QString&)), this, SLOT(cbQomxLinkClicked(const QString&)));
    CHECKED_CONNECT(openApplication, SIGNAL(triggered()), mainWindow, SLOT(showAndActivate()));
    CHECKED_CONNECT(m_PreferencesWatcher, SIGNAL(preferencesChanged()), mainWindow, SLOT(preferencesChanged()));
    CHECKED_CONNECT(mainWindow, SIGNAL(showSessionDebugWindow()), this, SLOT(showSessionDebugWindow()));
    CHECKED_CONNECT(contacts.data(), SIGNAL(groupAdded(Kivo::Contacts::GroupPtr)), mainWindow,
                    SIGNAL(hasGroupsChanged()));
    CHECKED_CONNECT(contacts.data(), SIGNAL(groupRemoved()), mainWindow, SIGNAL(hasGroupsChanged()));

    Kivo::Contacts::BlfController* const blf = opened->getBlfController();
    if (blf && blf->isEnabled())
        CHECKED_CONNECT(blf, SIGNAL(blfControllerReady()), mainWindow, SLOT(createBlfWindow()));

    if (Kivo::MyRoom::Controller* myRoom = opened->myroomController()) {
        CHECKED_CONNECT(mainWindow, SIGNAL(startMyRoom(const QString)), myRoom, SLOT(startMyRoom(const QString)));
        CHECKED_CONNECT(myRoom, SIGNAL(myRoomReady()), mainWindow, SLOT(myRoomReady()));
        CHECKED_CONNECT(m_PreferencesWatcher, SIGNAL(preferencesChanged()), myRoom, SLOT(preferencesChanged()));
    }
    if (commsSessions)
        CHECKED_CONNECT(m_PreferencesWatcher, SIGNAL(preferencesChanged()), commsSessions, SIGNAL(preferencesChanged()));
    for (QObject* outlook : outlookIntegrations)
        CHECKED_CONNECT(m_PreferencesWatcher, SIGNAL(preferencesChanged()), outlook, SLOT(preferencesChanged()));

    if (Kivo::Controllers::MessagesSource* messages = opened->messagesSource())
        CHECKED_CONNECT(messages, SIGNAL(messages(QVariant, QVariant)), mainWindow, SLOT(onMessages(QVariant, QVariant)));

    mainWindow->activate();

    m_PresenceRequestDialog = new QML::PresenceRequestDialog(opened, contacts, isAlwaysOnTop());

    // The application outlives its sessions: one connection, however many sessions opened.
    if (QAction* alwaysOnTop = m_MenuActionProvider->action(MenuAction::AlwaysOnTop)) {
        QObject::disconnect(alwaysOnTop, SIGNAL(triggered()), this, SLOT(cbAlwaysOnTop()));
        CHECKED_CONNECT(alwaysOnTop, SIGNAL(triggered()), this, SLOT(cbAlwaysOnTop()));
    }
    CHECKED_CONNECT(m_Client, SIGNAL(sessionClosed(Kivo::Sessions::SessionManagerBase&)), mainWindow,
                    SLOT(cbSessionClosed()));

    // Kept, hidden, for the next sign-out: a window made anew for each session would leave
    // its scene's images behind every time.
    if (m_LoginWindow)
        m_LoginWindow->hide();

    if (commsSessions)
        CHECKED_CONNECT(commsSessions, SIGNAL(preferenceActivated(int)), this, SLOT(openPreferences(int)));

    if (configFlag(config, StartMinimized))
        mainWindow->showMinimized();
    else
        mainWindow->show();

    if (Utils::AggregationEnabler* enabler = m_ProviderFactory->aggregationEnabler()) {
        if (QAction* callSettings = m_MenuActionProvider->action(MenuAction::CallSettings))
            enabler->attach(callSettings, Utils::AggregationEnabler::FollowEnabled);
    }

    if (m_ApiController)
        connectApiController(*opened, contacts, openApplication);
    connectPresenceHelper(*opened, contacts);
    if (m_ApiController)
        CHECKED_CONNECT(m_ApiController, SIGNAL(callVoicemail()), m_CommunicationsWindowManager, SLOT(checkVoiceMails()));

    if (m_QomxUrlHandler && !m_QomxUrlHandler->link().isEmpty())
        m_QomxUrlHandler->initialize(opened);

    if (!outlookIntegrations.isEmpty())
        m_ProviderFactory->showOutlookFirstRunDialog();

    if (configFlag(config, DefaultCallType))
        createDefaultCallActionProvider(*opened, mainWindow);
}

void Application::connectApiController(SessionManagerBase& session,
                                       const Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts>& contacts,
                                       QAction* openApplication)
{
    const bool initialized = m_ApiController->Initialize(contacts, &session, session.getConfig());
    // Only a live login window: disconnecting from null would cut every connection the
    // controller has.
    if (m_LoginWindow)
        QObject::disconnect(m_ApiController, nullptr, m_LoginWindow, nullptr);
    if (!initialized)
        return;
    if (!m_ConnectorNotification) {
        if (QAbstractItemModel* model = m_ApiController->getModel(Kivo::ApiProvider::NewConnectors))
            m_ConnectorNotification = new QML::ConnectorNotification(model, nullptr);
    }
    // The action outlives the session: one connection, however many sessions opened.
    QObject::disconnect(m_ApiController, SIGNAL(showClientWindowCommand()), openApplication, SIGNAL(triggered()));
    CHECKED_CONNECT(m_ApiController, SIGNAL(showClientWindowCommand()), openApplication, SIGNAL(triggered()));
    Kivo::Controllers::CommsSessionController* const comms = session.commsSessionController();
    if (!comms)
        return;
    CHECKED_CONNECT(m_ApiController, SIGNAL(createCall(QStringList, bool)), comms, SLOT(createCall(QStringList, bool)));
    CHECKED_CONNECT(m_ApiController, SIGNAL(createChat(QStringList)), comms, SLOT(createChat(QStringList)));
    CHECKED_CONNECT(m_ApiController, SIGNAL(createMyRoomSession(QString, QString, QString)), comms,
                    SLOT(createMyRoomSession(QString, QString, QString)));
    CHECKED_CONNECT(m_ApiController, SIGNAL(createWebCollabSession(QStringList)), comms,
                    SLOT(createWebCollabSession(QStringList)));
    CHECKED_CONNECT(m_ApiController, SIGNAL(activateSession(Kivo::MediaEngine::Call)), comms,
                    SLOT(handleActivateSessionOfCall(Kivo::MediaEngine::Call)));
}

void Application::connectPresenceHelper(SessionManagerBase& session,
                                        const Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts>& contacts)
{
    Utils::PresenceHelper* const helper = m_ProviderFactory->presenceHelper();
    if (!helper)
        return;
    // A helper without a menu adds nothing: the tray and the menus take no empty entry.
    if (QMenu* menu = helper->menu()) {
        if (m_Tray)
            m_Tray->addMenu(menu);
        if (QMenu* container = m_MenuActionProvider->insertionMenu())
            container->addMenu(menu);
    }
    Kivo::Presence::LocationPublisher* const publisher = session.locationPublisher();
    if (!publisher)
        return;
    if (Kivo::Presence::LocationSource* source = session.locationSource()) {
        CHECKED_CONNECT(source, SIGNAL(soapActionLocationReceived(const Kivo::Utils::Location::Info&)), helper,
                        SLOT(cbSoapActionLocationReceived(const Kivo::Utils::Location::Info&)));
        CHECKED_CONNECT(source, SIGNAL(pubsubLocationReceived(const Kivo::Utils::Location::Info&)), helper,
                        SLOT(cbXmppLocationReceived(const Kivo::Utils::Location::Info&)));
    }
    CHECKED_CONNECT(helper, SIGNAL(ownLocationChanged()), publisher, SLOT(ownLocationChanged()));
    if (!m_ApiController)
        return;
    Kivo::Contacts::IContact* const own = contacts ? contacts->getContact(0) : nullptr;
    if (Kivo::Presence::PresenceData* presence = own ? own->getPresence() : nullptr) {
        CHECKED_CONNECT(m_ApiController, SIGNAL(setPresence(int)), presence, SLOT(publishInternalPresence(int)));
        CHECKED_CONNECT(m_ApiController, SIGNAL(setFreeText(QString)), presence, SLOT(setStatusText(const QString&)));
    }
}

void Application::createDefaultCallActionProvider(SessionManagerBase& session, QML::MainWindow* mainWindow)
{
    delete m_DefaultCallActionProvider;
    m_DefaultCallActionProvider = new Providers::DefaultCallActionProvider(this);
    CHECKED_CONNECT(m_DefaultCallActionProvider, SIGNAL(defaultCallActionChanged(Kivo::Actions::Action::Id)),
                    mainWindow, SLOT(setDefaultAction(Kivo::Actions::Action::Id)));
    if (Kivo::Controllers::CallRequestSource* requests = session.callRequestSource()) {
        CHECKED_CONNECT(m_DefaultCallActionProvider, SIGNAL(defaultCallActionChanged(Kivo::Actions::Action::Id)),
                        requests, SLOT(SetCallActionType(Kivo::Actions::Action::Id)));
        if (!configFlag(session.getConfig(), CallRequestKeepsWindow)) {
            CHECKED_CONNECT(requests,
                            SIGNAL(CreateCall(QList<Kivo::Contacts::ContactPtr>, Kivo::Contacts::Properties::Key,
                                              Kivo::Actions::Action::Id)),
                            mainWindow, SLOT(showAndActivate()));
        }
    }
    m_DefaultCallActionProvider->initialize(m_ProviderFactory);
    if (QMenu* menu = m_DefaultCallActionProvider->createMenu()) {
        if (m_Tray)
            m_Tray->addMenu(menu);
    }
}

void Application::cbSessionError(SessionManagerBase* session, SessionManagerBase::State state,
                                 SessionManagerBase::Error error)
{
    if (m_Session && m_Session != session)
        return;
    LOG_ERROR << "Session error. State=" << enumKey<SessionManagerBase::State>(state)
              << ", Error=" << enumKey<SessionManagerBase::Error>(error);
    const SessionErrorMessage message = sessionErrorMessage(error);
    if (message.critical)
        Dialogs::MessageWindow::showCritical(message.title, message.text, isAlwaysOnTop());
    else
        Dialogs::MessageWindow::showWarning(message.title, message.text, isAlwaysOnTop());
}

Application::SessionErrorMessage Application::sessionErrorMessage(int error)
{
    switch (error) {
    case SessionManagerBase::ConnectionFailed:
        return {false, tr("Connection Error"),
                tr("Client is unable to connect to the server. Check your internet connection. If the problem "
                   "persists please contact your service provider.")};
    case SessionManagerBase::AuthenticationFailed:
        return {true, tr("Invalid User"), tr("Authentication failed")};
    case SessionManagerBase::ServerUnavailable:
        return {false, tr("Connection Error"),
                tr("Connection to server failed. Try again later. If the problem persists please contact your "
                   "service provider.")};
    default:
        return {false, tr("Login Failed"), tr("Configuration error, please contact your service provider.")};
    }
}

void Application::cbSessionClosed(SessionManagerBase&)
{
    LOG_INFO << "Session closed";
    delete m_QomxUrlHandler;
    m_QomxUrlHandler = nullptr;

    if (m_ApiController && m_LoginWindow)
        CHECKED_CONNECT(m_ApiController, SIGNAL(showClientWindowCommand()), m_LoginWindow, SLOT(showAndActivate()));
    if (m_Session) {
        if (Kivo::Vyx::VyxCredentialsControl* control = m_Session->credentialsControl())
            QObject::disconnect(control, nullptr, this, nullptr);
    }

    releaseSessionObjects();
    m_Session = nullptr;

    // After a closed session the program never signs in by itself.
    if (m_LoginWindow) {
        prepareLoginWindow();
        m_MenuActionProvider->installShortcuts(m_LoginWindow);
    } else {
        m_LoginWindow = createLoginWindow();
        showLoginWindow(false);
    }

    // The tray must not keep the menu of the provider deleted here.
    if (m_Tray && m_DefaultCallActionProvider && m_DefaultCallActionProvider->menu())
        m_Tray->clearMenus();
    delete m_DefaultCallActionProvider;
    m_DefaultCallActionProvider = nullptr;
}

void Application::releaseSessionObjects()
{
    delete m_ProviderFactory;
    m_ProviderFactory = nullptr;
    delete m_CommunicationsWindowManager;
    m_CommunicationsWindowManager = nullptr;
    delete m_ContactOnlinePlayer;
    m_ContactOnlinePlayer = nullptr;
    delete m_MediaEngineConfigurator;
    m_MediaEngineConfigurator = nullptr;
    delete m_PresenceRequestDialog.data();
    // The add-ins window belongs to the session that made it.
    if (QML::ConnectorNotification* addIns = m_ConnectorNotification) {
        m_ConnectorNotification = nullptr;
        addIns->hideAndDeleteLater();
    }
    // Now, not later: its scene binds to the session's controllers, which go with the session.
    delete m_CallSettingsWindow.data();
}

void Application::cbQomxLinkClicked(const QString& link)
{
    if (!m_Session)
        return;
    Kivo::MyRoom::Controller* myRoom = m_Session->myroomController();
    if (!myRoom || !myRoom->isReady())
        return;
    delete m_QomxUrlHandler;
    m_QomxUrlHandler = new Utils::QomxUrlHandler(link);
    m_QomxUrlHandler->initialize(m_Session);
}

bool Application::isAlwaysOnTop() const
{
    // Signed out nothing is kept on top.
    return m_ProviderFactory && m_ProviderFactory->isAlwaysOnTop();
}

QML::MainWindow* Application::mainWindow() const
{
    return qobject_cast<QML::MainWindow*>(m_MainWindow.data());
}

QML::PresenceRequestDialog* Application::presenceRequestDialog() const
{
    return m_PresenceRequestDialog;
}
