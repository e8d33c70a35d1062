#pragma once

#include "TelvarionApi/api_result.h"
#include "TelvarionApi/command.h"
#include "TelvarionApi/connection_info.h"
#include "TelvarionApi/event.h"

#include <deque>
#include <map>
#include <mutex>
#include <vector>

namespace TelvarionApi {

// An in-process stand-in for the running client, for tests: while it lives it is the
// transport of every Api created. Events queued here reach the observer at the next
// processEvents; commands are recorded. Safe to use from the test's and the connector's
// threads.
class TestPeer
{
public:
    TestPeer();
    ~TestPeer();
    TestPeer(const TestPeer&) = delete;
    TestPeer& operator=(const TestPeer&) = delete;

    void setConnectResult(ApiResult result);
    void setProcessResult(ApiResult result);
    void setCommandResult(CommandKind kind, ApiResult result);

    void queue(const Event& event);

    bool isOpen() const;
    int connectCount() const;
    ConnectionInfo connectionInfo() const;
    std::vector<Command> commands() const;
    std::vector<Command> commands(CommandKind kind) const;
    void clearCommands();

private:
    class PeerTransport;
    friend class PeerTransport;

    mutable std::mutex m_Mutex;
    ApiResult m_ConnectResult = ResultOk;
    ApiResult m_ProcessResult = ResultOk;
    std::map<CommandKind, ApiResult> m_CommandResults;
    std::deque<Event> m_Pending;
    std::vector<Command> m_Commands;
    ConnectionInfo m_Info;
    int m_ConnectCount = 0;
    bool m_Open = false;
};

} // namespace TelvarionApi
