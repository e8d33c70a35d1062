#include <Tesk/Sip/Uri.h>

#include <Tesk/Core/Logging/ApacheLogger.h>

namespace Tesk {
namespace Sip {

namespace {
void logInvalid(int line, const QByteArray& text, const char* reason)
{
    Core::Logging::ApacheLogger("tesk/sip/uri", line, "Tesk::Sip::Uri::parse", Core::Logging::LevelWarning,
                                "AppLogger")
        << "Not a SIP address (" << reason << "): \"" << text << "\"";
}

QList<Uri::Parameter> parseParameters(const QByteArray& text)
{
    QList<Uri::Parameter> parameters;
    for (const QByteArray& item : text.split(';')) {
        const QByteArray trimmed = item.trimmed();
        if (trimmed.isEmpty())
            continue;
        const int equals = trimmed.indexOf('=');
        if (equals < 0)
            parameters.append({Bytes(trimmed), Bytes()});
        else
            parameters.append({Bytes(trimmed.left(equals).trimmed()), Bytes(trimmed.mid(equals + 1).trimmed())});
    }
    return parameters;
}

QByteArray joinParameters(const QList<Uri::Parameter>& parameters)
{
    QByteArray text;
    for (const Uri::Parameter& parameter : parameters) {
        text += ';' + parameter.first.toByteArray();
        if (!parameter.second.isNull())
            text += '=' + parameter.second.toByteArray();
    }
    return text;
}

// A quoted display name without its quotes and escapes; -1 in `end` when unterminated.
QByteArray unquote(const QByteArray& text, int start, int& end)
{
    QByteArray name(""); // "" is a name, though empty
    for (int index = start + 1; index < text.size(); ++index) {
        const char c = text.at(index);
        if (c == '\\' && index + 1 < text.size()) {
            name += text.at(++index);
        } else if (c == '"') {
            end = index;
            return name;
        } else {
            name += c;
        }
    }
    end = -1;
    return name;
}

// True when what follows the ':' at `colon` is a port number and the end of the host part.
bool isPortThenEnd(const QByteArray& text, int colon)
{
    int index = colon + 1;
    while (index < text.size() && text.at(index) >= '0' && text.at(index) <= '9')
        ++index;
    return index > colon + 1 && (index == text.size() || text.at(index) == ';' || text.at(index) == '?');
}

int hexValue(unsigned char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}
} // namespace

Uri::Uri() : Core::RefCountable("Tesk::Sip::Uri")
{
}

UriPtr Uri::parse(const QString& text)
{
    return parse(Bytes::fromString(text));
}

UriPtr Uri::parse(const Bytes& bytes)
{
    const QByteArray text = bytes.toByteArray().trimmed();
    if (text.isEmpty()) {
        logInvalid(__LINE__, text, "empty");
        return UriPtr();
    }

    UriPtr uri(new Uri);
    QByteArray address = text;
    const int open = text.indexOf('<');
    if (text.startsWith('"') || open >= 0) {
        int afterName = 0;
        if (text.startsWith('"')) {
            int quoteEnd = -1;
            uri->m_DisplayName = Bytes(unquote(text, 0, quoteEnd));
            if (quoteEnd < 0) {
                logInvalid(__LINE__, text, "unterminated display name");
                return UriPtr();
            }
            afterName = quoteEnd + 1;
        } else {
            const QByteArray name = text.left(open).trimmed();
            if (!name.isEmpty())
                uri->m_DisplayName = Bytes(name);
            afterName = open;
        }
        const int start = text.indexOf('<', afterName);
        const int close = start < 0 ? -1 : text.indexOf('>', start);
        if (start < 0 || close < 0 || !text.mid(afterName, start - afterName).trimmed().isEmpty()) {
            logInvalid(__LINE__, text, "malformed name-addr");
            return UriPtr();
        }
        address = text.mid(start + 1, close - start - 1).trimmed();
        uri->m_FieldParameters = parseParameters(text.mid(close + 1));
    }
    if (!uri->parseAddress(address)) {
        logInvalid(__LINE__, text, "malformed address");
        return UriPtr();
    }
    return uri;
}

bool Uri::parseAddress(const QByteArray& address)
{
    QByteArray rest = address;
    const int colon = rest.indexOf(':');
    const QByteArray scheme = colon > 0 ? rest.left(colon).toLower() : QByteArray();
    if (scheme == "sip" || scheme == "sips" || scheme == "tel") {
        m_Scheme = Bytes(scheme);
        rest = rest.mid(colon + 1);
    } else if (colon > 0 && !isPortThenEnd(rest, colon) && (rest.indexOf('@') < 0 || colon < rest.indexOf('@'))) {
        return false; // another scheme (http:, mailto:, ...)
    } else {
        // "user@host" and "host:port" are taken as SIP addresses.
        m_Scheme = Bytes(QByteArrayLiteral("sip"));
    }

    const int question = rest.indexOf('?');
    if (question >= 0) {
        m_Headers = Bytes(rest.mid(question + 1));
        rest = rest.left(question);
    }
    const int semicolon = rest.indexOf(';');
    if (semicolon >= 0) {
        m_Parameters = parseParameters(rest.mid(semicolon + 1));
        rest = rest.left(semicolon);
    }

    if (m_Scheme == Bytes(QByteArrayLiteral("tel"))) {
        if (rest.isEmpty())
            return false;
        m_Username = Bytes(rest);
        return true;
    }

    const int userEnd = rest.lastIndexOf('@');
    if (userEnd >= 0) {
        const QByteArray userInfo = rest.left(userEnd);
        const int passwordStart = userInfo.indexOf(':');
        m_Username = Bytes(passwordStart < 0 ? userInfo : userInfo.left(passwordStart));
        if (passwordStart >= 0)
            m_Password = Bytes(userInfo.mid(passwordStart + 1));
        rest = rest.mid(userEnd + 1);
    }

    QByteArray host = rest;
    QByteArray port;
    if (host.startsWith('[')) {
        const int close = host.indexOf(']');
        if (close < 0)
            return false;
        port = host.mid(close + 1);
        host = host.left(close + 1);
        if (!port.isEmpty() && !port.startsWith(':'))
            return false;
        port = port.mid(1);
    } else {
        const int portStart = host.lastIndexOf(':');
        if (portStart >= 0) {
            port = host.mid(portStart + 1);
            host = host.left(portStart);
        }
    }
    if (host.isEmpty() || host.contains(' ') || host.contains('<') || host.contains('>') || host.contains('"'))
        return false;
    if (!port.isEmpty() || rest.endsWith(':')) {
        bool valid = false;
        const int number = port.toInt(&valid);
        if (!valid || number <= 0 || number > 65535)
            return false;
        m_Port = number;
    }
    m_Host = Bytes(host);
    return true;
}

Bytes Uri::parameter(const char* name) const
{
    const Bytes wanted = Bytes().Use(name, -1);
    for (const Parameter& parameter : m_Parameters) {
        if (parameter.first.caseInsensitiveAsciiCompare(wanted))
            return parameter.second.isNull() ? Bytes(QByteArray("")) : parameter.second;
    }
    return Bytes();
}

QString Uri::toString(bool withDisplayName) const
{
    QByteArray address = m_Scheme.toByteArray() + ':';
    if (m_Scheme == Bytes(QByteArrayLiteral("tel"))) {
        address += m_Username.toByteArray();
    } else {
        if (!m_Username.isEmpty()) {
            address += m_Username.toByteArray();
            if (!m_Password.isNull())
                address += ':' + m_Password.toByteArray();
            address += '@';
        }
        address += m_Host.toByteArray();
        if (m_Port > 0)
            address += ':' + QByteArray::number(m_Port);
    }
    address += joinParameters(m_Parameters);
    if (!m_Headers.isNull())
        address += '?' + m_Headers.toByteArray();

    if (!withDisplayName || m_DisplayName.isNull())
        return QString::fromUtf8(address);
    QByteArray name = m_DisplayName.toByteArray();
    name.replace('\\', "\\\\").replace('"', "\\\"");
    return QString::fromUtf8('"' + name + "\" <" + address + '>' + joinParameters(m_FieldParameters));
}

Bytes UrlDecode(const Bytes& text)
{
    if (text.isNull())
        return Bytes();
    const unsigned char* data = text.Ptr();
    const int length = text.Length();
    QByteArray decoded;
    decoded.reserve(length);
    for (int index = 0; index < length; ++index) {
        if (data[index] == '%' && index + 2 < length) {
            const int high = hexValue(data[index + 1]);
            const int low = hexValue(data[index + 2]);
            if (high >= 0 && low >= 0) {
                decoded += char(high * 16 + low);
                index += 2;
                continue;
            }
        }
        decoded += char(data[index]);
    }
    return Bytes(decoded);
}

} // namespace Sip
} // namespace Tesk
