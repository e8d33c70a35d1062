#pragma once

#include <cstdint>

namespace TelvarionApi {

// 0 is success; anything else is a failure the caller logs.
using ApiResult = std::int32_t;

enum : ApiResult
{
    ResultOk = 0,
    ResultNotConnected = 1,
    ResultNoTransport = 2,
    ResultInvalidArgument = 3,
    ResultRejected = 4,
    ResultTransportError = 5,
};

} // namespace TelvarionApi
