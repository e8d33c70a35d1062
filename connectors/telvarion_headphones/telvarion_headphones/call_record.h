#pragma once

#include "name.h"

#include "Platform/clock.h"
#include "TelvarionApi/call.h"

#include <cstdint>

namespace Connector {

// What the link knows of one of the client's calls.
struct CallRecord
{
    explicit CallRecord(const TelvarionApi::Call& call)
        : uri(call.uri()), contactId(call.contactId()), direction(call.direction()), type(call.type())
    {
    }

    TelvarionApi::String uri;
    std::int32_t contactId;
    std::int32_t direction;
    std::int32_t type;
    Name name;
    Platform::LocalTime startTime;
    std::int32_t state = TelvarionApi::CallRinging;
};

// Log names of call values; "INVALID!" outside their range.
const char* callStateName(std::int32_t state);
const char* callDirectionName(std::int32_t direction);
const char* callTypeName(std::int32_t type);

} // namespace Connector
