// Group-chat rooms of the simulated service: who may enter, who owns them, who is inside.
#include <Kivo/Services/Xmpp/XmppJidValidator.h>
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

namespace Kivo {
namespace Simulation {

namespace {

using Tesk::Core::Logging::LevelInfo;
using Tesk::Core::Logging::LevelWarning;


RoomRole roleOf(const RoomRecord& room, const QString& who)
{
    return room.roles.value(who.toLower(), RoomRole::None);
}

bool isOccupant(const RoomRecord& room, const QString& who)
{
    return room.occupants.contains(who, Qt::CaseInsensitive);
}

RoomConfig configOf(const RoomRecord& room)
{
    return RoomConfig{room.name, room.password, room.membersOnly, room.maxHistory};
}

} // namespace

RoomRecord* Service::findRoom(const QString& jid)
{
    if (!m_SignedIn)
        return nullptr;
    auto found = conversationBook().rooms.find(jid.trimmed().toLower());
    return found == conversationBook().rooms.end() ? nullptr : &*found;
}

RoomRecord* Service::openMyRoomChat(const QString& jid)
{
    // Everybody may enter a My Room's chat; its owner holds the room.
    using Services::Xmpp::XmppJidValidator;
    const QString owner = XmppJidValidator::getRoomJidPart(jid, XmppJidValidator::MyRoom);
    const int index = accountIndex(owner);
    RoomRecord room;
    room.jid = jid.trimmed();
    room.owner = index >= 0 ? m_Accounts.at(index).userName : owner;
    room.name = QStringLiteral("%1's Room").arg(index >= 0 ? m_Accounts.at(index).displayName : owner);
    room.roles.insert(room.owner.toLower(), RoomRole::Owner);
    return &*conversationBook().rooms.insert(room.jid.toLower(), room);
}

std::optional<RoomRecord> Service::room(const QString& jid) const
{
    if (!m_SignedIn)
        return std::nullopt;
    const auto books = m_ConversationBooks.constFind(*m_SignedIn);
    if (books == m_ConversationBooks.constEnd())
        return std::nullopt;
    const auto found = books->rooms.constFind(jid.trimmed().toLower());
    if (found == books->rooms.constEnd())
        return std::nullopt;
    return *found;
}

bool Service::requestRooms(int requestId)
{
    if (!linkUsable("room list", ChatLink))
        return false;
    post(
        [this, requestId] {
            const QString own = ownAddress();
            QList<RoomRecord> rooms;
            for (const RoomRecord& room : qAsConst(conversationBook().rooms)) {
                // Members-only rooms are listed to their members only; ad-hoc rooms to nobody.
                if (room.adHoc || (room.membersOnly && roleOf(room, own) < RoomRole::Member))
                    continue;
                rooms.append(room);
            }
            emit roomsReceived(requestId, rooms);
        },
        true);
    return true;
}

QString Service::createRoom(bool adHoc, const QStringList& invitees)
{
    if (!linkUsable("room creation", ChatLink))
        return QString();
    ConversationBook& book = conversationBook();
    const QString domain = ownAddress().section('@', 1);
    QString jid;
    do {
        jid = QStringLiteral("%1-%2@conference.%3")
                  .arg(adHoc ? QStringLiteral("group") : QStringLiteral("room"))
                  .arg(book.nextRoom++)
                  .arg(domain.isEmpty() ? QStringLiteral("localhost") : domain);
    } while (book.rooms.contains(jid));
    RoomRecord room;
    room.jid = jid;
    room.name = adHoc ? QString() : jid.section('@', 0, 0);
    room.owner = ownAddress();
    room.adHoc = adHoc;
    room.locked = !adHoc;
    room.roles.insert(room.owner.toLower(), RoomRole::Owner);
    KIVO_LOG(LevelInfo) << "Simulated service: creating room " << jid;
    post(
        [this, room, invitees] {
            RoomRecord made = room;
            made.occupants = QStringList{ownAddress()};
            conversationBook().rooms.insert(made.jid.toLower(), made);
            emit roomCreated(made.jid, made.adHoc);
            emit roomJoined(made);
            if (!made.adHoc)
                emit roomConfigReceived(made.jid, configOf(made));
            if (!invitees.isEmpty())
                inviteToRoom(made.jid, invitees);
        },
        true);
    return jid;
}

bool Service::joinRoom(const QString& jid, const QString& password)
{
    if (!linkUsable("room join", ChatLink))
        return false;
    post(
        [this, jid, password] {
            RoomRecord* room = findRoom(jid);
            if (!room && isMyRoomChat(jid))
                room = openMyRoomChat(jid);
            if (!room) {
                emit roomRequestFailed(jid, QStringLiteral("There is no such room"));
                return;
            }
            const QString own = ownAddress();
            const RoomRole role = roleOf(*room, own);
            RoomJoinError error = RoomJoinError::None;
            if (role == RoomRole::Outcast)
                error = RoomJoinError::Banned;
            else if (room->membersOnly && role < RoomRole::Member)
                error = RoomJoinError::MembersOnly;
            else if (!room->password.isEmpty() && role != RoomRole::Owner && password.isEmpty())
                error = RoomJoinError::PasswordRequired;
            else if (!room->password.isEmpty() && role != RoomRole::Owner && password != room->password)
                error = RoomJoinError::WrongPassword;
            if (error != RoomJoinError::None) {
                KIVO_LOG(LevelInfo) << "Simulated service: entry to " << jid << " refused (" << int(error) << ")";
                emit roomJoinFailed(room->jid, error);
                return;
            }
            if (!isOccupant(*room, own))
                room->occupants.append(own);
            emit roomJoined(*room);
        },
        true);
    return true;
}

bool Service::leaveRoom(const QString& jid)
{
    if (!sessionOpen("room leave"))
        return false;
    post(
        [this, jid] {
            RoomRecord* room = findRoom(jid);
            if (!room)
                return;
            room->occupants.removeAll(ownAddress());
            const QString left = room->jid;
            // An ad-hoc room goes with its last occupant.
            if (room->adHoc && room->occupants.isEmpty())
                conversationBook().rooms.remove(left.toLower());
            emit roomLeft(left);
        },
        true);
    return true;
}

bool Service::requestRoomConfig(const QString& jid)
{
    if (!linkUsable("room configuration", ChatLink))
        return false;
    post(
        [this, jid] {
            const RoomRecord* room = findRoom(jid);
            if (!room || room->adHoc || roleOf(*room, ownAddress()) != RoomRole::Owner) {
                emit roomConfigForbidden(jid);
                return;
            }
            emit roomConfigReceived(room->jid, configOf(*room));
        },
        true);
    return true;
}

bool Service::configureRoom(const QString& jid, const RoomConfig& config)
{
    if (!linkUsable("room configuration", ChatLink))
        return false;
    post(
        [this, jid, config] {
            RoomRecord* room = findRoom(jid);
            if (!room || room->adHoc || roleOf(*room, ownAddress()) != RoomRole::Owner) {
                emit roomConfigForbidden(jid);
                return;
            }
            if (!config.name.trimmed().isEmpty())
                room->name = config.name.trimmed();
            room->password = config.password;
            room->membersOnly = config.membersOnly;
            room->maxHistory = qMax(0, config.maxHistory);
            room->locked = false;
            emit roomConfigured(*room);
        },
        true);
    return true;
}

bool Service::destroyRoom(const QString& jid)
{
    if (!linkUsable("room destruction", ChatLink))
        return false;
    post(
        [this, jid] {
            const RoomRecord* room = findRoom(jid);
            if (!room || roleOf(*room, ownAddress()) != RoomRole::Owner) {
                emit roomDestructionFailed(jid);
                return;
            }
            const QString key = room->jid.toLower();
            const QString destroyed = room->jid;
            ConversationBook& book = conversationBook();
            book.rooms.remove(key);
            book.messages.remove(key);
            book.unread.remove(key);
            emit roomDestroyed(destroyed);
        },
        true);
    return true;
}

bool Service::kickFromRoom(const QString& jid, const QString& who)
{
    if (!linkUsable("room kick", ChatLink))
        return false;
    post(
        [this, jid, who] {
            RoomRecord* room = findRoom(jid);
            const QString own = ownAddress();
            if (!room || !isOccupant(*room, who) || roleOf(*room, own) < RoomRole::Admin
                || roleOf(*room, own) <= roleOf(*room, who)) {
                emit roomRequestFailed(jid, QStringLiteral("You may not dismiss %1 from this room").arg(who));
                return;
            }
            for (int i = room->occupants.size() - 1; i >= 0; --i) {
                if (room->occupants.at(i).compare(who, Qt::CaseInsensitive) == 0)
                    room->occupants.removeAt(i);
            }
            emit occupantLeft(room->jid, who, own);
        },
        true);
    return true;
}

bool Service::setRoomRole(const QString& jid, const QString& who, RoomRole role)
{
    if (!linkUsable("room role", ChatLink))
        return false;
    post(
        [this, jid, who, role] {
            RoomRecord* room = findRoom(jid);
            if (!room || roleOf(*room, ownAddress()) != RoomRole::Owner || role == RoomRole::Owner
                || roleOf(*room, who) == RoomRole::Owner) {
                emit roomRequestFailed(jid, QStringLiteral("Only the owner can change roles in this room"));
                return;
            }
            room->roles.insert(who.toLower(), role);
            emit roomRoleChanged(room->jid, who, role);
        },
        true);
    return true;
}

bool Service::setRoomSubject(const QString& jid, const QString& subject)
{
    if (!linkUsable("room subject", ChatLink))
        return false;
    post(
        [this, jid, subject] {
            RoomRecord* room = findRoom(jid);
            if (!room || !isOccupant(*room, ownAddress())) {
                emit roomRequestFailed(jid, QStringLiteral("You are not in this room"));
                return;
            }
            room->subject = subject;
            emit roomSubjectChanged(room->jid, subject);
        },
        true);
    return true;
}

bool Service::requestRoomMembers(const QString& jid)
{
    if (!linkUsable("room members", ChatLink))
        return false;
    post(
        [this, jid] {
            const RoomRecord* room = findRoom(jid);
            if (!room || roleOf(*room, ownAddress()) < RoomRole::Admin) {
                emit roomRequestFailed(jid, QStringLiteral("Only the owner and moderators see the members"));
                return;
            }
            QStringList members;
            for (auto it = room->roles.constBegin(); it != room->roles.constEnd(); ++it) {
                if (it.value() == RoomRole::Member || it.value() == RoomRole::Admin)
                    members.append(it.key());
            }
            members.sort();
            emit roomMembersReceived(room->jid, members);
        },
        true);
    return true;
}

bool Service::removeRoomMembers(const QString& jid, const QStringList& members)
{
    if (!linkUsable("room members", ChatLink))
        return false;
    post(
        [this, jid, members] {
            RoomRecord* room = findRoom(jid);
            if (!room || roleOf(*room, ownAddress()) != RoomRole::Owner) {
                emit roomRequestFailed(jid, QStringLiteral("Only the owner can remove members"));
                return;
            }
            for (const QString& member : members) {
                if (roleOf(*room, member) != RoomRole::Owner)
                    room->roles.remove(member.toLower());
            }
            QStringList remaining;
            for (auto it = room->roles.constBegin(); it != room->roles.constEnd(); ++it) {
                if (it.value() == RoomRole::Member || it.value() == RoomRole::Admin)
                    remaining.append(it.key());
            }
            remaining.sort();
            emit roomMembersReceived(room->jid, remaining);
        },
        true);
    return true;
}

bool Service::inviteToRoom(const QString& jid, const QStringList& invitees)
{
    if (!linkUsable("room invitation", ChatLink))
        return false;
    for (const QString& invitee : invitees) {
        if (!isCallableAddress(invitee)) {
            KIVO_LOG(LevelWarning) << "Simulated service: an invitation to an address that cannot be reached refused";
            return false;
        }
    }
    // Each invitee accepts after the latency, as a person at a client would.
    post(
        [this, jid, invitees] {
            RoomRecord* room = findRoom(jid);
            if (!room)
                return;
            for (const QString& invitee : invitees) {
                const QString who = invitee.trimmed();
                if (isOccupant(*room, who) || roleOf(*room, who) == RoomRole::Outcast)
                    continue;
                if (room->membersOnly && roleOf(*room, who) < RoomRole::Member)
                    room->roles.insert(who.toLower(), RoomRole::Member);
                room->occupants.append(who);
                emit occupantJoined(room->jid, who, roleOf(*room, who));
            }
        },
        true);
    return true;
}

} // namespace Simulation
} // namespace Kivo
