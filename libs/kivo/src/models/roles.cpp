#include <Kivo/Models/Roles.h>

namespace Kivo {
namespace Models {
namespace Roles {

QHash<int, QByteArray> names()
{
    return {{Qt::DisplayRole, "displayName"},
            {ContactId, "contactId"},
            {FirstName, "firstName"},
            {LastName, "lastName"},
            {Address, "address"},
            {Number, "number"},
            {Presence, "presence"},
            {StatusText, "statusText"},
            {Favorite, "favorite"},
            {IsGroup, "isGroup"},
            {GroupId, "groupId"},
            {GroupName, "groupName"},
            {GroupOpen, "groupOpen"},
            {GroupSearching, "groupSearching"},
            {GroupCount, "groupCount"},
            {GroupOrder, "groupOrder"},
            {Group, "group"},
            {Available, "available"},
            {ItemKind, "itemKind"},
            {Selected, "selected"},
            {Contact, "contact"},
            {Participant, "participant"},
            {CommsSession, "commsSession"},
            {TimelineEntry, "timelineEntry"}};
}

} // namespace Roles
} // namespace Models
} // namespace Kivo
