#include "TelvarionApi/wire.h"

#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <unistd.h>
#include <vector>

namespace TelvarionApi {
namespace Wire {

namespace {

const char HexDigits[] = "0123456789ABCDEF";

bool mustEscape(unsigned char byte)
{
    return byte <= ' ' || byte == 0x7F || byte == '%';
}

int hexValue(char digit)
{
    if (digit >= '0' && digit <= '9')
        return digit - '0';
    if (digit >= 'A' && digit <= 'F')
        return digit - 'A' + 10;
    if (digit >= 'a' && digit <= 'f')
        return digit - 'a' + 10;
    return -1;
}

class LineWriter
{
public:
    explicit LineWriter(const char* kind) : m_Line(kind) {}

    LineWriter& number(long long value)
    {
        m_Line += ' ';
        m_Line += std::to_string(value);
        return *this;
    }
    LineWriter& text(const std::string& value)
    {
        m_Line += ' ';
        m_Line += encodeText(value);
        return *this;
    }
    std::string line() const { return m_Line + '\n'; }

private:
    std::string m_Line;
};

// Reads the fields of one line in order; the first failure sticks and names the field.
class LineReader
{
public:
    explicit LineReader(const std::string& line)
    {
        std::string::size_type start = 0;
        while (start <= line.size()) {
            const auto blank = line.find(' ', start);
            const auto end = blank == std::string::npos ? line.size() : blank;
            m_Fields.push_back(line.substr(start, end - start));
            start = end + 1;
        }
    }

    const std::string& kind() const { return m_Fields.front(); }

    long long number(long long minimum, long long maximum, const char* what)
    {
        const std::string* field = take(what);
        if (!field)
            return 0;
        const char* begin = field->c_str();
        const bool digits = !field->empty()
            && (std::isdigit(static_cast<unsigned char>((*field)[0])) || ((*field)[0] == '-' && field->size() > 1));
        char* end = nullptr;
        errno = 0;
        const long long value = digits ? std::strtoll(begin, &end, 10) : 0;
        if (!digits || errno != 0 || *end != '\0' || value < minimum || value > maximum) {
            fail(std::string("bad ") + what);
            return 0;
        }
        return value;
    }

    std::int32_t int32(const char* what)
    {
        return static_cast<std::int32_t>(
            number(std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(), what));
    }

    std::string text(const char* what)
    {
        const std::string* field = take(what);
        if (!field)
            return std::string();
        if (field->empty() || (*field)[0] != ':') {
            fail(std::string("bad ") + what);
            return std::string();
        }
        std::string result;
        for (std::size_t i = 1; i < field->size(); ++i) {
            if ((*field)[i] != '%') {
                result += (*field)[i];
                continue;
            }
            const int high = i + 2 < field->size() ? hexValue((*field)[i + 1]) : -1;
            const int low = high >= 0 ? hexValue((*field)[i + 2]) : -1;
            if (low < 0) {
                fail(std::string("bad escape in ") + what);
                return std::string();
            }
            result += static_cast<char>(high * 16 + low);
            i += 2;
        }
        return result;
    }

    std::size_t count(const char* what)
    {
        return static_cast<std::size_t>(number(0, MaxListEntries, what));
    }

    // True when every field was read and valid; else names the first fault.
    bool finish(std::string& error)
    {
        if (m_Error.empty() && m_Next != m_Fields.size())
            fail("unexpected fields");
        error = m_Error;
        return m_Error.empty();
    }

private:
    const std::string* take(const char* what)
    {
        if (!m_Error.empty())
            return nullptr;
        if (m_Next >= m_Fields.size()) {
            fail(std::string("missing ") + what);
            return nullptr;
        }
        return &m_Fields[m_Next++];
    }

    void fail(const std::string& error)
    {
        if (m_Error.empty())
            m_Error = error;
    }

    std::vector<std::string> m_Fields;
    std::size_t m_Next = 1;
    std::string m_Error;
};

const char* commandKind(CommandKind kind)
{
    switch (kind) {
    case CommandKind::ReceiveEvents:
        return "events";
    case CommandKind::RequestContactProperties:
        return "properties";
    case CommandKind::RequestContactPresence:
        return "presence";
    case CommandKind::SetPresence:
        return "setpresence";
    case CommandKind::SetCallVolume:
        return "volume";
    case CommandKind::MuteCall:
        return "mute";
    case CommandKind::HoldCall:
        return "hold";
    case CommandKind::AnswerCall:
        return "answer";
    case CommandKind::HangupCall:
        return "hangup";
    case CommandKind::SendDtmf:
        return "dtmf";
    case CommandKind::StartCommunication:
        return "start";
    case CommandKind::ShowClientWindow:
        return "show";
    }
    return "";
}

Call readCall(LineReader& reader)
{
    String uri(reader.text("uri"));
    const std::int32_t contactId = reader.int32("contact id");
    const std::int32_t direction = static_cast<std::int32_t>(reader.number(CallIncoming, CallOutgoing, "direction"));
    const std::int32_t type = static_cast<std::int32_t>(reader.number(CallAudio, CallVideo, "type"));
    return Call(std::move(uri), contactId, direction, type);
}

} // namespace

std::string encodeText(const std::string& text)
{
    std::string encoded(1, ':');
    for (const char character : text) {
        const auto byte = static_cast<unsigned char>(character);
        if (mustEscape(byte)) {
            encoded += '%';
            encoded += HexDigits[byte >> 4];
            encoded += HexDigits[byte & 0xF];
        } else {
            encoded += character;
        }
    }
    return encoded;
}

std::string encodeHello(const ConnectionInfo& info)
{
    LineWriter writer("hello");
    writer.number(ProtocolVersion).text(info.uuid().str()).text(info.version().str());
    writer.number(static_cast<long long>(info.properties().size()));
    for (const auto& [name, property] : info.properties())
        writer.text(name).text(property.language).text(property.value.str());
    return writer.line();
}

std::string encodeCommand(const Command& command)
{
    LineWriter writer(commandKind(command.kind));
    switch (command.kind) {
    case CommandKind::ReceiveEvents:
        writer.number(static_cast<std::uint32_t>(command.number));
        break;
    case CommandKind::RequestContactProperties:
    case CommandKind::RequestContactPresence:
        writer.number(command.number);
        break;
    case CommandKind::SetPresence:
        writer.number(command.number).text(command.text.str());
        break;
    case CommandKind::SetCallVolume:
    case CommandKind::MuteCall:
    case CommandKind::HoldCall:
        writer.number(command.flag ? 1 : 0);
        break;
    case CommandKind::SendDtmf:
        writer.text(std::string(1, command.character));
        break;
    case CommandKind::StartCommunication:
        writer.number(command.number);
        if (command.addresses.empty()) {
            writer.text("ids").number(static_cast<long long>(command.contactIds.size()));
            for (const std::int32_t id : command.contactIds)
                writer.number(id);
        } else {
            writer.text("addresses").number(static_cast<long long>(command.addresses.size()));
            for (const String& address : command.addresses)
                writer.text(address.str());
        }
        break;
    case CommandKind::AnswerCall:
    case CommandKind::HangupCall:
    case CommandKind::ShowClientWindow:
        break;
    }
    return writer.line();
}

bool decodeEvent(const std::string& line, Event& event, std::string& error)
{
    LineReader reader(line);
    const std::string& kind = reader.kind();
    if (kind == "state") {
        event = Event::connectionState(static_cast<std::int32_t>(reader.number(NotConnected, Connected, "state")));
    } else if (kind == "signedout") {
        event = Event::signedOut();
    } else if (kind == "language") {
        event = Event::applicationLanguage(String(reader.text("language")));
    } else if (kind == "capabilities") {
        event = Event::sessionCapabilities(
            static_cast<std::uint32_t>(reader.number(0, std::numeric_limits<std::uint32_t>::max(), "capabilities")));
    } else if (kind == "contact") {
        const std::int32_t contactId = reader.int32("contact id");
        const auto capabilities =
            static_cast<std::uint32_t>(reader.number(0, std::numeric_limits<std::uint32_t>::max(), "capabilities"));
        ContactProperties properties;
        const std::size_t count = reader.count("property count");
        for (std::size_t i = 0; i < count; ++i) {
            String key(reader.text("property name"));
            String value(reader.text("property value"));
            properties.emplace_back(std::move(key), std::move(value));
        }
        event = Event::contactProperties(contactId, properties, capabilities);
    } else if (kind == "group") {
        const std::int32_t groupId = reader.int32("group id");
        event = Event::groupDetails(groupId, String(reader.text("group name")));
    } else if (kind == "contactremoved") {
        event = Event::contactRemoved(reader.int32("contact id"));
    } else if (kind == "groupremoved") {
        event = Event::groupRemoved(reader.int32("group id"));
    } else if (kind == "presence") {
        const std::int32_t contactId = reader.int32("contact id");
        const std::int32_t state = reader.int32("presence");
        String freeText(reader.text("free text"));
        String location(reader.text("location"));
        event = Event::contactPresence(Presence(contactId, state, std::move(freeText), std::move(location)));
    } else if (kind == "newcall") {
        event = Event::newCall(readCall(reader));
    } else if (kind == "callstate") {
        const Call call = readCall(reader);
        event = Event::callStateChanged(call, static_cast<std::int32_t>(reader.number(CallClosed, CallOnHoldByPeer, "call state")));
    } else if (kind == "mute") {
        event = Event::callMuteState(reader.number(0, 1, "mute") != 0);
    } else if (kind == "voicemail") {
        const std::int32_t newMessages = reader.int32("new messages");
        const std::int32_t oldMessages = reader.int32("old messages");
        const std::int32_t newUrgent = reader.int32("new urgent messages");
        const std::int32_t oldUrgent = reader.int32("old urgent messages");
        event = Event::voicemailDetails(newMessages, oldMessages, newUrgent, oldUrgent);
    } else if (kind == "clearlogs") {
        event = Event::clearLogs();
    } else {
        error = "unknown message";
        return false;
    }
    return reader.finish(error);
}

std::string socketPath()
{
    if (const char* path = std::getenv("TELVARION_API_SOCKET"); path && *path)
        return path;
    const char* folder = std::getenv("TMPDIR");
    std::string result = folder && *folder ? folder : "/tmp";
    if (result.back() != '/')
        result += '/';
    return result + socketName();
}

std::string socketName()
{
    std::string dataHome;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        dataHome = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        dataHome = std::string(home) + "/.local/share";
    // FNV-1a: the client computes the same.
    std::uint32_t hash = 2166136261u;
    for (const char byte : dataHome) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 16777619u;
    }
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08x", hash);
    return "telvarion-api-" + std::to_string(getuid()) + "-" + hex;
}

void LineBuffer::append(const char* bytes, std::size_t count)
{
    m_Pending.append(bytes, count);
}

bool LineBuffer::next(std::string& line)
{
    for (;;) {
        const auto newline = m_Pending.find('\n');
        if (newline == std::string::npos) {
            if (m_Pending.size() > MaxLineBytes) {
                if (!m_Skipping)
                    ++m_Dropped;
                m_Skipping = true;
                m_Pending.clear();
            }
            return false;
        }
        if (m_Skipping || newline > MaxLineBytes) {
            if (!m_Skipping)
                ++m_Dropped;
            m_Skipping = false;
            m_Pending.erase(0, newline + 1);
            continue;
        }
        line.assign(m_Pending, 0, newline);
        m_Pending.erase(0, newline + 1);
        return true;
    }
}

void LineBuffer::clear()
{
    m_Pending.clear();
    m_Skipping = false;
}

} // namespace Wire
} // namespace TelvarionApi
