#pragma once

#include <QMetaType>

namespace Kivo {
namespace Utils {
namespace Credentials {

// The services a user keeps credentials for, beside the sign-in itself.
enum Type
{
    Sip = 0,
    Xmpp = 1,
    Vyx = 2,
    Directory = 3,         // the corporate directory (LDAP)
    WebCollaboration = 4
};

} // namespace Credentials
} // namespace Utils
} // namespace Kivo

Q_DECLARE_METATYPE(Kivo::Utils::Credentials::Type)
