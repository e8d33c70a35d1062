#pragma once

#include <QMap>
#include <QObject>
#include <QVariant>

namespace Kivo {
namespace Contacts {
namespace Properties {

Q_NAMESPACE

// Contact property types. The numbers are the engine's; they travel in action data, in
// saved directory look-ups and in the property maps of directory results.
enum Key
{
    None = 0,
    DisplayName = 1,
    Address = 2,
    Company = 3,
    DirectoryGroup = 4,
    FirstName = 5,
    HiraganaFirstName = 6,
    LastName = 7,
    HiraganaLastName = 8,
    Email = 9,
    JobTitle = 10,
    Location = 11,
    Department = 12,
    WebAddress = 13,
    Street = 14,
    PostalCode = 15,
    City = 17,
    State = 18,
    Country = 19,
    WorkNumber = 20,
    MobileNumber = 21,
    HomeNumber = 22,
    Extension = 23,
    Pager = 24,
    // The line under which the service monitors a team member (busy lamp field): the address
    // that calls dragged onto the member go to. Set only for a monitored contact, and never
    // to an empty text: a contact without it is reached at its own call address.
    MonitoredLine = 25,
    Jid = 34,
    Region = 41,
    YahooId = 45,
    DirectoryUid = 47,
    Conference = 48,
    ConferenceNumber = 49,
    ConferencePin1 = 50,
    ConferencePin2 = 51,
    BridgeId = 52,
    WebCollabRoom = 54,
    Note = 60,
    Group = 61,
    // The owner's My Room: dial-in numbers, conference ID, PINs, web collaboration address
    // and conference chat address. Others see only the chat address of a contact's room.
    MyRoomQvdDialIn = 70,
    MyRoomDialIn = 71,
    MyRoomConferenceId = 72,
    MyRoomSecurityPin = 73,
    MyRoomModeratorPin = 74,
    MyRoomWebCollab = 75,
    MyRoomChat = 76
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
