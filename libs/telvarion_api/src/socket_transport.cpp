#include "TelvarionApi/socket_transport.h"

#include "TelvarionApi/api_log.h"

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace TelvarionApi {

namespace {

// A client that takes no bytes for this long is treated as gone.
constexpr int WriteTimeoutMs = 1000;

std::string systemText(int error)
{
    return std::to_string(error) + " (" + std::strerror(error) + ")";
}

} // namespace

SocketTransport::SocketTransport(std::string path) : m_Path(std::move(path))
{
}

SocketTransport::~SocketTransport()
{
    close();
}

ApiResult SocketTransport::open(const ConnectionInfo& info)
{
    m_Hello = Wire::encodeHello(info);
    if (!connectAndGreet())
        return ResultTransportError;
    m_Wanted = true;
    return ResultOk;
}

bool SocketTransport::connectAndGreet()
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (m_Path.empty() || m_Path.size() >= sizeof(address.sun_path)) {
        logLine("socket path unusable: '" + m_Path + "'");
        return false;
    }
    std::memcpy(address.sun_path, m_Path.c_str(), m_Path.size() + 1);

    // Non-blocking from the start: a hung client with a full backlog must not hold the
    // connector's thread in connect.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        logLine("cannot create a socket: " + systemText(errno));
        return false;
    }
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        ::close(fd);
        return false;
    }
    m_Socket = fd;
    m_Lines.clear();
    if (!writeAll(m_Hello)) {
        ::close(m_Socket);
        m_Socket = -1;
        return false;
    }
    return true;
}

ApiResult SocketTransport::send(const Command& command)
{
    if (m_Socket < 0)
        return ResultNotConnected;
    if (!writeAll(Wire::encodeCommand(command))) {
        lose("the client stopped taking messages");
        return ResultTransportError;
    }
    return ResultOk;
}

bool SocketTransport::writeAll(const std::string& bytes)
{
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t result =
            ::send(m_Socket, bytes.data() + written, bytes.size() - written, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (result > 0) {
            written += static_cast<std::size_t>(result);
            continue;
        }
        if (result < 0 && errno == EINTR)
            continue;
        if (result < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            pollfd wait{m_Socket, POLLOUT, 0};
            if (::poll(&wait, 1, WriteTimeoutMs) > 0)
                continue;
        }
        return false;
    }
    return true;
}

ApiResult SocketTransport::receive(std::vector<Event>& events)
{
    // A loss noticed while sending comes before whatever a renewed link brings.
    events.insert(events.end(), m_Pending.begin(), m_Pending.end());
    m_Pending.clear();
    if (m_Socket < 0 && m_Wanted && connectAndGreet()) {
        logLine("connected to the client again");
        m_LossReported = false;
    }
    if (m_Socket >= 0)
        readAvailable(events);
    events.insert(events.end(), m_Pending.begin(), m_Pending.end());
    m_Pending.clear();
    return ResultOk;
}

void SocketTransport::readAvailable(std::vector<Event>& events)
{
    char buffer[4096];
    std::string lossReason;
    for (;;) {
        const ssize_t count = ::recv(m_Socket, buffer, sizeof buffer, MSG_DONTWAIT);
        if (count > 0) {
            m_Lines.append(buffer, static_cast<std::size_t>(count));
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        lossReason = count == 0 ? "the client closed the link" : "reading from the client failed: " + systemText(errno);
        break;
    }
    const std::size_t droppedBefore = m_Lines.droppedLines();
    std::string line;
    while (m_Lines.next(line)) {
        Event event;
        std::string error;
        if (!Wire::decodeEvent(line, event, error)) {
            logLine("dropped a message from the client (" + error + "): " + line.substr(0, 120));
            continue;
        }
        // The client says goodbye before it ends: nothing to wait for once it has gone.
        if (event.kind == EventKind::ConnectionStateChange && event.values[0] == NotConnected) {
            m_Wanted = false;
            m_LossReported = true;
        }
        events.push_back(std::move(event));
    }
    if (m_Lines.droppedLines() != droppedBefore)
        logLine("dropped an overlong message from the client");
    // What the client said before it went still counts.
    if (!lossReason.empty())
        lose(lossReason);
}

void SocketTransport::lose(const std::string& reason)
{
    if (m_Socket >= 0) {
        ::close(m_Socket);
        m_Socket = -1;
    }
    m_Lines.clear();
    if (!m_LossReported) {
        logLine(reason + "; reconnecting");
        m_Pending.push_back(Event::connectionState(Connecting));
        m_LossReported = true;
    }
}

void SocketTransport::close()
{
    m_Wanted = false;
    if (m_Socket >= 0) {
        ::close(m_Socket);
        m_Socket = -1;
    }
}

} // namespace TelvarionApi
