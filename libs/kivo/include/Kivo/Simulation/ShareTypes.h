#pragma once

#include <QMetaType>
#include <QString>

namespace Kivo {
namespace Simulation {

// Where a desktop share of the screen-sharing service stands.
enum class ShareState
{
    // Somebody invites the user to watch; the user has not answered.
    Invited,
    // The user watches the peer's desktop.
    Viewing,
    // The user shows the desktop to the peer.
    Presenting,
    Ended
};

// One desktop share between the signed-in user and a peer, in either direction.
struct ShareRecord
{
    int id = 0;
    // The other side: who shows the desktop to the user, or whom the user shows it to.
    QString peer;
    ShareState state = ShareState::Invited;
    // The presenter holds the picture still for a while.
    bool paused = false;
    // The peer's share component cannot work with this client's.
    bool mismatched = false;
    // Where the user's own share can be watched from a browser; empty for the peer's.
    QString link;

    bool presenting() const { return state == ShareState::Presenting; }
};

} // namespace Simulation
} // namespace Kivo

Q_DECLARE_METATYPE(Kivo::Simulation::ShareRecord)
