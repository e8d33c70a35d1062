#include "TelvarionApi/transport.h"

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
    static TransportFactory instance;
    return instance;
}

} // namespace

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
