#include "Audio/alsa_backend.h"
#include "Audio/null_backend.h"

#include <cstdlib>
#include <cstring>

namespace Audio {

std::shared_ptr<Backend> createSystemBackend(const std::vector<UsbId>& communicationsDevices, const std::string& cardRoot)
{
    const char* choice = std::getenv("TELVARION_AUDIO");
    if (choice != nullptr && std::strcmp(choice, "null") == 0)
        return std::make_shared<NullBackend>();
    auto alsa = std::make_shared<AlsaBackend>(communicationsDevices, cardRoot);
    if (alsa->cards().empty())
        return std::make_shared<NullBackend>();
    return alsa;
}

} // namespace Audio
