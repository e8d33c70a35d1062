#pragma once

#include "TelvarionApi/api_observer.h"

#include <cstdint>

namespace TelvarionApi {

enum class EventKind
{
    ConnectionStateChange,
    SignedOut,
    ApplicationLanguage,
    SessionCapabilities,
    ContactProperties,
    GroupDetails,
    ContactRemoved,
    GroupRemoved,
    ContactPresence,
    NewCall,
    CallStateChanged,
    CallMuteState,
    VoicemailDetails,
    ClearLogs,
};

// One notification from the client, as a transport carries it.
struct Event
{
    EventKind kind = EventKind::ClearLogs;
    std::int32_t values[4] = {0, 0, 0, 0};
    String text;
    TelvarionApi::ContactProperties properties;
    Call call;
    Presence presence;

    static Event connectionState(std::int32_t state);
    static Event signedOut();
    static Event applicationLanguage(const String& language);
    static Event sessionCapabilities(std::uint32_t capabilities);
    static Event contactProperties(std::int32_t contactId, const TelvarionApi::ContactProperties& properties,
                                   std::uint32_t communicationCapabilities = 0);
    static Event groupDetails(std::int32_t groupId, const String& name);
    static Event contactRemoved(std::int32_t contactId);
    static Event groupRemoved(std::int32_t groupId);
    static Event contactPresence(const Presence& presence);
    static Event newCall(const Call& call);
    static Event callStateChanged(const Call& call, std::int32_t state);
    static Event callMuteState(bool muted);
    static Event voicemailDetails(std::int32_t newMessages, std::int32_t oldMessages, std::int32_t newUrgent,
                                  std::int32_t oldUrgent);
    static Event clearLogs();

    // Calls the observer operation this event stands for.
    void deliver(ApiObserver& observer) const;
};

} // namespace TelvarionApi
