#pragma once

#include "phone_fixture.h"

#include "Polyphone/polyphone.h"
#include "telvarion_headphones/api_communications.h"
#include "telvarion_headphones/window.h"

#include "Audio/null_backend.h"
#include "HidPlatform/fake_backend.h"
#include "TelvarionApi/test_peer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace PhoneFixture {

// Time as the test says it is.
class FakeClock : public Connector::PolyphoneClock
{
public:
    std::uint32_t tickCount() const override { return m_Ticks; }
    Platform::LocalTime localTime() const override;
    void advance(std::uint32_t milliseconds);

private:
    std::uint32_t m_Ticks = 500000;
    long long m_EpochMs = 1772874630000LL; // a Saturday morning
};

// The phone on the fake HID backend, its handler on a link to the in-process client, and
// the loop turned by the test as the host's thread would turn it.
class PolyphoneTest : public ::testing::Test
{
protected:
    static constexpr std::int32_t Caller = 7;

    void SetUp() override;
    virtual Model model() const { return Model(); }
    void TearDown() override;

    // One main-loop turn; what the program wrote to the phone goes onto the display.
    void turn();
    void advance(std::uint32_t milliseconds);
    void client(const TelvarionApi::Event& event);

    void liftHandset();
    void hangUp();
    void key(char c, bool speedDial = false);
    void keys(const std::string& text);
    void pressProg();
    void pressHold();

    // The client side of one call, as the peer reports it.
    void incomingCall(const char* name);
    void callState(std::int32_t contactId, std::int32_t direction, std::int32_t state);

    std::vector<TelvarionApi::Command> commands(TelvarionApi::CommandKind kind) const;
    std::vector<std::string> dialled() const;
    std::string digits() const;
    std::string lastDialPath() const { return m_Folder + "/lastdial.txt"; }

    TelvarionApi::TestPeer m_Peer;
    HidPlatform::FakeBackend m_Hid;
    std::shared_ptr<HidPlatform::FakeNode> m_Node;
    std::shared_ptr<Audio::NullBackend> m_Audio;
    FakeClock m_Clock;
    std::unique_ptr<Connector::Window> m_Window;
    std::unique_ptr<Connector::ApiCommunications> m_Link;
    Connector::Polyphone* m_Phone = nullptr;
    Display m_Display;
    std::vector<std::vector<std::uint8_t>> m_Features; // feature reports the phone received
    Buttons m_Buttons;
    std::string m_Folder;
};

} // namespace PhoneFixture
