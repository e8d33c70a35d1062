#include "Audio/format.h"

#include <cstring>

namespace Audio {

namespace {

std::uint16_t readLe16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t readLe32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8)
           | (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

bool hasTag(const std::uint8_t* p, const char* tag)
{
    return std::memcmp(p, tag, 4) == 0;
}

} // namespace

bool readCanonicalWave(const std::uint8_t* data, std::size_t size, WaveData& wave)
{
    if (data == nullptr || size < CanonicalWaveHeaderSize)
        return false;
    if (!hasTag(data, "RIFF") || !hasTag(data + 8, "WAVE") || !hasTag(data + 12, "fmt ")
        || !hasTag(data + 36, "data"))
        return false;
    constexpr std::uint16_t pcm = 1;
    if (readLe32(data + 16) != 16 || readLe16(data + 20) != pcm)
        return false;

    Format format;
    format.channels = readLe16(data + 22);
    format.sampleRate = readLe32(data + 24);
    format.bytesPerSecond = readLe32(data + 28);
    format.blockAlign = readLe16(data + 32);
    format.bitsPerSample = readLe16(data + 34);
    if (format.channels == 0 || format.sampleRate == 0 || format.blockAlign == 0
        || format.bitsPerSample != 16
        || format.blockAlign != format.channels * format.bitsPerSample / 8)
        return false;

    const std::uint32_t dataBytes = readLe32(data + 40);
    if (dataBytes == 0 || dataBytes > size - CanonicalWaveHeaderSize
        || dataBytes % format.blockAlign != 0)
        return false;

    wave.format = format;
    wave.samples = data + CanonicalWaveHeaderSize;
    wave.sampleBytes = dataBytes;
    return true;
}

} // namespace Audio
