#pragma once

// A room role of the service as the participants' affiliation, for a room and its controller.
#include <Kivo/Data/CommsSessionParticipant.h>
#include <Kivo/Simulation/ConversationTypes.h>

namespace Kivo {
namespace Controllers {

inline int affiliationOf(Simulation::RoomRole role)
{
    using Participant = Data::CommsSessionParticipant;
    switch (role) {
    case Simulation::RoomRole::Owner:
        return Participant::Owner;
    case Simulation::RoomRole::Admin:
        return Participant::Admin;
    case Simulation::RoomRole::Outcast:
        return Participant::Outcast;
    case Simulation::RoomRole::Waiting:
        return Participant::Pending;
    case Simulation::RoomRole::Guest:
        return Participant::Guest;
    case Simulation::RoomRole::Member:
    case Simulation::RoomRole::None:
        break;
    }
    return Participant::Member;
}

} // namespace Controllers
} // namespace Kivo
