#pragma once

#include <QMap>
#include <QObject>
#include <QVariant>

namespace Kivo {
namespace Contacts {
namespace Properties {

Q_NAMESPACE

// Contact property types. The numbers are the engine's; they travel in action data and
// in saved directory look-ups, so existing values never change.
enum Key
{
    None = 0,
    DisplayName = 1,
    Address = 2,
    Company = 3,
    JobTitle = 4,
    FirstName = 5,
    Note = 6,
    LastName = 7,
    Group = 8,
    Email = 9,
    Street = 10,
    City = 11,
    PostalCode = 12,
    Country = 13,
    WorkNumber = 20,
    MobileNumber = 21,
    HomeNumber = 22,
    Extension = 23,
    Jid = 34,
    WebAddress = 35,
    ConferenceNumber = 40,
    ConferencePin1 = 41,
    ConferencePin2 = 42,
    WebCollabRoom = 43,
    Conference = 48,
    // The owner's My Room: dial-in numbers, conference ID, PINs, web collaboration address
    // and conference chat address. Others see only the chat address of a contact's room.
    MyRoomQvdDialIn = 52,
    MyRoomDialIn = 53,
    MyRoomConferenceId = 54,
    MyRoomSecurityPin = 55,
    MyRoomModeratorPin = 56,
    MyRoomWebCollab = 57,
    MyRoomChat = 58
};
Q_ENUM_NS(Key)

using Map = QMap<Key, QVariant>;

// The properties that are phone numbers, in the order a number is preferred for display.
inline QList<Key> numberKeys()
{
    return {WorkNumber, Extension, MobileNumber, HomeNumber};
}

// The simulated service keeps properties under their plain numbers.
inline Map fromNumbered(const QMap<int, QVariant>& properties)
{
    Map map;
    for (auto it = properties.constBegin(); it != properties.constEnd(); ++it)
        map.insert(static_cast<Key>(it.key()), it.value());
    return map;
}

inline QMap<int, QVariant> toNumbered(const Map& properties)
{
    QMap<int, QVariant> map;
    for (auto it = properties.constBegin(); it != properties.constEnd(); ++it)
        map.insert(it.key(), it.value());
    return map;
}

} // namespace Properties
} // namespace Contacts
} // namespace Kivo

Q_DECLARE_METATYPE(Kivo::Contacts::Properties::Map)
