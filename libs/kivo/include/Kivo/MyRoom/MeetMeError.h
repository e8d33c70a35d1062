#pragma once

#include <QMetaType>

namespace Kivo {
namespace MyRoom {

// A moderator's action on the room's audio conference that the service refused.
enum MeetMeErrorType : int
{
    DismissParticipantFailed = 0,
    LockConferenceFailed = 1,
    UnlockConferenceFailed = 2,
    MuteParticipantFailed = 3,
    UnmuteParticipantFailed = 4
};

} // namespace MyRoom
} // namespace Kivo

Q_DECLARE_METATYPE(Kivo::MyRoom::MeetMeErrorType)
