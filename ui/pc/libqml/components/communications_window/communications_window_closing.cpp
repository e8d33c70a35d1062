#include "libqml/components/communications_window/communications_window.h"

#include "libqml/components/communications_window/communication_window_dialpad.h"
#include "libqml/components/notifications/notifications_widget.h"

#include <QKeyEvent>

namespace QML {

void CommunicationsWindow::showEvent(QShowEvent* event)
{
    Window::showEvent(event);
    if (m_NotificationsWidget)
        m_NotificationsWidget->checkIfNeedsToBeVisible();
    emit windowVisible(true, this);
}

void CommunicationsWindow::hideEvent(QHideEvent* event)
{
    Window::hideEvent(event);
    emit windowVisible(false, this);
}

void CommunicationsWindow::changeEvent(QEvent* event)
{
    trackWindowState(event);
    if (event->type() == QEvent::WindowStateChange && m_Dialpad && m_Dialpad->isVisible())
        setDialpadVisible(false);
    Window::changeEvent(event);
}

void CommunicationsWindow::keyPressEvent(QKeyEvent* event)
{
    // Digits typed in the window go into the call as well.
    if (m_Dialpad && m_Dialpad->handleKey(event))
        return;
    Window::keyPressEvent(event);
}

bool CommunicationsWindow::canClose()
{
    return Window::canClose();
}

void CommunicationsWindow::showAndActivate()
{
    Window::showAndActivate();
}

bool CommunicationsWindow::event(QEvent* event)
{
    return Window::event(event);
}

QString CommunicationsWindow::helpContext() const
{
    return QString();
}

void CommunicationsWindow::cbCloseConfirmed()
{
}

void CommunicationsWindow::cbCloseRejected()
{
}

void CommunicationsWindow::alwaysOnTopTriggered()
{
}

void CommunicationsWindow::openPreferences()
{
}

void CommunicationsWindow::backgroundActivateWindow()
{
}

} // namespace QML
