#pragma once

#include <cstddef>
#include <cstdint>

namespace Audio {

// PCM sample layout, as a canonical WAVE header carries it.
struct Format
{
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t bytesPerSecond = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
};

// Where the samples of a canonical WAVE file lie.
struct WaveData
{
    Format format;
    const std::uint8_t* samples = nullptr;
    std::size_t sampleBytes = 0;
};

constexpr std::size_t CanonicalWaveHeaderSize = 44;

// Reads a canonical 44-byte-header PCM WAVE file. False for anything else (wrong tags,
// non-PCM, a data chunk that does not fit the buffer), so that garbage never reaches a device.
bool readCanonicalWave(const std::uint8_t* data, std::size_t size, WaveData& wave);

} // namespace Audio
