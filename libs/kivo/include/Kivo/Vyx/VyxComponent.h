#pragma once

#include <QMetaType>

namespace Kivo {
namespace Vyx {

// A component of the service's REST interface and the ways its requests fail.
class VyxComponent
{
public:
    enum Error
    {
        NoError = 0,
        CredentialsMissing = 1,
        AuthenticationFailed = 2,
        NetworkError = 3,
        // The server refused the request; the error info carries its code and text.
        ServerError = 4
    };
};

} // namespace Vyx
} // namespace Kivo

Q_DECLARE_METATYPE(Kivo::Vyx::VyxComponent::Error)
