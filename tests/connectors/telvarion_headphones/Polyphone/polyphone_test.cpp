#include "polyphone_fixture.h"

#include "Polyphone/polyphone_communication.h"
#include "Polyphone/polyphone_usage_manager.h"
#include "telvarion_hid/locale_id.h"

#include "TelvarionApi/event.h"

#include <fstream>
#include <iterator>

namespace PhoneFixture {

using Connector::Polyphone;
using TelvarionApi::CommandKind;
using TelvarionApi::Event;

TEST_F(PolyphoneTest, IntroducesItselfToTheClient)
{
    const TelvarionApi::ConnectionInfo info = m_Peer.connectionInfo();
    EXPECT_EQ(info.uuid().str(), "5D2E7A91-3B4C-4F6E-9A1D-C07B28E4F3A5");
    EXPECT_EQ(info.version().str(), "1.0.0");
    const auto& properties = info.properties();
    ASSERT_EQ(properties.size(), 3u);
    EXPECT_EQ(properties.at("name").value.str(), "Polycom device Add-in");
    EXPECT_EQ(properties.at("vendor").value.str(), "Marlowane Inc");
    EXPECT_EQ(properties.at("description").language, "en");
    EXPECT_EQ(m_Phone->GetEventMask(), 15u);
    EXPECT_STREQ(m_Phone->GetLogFileName(), "TelvarionPolyphoneLog.txt");
    EXPECT_TRUE(m_Phone->IsSupportedDevice(0x095D, 0x9300));
    EXPECT_FALSE(m_Phone->IsSupportedDevice(0x095D, 0x9202));
    EXPECT_FALSE(m_Phone->IsSupportedUsagePage(0x000C));
}

TEST_F(PolyphoneTest, TheTwentyFirstDigitIsIgnoredAndALonePoundIsADigit)
{
    key('#');
    EXPECT_EQ(digits(), "#");
    EXPECT_TRUE(dialled().empty());
    keys("1234567890123456789");
    ASSERT_EQ(digits(), "#1234567890123456789");
    key('5');
    EXPECT_EQ(digits(), "#1234567890123456789");
    EXPECT_EQ(m_Display.screen, Polyphone::DialScreen);
    EXPECT_EQ(m_Display.field(Polyphone::Number), "#1234567890123456789");
    EXPECT_EQ(m_Display.field(Polyphone::CallStatus), "Enter a number to dial");

    // With digits, '#' dials them.
    key('#');
    EXPECT_EQ(dialled(), std::vector<std::string>{"#1234567890123456789"});
}

TEST_F(PolyphoneTest, DigitsOnHookNeverHotDialButLiftingTheHandsetDialsAtOnce)
{
    keys("123");
    for (int second = 0; second < 5; ++second)
        advance(1000);
    EXPECT_TRUE(dialled().empty());

    liftHandset();
    EXPECT_EQ(dialled(), std::vector<std::string>{"123"});
    EXPECT_EQ(m_Audio->openCount(), 0); // digits were there: no dial tone
}

TEST_F(PolyphoneTest, OffHookDigitsHotDialOnceAfterTwoSeconds)
{
    liftHandset();
    keys("55");
    advance(1000);
    advance(1000); // 2000 ms: not yet more than the timeout
    EXPECT_TRUE(dialled().empty());
    advance(1000);
    EXPECT_EQ(dialled(), std::vector<std::string>{"55"});
    EXPECT_TRUE(m_Display.offHookLed);

    // The client has not reported the call yet: the number is not dialled again.
    for (int second = 0; second < 4; ++second)
        advance(1000);
    EXPECT_EQ(dialled().size(), 1u);
}

TEST_F(PolyphoneTest, LiftingTheHandsetWithoutDigitsPlaysTheDialToneUntilAKey)
{
    liftHandset();
    EXPECT_EQ(m_Display.screen, Polyphone::DialScreen);
    EXPECT_EQ(m_Audio->openCount(), 1);
    EXPECT_EQ(m_Audio->openNow(), 1);
    key('4');
    EXPECT_EQ(m_Audio->openNow(), 0);
    hangUp();
    EXPECT_EQ(digits(), "");
    EXPECT_EQ(m_Display.screen, Polyphone::HomeScreen);
}

TEST_F(PolyphoneTest, EveryKeySendsDtmfDuringAnOpenCall)
{
    incomingCall("Ada");
    liftHandset();
    ASSERT_EQ(commands(CommandKind::AnswerCall).size(), 1u);
    callState(Caller, TelvarionApi::CallIncoming, TelvarionApi::CallOpen);

    const std::string all = "0123456789*#A";
    keys(all);
    std::string sent;
    for (const TelvarionApi::Command& command : commands(CommandKind::SendDtmf))
        sent += command.character;
    EXPECT_EQ(sent, all);
    EXPECT_EQ(digits(), "");
    EXPECT_TRUE(dialled().empty());
}

TEST_F(PolyphoneTest, CallEndedShowsThreeSecondsThenHome)
{
    incomingCall("Ada");
    liftHandset();
    callState(Caller, TelvarionApi::CallIncoming, TelvarionApi::CallOpen);
    EXPECT_EQ(m_Display.screen, Polyphone::InCallScreen);
    EXPECT_EQ(m_Display.field(Polyphone::OtherPartyInfo), "In call");

    callState(Caller, TelvarionApi::CallIncoming, TelvarionApi::CallClosed);
    EXPECT_EQ(m_Display.screen, Polyphone::CallEndedScreen);
    EXPECT_EQ(m_Display.field(Polyphone::CallStatus), "Call ended");
    EXPECT_FALSE(m_Display.offHookLed);

    m_Display.screens.clear();
    advance(1000);
    advance(1000);
    EXPECT_TRUE(m_Display.screens.empty()) << "the call-ended screen is not redrawn";
    advance(1000);
    ASSERT_FALSE(m_Display.screens.empty());
    EXPECT_EQ(m_Display.screens.front(), Polyphone::HomeScreen);
    EXPECT_EQ(m_Display.field(Polyphone::LocalUserName), "Dana Desk");
    EXPECT_EQ(m_Display.field(Polyphone::LocalUserInfo), "Available");
}

TEST_F(PolyphoneTest, AChangeOfCurrentCallIsNotDrawnOverTheCallEndedScreen)
{
    incomingCall("Ada");
    liftHandset();
    callState(Caller, TelvarionApi::CallIncoming, TelvarionApi::CallOpen);
    // A second caller rings while the first call is open, then the first ends.
    const TelvarionApi::Call second("sip:8@example.org", 8, TelvarionApi::CallIncoming, TelvarionApi::CallAudio);
    m_Peer.queue(Event::newCall(second));
    m_Peer.queue(Event::callStateChanged(second, TelvarionApi::CallRinging));
    turn();
    callState(Caller, TelvarionApi::CallIncoming, TelvarionApi::CallOpen);
    m_Display.screens.clear();
    callState(Caller, TelvarionApi::CallIncoming, TelvarionApi::CallClosed);
    EXPECT_EQ(m_Display.screen, Polyphone::CallEndedScreen);
    EXPECT_EQ(m_Display.screens, (std::vector<int>{Polyphone::CallEndedScreen, Polyphone::NoScreen}));

    for (int second = 0; second < 3; ++second)
        advance(1000);
    EXPECT_EQ(m_Display.screens.back(), Polyphone::NoScreen);
    EXPECT_NE(std::find(m_Display.screens.begin(), m_Display.screens.end(), Polyphone::IncomingScreen),
              m_Display.screens.end());
}

TEST_F(PolyphoneTest, SpeedDialMakesAPlusOrCallsVoiceMail)
{
    key('0', true);
    EXPECT_EQ(digits(), "+");
    keys("49");
    key('0', true);
    EXPECT_EQ(digits(), "+4+");
    key('1', true);
    const auto voiceMail = commands(CommandKind::StartCommunication);
    ASSERT_EQ(voiceMail.size(), 1u);
    EXPECT_EQ(voiceMail.front().number, TelvarionApi::CommunicationVoiceMail);
}

TEST_F(PolyphoneTest, ProgKeyDeletesDigitsAndOnHookReturnsHome)
{
    keys("12");
    pressProg();
    EXPECT_EQ(digits(), "1");
    EXPECT_EQ(m_Display.field(Polyphone::Number), "1");
    pressProg();
    EXPECT_EQ(digits(), "");
    EXPECT_EQ(m_Display.screen, Polyphone::HomeScreen);
}

TEST_F(PolyphoneTest, RedialDialsTheStoredNumberAndTheFileIsUtf16)
{
    liftHandset();
    keys("0301#");
    ASSERT_EQ(dialled(), std::vector<std::string>{"0301"});
    std::ifstream file(lastDialPath(), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), std::string("0\0" "3\0" "0\0" "1\0", 8));
    hangUp();

    m_Buttons.redial = true;
    m_Node->inject(inputReport(m_Buttons));
    m_Buttons.redial = false;
    m_Node->inject(inputReport(m_Buttons));
    turn();
    EXPECT_EQ(dialled(), (std::vector<std::string>{"0301", "0301"}));
}

TEST_F(PolyphoneTest, HoldKeyHoldsAndAnswersARingingCall)
{
    incomingCall("Ada");
    pressHold();
    const auto holds = commands(CommandKind::HoldCall);
    ASSERT_EQ(holds.size(), 1u);
    EXPECT_TRUE(holds.front().flag);
    EXPECT_EQ(commands(CommandKind::AnswerCall).size(), 1u);
}

TEST_F(PolyphoneTest, TextsAreSentInChunksOfEightAndCutAtTwentyFour)
{
    incomingCall("Abcdefgh"); // exactly eight characters
    EXPECT_EQ(m_Display.field(Polyphone::OtherPartyName), "Abcdefgh");
    EXPECT_EQ(m_Display.chunksOfLastText, 2);

    client(Event::contactProperties(Caller, {{"DisplayName", "Abcdefghijklmnopqrstuvwxyz"}}));
    // The link keeps 24 characters of a name; the display takes 24 of any text.
    EXPECT_EQ(m_Display.field(Polyphone::OtherPartyName), "Abcdefghijklmnopqrstuvwx");
}

TEST_F(PolyphoneTest, DisplayInitialisationAndIconsFollowTheClient)
{
    ASSERT_EQ(m_Features.size(), 1u);
    const std::vector<std::uint8_t>& ids = m_Features.front();
    ASSERT_GE(ids.size(), 4u);
    EXPECT_EQ(ids[0], 4); // report id, then language id and client id
    EXPECT_EQ(ids[1] | (ids[2] << 8), Connector::LocaleId::userDefault());
    EXPECT_EQ(ids[3], 0);
    EXPECT_EQ(m_Display.muteIcon, -1);

    incomingCall("Ada");
    liftHandset();
    callState(Caller, TelvarionApi::CallIncoming, TelvarionApi::CallOpen);
    client(Event::callMuteState(true));
    EXPECT_EQ(m_Display.muteIcon, 1);
    client(Event::voicemailDetails(2, 0, 1, 0));
    EXPECT_TRUE(m_Display.voiceMailIcon);
    EXPECT_EQ(m_Display.muteIcon, 1) << "the voice-mail report leaves the mute icon as it is";

    callState(Caller, TelvarionApi::CallIncoming, TelvarionApi::CallClosed);
    EXPECT_EQ(m_Display.muteIcon, -1) << "a closed call clears the mute icon";
}

class PhoneModels : public PolyphoneTest, public ::testing::WithParamInterface<Model>
{
protected:
    Model model() const override { return GetParam(); }
};

TEST_P(PhoneModels, DialAndRingWork)
{
    liftHandset();
    keys("77");
    EXPECT_EQ(m_Display.field(Polyphone::Number), "77");
    key('#');
    EXPECT_EQ(dialled(), std::vector<std::string>{"77"});
    hangUp();

    incomingCall("Ada");
    EXPECT_TRUE(m_Display.ringer);
    EXPECT_EQ(m_Display.field(Polyphone::OtherPartyName), "Ada");
    if (GetParam().screenSelect)
        EXPECT_EQ(m_Display.screen, Polyphone::IncomingScreen);
    else
        EXPECT_TRUE(m_Display.screens.empty());
}

INSTANTIATE_TEST_SUITE_P(Phones, PhoneModels,
                         ::testing::Values(Model{"standard", false, true}, Model{"vendorPages", true, true},
                                           Model{"noScreenSelect", false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PolyphoneUsages, VendorTopLevelPagesUseTheVendorTable)
{
    using Connector::PolyphoneUsageManager;
    using Connector::UsageManager;
    const struct
    {
        std::uint16_t topLevelPage;
        std::uint16_t hookPage, ledPage, progPage, consumerPage, displayPage;
    } cases[] = {{0x000B, 0x0B, 0x08, 0x09, 0x0C, 0xFF99},
                 {0xFF99, 0x0B, 0x08, 0x09, 0x0C, 0xFF99},
                 {0xFFA9, 0xFF0B, 0xFF08, 0xFF09, 0xFF0C, 0xFFA9},
                 {0xFF0B, 0xFF0B, 0xFF08, 0xFF09, 0xFF0C, 0xFFA9}};
    for (const auto& c : cases) {
        const PolyphoneUsageManager usages(c.topLevelPage);
        EXPECT_EQ(usages.getUsage(UsageManager::HookSwitch).usagePage, c.hookPage);
        EXPECT_EQ(usages.getUsage(UsageManager::OffHookLed).usagePage, c.ledPage);
        EXPECT_EQ(usages.getUsage(UsageManager::ProgrammableButton).usagePage, c.progPage);
        EXPECT_EQ(usages.getUsage(UsageManager::VolumeUp).usagePage, c.consumerPage);
        EXPECT_EQ(usages.getUsage(PolyphoneUsageManager::ScreenSelect).usagePage, c.displayPage);
        EXPECT_STREQ(usages.getUsage(PolyphoneUsageManager::OtherPartyNumber).name, "OTHER_PARTY_NUMBER");
    }
    const PolyphoneUsageManager usages(0x000B);
    EXPECT_EQ(usages.getUsage(61).name, nullptr);
    EXPECT_EQ(usages.getUsage(-1).usagePage, 0);
    EXPECT_STREQ(usages.findName(HidPlatform::ReportType::Output, 0x89, 0xFF99), "DURATION");
}

TEST(PolyphoneText, ChunksOfEightTheLastMarked)
{
    using Connector::PolyphoneCommunication;
    const struct
    {
        const char16_t* text;
        std::size_t chunks;
    } cases[] = {{u"", 1}, {u"abc", 1}, {u"abcdefgh", 2}, {u"abcdefghi", 2}, {u"abcdefghijklmnop", 3},
                 {u"abcdefghijklmnopqrstuvwx", 4}, {u"abcdefghijklmnopqrstuvwxyz0123", 4}};
    for (const auto& c : cases) {
        const auto chunks = PolyphoneCommunication::textChunks(c.text);
        ASSERT_EQ(chunks.size(), c.chunks) << std::string(c.text, c.text + std::char_traits<char16_t>::length(c.text));
        for (std::size_t i = 0; i < chunks.size(); ++i)
            EXPECT_EQ(chunks[i].last, i + 1 == chunks.size());
    }
    const auto eight = PolyphoneCommunication::textChunks(u"abcdefgh");
    EXPECT_EQ(eight[0].bytes[14], 'h');
    EXPECT_EQ(eight[1].bytes, (std::array<std::uint8_t, 16>{}));
    const auto cut = PolyphoneCommunication::textChunks(u"abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(cut[2].bytes[14], 'x');
    EXPECT_EQ(cut[3].bytes, (std::array<std::uint8_t, 16>{}));
}

} // namespace PhoneFixture
