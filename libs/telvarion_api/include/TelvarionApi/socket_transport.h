#pragma once

#include "TelvarionApi/transport.h"
#include "TelvarionApi/wire.h"

#include <string>
#include <vector>

namespace TelvarionApi {

// The link to the running client over its local socket. When the client goes away without
// a word, as in a crash, the transport reports Connecting and tries again at every receive,
// so a restarted client finds the connector again; the client answers the renewed hello
// with its state. A client that ends in order says NotConnected first, and is not waited for.
class SocketTransport : public Transport
{
public:
    explicit SocketTransport(std::string path);
    ~SocketTransport() override;
    SocketTransport(const SocketTransport&) = delete;
    SocketTransport& operator=(const SocketTransport&) = delete;

    ApiResult open(const ConnectionInfo& info) override;
    ApiResult send(const Command& command) override;
    ApiResult receive(std::vector<Event>& events) override;
    void close() override;

private:
    bool connectAndGreet();
    bool writeAll(const std::string& bytes);
    void readAvailable(std::vector<Event>& events);
    void lose(const std::string& reason);

    std::string m_Path;
    std::string m_Hello;
    int m_Socket = -1;
    bool m_Wanted = false;
    bool m_LossReported = false;
    Wire::LineBuffer m_Lines;
    std::vector<Event> m_Pending;
};

} // namespace TelvarionApi
