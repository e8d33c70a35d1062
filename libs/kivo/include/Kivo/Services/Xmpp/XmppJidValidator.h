#pragma once

#include <QString>

namespace Kivo {
namespace Services {
namespace Xmpp {

// Reads the parts of the service's XMPP addresses.
class XmppJidValidator
{
public:
    enum RoomType
    {
        ChatRoom = 0,
        // A group chat made by bringing people together: "group-<n>@conference.<domain>";
        // it has no settings of its own.
        AdHocRoom = 1,
        // A user's My Room: "<owner's name>@myroom.<owner's domain>".
        MyRoom = 2
    };

    // The part of a room address that names the room: for a My Room, its owner's address.
    // Empty when `roomJid` is no room address of that type.
    static QString getRoomJidPart(const QString& roomJid, RoomType type);
    // The type of room a room address, or the name part of one, stands for.
    static RoomType getRoomType(const QString& roomJid);
};

} // namespace Xmpp
} // namespace Services
} // namespace Kivo
