#pragma once

#include "TelvarionApi/api_string.h"
#include "TelvarionApi/call.h"
#include "TelvarionApi/presence.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace TelvarionApi {

enum ConnectionState : std::int32_t { NotConnected = 0, Connecting = 1, Connected = 2 };

// Bits of the event mask a connector passes to Api::receiveEvents: the streams of news it
// wants. Connection state, sign-out, language and log clearing always arrive, and so does
// the answer to every request.
enum EventMask : std::uint32_t
{
    EventCalls = 0x0001,      // new calls and call states
    EventCallMute = 0x0002,   // mute state of the current call
    EventContacts = 0x0004,   // contact changes and presence
    EventVoiceMail = 0x0008,  // voice-mail counts
};

using ContactProperties = std::vector<std::pair<String, String>>;

// The client's events, delivered inside Api::processEvents on the caller's thread.
class ApiObserver
{
public:
    virtual void connectionStateChange(std::int32_t state) = 0;
    virtual void reserved1() {}
    virtual void signedOut() = 0;
    virtual void applicationLanguage(const String& language) = 0;
    virtual void sessionCapabilities(std::uint32_t capabilities) = 0;
    virtual void contactProperties(std::int32_t contactId, const ContactProperties& properties,
                                   std::uint32_t communicationCapabilities) = 0;
    virtual void groupDetails(std::int32_t groupId, const String& name) = 0;
    virtual void contactRemoved(std::int32_t contactId) = 0;
    virtual void groupRemoved(std::int32_t groupId) = 0;
    virtual void contactPresence(const Presence& presence) = 0;
    virtual void newCall(const Call& call) = 0;
    virtual void callStateChanged(const Call& call, std::int32_t state) = 0;
    virtual void reserved12() {}
    virtual void callMuteState(bool muted) = 0;
    virtual void voicemailDetails(std::int32_t newMessages, std::int32_t oldMessages, std::int32_t newUrgent,
                                  std::int32_t oldUrgent) = 0;
    virtual void clearLogs() = 0;
    virtual ~ApiObserver() = default;
};

} // namespace TelvarionApi
