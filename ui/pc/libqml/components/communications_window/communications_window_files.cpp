#include "libqml/components/communications_window/communications_window.h"

#include <QDragEnterEvent>
#include <QDropEvent>

namespace QML {

void CommunicationsWindow::dragEnterEvent(QDragEnterEvent* event)
{
    event->ignore();
}

void CommunicationsWindow::dropEvent(QDropEvent* event)
{
    event->ignore();
}

QList<QUrl> CommunicationsWindow::acceptedFilesToTransfer(const QList<QUrl>&) const
{
    return {};
}

void CommunicationsWindow::openFileSelectDialog()
{
}

void CommunicationsWindow::fileSelected(const QString&)
{
}

void CommunicationsWindow::askSaveLocation(Kivo::Data::FTAdapter*)
{
}

void CommunicationsWindow::saveAcceptedFolder(const QString&)
{
}

void CommunicationsWindow::insertFileIntoCall(const QString&)
{
}

void CommunicationsWindow::fileSelectedToInsert(const QString&)
{
}

void CommunicationsWindow::showProhibitedExtensionsClicked()
{
}

} // namespace QML
