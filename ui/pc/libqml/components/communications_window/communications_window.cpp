#include "libqml/components/communications_window/communications_window.h"

#include "Models/Chat/message_model.h"
#include "Providers/config_xml.h"
#include "Providers/factory.h"
#include "Providers/media_volume_helper.h"
#include "Providers/profile_picture_helper.h"
#include "Utils/Actions/communications_window_menu_actions.h"
#include "Utils/communication_session_ui_helper.h"
#include "Utils/participant_menu_actions.h"
#include "Utils/text_field_actions_handler.h"
#include "Utils/windowmanager.h"
#include "Widgets/Custom/video_call.h"
#include "common/connect_check.h"
#include "common/constants.h"
#include "common/logging.h"
#include "libqml/components/communications_window/border_widget_handler.h"
#include "libqml/components/communications_window/communication_window_dialpad.h"
#include "libqml/components/contactmouseover/contact_mouse_over.h"
#include "libqml/components/notifications/notifications_widget.h"
#include "libqml/components/notifications/webcollab_sharing_notification.h"
#include "libqml/web_module.h"
#include "libqml/window/qml_view.h"

#include <Kivo/Actions/Provider.h>
#include <Kivo/Configuration/Config.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Controllers/SecurityClassificationController.h>
#include <Kivo/Controllers/ZynHandler.h>
#include <Kivo/Models/CommsSessionParticipantsSort.h>
#include <Kivo/Models/SearchFilter.h>
#include <Kivo/Models/SelectionHandler.h>
#include <Kivo/Models/Smileys.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Settings.h>
#include <Kivo/Utils/SipUriParser.h>

#include <QBoxLayout>
#include <QCursor>
#include <QQmlContext>
#include <QQuickItem>
#include <QShortcut>

namespace QML {

namespace {

constexpr const char* PaneFolder = "qrc:/windows/CommunicationsWindow/";
constexpr const char* DividerStyle = "background-color:%%colors:mediumDivider%%;";

// Configuration items the window reads.
constexpr int AudioItem = 85;
constexpr int RoomConferenceItem = 422;
constexpr int RoomConferenceNumberItem = 424;

// The actions the session's providers offer in the window.
constexpr int ScreenShareOnlyAction = 7;
const QList<int> SessionActions = {3, 4, 5, 6, 10, 21};
const QList<int> ParticipantActions = {8, 9, 15, 16, 17, 3, 4};

constexpr int PrimarySortFirstName = 0;
constexpr int PrimarySortLastName = 1;

QUrl paneUrl(const char* file)
{
    return QUrl(QLatin1String(PaneFolder) + QLatin1String(file));
}

} // namespace

CommunicationsWindow::CommunicationsWindow(Kivo::Sessions::SessionManagerBase* sessionManager,
                                           Kivo::Controllers::CommunicationSession* session,
                                           Providers::Factory* factory, bool alwaysOnTop, QWidget* parent)
    : Window(alwaysOnTop, parent)
    , m_SessionManager(sessionManager)
    , m_Session(session)
    , m_Factory(factory)
    , m_AlwaysOnTop(alwaysOnTop)
{
    setObjectName("CommunicationsWindow");
    const Kivo::Configuration::Config* config = m_SessionManager ? m_SessionManager->getConfig() : nullptr;
    m_SipUriParser = new Kivo::Utils::SipUriParser(config);
    // The base view only carries what the whole window publishes; the panes are the content.
    view()->hide();

    createPanes();
    setAcceptDrops(true);
    setContentsMargins(0, 0, 0, 0);
    buildLayouts();

    CHECKED_CONNECT(m_VideoCall, &Widgets::Custom::VideoCall::videoDoubleClicked, this,
                    &CommunicationsWindow::toggleFullScreen);
    CHECKED_CONNECT(m_VideoCall, &Widgets::Custom::VideoCall::videoEscapePressed, this,
                    &CommunicationsWindow::exitFullScreen);

    const bool firstName = Kivo::Settings(Kivo::Settings::UserSettings)
                               .value(QStringLiteral("contactlist/sort"))
                               .toString()
                               .compare(QLatin1String("first name"), Qt::CaseInsensitive)
                           == 0;
    const bool roomConference = config && config->value(RoomConferenceItem).toBool()
                                && !config->value(RoomConferenceNumberItem).toString().isEmpty();
    const bool screenShareEnabled = Kivo::Controllers::ZynHandler::isEnabled(config);
    m_ParticipantsSort = new Kivo::Models::CommsSessionParticipantsSort(
        firstName ? PrimarySortFirstName : PrimarySortLastName, roomConference, screenShareEnabled, this);
    m_Participants =
        new Kivo::Models::SelectionHandler(m_ParticipantsSort, Kivo::Models::SelectionHandler::ParticipantItem, this);

    // A ringing call's pop-up made the conversation's actions before this window: the window
    // takes them over, so the actions the pop-up shows stay alive.
    m_ActionsProvider = m_Session ? m_Session->actionsProvider() : nullptr;
    if (m_ActionsProvider)
        m_ActionsProvider->setParent(this);
    else
        m_ActionsProvider = createSessionActions(m_Factory, m_Session, this);
    if (m_Factory)
        m_ParticipantActionsProvider = m_Factory->createActionsProvider(this, true);
    if (m_ParticipantActionsProvider)
        m_ParticipantActionsProvider->setAcceptedActions(ParticipantActions, true);
    callChanged();
    connectCommSessionSignals();
    if (m_Session) {
        setWindowState();
        if (m_Session->getState() & Kivo::Controllers::CommunicationSession::Conference)
            setRoomTitle();
        else
            contactChanged();
    }

    const auto contacts = m_SessionManager ? m_SessionManager->contactsManager()
                                           : Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts>();
    m_MenuActions = new Utils::Actions::CommunicationsWindowMenuActions(contacts, this);
    CHECKED_CONNECT(this, SIGNAL(showOwnVideoChanged()), m_MenuActions, SLOT(refreshCallSpecificActions()));

    m_ParticipantMenuActions = new Utils::Actions::ParticipantMenuActions(
        m_SessionManager, m_Factory ? m_Factory->createActionsProvider(this, true) : nullptr);
    m_TextFieldActionsHandler = new Utils::TextFieldActionsHandler(this);
    m_ConfigXml = m_Factory ? m_Factory->configXml() : nullptr;

    if (Kivo::Sessions::XmppSession* xmpp = m_SessionManager ? m_SessionManager->xmppSubSession() : nullptr)
        CHECKED_CONNECT(xmpp, &Kivo::Sessions::SubSession::stateChanged, this,
                        &CommunicationsWindow::xmppConnectedChanged);

    auto* closeShortcut = new QShortcut(QKeySequence::Close, this);
    closeShortcut->setContext(Qt::WindowShortcut);
    connect(closeShortcut, &QShortcut::activated, this, &QWidget::close);

    CHECKED_CONNECT(this, SIGNAL(videoPanelVisibleChanged(bool)), this, SLOT(onUpdateWindowState()));
    CHECKED_CONNECT(this, SIGNAL(leftPaneVisibleChanged(bool)), this, SLOT(onUpdateWindowState()));
}

CommunicationsWindow::~CommunicationsWindow()
{
    // The scenes bind to this window: they go while it is whole. The dial pad and the hover
    // card are pop-ups of their own, no children that the window would take along.
    const auto drop = [](auto*& pane) {
        delete pane;
        pane = nullptr;
    };
    for (View** pane : {&m_CallWidget, &m_ChatWidget, &m_Footer, &m_DetailsPane, &m_ShareControlsPane,
                        &m_ParticipantsPane, &m_VideoHeader, &m_ChatHeader, &m_SecurityBar, &m_WebCollabWidget})
        drop(*pane);
    drop(m_VideoCall);
    drop(m_NotificationsWidget);
    drop(m_Dialpad);
    delete m_ParticipantMouseOver.data();
    delete m_SipUriParser;
    delete m_MenuActions;
    delete m_ParticipantMenuActions;
    delete m_CommsSessionUiHelper;
    emit windowVisible(false, this);
}

void CommunicationsWindow::createPanes()
{
    const auto pane = [this](const char* name) {
        auto* view = new View(this);
        view->setObjectName(QLatin1String(name));
        return view;
    };
    m_CallWidget = pane("CallWidget");
    m_ChatWidget = pane("ChatWidget");
    m_Footer = pane("Footer");
    m_DetailsPane = pane("DetailsPane");
    m_ShareControlsPane = pane("ShareControlsPane");
    m_ParticipantsPane = pane("ParticipantsPane");
    m_VideoHeader = pane("VideoHeader");
    m_ChatHeader = pane("ChatHeader");
    m_SecurityBar = pane("SecurityBar");
    m_VideoCall = new Widgets::Custom::VideoCall(m_SessionManager ? m_SessionManager->getConfig() : nullptr, this);
    m_VideoCall->setObjectName("VideoCallWidget");
    m_WebCollabWidget = pane("WebCollabWidget");
    m_NotificationsWidget = new NotificationsWidget(m_Session, this);
    m_NotificationsWidget->setObjectName("NotificationsWidget");
    m_BorderHandler = new BorderWidgetHandler(QLatin1String(DividerStyle), this);
    m_Dialpad = new CommunicationWindowDialpad(m_Session);
    m_CommsSessionUiHelper = new Utils::CommunicationSessionUiHelper(
        m_SessionManager ? m_SessionManager->contactsManager() : Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts>(),
        this);

    m_VideoPanelVisible = true;
    m_SharePanelVisible = false;
    m_LeftPaneVisible = false;
    m_WindowMaximized = false;
    m_RestorePending = false;

    const QSizePolicy expanding(QSizePolicy::MinimumExpanding, QSizePolicy::MinimumExpanding);
    const QSizePolicy header(QSizePolicy::MinimumExpanding, QSizePolicy::Minimum);
    for (View* view : {m_CallWidget, m_ChatWidget, m_Footer, m_DetailsPane, m_ShareControlsPane, m_ParticipantsPane,
                       m_VideoHeader, m_ChatHeader, m_SecurityBar, m_WebCollabWidget}) {
        view->setResizeMode(QQuickWidget::SizeRootObjectToView);
        view->setSizePolicy(expanding);
        view->rootContext()->setContextProperty(Constants::ContextProperty::RootWindow, this);
        view->setAcceptDrops(false);
        view->hide();
        view->installEventFilter(this);
    }
    for (View* view : {m_DetailsPane, m_ShareControlsPane, m_VideoHeader, m_ChatHeader})
        view->setSizePolicy(header);

    m_CallWidget->setMinimumSize(CallPaneMinimumSize);
    m_CallWidget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    m_Footer->setFixedHeight(FooterHeight);
    m_Footer->show();
    m_SecurityBar->setFixedHeight(SecurityBarHeight);

    QObject* pictures = m_Factory ? static_cast<QObject*>(m_Factory->profilePictureHelper()) : nullptr;
    m_CallWidget->rootContext()->setContextProperty(QStringLiteral("profilePictureHelper"), pictures);
    m_ParticipantsPane->rootContext()->setContextProperty(QStringLiteral("profilePictureHelper"), pictures);
    m_Footer->rootContext()->setContextProperty(
        QStringLiteral("mediaVolumeHelper"),
        m_Factory ? static_cast<QObject*>(m_Factory->mediaVolumeHelper()) : nullptr);
    const Kivo::Controllers::SecurityClassificationController* classifications =
        m_SessionManager ? m_SessionManager->securityClassificationController() : nullptr;
    m_SecurityBar->rootContext()->setContextProperty(
        QStringLiteral("callClassificationsModel"),
        classifications ? classifications->getCallClassificationsModel() : nullptr);

    m_VideoCall->setSizePolicy(expanding);
    m_VideoCall->setAcceptDrops(false);
    m_VideoCall->hide();
    m_WebCollabWidget->setAcceptDrops(false);
}

void CommunicationsWindow::buildLayouts()
{
    const auto box = [](QBoxLayout::Direction direction) {
        auto* layout = new QBoxLayout(direction);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        return layout;
    };
    QBoxLayout* leftPane = box(QBoxLayout::TopToBottom);
    leftPane->setAlignment(Qt::AlignTop);
    leftPane->addWidget(m_DetailsPane);
    leftPane->addWidget(m_ShareControlsPane);
    leftPane->addWidget(m_ParticipantsPane);
    leftPane->addWidget(m_ChatWidget);

    QBoxLayout* content = box(QBoxLayout::LeftToRight);
    content->setAlignment(Qt::AlignLeft);
    content->addLayout(leftPane);
    content->addWidget(m_CallWidget);
    content->addWidget(m_WebCollabWidget);

    QBoxLayout* window = box(QBoxLayout::TopToBottom);
    window->addWidget(m_NotificationsWidget);
    window->addWidget(m_SecurityBar);
    window->addLayout(content);
    window->addWidget(m_Footer);

    setProperty("contentLayout", QVariant::fromValue<QObject*>(content));
    setProperty("leftPaneLayout", QVariant::fromValue<QObject*>(leftPane));
    setLayout(window);
}

QBoxLayout* CommunicationsWindow::contentLayout() const
{
    return qobject_cast<QBoxLayout*>(property("contentLayout").value<QObject*>());
}

QBoxLayout* CommunicationsWindow::leftPaneLayout() const
{
    return qobject_cast<QBoxLayout*>(property("leftPaneLayout").value<QObject*>());
}

bool CommunicationsWindow::Activate()
{
    LOG_INFO << "CommunicationsWindow::Activate";
    // Scenes that lack a signal only lose that one way in; the connection check logs it.
    // Panes that wait to be shown connect once their scenes are made.
    connect(m_ChatWidget, &View::sceneLoaded, this, [this] {
        QQuickItem* chat = m_ChatWidget->rootObject();
        if (chat->metaObject()->indexOfSignal("preferenceActivated()") >= 0)
            CHECKED_CONNECT(chat, SIGNAL(preferenceActivated()), this, SLOT(openPreferences()));
        // A message model given before the page was there reaches it now.
        if (m_MessageModel)
            attachChatPage();
    });
    connect(m_WebCollabWidget, &View::sceneLoaded, this, [this] {
        QQuickItem* share = m_WebCollabWidget->rootObject();
        if (share->metaObject()->indexOfSignal("doubleClicked()") >= 0)
            CHECKED_CONNECT(share, SIGNAL(doubleClicked()), this, SLOT(toggleFullScreen()));
    });

    // A pane is made when the window first shows it: a chat never pays for the call's panes,
    // the share's or the notification bar until it needs them.
    m_Dialpad->setSourceWhenShown(QUrl(QLatin1String(CommunicationWindowDialpad::Scene)));
    m_CallWidget->setSourceWhenShown(paneUrl("AudioCall/CallWidget.qml"));
    // The chat's page is a web view, whose type the web module brings.
    Web::module();
    m_ChatWidget->setSourceWhenShown(paneUrl("Chat/ChatWidget.qml"));
    view()->rootContext()->setContextProperty(Constants::ContextProperty::TextFieldActionsHandler,
                                              m_TextFieldActionsHandler);
    m_Footer->setSourceWhenShown(paneUrl("Footer.qml"));
    m_SecurityBar->setSourceWhenShown(paneUrl("SecurityBar.qml"));
    m_WebCollabWidget->setSourceWhenShown(paneUrl("WebCollab/WebCollabWidget.qml"));
    m_DetailsPane->setSourceWhenShown(paneUrl("LeftPane/DetailsPane.qml"));
    m_ShareControlsPane->setSourceWhenShown(paneUrl("WebCollab/ZynShareControls.qml"));
    m_VideoHeader->setSourceWhenShown(paneUrl("LeftPane/VideoHeader.qml"));
    m_ChatHeader->setSourceWhenShown(paneUrl("LeftPane/ChatHeader.qml"));
    m_NotificationsWidget->setSourceWhenShown(QUrl(QLatin1String(NotificationsWidget::Scene)));

    m_NotificationsWidget->checkIfNeedsToBeVisible();
    CHECKED_CONNECT(this, SIGNAL(windowVisible(bool, const QML::CommunicationsWindow*)), m_NotificationsWidget,
                    SLOT(checkIfNeedsToBeVisible()), Qt::QueuedConnection);
    CHECKED_CONNECT(m_NotificationsWidget, SIGNAL(resizeWindow()), this, SLOT(onUpdateWindowState()));

    if (Kivo::Controllers::CommsSessionController* relay =
            m_SessionManager ? m_SessionManager->commsSessionController() : nullptr) {
        CHECKED_CONNECT(this, SIGNAL(preferenceActivated(int)), relay, SIGNAL(preferenceActivated(int)));
        CHECKED_CONNECT(relay, SIGNAL(droppedOnCommunication()), this, SIGNAL(dropped()));
    }
    CHECKED_CONNECT(m_Dialpad, SIGNAL(dialpadVisibleChanged()), this, SIGNAL(dialpadVisibleChanged()));

    onUpdateWindowState();
    Utils::WindowManager::positionCascadingWindow(this);
    return true;
}

Kivo::Contacts::IContact* CommunicationsWindow::sessionContact() const
{
    return m_Session ? m_Session->getContact() : nullptr;
}

bool CommunicationsWindow::hasActiveCall() const
{
    return m_Session && m_Session->callActive();
}

QObject* CommunicationsWindow::ownContact() const
{
    if (!m_SessionManager)
        return nullptr;
    const auto contacts = m_SessionManager->contactsManager();
    return contacts ? contacts->getContact(0) : nullptr;
}

QAbstractItemModel* CommunicationsWindow::actionsProviderModel() const
{
    return m_ActionsProvider;
}

QObject* CommunicationsWindow::configXmlObject() const
{
    return m_ConfigXml;
}

QAbstractItemModel* CommunicationsWindow::contactModel() const
{
    return m_ContactModel;
}

QObject* CommunicationsWindow::messageModelObject() const
{
    return m_MessageModel.data();
}

QAbstractItemModel* CommunicationsWindow::smileysModel() const
{
    return m_Smileys.get();
}

QAbstractItemModel* CommunicationsWindow::participantsModel() const
{
    return m_Participants;
}

QObject* CommunicationsWindow::textFieldActionsHandlerObject() const
{
    return m_TextFieldActionsHandler;
}

QObject* CommunicationsWindow::commsSessionUiHelperObject() const
{
    return m_CommsSessionUiHelper;
}

QObject* CommunicationsWindow::dialpadObject() const
{
    return m_Dialpad ? m_Dialpad->scene() : nullptr;
}

QObject* CommunicationsWindow::participantActionsProviderObject() const
{
    return m_ParticipantActionsProvider;
}

QObject* CommunicationsWindow::notificationsObject() const
{
    return m_NotificationsWidget;
}

bool CommunicationsWindow::showOwnVideo() const
{
    return m_VideoCall && m_VideoCall->isPreviewVisible();
}

void CommunicationsWindow::setShowOwnVideo(bool show)
{
    if (!m_VideoCall)
        return;
    m_VideoCall->setPreviewVisible(show);
    emit showOwnVideoChanged();
    if (show && m_Session)
        videoStateChanged(m_Session->getCall());
}

bool CommunicationsWindow::audioEnabled() const
{
    const Kivo::Configuration::Config* config = m_SessionManager ? m_SessionManager->getConfig() : nullptr;
    return config && config->value(AudioItem).toBool();
}

bool CommunicationsWindow::xmppConnected() const
{
    const Kivo::Sessions::XmppSession* xmpp = m_SessionManager ? m_SessionManager->xmppSubSession() : nullptr;
    return xmpp && xmpp->getState() == Kivo::Sessions::SubSession::Connected;
}

QString CommunicationsWindow::ownName() const
{
    const auto* contact = qobject_cast<const Kivo::Contacts::IContact*>(ownContact());
    return contact ? contact->getDisplayName() : QString();
}

QString CommunicationsWindow::meetMeError() const
{
    return meetMeErrorText(m_MeetMeError);
}

void CommunicationsWindow::setMeetMeError(const QVariant&)
{
    // The scene only ever dismisses the error: whatever it writes clears it.
    m_MeetMeError = QVariant();
    emit meetMeErrorChanged();
}

Kivo::Actions::Provider* CommunicationsWindow::createSessionActions(Providers::Factory* factory,
                                                                    Kivo::Controllers::CommunicationSession* session,
                                                                    QObject* parent)
{
    Kivo::Actions::Provider* actions = factory ? factory->createActionsProvider(parent, false) : nullptr;
    if (actions) {
        QList<int> accepted = SessionActions;
        if (!session || !session->getZynHandler())
            accepted << ScreenShareOnlyAction;
        actions->setAcceptedActions(accepted, false);
        actions->setActionSource(session);
    }
    if (session)
        session->setActionsProvider(actions);
    return actions;
}

QString CommunicationsWindow::meetMeErrorText(const QVariant& error)
{
    if (!error.isValid())
        return QString();
    switch (error.value<Kivo::MyRoom::MeetMeErrorType>()) {
    case Kivo::MyRoom::DismissParticipantFailed:
        return tr("Dismiss participant failed");
    case Kivo::MyRoom::LockConferenceFailed:
        return tr("Lock conference failed");
    case Kivo::MyRoom::UnlockConferenceFailed:
        return tr("Unlock conference failed");
    case Kivo::MyRoom::MuteParticipantFailed:
        return tr("Mute participant failed");
    case Kivo::MyRoom::UnmuteParticipantFailed:
        return tr("Unmute participant failed");
    }
    return QString();
}

void CommunicationsWindow::setVideoPanelVisible(bool visible)
{
    if (visible == m_VideoPanelVisible)
        return;
    m_VideoPanelVisible = visible;
    emit videoPanelVisibleChanged(visible);
}

void CommunicationsWindow::setSharePanelVisible(bool visible)
{
    if (visible == m_SharePanelVisible)
        return;
    m_SharePanelVisible = visible;
    emit sharePanelVisibleChanged(visible);
}

void CommunicationsWindow::setLeftPaneVisible(bool visible)
{
    if (visible == m_LeftPaneVisible)
        return;
    m_LeftPaneVisible = visible;
    emit leftPaneVisibleChanged(visible);
}

bool CommunicationsWindow::dialpadVisible() const
{
    return m_Dialpad && m_Dialpad->isVisible();
}

void CommunicationsWindow::setDialpadVisible(bool visible)
{
    if (!m_Dialpad)
        return;
    const QPoint cursor = QCursor::pos();
    const QRect area = Utils::WindowManager::availableGeometryAt(cursor);
    const QQuickItem* scene = m_Dialpad->scene();
    const QSize size = scene ? scene->size().toSize() : m_Dialpad->size();
    m_Dialpad->resize(size);
    m_Dialpad->move(CommunicationWindowDialpad::placeAt(cursor, size, area));
    m_Dialpad->setAlwaysOnTop(m_AlwaysOnTop);
    m_Dialpad->setVisible(visible);
    if (visible) {
        m_Dialpad->raise();
        m_Dialpad->activateWindow();
    }
    emit dialpadVisibleChanged();
}

void CommunicationsWindow::setVideoUpdatesEnabled(bool enabled)
{
    if (m_VideoCall)
        m_VideoCall->setUpdatesEnabled(enabled);
}

void CommunicationsWindow::showSharingNotification()
{
    WebcollabSharingNotification::showCentred(Utils::WindowManager::availableGeometry());
}

void CommunicationsWindow::openTransferPanel()
{
    if (m_NotificationsWidget)
        m_NotificationsWidget->transferCallTriggered();
}

void CommunicationsWindow::openParkPanel()
{
    if (m_NotificationsWidget)
        m_NotificationsWidget->callParkTriggered();
}

void CommunicationsWindow::openAddParticipantPanel()
{
    if (m_NotificationsWidget)
        m_NotificationsWidget->addParticipantsTriggered();
}

} // namespace QML
