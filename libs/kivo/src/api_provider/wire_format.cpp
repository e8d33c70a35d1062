#include "wire_format.h"

#include <QTextCodec>

#include <cctype>
#include <limits>

namespace Kivo {
namespace ApiProvider {

namespace {

bool mustEscape(uchar byte)
{
    return byte <= ' ' || byte == 0x7F || byte == '%';
}

} // namespace

WireWriter::WireWriter(const char* kind)
    : m_Line(kind)
{
}

WireWriter& WireWriter::number(qint64 value)
{
    m_Line += ' ';
    m_Line += QByteArray::number(value);
    return *this;
}

WireWriter& WireWriter::text(const QString& value)
{
    static const char hexDigits[] = "0123456789ABCDEF";
    m_Line += " :";
    for (const char character : value.toUtf8()) {
        const auto byte = static_cast<uchar>(character);
        if (mustEscape(byte)) {
            m_Line += '%';
            m_Line += hexDigits[byte >> 4];
            m_Line += hexDigits[byte & 0xF];
        } else {
            m_Line += character;
        }
    }
    return *this;
}

QByteArray WireWriter::line() const
{
    return m_Line + '\n';
}

WireReader::WireReader(const QByteArray& line)
    : m_Fields(line.split(' '))
{
}

const QByteArray* WireReader::take(const char* what)
{
    if (!m_Error.isEmpty())
        return nullptr;
    if (m_Next >= m_Fields.size()) {
        fail(QStringLiteral("missing %1").arg(QLatin1String(what)));
        return nullptr;
    }
    return &m_Fields.at(m_Next++);
}

void WireReader::fail(const QString& error)
{
    if (m_Error.isEmpty())
        m_Error = error;
}

qint64 WireReader::number(qint64 minimum, qint64 maximum, const char* what)
{
    const QByteArray* field = take(what);
    if (!field)
        return 0;
    // toLongLong would also take blanks and a leading '+'; the format has neither.
    const bool shaped = !field->isEmpty() && (field->at(0) == '-' || (field->at(0) >= '0' && field->at(0) <= '9'));
    bool ok = false;
    const qint64 value = shaped ? field->toLongLong(&ok) : 0;
    if (!ok || value < minimum || value > maximum) {
        fail(QStringLiteral("bad %1").arg(QLatin1String(what)));
        return 0;
    }
    return value;
}

int WireReader::int32(const char* what)
{
    return static_cast<int>(number(std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max(), what));
}

int WireReader::count(const char* what)
{
    return static_cast<int>(number(0, Wire::MaxListEntries, what));
}

QString WireReader::text(const char* what)
{
    const QByteArray* field = take(what);
    if (!field)
        return QString();
    if (!field->startsWith(':')) {
        fail(QStringLiteral("bad %1").arg(QLatin1String(what)));
        return QString();
    }
    QByteArray bytes;
    bytes.reserve(field->size());
    for (int i = 1; i < field->size(); ++i) {
        if (field->at(i) != '%') {
            bytes += field->at(i);
            continue;
        }
        const QByteArray digits = field->mid(i + 1, 2);
        bool ok = digits.size() == 2 && isxdigit(uchar(digits.at(0))) && isxdigit(uchar(digits.at(1)));
        const int byte = ok ? digits.toInt(&ok, 16) : 0;
        if (!ok) {
            fail(QStringLiteral("bad escape in %1").arg(QLatin1String(what)));
            return QString();
        }
        bytes += static_cast<char>(byte);
        i += 2;
    }
    QTextCodec::ConverterState state;
    const QString decoded = QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars > 0 || state.remainingChars > 0) {
        fail(QStringLiteral("%1 is not UTF-8").arg(QLatin1String(what)));
        return QString();
    }
    return decoded;
}

bool WireReader::finish(QString* error)
{
    if (m_Error.isEmpty() && m_Next != m_Fields.size())
        fail(QStringLiteral("unexpected fields"));
    if (error)
        *error = m_Error;
    return m_Error.isEmpty();
}

void LineSplitter::append(const QByteArray& bytes)
{
    m_Pending.remove(0, m_Start);
    m_Start = 0;
    m_Pending += bytes;
}

bool LineSplitter::hasLine() const
{
    return m_Pending.indexOf('\n', m_Start) >= 0;
}

bool LineSplitter::next(QByteArray* line)
{
    for (;;) {
        const int newline = m_Pending.indexOf('\n', m_Start);
        if (newline < 0) {
            if (m_Pending.size() - m_Start > Wire::MaxLineBytes) {
                if (!m_Skipping)
                    ++m_Dropped;
                m_Skipping = true;
                m_Pending.clear();
                m_Start = 0;
            }
            return false;
        }
        const int start = m_Start;
        m_Start = newline + 1;
        if (m_Skipping || newline - start > Wire::MaxLineBytes) {
            if (!m_Skipping)
                ++m_Dropped;
            m_Skipping = false;
            continue;
        }
        *line = m_Pending.mid(start, newline - start);
        return true;
    }
}

} // namespace ApiProvider
} // namespace Kivo
