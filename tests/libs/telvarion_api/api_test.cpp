#include "TelvarionApi/api.h"
#include "TelvarionApi/test_peer.h"
#include "TelvarionApi/transport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace TelvarionApi;

// Writes each event it receives as one text, so a test can compare the whole sequence.
class RecordingObserver : public ApiObserver
{
public:
    std::vector<std::string> seen;

    void connectionStateChange(std::int32_t state) override { add("state " + std::to_string(state)); }
    void signedOut() override { add("signedOut"); }
    void applicationLanguage(const String& language) override { add("language " + language.str()); }
    void sessionCapabilities(std::uint32_t capabilities) override { add("capabilities " + std::to_string(capabilities)); }
    void contactProperties(std::int32_t contactId, const ContactProperties& properties, std::uint32_t caps) override
    {
        std::string text = "properties " + std::to_string(contactId) + " " + std::to_string(caps);
        for (const auto& [key, value] : properties)
            text += " " + key.str() + "=" + value.str();
        add(text);
    }
    void groupDetails(std::int32_t groupId, const String& name) override
    {
        add("group " + std::to_string(groupId) + " " + name.str());
    }
    void contactRemoved(std::int32_t contactId) override { add("contactRemoved " + std::to_string(contactId)); }
    void groupRemoved(std::int32_t groupId) override { add("groupRemoved " + std::to_string(groupId)); }
    void contactPresence(const Presence& p) override
    {
        add("presence " + std::to_string(p.contactId()) + " " + std::to_string(p.state()) + " " + p.freeText().str()
            + " " + p.location().str());
    }
    void newCall(const Call& c) override { add("newCall " + describe(c)); }
    void callStateChanged(const Call& c, std::int32_t state) override
    {
        add("callState " + describe(c) + " " + std::to_string(state));
    }
    void callMuteState(bool muted) override { add(muted ? "muted" : "unmuted"); }
    void voicemailDetails(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d) override
    {
        add("voicemail " + std::to_string(a) + std::to_string(b) + std::to_string(c) + std::to_string(d));
    }
    void clearLogs() override { add("clearLogs"); }

private:
    static std::string describe(const Call& c)
    {
        return c.uri().str() + " " + std::to_string(c.contactId()) + " " + std::to_string(c.direction()) + " "
            + std::to_string(c.type());
    }
    void add(std::string text) { seen.push_back(std::move(text)); }
};

TEST(Api, WithoutTransportNothingConnects)
{
    setTransportFactory(nullptr);
    RecordingObserver observer;
    Api api(&observer);
    EXPECT_EQ(api.connect(ConnectionInfo()), ResultNoTransport);
    EXPECT_EQ(api.answerCall(), ResultNotConnected);
    EXPECT_EQ(api.processEvents(), ResultNotConnected);
}

TEST(Api, FailedConnectSendsNothing)
{
    TestPeer peer;
    peer.setConnectResult(ResultRejected);
    RecordingObserver observer;
    Api api(&observer);
    EXPECT_EQ(api.connect(ConnectionInfo()), ResultRejected);
    EXPECT_EQ(api.hangupCall(), ResultNotConnected);
    peer.queue(Event::signedOut());
    EXPECT_EQ(api.processEvents(), ResultNotConnected);
    EXPECT_TRUE(observer.seen.empty());
    EXPECT_TRUE(peer.commands().empty());
}

TEST(Api, CommandsReachThePeerWithTheirArguments)
{
    TestPeer peer;
    RecordingObserver observer;
    Api api(&observer);
    ConnectionInfo info;
    info.setUuid("uuid-1");
    info.setVersion("1.0.0");
    info.setProperty("name", "en", "Device");
    ASSERT_EQ(api.connect(info), ResultOk);
    EXPECT_TRUE(peer.isOpen());
    EXPECT_EQ(peer.connectionInfo().uuid(), String("uuid-1"));
    EXPECT_EQ(peer.connectionInfo().properties().at("name").value, String("Device"));

    peer.setCommandResult(CommandKind::HoldCall, ResultRejected);
    EXPECT_EQ(api.receiveEvents(0x12), ResultOk);
    EXPECT_EQ(api.setPresence(PresenceAway, "gone"), ResultOk);
    EXPECT_EQ(api.holdCall(true), ResultRejected);
    EXPECT_EQ(api.sendDTMF('#'), ResultOk);
    EXPECT_EQ(api.startCommunication(CommunicationCall, std::vector<String>{"123"}), ResultOk);
    EXPECT_EQ(api.startCommunication(CommunicationVoiceMail, std::vector<std::int32_t>{}), ResultOk);

    const std::vector<Command> commands = peer.commands();
    ASSERT_EQ(commands.size(), 6u);
    EXPECT_EQ(commands[0].kind, CommandKind::ReceiveEvents);
    EXPECT_EQ(commands[0].number, 0x12);
    EXPECT_EQ(commands[1].number, PresenceAway);
    EXPECT_EQ(commands[1].text, String("gone"));
    EXPECT_TRUE(commands[2].flag);
    EXPECT_EQ(commands[3].character, '#');
    EXPECT_EQ(commands[4].number, CommunicationCall);
    ASSERT_EQ(commands[4].addresses.size(), 1u);
    EXPECT_EQ(commands[4].addresses[0], String("123"));
    EXPECT_EQ(commands[5].number, CommunicationVoiceMail);
    EXPECT_TRUE(commands[5].contactIds.empty());
}

TEST(Api, QueuedEventsArriveInOrderOnlyInsideProcessEvents)
{
    TestPeer peer;
    RecordingObserver observer;
    Api api(&observer);
    ASSERT_EQ(api.connect(ConnectionInfo()), ResultOk);

    const Call call("sip:a@b", 5, CallOutgoing, CallVideo);
    peer.queue(Event::connectionState(Connected));
    peer.queue(Event::signedOut());
    peer.queue(Event::applicationLanguage("de"));
    peer.queue(Event::sessionCapabilities(3));
    peer.queue(Event::contactProperties(4, {{"FirstName", "Ann"}}, 9));
    peer.queue(Event::groupDetails(2, "Team"));
    peer.queue(Event::contactRemoved(4));
    peer.queue(Event::groupRemoved(2));
    peer.queue(Event::contactPresence(Presence(0, PresenceBusy, "free", "here")));
    peer.queue(Event::newCall(call));
    peer.queue(Event::callStateChanged(call, CallOpen));
    peer.queue(Event::callMuteState(true));
    peer.queue(Event::voicemailDetails(1, 2, 3, 4));
    peer.queue(Event::clearLogs());
    EXPECT_TRUE(observer.seen.empty());

    peer.setProcessResult(ResultTransportError);
    EXPECT_EQ(api.processEvents(), ResultTransportError);
    const std::vector<std::string> expected = {
        "state 2",       "signedOut",          "language de",       "capabilities 3",
        "properties 4 9 FirstName=Ann",        "group 2 Team",      "contactRemoved 4",
        "groupRemoved 2", "presence 0 5 free here", "newCall sip:a@b 5 1 1", "callState sip:a@b 5 1 1 2",
        "muted",         "voicemail 1234",     "clearLogs"};
    EXPECT_EQ(observer.seen, expected);

    observer.seen.clear();
    peer.setProcessResult(ResultOk);
    EXPECT_EQ(api.processEvents(), ResultOk);
    EXPECT_TRUE(observer.seen.empty());
}

TEST(Api, DestructionClosesTheLink)
{
    TestPeer peer;
    {
        Api api(nullptr);
        ASSERT_EQ(api.connect(ConnectionInfo()), ResultOk);
        peer.queue(Event::signedOut());
        EXPECT_EQ(api.processEvents(), ResultOk); // no observer: events are dropped safely
    }
    EXPECT_FALSE(peer.isOpen());
    EXPECT_EQ(peer.connectCount(), 1);
}

} // namespace
