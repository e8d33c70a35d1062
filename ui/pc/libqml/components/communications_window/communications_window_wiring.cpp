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
    if (m_Dialpad || !m_Session)
        return;
    m_Dialpad = new CommunicationWindowDialpad(m_Session);
    m_Dialpad->setSource(QUrl(QString::fromLatin1(CommunicationWindowDialpad::Scene)));
    CHECKED_CONNECT(m_Dialpad, SIGNAL(dialpadVisibleChanged()), this, SIGNAL(dialpadVisibleChanged()));

    m_VideoCall = new Widgets::Custom::VideoCall(m_SessionManager ? m_SessionManager->getConfig() : nullptr, this);
    m_VideoCall->setObjectName("VideoCallWidget");
    m_VideoCall->hide();
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
}

void CommunicationsWindow::contactNameOrPresenceChanged()
{
}

void CommunicationsWindow::setRoomTitle()
{
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

} // namespace QML
