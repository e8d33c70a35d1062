#include "libqml/components/communications_window/communications_window.h"

#include "Utils/windowmanager.h"
#include "Widgets/Custom/video_call.h"
#include "common/connect_check.h"
#include "common/logging.h"
#include "libqml/components/communications_window/communication_window_dialpad.h"
#include "libqml/components/notifications/notifications_widget.h"
#include "libqml/components/notifications/webcollab_sharing_notification.h"
#include "libqml/window/qml_view.h"

#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Sessions/SessionManagerBase.h>

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QQuickItem>
#include <QScreen>

namespace QML {

CommunicationsWindow::CommunicationsWindow(Kivo::Sessions::SessionManagerBase* sessionManager,
                                           Kivo::Controllers::CommunicationSession* session, Providers::Factory*,
                                           bool alwaysOnTop, QWidget* parent)
    : Window(alwaysOnTop, parent)
    , m_SessionManager(sessionManager)
    , m_Session(session)
    , m_AlwaysOnTop(alwaysOnTop)
{
    setObjectName("CommunicationsWindow");
    // The session goes when nothing is left in it: so does its window.
    if (m_Session)
        connect(m_Session, &QObject::destroyed, this, &CommunicationsWindow::hideAndDeleteLater);
}

CommunicationsWindow::~CommunicationsWindow()
{
    // The bar's scene binds to this window: it goes while the window is whole. The dial pad
    // is a pop-up of its own, no child that the window would take along.
    delete m_Notifications;
    delete m_Dialpad;
}

QObject* CommunicationsWindow::notificationsObject() const
{
    return m_Notifications;
}

bool CommunicationsWindow::Activate()
{
    if (m_Notifications)
        return true;
    m_Notifications = new NotificationsWidget(m_Session, this);
    connect(m_Notifications, &NotificationsWidget::resizeWindow, this, &CommunicationsWindow::layoutPanes);
    const bool loaded = loadQML(QLatin1String(Scene));
    m_Notifications->setSource(QUrl(QString::fromLatin1(NotificationsWidget::Scene)));
    updateTitle();
    if (m_Session)
        connect(m_Session, &Kivo::Controllers::CommunicationSession::contactChanged, this,
                &CommunicationsWindow::updateTitle);
    resize(minimumWindowSize());
    Utils::WindowManager::positionCascadingWindow(this);
    return loaded;
}

void CommunicationsWindow::ActivateCall()
{
    if (m_Dialpad || !m_Session)
        return;
    m_Dialpad = new CommunicationWindowDialpad(m_Session);
    m_Dialpad->setSource(QUrl(QString::fromLatin1(CommunicationWindowDialpad::Scene)));
    CHECKED_CONNECT(m_Dialpad, SIGNAL(dialpadVisibleChanged()), this, SIGNAL(dialpadVisibleChanged()));

    m_Video = new Widgets::Custom::VideoCall(m_SessionManager ? m_SessionManager->getConfig() : nullptr, this);
    m_Video->setObjectName("VideoCallWidget");
    m_Video->hide();
    connect(m_Session, &Kivo::Controllers::CommunicationSession::callChanged, this,
            &CommunicationsWindow::onCallChanged);
    layoutPanes();
}

bool CommunicationsWindow::ActivateChat()
{
    return true;
}

void CommunicationsWindow::AddShareNotifications(bool)
{
    if (m_Notifications)
        m_Notifications->checkIfNeedsToBeVisible();
}

void CommunicationsWindow::RemoveShareNotifications()
{
    if (m_Notifications)
        m_Notifications->checkIfNeedsToBeVisible();
}

void CommunicationsWindow::onCallChanged()
{
    if (!m_Session || !m_Session->getCall()) {
        setDialpadVisible(false);
        setVideoShown(false);
    }
}

void CommunicationsWindow::updateTitle()
{
    QString name;
    if (const Kivo::Contacts::IContact* contact = m_Session ? m_Session->getContact() : nullptr)
        name = contact->getDisplayName();
    else if (const Kivo::MediaEngine::CallBasePtr* call = m_Session ? m_Session->getCall() : nullptr)
        name = call->getDisplayName();
    setTitle(name.isEmpty() ? tr("Conversation") : name);
}

void CommunicationsWindow::updateSession()
{
    if (!m_SessionManager || !m_SessionManager->commsSessionController())
        return;
    m_SessionManager->commsSessionController()->updateSession(m_Session);
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
    if (!m_Video || shown == m_VideoShown)
        return;
    m_VideoShown = shown;
    m_Video->setVisible(shown);
    layoutPanes();
    emit videoShownChanged();
}

void CommunicationsWindow::setVideoUpdatesEnabled(bool enabled)
{
    if (m_Video)
        m_Video->setUpdatesEnabled(enabled);
}

void CommunicationsWindow::showSharingNotification()
{
    WebcollabSharingNotification::showCentred(Utils::WindowManager::availableGeometry());
}

void CommunicationsWindow::addParticipantClicked(const QString& number, int contactId)
{
    emit addParticipant(m_Session, number, contactId);
}

void CommunicationsWindow::openTransferPanel()
{
    if (m_Notifications)
        m_Notifications->transferCallTriggered();
}

void CommunicationsWindow::openParkPanel()
{
    if (m_Notifications)
        m_Notifications->callParkTriggered();
}

void CommunicationsWindow::openAddParticipantPanel()
{
    if (m_Notifications)
        m_Notifications->addParticipantsTriggered();
}

QSize CommunicationsWindow::minimumWindowSize() const
{
    const int bar = m_Notifications && m_Notifications->isVisibleTo(this) ? m_Notifications->height() : 0;
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
    if (m_Notifications && m_Notifications->isVisibleTo(this)) {
        m_Notifications->setGeometry(0, top, width(), m_Notifications->height());
        top += m_Notifications->height();
    }
    if (m_Video && m_VideoShown)
        m_Video->setGeometry(0, top, width(), qMax(0, height() - top));
}

void CommunicationsWindow::resizeEvent(QResizeEvent* event)
{
    Window::resizeEvent(event);
    layoutPanes();
}

void CommunicationsWindow::keyPressEvent(QKeyEvent* event)
{
    // Digits typed in the window go into the call as well.
    if (m_Dialpad && m_Dialpad->handleKey(event))
        return;
    Window::keyPressEvent(event);
}

void CommunicationsWindow::showEvent(QShowEvent* event)
{
    Window::showEvent(event);
    if (m_Notifications)
        m_Notifications->checkIfNeedsToBeVisible();
    emit windowVisible(true, this);
}

void CommunicationsWindow::hideEvent(QHideEvent* event)
{
    Window::hideEvent(event);
    emit windowVisible(false, this);
}

void CommunicationsWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange && m_Dialpad && m_Dialpad->isVisible())
        setDialpadVisible(false);
    Window::changeEvent(event);
}

} // namespace QML
