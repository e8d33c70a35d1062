#pragma once

#include "TelvarionApi/api_string.h"

#include <cstdint>

namespace TelvarionApi {

enum CallDirection : std::int32_t { CallIncoming = 0, CallOutgoing = 1 };
enum CallType : std::int32_t { CallAudio = 0, CallVideo = 1 };
enum CallState : std::int32_t { CallClosed = 0, CallRinging = 1, CallOpen = 2, CallOnHold = 3, CallOnHoldByPeer = 4 };

// Contact id of a conference call.
constexpr std::int32_t ConferenceContactId = -1;

class Call
{
public:
    Call() = default;
    Call(String uri, std::int32_t contactId, std::int32_t direction, std::int32_t type)
        : m_Uri(std::move(uri)), m_ContactId(contactId), m_Direction(direction), m_Type(type)
    {
    }

    const String& uri() const { return m_Uri; }
    std::int32_t contactId() const { return m_ContactId; }
    std::int32_t direction() const { return m_Direction; }
    std::int32_t type() const { return m_Type; }

private:
    String m_Uri;
    std::int32_t m_ContactId = 0;
    std::int32_t m_Direction = CallIncoming;
    std::int32_t m_Type = CallAudio;
};

} // namespace TelvarionApi
