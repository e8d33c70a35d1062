#include "Audio/alsa_backend.h"
#include "Audio/null_backend.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

// A card tree laid out as the kernel shows it.
class CardTree : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/alsa_cards_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_Root = pattern;
    }
    void TearDown() override { fs::remove_all(m_Root); }

    void addCard(int index, const std::string& id, const std::string& usbId = std::string())
    {
        const fs::path folder = m_Root / ("card" + std::to_string(index));
        fs::create_directories(folder);
        std::ofstream(folder / "id") << id << "\n";
        if (!usbId.empty())
            std::ofstream(folder / "usbid") << usbId << "\n";
    }

    const std::vector<Audio::UsbId> m_Phones{{0x095D, 0x9201}, {0x095D, 0x9300}};
    fs::path m_Root;
};

} // namespace

TEST_F(CardTree, ThePhoneCardIsTheCommunicationsEndpointAndAnOutputDevice)
{
    addCard(0, "PCH");
    addCard(2, "Phone", "095d:9300");
    addCard(1, "Headset", "046d:0a44");
    fs::create_directories(m_Root / "cards-not-a-card");

    const Audio::AlsaBackend backend(m_Phones, m_Root.string());
    ASSERT_EQ(backend.outputDeviceCount(), 3u);
    EXPECT_EQ(backend.outputDeviceInstanceId(1), "plughw:CARD=Headset,DEV=0");
    EXPECT_EQ(backend.outputDeviceInstanceId(3), "");

    Audio::Endpoint endpoint;
    Audio::Error error;
    ASSERT_TRUE(backend.defaultCommunicationsEndpoint(endpoint, error));
    EXPECT_EQ(endpoint.id, backend.outputDeviceInstanceId(2));
    EXPECT_EQ(endpoint.deviceIdentifier, "USB\\VID_095D&PID_9300\\Phone");
}

TEST_F(CardTree, WithoutThePhoneTheDefaultDeviceIsTheEndpoint)
{
    addCard(0, "PCH");
    addCard(1, "Headset", "046d:0a44");
    addCard(3, "Broken", "not-an-id");

    const Audio::AlsaBackend backend(m_Phones, m_Root.string());
    Audio::Endpoint endpoint;
    Audio::Error error;
    ASSERT_TRUE(backend.defaultCommunicationsEndpoint(endpoint, error));
    EXPECT_EQ(endpoint.id, "default");
    EXPECT_EQ(endpoint.deviceIdentifier.find("VID_"), std::string::npos);
    EXPECT_EQ(Audio::AlsaBackend::deviceIdentifierOf(backend.cards()[2]), "ALSA\\Broken");
}

TEST_F(CardTree, OpeningAnUnknownDeviceFailsWithAReason)
{
    Audio::AlsaBackend backend(m_Phones, m_Root.string());
    Audio::Error error;
    EXPECT_EQ(backend.openOutput(5, Audio::Format{2, 44100, 176400, 4, 16}, error), nullptr);
    EXPECT_FALSE(error.text.empty());
}

TEST_F(CardTree, TheSystemBackendIsSilentWithoutSoundCards)
{
    EXPECT_NE(std::dynamic_pointer_cast<Audio::NullBackend>(Audio::createSystemBackend(m_Phones, m_Root.string())), nullptr);
    addCard(0, "PCH");
    EXPECT_NE(std::dynamic_pointer_cast<Audio::AlsaBackend>(Audio::createSystemBackend(m_Phones, m_Root.string())), nullptr);
    setenv("TELVARION_AUDIO", "null", 1);
    EXPECT_NE(std::dynamic_pointer_cast<Audio::NullBackend>(Audio::createSystemBackend(m_Phones, m_Root.string())), nullptr);
    unsetenv("TELVARION_AUDIO");
}
