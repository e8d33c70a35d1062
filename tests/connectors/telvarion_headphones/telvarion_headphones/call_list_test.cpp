#include "connector_fixture.h"

#include "telvarion_headphones/logger.h"

namespace ConnectorTest {
namespace {

using TelvarionApi::Call;
using TelvarionApi::CallIncoming;
using TelvarionApi::CallOutgoing;
using TelvarionApi::CommandKind;
using TelvarionApi::Event;

Call call(std::int32_t contactId, const char* uri, std::int32_t direction = CallIncoming)
{
    return Call(uri, contactId, direction, TelvarionApi::CallAudio);
}

std::vector<std::int32_t> contactIds(const Connector::ApiCommunications& link)
{
    std::vector<std::int32_t> ids;
    for (const auto& record : link.calls())
        ids.push_back(record.contactId);
    return ids;
}

class CallListTest : public LinkTest
{
protected:
    void SetUp() override
    {
        LinkTest::SetUp();
        connect();
    }

    // A call the client announced and set to the given state.
    void addCall(const Call& c, std::int32_t state)
    {
        deliver({Event::newCall(c)});
        if (state != TelvarionApi::CallRinging)
            deliver({Event::callStateChanged(c, TelvarionApi::CallOpen)});
        if (state != TelvarionApi::CallRinging && state != TelvarionApi::CallOpen)
            deliver({Event::callStateChanged(c, state)});
    }
};

TEST_F(CallListTest, NewCallIsCurrentAndItsContactIsRequested)
{
    deliver({Event::newCall(call(5, "sip:5", CallOutgoing))});
    EXPECT_EQ(m_Link->GetCurrentCallContactId(), 5);
    EXPECT_EQ(m_Link->GetCurrentCallDirection(), CallOutgoing);
    EXPECT_EQ(m_Link->GetCurrentCallState(), TelvarionApi::CallRinging);
    EXPECT_EQ(utf8(m_Link->GetCurrentCallName()), "");
    EXPECT_EQ(m_Link->GetCurrentCallStartTime().year, 0);
    ASSERT_EQ(commands(CommandKind::RequestContactProperties).size(), 1u);
    EXPECT_EQ(commands(CommandKind::RequestContactProperties)[0].number, 5);
    EXPECT_TRUE(m_Journal->has("a:OnNewCall 1 5"));

    deliver({Event::callStateChanged(call(5, "sip:5", CallOutgoing), TelvarionApi::CallOpen)});
    EXPECT_EQ(m_Link->GetCurrentCallState(), TelvarionApi::CallOpen);
    EXPECT_NE(m_Link->GetCurrentCallStartTime().year, 0);
    EXPECT_EQ(m_Link->GetCallCountInState(TelvarionApi::CallOpen), 1u);
}

TEST_F(CallListTest, ConferenceIsNamedAtOnceWithoutARequest)
{
    deliver({Event::newCall(call(TelvarionApi::ConferenceContactId, "conf:1"))});
    EXPECT_TRUE(commands(CommandKind::RequestContactProperties).empty());
    EXPECT_EQ(utf8(m_Link->GetCurrentCallName()), "Conference");
    const std::vector<std::string> expected = {"a:OnNewCall 0 -1", "a:OnContactProperties Conference -1", "a:Run"};
    EXPECT_EQ(m_Journal->entries, expected);
}

struct MatchCase
{
    const char* label;
    std::int32_t eventId;
    const char* eventUri;
    std::int32_t eventState;
    std::vector<std::int32_t> idsAfter; // the list's ids after the event
    std::int32_t currentAfter;
};

class CallMatching : public CallListTest, public ::testing::WithParamInterface<MatchCase>
{
};

// The list: 3 incoming "sip:x" on hold, then 4 outgoing "*11" pull still ringing (current).
TEST_P(CallMatching, AdoptsTheRightCall)
{
    addCall(call(3, "sip:x"), TelvarionApi::CallOnHold);
    addCall(call(4, "sip:*11", CallOutgoing), TelvarionApi::CallRinging);
    m_Journal->entries.clear();

    const MatchCase& c = GetParam();
    deliver({Event::callStateChanged(call(c.eventId, c.eventUri), c.eventState)});
    EXPECT_EQ(contactIds(*m_Link), c.idsAfter);
    EXPECT_EQ(m_Link->GetCurrentCallContactId(), c.currentAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, CallMatching,
    ::testing::Values(MatchCase{"sameIdWins", 3, "sip:*11", TelvarionApi::CallOpen, {3, 4}, 3},
                      MatchCase{"pullPreferredWhenRinging", 8, "sip:x", TelvarionApi::CallRinging, {3, 8}, 8},
                      MatchCase{"pullPreferredWhenOpen", 8, "sip:y", TelvarionApi::CallOpen, {3, 8}, 8},
                      MatchCase{"sameUriWhenNotRingingOrOpen", 9, "sip:x", TelvarionApi::CallOnHold, {9, 4}, 4},
                      MatchCase{"uriComparedExactly", 9, "SIP:x", TelvarionApi::CallOnHold, {3, 4}, 4}),
    [](const ::testing::TestParamInfo<MatchCase>& info) { return std::string(info.param.label); });

TEST_F(CallListTest, AdoptingTheCurrentCallMovesTheCurrentId)
{
    addCall(call(6, "sip:same"), TelvarionApi::CallRinging);
    deliver({Event::callStateChanged(call(11, "sip:same"), TelvarionApi::CallOnHold)});
    EXPECT_EQ(contactIds(*m_Link), std::vector<std::int32_t>{11});
    EXPECT_EQ(m_Link->GetCurrentCallContactId(), 11);
    EXPECT_TRUE(logHas("we found another call with the same uri, so deducing that this call is that one"));
}

TEST_F(CallListTest, EventForUnknownCallChangesNothing)
{
    addCall(call(3, "sip:x"), TelvarionApi::CallOpen);
    m_Journal->entries.clear();
    deliver({Event::callStateChanged(call(9, "sip:other"), TelvarionApi::CallClosed)});
    EXPECT_TRUE(logHas("[ERROR] [00000004] "));
    EXPECT_TRUE(logHas("Received a state change for a call that does not exist. Call state 0, call contact id 9"));
    EXPECT_EQ(contactIds(*m_Link), std::vector<std::int32_t>{3});
    EXPECT_EQ(m_Link->GetCurrentCallState(), TelvarionApi::CallOpen);
    EXPECT_TRUE(m_Journal->entries == std::vector<std::string>{"a:Run"});
}

TEST_F(CallListTest, UnknownStateIsLoggedAndKeepsTheCall)
{
    addCall(call(3, "sip:x"), TelvarionApi::CallOpen);
    deliver({Event::callStateChanged(call(3, "sip:x"), 17)});
    EXPECT_TRUE(logHas("Call state INVALID!"));
    EXPECT_TRUE(logHas("The call state is unknown"));
    EXPECT_EQ(m_Link->GetCurrentCallState(), TelvarionApi::CallOpen);
}

struct ReselectCase
{
    const char* label;
    std::vector<std::int32_t> otherStates; // of the calls listed before the current one
    std::int32_t closedId;                 // the current call is always id 1
    std::int32_t expectedCurrent;
    bool expectChange;
};

class CurrentCallReselection : public CallListTest, public ::testing::WithParamInterface<ReselectCase>
{
};

TEST_P(CurrentCallReselection, ChoosesRingingThenOpen)
{
    const ReselectCase& c = GetParam();
    std::int32_t id = 10;
    for (const std::int32_t state : c.otherStates)
        addCall(call(id, ("sip:" + std::to_string(id)).c_str()), state), ++id;
    addCall(call(1, "sip:1"), TelvarionApi::CallOpen);
    ASSERT_EQ(m_Link->GetCurrentCallContactId(), 1);
    m_Journal->entries.clear();

    deliver({Event::callStateChanged(call(c.closedId, ("sip:" + std::to_string(c.closedId)).c_str()),
                                     TelvarionApi::CallClosed)});
    EXPECT_EQ(m_Link->GetCurrentCallContactId(), c.expectedCurrent);
    EXPECT_EQ(m_Journal->count("a:OnActiveCallChanged"), c.expectChange ? 1 : 0);
    EXPECT_EQ(m_Journal->entries.front().rfind("a:OnCallClosed", 0), 0u);
    EXPECT_EQ(m_Link->GetCallCount(), static_cast<unsigned>(c.otherStates.size() + 1 - 1));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CurrentCallReselection,
    ::testing::Values(ReselectCase{"lastCallLeavesNone", {}, 1, 0, true},
                      ReselectCase{"singleRemainingCall", {TelvarionApi::CallOnHold}, 1, 10, true},
                      ReselectCase{"ringingBeforeOpen", {TelvarionApi::CallOpen, TelvarionApi::CallRinging}, 1, 11, true},
                      ReselectCase{"openBeforeHeld", {TelvarionApi::CallOnHold, TelvarionApi::CallOpen}, 1, 11, true},
                      ReselectCase{"onlyHeldCallsLeaveNone",
                                   {TelvarionApi::CallOnHold, TelvarionApi::CallOnHoldByPeer}, 1, 0, true},
                      ReselectCase{"closingAnotherCallKeepsCurrent", {TelvarionApi::CallOnHold}, 10, 1, false}),
    [](const ::testing::TestParamInfo<ReselectCase>& info) { return std::string(info.param.label); });

struct NameCase
{
    const char* label;
    TelvarionApi::ContactProperties properties;
    Platform::WString expected;
};

class ContactName : public CallListTest, public ::testing::WithParamInterface<NameCase>
{
};

TEST_P(ContactName, RanksTheProperties)
{
    addCall(call(7, "sip:7"), TelvarionApi::CallRinging);
    m_Journal->entries.clear();
    deliver({Event::contactProperties(7, GetParam().properties)});
    EXPECT_EQ(Platform::WString(m_Link->GetCurrentCallName()), GetParam().expected);
    EXPECT_EQ(m_Journal->count("a:OnContactProperties " + Platform::wideToUtf8(GetParam().expected.c_str()) + " 7"), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ContactName,
    ::testing::Values(
        NameCase{"nothingKnown", {{"Email", "a@b"}, {"WorkPhone", ""}}, u"Unknown"},
        NameCase{"phone", {{"WorkPhone", "+49 30 1"}}, u"+49 30 1"},
        NameCase{"jidOverPhone", {{"Jid", "ann@x"}, {"WorkPhone", "+1"}}, u"ann@x"},
        NameCase{"lastBlankFirst", {{"FirstName", "Ann"}, {"Jid", "ann@x"}, {"LastName", "Lee"}}, u"Lee Ann"},
        NameCase{"firstOnly", {{"FirstName", "Ann"}}, u"Ann"},
        NameCase{"displayNameStopsTheWalk", {{"FirstName", "Ann"}, {"DisplayName", "Boss"}, {"LastName", "Lee"}},
                 u"Boss"},
        NameCase{"displayNameFirst", {{"DisplayName", "Boss"}, {"FirstName", "Ann"}}, u"Boss"},
        NameCase{"emptyDisplayNameSkipped", {{"LastName", "Lee"}, {"DisplayName", ""}, {"FirstName", "Ann"}},
                 u"Lee Ann"},
        NameCase{"utf8Decoded", {{"FirstName", "J\xC3\xBCrgen"}, {"LastName", "M\xC3\xBCller"}},
                 u"M\u00FCller J\u00FCrgen"},
        NameCase{"malformedPartDropped", {{"FirstName", "Ann"}, {"LastName", "L\xFF"}}, u"Ann"},
        NameCase{"cutTo24Characters",
                 {{"LastName", "Abcdefghijklmnopqrstuvwxyz"}, {"FirstName", "Q"}},
                 u"Abcdefghijklmnopqrstuvwx"},
        NameCase{"cutKeepsWholeCharacters",
                 {{"LastName", "Abcdefghijklmnopqrstuv"}, {"FirstName", "\xF0\x9F\x98\x80"}},
                 u"Abcdefghijklmnopqrstuv "},
        NameCase{"displayNameUtf8CutAt25Bytes",
                 {{"DisplayName", "\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4"
                                  "\xC3\xA4\xC3\xA4\xC3\xA4"}},
                 u"\u00E4\u00E4\u00E4\u00E4\u00E4\u00E4\u00E4\u00E4\u00E4\u00E4\u00E4\u00E4"}),
    [](const ::testing::TestParamInfo<NameCase>& info) { return std::string(info.param.label); });

TEST_F(CallListTest, LocalUserNameAndPresence)
{
    deliver({Event::contactProperties(0, {{"DisplayName", "Me"}})});
    EXPECT_EQ(utf8(m_Link->GetLocalUserName()), "Me");
    ASSERT_EQ(commands(CommandKind::RequestContactPresence).size(), 1u);
    EXPECT_EQ(commands(CommandKind::RequestContactPresence)[0].number, 0);

    const std::vector<std::pair<std::int32_t, std::string>> states = {
        {0, "Offline"}, {1, "Available"}, {2, "Chatty"}, {3, "Away"}, {4, "ExtendedAway"},
        {5, "Busy"}, {6, "Busy in call"}, {7, "Busy in meeting"}, {8, ""}};
    for (const auto& [state, text] : states) {
        m_Journal->entries.clear();
        deliver({Event::contactPresence(TelvarionApi::Presence(0, state))});
        EXPECT_EQ(utf8(m_Link->GetLocalPresenceText()), text) << state;
        EXPECT_TRUE(m_Journal->has("a:OnContactPresence " + text + " 1 0")) << state;
    }

    deliver({Event::contactPresence(TelvarionApi::Presence(0, 5)),
             Event::contactPresence(TelvarionApi::Presence(42, 0))});
    EXPECT_EQ(utf8(m_Link->GetLocalPresenceText()), "Busy");
    EXPECT_TRUE(m_Journal->has("a:OnContactPresence Busy 0 0"));
}

TEST_F(CallListTest, HandlersSeeTheNameOfTheCallThatCloses)
{
    addCall(call(7, "sip:7"), TelvarionApi::CallRinging);
    deliver({Event::contactProperties(7, {{"DisplayName", "Ann"}})});
    deliver({Event::callStateChanged(call(7, "sip:7"), TelvarionApi::CallOpen),
             Event::callStateChanged(call(7, "sip:7"), TelvarionApi::CallOnHoldByPeer),
             Event::callStateChanged(call(7, "sip:7"), TelvarionApi::CallClosed)});
    EXPECT_TRUE(m_Journal->has("a:OnCallOpened Ann"));
    EXPECT_TRUE(m_Journal->has("a:OnCallHoldByPeer Ann"));
    EXPECT_TRUE(m_Journal->has("a:OnCallClosed Ann"));
    EXPECT_EQ(m_Link->GetCallCount(), 0u);
    EXPECT_EQ(m_Link->GetCurrentCallName(), nullptr);
}

} // namespace
} // namespace ConnectorTest
