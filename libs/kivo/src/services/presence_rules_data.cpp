#include "Kivo/Services/PresenceRulesData.h"

namespace Kivo {
namespace Services {

int PresenceRulesData::PresenceStateToIMPState(int state)
{
    switch (state) {
    case Available:
        return 7;
    case Away:
        return 4;
    case Busy:
        return 11;
    case DoNotDisturb:
        return 19;
    case Offline:
        return 2;
    default:
        return 0;
    }
}

} // namespace Services
} // namespace Kivo
