#include "TelvarionApi/transport.h"

#include "TelvarionApi/socket_transport.h"

#include <mutex>

namespace TelvarionApi {

namespace {

std::mutex& factoryMutex()
{
    static std::mutex mutex;
    return mutex;
}

TransportFactory& factory()
{
    static TransportFactory instance = socketTransportFactory();
    return instance;
}

} // namespace

TransportFactory socketTransportFactory()
{
    return [] { return std::make_unique<SocketTransport>(Wire::socketPath()); };
}

void setTransportFactory(TransportFactory newFactory)
{
    std::lock_guard<std::mutex> guard(factoryMutex());
    factory() = std::move(newFactory);
}

std::unique_ptr<Transport> createTransport()
{
    std::lock_guard<std::mutex> guard(factoryMutex());
    return factory() ? factory()() : nullptr;
}

} // namespace TelvarionApi
