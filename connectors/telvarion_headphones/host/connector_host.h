#pragma once

#include <atomic>
#include <string>
#include <thread>

namespace Host {

// Loads a connector library and runs its connectorMain on a thread of its own.
class ConnectorHost
{
public:
    ConnectorHost() = default;
    ~ConnectorHost();
    ConnectorHost(const ConnectorHost&) = delete;
    ConnectorHost& operator=(const ConnectorHost&) = delete;

    // False, with the reason in error(), when the library or its export cannot be found.
    bool load(const std::string& path);
    bool start();
    bool finished() const { return m_Finished.load(); }
    // Waits for connectorMain to return and unloads the library; returns its result.
    int join();

    const std::string& error() const { return m_Error; }

private:
    using EntryPoint = int (*)();

    void* m_Library = nullptr;
    EntryPoint m_Entry = nullptr;
    std::thread m_Thread;
    std::atomic<bool> m_Finished{false};
    int m_Result = 0;
    std::string m_Error;
};

} // namespace Host
