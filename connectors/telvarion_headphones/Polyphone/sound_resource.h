#pragma once

#include <cstddef>
#include <cstdint>

namespace Connector {

constexpr unsigned DialToneSound = 101;

struct SoundResource
{
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
};

// The plug-in's own WAVE resources by id; false for an id it does not carry.
bool findSoundResource(unsigned id, SoundResource& resource);

} // namespace Connector
