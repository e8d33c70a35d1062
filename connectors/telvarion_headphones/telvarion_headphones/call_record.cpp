#include "call_record.h"

namespace Connector {

namespace {

const char* const Invalid = "INVALID!";

} // namespace

const char* callStateName(std::int32_t state)
{
    static const char* const names[] = {"Closed", "Ringing", "Open", "OnHold", "OnHoldByPeer"};
    return state >= 0 && state <= TelvarionApi::CallOnHoldByPeer ? names[state] : Invalid;
}

const char* callDirectionName(std::int32_t direction)
{
    static const char* const names[] = {"Incoming", "Outgoing"};
    return direction >= 0 && direction <= TelvarionApi::CallOutgoing ? names[direction] : Invalid;
}

const char* callTypeName(std::int32_t type)
{
    static const char* const names[] = {"Audio", "Video"};
    return type >= 0 && type <= TelvarionApi::CallVideo ? names[type] : Invalid;
}

} // namespace Connector
