// The add-ins' side of the client's local socket, against a scripted client: what goes out
// is one line per command, what comes in is checked, and a client that goes away is
// reported and found again.

#include "TelvarionApi/api.h"
#include "TelvarionApi/api_log.h"
#include "TelvarionApi/socket_transport.h"
#include "TelvarionApi/transport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <ostream>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace TelvarionApi;

// A client that listens on a socket of its own and talks raw lines.
class ScriptedClient
{
public:
    ScriptedClient()
    {
        char folder[] = "/tmp/telvarion_api_socket_XXXXXX";
        m_Folder = mkdtemp(folder);
        m_Path = m_Folder + "/api";
        listenAgain();
    }

    ~ScriptedClient()
    {
        closeAll();
        ::unlink(m_Path.c_str());
        ::rmdir(m_Folder.c_str());
    }

    const std::string& path() const { return m_Path; }

    void listenAgain()
    {
        m_Listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        m_Path.copy(address.sun_path, sizeof(address.sun_path) - 1);
        ::unlink(m_Path.c_str());
        EXPECT_EQ(::bind(m_Listener, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        EXPECT_EQ(::listen(m_Listener, 4), 0);
    }

    // The connection the connector has already made (connects complete into the backlog).
    bool accept(int timeoutMs = 5000)
    {
        pollfd wait{m_Listener, POLLIN, 0};
        if (::poll(&wait, 1, timeoutMs) != 1)
            return false;
        m_Peer = ::accept(m_Listener, nullptr, nullptr);
        return m_Peer >= 0;
    }

    std::string readLine()
    {
        std::string line;
        char byte = 0;
        pollfd wait{m_Peer, POLLIN, 0};
        while (::poll(&wait, 1, 5000) == 1 && ::read(m_Peer, &byte, 1) == 1 && byte != '\n')
            line += byte;
        return line;
    }

    void write(const std::string& bytes) { ASSERT_EQ(::write(m_Peer, bytes.data(), bytes.size()), ssize_t(bytes.size())); }

    void closeAll()
    {
        for (int* fd : {&m_Peer, &m_Listener}) {
            if (*fd >= 0)
                ::close(*fd);
            *fd = -1;
        }
    }

private:
    std::string m_Folder;
    std::string m_Path;
    int m_Listener = -1;
    int m_Peer = -1;
};

class Events : public ApiObserver
{
public:
    std::vector<std::string> seen;

    void connectionStateChange(std::int32_t state) override { seen.push_back("state " + std::to_string(state)); }
    void signedOut() override { seen.push_back("signedOut"); }
    void applicationLanguage(const String& language) override { seen.push_back("language " + language.str()); }
    void sessionCapabilities(std::uint32_t) override {}
    void contactProperties(std::int32_t contactId, const ContactProperties& properties, std::uint32_t) override
    {
        std::string text = "contact " + std::to_string(contactId);
        for (const auto& [key, value] : properties)
            text += " " + key.str() + "=" + value.str();
        seen.push_back(text);
    }
    void groupDetails(std::int32_t, const String&) override {}
    void contactRemoved(std::int32_t) override {}
    void groupRemoved(std::int32_t) override {}
    void contactPresence(const Presence& presence) override
    {
        seen.push_back("presence " + std::to_string(presence.contactId()) + " " + std::to_string(presence.state())
                       + " " + presence.freeText().str());
    }
    void newCall(const Call& call) override { seen.push_back("newCall " + call.uri().str()); }
    void callStateChanged(const Call& call, std::int32_t state) override
    {
        seen.push_back("callState " + call.uri().str() + " " + std::to_string(call.contactId()) + " "
                       + std::to_string(state));
    }
    void callMuteState(bool muted) override { seen.push_back(muted ? "muted" : "unmuted"); }
    void voicemailDetails(std::int32_t newMessages, std::int32_t, std::int32_t newUrgent, std::int32_t) override
    {
        seen.push_back("voicemail " + std::to_string(newMessages) + " " + std::to_string(newUrgent));
    }
    void clearLogs() override { seen.push_back("clearLogs"); }
};

class SocketTransportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const std::string path = m_Client.path();
        setTransportFactory([path] { return std::make_unique<SocketTransport>(path); });
        setLogSink([this](const std::string& line) { m_Log.push_back(line); });
        m_Api = std::make_unique<Api>(&m_Events);
    }

    void TearDown() override
    {
        m_Api.reset();
        setTransportFactory(socketTransportFactory());
        setLogSink(nullptr);
    }

    void connect()
    {
        ConnectionInfo info;
        info.setUuid("5D2E7A91");
        info.setVersion("1.0");
        info.setProperty("name", "en-US", "Polycom device");
        ASSERT_EQ(m_Api->connect(info), ResultOk);
        ASSERT_TRUE(m_Client.accept());
        ASSERT_EQ(m_Client.readLine(), "hello 1 :5D2E7A91 :1.0 1 :name :en-US :Polycom%20device");
    }

    // Processes until `count` events have arrived (the socket is local: a few turns do).
    void receive(std::size_t count)
    {
        for (int turn = 0; turn < 200 && m_Events.seen.size() < count; ++turn) {
            m_Api->processEvents();
            pollfd idle{-1, 0, 0};
            ::poll(&idle, 0, 5);
        }
    }

    ScriptedClient m_Client;
    Events m_Events;
    std::unique_ptr<Api> m_Api;
    std::vector<std::string> m_Log;
};

TEST_F(SocketTransportTest, NoClientNoConnection)
{
    m_Client.closeAll();
    ::unlink(m_Client.path().c_str());
    EXPECT_EQ(m_Api->connect(ConnectionInfo()), ResultTransportError);
}

struct CommandCase
{
    const char* name;
    std::function<ApiResult(Api&)> send;
    const char* line;
};

void PrintTo(const CommandCase& command, std::ostream* out)
{
    *out << command.name;
}

class CommandLines : public SocketTransportTest, public ::testing::WithParamInterface<CommandCase>
{
};

TEST_P(CommandLines, EachCommandIsOneLine)
{
    connect();
    EXPECT_EQ(GetParam().send(*m_Api), ResultOk);
    EXPECT_EQ(m_Client.readLine(), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    SocketTransport, CommandLines,
    ::testing::Values(
        CommandCase{"events", [](Api& api) { return api.receiveEvents(0xFFFFFFFFu); }, "events 4294967295"},
        CommandCase{"properties", [](Api& api) { return api.requestContactProperties(-1); }, "properties -1"},
        CommandCase{"presence", [](Api& api) { return api.setPresence(3, "50% out\n"); },
                    "setpresence 3 :50%25%20out%0A"},
        CommandCase{"hold", [](Api& api) { return api.holdCall(true); }, "hold 1"},
        CommandCase{"answer", [](Api& api) { return api.answerCall(); }, "answer"},
        CommandCase{"dtmf", [](Api& api) { return api.sendDTMF('#'); }, "dtmf :#"},
        CommandCase{"dial", [](Api& api) { return api.startCommunication(2, std::vector<String>{"+1 555", "b\xC3\xA9"}); },
                    "start 2 :addresses 2 :+1%20555 :b\xC3\xA9"},
        CommandCase{"voicemail", [](Api& api) { return api.startCommunication(7, std::vector<std::int32_t>{}); },
                    "start 7 :ids 0"}),
    [](const auto& info) { return std::string(info.param.name); });

struct JunkCase
{
    const char* name;
    const char* bytes;
};

void PrintTo(const JunkCase& junk, std::ostream* out)
{
    *out << junk.name;
}

class JunkLines : public SocketTransportTest, public ::testing::WithParamInterface<JunkCase>
{
};

// Junk is logged and dropped; the line after it still arrives.
TEST_P(JunkLines, AreDroppedAndTheLinkGoesOn)
{
    connect();
    m_Client.write(GetParam().bytes);
    m_Client.write("state 2\n");
    receive(1);
    EXPECT_EQ(m_Events.seen, std::vector<std::string>{"state 2"});
    ASSERT_FALSE(m_Log.empty());
    EXPECT_NE(m_Log.front().find("dropped"), std::string::npos) << m_Log.front();
}

INSTANTIATE_TEST_SUITE_P(
    SocketTransport, JunkLines,
    ::testing::Values(JunkCase{"unknown", "explode now\n"}, JunkCase{"empty", "\n"},
                      JunkCase{"stateOutOfRange", "state 3\n"}, JunkCase{"notANumber", "state two\n"},
                      JunkCase{"numberTooBig", "contactremoved 2147483648\n"},
                      JunkCase{"textWithoutColon", "language en\n"}, JunkCase{"brokenEscape", "language :e%4\n"},
                      JunkCase{"extraField", "signedout 1\n"}, JunkCase{"missingField", "callstate :bob 1 0 0\n"},
                      JunkCase{"listLongerThanSent", "contact 1 0 2 :DisplayName :Bob\n"},
                      JunkCase{"hugeList", "contact 1 0 100000\n"}, JunkCase{"doubleBlank", "mute  1\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SocketTransportTest, EventsArriveWithTheirFields)
{
    connect();
    m_Client.write("state 2\ncontact 7 0 2 :DisplayName :Bob%20L :WorkPhone :+1\nnewcall :bob 7 0 0\n"
                   "callstate :bob 7 0 0 4\npresence 0 3 :out%25 :\nmute 1\nvoicemail 2 1 1 0\nsignedout\n");
    receive(8);
    EXPECT_EQ(m_Events.seen, (std::vector<std::string>{"state 2", "contact 7 DisplayName=Bob L WorkPhone=+1",
                                                       "newCall bob", "callState bob 7 4", "presence 0 3 out%",
                                                       "muted", "voicemail 2 1", "signedOut"}));
}

TEST_F(SocketTransportTest, AnOverlongLineIsDroppedWhole)
{
    connect();
    m_Client.write("language :" + std::string(70000, 'x') + "\nstate 2\n");
    receive(1);
    EXPECT_EQ(m_Events.seen, std::vector<std::string>{"state 2"});
}

TEST_F(SocketTransportTest, AClientThatGoesAwayIsReportedOnceAndFoundAgain)
{
    connect();
    m_Client.closeAll();
    receive(1);
    m_Api->processEvents();
    EXPECT_EQ(m_Events.seen, std::vector<std::string>{"state 1"});
    EXPECT_EQ(m_Api->answerCall(), ResultNotConnected);

    // The restarted client: the connector says hello again and hears the state.
    m_Client.listenAgain();
    m_Api->processEvents();
    ASSERT_TRUE(m_Client.accept());
    EXPECT_EQ(m_Client.readLine().rfind("hello 1 :5D2E7A91", 0), 0u);
    m_Client.write("state 2\n");
    receive(2);
    EXPECT_EQ(m_Events.seen.back(), "state 2");
    EXPECT_EQ(m_Api->answerCall(), ResultOk);
    EXPECT_EQ(m_Client.readLine(), "answer");
}

TEST_F(SocketTransportTest, LastWordsArriveAndAClientThatEndsInOrderIsNotWaitedFor)
{
    connect();
    m_Client.write("signedout\nstate 0\n");
    m_Client.closeAll();
    receive(2);
    m_Api->processEvents();
    EXPECT_EQ(m_Events.seen, (std::vector<std::string>{"signedOut", "state 0"}));

    m_Client.listenAgain();
    m_Api->processEvents();
    EXPECT_FALSE(m_Client.accept(0));
}

} // namespace
