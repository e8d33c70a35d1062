#pragma once

namespace Kivo {
namespace ApiProvider {

// Between the engine's internal presence (0 to 19) and the client API's presence states
// (0 offline, 1 available, 2 chatty, 3 away, 4 extended away, 5 busy, 6 busy in a call,
// 7 busy in a meeting).
namespace PresenceMapping {

int apiState(int internalPresence);
// -1 for a state the client API does not know.
int internalPresence(int apiState);

} // namespace PresenceMapping
} // namespace ApiProvider
} // namespace Kivo
