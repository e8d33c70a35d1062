#pragma once

#include "TelvarionApi/api_string.h"

#include <cstdint>

namespace TelvarionApi {

enum PresenceState : std::int32_t
{
    PresenceOffline = 0,
    PresenceAvailable = 1,
    PresenceChatty = 2,
    PresenceAway = 3,
    PresenceExtendedAway = 4,
    PresenceBusy = 5,
    PresenceBusyInCall = 6,
    PresenceBusyInMeeting = 7,
};

class Presence
{
public:
    Presence() = default;
    Presence(std::int32_t contactId, std::int32_t state, String freeText = String(), String location = String())
        : m_ContactId(contactId), m_State(state), m_FreeText(std::move(freeText)), m_Location(std::move(location))
    {
    }

    std::int32_t contactId() const { return m_ContactId; }
    std::int32_t state() const { return m_State; }
    const String& freeText() const { return m_FreeText; }
    const String& location() const { return m_Location; }

private:
    std::int32_t m_ContactId = 0;
    std::int32_t m_State = PresenceOffline;
    String m_FreeText;
    String m_Location;
};

} // namespace TelvarionApi
