// What the people the user chats with do of their own accord: typing, room traffic, files.
#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Service.h>

namespace Kivo {
namespace Simulation {

bool Control::injectTyping(const QString& from, bool typing, const QString& room)
{
    if (!m_Service.isSignedIn())
        return refuse("typing", "nobody is signed in");
    if (from.trimmed().isEmpty())
        return refuse("typing", "the typist is empty");
    Service* service = &m_Service;
    const QString conversation = room.trimmed().isEmpty() ? from.trimmed() : room.trimmed();
    m_Service.post([service, conversation, from, typing] { emit service->typingChanged(conversation, from, typing); },
                   true);
    return true;
}

bool Control::injectRoomMessage(const QString& room, const QString& from, const QString& text)
{
    if (!m_Service.isSignedIn())
        return refuse("room message", "nobody is signed in");
    if (!m_Service.room(room))
        return refuse("room message", "there is no such room");
    if (from.trimmed().isEmpty() || text.isEmpty())
        return refuse("room message", "the sender or the text is empty");
    Service* service = &m_Service;
    m_Service.post(
        [service, room, from, text] {
            const RoomRecord* record = service->findRoom(room);
            if (!record)
                return;
            ChatMessageRecord message;
            message.conversation = record->jid;
            message.from = from.trimmed();
            message.text = text;
            message.time = QDateTime::currentDateTimeUtc();
            service->storeMessage(message);
        },
        true);
    return true;
}

bool Control::injectRoomJoin(const QString& room, const QString& who)
{
    const std::optional<RoomRecord> record = m_Service.room(room);
    if (!record)
        return refuse("room join", "there is no such room");
    if (who.trimmed().isEmpty() || record->occupants.contains(who.trimmed(), Qt::CaseInsensitive))
        return refuse("room join", "the newcomer is empty or already inside");
    Service* service = &m_Service;
    const QString newcomer = who.trimmed();
    m_Service.post(
        [service, room, newcomer] {
            RoomRecord* found = service->findRoom(room);
            if (!found || found->occupants.contains(newcomer, Qt::CaseInsensitive))
                return;
            found->occupants.append(newcomer);
            emit service->occupantJoined(found->jid, newcomer, found->roles.value(newcomer.toLower(), RoomRole::None));
        },
        true);
    return true;
}

bool Control::injectRoomLeave(const QString& room, const QString& who)
{
    const std::optional<RoomRecord> record = m_Service.room(room);
    if (!record || !record->occupants.contains(who.trimmed(), Qt::CaseInsensitive))
        return refuse("room leave", "there is no such occupant");
    Service* service = &m_Service;
    const QString leaving = who.trimmed();
    m_Service.post(
        [service, room, leaving] {
            RoomRecord* found = service->findRoom(room);
            if (!found)
                return;
            for (int i = found->occupants.size() - 1; i >= 0; --i) {
                if (found->occupants.at(i).compare(leaving, Qt::CaseInsensitive) == 0)
                    found->occupants.removeAt(i);
            }
            emit service->occupantLeft(found->jid, leaving, QString());
        },
        true);
    return true;
}

bool Control::injectRoomKickUser(const QString& room, const QString& by)
{
    if (!m_Service.isSignedIn())
        return refuse("dismissal", "nobody is signed in");
    const std::optional<RoomRecord> record = m_Service.room(room);
    const QString own = m_Service.ownAddress();
    if (!record || !record->occupants.contains(own, Qt::CaseInsensitive))
        return refuse("dismissal", "the user is not in that room");
    Service* service = &m_Service;
    m_Service.post(
        [service, room, by] {
            RoomRecord* found = service->findRoom(room);
            if (!found)
                return;
            const QString user = service->ownAddress();
            found->occupants.removeAll(user);
            emit service->occupantLeft(found->jid, user, by.trimmed());
        },
        true);
    return true;
}

bool Control::injectRoomInvitation(const QString& room, const QString& from)
{
    if (!m_Service.room(room))
        return refuse("room invitation", "there is no such room");
    if (from.trimmed().isEmpty())
        return refuse("room invitation", "the inviter is empty");
    Service* service = &m_Service;
    m_Service.post(
        [service, room, from] {
            if (RoomRecord* found = service->findRoom(room)) {
                // The invitation lets the user in, whatever the room's membership rules.
                if (found->roles.value(service->ownAddress().toLower(), RoomRole::None) < RoomRole::Member)
                    found->roles.insert(service->ownAddress().toLower(), RoomRole::Member);
                emit service->roomInvitation(found->jid, from.trimmed());
            }
        },
        true);
    return true;
}

int Control::injectFileOffer(const QString& from, const QString& fileName, qint64 size)
{
    if (!m_Service.isSignedIn())
        return refuse("file offer", "nobody is signed in");
    if (from.trimmed().isEmpty() || fileName.trimmed().isEmpty() || size < 0)
        return refuse("file offer", "the sender or the file name is empty, or the size negative");
    FileTransferRecord transfer;
    transfer.id = m_Service.m_NextTransferId++;
    transfer.peer = from.trimmed();
    // A name is a name, never a path into the user's folders.
    transfer.fileName = fileName.section('/', -1).section('\\', -1);
    transfer.size = size;
    transfer.incoming = true;
    transfer.time = QDateTime::currentDateTimeUtc();
    if (transfer.fileName.isEmpty() || transfer.fileName == QLatin1String("..") || transfer.fileName == QLatin1String("."))
        return refuse("file offer", "the file name is a path");
    Service* service = &m_Service;
    m_Service.post(
        [service, transfer] {
            service->conversationBook().transfers.insert(transfer.id, transfer);
            emit service->fileTransferChanged(transfer);
        },
        true);
    return transfer.id;
}

bool Control::injectFileAccepted(int transferId)
{
    return answerOwnOffer(transferId, true);
}

bool Control::injectFileDeclined(int transferId)
{
    return answerOwnOffer(transferId, false);
}

bool Control::answerOwnOffer(int transferId, bool accepted)
{
    const std::optional<FileTransferRecord> transfer = m_Service.fileTransfer(transferId);
    if (!transfer || transfer->incoming || transfer->state != FileTransferState::Offered)
        return refuse(accepted ? "file acceptance" : "file refusal", "there is no such offer of the user");
    Service* service = &m_Service;
    m_Service.post(
        [service, transferId, accepted] {
            auto found = service->conversationBook().transfers.find(transferId);
            if (found == service->conversationBook().transfers.end() || found->state != FileTransferState::Offered)
                return;
            found->state = accepted ? FileTransferState::Accepted : FileTransferState::Declined;
            emit service->fileTransferChanged(*found);
            if (accepted)
                service->advanceTransfer(transferId);
        },
        true);
    return true;
}

} // namespace Simulation
} // namespace Kivo
