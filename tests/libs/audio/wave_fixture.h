#pragma once

#include <cstdint>
#include <vector>

// A canonical 16-bit PCM WAVE file of `frames` silent frames.
inline std::vector<std::uint8_t> makeWave(std::uint16_t channels, std::uint32_t rate, std::uint32_t frames)
{
    const std::uint16_t blockAlign = static_cast<std::uint16_t>(channels * 2);
    const std::uint32_t dataBytes = frames * blockAlign;
    std::vector<std::uint8_t> wave;
    wave.reserve(44 + dataBytes);
    auto put = [&wave](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            wave.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    auto tag = [&wave](const char* text) {
        for (int i = 0; i < 4; ++i)
            wave.push_back(static_cast<std::uint8_t>(text[i]));
    };
    tag("RIFF");
    put(36 + dataBytes, 4);
    tag("WAVE");
    tag("fmt ");
    put(16, 4);
    put(1, 2);
    put(channels, 2);
    put(rate, 4);
    put(rate * blockAlign, 4);
    put(blockAlign, 2);
    put(16, 2);
    tag("data");
    put(dataBytes, 4);
    wave.resize(wave.size() + dataBytes, 0);
    return wave;
}
