#pragma once

#include <QByteArray>
#include <QHash>
#include <Qt>

namespace Kivo {
namespace Models {

// Roles of the engine's list models and proxies. The numbered ones are fixed: the program's
// list handlers read them by number.
namespace Roles {
enum Role : int
{
    // Contact rows.
    ContactId = 295,
    FirstName = 296,
    LastName = 297,
    Address = 298,
    Number = 299,
    Presence = 300,
    StatusText = 301,
    Favorite = 302,
    // Group rows and the group a row is listed under.
    IsGroup = 303,
    GroupId = 304,
    GroupName = 305,
    GroupOpen = 306,
    GroupSearching = 307,
    GroupCount = 308,
    // Position of the row's group among the groups of its model, for sorting.
    GroupOrder = 309,
    // The group object of a group row.
    Group = 310,
    // The contact is available (online).
    Available = 313,
    // Selection proxy: the row's item kind (0 for a row that is no item) and its selection.
    ItemKind = 316,
    Selected = 317,
    // The row's object.
    Contact = 326,
    Participant = 327,
    CommsSession = 348,
    TimelineEntry = 350
};

// The names under which QML reads the roles.
QHash<int, QByteArray> names();
} // namespace Roles

} // namespace Models
} // namespace Kivo
