#include "Audio/null_backend.h"
#include "Polyphone/sound_resource.h"
#include "Polyphone/wav_player_ex.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

constexpr int PhoneDevice = 1;

std::shared_ptr<Audio::NullBackend> phoneIsCommunicationsDevice()
{
    return std::make_shared<Audio::NullBackend>(
        std::vector<Audio::NullBackend::Device>{{"plughw:CARD=PCH,DEV=0", "ALSA\\PCH"},
                                                {"plughw:CARD=Phone,DEV=0", "USB\\VID_095D&PID_9201\\Phone"}},
        PhoneDevice);
}

std::shared_ptr<Audio::NullBackend> headsetIsCommunicationsDevice()
{
    return std::make_shared<Audio::NullBackend>(
        std::vector<Audio::NullBackend::Device>{{"plughw:CARD=PCH,DEV=0", "ALSA\\PCH"},
                                                {"plughw:CARD=Headset,DEV=0", "USB\\VID_046D&PID_0A44\\Headset"}},
        1);
}

} // namespace

TEST(DialTone, IsTheCanonicalWaveTheHeaderDescribes)
{
    Connector::SoundResource sound;
    EXPECT_FALSE(Connector::findSoundResource(102, sound));
    ASSERT_TRUE(Connector::findSoundResource(Connector::DialToneSound, sound));
    ASSERT_EQ(sound.size, 350780u);
    Audio::WaveData wave;
    ASSERT_TRUE(Audio::readCanonicalWave(sound.data, sound.size, wave));
    EXPECT_EQ(wave.format.channels, 2);
    EXPECT_EQ(wave.format.sampleRate, 44100u);
    EXPECT_EQ(wave.format.bytesPerSecond, 176400u);
    EXPECT_EQ(wave.format.blockAlign, 4);
    EXPECT_EQ(wave.sampleBytes, 350736u);
    // Not silence.
    EXPECT_NE(std::count(wave.samples, wave.samples + wave.sampleBytes, 0), static_cast<long>(wave.sampleBytes));
}

TEST(WavPlayerEx, PlaysOnThePhoneWhenItIsTheCommunicationsDevice)
{
    auto backend = phoneIsCommunicationsDevice();
    Connector::WavPlayerEx player(backend);
    ASSERT_TRUE(player.StartPlaying(Connector::DialToneSound));
    EXPECT_TRUE(player.playsOnPhone());
    EXPECT_EQ(backend->lastOpenedDevice(), PhoneDevice);
    EXPECT_TRUE(backend->waitForBytesWritten(1, 10s));
    player.StopPlaying();
    EXPECT_EQ(backend->openNow(), 0);
}

TEST(WavPlayerEx, PlaysTheSimpleWayOnTheDefaultOutputOtherwise)
{
    auto backend = headsetIsCommunicationsDevice();
    Connector::WavPlayerEx player(backend);
    ASSERT_TRUE(player.StartPlaying(Connector::DialToneSound));
    EXPECT_FALSE(player.playsOnPhone());
    EXPECT_EQ(backend->lastOpenedDevice(), Audio::Backend::DefaultDevice);
    player.StopPlaying();
    EXPECT_EQ(backend->openNow(), 0);
}

TEST(WavPlayerEx, StoppingWhenNothingPlaysDoesNothing)
{
    auto backend = phoneIsCommunicationsDevice();
    Connector::WavPlayerEx player(backend);
    player.StopPlaying();
    EXPECT_EQ(backend->openCount(), 0);
}

TEST(WavPlayerEx, QuickStopAndStartNeverHoldsTheDeviceTwice)
{
    auto backend = phoneIsCommunicationsDevice();
    // A slow driver widens the window in which the thread still holds the device.
    backend->setCloseDelay(20ms);
    Connector::WavPlayerEx player(backend);
    for (int round = 0; round < 5; ++round) {
        ASSERT_TRUE(player.StartPlaying(Connector::DialToneSound));
        player.StopPlaying();
    }
    ASSERT_TRUE(player.StartPlaying(Connector::DialToneSound));
    EXPECT_TRUE(player.playsOnPhone());
    EXPECT_EQ(backend->openCount(), 6);
    EXPECT_EQ(backend->maxOpenAtOnce(), 1);
}

TEST(WavPlayerEx, UnloadingWhilePlayingStopsTheThreadAndClosesTheDevice)
{
    auto backend = phoneIsCommunicationsDevice();
    backend->setCloseDelay(20ms);
    {
        Connector::WavPlayerEx player(backend);
        ASSERT_TRUE(player.StartPlaying(Connector::DialToneSound));
        ASSERT_TRUE(backend->waitForBytesWritten(1, 10s));
    }
    EXPECT_EQ(backend->openNow(), 0);
    EXPECT_EQ(backend->openCount(), 1);
}
