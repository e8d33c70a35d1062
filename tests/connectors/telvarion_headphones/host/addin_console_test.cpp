#include "console_commands.h"
#include "console_observer.h"

#include "TelvarionApi/api.h"
#include "TelvarionApi/test_peer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

using namespace TelvarionApi;

// What the console printed since the last call.
class Printed
{
public:
    Printed() : m_File(std::tmpfile()) {}
    ~Printed() { std::fclose(m_File); }
    std::FILE* file() const { return m_File; }

    std::string take()
    {
        std::string text;
        std::fflush(m_File);
        std::fseek(m_File, m_Read, SEEK_SET);
        for (int c = std::fgetc(m_File); c != EOF; c = std::fgetc(m_File))
            text += char(c);
        m_Read = std::ftell(m_File);
        return text;
    }

private:
    std::FILE* m_File;
    long m_Read = 0;
};

class AddinConsole : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_EQ(api.connect(ConnectionInfo()), ResultOk); }

    TestPeer peer;
    Printed printed;
    Host::ConsoleObserver observer{printed.file()};
    Api api{&observer};
    Host::ConsoleCommands commands{printed.file()};
};

struct Typed
{
    const char* line;
    const char* answer;
    int commandsSent;
};

// Every command answers: with what it sent, or how to use it when something is missing.
TEST_F(AddinConsole, EveryCommandAnswers)
{
    const Typed cases[] = {
        {"dial +15550101", "calling +15550101\n", 1},
        {"dial", "usage: dial <number or address>\n", 0},
        {"voicemail", "calling the voice mail\n", 1},
        {"dtmf 5", "sent the key 5\n", 1},
        {"dtmf", "usage: dtmf <key>\n", 0},
        {"show", "asked the client to show its window\n", 1},
        {"contact", "usage: contact <id>\n", 0},
        {"away on the shop floor", "presence set to away\n", 1},
        {"available", "presence set to available\n", 1},
        {"hold", "holding the call\n", 1},
    };
    for (const Typed& typed : cases) {
        peer.clearCommands();
        EXPECT_TRUE(commands.run(api, typed.line));
        EXPECT_EQ(printed.take(), typed.answer) << typed.line;
        EXPECT_EQ(peer.commands().size(), std::size_t(typed.commandsSent)) << typed.line;
    }
}

TEST_F(AddinConsole, RefusalsAndUnknownCommandsAreSaid)
{
    peer.setCommandResult(CommandKind::SendDtmf, ResultRejected);
    EXPECT_TRUE(commands.run(api, "dtmf #"));
    EXPECT_EQ(printed.take(), "the client did not take 'dtmf #' (error " + std::to_string(ResultRejected) + ")\n");

    EXPECT_TRUE(commands.run(api, "ring"));
    const std::string answer = printed.take();
    EXPECT_EQ(answer.rfind("unknown command 'ring'\ncommands:", 0), 0u);
    EXPECT_NE(answer.find("\n  dial <number or address>\n"), std::string::npos);
    EXPECT_FALSE(commands.run(api, "quit"));
}

// A sign-out leaves the console waiting for the next sign-in; only the client's end ends it.
TEST_F(AddinConsole, StaysThroughSignOutUntilTheClientEnds)
{
    peer.queue(Event::signedOut());
    peer.queue(Event::connectionState(Connecting));
    EXPECT_EQ(api.processEvents(), ResultOk);
    EXPECT_FALSE(observer.finished());
    EXPECT_NE(printed.take().find("waiting for the next sign-in"), std::string::npos);

    peer.queue(Event::connectionState(NotConnected));
    api.processEvents();
    EXPECT_TRUE(observer.finished());
}

} // namespace
