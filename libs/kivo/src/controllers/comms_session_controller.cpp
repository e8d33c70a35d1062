#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Controllers/GuestHelper.h>

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/Controllers/ZynHandler.h>
#include <Kivo/Controllers/ExecutiveHandler.h>
#include <Kivo/Controllers/XmppChat.h>
#include <Kivo/Controllers/XmppChatController.h>
#include <Kivo/MediaEngine/CallControllerBase.h>
#include <Kivo/Services/Xmpp/XmppJidValidator.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Settings.h>
#include <Kivo/Simulation/Service.h>
#include <Kivo/Utils/PhoneNumberParser.h>

#include "../kivo_log.h"

#include <algorithm>

namespace Kivo {
namespace Controllers {

namespace {

using Tesk::Core::Logging::LevelInfo;
using Tesk::Core::Logging::LevelWarning;
using Utils::PhoneNumberParser;

// The service runs this many conversations of one user at a time; one more asks the
// program to close a chat.
constexpr int SessionLimit = 10;
// The device the service rings for the user's calls: "PC", "MOBILE", "DESKPHONE" or "ALL".
const char* const DefaultRingDeviceKey = "settings/actions/defaultRingDevice";

} // namespace

CommsSessionController::CommsSessionController(Sessions::SessionManagerBase* session)
    : QObject(session)
    , m_SessionManager(session)
    , m_GuestHelper(new GuestHelper(this))
{
    qRegisterMetaType<Kivo::MediaEngine::Call>("Kivo::MediaEngine::Call");
    qRegisterMetaType<Kivo::Controllers::CommunicationSession*>("Kivo::Controllers::CommunicationSession*");
    qRegisterMetaType<Kivo::MediaEngine::CallBasePtr*>("Kivo::MediaEngine::CallBasePtr*");
    qRegisterMetaType<Kivo::Contacts::ContactPtr>("Kivo::Contacts::ContactPtr");
    connectEngine();
}

CommsSessionController::~CommsSessionController() = default;

void CommsSessionController::connectEngine()
{
    if (MediaEngine::CallControllerBase* calls = callController()) {
        connect(calls, &MediaEngine::CallControllerBase::outgoingCall, this,
                [this](const MediaEngine::Call& call) { onCall(call, false); });
        connect(calls, &MediaEngine::CallControllerBase::incomingCall, this,
                [this](const MediaEngine::Call& call) { onCall(call, true); });
    }
    connect(&Simulation::Service::shared(), &Simulation::Service::shareUpdated, this,
            &CommsSessionController::onShareUpdated);
    if (XmppChatController* chats = xmppChats()) {
        connect(chats, &XmppChatController::chatOpened, this, &CommsSessionController::onChat);
        // A My Room that is not there is reported by the name of its room.
        connect(chats, &XmppChatController::roomUnavailable, this, [this](const QString& jid, bool myRoom) {
            if (myRoom)
                emit errorJoiningRoom(jid.section('@', 0, 0));
        });
    }
}

Sessions::SessionManagerBase* CommsSessionController::sessionManager() const
{
    return m_SessionManager;
}

Contacts::Contacts* CommsSessionController::contacts() const
{
    return m_SessionManager ? m_SessionManager->contactsManager().data() : nullptr;
}

MediaEngine::CallControllerBase* CommsSessionController::callController() const
{
    return m_SessionManager ? m_SessionManager->callController() : nullptr;
}

XmppChatController* CommsSessionController::xmppChats() const
{
    return m_SessionManager ? m_SessionManager->xmppChatController() : nullptr;
}

FtController* CommsSessionController::fileTransfers() const
{
    return m_SessionManager ? m_SessionManager->fileTransferController() : nullptr;
}

QString CommsSessionController::ownAddress() const
{
    const auto account = Simulation::Service::shared().signedInAccount();
    return account ? account->userName : (m_SessionManager ? m_SessionManager->userName() : QString());
}

QString CommsSessionController::getOriginatorKey()
{
    return QStringLiteral("originatorUri");
}

QString CommsSessionController::getDestinationKey()
{
    return QStringLiteral("destinationUri");
}

CommunicationSession* CommsSessionController::getSession(int contactId) const
{
    return m_ByKey.value(QStringLiteral("c:%1").arg(contactId));
}

CommunicationSession* CommsSessionController::getSession(const MediaEngine::Call& call) const
{
    return call ? m_ByCall.value(call->getCallId()) : nullptr;
}

CommunicationSession* CommsSessionController::sessionOfUri(const QString& uri) const
{
    for (CommunicationSession* session : m_Sessions) {
        if (!uri.isEmpty() && session->uri().compare(uri, Qt::CaseInsensitive) == 0)
            return session;
    }
    return nullptr;
}

Contacts::IContact* CommsSessionController::contactOf(const QString& address) const
{
    Contacts::Contacts* list = contacts();
    if (!list || address.isEmpty())
        return nullptr;
    if (Contacts::IContact* contact = list->findByAddress(address))
        return contact;
    // A number reaches the contact that has it, whichever number it is.
    const QString number = PhoneNumberParser::normalizePhoneNumber(address);
    if (number.size() < 3 || address.contains('@'))
        return nullptr;
    for (Contacts::IContact* contact : list->contacts()) {
        for (Contacts::Properties::Key key : Contacts::Properties::numberKeys()) {
            if (PhoneNumberParser::normalizePhoneNumber(contact->getProperty(key).toString()) == number)
                return contact;
        }
    }
    return nullptr;
}

QString CommsSessionController::keyOf(const QString& address, Contacts::IContact** contact) const
{
    Contacts::IContact* found = contactOf(address);
    if (contact)
        *contact = found;
    return found ? QStringLiteral("c:%1").arg(found->getId()) : QStringLiteral("a:") + address.trimmed().toLower();
}

QString CommsSessionController::resolve(const QString& participant) const
{
    bool isId = false;
    const int id = participant.toInt(&isId);
    if (isId && id > 0) {
        Contacts::IContact* contact = contacts() ? contacts()->getContact(id) : nullptr;
        if (!contact)
            return QString();
        if (!contact->getAddress().isEmpty())
            return contact->getAddress();
        for (Contacts::Properties::Key key : Contacts::Properties::numberKeys()) {
            if (!contact->getProperty(key).toString().isEmpty())
                return contact->getProperty(key).toString();
        }
        return QString();
    }
    return Simulation::Service::isCallableAddress(participant) ? participant.trimmed() : QString();
}

CommunicationSession* CommsSessionController::makeSession(const QString& key)
{
    auto* session = new CommunicationSession(this, key, this);
    m_Sessions.append(session);
    m_ByKey.insert(key, session);
    return session;
}

void CommsSessionController::add(CommunicationSession* session, bool incoming)
{
    KIVO_LOG(LevelInfo) << "Conversation " << session->key() << (incoming ? " from the far end" : " of the user");
    m_GuestHelper->watch(session);
    emit sessionCreated(session, incoming);
    if (m_Sessions.size() > SessionLimit)
        emit commsSessionsLimitExceeded();
}

void CommsSessionController::chatReady(CommunicationSession* session)
{
    for (int i = 0; i < m_AwaitingReady.size(); ++i) {
        if (m_AwaitingReady.at(i) == session) {
            m_AwaitingReady.removeAt(i);
            emit sessionReady(session);
            return;
        }
    }
}

void CommsSessionController::remove(CommunicationSession* session)
{
    if (!m_Sessions.removeOne(session))
        return;
    if (m_ByKey.value(session->key()) == session)
        m_ByKey.remove(session->key());
    for (auto it = m_ByCall.begin(); it != m_ByCall.end();) {
        if (it.value() == session)
            it = m_ByCall.erase(it);
        else
            ++it;
    }
    KIVO_LOG(LevelInfo) << "Conversation " << session->key() << " ended";
    emit sessionRemoved(session);
    session->deleteLater();
}

void CommsSessionController::onCall(const MediaEngine::Call& call, bool incoming)
{
    Contacts::IContact* contact = nullptr;
    QString key = m_NextCallTarget;
    m_NextCallTarget.clear();
    if (key.isEmpty()) {
        key = call->isConferenceCall() ? QStringLiteral("conf:%1").arg(call->getCallId())
                                       : keyOf(call->getRemoteAddress(), &contact);
    }
    CommunicationSession* session = m_ByKey.value(key);
    // A second call with the same party is a conversation of its own.
    if (session && session->callActive())
        session = nullptr, key += QStringLiteral("#%1").arg(call->getCallId());
    const bool created = !session;
    if (created) {
        session = makeSession(key);
        if (!contact && !call->isConferenceCall() && contacts()) {
            contact = contacts()->createTemporaryContact(session);
            contact->setProperty(isEmergencyNumber(call->getRemoteAddress()) || call->getRemoteAddress().contains('@')
                                     ? Contacts::Properties::Address
                                     : Contacts::Properties::WorkNumber,
                                 call->getRemoteAddress());
        }
        session->setContact(contact);
    }
    m_ByCall.insert(call->getCallId(), session);
    if (call->isExecutiveCall() && contacts()) {
        if (Contacts::IContact* executive = contactOf(call->getExecutiveAddress()))
            call->setExecutiveName(executive->getDisplayName());
    }
    if (contact && call->getDisplayName() == call->getRemoteAddress() && !contact->getDisplayName().isEmpty())
        call->setDisplayName(contact->getDisplayName());
    // The far end handing the call on is a transfer into this conversation.
    connect(call.get(), &MediaEngine::CallBasePtr::changed, session, [this, session, call = call.get()] {
        if (call->getRemoteAddress().isEmpty() || call->isConferenceCall() || !session->getContact()
            || session->getContact()->getAddress().compare(call->getRemoteAddress(), Qt::CaseInsensitive) == 0)
            return;
        Contacts::IContact* party = contactOf(call->getRemoteAddress());
        if (!party && session->getContact()->isTemporary()) {
            session->getContact()->setProperty(Contacts::Properties::Address, call->getRemoteAddress());
            return;
        }
        if (party && party != session->getContact()) {
            session->setContact(party);
            emit callTransferred(session);
        }
    });
    session->attachCall(call);
    if (created)
        add(session, incoming);
    if (!incoming)
        emit sessionReady(session);
}

void CommsSessionController::onChat(XmppChat* chat, bool incoming)
{
    Contacts::IContact* contact = nullptr;
    const QString key =
        chat->isGroup() ? QStringLiteral("r:") + chat->conversation().toLower() : keyOf(chat->conversation(), &contact);
    CommunicationSession* session = m_ByKey.value(key);
    const bool created = !session;
    if (created) {
        session = makeSession(key);
        if (!chat->isGroup() && !contact && contacts()) {
            contact = contacts()->createTemporaryContact(session);
            contact->setProperty(Contacts::Properties::Address, chat->conversation());
            contact->setProperty(Contacts::Properties::Jid, chat->conversation());
        }
        session->setContact(contact);
    }
    session->attachChat(chat);
    if (created)
        add(session, incoming);
    if (incoming)
        return;
    if (chat->getState() == ChatInterface::Active)
        emit sessionReady(session);
    else
        m_AwaitingReady.append(session);
}

MediaEngine::Call CommsSessionController::placeCall(const QStringList& addresses, bool video, bool fromPhone)
{
    MediaEngine::CallControllerBase* calls = callController();
    if (!calls)
        return nullptr;
    for (const QString& address : addresses) {
        if (isEmergencyNumber(address)) {
            KIVO_LOG(LevelWarning) << "Emergency call to " << address << " not placed: this service cannot make one";
            emit emergencyCallNotification();
            return nullptr;
        }
    }
    QString asExecutive;
    if (ExecutiveHandler* executives = m_SessionManager ? m_SessionManager->getExecutiveHandler() : nullptr) {
        if (Contacts::IContact* executive = executives->getExecutiveCallContact())
            asExecutive = executive->getAddress();
    }
    KIVO_LOG(LevelInfo) << "Call requested to " << addresses.join(", ") << (video ? " with video" : "");
    const MediaEngine::Call call = calls->placeCall(addresses, video, fromPhone, asExecutive);
    if (call)
        m_LastDialed = addresses.join(QStringLiteral(", ")).trimmed();
    return call;
}

CommunicationSession* CommsSessionController::placeConsultationCall(const QString& number, bool video)
{
    const QString address = resolve(number);
    if (address.isEmpty())
        return nullptr;
    return getSession(placeCall({address}, video, false));
}

bool CommsSessionController::isEmergencyNumber(const QString& address) const
{
    static const QStringList numbers = {QStringLiteral("112"), QStringLiteral("911"), QStringLiteral("999")};
    return numbers.contains(PhoneNumberParser::normalizePhoneNumber(address));
}

void CommsSessionController::createCall(const QStringList& addresses, bool video)
{
    placeCall(addresses, video, false);
}

void CommsSessionController::createCallFromPhone(const QStringList& addresses)
{
    // The desk phone the user has rung becomes the default ring device, unless the user has
    // chosen (or cleared) one already; the preferences offer to clear it.
    Settings settings(Settings::UserSettings);
    if (!settings.contains(DefaultRingDeviceKey))
        settings.setValue(DefaultRingDeviceKey, QStringLiteral("DESKPHONE"));
    placeCall(addresses, false, true);
}

void CommsSessionController::createChat(const QStringList& addresses)
{
    KIVO_LOG(LevelInfo) << "Chat requested with " << addresses.join(", ");
    XmppChatController* chats = xmppChats();
    if (!chats || addresses.isEmpty()
        || !std::all_of(addresses.cbegin(), addresses.cend(), &Simulation::Service::isCallableAddress)) {
        KIVO_LOG(LevelWarning) << "Chat refused: no chat connection or an address that cannot be reached";
        return;
    }
    QStringList peers;
    for (const QString& address : addresses)
        peers.append(address.trimmed());
    if (peers.size() != 1) {
        chats->createRoom(true, peers);
        return;
    }
    // Asked again for a chat that goes on: its conversation comes to the front.
    const bool goesOn = chats->chatFor(peers.first()) != nullptr;
    XmppChat* chat = chats->openChat(peers.first());
    CommunicationSession* session = goesOn && chat ? m_ByKey.value(keyOf(chat->conversation(), nullptr)) : nullptr;
    if (session) {
        KIVO_LOG(LevelInfo) << "Chat with " << peers.first() << " brought to the front";
        emit session->activated();
    }
}

void CommsSessionController::createChat()
{
    if (XmppChatController* chats = xmppChats())
        chats->createRoom(false);
}

void CommsSessionController::createChat(const QList<Contacts::IContact*>& people, bool adHoc)
{
    XmppChatController* chats = xmppChats();
    if (!chats)
        return;
    QStringList addresses;
    QStringList unreachable;
    for (const Contacts::IContact* contact : people) {
        const QString jid = contact->getProperty(Contacts::Properties::Jid).toString();
        const QString address = jid.isEmpty() ? contact->getAddress() : jid;
        if (address.isEmpty())
            unreachable.append(contact->getDisplayName());
        else
            addresses.append(address);
    }
    if (!unreachable.isEmpty())
        emit failedToAddContacts(unreachable);
    if (!addresses.isEmpty())
        chats->createRoom(adHoc, addresses);
}

void CommsSessionController::createMyRoomSession(const QString& call, const QString& chat, const QString& webcollab)
{
    KIVO_LOG(LevelInfo) << "My Room session requested: call " << call << ", chat " << chat << ", sharing "
                        << webcollab;
    XmppChatController* chats = xmppChats();
    // The room is its chat: without one there is nothing to join.
    XmppChat* room = chats && !chat.trimmed().isEmpty() ? chats->joinRoom(chat.trimmed()) : nullptr;
    if (!room) {
        KIVO_LOG(LevelWarning) << "My Room session refused: its room cannot be entered";
        return;
    }
    room->setMyRoomChat(true);
    CommunicationSession* session = m_ByKey.value(QStringLiteral("r:") + chat.trimmed().toLower());
    if (session) {
        using Services::Xmpp::XmppJidValidator;
        const QString owner = XmppJidValidator::getRoomJidPart(chat, XmppJidValidator::MyRoom);
        session->setMyRoom(true, owner.compare(ownAddress(), Qt::CaseInsensitive) == 0);
        session->refreshState(false);
    }
    emit myRoomSessionCreated(call, chat, webcollab);
    if (call.trimmed().isEmpty() || !session)
        return;
    // The room's audio joins the same conversation.
    m_NextCallTarget = session->key();
    placeCall({call.trimmed()}, false, false);
    m_NextCallTarget.clear();
}

void CommsSessionController::createWebCollabSession(const QStringList& addresses)
{
    KIVO_LOG(LevelInfo) << "Web collaboration requested with " << addresses.join(", ");
    if (addresses.isEmpty()
        || !std::all_of(addresses.cbegin(), addresses.cend(), &Simulation::Service::isCallableAddress)) {
        KIVO_LOG(LevelWarning) << "Web collaboration refused: an address cannot be reached";
        return;
    }
    Contacts::IContact* contact = nullptr;
    const QString key = addresses.size() == 1 ? keyOf(addresses.first(), &contact)
                                              : QStringLiteral("share:") + addresses.join(',').toLower();
    CommunicationSession* session = m_ByKey.value(key);
    const bool created = !session;
    if (created) {
        session = makeSession(key);
        session->setContact(contact);
    }
    // The screen-sharing service starts the share through the conversation's handler; it
    // joins the conversation once the service reports it.
    if (ZynHandler* zyn = session->zynHandler())
        zyn->startShare();
    else
        session->setShare(true);
    if (created)
        add(session, false);
    emit sessionReady(session);
}

void CommsSessionController::createGroupChat(const QString& roomJid)
{
    if (XmppChatController* chats = xmppChats())
        chats->joinRoom(roomJid);
}

void CommsSessionController::handleActivateSessionOfCall(const MediaEngine::Call& call)
{
    CommunicationSession* session = getSession(call);
    if (!session) {
        KIVO_LOG(LevelWarning) << "No call " << (call ? call->getCallId() : 0) << " to bring to the front";
        return;
    }
    KIVO_LOG(LevelInfo) << "Call " << call->getCallId() << " brought to the front";
    emit session->activated();
    emit handleBackgroundActivationChange();
}

void CommsSessionController::updateSession(CommunicationSession* session)
{
    if (session && m_Sessions.contains(session))
        emit sessionUpdated(session);
}

void CommsSessionController::handleCustomAction(int actionId, const QString& originatorUri, const QString& destinationUri)
{
    CommunicationSession* from = sessionOfUri(originatorUri);
    CommunicationSession* to = sessionOfUri(destinationUri);
    QString reason;
    if (!from || !to) {
        KIVO_LOG(LevelWarning) << "No conversations " << originatorUri << " and " << destinationUri << " to join";
        return;
    }
    if (actionId == Actions::Action::Conference) {
        const int options = from->getConferencingOptions(to, true, reason);
        if (options & 1)
            Simulation::Service::shared().mergeCalls(from->getCall()->getCallId(), to->getCall()->getCallId());
        if ((options & 2) && to->getContact())
            from->addParticipants(to->getContact()->getAddress(), QString());
        if (options == 0)
            KIVO_LOG(LevelWarning) << "Conference refused: " << reason;
        return;
    }
    if (actionId == Actions::Action::Transfer) {
        if (!from->canTransferWith(to, true, reason)) {
            KIVO_LOG(LevelWarning) << "Transfer refused: " << reason;
            return;
        }
        if (to->callActive())
            Simulation::Service::shared().transferCallTo(from->getCall()->getCallId(), to->getCall()->getCallId());
        else
            from->transferCall(to->uri());
    }
}

void CommsSessionController::retrieveParkedCall(const QString& orbit)
{
    if (MediaEngine::CallControllerBase* calls = callController())
        calls->retrieveParkedCall(orbit);
}

} // namespace Controllers
} // namespace Kivo
