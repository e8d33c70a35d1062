#include <Kivo/Controllers/CommunicationSession.h>

#include <Kivo/Actions/Provider.h>
#include <Kivo/Configuration/Config.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Controllers/FtController.h>
#include <Kivo/Controllers/SecurityClassificationController.h>
#include <Kivo/Controllers/XmppChat.h>
#include <Kivo/Controllers/XmppChatController.h>
#include <Kivo/MediaEngine/CallControllerBase.h>
#include <Kivo/Models/ChatModel.h>
#include <Kivo/Models/CommsSessionParticipants.h>
#include <Kivo/MyRoom/MeetMeVyxActionsHandler.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Simulation/Service.h>
#include <Kivo/Controllers/ZynHandler.h>
#include <Kivo/Webcollab/WebcollabZyn.h>

#include "../kivo_log.h"

namespace Kivo {
namespace Controllers {

namespace {

using Tesk::Core::Logging::LevelInfo;
using Tesk::Core::Logging::LevelWarning;
using MediaEngine::CallBasePtr;
using Participant = Data::CommsSessionParticipant;

// Call recording, when the configuration offers it (item 77), is on the user's request with
// pause and stop on this service.
constexpr int RecordingEnabled = 77;

} // namespace

CommunicationSession::CommunicationSession(CommsSessionController* controller, const QString& key, QObject* parent)
    : Actions::Source(parent)
    , m_Controller(controller)
    , m_Key(key)
    , m_Participants(new Models::CommsSessionParticipants(controller ? controller->contacts() : nullptr,
                                                          controller ? controller->ownAddress() : QString(), this))
{
    connect(m_Participants, &Models::CommsSessionParticipants::participantGuestPending, this,
            &CommunicationSession::onGuestWaiting);
    const Sessions::SessionManagerBase* manager = controller ? controller->sessionManager() : nullptr;
    if (manager && ZynHandler::isEnabled(manager->getConfig()))
        m_ZynHandler = new ZynHandler(this);
}

CommunicationSession::~CommunicationSession() = default;

bool CommunicationSession::chatActive() const
{
    return m_Chat && m_Chat->getState() != ChatInterface::Closed;
}

bool CommunicationSession::callActive() const
{
    return m_Call && m_Call->getCallState() != CallBasePtr::NotInACall;
}

bool CommunicationSession::vyxCallActive() const
{
    return callActive() && m_Call->isVyxCall();
}

bool CommunicationSession::isSessionOwner() const
{
    if (m_Chat && m_Chat->isGroup())
        return m_Chat->isRoomOwner();
    return m_Owner;
}

bool CommunicationSession::isAllowedToInvite() const
{
    if (m_Chat && m_Chat->isGroup() && chatActive()) {
        // Members-only rooms take new people from their moderators only.
        return m_Chat->isAdHoc() || m_Chat->getOwnAffiliation() >= Participant::Member;
    }
    return (callActive() && m_Call->isInProgress()) || chatActive();
}

bool CommunicationSession::isOnlyAudioCall() const
{
    return callActive() && !m_Call->isVideoCall() && !chatActive() && !m_Share;
}

bool CommunicationSession::getHasAssociatedFirstCall() const
{
    return m_Associated && m_AssociatedFirst;
}

QObject* CommunicationSession::associatedSessionObject() const
{
    return m_Associated.data();
}

bool CommunicationSession::hasAssociatedSecondCall() const
{
    return m_Associated && !m_AssociatedFirst;
}

int CommunicationSession::unreadMessages() const
{
    return m_Chat ? m_Chat->getChatModel()->getUnreadCount() : 0;
}

QString CommunicationSession::uri() const
{
    if (m_Call)
        return m_Call->isConferenceCall() ? m_Call->getConferenceUri()->toString(false) : m_Call->getRemoteAddress();
    if (m_Contact)
        return m_Contact->getAddress();
    return m_Chat ? m_Chat->conversation() : m_Key;
}

QString CommunicationSession::jid() const
{
    if (m_Chat)
        return m_Chat->conversation();
    return m_Contact ? m_Contact->getProperty(Contacts::Properties::Jid).toString() : QString();
}

ChatInterface* CommunicationSession::getChat() const
{
    return m_Chat;
}

Contacts::IContact* CommunicationSession::getContact() const
{
    return m_Contact;
}

int CommunicationSession::getCallRecordMode() const
{
    const Sessions::SessionManagerBase* session = m_Controller ? m_Controller->sessionManager() : nullptr;
    const Configuration::Config* config = session ? session->getConfig() : nullptr;
    return config && config->value(RecordingEnabled).toBool() ? OnDemandWithStop : NoRecording;
}

int CommunicationSession::getConferencingOptions(CommunicationSession* other, bool chatAllowed, QString& reason) const
{
    if (!other || other == this) {
        reason = QStringLiteral("A conversation cannot join itself");
        return 0;
    }
    int options = 0;
    if (callActive() && other->callActive() && m_Call->isInProgress() && other->m_Call->isInProgress()
        && m_Call->isVyxCall() == other->m_Call->isVyxCall())
        options |= 1;
    if (chatAllowed && chatActive() && other->chatActive())
        options |= 2;
    if (options == 0)
        reason = QStringLiteral("Both conversations need a call in progress, or both a chat");
    return options;
}

bool CommunicationSession::canTransferWith(CommunicationSession* other, bool chatAllowed, QString& reason) const
{
    Q_UNUSED(chatAllowed)
    if (!other || other == this || !callActive() || !m_Call->isInProgress() || isGroup()) {
        reason = QStringLiteral("Only a call in progress with one party can be transferred");
        return false;
    }
    if (other->isGroup() || (other->m_Call && !other->m_Call->isInProgress())) {
        reason = QStringLiteral("The call can only go to one party");
        return false;
    }
    return true;
}

bool CommunicationSession::isChatSecurityClassificationEnabled() const
{
    const Sessions::SessionManagerBase* session = m_Controller ? m_Controller->sessionManager() : nullptr;
    return session && session->securityClassificationController()
        && session->securityClassificationController()->isChatClassificationEnabled();
}

bool CommunicationSession::isCallSecurityClassificationEnabled() const
{
    const Sessions::SessionManagerBase* session = m_Controller ? m_Controller->sessionManager() : nullptr;
    return session && session->securityClassificationController()
        && session->securityClassificationController()->isCallClassificationEnabled();
}

QString CommunicationSession::getChatSecurityClassification() const
{
    const Sessions::SessionManagerBase* session = m_Controller ? m_Controller->sessionManager() : nullptr;
    return session && session->securityClassificationController()
               ? session->securityClassificationController()->chatClassification()
               : QString();
}

void CommunicationSession::setShareInvitationOrphan(bool orphan)
{
    if (orphan == m_ShareInvitationOrphan)
        return;
    m_ShareInvitationOrphan = orphan;
    emit shareInvitationChanged();
}

void CommunicationSession::setActionsProvider(Actions::Provider* provider)
{
    if (m_Provider)
        disconnect(m_Provider, nullptr, this, nullptr);
    m_Provider = provider;
    if (provider)
        connect(provider, &Actions::Provider::actionsChanged, this, &CommunicationSession::updateActions);
    updateActions();
}

Actions::Provider* CommunicationSession::actionsProvider() const
{
    return m_Provider;
}

QObject* CommunicationSession::action(int id) const
{
    return m_Provider ? m_Provider->getActionById(id) : nullptr;
}

void CommunicationSession::updateActions()
{
    if (!m_Provider)
        return;
    Simulation::Service& service = Simulation::Service::shared();
    const bool callsUp = service.isSignedIn() && service.isLinkUp(Simulation::Service::CallsLink);
    const bool chatUp = service.isSignedIn() && service.isLinkUp(Simulation::Service::ChatLink);
    const bool inProgress = m_Call && m_Call->isInProgress();
    const bool ringing = m_Call && m_Call->isIncoming()
                         && (m_Call->getCallState() == MediaEngine::CallBasePtr::Incoming
                             || m_Call->getCallState() == MediaEngine::CallBasePtr::WaitingForUs);
    const QList<QPair<int, bool>> states = {
        {Actions::Action::Chat, chatUp && (chatActive() || m_Contact)},
        {Actions::Action::Call, callsUp},
        {Actions::Action::CallFromPhone, callsUp && !inProgress},
        // A ringing call may be answered with video.
        {Actions::Action::VideoCall, callsUp && (!m_Call || inProgress || ringing)},
        {Actions::Action::ShareDesktop, callsUp && !isGroup()},
        {Actions::Action::FileTransfer, chatUp && chatActive() && !isGroup() && m_Contact},
        {Actions::Action::CallPark, inProgress && !isGroup()}};
    for (const auto& state : states) {
        if (Actions::Action* action = m_Provider->getActionById(state.first))
            action->setEnabled(state.second);
    }
}

void CommunicationSession::attachCall(const MediaEngine::Call& call)
{
    if (call == m_Call)
        return;
    if (m_Call)
        disconnect(m_Call.get(), nullptr, this, nullptr);
    m_Call = call;
    if (m_Call) {
        CallBasePtr* attached = m_Call.get();
        connect(attached, &CallBasePtr::callStateChanged, this, &CommunicationSession::onCallStateChanged);
        connect(attached, &CallBasePtr::videoStateChanged, this, &CommunicationSession::videoStateChanged);
        connect(attached, &CallBasePtr::opened, this, &CommunicationSession::opened);
        connect(attached, &CallBasePtr::recordingStateChanged, this, &CommunicationSession::callRecordingStateChanged);
        connect(attached, &CallBasePtr::videoRequested, this, [this] { emit addVideoRequest(m_Call); });
        connect(attached, &CallBasePtr::transferFailed, this, [this](int code) { emit transferFailed(m_Call, code); });
        // A call that gains parties makes a conference of the conversation.
        connect(attached, &CallBasePtr::changed, this, [this] {
            syncParticipantsWithCall();
            refreshState(false);
        });
        syncParticipantsWithCall();
    }
    emit callChanged();
    if (m_Call && (m_Call->getCallState() == CallBasePtr::Calling || m_Call->getCallState() == CallBasePtr::RemoteRinging))
        emit ringing(m_Call);
    refreshState(m_Call && m_Call->isIncoming());
}

void CommunicationSession::onCallStateChanged(CallBasePtr* call, CallBasePtr::CallState state)
{
    emit callStateChanged(call, state);
    if (state == CallBasePtr::RemoteRinging)
        emit ringing(m_Call);
    if (state == CallBasePtr::EarlyMedia)
        emit earlymediaReceived();
    if (call->isInProgress() || state == CallBasePtr::Disconnecting)
        emit allowedToInviteChanged();
    updateActions();
    if (state != CallBasePtr::NotInACall) {
        refreshState(false);
        return;
    }
    const bool byRemote = call->getEndReason() != CallBasePtr::HungUp;
    if (call->getEndReason() == CallBasePtr::Transferred)
        emit transferDone();
    emit closed();
    if (m_Associated) {
        CommunicationSession* associated = m_Associated;
        setAssociatedSession(nullptr, false);
        associated->setAssociatedSession(nullptr, false);
    }
    for (Participant* participant : m_Participants->getParticipantsExcludeSelf())
        m_Participants->setStateBits(participant->getAddress(), Participant::InAudioConference, false);
    disconnect(call, nullptr, this, nullptr);
    m_Call = nullptr;
    emit callChanged();
    refreshState(byRemote);
}

void CommunicationSession::syncParticipantsWithCall()
{
    if (!m_Call)
        return;
    const QStringList parties = m_Call->isConferenceCall() ? m_Call->getParties() : QStringList{m_Call->getRemoteAddress()};
    for (const QString& party : parties)
        m_Participants->setStateBits(party, Participant::InAudioConference, true);
    m_Participants->self()->setState(m_Participants->self()->getState() | Participant::InAudioConference);
    m_Participants->self()->setMuted(m_Call->isMicrophoneMuted());
}

void CommunicationSession::attachChat(XmppChat* chat)
{
    if (chat == m_Chat)
        return;
    if (m_Chat)
        disconnect(m_Chat, nullptr, this, nullptr);
    m_Chat = chat;
    if (chat) {
        connect(chat, &ChatInterface::stateChanged, this, &CommunicationSession::onChatStateChanged);
        connect(chat, &QObject::destroyed, this, &CommunicationSession::onChatStateChanged);
        connect(chat, &ChatInterface::roomChanged, this, &CommunicationSession::participantUpdated);
        connect(chat, &XmppChat::occupantAdded, this, [this](const QString& address, int affiliation, bool initial) {
            m_Participants->addParticipant(address, affiliation, Participant::InChat, initial, guestName(address));
            emit participantUpdated();
        });
        connect(chat, &XmppChat::occupantRemoved, this, [this](const QString& address, int, int reason) {
            if (Participant* gone = m_Participants->participant(address)) {
                if (gone->getState() == Participant::InChat)
                    m_Participants->removeParticipant(address, reason);
                else
                    m_Participants->setStateBits(address, Participant::InChat, false);
            }
            emit participantUpdated();
            emit allowedToInviteChanged();
        });
        connect(chat, &XmppChat::occupantAffiliationChanged, m_Participants,
                &Models::CommsSessionParticipants::setAffiliation);
        connect(chat, &ChatInterface::roomOwnerChanged, this, &CommunicationSession::allowedToInviteChanged);
        connect(chat->getChatModel(), &Models::ChatModel::unreadCountChanged, this,
                &CommunicationSession::unreadMessagesChanged);
        connect(chat->getChatModel(), &Models::ChatModel::messageAdded, this, [this] {
            if (m_Controller)
                m_Controller->updateSession(this);
        });
        QList<QPair<QString, int>> occupants;
        for (const XmppChat::Occupant& occupant : chat->occupants())
            occupants.append({occupant.address, occupant.affiliation});
        m_Participants->addInitialParticipants(occupants, Participant::InChat);
    }
    emit chatActiveChanged();
    refreshState(chat && !chat->isOutgoing());
}

void CommunicationSession::onChatStateChanged()
{
    emit chatActiveChanged();
    emit allowedToInviteChanged();
    updateActions();
    if (m_Controller && chatActive() && m_Chat->getState() == ChatInterface::Active)
        m_Controller->chatReady(this);
    refreshState(false);
}

void CommunicationSession::setContact(Contacts::IContact* contact)
{
    if (contact == m_Contact)
        return;
    m_Contact = contact;
    emit contactChanged();
}

void CommunicationSession::setMyRoom(bool myRoom, bool own)
{
    m_MyRoom = myRoom;
    m_OwnMyRoom = own;
    // The owner moderates the room's audio conference.
    if (myRoom && own && !m_Participants->getMeetMeVyxActionsHandler())
        m_Participants->setMeetMeVyxActionsHandler(new MyRoom::MeetMeVyxActionsHandler(m_Participants));
}

void CommunicationSession::setShare(bool active)
{
    if (active == m_Share)
        return;
    m_Share = active;
    if (active && !m_WebCollab) {
        m_WebCollab = new Webcollab::WebcollabBase(this);
        m_WebCollab->setOwner(true);
    }
    if (active)
        m_Owner = true;
    // The user's own share shows the desktop as soon as it runs.
    if (m_WebCollab) {
        m_WebCollab->setState(active ? Webcollab::WebcollabBase::Sharing : Webcollab::WebcollabBase::None);
        m_WebCollab->setFloorHolder(active);
    }
    refreshState(false);
}

void CommunicationSession::setAssociatedSession(CommunicationSession* session, bool first)
{
    if (session == m_Associated && first == m_AssociatedFirst)
        return;
    m_Associated = session;
    m_AssociatedFirst = session && first;
    emit hasAssociatedFirstCallChanged();
    emit allowedToInviteChanged();
}

void CommunicationSession::refreshState(bool incoming)
{
    uint state = Empty;
    if (chatActive())
        state |= Chat;
    if (callActive())
        state |= CallFlag;
    if (m_Share)
        state |= Share;
    const bool group = (m_Chat && m_Chat->isGroup()) || (m_Call && m_Call->isConferenceCall()) || m_MyRoom;
    if (state != Empty && group)
        state |= Conference;
    if (MyRoom::MeetMeVyxActionsHandler* conference = m_Participants->getMeetMeVyxActionsHandler())
        conference->setConferenceStarted(state & CallFlag);
    if (state == m_State)
        return;
    const uint previous = m_State;
    m_State = state;
    KIVO_LOG(LevelInfo) << "Session " << m_Key << " state " << previous << " -> " << state;
    updateActions();
    emit stateChanged();
    emit sessionStateChanged(this, previous, state, incoming);
    if (state == Empty && m_Controller)
        m_Controller->remove(this);
}

void CommunicationSession::acceptChat()
{
    if (!m_Chat)
        return;
    m_Chat->accept();
    m_Chat->setVisibleToUser(true);
}

void CommunicationSession::closeChat()
{
    if (m_Chat)
        m_Chat->close();
}

void CommunicationSession::close()
{
    if (m_Call)
        m_Call->close();
    closeChat();
    closeWebcollab();
}

void CommunicationSession::closeWebcollab()
{
    // A share of the screen-sharing service ends when the service says so.
    if (auto* share = qobject_cast<Webcollab::WebcollabZyn*>(getWebCollab())) {
        Simulation::Service::shared().endShare(share->shareId());
        return;
    }
    setShare(false);
}

void CommunicationSession::addParticipants(const QString& participants, const QString& text)
{
    Q_UNUSED(text)
    if (!m_Controller)
        return;
    QStringList addresses;
    QStringList unreachable;
    for (const QString& participant : participants.split(',', Qt::SkipEmptyParts)) {
        const QString address = m_Controller->resolve(participant.trimmed());
        if (address.isEmpty())
            unreachable.append(participant.trimmed());
        else if (address.compare(m_Controller->ownAddress(), Qt::CaseInsensitive) != 0
                 && !m_Participants->participant(address))
            addresses.append(address);
    }
    if (!unreachable.isEmpty())
        emit m_Controller->failedToAddContacts(unreachable);
    if (addresses.isEmpty())
        return;
    KIVO_LOG(LevelInfo) << "Adding " << addresses.join(", ") << " to " << m_Key;
    Simulation::Service& service = Simulation::Service::shared();
    if (callActive() && m_Call->isInProgress()) {
        for (const QString& address : qAsConst(addresses)) {
            if (!service.addCallParty(m_Call->getCallId(), address)) {
                if (MediaEngine::CallControllerBase* calls = m_Controller->callController())
                    emit calls->addingParticipantCallToConferenceFailed(403, address);
            }
        }
    }
    if (!chatActive())
        return;
    if (m_Chat->isGroup()) {
        m_Controller->xmppChats()->inviteToRoom(m_Chat->conversation(), addresses);
        return;
    }
    // A chat with one party grows into a group chat of its own.
    m_Controller->createChat(QStringList{m_Chat->conversation()} + addresses);
}

void CommunicationSession::transferCall(const QString& target)
{
    if (!m_Call)
        return;
    if (target.trimmed().isEmpty()) {
        if (getHasAssociatedFirstCall())
            transferCallToThis();
        return;
    }
    const QString address = m_Controller ? m_Controller->resolve(target.trimmed()) : target.trimmed();
    m_Call->transfer(address.isEmpty() ? target.trimmed() : address);
}

void CommunicationSession::transferCallToThis()
{
    CommunicationSession* first = m_Associated;
    if (!getHasAssociatedFirstCall() || !first || !first->m_Call || !m_Call) {
        KIVO_LOG(LevelWarning) << "No first call to join with the call of " << m_Key;
        return;
    }
    if (!Simulation::Service::shared().transferCallTo(first->m_Call->getCallId(), m_Call->getCallId()))
        emit transferFailed(m_Call, 0);
}

void CommunicationSession::setCallTransferAssociatedSession(CommunicationSession* session, bool first)
{
    setAssociatedSession(session, first);
}

void CommunicationSession::createSecondCall(const QString& number, bool audio)
{
    if (!m_Controller || !m_Call || !m_Call->isInProgress())
        return;
    CommunicationSession* second = m_Controller->placeConsultationCall(number, !audio);
    if (!second || second == this)
        return;
    second->setAssociatedSession(this, true);
    setAssociatedSession(second, false);
}

void CommunicationSession::parkCall(const QString& extension)
{
    if (m_Call)
        m_Call->park(extension);
}

void CommunicationSession::callRecordClicked()
{
    if (!m_Call || getCallRecordMode() < Always)
        return;
    switch (m_Call->getCallRecordingState()) {
    case CallBasePtr::Recording:
        m_Call->pauseRecording();
        break;
    case CallBasePtr::RecordingPaused:
        m_Call->resumeRecording();
        break;
    default:
        m_Call->startRecording();
        break;
    }
}

void CommunicationSession::callRecordStopClicked()
{
    if (m_Call && getCallRecordMode() == OnDemandWithStop)
        m_Call->stopRecording();
}

void CommunicationSession::transferToExecutive()
{
    const QString executive = sender() ? sender()->property("execaddress").toString() : QString();
    if (!m_Call || executive.isEmpty()) {
        KIVO_LOG(LevelWarning) << "No executive to hand the call of " << m_Key << " to";
        return;
    }
    m_Call->transfer(executive);
}

void CommunicationSession::fileDropped(const QUrl& file)
{
    if (!m_Controller || !m_Chat || !file.isLocalFile())
        return;
    if (FtController* transfers = m_Controller->fileTransfers())
        transfers->startFileTransfer(m_Chat, file.toLocalFile());
}

void CommunicationSession::setCurrentCallSecurityClassification(const QString& classification)
{
    if (classification == m_CallClassification)
        return;
    m_CallClassification = classification;
    emit securityChanged();
}

QString CommunicationSession::guestName(const QString& address) const
{
    // A guest has no contact of the user's: the name given at the door is all there is.
    const std::optional<Simulation::RoomRecord> room =
        m_Chat ? Simulation::Service::shared().room(m_Chat->conversation()) : std::nullopt;
    return room ? room->guestNames.value(address.toLower()) : QString();
}

void CommunicationSession::onGuestWaiting(const QString& jid)
{
    if (Participant* guest = m_Participants->participant(jid))
        emit showGuestNotification(this, guest->getContact());
}

void CommunicationSession::handleNewGuestRequestAccepted(const QString& jid)
{
    m_Participants->setAffiliation(jid, Participant::Guest);
    if (m_Chat)
        Simulation::Service::shared().answerGuest(m_Chat->conversation(), jid, true);
    if (Participant* guest = m_Participants->participant(jid))
        emit hideGuestNotification(this, guest->getContact());
}

void CommunicationSession::handleNewGuestRequestRejected(const QString& jid)
{
    Participant* guest = m_Participants->participant(jid);
    Contacts::IContact* contact = guest ? guest->getContact() : nullptr;
    if (m_Chat)
        Simulation::Service::shared().answerGuest(m_Chat->conversation(), jid, false);
    m_Participants->removeParticipant(jid, Participant::Dismissed);
    emit hideGuestNotification(this, contact);
}

QObject* CommunicationSession::callObject() const
{
    return m_Call.get();
}

QObject* CommunicationSession::chatObject() const
{
    return m_Chat;
}

QObject* CommunicationSession::contactObject() const
{
    return m_Contact;
}

QObject* CommunicationSession::participantsObject() const
{
    return m_Participants;
}

Webcollab::WebcollabBase* CommunicationSession::getWebCollab() const
{
    return m_Share ? m_WebCollab.data() : nullptr;
}

QObject* CommunicationSession::getZynHandler() const
{
    return m_ZynHandler;
}

QObject* CommunicationSession::webcollabObject() const
{
    return getWebCollab();
}

} // namespace Controllers
} // namespace Kivo
