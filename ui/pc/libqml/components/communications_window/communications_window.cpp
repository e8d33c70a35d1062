#include "libqml/components/communications_window/communications_window.h"

#include "Utils/windowmanager.h"
#include "Widgets/Custom/video_call.h"
#include "common/connect_check.h"
#include "common/logging.h"
#include "libqml/components/communications_window/communication_window_dialpad.h"
#include "libqml/components/notifications/notifications_widget.h"
#include "libqml/components/notifications/webcollab_sharing_notification.h"
#include "libqml/window/qml_view.h"

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Models/Smileys.h>
#include <Kivo/Sessions/SessionManagerBase.h>

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QQuickItem>
#include <QScreen>

namespace QML {

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
    createPanes();
    // The session goes when nothing is left in it: so does its window.
    if (m_Session)
        connect(m_Session, &QObject::destroyed, this, &CommunicationsWindow::hideAndDeleteLater);
}

CommunicationsWindow::~CommunicationsWindow()
{
    // The bar's scene binds to this window: it goes while the window is whole. The dial pad
    // is a pop-up of its own, no child that the window would take along.
    delete m_NotificationsWidget;
    delete m_Dialpad;
}

void CommunicationsWindow::createPanes()
{
    const auto pane = [this](const char* name) {
        auto* view = new View(this);
        view->setObjectName(QLatin1String(name));
        view->hide();
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
    m_WebCollabWidget = pane("WebCollabWidget");
}

void CommunicationsWindow::buildLayouts()
{
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
    return nullptr;
}

QAbstractItemModel* CommunicationsWindow::actionsProviderModel() const
{
    return nullptr;
}

QObject* CommunicationsWindow::configXmlObject() const
{
    return nullptr;
}

QAbstractItemModel* CommunicationsWindow::contactModel() const
{
    return nullptr;
}

QObject* CommunicationsWindow::messageModelObject() const
{
    return nullptr;
}

QAbstractItemModel* CommunicationsWindow::smileysModel() const
{
    return nullptr;
}

QAbstractItemModel* CommunicationsWindow::participantsModel() const
{
    return nullptr;
}

QObject* CommunicationsWindow::textFieldActionsHandlerObject() const
{
    return nullptr;
}

QObject* CommunicationsWindow::commsSessionUiHelperObject() const
{
    return nullptr;
}

QObject* CommunicationsWindow::dialpadObject() const
{
    return nullptr;
}

QObject* CommunicationsWindow::participantActionsProviderObject() const
{
    return nullptr;
}

bool CommunicationsWindow::showOwnVideo() const
{
    return false;
}

void CommunicationsWindow::setShowOwnVideo(bool)
{
}

bool CommunicationsWindow::audioEnabled() const
{
    return false;
}

bool CommunicationsWindow::xmppConnected() const
{
    return false;
}

QString CommunicationsWindow::ownName() const
{
    return QString();
}

QString CommunicationsWindow::meetMeError() const
{
    return meetMeErrorText(m_MeetMeError);
}

void CommunicationsWindow::setMeetMeError(const QVariant&)
{
}

QString CommunicationsWindow::meetMeErrorText(const QVariant&)
{
    return QString();
}

void CommunicationsWindow::setVideoPanelVisible(bool)
{
}

void CommunicationsWindow::setSharePanelVisible(bool)
{
}

void CommunicationsWindow::setLeftPaneVisible(bool)
{
}

QObject* CommunicationsWindow::notificationsObject() const
{
    return m_NotificationsWidget;
}

bool CommunicationsWindow::Activate()
{
    if (m_NotificationsWidget)
        return true;
    m_NotificationsWidget = new NotificationsWidget(m_Session, this);
    connect(m_NotificationsWidget, &NotificationsWidget::resizeWindow, this, &CommunicationsWindow::layoutPanes);
    const bool loaded = loadQML(QLatin1String(Scene));
    m_NotificationsWidget->setSource(QUrl(QString::fromLatin1(NotificationsWidget::Scene)));
    updateTitle();
    if (m_Session)
        connect(m_Session, &Kivo::Controllers::CommunicationSession::contactChanged, this,
                &CommunicationsWindow::updateTitle);
    resize(minimumWindowSize());
    Utils::WindowManager::positionCascadingWindow(this);
    return loaded;
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
    const QScreen* screen = QGuiApplication::screenAt(cursor);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    const QSize size = m_Dialpad->rootObject() ? m_Dialpad->rootObject()->size().toSize() : m_Dialpad->size();
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

void CommunicationsWindow::setVideoShown(bool shown)
{
    if (!m_VideoCall || shown == m_VideoShown)
        return;
    m_VideoShown = shown;
    m_VideoCall->setVisible(shown);
    layoutPanes();
    emit videoShownChanged();
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

QSize CommunicationsWindow::minimumWindowSize() const
{
    const int bar = m_NotificationsWidget && m_NotificationsWidget->isVisibleTo(this) ? m_NotificationsWidget->height() : 0;
    const int video = m_VideoShown ? VideoHeight : 0;
    return QSize(420, SceneHeight + bar + video);
}

void CommunicationsWindow::layoutPanes()
{
    setMinimumSize(minimumWindowSize());
    // The scene on top, the bar under it, the video filling the rest.
    int top = 0;
    view()->setGeometry(0, top, width(), SceneHeight);
    top += SceneHeight;
    if (m_NotificationsWidget && m_NotificationsWidget->isVisibleTo(this)) {
        m_NotificationsWidget->setGeometry(0, top, width(), m_NotificationsWidget->height());
        top += m_NotificationsWidget->height();
    }
    if (m_VideoCall && m_VideoShown)
        m_VideoCall->setGeometry(0, top, width(), qMax(0, height() - top));
}

void CommunicationsWindow::resizeEvent(QResizeEvent* event)
{
    Window::resizeEvent(event);
    layoutPanes();
}





} // namespace QML
