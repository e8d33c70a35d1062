// Guests at the door of a My Room: people without an account who follow the room's guest
// link wait in its lobby until the owner lets them in or turns them away.
#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

namespace Kivo {
namespace Simulation {

namespace {

using Tesk::Core::Logging::LevelInfo;

} // namespace

bool Service::answerGuest(const QString& room, const QString& guest, bool admit)
{
    if (!sessionOpen("guest answer"))
        return false;
    post(
        [this, room, guest, admit] {
            RoomRecord* found = findRoom(room);
            const QString key = guest.trimmed().toLower();
            if (!found || found->roles.value(key) != RoomRole::Waiting) {
                KIVO_LOG(LevelInfo) << "Simulated service: no guest " << guest << " waits at " << room;
                return;
            }
            if (admit) {
                found->roles.insert(key, RoomRole::Guest);
                emit roomRoleChanged(found->jid, guest.trimmed(), RoomRole::Guest);
                return;
            }
            found->roles.remove(key);
            found->guestNames.remove(key);
            for (int i = found->occupants.size() - 1; i >= 0; --i) {
                if (found->occupants.at(i).compare(key, Qt::CaseInsensitive) == 0)
                    found->occupants.removeAt(i);
            }
            emit occupantLeft(found->jid, guest.trimmed(), ownAddress());
        },
        true);
    return true;
}

QString Control::injectGuestRequest(const QString& name)
{
    if (!m_Service.isSignedIn()) {
        refuse("guest", "nobody is signed in");
        return QString();
    }
    const QString given = name.simplified();
    if (given.isEmpty() || given.size() > MaxGuestNameLength) {
        refuse("guest", "the guest's name is empty or too long");
        return QString();
    }
    const Account account = *m_Service.signedInAccount();
    const std::optional<MyRoom> room = m_Service.myRoom(account.userName);
    if (!room || !room->guests) {
        refuse("guest", "the user's My Room takes no guests");
        return QString();
    }
    const std::optional<RoomRecord> chat = m_Service.room(room->chat);
    if (!chat || !chat->occupants.contains(account.userName, Qt::CaseInsensitive)) {
        refuse("guest", "the user is not in My Room");
        return QString();
    }
    const QString domain = account.userName.section('@', 1);
    const QString guest = QStringLiteral("guest%1@guests.%2").arg(m_Service.m_NextGuest++).arg(domain);
    Service* service = &m_Service;
    const QString jid = room->chat;
    m_Service.post(
        [service, jid, guest, given] {
            RoomRecord* found = service->findRoom(jid);
            if (!found)
                return;
            found->guestNames.insert(guest, given);
            found->roles.insert(guest, RoomRole::Waiting);
            found->occupants.append(guest);
            emit service->occupantJoined(found->jid, guest, RoomRole::Waiting);
        },
        true);
    return guest;
}

} // namespace Simulation
} // namespace Kivo
