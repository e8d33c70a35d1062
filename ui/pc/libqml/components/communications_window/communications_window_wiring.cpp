#include "libqml/components/communications_window/communications_window.h"

#include "Models/Chat/message_model.h"
#include "Providers/factory.h"
#include "Utils/Actions/communications_window_menu_actions.h"
#include "Utils/communication_session_ui_helper.h"
#include "Utils/presence_helper.h"
#include "Utils/string_helper.h"
#include "Widgets/Custom/video_call.h"
#include "common/connect_check.h"
#include "common/logging.h"
#include "libqml/components/call_debug/call_debug_window.h"
#include "libqml/components/chat/chat_page_bridge.h"
#include "libqml/components/communications_window/communication_window_dialpad.h"
#include "libqml/components/notifications/notifications_widget.h"
#include "libqml/window/qml_view.h"

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Controllers/ChatInterface.h>
#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Controllers/ExecutiveHandler.h>
#include <Kivo/Controllers/FtController.h>
#include <Kivo/Models/FTModel.h>
#include <Kivo/Models/SearchFilter.h>
#include <Kivo/Presence/PresenceData.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Webcollab/WebcollabBase.h>
#include <Tesk/Sip/Uri.h>

#include <QApplication>
#include <QMessageBox>
#include <QQuickItem>

namespace QML {

using Kivo::Controllers::ChatInterface;
using Kivo::Controllers::CommunicationSession;
using Kivo::MediaEngine::CallBasePtr;
using Kivo::Webcollab::WebcollabBase;

namespace {

// The contact list's models: stored contacts and directory results, for adding people to
// a call and transferring it.
constexpr int CallContactsKind = 0x101;
// The share is shown to a viewer; the video that comes with it is only the remote one.
constexpr int ShareViewing = WebcollabBase::Viewing;
constexpr int VideoActive = 3;

WebcollabBase* shareOf(const CommunicationSession* session)
{
    return session ? qobject_cast<WebcollabBase*>(session->getWebCollab()) : nullptr;
}

QString remoteUserName(const CallBasePtr* call)
{
    const Tesk::Sip::UriPtr remote = call ? call->getRemoteUri() : Tesk::Sip::UriPtr();
    return remote ? remote->Username().toQString() : QString();
}

} // namespace

ChatInterface* CommunicationsWindow::chat() const
{
    return m_Session ? m_Session->getChat() : nullptr;
}

void CommunicationsWindow::connectCommSessionSignals()
{
    emit sessionChanged();
    if (!m_Session)
        return;
    CommunicationSession* session = m_Session;
    connect(session, &QObject::destroyed, this, &QWidget::close);
    connect(session, &CommunicationSession::sessionStateChanged, this, &CommunicationsWindow::sessionStateChanged);
    connect(session, &CommunicationSession::contactChanged, this, &CommunicationsWindow::contactChanged);
    connect(session, &CommunicationSession::callChanged, this, &CommunicationsWindow::callChanged);
    connect(session, &CommunicationSession::backgroundActiveChanged, this,
            &CommunicationsWindow::backgroundActivateWindow);
    connect(session, &CommunicationSession::handleShareActivation, this, &CommunicationsWindow::shareActiveInWindow);
    connect(session, &CommunicationSession::chatActiveChanged, this, &CommunicationsWindow::chatActiveChanged);
    connect(session, &CommunicationSession::activated, this, &CommunicationsWindow::showAndActivate);
    connect(session, &CommunicationSession::participantUpdated, this, &CommunicationsWindow::setRoomTitle);
    connect(session, &CommunicationSession::videoStateChanged, this,
            [this](CallBasePtr* call, CallBasePtr::CallState) { videoStateChanged(call); });
    // The engine's "Send File" (the footer's, a menu's) asks this window for the file.
    connect(session, &CommunicationSession::fileSelectionRequested, this, &CommunicationsWindow::openFileSelectDialog);

    connectShareSignals();
    // The user's share starts through the handler, which reports what keeps it from starting.
    if (QObject* handler = session->getZynHandler())
        CHECKED_CONNECT(handler, SIGNAL(zynError(ZynClient::ZYNLIBERROR, ZynClient::ErrorType)), this,
                        SLOT(onZYNerror(ZynClient::ZYNLIBERROR, ZynClient::ErrorType)));
    CHECKED_CONNECT(session, SIGNAL(shareInvitationChanged()), this, SLOT(onShareInvitationChanged()));
    CHECKED_CONNECT(session, SIGNAL(hasAssociatedFirstCallChanged()), this, SLOT(contactNameOrPresenceChanged()));
}

void CommunicationsWindow::connectShareSignals()
{
    WebcollabBase* share = shareOf(m_Session);
    if (share == m_WiredShare)
        return;
    // The window answers and follows one share at a time: the conversation's current one.
    if (m_WiredShare)
        disconnect(this, nullptr, m_WiredShare, nullptr);
    m_WiredShare = share;
    if (share) {
        CHECKED_CONNECT(this, SIGNAL(webcollabNotificationAccepted()), share, SLOT(acceptParticipantSession()));
        CHECKED_CONNECT(this, SIGNAL(webcollabNotificationIgnored()), share, SLOT(rejectParticipantSession()));
        CHECKED_CONNECT(share, SIGNAL(stateChanged()), this, SLOT(webcollabStateChanged()));
        CHECKED_CONNECT(share, SIGNAL(isFloorHolderChanged()), this, SLOT(webcollabStateChanged()));
        CHECKED_CONNECT(share, SIGNAL(kicked()), this, SLOT(onKickedFromShare()));
        CHECKED_CONNECT(share, SIGNAL(zynError(ZynClient::ZYNLIBERROR, ZynClient::ErrorType)), this,
                        SLOT(onZYNerror(ZynClient::ZYNLIBERROR, ZynClient::ErrorType)));
        if (m_NotificationsWidget)
            m_NotificationsWidget->watchShare(share);
    }
    // A share that arrives asking for the user's answer asks at once; one that goes takes
    // its question with it.
    if (m_NotificationsWidget)
        m_NotificationsWidget->checkIfNeedsToBeVisible();
}

void CommunicationsWindow::sessionStateChanged(CommunicationSession* session, unsigned int oldState,
                                               unsigned int newState, bool flag)
{
    // A share that starts after the window was made is answered and followed as well.
    connectShareSignals();
    if (newState == CommunicationSession::Empty)
        return;
    if (newState & CommunicationSession::Conference)
        setRoomTitle();
    else if (session && session->getContact())
        contactNameOrPresenceChanged();

    // The chat ended: its page model stays with the chat helper, the window lets it go.
    if ((oldState & CommunicationSession::Chat) && !(newState & CommunicationSession::Chat) && m_MessageModel) {
        disconnect(m_MessageModel, nullptr, this, nullptr);
        if (m_ChatPageBridge)
            m_ChatPageBridge->setModel(nullptr);
        m_MessageModel = nullptr;
        emit messageModelChanged();
    }
    setWindowState();
    // Something was added by the user's side: the window comes forward; never for what the
    // far end did, for a step back, or while the user is in the window already.
    if (!isActiveWindow() && !flag && newState >= oldState) {
        raise();
        activateWindow();
    }
}

void CommunicationsWindow::contactChanged()
{
    Kivo::Contacts::IContact* contact = sessionContact();
    if (!m_Session || !contact)
        return;
    connect(contact, &Kivo::Contacts::IContact::displayNameChanged, this,
            &CommunicationsWindow::contactNameOrPresenceChanged, Qt::UniqueConnection);
    if (m_Session->getState() & CommunicationSession::Conference)
        return;
    if (Kivo::Presence::PresenceData* presence = contact->getPresence())
        connect(presence, &Kivo::Presence::PresenceData::presenceChanged, this,
                &CommunicationsWindow::contactNameOrPresenceChanged, Qt::UniqueConnection);
    contactNameOrPresenceChanged();
}

void CommunicationsWindow::contactNameOrPresenceChanged()
{
    if (!m_Session) {
        LOG_WARNING << "No session!";
        return;
    }
    if (m_Session->isMyRoomSession() || m_Session->isGroup()) {
        setRoomTitle();
        return;
    }
    const Kivo::Contacts::IContact* contact = sessionContact();
    if ((m_Session->getState() & CommunicationSession::Conference) || !contact)
        return;

    const CallBasePtr* call = m_Session->getCall();
    const bool executive = call && call->isExecutiveCall();
    QString name = contact->getDisplayName();
    if (executive && call->isIncoming()) {
        const Tesk::Sip::UriPtr remote = call->getRemoteUri();
        if (remote)
            name = (remote->DisplayName().isEmpty() ? remote->Username() : remote->DisplayName()).toQString();
    }

    QString title = name;
    const Utils::PresenceHelper* presenceHelper = m_Factory ? m_Factory->presenceHelper() : nullptr;
    if (contact->getPresence() && !executive && presenceHelper) {
        QString availability = presenceHelper->availabilityText(contact->getPresence()->internalPresence());
        if (availability.isEmpty())
            availability = tr("Unknown");
        title = tr("%1 (%2)").arg(name, availability);
    }

    const Kivo::Controllers::ExecutiveHandler* executives =
        m_SessionManager ? m_SessionManager->getExecutiveHandler() : nullptr;
    if (executives && executive) {
        if (!call->isIncoming()) {
            if (const Kivo::Contacts::IContact* boss = executives->getExecutiveCallContact())
                title = tr("%1 on behalf of %2").arg(title, boss->getDisplayName());
        } else if (const Tesk::Sip::UriPtr address = call->getExecutiveUri()) {
            const QString user = address->Username().toQString();
            const auto contacts = m_SessionManager->contactsManager();
            const Kivo::Contacts::IContact* boss = contacts ? contacts->findByAddress(user) : nullptr;
            if (boss) {
                const QString caller = remoteUserName(call);
                const bool showNumber = executives->getNumberMode(boss->getId()) != QLatin1String("Executive");
                if (executives->getNameMode(boss->getId()) == QLatin1String("Originator"))
                    title = tr("%1 %2 is calling for %3")
                                .arg(title, showNumber ? QStringLiteral("(%1)").arg(caller) : QString(),
                                     boss->getDisplayName());
                else if (showNumber)
                    title += QStringLiteral(" (%1)").arg(caller);
            }
        }
    }
    if (m_Session->getHasAssociatedFirstCall())
        title = tr("%1: %2").arg(tr("Transfer Call"), title);
    LOG_DEBUG << "Title of " << m_Session->key() << ": " << title;
    setTitle(title);
}

void CommunicationsWindow::setRoomTitle()
{
    if (!m_Session || !m_CommsSessionUiHelper)
        return;
    LOG_DEBUG << "Room title of " << m_Session->key();
    setTitle(m_CommsSessionUiHelper->getCommunicationTitle(m_Session));
}

void CommunicationsWindow::callChanged()
{
    if (m_Session && !m_Session->getCall())
        setDialpadVisible(false);
}

void CommunicationsWindow::chatActiveChanged()
{
    if (m_Session && m_Session->chatActive()) {
        m_NewMessageCount = 0;
        emit newMessageCountChanged();
        markMessagesRead();
        focusChat();
    }
    setWindowState();
}

void CommunicationsWindow::focusChat()
{
    const bool barHasFocus = m_NotificationsWidget && m_NotificationsWidget->hasFocus();
    if (!barHasFocus && m_ChatWidget)
        m_ChatWidget->setFocus(Qt::OtherFocusReason);
}

void CommunicationsWindow::incomingMessage()
{
    if (!m_Session || !m_Session->chatActive()) {
        ++m_NewMessageCount;
        emit newMessageCountChanged();
    }
    if (isActiveWindow())
        markMessagesRead();
    else
        alertUser();
}

void CommunicationsWindow::alertUser()
{
    emit playIncomingMessageSound();
    QApplication::alert(this, 0);
    m_PendingAlert = true;
}

void CommunicationsWindow::markMessagesRead()
{
    if (m_MessageModel && m_Session && m_Session->chatActive())
        m_MessageModel->setMessagesRead(m_Session->isGroup());
}

void CommunicationsWindow::shareActiveInWindow()
{
    if (!isActiveWindow())
        alertUser();
}

void CommunicationsWindow::videoStateChanged(CallBasePtr* call)
{
    if (!m_Session || !call)
        return;
    const WebcollabBase* share = shareOf(m_Session);
    if (call->getVideoState() == VideoActive) {
        // Watching a share, the own picture would cover what is shared.
        if (share && share->getState() == ShareViewing)
            setShowOwnVideo(false);
        refreshVideoSize();
    }
    setWindowState();
}

void CommunicationsWindow::toggleShowOwnVideo()
{
    setShowOwnVideo(!showOwnVideo());
}

void CommunicationsWindow::refreshVideoSize()
{
    const CallBasePtr* call = m_Session ? m_Session->getCall() : nullptr;
    QSize size(-1, -1);
    if (call && call->isVideoCall() && call->getVideoSize(size) && m_VideoCall)
        m_VideoCall->setVideoSize(size);
}

void CommunicationsWindow::webcollabStateChanged()
{
    if (!m_Session)
        return;
    if (m_NotificationsWidget)
        m_NotificationsWidget->checkIfNeedsToBeVisible();
    setWindowState();
}

void CommunicationsWindow::onShareInvitationChanged()
{
    if (m_NotificationsWidget)
        m_NotificationsWidget->checkIfNeedsToBeVisible();
}

void CommunicationsWindow::onZYNerror(ZynClient::ZYNLIBERROR error, ZynClient::ErrorType type)
{
    QString text;
    switch (type) {
    case ZynClient::StartError:
        text = Utils::StringHelper::shareStartErrorText(error);
        break;
    case ZynClient::JoinError:
        text = Utils::StringHelper::shareJoinErrorText(error);
        break;
    default:
        text = Utils::StringHelper::shareInitiateErrorText(error);
        break;
    }
    if (text.isEmpty())
        return;
    m_ZynError = text;
    emit zynErrorChanged();
}

void CommunicationsWindow::onMeetMeErrorReceived(Kivo::MyRoom::MeetMeErrorType error)
{
    m_MeetMeError = QVariant::fromValue(error);
    emit meetMeErrorChanged();
}

void CommunicationsWindow::ActivateCall()
{
    if (m_MenuActions)
        m_MenuActions->connectCallSignals();
    LOG_INFO << "CommunicationsWindow::Activate";
    if (m_ContactModel)
        m_ContactModel->deleteLater();
    const auto contacts = m_SessionManager ? m_SessionManager->contactsManager()
                                           : Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts>();
    m_ContactModel = new Kivo::Models::SearchFilter(contacts ? contacts->getModel(CallContactsKind, false) : nullptr,
                                                    this);
    m_ContactModel->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_ContactModel->sort(0, Qt::AscendingOrder);
    emit contactModelChanged();
}

bool CommunicationsWindow::ActivateChat()
{
    if (!m_Session)
        return true;
    ChatInterface* chat = this->chat();
    if (chat && chat->isGroup())
        connect(chat, &ChatInterface::subjectChanged, this, &CommunicationsWindow::setRoomTitle, Qt::UniqueConnection);
    Kivo::Contacts::IContact* contact = sessionContact();
    Kivo::Controllers::FtController* transfers = m_SessionManager ? m_SessionManager->fileTransferController() : nullptr;
    if (contact && transfers) {
        Kivo::Models::FTModel* offers = transfers->getCreateFTModel(contact);
        disconnect(offers, &Kivo::Models::FTModel::askSaveLocation, this, &CommunicationsWindow::askSaveLocation);
        if (chat && !chat->isGroup())
            connect(offers, &Kivo::Models::FTModel::askSaveLocation, this, &CommunicationsWindow::askSaveLocation);
    }
    focusChat();
    return true;
}

void CommunicationsWindow::DeactivateChat()
{
    Kivo::Contacts::IContact* contact = sessionContact();
    Kivo::Controllers::FtController* transfers = m_SessionManager ? m_SessionManager->fileTransferController() : nullptr;
    if (contact && transfers)
        disconnect(transfers->getCreateFTModel(contact), &Kivo::Models::FTModel::askSaveLocation, this,
                   &CommunicationsWindow::askSaveLocation);
}

void CommunicationsWindow::attachChatPage()
{
    if (!m_ChatPageBridge) {
        m_ChatPageBridge = new ChatPageBridge(this);
        CHECKED_CONNECT(m_ChatPageBridge, SIGNAL(showProhibitedExtensions()), this,
                        SLOT(showProhibitedExtensionsClicked()));
    }
    // A chat pane not yet shown has no page: it is attached when its scene is made.
    QQuickItem* pane = m_ChatWidget ? m_ChatWidget->rootObject() : nullptr;
    if (!pane)
        return;
    if (auto* page = pane->findChild<QQuickItem*>(QStringLiteral("chatView")))
        m_ChatPageBridge->setView(page);
    else
        LOG_ERROR << "The chat pane has no page view";
}

void CommunicationsWindow::setMessageModel(Models::Chat::MessageModel* model)
{
    if (model == m_MessageModel)
        return;
    if (m_MessageModel)
        disconnect(m_MessageModel, nullptr, this, nullptr);
    m_MessageModel = model;
    emit messageModelChanged();
    attachChatPage();
    m_ChatPageBridge->setModel(model);
    if (!model)
        return;
    using Models::Chat::MessageModel;
    CHECKED_CONNECT(model, SIGNAL(messageAdded(QVariant)), this, SLOT(updateSession()));
    connect(model, &MessageModel::incomingMessage, this, &CommunicationsWindow::incomingMessage);
    if (m_MenuActions)
        CHECKED_CONNECT(m_MenuActions, SIGNAL(deleteChatHistory()), model, SLOT(deleteHistory()));
    if (ChatInterface* chat = this->chat()) {
        model->updateMessagesFrom(0);
        connect(chat, &ChatInterface::kicked, this, &CommunicationsWindow::onKickedFromChat, Qt::UniqueConnection);
    }
    markMessagesRead();
}

Models::Chat::MessageModel* CommunicationsWindow::messageModel() const
{
    return m_MessageModel;
}

void CommunicationsWindow::setSmileys(Tesk::Core::Refcounting::SmartPtr<Kivo::Models::SmileysPtr> smileys)
{
    if (smileys.get() == m_Smileys.get())
        return;
    m_Smileys = smileys;
    emit smileysChanged();
}

void CommunicationsWindow::sendMessage(const QString& text)
{
    ChatInterface* chat = this->chat();
    if (!chat || text.trimmed().isEmpty())
        return;
    chat->setTyping(false);
    chat->sendMessage(text);
}

void CommunicationsWindow::setTyping(bool typing)
{
    if (ChatInterface* chat = this->chat())
        chat->setTyping(typing);
}

void CommunicationsWindow::showHistory(int age)
{
    if (m_MessageModel)
        m_MessageModel->updateMessagesFrom(age);
}

void CommunicationsWindow::updateSession()
{
    if (Kivo::Controllers::CommsSessionController* sessions =
            m_SessionManager ? m_SessionManager->commsSessionController() : nullptr)
        sessions->updateSession(m_Session);
}

void CommunicationsWindow::AddShareNotifications(bool owner)
{
    LOG_INFO << "message model: " << static_cast<const void*>(m_MessageModel.data());
    WebcollabBase* share = shareOf(m_Session);
    if (!m_MessageModel || !share)
        return;
    const auto notify = [this, share](const char* signal, const char* slot) {
        CHECKED_CONNECT(share, signal, m_MessageModel.data(), slot, Qt::UniqueConnection);
    };
    if (owner && !m_Session->getZynHandler()) {
        notify(SIGNAL(notifyUserJoined(const QString)), SLOT(participantJoinedShare(const QString)));
        notify(SIGNAL(notifyUserLeft(const QString)), SLOT(participantLeftShare(const QString)));
        notify(SIGNAL(roomClosed()), SLOT(onRoomClosed()));
    }
    if (owner)
        notify(SIGNAL(roomIsClosing(unsigned)), SLOT(onRoomIsClosing(unsigned)));
    notify(SIGNAL(currentSharerChanged(const QString&, const QString&)),
           SLOT(onCurrentSharerChanged(const QString&, const QString&)));
}

void CommunicationsWindow::RemoveShareNotifications()
{
    LOG_INFO << "message model: " << static_cast<const void*>(m_MessageModel.data());
    if (WebcollabBase* share = shareOf(m_Session); share && m_MessageModel)
        disconnect(share, nullptr, m_MessageModel.data(), nullptr);
}

void CommunicationsWindow::showDebugWindow()
{
    CallBasePtr* call = m_Session ? m_Session->getCall() : nullptr;
    if (!call || call->getCallType() == CallBasePtr::VyxCall || call->getCallType() == CallBasePtr::VyxConference)
        return;
    auto* debug = new CallDebugWindow(call);
    connect(this, &QObject::destroyed, debug, &QWidget::close);
    // Shown with its scene; a scene that does not load leaves nothing behind.
    if (!debug->loadAndShow())
        debug->deleteLater();
}

void CommunicationsWindow::showDismissal(const QString& title, const QString& text)
{
    if (m_NotificationsWidget && m_NotificationsWidget->isVisible())
        m_NotificationsWidget->hide();
    if (!m_DismissalBox) {
        auto* box = new QMessageBox(QMessageBox::Information, QString(), QString(), QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::WindowModal);
        // It names whoever dismissed the user: plain text.
        box->setTextFormat(Qt::PlainText);
        // The box may outlive the conversation (it dies with the window at the latest):
        // only a conversation still there has a share and a chat to close.
        connect(box, &QObject::destroyed, this, [session = m_Session] {
            if (!session)
                return;
            session->closeWebcollab();
            if (ChatInterface* chat = session->getChat())
                chat->close();
        });
        m_DismissalBox = box;
        box->show();
    }
    m_DismissalBox->setWindowTitle(title);
    m_DismissalBox->setText(text);
}

void CommunicationsWindow::onKickedFromChat(const QString& by)
{
    if (m_Session && m_Session->webCollabActive())
        showDismissal(tr("Dismissed from Chat and Share"), tr("You have been dismissed from chat and share by %1.").arg(by));
    else
        showDismissal(tr("Dismissed from Chat"), tr("You have been dismissed from chat by %1.").arg(by));
}

void CommunicationsWindow::onKickedFromShare()
{
    if (m_DismissalBox)
        return;
    showDismissal(tr("Dismissed from Share"), tr("You have been dismissed from share."));
}

void CommunicationsWindow::messageSendingFailed()
{
    auto* box = new QMessageBox(QMessageBox::Warning, tr("Error Sending Message"),
                                tr("Your message could not be sent due to a network issue. Because of this some chat "
                                   "messages might not be visible in the history."),
                                QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->show();
}

} // namespace QML
