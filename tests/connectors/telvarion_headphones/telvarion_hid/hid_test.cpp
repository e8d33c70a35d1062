#include "hid_fixture.h"

using namespace HidConnectorTest;
using TelvarionApi::CommandKind;

namespace {

TelvarionApi::Call call(std::int32_t direction)
{
    return TelvarionApi::Call("sip:peer@example.org", 5, direction, TelvarionApi::CallAudio);
}

} // namespace

TEST_F(HandlerTest, OpensEveryInterfaceOfTheFirstPhoneOnly)
{
    HidTest::PhoneShape telephonyOnly;
    telephonyOnly.display = false;
    telephonyOnly.consumer = false;
    const auto first = m_Backend.addNode(phoneSpec(HidTest::PhoneShape(), 3, "usb-1-2"));
    const auto firstAudio = m_Backend.addNode(phoneSpec(telephonyOnly, 0, "usb-1-2"));
    const auto second = m_Backend.addNode(phoneSpec(HidTest::PhoneShape(), 3, "usb-1-5", 0x9300));

    turn();
    ASSERT_EQ(m_Hid->channels().size(), 3u); // telephony and consumer of mi_03, telephony of mi_00
    EXPECT_EQ(m_Hid->stage(), Connector::Hid::DeviceReady);
    EXPECT_EQ(first->openHandles(), 4); // a write and a read handle per channel
    EXPECT_EQ(firstAudio->openHandles(), 2);
    EXPECT_EQ(second->openHandles(), 0);
    EXPECT_EQ(logCount("This device was not the first enumerated HID device, ignoring this device"), 2);
    EXPECT_EQ(logCount("Usage page of the device (0xff99) is not supported, ignoring this device"), 2);
    // The phone's online indicator was set when its display was initialised.
    ASSERT_FALSE(first->outputs().empty());
    EXPECT_EQ(first->outputs().back(), (std::vector<std::uint8_t>{2, 0x10}));
}

TEST_F(HandlerTest, RejectedDeviceIsLoggedOnceWhileNothingIsOpen)
{
    HidPlatform::FakeNode::Spec headset = phoneSpec();
    headset.vendorId = 0x1234;
    headset.productId = 0x0001;
    const auto node = m_Backend.addNode(headset);
    turn();
    turn();
    turn();
    EXPECT_EQ(m_Hid->stage(), Connector::Hid::NoDevice);
    EXPECT_EQ(node->openHandles(), 0);
    EXPECT_EQ(logCount("The hardware identifiers (vid: 0x1234, pid: 0x0001) of this device are not supported, "
                       "ignoring this device"),
              2); // its telephony and consumer collections, on the first turn only
}

TEST_F(HandlerTest, DeviceWithAnUnusableDescriptorIsLoggedOnceAndSkipped)
{
    HidPlatform::FakeNode::Spec broken = phoneSpec();
    broken.descriptor.resize(broken.descriptor.size() / 2); // cut inside its collections
    m_Backend.addNode(broken);
    turn();
    turn();
    EXPECT_TRUE(m_Hid->channels().empty());
    EXPECT_EQ(logCount("Hid, Connector::Hid::SetupDevices, Ignoring HID device 0: its report descriptor cannot be "
                       "used ("),
              1);

    m_Backend.addNode(phoneSpec(HidTest::PhoneShape(), 3, "usb-1-5"));
    turn();
    EXPECT_EQ(m_Hid->channels().size(), 2u);
}

TEST_F(HandlerTest, APhoneWithoutAccessIsLoggedOnceAndOtherDevicesStaySilent)
{
    HidPlatform::FakeNode::Spec headset = phoneSpec(HidTest::PhoneShape(), 3, "usb-1-4");
    headset.vendorId = 0x1234;
    m_Backend.addNode(headset)->setOpenError(HidPlatform::Error::AccessDenied);
    const auto phone = m_Backend.addNode(phoneSpec());
    phone->setOpenError(HidPlatform::Error::AccessDenied);
    turn();
    turn();
    EXPECT_EQ(logCount("is denied; its HID node needs read and write permission for this user"), 3);
    EXPECT_EQ(logCount("Access to the supported device \\\\?\\hid#vid_095d&pid_9201&mi_03&col01#"), 1);

    phone->setOpenError(HidPlatform::Error::None);
    turn();
    EXPECT_EQ(m_Hid->channels().size(), 2u);
}

TEST_F(HandlerTest, FailedEnumerationIsLoggedAndTriedAgain)
{
    m_Backend.addNode(phoneSpec());
    m_Backend.setEnumerationError(HidPlatform::Error::AccessDenied);
    turn();
    EXPECT_TRUE(m_Hid->channels().empty());
    EXPECT_EQ(logCount("Hid, Connector::Hid::SetupDevices, Error 5 (Access is denied.) in getting a handle to a device "
                       "information set"),
              1);
    m_Backend.setEnumerationError(HidPlatform::Error::None);
    turn();
    EXPECT_EQ(m_Hid->channels().size(), 2u);
}

TEST_F(HandlerTest, VanishedPhoneIsClosedAndSetUpAgain)
{
    const auto node = m_Backend.addNode(phoneSpec());
    turn();
    ASSERT_EQ(m_Hid->channels().size(), 2u);

    node->unplug();
    turn(); // the read fails: device lost
    turn(); // everything closed, nothing found
    EXPECT_TRUE(m_Hid->channels().empty());
    EXPECT_EQ(m_Hid->stage(), Connector::Hid::NoDevice);
    EXPECT_EQ(node->openHandles(), 0);

    const auto again = m_Backend.addNode(phoneSpec());
    turn();
    EXPECT_EQ(m_Hid->channels().size(), 2u);
    EXPECT_EQ(m_Hid->stage(), Connector::Hid::DeviceReady);
    EXPECT_EQ(again->openHandles(), 4);
}

TEST_F(HandlerTest, PhoneKeysDriveTheCall)
{
    const auto node = m_Backend.addNode(phoneSpec());
    turn();
    deliver({TelvarionApi::Event::newCall(call(TelvarionApi::CallIncoming)),
             TelvarionApi::Event::callStateChanged(call(TelvarionApi::CallIncoming), TelvarionApi::CallRinging)});
    EXPECT_EQ(node->outputs().back()[1] & 0x40, 0x40); // ringer on

    node->inject({1, 0x01, 0, 0}); // handset lifted
    turn();
    EXPECT_EQ(commandCount(CommandKind::AnswerCall), 1u);
    EXPECT_TRUE(m_Hid->hookOff());

    node->inject({1, 0x21, 0, 0}); // voice-mail key down and up: one request
    node->inject({1, 0x01, 0, 0});
    turn();
    EXPECT_EQ(m_Peer.commands(CommandKind::StartCommunication).size(), 1u);

    node->inject({5, 0x01}); // volume up down and up: one step
    node->inject({5, 0x00});
    turn();
    ASSERT_EQ(commandCount(CommandKind::SetCallVolume), 1u);
    EXPECT_TRUE(m_Peer.commands(CommandKind::SetCallVolume)[0].flag);
}

struct HookCase {
    const char* name;
    std::int32_t direction;
    std::int32_t state; // 0: no call
    bool offHook;
    std::size_t answers;
    std::size_t hangups;
};

class HookAction : public HandlerTest, public ::testing::WithParamInterface<HookCase> {};

TEST_P(HookAction, FollowsTheCurrentCall)
{
    const HookCase& c = GetParam();
    if (c.state != TelvarionApi::CallClosed) {
        deliver({TelvarionApi::Event::newCall(call(c.direction))});
        if (c.state != TelvarionApi::CallRinging)
            deliver({TelvarionApi::Event::callStateChanged(call(c.direction), TelvarionApi::CallOpen)});
        if (c.state == TelvarionApi::CallOnHold)
            deliver({TelvarionApi::Event::callStateChanged(call(c.direction), TelvarionApi::CallOnHold)});
    }
    if (c.offHook)
        m_Hid->HandleHookOffSwitch();
    else
        m_Hid->HandleHookOnSwitch();
    EXPECT_EQ(commandCount(CommandKind::AnswerCall), c.answers);
    EXPECT_EQ(commandCount(CommandKind::HangupCall), c.hangups);
}

INSTANTIATE_TEST_SUITE_P(
    Calls, HookAction,
    ::testing::Values(HookCase{"offAnswersIncomingRinging", TelvarionApi::CallIncoming, TelvarionApi::CallRinging, true, 1, 0},
                      HookCase{"offLeavesOutgoingRinging", TelvarionApi::CallOutgoing, TelvarionApi::CallRinging, true, 0, 0},
                      HookCase{"onRejectsRinging", TelvarionApi::CallIncoming, TelvarionApi::CallRinging, false, 0, 1},
                      HookCase{"onEndsOpen", TelvarionApi::CallOutgoing, TelvarionApi::CallOpen, false, 0, 1},
                      HookCase{"onLeavesHeld", TelvarionApi::CallIncoming, TelvarionApi::CallOnHold, false, 0, 0},
                      HookCase{"withoutCall", TelvarionApi::CallIncoming, TelvarionApi::CallClosed, false, 0, 0}),
    [](const ::testing::TestParamInfo<HookCase>& info) { return std::string(info.param.name); });

TEST_F(HandlerTest, IndicatorsAreSentOnlyWhenTheyChange)
{
    const auto node = m_Backend.addNode(phoneSpec());
    turn();
    node->clearCaptured();
    EXPECT_TRUE(m_Hid->SetHoldState(true));
    EXPECT_TRUE(m_Hid->SetHoldState(true));
    EXPECT_TRUE(m_Hid->SetMuteState(true));
    m_Hid->OnExit();
    const std::vector<std::vector<std::uint8_t>> expected = {{2, 0x14}, {2, 0x34}, {2, 0x34}, {2, 0x30}, {2, 0x10}};
    EXPECT_EQ(node->outputs(), expected); // online, then hold, mute; exit: ringer off, unhold, unmute
    EXPECT_FALSE(m_Hid->holdShown());
    EXPECT_FALSE(m_Hid->muteShown());
}

TEST_F(HandlerTest, ButtonsActOnTheCallThereIs)
{
    const auto node = m_Backend.addNode(phoneSpec());
    turn();
    m_Hid->HandleRedial(true);
    m_Hid->HandleRedial(false);
    const auto dialled = m_Peer.commands(CommandKind::StartCommunication);
    ASSERT_EQ(dialled.size(), 1u);
    ASSERT_EQ(dialled[0].addresses.size(), 1u);
    EXPECT_EQ(dialled[0].addresses[0], TelvarionApi::String("4711"));

    deliver({TelvarionApi::Event::newCall(call(TelvarionApi::CallIncoming))});
    m_Hid->HandleRedial(true); // a call exists: nothing
    EXPECT_EQ(commandCount(CommandKind::StartCommunication), 1u);
    m_Hid->HandleProgButton(false);
    EXPECT_EQ(commandCount(CommandKind::HangupCall), 0u);
    m_Hid->HandleProgButton(true); // rejects the ringing call
    EXPECT_EQ(commandCount(CommandKind::HangupCall), 1u);

    // Muting from the phone: the client's confirmation sends nothing more to the phone.
    node->clearCaptured();
    m_Hid->HandleMuteSwitch(true);
    ASSERT_EQ(commandCount(CommandKind::MuteCall), 1u);
    EXPECT_TRUE(m_Peer.commands(CommandKind::MuteCall)[0].flag);
    deliver({TelvarionApi::Event::callMuteState(true)});
    EXPECT_TRUE(node->outputs().empty());
    EXPECT_TRUE(m_Hid->muteShown());
}

TEST(HidPath, SamePhysicalDeviceComparesDeviceAndParentInstance)
{
    const std::string a = "\\\\?\\hid#vid_095d&pid_9201&mi_03&col01#7&1a2b3c4d&0&0000#{x}";
    EXPECT_TRUE(Connector::Hid::SamePhysicalDevice(a, "\\\\?\\hid#vid_095d&pid_9201&mi_00#7&1a2b3c4d&0&0000#{x}"));
    EXPECT_FALSE(Connector::Hid::SamePhysicalDevice(a, "\\\\?\\hid#vid_095d&pid_9201&mi_03&col01#7&99999999&0&0000#{x}"));
    EXPECT_FALSE(Connector::Hid::SamePhysicalDevice(a, "\\\\?\\hid#vid_095d&pid_9300&mi_03&col01#7&1a2b3c4d&0&0000#{x}"));
    EXPECT_FALSE(Connector::Hid::SamePhysicalDevice("garbage", "garbage"));
}
