#include <Tesk/Bytes.h>

#include <Tesk/Core/Logging/ApacheLogger.h>

#include <cstring>

namespace Tesk {

Bytes::Bytes(const QByteArray& data) : m_Data(data)
{
}

Bytes Bytes::fromString(const QString& text)
{
    return Bytes(text.isNull() ? QByteArray() : text.toUtf8());
}

Bytes& Bytes::Copy(const unsigned char* data, int length)
{
    return Copy(reinterpret_cast<const char*>(data), length);
}

Bytes& Bytes::Copy(const char* data, int length)
{
    if (!data || length < 0) {
        if (data || length > 0)
            Core::Logging::ApacheLogger("tesk/bytes", __LINE__, "Tesk::Bytes::Copy", Core::Logging::LevelError,
                                        "AppLogger")
                << "Refusing to copy " << length << " bytes from " << static_cast<const void*>(data);
        m_Data = QByteArray();
        return *this;
    }
    m_Data = QByteArray(data, length);
    return *this;
}

Bytes& Bytes::Use(const char* data, int length)
{
    if (!data) {
        m_Data = QByteArray();
        return *this;
    }
    if (length < 0)
        length = int(std::strlen(data));
    m_Data = QByteArray::fromRawData(data, length);
    return *this;
}

const unsigned char* Bytes::Ptr() const
{
    return reinterpret_cast<const unsigned char*>(m_Data.constData());
}

bool Bytes::caseInsensitiveAsciiCompare(const Bytes& other) const
{
    if (Length() != other.Length())
        return false;
    // Byte by byte: the buffers may hold zero bytes and non-ASCII bytes stay exact.
    const auto lower = [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c; };
    const unsigned char* mine = Ptr();
    const unsigned char* theirs = other.Ptr();
    for (int index = 0; index < Length(); ++index) {
        if (lower(mine[index]) != lower(theirs[index]))
            return false;
    }
    return true;
}

QByteArray Bytes::toByteArray() const
{
    return QByteArray(m_Data.constData(), m_Data.size());
}

QString Bytes::toQString() const
{
    return isNull() ? QString() : QString::fromUtf8(m_Data.constData(), m_Data.size());
}

} // namespace Tesk
