#include "connector_fixture.h"

#include "telvarion_headphones/logger.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace ConnectorTest {

std::string utf8(const WChar* text)
{
    return text ? Platform::wideToUtf8(text) : std::string("(null)");
}

int Journal::count(const std::string& entry) const
{
    return static_cast<int>(std::count(entries.begin(), entries.end(), entry));
}

RecordingDevice::RecordingDevice(std::shared_ptr<Journal> journal, std::string id, std::uint32_t mask, std::string uuid)
    : m_Journal(std::move(journal)), m_Id(std::move(id)), m_Mask(mask), m_Uuid(std::move(uuid))
{
}

RecordingDevice::~RecordingDevice()
{
    note("destroyed");
}

void RecordingDevice::note(const std::string& entry)
{
    m_Journal->entries.push_back(m_Id + ":" + entry);
}

bool RecordingDevice::Initialize(Connector::ApiCommunications* owner)
{
    const bool attached = Device::Initialize(owner);
    note(attached ? "Initialize" : "Initialize refused");
    return attached;
}

bool RecordingDevice::Run()
{
    note("Run");
    return true;
}

void RecordingDevice::Uninitialize() { note("Uninitialize"); }
void RecordingDevice::OnConnecting() { note("OnConnecting"); }
void RecordingDevice::OnConnected() { note("OnConnected"); }
void RecordingDevice::OnNotConnected() { note("OnNotConnected"); }

void RecordingDevice::OnNewCall(std::int32_t direction, std::int32_t contactId)
{
    note("OnNewCall " + std::to_string(direction) + " " + std::to_string(contactId));
}

void RecordingDevice::OnCallRinging(const WChar* name) { note("OnCallRinging " + utf8(name)); }
void RecordingDevice::OnCallOpened(const WChar* name) { note("OnCallOpened " + utf8(name)); }
void RecordingDevice::OnCallHold(const WChar* name) { note("OnCallHold " + utf8(name)); }
void RecordingDevice::OnCallHoldByPeer(const WChar* name) { note("OnCallHoldByPeer " + utf8(name)); }
void RecordingDevice::OnCallMuteState(bool muted) { note(muted ? "OnCallMuteState 1" : "OnCallMuteState 0"); }
void RecordingDevice::OnCallClosed(const WChar* name) { note("OnCallClosed " + utf8(name)); }

void RecordingDevice::OnContactPresence(const WChar* text, bool isLocalUser, std::uint32_t reserved)
{
    note("OnContactPresence " + utf8(text) + " " + std::to_string(isLocalUser) + " " + std::to_string(reserved));
}

void RecordingDevice::OnContactProperties(const WChar* name, std::int32_t contactId)
{
    note("OnContactProperties " + utf8(name) + " " + std::to_string(contactId));
}

void RecordingDevice::OnVoiceMail(std::int32_t newMessages) { note("OnVoiceMail " + std::to_string(newMessages)); }
void RecordingDevice::OnExit() { note("OnExit"); }
void RecordingDevice::OnActiveCallChanged() { note("OnActiveCallChanged"); }
void RecordingDevice::OnSystemResume() { note("OnSystemResume"); }
void RecordingDevice::OnApplicationLanguage(const WChar* language) { note("OnApplicationLanguage " + utf8(language)); }

bool RecordingDevice::GetConnectionInfo(TelvarionApi::ConnectionInfo& info)
{
    if (m_Uuid.empty())
        return Device::GetConnectionInfo(info);
    info.setUuid(m_Uuid);
    return true;
}

std::uint32_t RecordingDevice::GetEventMask() const
{
    return m_Mask;
}

std::string logText()
{
    std::ifstream file(Connector::Logger::instance().filePath(), std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

void clearLog()
{
    std::ofstream(Connector::Logger::instance().filePath(), std::ios::binary | std::ios::trunc);
}

bool logHas(const std::string& text)
{
    return logText().find(text) != std::string::npos;
}

void LinkTest::SetUp()
{
    clearLog();
    m_Link = std::make_unique<Connector::ApiCommunications>(m_Window);
    addDevice("a");
}

void LinkTest::TearDown()
{
    m_Link.reset();
}

RecordingDevice* LinkTest::addDevice(const std::string& id, std::uint32_t mask, const std::string& uuid)
{
    auto* device = new RecordingDevice(m_Journal, id, mask, uuid);
    EXPECT_TRUE(m_Link->AddDeviceHandler(device));
    return device;
}

void LinkTest::connect()
{
    ASSERT_TRUE(m_Link->Initialize());
    deliver({TelvarionApi::Event::connectionState(TelvarionApi::Connected)});
    m_Journal->entries.clear();
    m_Peer.clearCommands();
}

void LinkTest::deliver(const std::vector<TelvarionApi::Event>& events)
{
    for (const auto& event : events)
        m_Peer.queue(event);
    m_Link->Run();
}

std::vector<TelvarionApi::Command> LinkTest::commands(TelvarionApi::CommandKind kind) const
{
    return m_Peer.commands(kind);
}

} // namespace ConnectorTest
