#include "Audio/loop_player.h"
#include "Audio/null_backend.h"
#include "wave_fixture.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

TEST(LoopPlayer, LoopsOnTheDefaultDeviceUntilStopped)
{
    auto backend = std::make_shared<Audio::NullBackend>();
    const std::vector<std::uint8_t> wave = makeWave(1, 8000, 80); // 160 bytes, shorter than a chunk
    Audio::LoopPlayer player(backend);
    Audio::Error error;

    ASSERT_TRUE(player.start(wave.data(), wave.size(), error));
    EXPECT_EQ(backend->lastOpenedDevice(), Audio::Backend::DefaultDevice);
    // More than the file holds: it went round the loop.
    EXPECT_TRUE(backend->waitForBytesWritten(3 * 160, 10s));
    player.stop();
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(backend->openNow(), 0);
    player.stop(); // stopping again is harmless
}

TEST(LoopPlayer, RefusesAFileThatIsNotCanonicalWave)
{
    auto backend = std::make_shared<Audio::NullBackend>();
    std::vector<std::uint8_t> wave = makeWave(1, 8000, 80);
    wave[8] = 'X';
    Audio::LoopPlayer player(backend);
    Audio::Error error;
    EXPECT_FALSE(player.start(wave.data(), wave.size(), error));
    EXPECT_FALSE(error.text.empty());
    EXPECT_EQ(backend->openCount(), 0);
}

TEST(LoopPlayer, DestroyingWhilePlayingClosesTheDevice)
{
    auto backend = std::make_shared<Audio::NullBackend>();
    const std::vector<std::uint8_t> wave = makeWave(2, 8000, 800);
    {
        Audio::LoopPlayer player(backend);
        Audio::Error error;
        ASSERT_TRUE(player.start(wave.data(), wave.size(), error));
        ASSERT_TRUE(backend->waitForBytesWritten(1, 10s));
    }
    EXPECT_EQ(backend->openNow(), 0);
}
