#include "libqml/components/communications_window/communications_window.h"

#include "Widgets/Custom/video_call.h"
#include "common/connect_check.h"
#include "libqml/components/communications_window/communication_window_dialpad.h"
#include "libqml/components/notifications/notifications_widget.h"

#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Sessions/SessionManagerBase.h>

namespace QML {

void CommunicationsWindow::ActivateCall()
{
    if (!m_Session)
        return;
    connect(m_Session, &Kivo::Controllers::CommunicationSession::callChanged, this,
            &CommunicationsWindow::onCallChanged, Qt::UniqueConnection);
    setWindowState();
}

bool CommunicationsWindow::ActivateChat()
{
    return true;
}

void CommunicationsWindow::AddShareNotifications(bool)
{
    if (m_NotificationsWidget)
        m_NotificationsWidget->checkIfNeedsToBeVisible();
}

void CommunicationsWindow::RemoveShareNotifications()
{
    if (m_NotificationsWidget)
        m_NotificationsWidget->checkIfNeedsToBeVisible();
}

void CommunicationsWindow::onCallChanged()
{
    if (!m_Session || !m_Session->getCall())
        setDialpadVisible(false);
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

void CommunicationsWindow::DeactivateChat()
{
}

void CommunicationsWindow::setMessageModel(Models::Chat::MessageModel*)
{
}

void CommunicationsWindow::setSmileys(Tesk::Core::Refcounting::SmartPtr<Kivo::Models::SmileysPtr>)
{
}

void CommunicationsWindow::sessionStateChanged(Kivo::Controllers::CommunicationSession*, unsigned int, unsigned int, bool)
{
}

void CommunicationsWindow::contactChanged()
{
    updateTitle();
}

void CommunicationsWindow::contactNameOrPresenceChanged()
{
}

void CommunicationsWindow::setRoomTitle()
{
    updateTitle();
}

void CommunicationsWindow::callChanged()
{
}

void CommunicationsWindow::videoStateChanged(Kivo::MediaEngine::CallBasePtr*)
{
}

void CommunicationsWindow::incomingMessage()
{
}

void CommunicationsWindow::chatActiveChanged()
{
}

void CommunicationsWindow::showDebugWindow()
{
}

void CommunicationsWindow::webcollabStateChanged()
{
}

void CommunicationsWindow::messageSendingFailed()
{
}

void CommunicationsWindow::onKickedFromChat(const QString&)
{
}

void CommunicationsWindow::onKickedFromShare()
{
}

void CommunicationsWindow::shareActiveInWindow()
{
}

void CommunicationsWindow::toggleShowOwnVideo()
{
}

void CommunicationsWindow::onZYNerror(ZynClient::ZYNLIBERROR, ZynClient::ErrorType)
{
}

void CommunicationsWindow::onMeetMeErrorReceived(Kivo::MyRoom::MeetMeErrorType)
{
}

void CommunicationsWindow::onShareInvitationChanged()
{
}

void CommunicationsWindow::connectCommSessionSignals()
{
    if (!m_Session)
        return;
    // The session goes when nothing is left in it: so does its window.
    connect(m_Session, &QObject::destroyed, this, &CommunicationsWindow::hideAndDeleteLater);
    connect(m_Session, &Kivo::Controllers::CommunicationSession::contactChanged, this,
            &CommunicationsWindow::contactChanged);
    for (const char* change : {SIGNAL(stateChanged()), SIGNAL(callChanged()), SIGNAL(chatActiveChanged()),
                               SIGNAL(videoStateChanged(Kivo::MediaEngine::CallBasePtr*,
                                                        Kivo::MediaEngine::CallBasePtr::CallState))})
        CHECKED_CONNECT(m_Session, change, this, SLOT(onUpdateWindowState()));
}

void CommunicationsWindow::refreshVideoSize()
{
}

} // namespace QML
