#pragma once

#include "telvarion_headphones/api_communications.h"
#include "telvarion_headphones/device.h"
#include "telvarion_headphones/window.h"

#include "TelvarionApi/test_peer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace ConnectorTest {

using Connector::WChar;

std::string utf8(const WChar* text);

// What handlers saw, kept beyond their destruction.
struct Journal
{
    std::vector<std::string> entries;
    int count(const std::string& entry) const;
    bool has(const std::string& entry) const { return count(entry) > 0; }
};

class RecordingDevice : public Connector::Device
{
public:
    RecordingDevice(std::shared_ptr<Journal> journal, std::string id, std::uint32_t mask = 0,
                    std::string uuid = std::string());
    ~RecordingDevice() override;

    bool Initialize(Connector::ApiCommunications* owner) override;
    bool Run() override;
    void Uninitialize() override;
    void OnConnecting() override;
    void OnConnected() override;
    void OnNotConnected() override;
    void OnNewCall(std::int32_t direction, std::int32_t contactId) override;
    void OnCallRinging(const WChar* name) override;
    void OnCallOpened(const WChar* name) override;
    void OnCallHold(const WChar* name) override;
    void OnCallHoldByPeer(const WChar* name) override;
    void OnCallMuteState(bool muted) override;
    void OnCallClosed(const WChar* name) override;
    void OnContactPresence(const WChar* text, bool isLocalUser, std::uint32_t reserved) override;
    void OnContactProperties(const WChar* name, std::int32_t contactId) override;
    void OnVoiceMail(std::int32_t newMessages) override;
    void OnExit() override;
    void OnActiveCallChanged() override;
    void OnSystemResume() override;
    void OnApplicationLanguage(const WChar* language) override;
    bool GetConnectionInfo(TelvarionApi::ConnectionInfo& info) override;
    std::uint32_t GetEventMask() const override;

private:
    void note(const std::string& entry);

    std::shared_ptr<Journal> m_Journal;
    std::string m_Id;
    std::uint32_t m_Mask;
    std::string m_Uuid;
};

// The process-wide log, written to a file the tests can read.
std::string logText();
void clearLog();
bool logHas(const std::string& text);

// A link with one recording handler and an in-process client, connected and ready.
class LinkTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    RecordingDevice* addDevice(const std::string& id, std::uint32_t mask = 0, const std::string& uuid = std::string());
    void connect();
    // Delivers the events to the link as one main-loop turn does.
    void deliver(const std::vector<TelvarionApi::Event>& events);
    std::vector<TelvarionApi::Command> commands(TelvarionApi::CommandKind kind) const;

    std::shared_ptr<Journal> m_Journal = std::make_shared<Journal>();
    TelvarionApi::TestPeer m_Peer;
    Connector::Window m_Window{nullptr};
    std::unique_ptr<Connector::ApiCommunications> m_Link;
};

} // namespace ConnectorTest
