#include "connector_fixture.h"

#include "telvarion_headphones/logger.h"
#include "telvarion_headphones/main_loop.h"

#include <chrono>

namespace ConnectorTest {
namespace {

using TelvarionApi::CommandKind;
using TelvarionApi::Event;

TEST_F(LinkTest, SecondInitializeFailsAndLogs)
{
    connect();
    EXPECT_FALSE(m_Link->Initialize());
    EXPECT_TRUE(logHas("[ERROR] [00000004] "));
    EXPECT_TRUE(logHas("Attempt to initialize ApiCommunications twice"));
    EXPECT_FALSE(m_Link->GetExit());
    EXPECT_EQ(m_Peer.connectCount(), 1);
}

TEST_F(LinkTest, ConnectsWithTheFirstHandlerThatFillsTheInfo)
{
    addDevice("b", 0, "UUID-B");
    addDevice("c", 0, "UUID-C");
    ASSERT_TRUE(m_Link->Initialize());
    EXPECT_EQ(m_Peer.connectionInfo().uuid(), TelvarionApi::String("UUID-B"));
    EXPECT_TRUE(logHas("Found a registered device handler that reports a non-empty UUID (UUID-B) in connection info"));
    const std::vector<std::string> expected = {"a:Initialize", "b:Initialize", "c:Initialize"};
    EXPECT_EQ(m_Journal->entries, expected);
    EXPECT_EQ(m_Window.observer(), m_Link.get());
}

TEST_F(LinkTest, FailedConnectEndsTheLoopAtOnceAndDropsTheHandlers)
{
    m_Peer.setConnectResult(TelvarionApi::ResultRejected);
    Connector::runMainLoop(*m_Link, std::chrono::hours(1));
    EXPECT_TRUE(logHas("Connection info has empty UUID."));
    EXPECT_TRUE(logHas("Connector::ApiCommunications::Initialize: Connection to QOMX failed"));
    EXPECT_TRUE(logHas("Connector initialization failed, aborting"));
    EXPECT_FALSE(logHas("Starting to run the connector"));
    // Handlers are destroyed without being attached or taken down.
    EXPECT_EQ(m_Journal->entries, std::vector<std::string>{"a:destroyed"});
    EXPECT_EQ(m_Link->GetHandlerCount(), 0u);
    EXPECT_TRUE(m_Link->GetExit());
}

class LinkEnd : public LinkTest, public ::testing::WithParamInterface<std::vector<Event>>
{
};

TEST_P(LinkEnd, EndsTheLoopWithOneExit)
{
    for (const Event& event : GetParam())
        m_Peer.queue(event);
    Connector::runMainLoop(*m_Link, std::chrono::milliseconds(0));
    EXPECT_EQ(m_Journal->count("a:OnExit"), 1);
    EXPECT_EQ(m_Journal->count("a:Uninitialize"), 1);
    EXPECT_EQ(m_Journal->entries.back(), "a:destroyed");
    // The handlers' turn is skipped once the link is to stop.
    EXPECT_FALSE(m_Journal->has("a:Run"));
    EXPECT_TRUE(logHas("Stopping to run the connector"));
    EXPECT_TRUE(m_Link->GetExit());
    EXPECT_FALSE(m_Peer.isOpen());
}

INSTANTIATE_TEST_SUITE_P(Events, LinkEnd,
                         ::testing::Values(std::vector<Event>{Event::connectionState(TelvarionApi::NotConnected)},
                                           std::vector<Event>{Event::signedOut()},
                                           std::vector<Event>{Event::signedOut(),
                                                              Event::connectionState(TelvarionApi::NotConnected)}));

TEST_F(LinkTest, ConnectedSendsTheHandlersMaskAndAsksForTheLocalUser)
{
    addDevice("b", 0x12);
    addDevice("c", 0x21);
    ASSERT_TRUE(m_Link->Initialize());
    m_Peer.setCommandResult(CommandKind::ReceiveEvents, TelvarionApi::ResultRejected);
    deliver({Event::connectionState(TelvarionApi::Connecting), Event::connectionState(TelvarionApi::Connected)});

    const auto commands = m_Peer.commands();
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0].kind, CommandKind::ReceiveEvents);
    EXPECT_EQ(commands[0].number, 0x33);
    EXPECT_EQ(commands[1].kind, CommandKind::RequestContactProperties);
    EXPECT_EQ(commands[1].number, 0);
    EXPECT_TRUE(logHas("Setting the interesting events with QOMX did not succeed."));
    EXPECT_TRUE(m_Journal->has("a:OnConnecting"));
    EXPECT_TRUE(m_Journal->has("c:OnConnected"));
    EXPECT_TRUE(m_Journal->has("c:Run"));
}

TEST_F(LinkTest, HandlerSlotsAreLimited)
{
    for (unsigned i = 1; i < Connector::ApiCommunications::MaxHandlers; ++i)
        addDevice("x");
    RecordingDevice extra(m_Journal, "extra");
    EXPECT_FALSE(m_Link->AddDeviceHandler(&extra));
    EXPECT_FALSE(m_Link->AddDeviceHandler(nullptr));
    EXPECT_EQ(m_Link->GetHandlerCount(), Connector::ApiCommunications::MaxHandlers);
}

TEST_F(LinkTest, CommandsReachTheClient)
{
    connect();
    m_Link->SetAway(true);
    m_Link->SetVolume(false);
    m_Link->SetHold(true);
    m_Link->AnswerCall();
    m_Link->HangupCall();
    m_Link->SendDTMF('5');
    m_Link->CallToVoiceMail();
    m_Link->MakeCall(u"12\u0133#");

    const auto commands = m_Peer.commands();
    ASSERT_EQ(commands.size(), 8u);
    EXPECT_EQ(commands[0].kind, CommandKind::SetPresence);
    EXPECT_EQ(commands[0].number, TelvarionApi::PresenceAway);
    EXPECT_TRUE(commands[0].text.empty());
    EXPECT_EQ(commands[1].kind, CommandKind::SetCallVolume);
    EXPECT_FALSE(commands[1].flag);
    EXPECT_EQ(commands[2].kind, CommandKind::HoldCall);
    EXPECT_EQ(commands[3].kind, CommandKind::AnswerCall);
    EXPECT_EQ(commands[4].kind, CommandKind::HangupCall);
    EXPECT_EQ(commands[5].character, '5');
    EXPECT_EQ(commands[6].number, TelvarionApi::CommunicationVoiceMail);
    EXPECT_TRUE(commands[6].contactIds.empty());
    EXPECT_EQ(commands[7].number, TelvarionApi::CommunicationCall);
    ASSERT_EQ(commands[7].addresses.size(), 1u);
    EXPECT_EQ(commands[7].addresses[0], TelvarionApi::String("12\x33#")); // low bytes only
}

TEST_F(LinkTest, FailedCommandsAreLoggedAndMuteFollowsSuccessOnly)
{
    connect();
    m_Link->SetMute(true);
    EXPECT_TRUE(m_Link->IsMuted());
    m_Peer.setCommandResult(CommandKind::MuteCall, TelvarionApi::ResultRejected);
    m_Peer.setCommandResult(CommandKind::StartCommunication, TelvarionApi::ResultRejected);
    m_Link->SetMute(false);
    EXPECT_TRUE(m_Link->IsMuted());
    m_Link->MakeCall(u"0815");
    EXPECT_TRUE(logHas("Connector::ApiCommunications::SetMute: Unmuting the call did not succeed with QOMX. Error 4"));
    EXPECT_TRUE(logHas("Connector::ApiCommunications::MakeCall: Making a call to 0815 did not succeed with QOMX. Error 4"));
}

TEST_F(LinkTest, CommandsBeforeInitializeFailSafely)
{
    m_Link->AnswerCall();
    m_Link->MakeCall(nullptr);
    EXPECT_FALSE(m_Link->Run());
    EXPECT_TRUE(logHas("Answering the call did not succeed with QOMX. Error 1"));
    EXPECT_TRUE(m_Peer.commands().empty());
}

TEST_F(LinkTest, ClientNoticesReachEveryHandler)
{
    connect();
    deliver({Event::callMuteState(true), Event::voicemailDetails(2, 5, 1, 7), Event::applicationLanguage("Deutsch"),
             Event::sessionCapabilities(0x1F), Event::contactRemoved(3)});
    EXPECT_TRUE(m_Journal->has("a:OnCallMuteState 1"));
    EXPECT_TRUE(m_Link->IsMuted());
    EXPECT_TRUE(m_Journal->has("a:OnVoiceMail 3"));
    EXPECT_TRUE(m_Journal->has("a:OnApplicationLanguage Deutsch"));
    EXPECT_TRUE(logHas("Connector::ApiCommunications::sessionCapabilities: 0x1f"));
    EXPECT_TRUE(logHas("Connector::ApiCommunications::voicemailDetails: new: 2, old: 5, new urgent: 1, old urgent: 7"));
}

TEST_F(LinkTest, ResumeFromSleepRefreshesTheLocalUser)
{
    connect();
    m_Window.postMessage(Connector::Window::PowerBroadcast, 4); // suspend: nothing to do
    m_Window.postMessage(0x10, 7);                              // not a power message
    m_Link->Run();
    EXPECT_FALSE(m_Journal->has("a:OnSystemResume"));
    EXPECT_TRUE(m_Peer.commands().empty());

    m_Window.postMessage(Connector::Window::PowerBroadcast, Connector::Window::PowerResumeSuspend);
    m_Link->Run();
    EXPECT_TRUE(m_Journal->has("a:OnSystemResume"));
    const auto requests = commands(CommandKind::RequestContactProperties);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].number, 0);
    EXPECT_TRUE(logHas("Connector::Window::PowerBroadcast, WM_POWERBROADCAST. wParam=0x0007"));
}

TEST_F(LinkTest, ProcessFailureIsLoggedAndTheLoopGoesOn)
{
    connect();
    m_Peer.setProcessResult(TelvarionApi::ResultTransportError);
    EXPECT_TRUE(m_Link->Run());
    EXPECT_TRUE(logHas("Connector::ApiCommunications::Run: Api processEvents returned 5"));
}

TEST(DeviceBase, AttachesOnceAndAddsNothingToTheConnection)
{
    auto journal = std::make_shared<Journal>();
    Connector::Window window(nullptr);
    Connector::ApiCommunications first(window);
    Connector::ApiCommunications second(window);
    RecordingDevice device(journal, "d");
    EXPECT_FALSE(device.Initialize(nullptr));
    EXPECT_TRUE(device.Initialize(&first));
    EXPECT_FALSE(device.Initialize(&second));

    struct PlainDevice : Connector::Device
    {
        void Uninitialize() override {}
        void OnCallHoldByPeer(const WChar*) override {}
        void OnContactPresence(const WChar*, bool, std::uint32_t) override {}
        void OnContactProperties(const WChar*, std::int32_t) override {}
        void OnExit() override {}
    } plain;
    TelvarionApi::ConnectionInfo info;
    info.setUuid("stale");
    EXPECT_FALSE(plain.GetConnectionInfo(info));
    EXPECT_TRUE(info.uuid().empty());
    EXPECT_EQ(plain.GetEventMask(), 0u);
    EXPECT_STREQ(plain.GetLogFileName(), "TelvarionHeadphonesLog.txt");
    EXPECT_TRUE(plain.Run());
}

} // namespace
} // namespace ConnectorTest
