#pragma once

// How the engine's REST-interface controllers report a request the service refused or could
// not take: the Vyx error kind, the server's code and text, and one line for the user.

#include <Kivo/Simulation/ServiceSettings.h>
#include <Kivo/Vyx/VyxComponent.h>
#include <Kivo/Vyx/VyxErrorInfo.h>

#include <QString>

namespace Kivo {
namespace Vyx {

struct Failure
{
    VyxComponent::Error error = VyxComponent::NoError;
    VyxErrorInfo info;

    static Failure from(const Simulation::ServiceFailure& failure)
    {
        Failure converted;
        converted.error = static_cast<VyxComponent::Error>(failure.error);
        converted.info.code = failure.code;
        converted.info.message = failure.message;
        return converted;
    }

    // A request that never reached the server: nobody is signed in.
    static Failure notConnected()
    {
        return from(Simulation::ServiceFailure{VyxComponent::NetworkError, 0, QStringLiteral("Not connected to the server")});
    }

    // The server's own text when it gave one, else what the kind of failure means.
    QString text() const
    {
        if (!info.message.isEmpty())
            return info.message;
        switch (error) {
        case VyxComponent::CredentialsMissing:
            return QStringLiteral("No credentials for the server");
        case VyxComponent::AuthenticationFailed:
            return QStringLiteral("The server did not accept the credentials");
        case VyxComponent::NetworkError:
            return QStringLiteral("The server cannot be reached");
        default:
            return QStringLiteral("The server refused the request");
        }
    }
};

inline void registerFailureTypes()
{
    qRegisterMetaType<Kivo::Vyx::VyxComponent::Error>("Kivo::Vyx::VyxComponent::Error");
    qRegisterMetaType<Kivo::Vyx::VyxErrorInfo>("Kivo::Vyx::VyxErrorInfo");
}

} // namespace Vyx
} // namespace Kivo
