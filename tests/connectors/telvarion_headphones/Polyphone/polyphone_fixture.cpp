#include "polyphone_fixture.h"

#include "TelvarionApi/event.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>

namespace PhoneFixture {

using TelvarionApi::Event;

Platform::LocalTime FakeClock::localTime() const
{
    const time_t seconds = static_cast<time_t>(m_EpochMs / 1000);
    tm parts{};
    gmtime_r(&seconds, &parts);
    Platform::LocalTime time;
    time.year = static_cast<std::uint16_t>(parts.tm_year + 1900);
    time.month = static_cast<std::uint16_t>(parts.tm_mon + 1);
    time.dayOfWeek = static_cast<std::uint16_t>(parts.tm_wday);
    time.day = static_cast<std::uint16_t>(parts.tm_mday);
    time.hour = static_cast<std::uint16_t>(parts.tm_hour);
    time.minute = static_cast<std::uint16_t>(parts.tm_min);
    time.second = static_cast<std::uint16_t>(parts.tm_sec);
    time.milliseconds = static_cast<std::uint16_t>(m_EpochMs % 1000);
    return time;
}

void FakeClock::advance(std::uint32_t milliseconds)
{
    m_Ticks += milliseconds;
    m_EpochMs += milliseconds;
}

void PolyphoneTest::SetUp()
{
    char pattern[] = "/tmp/polyphone_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    m_Folder = pattern;

    HidPlatform::FakeNode::Spec spec;
    spec.vendorId = VendorId;
    spec.productId = ProductId;
    spec.name = "Polycom desk phone";
    spec.descriptor = descriptor(model());
    m_Node = m_Hid.addNode(spec);
    m_Audio = std::make_shared<Audio::NullBackend>();

    m_Window = std::make_unique<Connector::Window>(nullptr);
    m_Link = std::make_unique<Connector::ApiCommunications>(*m_Window);
    m_Phone = new Connector::Polyphone(m_Hid, m_Audio, m_Clock, lastDialPath());
    ASSERT_TRUE(m_Link->AddDeviceHandler(m_Phone));
    ASSERT_TRUE(m_Link->Initialize());
    m_Peer.queue(Event::connectionState(2));
    TelvarionApi::ContactProperties me{{"DisplayName", "Dana Desk"}};
    m_Peer.queue(Event::contactProperties(0, me));
    m_Peer.queue(Event::contactPresence(TelvarionApi::Presence(0, 1)));
    turn(); // connects, finds the phone and initialises its display
    turn();
    ASSERT_EQ(m_Phone->stage(), Connector::Hid::DeviceReady);
    m_Peer.clearCommands();
}

void PolyphoneTest::TearDown()
{
    if (m_Link)
        m_Link->Uninitialize(true);
    m_Link.reset();
    std::filesystem::remove_all(m_Folder);
}

void PolyphoneTest::turn()
{
    m_Link->Run();
    m_Display.applyAll(m_Node->outputs());
    m_Features.insert(m_Features.end(), m_Node->features().begin(), m_Node->features().end());
    m_Node->clearCaptured();
}

void PolyphoneTest::advance(std::uint32_t milliseconds)
{
    m_Clock.advance(milliseconds);
    turn();
}

void PolyphoneTest::client(const Event& event)
{
    m_Peer.queue(event);
    turn();
}

void PolyphoneTest::liftHandset()
{
    m_Buttons.hookOff = true;
    m_Node->inject(inputReport(m_Buttons));
    turn();
}

void PolyphoneTest::hangUp()
{
    m_Buttons.hookOff = false;
    m_Node->inject(inputReport(m_Buttons));
    turn();
}

void PolyphoneTest::key(char c, bool speedDial)
{
    static const std::string keyCharacters = "0123456789*#A";
    Buttons pressed = m_Buttons;
    pressed.key = static_cast<int>(keyCharacters.find(c));
    pressed.speedDial = speedDial;
    m_Node->inject(inputReport(pressed));
    m_Node->inject(inputReport(m_Buttons));
    turn();
}

void PolyphoneTest::keys(const std::string& text)
{
    for (char c : text)
        key(c);
}

void PolyphoneTest::pressProg()
{
    Buttons pressed = m_Buttons;
    pressed.prog = true;
    m_Node->inject(inputReport(pressed));
    m_Node->inject(inputReport(m_Buttons));
    turn();
}

void PolyphoneTest::pressHold()
{
    Buttons pressed = m_Buttons;
    pressed.flash = true;
    m_Node->inject(inputReport(pressed));
    m_Node->inject(inputReport(m_Buttons));
    turn();
}

void PolyphoneTest::callState(std::int32_t contactId, std::int32_t direction, std::int32_t state)
{
    const TelvarionApi::Call call("sip:" + std::to_string(contactId) + "@example.org", contactId, direction,
                                  TelvarionApi::CallAudio);
    client(Event::callStateChanged(call, state));
}

void PolyphoneTest::incomingCall(const char* name)
{
    const TelvarionApi::Call call("sip:" + std::to_string(Caller) + "@example.org", Caller, TelvarionApi::CallIncoming,
                                  TelvarionApi::CallAudio);
    m_Peer.queue(Event::newCall(call));
    m_Peer.queue(Event::callStateChanged(call, TelvarionApi::CallRinging));
    turn();
    client(Event::contactProperties(Caller, {{"DisplayName", name}}));
}

std::vector<TelvarionApi::Command> PolyphoneTest::commands(TelvarionApi::CommandKind kind) const
{
    return m_Peer.commands(kind);
}

std::vector<std::string> PolyphoneTest::dialled() const
{
    std::vector<std::string> numbers;
    for (const TelvarionApi::Command& command : m_Peer.commands(TelvarionApi::CommandKind::StartCommunication))
        if (command.number == TelvarionApi::CommunicationCall && !command.addresses.empty())
            numbers.push_back(command.addresses.front().str());
    return numbers;
}

std::string PolyphoneTest::digits() const
{
    std::string text;
    for (const Connector::WChar* c = m_Phone->digits(); *c != 0; ++c)
        text += static_cast<char>(*c);
    return text;
}

} // namespace PhoneFixture
