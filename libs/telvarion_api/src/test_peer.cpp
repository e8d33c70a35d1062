#include "TelvarionApi/test_peer.h"

#include "TelvarionApi/transport.h"

namespace TelvarionApi {

class TestPeer::PeerTransport : public Transport
{
public:
    explicit PeerTransport(TestPeer& peer) : m_Peer(peer) {}

    ApiResult open(const ConnectionInfo& info) override
    {
        std::lock_guard<std::mutex> guard(m_Peer.m_Mutex);
        ++m_Peer.m_ConnectCount;
        m_Peer.m_Info = info;
        m_Peer.m_Open = m_Peer.m_ConnectResult == ResultOk;
        return m_Peer.m_ConnectResult;
    }

    ApiResult send(const Command& command) override
    {
        std::lock_guard<std::mutex> guard(m_Peer.m_Mutex);
        m_Peer.m_Commands.push_back(command);
        const auto result = m_Peer.m_CommandResults.find(command.kind);
        return result == m_Peer.m_CommandResults.end() ? ResultOk : result->second;
    }

    ApiResult receive(std::vector<Event>& events) override
    {
        std::lock_guard<std::mutex> guard(m_Peer.m_Mutex);
        events.insert(events.end(), m_Peer.m_Pending.begin(), m_Peer.m_Pending.end());
        m_Peer.m_Pending.clear();
        return m_Peer.m_ProcessResult;
    }

    void close() override
    {
        std::lock_guard<std::mutex> guard(m_Peer.m_Mutex);
        m_Peer.m_Open = false;
    }

private:
    TestPeer& m_Peer;
};

TestPeer::TestPeer()
{
    setTransportFactory([this] { return std::make_unique<PeerTransport>(*this); });
}

TestPeer::~TestPeer()
{
    setTransportFactory(socketTransportFactory());
}

void TestPeer::setConnectResult(ApiResult result)
{
    std::lock_guard<std::mutex> guard(m_Mutex);
    m_ConnectResult = result;
}

void TestPeer::setProcessResult(ApiResult result)
{
    std::lock_guard<std::mutex> guard(m_Mutex);
    m_ProcessResult = result;
}

void TestPeer::setCommandResult(CommandKind kind, ApiResult result)
{
    std::lock_guard<std::mutex> guard(m_Mutex);
    m_CommandResults[kind] = result;
}

void TestPeer::queue(const Event& event)
{
    std::lock_guard<std::mutex> guard(m_Mutex);
    m_Pending.push_back(event);
}

bool TestPeer::isOpen() const
{
    std::lock_guard<std::mutex> guard(m_Mutex);
    return m_Open;
}

int TestPeer::connectCount() const
{
    std::lock_guard<std::mutex> guard(m_Mutex);
    return m_ConnectCount;
}

ConnectionInfo TestPeer::connectionInfo() const
{
    std::lock_guard<std::mutex> guard(m_Mutex);
    return m_Info;
}

std::vector<Command> TestPeer::commands() const
{
    std::lock_guard<std::mutex> guard(m_Mutex);
    return m_Commands;
}

std::vector<Command> TestPeer::commands(CommandKind kind) const
{
    std::lock_guard<std::mutex> guard(m_Mutex);
    std::vector<Command> result;
    for (const Command& command : m_Commands) {
        if (command.kind == kind)
            result.push_back(command);
    }
    return result;
}

void TestPeer::clearCommands()
{
    std::lock_guard<std::mutex> guard(m_Mutex);
    m_Commands.clear();
}

} // namespace TelvarionApi
