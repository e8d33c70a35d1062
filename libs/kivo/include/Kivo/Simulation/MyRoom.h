#pragma once

#include <QString>

namespace Kivo {
namespace Simulation {

// The personal conference room that the service keeps for an account. The account's data
// may give it as
//
//   "myRoom": { "dialIn": "+1 555 0190", "qvdDialIn": "...", "conferenceId": "471120",
//               "securityPin": "2468", "moderatorPin": "1357",
//               "webCollab": "https://...", "chat": "...", "guests": true }
//
// Without "chat" the room's conference chat is "<owner's name>@myroom.<owner's domain>".
struct MyRoom
{
    QString owner;
    QString chat;
    QString dialIn;
    QString qvdDialIn;
    QString conferenceId;
    QString securityPin;
    QString moderatorPin;
    QString webCollab;
    // Whether people without an account may join through a guest link.
    bool guests = false;
};

} // namespace Simulation
} // namespace Kivo
