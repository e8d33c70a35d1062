#include "hid_fixture.h"

using namespace HidConnectorTest;
using HidPlatform::ReportType;
using HidTest::DescriptorBuilder;
using Connector::UsageManager;

namespace {

using Calls = std::vector<std::string>;

struct LengthCase {
    const char* word;
    std::uint8_t mainTag; // the oversized report's type
};

class OversizedReport : public ChannelTest, public ::testing::WithParamInterface<LengthCase> {};

} // namespace

TEST_P(OversizedReport, RefusesTheDeviceWithItsWarning)
{
    DescriptorBuilder d;
    d.usagePage(0x0B).usage(0x01).application();
    d.reportId(1).buttons(0x80, {0x20}).padding(0x80, 7);
    d.reportId(2).usage(0x02).logical(0, 255).reportSize(8).reportCount(64);
    d.raw({std::uint8_t(GetParam().mainTag | 1), DescriptorBuilder::Variable});
    d.endCollection();
    HidPlatform::FakeNode::Spec spec = phoneSpec();
    spec.descriptor = d.bytes();

    EXPECT_FALSE(open(spec));
    EXPECT_EQ(logCount(std::string("The byte length of ") + GetParam().word + " reports (65) of this device is larger "
                       "than our maximum allowed length (64). Therefore ignoring this device."),
              1);
    m_Channel.reset();
    EXPECT_EQ(m_Node->openHandles(), 0);
}

INSTANTIATE_TEST_SUITE_P(Types, OversizedReport,
                         ::testing::Values(LengthCase{"output", 0x90}, LengthCase{"input", 0x80},
                                           LengthCase{"feature", 0xB0}),
                         [](const ::testing::TestParamInfo<LengthCase>& info) { return std::string(info.param.word); });

TEST_F(ChannelTest, ToggleHookSwitchChangesOnPressEdgesAndFollowsTheIndicator)
{
    HidTest::PhoneShape shape;
    shape.toggleHook = true;
    ASSERT_TRUE(open(phoneSpec(shape)));
    const std::vector<std::uint8_t> pressed = {1, 0x01, 0, 0};
    const std::vector<std::uint8_t> released = {1, 0x00, 0, 0};

    inject(released);
    inject(pressed);
    inject(pressed); // held: no new edge
    inject(released);
    EXPECT_EQ(m_Controller.calls, (Calls{"hook 1"}));
    inject(pressed);
    EXPECT_EQ(m_Controller.calls, (Calls{"hook 1", "hook 0"}));

    // The program takes the phone off hook; the next press puts it back on hook.
    ASSERT_TRUE(m_Channel->SetHookState(true));
    m_Controller.calls.clear();
    inject(released);
    inject(pressed);
    EXPECT_EQ(m_Controller.calls, (Calls{"hook 0"}));
}

struct MuteCase {
    const char* name;
    bool microphoneLed;
    std::uint8_t bit;
};

class MuteIndicator : public ChannelTest, public ::testing::WithParamInterface<MuteCase> {};

TEST_P(MuteIndicator, UsesTheMicrophoneLedWhenThereIsOne)
{
    HidTest::PhoneShape shape;
    shape.microphoneLed = GetParam().microphoneLed;
    ASSERT_TRUE(open(phoneSpec(shape)));
    ASSERT_TRUE(m_Channel->SetMuteState(true));
    ASSERT_EQ(m_Node->outputs().size(), 1u);
    EXPECT_EQ(m_Node->outputs()[0], (std::vector<std::uint8_t>{2, GetParam().bit}));
    // The toggle mute key stays in step: its next press unmutes.
    EXPECT_TRUE(m_Channel->findButton(ReportType::Input, UsageManager::PhoneMute)->value());
}

INSTANTIATE_TEST_SUITE_P(Leds, MuteIndicator,
                         ::testing::Values(MuteCase{"microphone", true, 0x20}, MuteCase{"mute", false, 0x02}),
                         [](const ::testing::TestParamInfo<MuteCase>& info) { return std::string(info.param.name); });

TEST_F(ChannelTest, OutputReportCarriesEveryControlOfItsReportId)
{
    ASSERT_TRUE(open(phoneSpec()));
    ASSERT_TRUE(m_Channel->SetHookState(true));
    ASSERT_TRUE(m_Channel->SetRinging(true));
    ASSERT_TRUE(m_Channel->SetHoldState(true));
    ASSERT_TRUE(m_Channel->SetRinging(false));
    ASSERT_TRUE(m_Channel->InitializeDeviceDisplay(0x0409));
    const std::vector<std::vector<std::uint8_t>> expected = {
        {2, 0x01}, {2, 0x41}, {2, 0x45}, {2, 0x05}, {2, 0x15}};
    EXPECT_EQ(m_Node->outputs(), expected);
    EXPECT_EQ(m_Channel->queuedReports(), 0u);
    EXPECT_TRUE(m_Channel->findButton(ReportType::Input, UsageManager::HookSwitch)->value());
}

TEST_F(ChannelTest, KeysCountOnceAndOnlyOnTheKeypadPage)
{
    HidTest::PhoneShape shape;
    shape.consumerKeysInTelephony = true;
    ASSERT_TRUE(open(phoneSpec(shape)));

    inject({1, 0x00, 0, 6});    // key 5 down
    inject({1, 0x00, 0, 6});    // still down
    inject({1, 0x01, 0, 6});    // handset lifted while the key is held
    inject({6, 0x01});          // "scan next track" shares key 5's usage number
    inject({1, 0x01, 0, 0});    // key released
    inject({1, 0x01, 0, 6});    // pressed again
    inject({1, 0x11, 0, 1});    // speed dial with key 0
    inject({6, 0x02});          // volume up, press and release
    inject({6, 0x00});
    EXPECT_EQ(m_Controller.calls,
              (Calls{"key 5", "hook 1", "key 5", "key 0 speed", "volume up 1", "volume up 0"}));
}

TEST_F(ChannelTest, ReportOfAnotherIdLeavesHeldButtonsAlone)
{
    HidTest::PhoneShape shape;
    shape.consumerKeysInTelephony = true;
    ASSERT_TRUE(open(phoneSpec(shape)));
    inject({1, 0x01, 0, 0});
    inject({6, 0x00});
    inject({6, 0x04});
    EXPECT_EQ(m_Controller.calls, (Calls{"hook 1", "volume down 1"}));
}

TEST_F(ChannelTest, DisconnectionReachesTheOwner)
{
    ASSERT_TRUE(open(phoneSpec()));
    EXPECT_TRUE(m_Channel->ProcessInput());
    m_Node->unplug();
    EXPECT_FALSE(m_Channel->ProcessInput());
    EXPECT_FALSE(m_Channel->SetHookState(true));
    EXPECT_EQ(m_Controller.calls, (Calls{"lost", "lost"}));
    m_Channel->Close();
    EXPECT_EQ(m_Node->openHandles(), 0);
    EXPECT_FALSE(m_Channel->SetHookState(true));
}

TEST_F(ChannelTest, FailedWriteIsLoggedAndReported)
{
    ASSERT_TRUE(open(phoneSpec()));
    m_Node->setWriteError(HidPlatform::Error::GenFailure);
    EXPECT_FALSE(m_Channel->SetRinging(true));
    EXPECT_EQ(m_Controller.calls, (Calls{"lost"}));
    EXPECT_EQ(logCount("Hid, Connector::HidCommunication::DoWrites, Failed to write data to the HID device. Error 31 "
                       "(A device attached to the system is not functioning.)"),
              1);
    EXPECT_EQ(m_Channel->queuedReports(), 0u);
}
