#include <Tesk/IniFormat.h>

#include <Tesk/Core/Logging/ApacheLogger.h>

#include <QDataStream>
#include <QFileDevice>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>

#include <cerrno>
#include <cstring>

#include <unistd.h>

#define INI_LOG(level) Tesk::Core::Logging::ApacheLogger(__FILE__, __LINE__, Q_FUNC_INFO, (level), "AppLogger")

// The text form is Qt's: sections by the first part of a key ("General" for keys without
// one), '/' written as '\', values with C-like escapes, lists joined by commas, and other
// types as "@Type(...)" values, so that files written by either stay readable by both.
namespace Tesk {
namespace IniFormat {

namespace {

using Core::Logging::LevelError;

constexpr char HexDigits[] = "0123456789ABCDEF";

// ---- keys ----

bool isPlainKeyCharacter(ushort ch)
{
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_' || ch == '-'
           || ch == '.';
}

void appendEscapedKey(const QString& key, QByteArray& out)
{
    for (const QChar c : key) {
        const ushort ch = c.unicode();
        if (ch == '/') {
            out += '\\';
        } else if (isPlainKeyCharacter(ch)) {
            out += char(ch);
        } else if (ch <= 0xFF) {
            out += '%';
            out += HexDigits[ch / 16];
            out += HexDigits[ch % 16];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += HexDigits[(ch >> shift) & 0xF];
        }
    }
}

QString unescapedKey(const QByteArray& data, int from, int to)
{
    QString key;
    int i = from;
    while (i < to) {
        const char ch = data.at(i);
        if (ch == '\\') {
            key += QLatin1Char('/');
            ++i;
            continue;
        }
        if (ch != '%' || i == to - 1) {
            key += QLatin1Char(ch);
            ++i;
            continue;
        }
        const bool wide = data.at(i + 1) == 'U';
        const int first = i + 1 + (wide ? 1 : 0);
        const int digits = wide ? 4 : 2;
        bool ok = false;
        const ushort code = first + digits <= to ? data.mid(first, digits).toUShort(&ok, 16) : 0;
        if (!ok) {
            key += QLatin1Char('%');
            ++i;
            continue;
        }
        key += QChar(code);
        i = first + digits;
    }
    return key;
}

// ---- values ----

QString variantToString(const QVariant& value)
{
    switch (value.userType()) {
    case QMetaType::UnknownType:
        return QStringLiteral("@Invalid()");
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        return QStringLiteral("@ByteArray(") + QLatin1String(bytes.constData(), bytes.size()) + QLatin1Char(')');
    }
    case QMetaType::QString:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Bool:
    case QMetaType::Double:
    case QMetaType::QKeySequence: {
        QString text = value.toString();
        if (text.contains(QChar::Null))
            return QStringLiteral("@String(") + text + QLatin1Char(')');
        if (text.startsWith(QLatin1Char('@')))
            text.prepend(QLatin1Char('@'));
        return text;
    }
    case QMetaType::QRect: {
        const QRect r = value.toRect();
        return QString::asprintf("@Rect(%d %d %d %d)", r.x(), r.y(), r.width(), r.height());
    }
    case QMetaType::QSize: {
        const QSize s = value.toSize();
        return QString::asprintf("@Size(%d %d)", s.width(), s.height());
    }
    case QMetaType::QPoint: {
        const QPoint p = value.toPoint();
        return QString::asprintf("@Point(%d %d)", p.x(), p.y());
    }
    default:
        break;
    }
    QByteArray bytes;
    {
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream.setVersion(QDataStream::Qt_4_0);
        stream << value;
    }
    return QStringLiteral("@Variant(") + QLatin1String(bytes.constData(), bytes.size()) + QLatin1Char(')');
}

// The numbers inside "@Rect(1 2 3 4)" and the like.
QStringList arguments(const QString& text, int from)
{
    const int close = text.lastIndexOf(QLatin1Char(')'));
    return text.mid(from, close - from).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QVariant stringToVariant(const QString& text)
{
    if (!text.startsWith(QLatin1Char('@')))
        return text;
    if (text.endsWith(QLatin1Char(')'))) {
        if (text.startsWith(QLatin1String("@ByteArray(")))
            return text.mid(11, text.size() - 12).toLatin1();
        if (text.startsWith(QLatin1String("@String(")))
            return text.mid(8, text.size() - 9);
        if (text.startsWith(QLatin1String("@Variant(")) || text.startsWith(QLatin1String("@DateTime("))) {
            const bool dateTime = text.at(1) == QLatin1Char('D');
            QByteArray bytes = text.mid(dateTime ? 10 : 9).toLatin1();
            QDataStream stream(&bytes, QIODevice::ReadOnly);
            stream.setVersion(dateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
            QVariant result;
            stream >> result;
            return result;
        }
        if (text.startsWith(QLatin1String("@Rect("))) {
            const QStringList n = arguments(text, 6);
            if (n.size() == 4)
                return QRect(n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt());
        } else if (text.startsWith(QLatin1String("@Size("))) {
            const QStringList n = arguments(text, 6);
            if (n.size() == 2)
                return QSize(n[0].toInt(), n[1].toInt());
        } else if (text.startsWith(QLatin1String("@Point("))) {
            const QStringList n = arguments(text, 7);
            if (n.size() == 2)
                return QPoint(n[0].toInt(), n[1].toInt());
        } else if (text == QLatin1String("@Invalid()")) {
            return QVariant();
        }
    }
    if (text.startsWith(QLatin1String("@@")))
        return text.mid(1);
    return text;
}

bool isHexDigit(uint ch)
{
    return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

uint hexValue(char ch)
{
    if (ch >= '0' && ch <= '9')
        return uint(ch - '0');
    return uint((ch | 0x20) - 'a' + 10);
}

void appendEscapedString(const QString& text, QByteArray& out)
{
    const int start = out.size();
    bool needsQuotes = false;
    // After a numeric escape a hex digit would be read as part of it.
    bool escapeNextIfHexDigit = false;
    for (const QChar c : text) {
        const uint ch = c.unicode();
        if (ch == ';' || ch == ',' || ch == '=')
            needsQuotes = true;
        if (escapeNextIfHexDigit && isHexDigit(ch)) {
            out += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapeNextIfHexDigit = false;
        switch (ch) {
        case '\0':
            out += "\\0";
            escapeNextIfHexDigit = true;
            break;
        case '\a':
            out += "\\a";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\v':
            out += "\\v";
            break;
        case '"':
        case '\\':
            out += '\\';
            out += char(ch);
            break;
        default:
            if (ch <= 0x1F || ch >= 0x7F) {
                out += "\\x" + QByteArray::number(ch, 16);
                escapeNextIfHexDigit = true;
            } else {
                out += char(ch);
            }
        }
    }
    if (needsQuotes || (start < out.size() && (out.at(start) == ' ' || out.at(out.size() - 1) == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
}

void appendValue(const QVariant& value, QByteArray& out)
{
    const bool isList = value.userType() == QMetaType::QStringList
                        || (value.userType() == QMetaType::QVariantList && value.toList().size() != 1);
    if (!isList) {
        appendEscapedString(variantToString(value), out);
        return;
    }
    const QVariantList items = value.toList();
    // An empty list must not read back as a list of one empty text.
    if (items.isEmpty()) {
        out += "@Invalid()";
        return;
    }
    for (int i = 0; i < items.size(); ++i) {
        if (i != 0)
            out += ", ";
        appendEscapedString(variantToString(items.at(i)), out);
    }
}

void chopTrailingSpaces(QString& text, int limit)
{
    int n = text.size();
    while (n > limit && (text.at(n - 1) == QLatin1Char(' ') || text.at(n - 1) == QLatin1Char('\t')))
        --n;
    text.truncate(n);
}

char simpleEscape(char ch)
{
    switch (ch) {
    case 'a':
        return '\a';
    case 'b':
        return '\b';
    case 'f':
        return '\f';
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    case 'v':
        return '\v';
    case '"':
    case '?':
    case '\'':
    case '\\':
        return ch;
    default:
        return 0;
    }
}

// One value: a text, or a list when an unquoted comma appears.
QVariant unescapedValue(const QByteArray& data, int from, int to)
{
    QString current;
    QStringList list;
    bool isList = false;
    bool inQuotes = false;
    bool currentIsQuoted = false;
    int i = from;
    const auto skipSpaces = [&] {
        while (i < to && (data.at(i) == ' ' || data.at(i) == '\t'))
            ++i;
    };
    skipSpaces();
    int chopLimit = 0;
    while (i < to) {
        const char ch = data.at(i);
        if (ch == '\\') {
            ++i;
            if (i >= to)
                break;
            const char escaped = data.at(i++);
            if (const char plain = simpleEscape(escaped)) {
                current += QLatin1Char(plain);
            } else if ((escaped == 'x' && i < to && isHexDigit(uchar(data.at(i))))
                       || (escaped >= '0' && escaped <= '7')) {
                const bool hex = escaped == 'x';
                uint code = hex ? 0 : uint(escaped - '0');
                while (i < to) {
                    const char digit = data.at(i);
                    if (hex && isHexDigit(uchar(digit)))
                        code = (code << 4) + hexValue(digit);
                    else if (!hex && digit >= '0' && digit <= '7')
                        code = (code << 3) + uint(digit - '0');
                    else
                        break;
                    code &= 0xFFFFFF;
                    ++i;
                }
                current += QChar(ushort(code));
            } else if (escaped == '\n' || escaped == '\r') {
                // A line continued on the next: "\n", "\r", "\r\n" and "\n\r" all end a line.
                if (i < to && (data.at(i) == '\n' || data.at(i) == '\r') && data.at(i) != escaped)
                    ++i;
            }
            chopLimit = current.size();
        } else if (ch == '"') {
            ++i;
            currentIsQuoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes)
                skipSpaces();
        } else if (ch == ',' && !inQuotes) {
            if (!currentIsQuoted)
                chopTrailingSpaces(current, chopLimit);
            if (!isList) {
                isList = true;
                list.clear();
            }
            list.append(current);
            current.clear();
            currentIsQuoted = false;
            chopLimit = 0;
            ++i;
            skipSpaces();
        } else {
            int j = i + 1;
            while (j < to && data.at(j) != '\\' && data.at(j) != '"' && data.at(j) != ',')
                ++j;
            current += QLatin1String(data.constData() + i, j - i);
            i = j;
        }
    }
    if (!currentIsQuoted)
        chopTrailingSpaces(current, chopLimit);
    if (!isList)
        return stringToVariant(current);
    list.append(current);

    // A list of texts, unless an item is another type.
    QStringList texts = list;
    for (QString& text : texts) {
        if (!text.startsWith(QLatin1Char('@')))
            continue;
        if (text.startsWith(QLatin1String("@@"))) {
            text.remove(0, 1);
            continue;
        }
        QVariantList variants;
        for (const QString& item : qAsConst(list))
            variants.append(stringToVariant(item));
        return variants;
    }
    return texts;
}

// ---- lines ----

bool isSpace(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\f' || ch == '\v';
}

struct Line
{
    int start = 0;
    int length = 0;
    int equals = -1;
};

// The next line from `position`: a line break inside quotes or after a backslash continues
// it, and a ';' outside quotes ends it (the comment is a line of its own, skipped).
bool nextLine(const QByteArray& data, int& position, Line& line)
{
    const int size = data.size();
    bool inQuotes = false;
    line.equals = -1;
    line.start = position;
    while (line.start < size && isSpace(data.at(line.start)))
        ++line.start;
    int i = line.start;
    while (i < size) {
        const char ch = data.at(i++);
        if (ch == '=') {
            if (!inQuotes && line.equals == -1)
                line.equals = i - 1;
        } else if (ch == '\n' || ch == '\r') {
            if (i == line.start + 1) {
                ++line.start;
            } else if (!inQuotes) {
                --i;
                break;
            }
        } else if (ch == '\\') {
            if (i < size) {
                const char next = data.at(i++);
                if (i < size && ((next == '\n' && data.at(i) == '\r') || (next == '\r' && data.at(i) == '\n')))
                    ++i;
            }
        } else if (ch == '"') {
            inQuotes = !inQuotes;
        } else if (ch == ';') {
            if (i == line.start + 1) {
                while (i < size && data.at(i) != '\n' && data.at(i) != '\r')
                    ++i;
                while (i < size && isSpace(data.at(i)))
                    ++i;
                line.start = i;
            } else if (!inQuotes) {
                --i;
                break;
            }
        }
    }
    position = i;
    line.length = i - line.start;
    return line.length > 0;
}

bool readIni(QIODevice& device, QSettings::SettingsMap& map)
{
    const QByteArray data = device.read(MaxFileSize + 1);
    if (data.size() > MaxFileSize) {
        auto* const file = qobject_cast<QFileDevice*>(&device);
        INI_LOG(LevelError) << "Settings file " << (file ? file->fileName() : QString()) << " not read: it is larger than "
                            << MaxFileSize << " bytes";
        return false;
    }
    // Qt's reader goes on past a line that is not a setting; so does this one.
    decode(data, map);
    return true;
}

bool writeIni(QIODevice& device, const QSettings::SettingsMap& map)
{
    const QByteArray data = encode(map);
    auto* const file = qobject_cast<QFileDevice*>(&device);
    const QString name = file ? file->fileName() : QString();
    // Every step checked: a flush that fails inside the commit would go unnoticed, and the
    // cut file would replace the whole one.
    if (device.write(data) != data.size() || (file && !file->flush())) {
        INI_LOG(LevelError) << "Settings file " << name << " not written: " << device.errorString()
                            << "; the previous file is kept";
        return false;
    }
    if (file && ::fsync(file->handle()) != 0) {
        INI_LOG(LevelError) << "Settings file " << name << " not written: " << QString::fromLocal8Bit(std::strerror(errno))
                            << "; the previous file is kept";
        return false;
    }
    return true;
}

} // namespace

QSettings::Format format()
{
    static const QSettings::Format registered = QSettings::registerFormat(QStringLiteral("ini"), readIni, writeIni);
    return registered;
}

QByteArray encode(const QSettings::SettingsMap& map)
{
    // Keys without a section first, under [General], as Qt writes them.
    QMap<QString, QSettings::SettingsMap> sections;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const int slash = it.key().indexOf(QLatin1Char('/'));
        if (slash < 0)
            sections[QString()].insert(it.key(), it.value());
        else
            sections[it.key().left(slash)].insert(it.key().mid(slash + 1), it.value());
    }
    QByteArray out;
    for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
        QByteArray header;
        appendEscapedKey(section.key(), header);
        if (header.isEmpty())
            header = "General";
        else if (header.compare("general", Qt::CaseInsensitive) == 0)
            header.prepend('%');
        if (!out.isEmpty())
            out += '\n';
        out += '[' + header + "]\n";
        for (auto it = section.value().cbegin(); it != section.value().cend(); ++it) {
            appendEscapedKey(it.key(), out);
            out += '=';
            appendValue(it.value(), out);
            out += '\n';
        }
    }
    return out;
}

bool decode(const QByteArray& data, QSettings::SettingsMap& map)
{
    bool ok = true;
    QString section;
    int position = data.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    Line line;
    while (nextLine(data, position, line)) {
        const char first = data.at(line.start);
        if (first == '[') {
            const int close = data.indexOf(']', line.start);
            const bool closed = close >= 0 && close < line.start + line.length;
            if (!closed)
                ok = false;
            const QByteArray name =
                data.mid(line.start + 1, (closed ? close : line.start + line.length) - line.start - 1).trimmed();
            if (name.compare("general", Qt::CaseInsensitive) == 0) {
                section.clear();
            } else if (name.compare("%general", Qt::CaseInsensitive) == 0) {
                section = QString::fromLatin1(name.mid(1)) + QLatin1Char('/');
            } else {
                section = unescapedKey(name, 0, name.size()) + QLatin1Char('/');
            }
            continue;
        }
        if (line.equals < 0) {
            if (first != ';')
                ok = false;
            continue;
        }
        int keyEnd = line.equals;
        while (keyEnd > line.start && (data.at(keyEnd - 1) == ' ' || data.at(keyEnd - 1) == '\t'))
            --keyEnd;
        map.insert(section + unescapedKey(data, line.start, keyEnd),
                   unescapedValue(data, line.equals + 1, line.start + line.length));
    }
    return ok;
}

} // namespace IniFormat
} // namespace Tesk
