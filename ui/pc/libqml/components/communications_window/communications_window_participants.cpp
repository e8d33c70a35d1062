#include "libqml/components/communications_window/communications_window.h"

#include <QMenu>

namespace QML {

void CommunicationsWindow::addParticipantClicked(const QString& number, int contactId)
{
    emit addParticipant(m_Session, number, contactId);
}

void CommunicationsWindow::setParticipants(Kivo::Models::CommsSessionParticipants*)
{
}

void CommunicationsWindow::primarySortFieldChanged()
{
}

void CommunicationsWindow::callClassificationsMenuTriggered(QAction*)
{
}

QString CommunicationsWindow::getMyRoomInfo()
{
    return QString();
}

void CommunicationsWindow::openTextFieldMenu()
{
}

void CommunicationsWindow::showParticipantPopupMenu(const QList<QObject*>&)
{
}

void CommunicationsWindow::showOwnParticipantPopupMenu(const QString&)
{
}

void CommunicationsWindow::showOptionsMenu()
{
}

void CommunicationsWindow::showParticipantMouseOver(const QVariant&)
{
}

void CommunicationsWindow::hideParticipantMouseOver()
{
}

void CommunicationsWindow::triggerParticipantAction(const QVariant&, int)
{
}

void CommunicationsWindow::searchTextChanged(const QString&)
{
}

QMenu* CommunicationsWindow::callClassificationsMenu()
{
    return nullptr;
}

} // namespace QML
