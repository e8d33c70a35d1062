#include "Audio/format.h"
#include "wave_fixture.h"

#include <gtest/gtest.h>

#include <functional>

TEST(CanonicalWave, ReadsTheLayoutOfTheHeader)
{
    const std::vector<std::uint8_t> wave = makeWave(2, 44100, 100);
    Audio::WaveData data;
    ASSERT_TRUE(Audio::readCanonicalWave(wave.data(), wave.size(), data));
    EXPECT_EQ(data.format.channels, 2);
    EXPECT_EQ(data.format.sampleRate, 44100u);
    EXPECT_EQ(data.format.bytesPerSecond, 176400u);
    EXPECT_EQ(data.format.blockAlign, 4);
    EXPECT_EQ(data.format.bitsPerSample, 16);
    EXPECT_EQ(data.samples, wave.data() + 44);
    EXPECT_EQ(data.sampleBytes, 400u);
}

struct DamagedWave
{
    const char* name;
    std::function<void(std::vector<std::uint8_t>&)> damage;
};

class CanonicalWaveRejects : public ::testing::TestWithParam<DamagedWave>
{
};

TEST_P(CanonicalWaveRejects, DamagedFile)
{
    std::vector<std::uint8_t> wave = makeWave(2, 44100, 100);
    GetParam().damage(wave);
    Audio::WaveData data;
    EXPECT_FALSE(Audio::readCanonicalWave(wave.data(), wave.size(), data));
}

INSTANTIATE_TEST_SUITE_P(
    Garbage, CanonicalWaveRejects,
    ::testing::Values(DamagedWave{"Truncated", [](auto& w) { w.resize(43); }},
                      DamagedWave{"NotRiff", [](auto& w) { w[0] = 'X'; }},
                      DamagedWave{"NoDataTag", [](auto& w) { w[36] = 'X'; }},
                      DamagedWave{"NotPcm", [](auto& w) { w[20] = 3; }},
                      DamagedWave{"EightBit", [](auto& w) { w[34] = 8; }},
                      DamagedWave{"DataLongerThanFile", [](auto& w) { w.resize(w.size() - 4); }},
                      DamagedWave{"HalfFrame", [](auto& w) { w[40] = 2; }},
                      DamagedWave{"NoChannels", [](auto& w) { w[22] = 0; }}),
    [](const auto& info) { return info.param.name; });
