#include "presence_mapping.h"

namespace Kivo {
namespace ApiProvider {
namespace PresenceMapping {

int apiState(int internalPresence)
{
    switch (internalPresence) {
    case 4:
    case 5:
    case 6:
        return 3;
    case 7:
    case 8:
    case 9:
    case 10:
        return 1;
    case 11:
    case 16:
    case 17:
    case 18:
    case 19:
        return 5;
    case 12:
    case 13:
        return 7;
    case 14:
    case 15:
        return 6;
    default:
        return 0;
    }
}

int internalPresence(int apiState)
{
    // The values the client's own presence menu offers, where there is one.
    static const int internal[] = {2, 10, 10, 5, 6, 17, 14, 12};
    if (apiState < 0 || apiState >= int(sizeof internal / sizeof internal[0]))
        return -1;
    return internal[apiState];
}

} // namespace PresenceMapping
} // namespace ApiProvider
} // namespace Kivo
