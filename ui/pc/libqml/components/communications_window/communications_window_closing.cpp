#include "libqml/components/communications_window/communications_window.h"

#include "Dialogs/message_window.h"
#include "Providers/factory.h"
#include "Utils/windowmanager.h"
#include "Widgets/Custom/video_call.h"
#include "common/connect_check.h"
#include "common/logging.h"
#include "libqml/components/communications_window/communication_window_dialpad.h"
#include "libqml/components/contactmouseover/contact_mouse_over.h"
#include "libqml/components/notifications/notifications_widget.h"

#include <QAction>
#include <QKeyEvent>

namespace QML {

bool CommunicationsWindow::canClose()
{
    if (!m_Session)
        return true;
    if (m_Session->callActive() && !m_CloseConfirmed) {
        LOG_INFO << "We have an ongoing call, are you sure you wish to close?";
        openCloseConfirmation();
        return false;
    }
    disconnect(m_Session, nullptr, this, nullptr);
    m_Session->close();
    m_CloseConfirmed = false;
    return true;
}

void CommunicationsWindow::openCloseConfirmation()
{
    if (m_CloseConfirmationOpen)
        return;
    LOG_INFO << "Querying confirmation!";
    Dialogs::MessageWindow* question = Dialogs::MessageWindow::showQuestion(
        tr("Warning - End Call?"),
        tr("Closing this communication window will end the call. Are you sure you want to end the call and close the "
           "window?"),
        m_Factory && m_Factory->isAlwaysOnTop());
    question->raise();
    question->activateWindow();
    CHECKED_CONNECT(question, SIGNAL(messageAccepted(bool)), this, SLOT(cbCloseConfirmed()));
    CHECKED_CONNECT(question, SIGNAL(messageRejected(bool)), this, SLOT(cbCloseRejected()));
    // The question goes with the window.
    CHECKED_CONNECT(this, SIGNAL(destroyed(QObject*)), question, SLOT(close()));
    m_CloseQuestion = question;
    m_CloseConfirmationOpen = true;
}

void CommunicationsWindow::disconnectDialogSignaling()
{
    LOG_INFO << "Disconnecting dialog signaling!";
    m_CloseConfirmationOpen = false;
    if (m_CloseQuestion)
        disconnect(m_CloseQuestion, nullptr, this, nullptr);
}

void CommunicationsWindow::cbCloseConfirmed()
{
    LOG_INFO << "Confirmed!";
    disconnectDialogSignaling();
    m_CloseConfirmed = true;
    close();
}

void CommunicationsWindow::cbCloseRejected()
{
    LOG_INFO << "Rejected!";
    disconnectDialogSignaling();
}

void CommunicationsWindow::showAndActivate()
{
    if (pos() == QPoint(0, 0))
        Utils::WindowManager::positionCascadingWindow(this);
    show();
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void CommunicationsWindow::backgroundActivateWindow()
{
    LOG_INFO << "backgroundActivateWindow";
    Utils::WindowManager::forceRaiseAllWindowsInFront(this);
}

QString CommunicationsWindow::helpContext() const
{
    const bool video = m_VideoCall && m_VideoCall->isVisibleTo(this);
    QString context = QStringLiteral("comm");
    if (m_Session) {
        if (m_Session->callActive() && !video)
            context += QStringLiteral("|call");
        if (m_Session->chatActive())
            context += QStringLiteral("|chat");
        if (m_Session->webCollabActive())
            context += QStringLiteral("|share");
        if (m_Session->isMyRoomSession())
            context += QStringLiteral("|myroom");
    }
    if (video)
        context += QStringLiteral("|video");
    return context;
}

void CommunicationsWindow::alwaysOnTopTriggered()
{
    // Qt has flipped the action's checked state before this slot and flips it once more
    // after it (the action's own toggle): the state read here is the one the user asked for.
    bool onTop = false;
    if (auto* action = qobject_cast<QAction*>(sender())) {
        onTop = action->isChecked();
        action->setChecked(!onTop);
    }
    setAlwaysOnTop(onTop);
    m_AlwaysOnTop = onTop;
}

void CommunicationsWindow::openPreferences()
{
    emit preferenceActivated(3);
}

void CommunicationsWindow::showEvent(QShowEvent* event)
{
    Window::showEvent(event);
    emit windowVisible(true, this);
}

void CommunicationsWindow::hideEvent(QHideEvent* event)
{
    Window::hideEvent(event);
    emit windowVisible(false, this);
}

void CommunicationsWindow::changeEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::LanguageChange:
        contactNameOrPresenceChanged();
        break;
    case QEvent::ActivationChange:
        if (m_ParticipantMouseOver && !isActiveWindow())
            hideParticipantMouseOver();
        break;
    default:
        break;
    }
    trackWindowState(event);
    Window::changeEvent(event);
}

bool CommunicationsWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A pane's scene keeps the keys it is given, used or not: the debug key is the window's.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_D && (key->modifiers() & Qt::ControlModifier)) {
            showDebugWindow();
            return true;
        }
    }
    return Window::eventFilter(watched, event);
}

bool CommunicationsWindow::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_D && (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier))) {
            showDebugWindow();
            return true;
        }
        // Digits typed in the window go into the call as well.
        if (m_Dialpad && m_Dialpad->handleKey(key))
            return true;
        break;
    }
    case QEvent::WindowActivate:
        markMessagesRead();
        m_PendingAlert = false;
        break;
    case QEvent::WindowStateChange:
        if (m_Dialpad && m_Dialpad->isVisible())
            setDialpadVisible(false);
        break;
    default:
        break;
    }
    return Window::event(event);
}

} // namespace QML
