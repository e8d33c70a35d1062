#include "libqml/components/communications_window/communications_window.h"

namespace QML {

QSize CommunicationsWindow::getLayoutMinimumSize(QBoxLayout*) const
{
    return QSize();
}

void CommunicationsWindow::setWindowState()
{
}

void CommunicationsWindow::onUpdateWindowState()
{
}

void CommunicationsWindow::toggleFullScreen()
{
}

void CommunicationsWindow::exitFullScreen()
{
}

} // namespace QML
