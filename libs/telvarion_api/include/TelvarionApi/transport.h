#pragma once

#include "TelvarionApi/api_result.h"
#include "TelvarionApi/command.h"
#include "TelvarionApi/connection_info.h"
#include "TelvarionApi/event.h"

#include <functional>
#include <memory>
#include <vector>

namespace TelvarionApi {

// The link between an Api object and the running client. A transport is used from one
// thread only: the one that owns its Api.
class Transport
{
public:
    virtual ~Transport() = default;

    virtual ApiResult open(const ConnectionInfo& info) = 0;
    virtual ApiResult send(const Command& command) = 0;
    // Appends every event that has arrived since the last call, without waiting.
    virtual ApiResult receive(std::vector<Event>& events) = 0;
    virtual void close() = 0;
};

using TransportFactory = std::function<std::unique_ptr<Transport>()>;

// The process-wide way Api objects get their transport: the client's local socket unless
// replaced; an empty factory leaves them without one, and connect then fails with
// ResultNoTransport.
void setTransportFactory(TransportFactory factory);
TransportFactory socketTransportFactory();
std::unique_ptr<Transport> createTransport();

} // namespace TelvarionApi
