#pragma once

#include <Kivo/Simulation/Types.h>
#include <Kivo/Utils/Location.h>

#include <QString>

namespace Kivo {
namespace Simulation {

class Service;

// Injects what the server would do of its own accord. Each call checks the event against
// the service's present state and returns false, with a log line, when it cannot happen;
// an accepted event is delivered after the service's latency like any other.
class Control
{
public:
    explicit Control(Service& service);

    // Returns the new call's id, or 0 when nobody is signed in or `from` is empty.
    int injectIncomingCall(const QString& from, bool video = false);
    bool injectRemoteHangUp(int callId);
    bool injectChatMessage(const QString& from, const QString& text);
    bool injectPresenceChange(int contactId, int presence, const QString& note = QString());
    bool injectServerError(int code, const QString& text);
    bool forceSignOut(const QString& reason);
    // Where the service says the signed-in user is (service_presence.cpp).
    bool injectSoapActionLocation(const Kivo::Utils::Location::Info& location);
    bool injectPubsubLocation(const Kivo::Utils::Location::Info& location);
    // Server messages and click-to-call requests (control_calls.cpp).
    bool injectMessagesWaiting(int voice, int video);
    bool injectCallRequest(const QString& address);
    // Devices plugged into or out of the machine (control_media.cpp); refused for an empty or
    // taken identifier, or one that is not plugged in.
    bool plugInAudioDevice(const QByteArray& identifier, const QString& displayName, bool input);
    bool unplugAudioDevice(const QByteArray& identifier);
    bool plugInCamera(const QByteArray& name, const QString& displayName);
    bool unplugCamera(const QByteArray& name);

private:
    // Logs why `event` cannot happen; returns false (0 for a call id).
    static bool refuse(const char* event, const char* why);

    Service& m_Service;
};

} // namespace Simulation
} // namespace Kivo
