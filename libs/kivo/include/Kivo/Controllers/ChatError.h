#pragma once

#include <QMetaType>

namespace Kivo {
namespace Controllers {
namespace ChatError {

// Why the service did not let the user into a group-chat room.
enum ChatRoomJoinError
{
    NoError = 0,
    PasswordRequired = 1,
    WrongPassword = 2,
    MembersOnly = 3,
    Banned = 4
};

} // namespace ChatError
} // namespace Controllers
} // namespace Kivo

Q_DECLARE_METATYPE(Kivo::Controllers::ChatError::ChatRoomJoinError)
