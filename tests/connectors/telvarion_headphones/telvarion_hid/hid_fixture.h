#pragma once

#include "phone_descriptors.h"

#include "telvarion_hid/hid.h"
#include "telvarion_hid/hid_communication.h"

#include "telvarion_headphones/api_communications.h"
#include "telvarion_headphones/window.h"

#include "HidPlatform/fake_backend.h"
#include "TelvarionApi/test_peer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace HidConnectorTest {

std::string logText();
void clearLog();
int logCount(const std::string& text);

HidPlatform::FakeNode::Spec phoneSpec(const HidTest::PhoneShape& shape = HidTest::PhoneShape(),
                                      int interfaceNumber = 3, const std::string& physicalId = "usb-1-2",
                                      std::uint16_t productId = 0x9201);

// Records what a channel asks of its owner.
class RecordingController : public Connector::IController
{
public:
    void DeviceLost() override { calls.push_back("lost"); }
    void HandleHookSwitch(bool on) override { note("hook", on); }
    void HandleRedial(bool on) override { note("redial", on); }
    void HandleHoldSwitch(bool on) override { note("hold", on); }
    void HandleMuteSwitch(bool on) override { note("mute", on); }
    void HandleVoiceMail(bool on) override { note("voicemail", on); }
    void HandleProgButton(bool on) override { note("prog", on); }
    void HandleDeviceKeyPress(std::uint8_t key, bool speedDial) override
    {
        calls.push_back("key " + std::to_string(key) + (speedDial ? " speed" : ""));
    }
    void HandleVolumeUp(bool on) override { note("volume up", on); }
    void HandleVolumeDown(bool on) override { note("volume down", on); }

    std::vector<std::string> calls;

private:
    void note(const std::string& what, bool on) { calls.push_back(what + (on ? " 1" : " 0")); }
};

// One channel on a scripted phone interface.
class ChannelTest : public ::testing::Test
{
protected:
    void SetUp() override { clearLog(); }

    // Adds the phone and opens the channel of its collection'th interface path.
    bool open(const HidPlatform::FakeNode::Spec& spec, std::size_t collection = 0);
    void inject(std::vector<std::uint8_t> report);

    HidPlatform::FakeBackend m_Backend;
    RecordingController m_Controller;
    std::shared_ptr<HidPlatform::FakeNode> m_Node;
    std::unique_ptr<Connector::HidCommunication> m_Channel;
};

// The generic handler, taking the supported phones only.
class PhoneHid : public Connector::Hid
{
public:
    using Connector::Hid::Hid;
    bool IsSupportedDevice(std::uint16_t vendorId, std::uint16_t productId) const override
    {
        return vendorId == 0x095D && (productId == 0x9201 || productId == 0x9300);
    }
    const Connector::WChar* GetLastDialedNumber() override { return u"4711"; }
};

// The generic handler attached to a link that talks to an in-process client.
class HandlerTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    void turn() { m_Link->Run(); }
    void deliver(const std::vector<TelvarionApi::Event>& events);
    std::size_t commandCount(TelvarionApi::CommandKind kind) const { return m_Peer.commands(kind).size(); }

    HidPlatform::FakeBackend m_Backend;
    TelvarionApi::TestPeer m_Peer;
    Connector::Window m_Window{nullptr};
    std::unique_ptr<Connector::ApiCommunications> m_Link;
    PhoneHid* m_Hid = nullptr; // owned by the link
};

} // namespace HidConnectorTest
