#pragma once

namespace Kivo {
namespace Services {

// States of a presence rule and their mapping onto internal presence values.
class PresenceRulesData
{
public:
    enum PresenceState { NoState = 0, Available = 1, Away = 2, Busy = 3, DoNotDisturb = 4, Offline = 5 };

    // Internal presence value (0-19) shown for a rule state; 0 for an unknown state.
    static int PresenceStateToIMPState(int state);
};

} // namespace Services
} // namespace Kivo
