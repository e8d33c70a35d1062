#include <Kivo/Controllers/XmppChatController.h>

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Controllers/XmppChat.h>
#include <Kivo/Databases/Comms.h>
#include <Kivo/Models/ChatModel.h>
#include <Kivo/Models/ChatRoomsFilter.h>
#include <Kivo/Models/ChatRoomsModel.h>
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"
#include "room_affiliation.h"

namespace Kivo {
namespace Controllers {

namespace {

using Tesk::Core::Logging::LevelInfo;
using Tesk::Core::Logging::LevelWarning;

// Fields of the multi-user chat room configuration form.
const char* const RoomName = "muc#roomconfig_roomname";
const char* const MembersOnly = "muc#roomconfig_membersonly";
const char* const MaxHistory = "muc#maxhistoryfetch";
const char* const PublicRoom = "muc#roomconfig_publicroom";
const char* const Persistent = "muc#roomconfig_persistentroom";
const char* const PasswordProtected = "muc#roomconfig_passwordprotectedroom";
const char* const Secret = "muc#roomconfig_roomsecret";

QXmppDataForm::Field field(QXmppDataForm::Field::Type type, const char* key, const QVariant& value, const QString& label)
{
    QXmppDataForm::Field result(type);
    result.setKey(QLatin1String(key));
    result.setValue(value);
    result.setLabel(label);
    return result;
}

} // namespace

XmppChatController::XmppChatController(Contacts::Contacts* contacts, QObject* parent)
    : ChatController(parent)
    , m_Contacts(contacts)
    , m_Rooms(new Models::ChatRoomsModel(QString(), this))
    , m_RoomsFilter(new Models::ChatRoomsFilter(m_Rooms, this, this))
{
    qRegisterMetaType<Kivo::Controllers::ChatError::ChatRoomJoinError>("Kivo::Controllers::ChatError::ChatRoomJoinError");
    qRegisterMetaType<QXmppDataForm>("QXmppDataForm");
    qRegisterMetaType<Kivo::Controllers::XmppChat*>("Kivo::Controllers::XmppChat*");
    qRegisterMetaType<Kivo::Controllers::ChatInterface*>("Kivo::Controllers::ChatInterface*");
    connectService();
}

XmppChatController::~XmppChatController() = default;

Contacts::Contacts* XmppChatController::contacts() const
{
    return m_Contacts;
}

QString XmppChatController::ownAddress() const
{
    const auto account = Simulation::Service::shared().signedInAccount();
    return account ? account->userName : QString();
}

void XmppChatController::connectService()
{
    Simulation::Service* source = &Simulation::Service::shared();
    using Simulation::Service;
    connect(source, &Service::chatMessageStored, this, &XmppChatController::onMessageStored);
    // Queued: the file-transfer controller takes the offer first, so that the conversation
    // opens with it.
    connect(source, &Service::fileTransferChanged, this, &XmppChatController::onFileOffered, Qt::QueuedConnection);
    connect(source, &Service::typingChanged, this, [this](const QString& conversation, const QString& from, bool typing) {
        if (XmppChat* chat = chatFor(conversation))
            chat->setTypist(from, typing);
    });
    connect(source, &Service::roomJoined, this, &XmppChatController::onRoomJoined);
    connect(source, &Service::roomConfigured, this, [this](const Simulation::RoomRecord& room) {
        m_Rooms->updateRoom(room);
        if (XmppChat* chat = chatFor(room.jid))
            chat->applyRoom(room);
    });
    connect(source, &Service::roomJoinFailed, this, [this](const QString& jid, Simulation::RoomJoinError error) {
        if (XmppChat* chat = chatFor(jid))
            chat->joinFailed(ChatError::ChatRoomJoinError(error));
    });
    connect(source, &Service::roomConfigReceived, this, [this](const QString& jid, const Simulation::RoomConfig& config) {
        emit xmppRoomConfigReceived(jid, formOf(config), chatFor(jid));
    });
    connect(source, &Service::roomConfigForbidden, this, &XmppChatController::roomConfigurationForbidden);
    connect(source, &Service::roomDestroyed, this, &XmppChatController::onRoomGone);
    connect(source, &Service::roomDestructionFailed, this, &XmppChatController::roomDestructionFailed);
    connect(source, &Service::roomMembersReceived, this, &XmppChatController::memberListReceived);
    connect(source, &Service::roomsReceived, this, [this](int, const QList<Simulation::RoomRecord>& rooms) {
        m_Rooms->setRooms(rooms);
        m_RoomsFilter->setFetchingRooms(false);
    });
    connect(source, &Service::occupantJoined, this, [this](const QString& jid, const QString& who, Simulation::RoomRole role) {
        if (XmppChat* chat = chatFor(jid))
            chat->occupantJoined(who, affiliationOf(role));
    });
    connect(source, &Service::occupantLeft, this, [this](const QString& jid, const QString& who, const QString& by) {
        if (XmppChat* chat = chatFor(jid))
            chat->occupantLeft(who, by);
    });
    connect(source, &Service::roomRoleChanged, this, [this](const QString& jid, const QString& who, Simulation::RoomRole role) {
        if (XmppChat* chat = chatFor(jid))
            chat->affiliationChanged(who, affiliationOf(role));
    });
    connect(source, &Service::roomSubjectChanged, this, [this](const QString& jid, const QString& subject) {
        if (XmppChat* chat = chatFor(jid))
            chat->setSubjectText(subject);
    });
    connect(source, &Service::roomInvitation, this, [this](const QString& jid, const QString& from) {
        if (chatFor(jid))
            return;
        KIVO_LOG(LevelInfo) << from << " invites the user to " << jid;
        emit chatOpened(makeChat(jid, true, false), true);
    });
    connect(source, &Service::roomRequestFailed, this, [this](const QString& jid, const QString& text) {
        KIVO_LOG(LevelWarning) << "Room " << jid << ": " << text;
        // A room that cannot be entered at all ends the attempt.
        XmppChat* chat = chatFor(jid);
        if (!chat || chat->getState() != ChatInterface::Joining)
            return;
        emit roomUnavailable(jid, chat->isMyRoomChat());
        chat->end(0);
    });
    connect(source, &Service::conversationsReceived, this,
            [this](int, const QList<Simulation::ConversationSummary>& conversations) {
                Databases::Comms* comms = commsDb();
                if (!comms)
                    return;
                for (const Simulation::ConversationSummary& summary : conversations) {
                    Databases::Comms::Conversation entry;
                    entry.conversation = summary.conversation;
                    entry.room = summary.room;
                    entry.lastSender = summary.last.from;
                    entry.lastText = summary.last.text;
                    entry.lastTime = summary.last.time;
                    entry.unread = summary.unread;
                    comms->record(entry);
                }
            });
    connect(source, &Service::conversationRead, this, [this](const QString& conversation) {
        if (Databases::Comms* comms = commsDb())
            comms->setUnread(conversation, 0);
    });
    connect(source, &Service::chatHistoryDeleted, this, [this](const QString& conversation) {
        if (Databases::Comms* comms = commsDb())
            comms->remove(conversation);
    });
}

void XmppChatController::setCommsDb(Databases::Comms* database)
{
    ChatController::setCommsDb(database);
    if (!database)
        return;
    // The history of this account, not of whoever used the database before.
    database->clearConversations();
    Simulation::Service::shared().requestConversations(0);
}

XmppChat* XmppChatController::chatFor(const QString& conversation) const
{
    return m_Chats.value(conversation.trimmed().toLower());
}

XmppChat* XmppChatController::makeChat(const QString& conversation, bool group, bool outgoing)
{
    auto* chat = new XmppChat(this, conversation.trimmed(), ownAddress(), group, outgoing);
    chat->setMyRoomChat(group && Simulation::Service::shared().isMyRoomChat(conversation));
    m_Chats.insert(conversation.trimmed().toLower(), chat);
    if (Databases::Comms* comms = commsDb())
        chat->getChatModel()->setUnreadCount(comms->conversation(conversation).unread);
    return chat;
}

void XmppChatController::forget(XmppChat* chat)
{
    const QString key = chat->conversation().toLower();
    if (m_Chats.value(key) == chat)
        m_Chats.remove(key);
    chat->deleteLater();
}

XmppChat* XmppChatController::openChat(const QString& peer)
{
    if (!Simulation::Service::isCallableAddress(peer) || !Simulation::Service::shared().isSignedIn()) {
        KIVO_LOG(LevelWarning) << "Chat refused: no session or an address that cannot be reached";
        return nullptr;
    }
    if (XmppChat* chat = chatFor(peer))
        return chat;
    XmppChat* chat = makeChat(peer, false, true);
    emit chatOpened(chat, false);
    return chat;
}

XmppChat* XmppChatController::openIncomingChat(const QString& peer)
{
    if (!Simulation::Service::isCallableAddress(peer) || !Simulation::Service::shared().isSignedIn())
        return nullptr;
    if (XmppChat* chat = chatFor(peer))
        return chat;
    XmppChat* chat = makeChat(peer, false, false);
    emit chatOpened(chat, true);
    return chat;
}

XmppChat* XmppChatController::createRoom(bool adHoc, const QStringList& invitees)
{
    const QString jid = Simulation::Service::shared().createRoom(adHoc, invitees);
    if (jid.isEmpty())
        return nullptr;
    XmppChat* chat = makeChat(jid, true, true);
    chat->setState(adHoc ? ChatInterface::Joining : ChatInterface::Creating);
    emit chatOpened(chat, false);
    return chat;
}

XmppChat* XmppChatController::joinRoom(const QString& roomJid, const QString& password)
{
    if (XmppChat* chat = chatFor(roomJid))
        return chat;
    if (!Simulation::Service::shared().joinRoom(roomJid, password))
        return nullptr;
    XmppChat* chat = makeChat(roomJid, true, true);
    emit chatOpened(chat, false);
    return chat;
}

void XmppChatController::inviteToRoom(const QString& roomJid, const QStringList& invitees)
{
    Simulation::Service::shared().inviteToRoom(roomJid, invitees);
}

void XmppChatController::onMessageStored(const Simulation::ChatMessageRecord& message)
{
    if (Databases::Comms* comms = commsDb()) {
        Databases::Comms::Conversation entry;
        entry.conversation = message.conversation;
        entry.room = Simulation::Service::shared().room(message.conversation).has_value();
        entry.lastSender = message.from;
        entry.lastText = message.text;
        entry.lastTime = message.time;
        entry.unread = comms->conversation(message.conversation).unread + (message.outgoing ? 0 : 1);
        comms->record(entry);
    }
    XmppChat* chat = chatFor(message.conversation);
    if (!chat) {
        // Somebody writes the user: a new conversation. Room traffic is for rooms the user
        // is in, which have their chat already.
        if (message.outgoing || Simulation::Service::shared().room(message.conversation))
            return;
        chat = makeChat(message.conversation, false, false);
        chat->addMessage(message);
        emit chatOpened(chat, true);
        return;
    }
    chat->addMessage(message);
}

void XmppChatController::onFileOffered(const Simulation::FileTransferRecord& transfer)
{
    // Somebody offers the user a file outside any conversation: a new one, as a message opens.
    if (!transfer.incoming || transfer.state != Simulation::FileTransferState::Offered || chatFor(transfer.peer)
        || Simulation::Service::shared().room(transfer.peer) || !Simulation::Service::shared().isSignedIn())
        return;
    emit chatOpened(makeChat(transfer.peer, false, false), true);
}

void XmppChatController::onRoomJoined(const Simulation::RoomRecord& room)
{
    m_Rooms->updateRoom(room);
    XmppChat* chat = chatFor(room.jid);
    if (!chat)
        return;
    chat->applyRoom(room);
    // The history the room keeps is what the user sees on entering.
    chat->getChatModel()->getMessagesFrom(Models::ChatModel::All);
}

void XmppChatController::onRoomGone(const QString& roomJid)
{
    m_Rooms->removeRoom(roomJid);
    if (XmppChat* chat = chatFor(roomJid))
        chat->end(1);
}

QXmppDataForm XmppChatController::formOf(const Simulation::RoomConfig& config)
{
    using Field = QXmppDataForm::Field;
    QXmppDataForm form(QXmppDataForm::Form);
    form.setTitle(QStringLiteral("Room configuration"));
    form.setFields({field(Field::HiddenField, "FORM_TYPE", QStringLiteral("http://jabber.org/protocol/muc#roomconfig"), QString()),
                    field(Field::TextSingleField, RoomName, config.name, QStringLiteral("Room name")),
                    field(Field::BooleanField, MembersOnly, config.membersOnly, QStringLiteral("Members only")),
                    field(Field::TextSingleField, MaxHistory, QString::number(config.maxHistory),
                          QStringLiteral("Messages of history")),
                    field(Field::BooleanField, PublicRoom, !config.membersOnly, QStringLiteral("Listed")),
                    field(Field::BooleanField, Persistent, true, QStringLiteral("Persistent")),
                    field(Field::BooleanField, PasswordProtected, !config.password.isEmpty(),
                          QStringLiteral("Password protected")),
                    field(Field::TextPrivateField, Secret, config.password, QStringLiteral("Password"))});
    return form;
}

Simulation::RoomConfig XmppChatController::configOf(const QXmppDataForm& form)
{
    Simulation::RoomConfig config;
    bool protectedRoom = false;
    for (const QXmppDataForm::Field& entry : form.fields()) {
        const QString key = entry.key();
        if (key == QLatin1String(RoomName))
            config.name = entry.value().toString().trimmed();
        else if (key == QLatin1String(MembersOnly))
            config.membersOnly = entry.value().toBool();
        else if (key == QLatin1String(MaxHistory))
            config.maxHistory = qMax(0, entry.value().toInt());
        else if (key == QLatin1String(PasswordProtected))
            protectedRoom = entry.value().toBool();
        else if (key == QLatin1String(Secret))
            config.password = entry.value().toString();
    }
    // A room that is not password protected has no password, whatever the secret field says.
    if (!protectedRoom)
        config.password.clear();
    return config;
}

void XmppChatController::fetchRooms()
{
    m_RoomsFilter->setFetchingRooms(Simulation::Service::shared().requestRooms(0));
}

void XmppChatController::passwordEntered(const QString& roomJid, const QString& password)
{
    XmppChat* chat = chatFor(roomJid);
    if (!chat) {
        KIVO_LOG(LevelWarning) << "Password for " << roomJid << " without a chat entering it";
        return;
    }
    Simulation::Service::shared().joinRoom(roomJid, password);
}

void XmppChatController::passwordEnterCanceled(const QString& roomJid)
{
    if (XmppChat* chat = chatFor(roomJid)) {
        if (chat->getState() == ChatInterface::Joining)
            chat->end(int(ChatError::PasswordRequired));
    }
}

void XmppChatController::requestRoomConfiguration(const QString& roomJid)
{
    Simulation::Service::shared().requestRoomConfig(roomJid);
}

void XmppChatController::roomConfigured(const QString& roomJid, const QXmppDataForm& form)
{
    Simulation::Service::shared().configureRoom(roomJid, configOf(form));
}

void XmppChatController::destroyRoom(const QString& roomJid)
{
    Simulation::Service::shared().destroyRoom(roomJid);
}

void XmppChatController::requestRoomMembers(const QString& roomJid)
{
    Simulation::Service::shared().requestRoomMembers(roomJid);
}

void XmppChatController::removeParticipantsFromChat(const QString& roomJid, const QStringList& members)
{
    Simulation::Service::shared().removeRoomMembers(roomJid, members);
}

void XmppChatController::kickParticipant(const QString& roomJid, const QString& userId)
{
    Simulation::Service::shared().kickFromRoom(roomJid, userId);
}

void XmppChatController::promoteParticipant(const QString& roomJid, const QString& address)
{
    Simulation::Service::shared().setRoomRole(roomJid, address, Simulation::RoomRole::Admin);
}

void XmppChatController::demoteParticipant(const QString& roomJid, const QString& address)
{
    Simulation::Service::shared().setRoomRole(roomJid, address, Simulation::RoomRole::Member);
}

} // namespace Controllers
} // namespace Kivo
