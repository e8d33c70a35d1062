// A scripted desk phone against the in-process client, run by the connector's own main loop:
// the handset is lifted, a number dialled, a call comes in, is answered and hung up.

#include "phone_fixture.h"
#include "polyphone_fixture.h"

#include "telvarion_headphones/main_loop.h"

#include "TelvarionApi/event.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>

namespace PhoneFixture {
namespace {

using Connector::Polyphone;
using TelvarionApi::Call;
using TelvarionApi::CommandKind;
using TelvarionApi::Event;

// What the phone and the client showed after one step of the script.
struct Snapshot
{
    std::string step;
    Display display;
    std::vector<TelvarionApi::Command> commands;
    int dialToneOpen = 0;
};

struct Transcript
{
    std::vector<Snapshot> snapshots;
    bool finished = false;

    const Snapshot& after(const std::string& step) const
    {
        for (const Snapshot& snapshot : snapshots)
            if (snapshot.step == step)
                return snapshot;
        static const Snapshot none;
        ADD_FAILURE() << "no step " << step;
        return none;
    }
};

// The person at the phone and the client at the other end, one step per main-loop turn.
// It is registered after the phone, so each step sees what the phone did in that turn.
class Script : public Connector::Device
{
public:
    struct Step
    {
        std::string name;
        std::function<void()> action;
    };

    Script(Transcript& transcript, HidPlatform::FakeNode& node, TelvarionApi::TestPeer& peer, Audio::NullBackend& audio,
           FakeClock& clock, const Polyphone& phone, std::vector<Step> steps)
        : m_Transcript(transcript), m_Node(node), m_Peer(peer), m_Audio(audio), m_Clock(clock), m_Phone(phone),
          m_Steps(std::move(steps))
    {
    }

    bool Run() override
    {
        m_Display.applyAll(m_Node.outputs());
        m_Node.clearCaptured();
        m_Clock.advance(200);
        if (m_Phone.stage() != Connector::Hid::DeviceReady)
            return true;
        if (m_Next > 0) {
            m_Transcript.snapshots.push_back(Snapshot{m_Steps[m_Next - 1].name, m_Display, m_Peer.commands(), m_Audio.openNow()});
            m_Peer.clearCommands();
            narrate(m_Transcript.snapshots.back());
        }
        if (m_Next == m_Steps.size()) {
            m_Transcript.finished = true;
            m_Peer.queue(Event::signedOut());
        } else if (++m_Turns > 100) {
            m_Peer.queue(Event::signedOut()); // never loop for ever
        } else {
            m_Steps[m_Next++].action();
        }
        return true;
    }

    void Uninitialize() override {}
    void OnCallHoldByPeer(const Connector::WChar*) override {}
    void OnContactPresence(const Connector::WChar*, bool, std::uint32_t) override {}
    void OnContactProperties(const Connector::WChar*, std::int32_t) override {}
    void OnExit() override {}

private:
    static void narrate(const Snapshot& snapshot)
    {
        if (std::getenv("PHONE_DEMO") == nullptr)
            return;
        static const char* const names[] = {"",      "user",       "presence", "date",     "time",   "status",
                                            "party", "party info", "other",    "duration", "number", "party number"};
        const Display& d = snapshot.display;
        std::cout << "\n== " << snapshot.step << "\n   phone: screen " << d.screen << (d.ringer ? ", RINGING" : "")
                  << (d.offHookLed ? ", off hook" : ", on hook") << (snapshot.dialToneOpen ? ", dial tone" : "") << "\n";
        for (const auto& field : d.fields)
            if (!field.second.empty())
                std::cout << "   " << names[field.first] << ": " << d.field(field.first) << "\n";
        for (const TelvarionApi::Command& command : snapshot.commands) {
            switch (command.kind) {
            case CommandKind::StartCommunication:
                std::cout << "   client received: call "
                          << (command.addresses.empty() ? std::string("voice mail") : command.addresses.front().str()) << "\n";
                break;
            case CommandKind::AnswerCall: std::cout << "   client received: answer\n"; break;
            case CommandKind::HangupCall: std::cout << "   client received: hang up\n"; break;
            case CommandKind::SendDtmf: std::cout << "   client received: DTMF " << command.character << "\n"; break;
            default: break;
            }
        }
    }

    Transcript& m_Transcript;
    HidPlatform::FakeNode& m_Node;
    TelvarionApi::TestPeer& m_Peer;
    Audio::NullBackend& m_Audio;
    FakeClock& m_Clock;
    const Polyphone& m_Phone;
    std::vector<Step> m_Steps;
    std::size_t m_Next = 0;
    int m_Turns = 0;
    Display m_Display;
};

std::vector<std::uint8_t> hook(bool offHook)
{
    Buttons buttons;
    buttons.hookOff = offHook;
    return inputReport(buttons);
}

void dial(HidPlatform::FakeNode& node, const std::string& number)
{
    static const std::string keyCharacters = "0123456789*#A";
    for (char c : number) {
        Buttons pressed;
        pressed.hookOff = true;
        pressed.key = static_cast<int>(keyCharacters.find(c));
        node.inject(inputReport(pressed));
        node.inject(hook(true));
    }
}

std::string dialled(const Snapshot& snapshot)
{
    for (const TelvarionApi::Command& command : snapshot.commands)
        if (command.kind == CommandKind::StartCommunication && !command.addresses.empty())
            return command.addresses.front().str();
    return std::string();
}

int count(const Snapshot& snapshot, CommandKind kind)
{
    int found = 0;
    for (const TelvarionApi::Command& command : snapshot.commands)
        found += command.kind == kind ? 1 : 0;
    return found;
}

TEST(PhoneEndToEnd, DialsAnswersAndHangsUpThroughTheConnectorLoop)
{
    char folder[] = "/tmp/polyphone_e2e_XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);

    TelvarionApi::TestPeer peer;
    HidPlatform::FakeBackend hid;
    HidPlatform::FakeNode::Spec spec;
    spec.vendorId = VendorId;
    spec.productId = ProductId;
    spec.name = "Polycom desk phone";
    spec.descriptor = descriptor();
    std::shared_ptr<HidPlatform::FakeNode> node = hid.addNode(spec);
    auto audio = std::make_shared<Audio::NullBackend>();
    FakeClock clock;
    Connector::Window window(nullptr);
    Connector::ApiCommunications link(window);
    auto* phone = new Polyphone(hid, audio, clock, std::string(folder) + "/lastdial.txt");
    ASSERT_TRUE(link.AddDeviceHandler(phone));

    const Call outgoing("sip:2010@example.org", 42, TelvarionApi::CallOutgoing, TelvarionApi::CallAudio);
    const Call incoming("sip:ada@example.org", 7, TelvarionApi::CallIncoming, TelvarionApi::CallAudio);
    Transcript transcript;
    std::vector<Script::Step> steps{
        {"the handset is lifted", [&] { node->inject(hook(true)); }},
        {"2010# is dialled", [&] { dial(*node, "2010#"); }},
        {"the client calls out",
         [&] {
             peer.queue(Event::newCall(outgoing));
             peer.queue(Event::callStateChanged(outgoing, TelvarionApi::CallRinging));
         }},
        {"nobody answers and the handset goes down",
         [&] {
             peer.queue(Event::callStateChanged(outgoing, TelvarionApi::CallClosed));
             node->inject(hook(false));
         }},
        {"Ada calls",
         [&] {
             peer.queue(Event::newCall(incoming));
             peer.queue(Event::callStateChanged(incoming, TelvarionApi::CallRinging));
             peer.queue(Event::contactProperties(7, {{"FirstName", "Ada"}, {"LastName", "Lovelace"}, {"DisplayName", "Ada Lovelace"}}));
         }},
        {"the handset is lifted to answer", [&] { node->inject(hook(true)); }},
        {"the call is open", [&] { peer.queue(Event::callStateChanged(incoming, TelvarionApi::CallOpen)); }},
        {"the handset goes down", [&] { node->inject(hook(false)); }},
        {"the call ends", [&] { peer.queue(Event::callStateChanged(incoming, TelvarionApi::CallClosed)); }},
    };
    ASSERT_TRUE(link.AddDeviceHandler(new Script(transcript, *node, peer, *audio, clock, *phone, std::move(steps))));
    peer.queue(Event::connectionState(2));
    peer.queue(Event::contactProperties(0, {{"DisplayName", "Dana Desk"}}));
    peer.queue(Event::contactPresence(TelvarionApi::Presence(0, 1)));

    Connector::runMainLoop(link, std::chrono::milliseconds(0));

    ASSERT_TRUE(transcript.finished);
    EXPECT_TRUE(link.GetExit());

    const Snapshot& lifted = transcript.after("the handset is lifted");
    EXPECT_EQ(lifted.display.screen, Polyphone::DialScreen);
    EXPECT_EQ(lifted.display.field(Polyphone::CallStatus), "Enter a number to dial");
    EXPECT_EQ(lifted.dialToneOpen, 1);

    const Snapshot& dialling = transcript.after("2010# is dialled");
    EXPECT_EQ(dialled(dialling), "2010");
    EXPECT_EQ(dialling.display.field(Polyphone::Number), "2010");
    EXPECT_EQ(dialling.dialToneOpen, 0);

    const Snapshot& calling = transcript.after("the client calls out");
    EXPECT_EQ(calling.display.screen, Polyphone::CallingScreen);
    EXPECT_EQ(calling.display.field(Polyphone::CallStatus), "Calling");

    const Snapshot& home = transcript.after("nobody answers and the handset goes down");
    EXPECT_EQ(home.display.screen, Polyphone::HomeScreen);
    EXPECT_EQ(home.display.field(Polyphone::LocalUserName), "Dana Desk");
    EXPECT_EQ(home.display.field(Polyphone::LocalUserInfo), "Available");

    const Snapshot& ringing = transcript.after("Ada calls");
    EXPECT_TRUE(ringing.display.ringer);
    EXPECT_EQ(ringing.display.screen, Polyphone::IncomingScreen);
    EXPECT_EQ(ringing.display.field(Polyphone::OtherPartyName), "Ada Lovelace");
    EXPECT_EQ(ringing.display.field(Polyphone::CallStatus), "Call from");

    EXPECT_EQ(count(transcript.after("the handset is lifted to answer"), CommandKind::AnswerCall), 1);

    const Snapshot& open = transcript.after("the call is open");
    EXPECT_FALSE(open.display.ringer);
    EXPECT_EQ(open.display.screen, Polyphone::InCallScreen);
    EXPECT_EQ(open.display.field(Polyphone::OtherPartyInfo), "In call");

    EXPECT_EQ(count(transcript.after("the handset goes down"), CommandKind::HangupCall), 1);

    const Snapshot& ended = transcript.after("the call ends");
    EXPECT_EQ(ended.display.screen, Polyphone::CallEndedScreen);
    EXPECT_EQ(ended.display.field(Polyphone::CallStatus), "Call ended");

    std::filesystem::remove_all(folder);
}

// The shipped library, loaded by the host: the phone is registered before the link connects
// and before the log is opened, so its identity goes to the client and its log file is used.
TEST(PhoneLibrary, RegistersThePhoneWhenLoaded)
{
    char folder[] = "/tmp/polyphone_host_XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::filesystem::path logs = std::filesystem::path(folder) / "Marlowane" / "Tavoro" / "logs";
    std::filesystem::create_directories(logs);
    const std::string command = std::string("XDG_DATA_HOME=") + folder
        + " TELVARION_REGISTRY_FILE=/nonexistent TELVARION_AUDIO=null TELVARION_DEBUG_OUTPUT=1 " + TELVARION_HOST_PATH
        + " " + TELVARION_PLUGIN_PATH + " 2>&1";
    FILE* output = popen(command.c_str(), "r");
    ASSERT_NE(output, nullptr);
    std::string text;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, output) != nullptr)
        text += buffer;
    pclose(output);

    EXPECT_NE(text.find("5D2E7A91-3B4C-4F6E-9A1D-C07B28E4F3A5"), std::string::npos) << text;
    EXPECT_TRUE(std::filesystem::exists(logs / "TelvarionPolyphoneLog.txt"));
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace PhoneFixture
