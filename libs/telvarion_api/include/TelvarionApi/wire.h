#pragma once

#include "TelvarionApi/command.h"
#include "TelvarionApi/connection_info.h"
#include "TelvarionApi/event.h"

#include <cstddef>
#include <string>

namespace TelvarionApi {
namespace Wire {

// The link to the client carries one message per line: a lower-case kind and its fields,
// separated by single blanks. A number is decimal; a text is ':' followed by its UTF-8 bytes,
// every blank, control byte and '%' written as %XX.
constexpr int ProtocolVersion = 1;
// Longer lines are not ours and are dropped whole.
constexpr std::size_t MaxLineBytes = 64 * 1024;
// More list entries than this in one message are refused.
constexpr std::size_t MaxListEntries = 256;

std::string encodeText(const std::string& text);
// The first message on every connection: who the connector is.
std::string encodeHello(const ConnectionInfo& info);
std::string encodeCommand(const Command& command);
// False, with the reason in `error`, when the line is not a well-formed event.
bool decodeEvent(const std::string& line, Event& event, std::string& error);

// The socket of the client of this user and data folder: $TELVARION_API_SOCKET when set,
// else socketName() in $TMPDIR or /tmp.
std::string socketPath();
// "telvarion-api-<user id>-<hash of the data home>": a client and its add-ins share the
// user's data home ($XDG_DATA_HOME, else ~/.local/share), so a program run with a data home
// of its own, such as a test, never meets the user's client.
std::string socketName();

// Splits a byte stream into lines, dropping a line that grows past MaxLineBytes.
class LineBuffer
{
public:
    void append(const char* bytes, std::size_t count);
    // The next whole line without its newline, if one has arrived.
    bool next(std::string& line);
    std::size_t droppedLines() const { return m_Dropped; }
    void clear();

private:
    std::string m_Pending;
    bool m_Skipping = false;
    std::size_t m_Dropped = 0;
};

} // namespace Wire
} // namespace TelvarionApi
