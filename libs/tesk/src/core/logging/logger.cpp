#include <Tesk/Core/Logging/Logger.h>

#include <QMetaObject>
#include <QObject>
#include <QStringList>

namespace Tesk {
namespace Core {
namespace Logging {

Logger& Logger::operator<<(const char* text)
{
    if (m_Discard)
        return *this;
    m_Text += text ? QString::fromUtf8(text) : QStringLiteral("(null)");
    return *this;
}

Logger& Logger::operator<<(const QString& text)
{
    if (m_Discard)
        return *this;
    m_Text += text;
    return *this;
}

Logger& Logger::operator<<(const QByteArray& text)
{
    if (m_Discard)
        return *this;
    m_Text += QString::fromUtf8(text);
    return *this;
}

Logger& Logger::operator<<(const std::string& text)
{
    if (m_Discard)
        return *this;
    m_Text += QString::fromStdString(text);
    return *this;
}

Logger& Logger::operator<<(const QStringList& texts)
{
    if (m_Discard)
        return *this;
    m_Text += QLatin1Char('(') + texts.join(QStringLiteral(", ")) + QLatin1Char(')');
    return *this;
}

Logger& Logger::operator<<(char value)
{
    if (m_Discard)
        return *this;
    m_Text += QLatin1Char(value);
    return *this;
}

Logger& Logger::operator<<(int value)
{
    if (m_Discard)
        return *this;
    m_Text += QString::number(value);
    return *this;
}

Logger& Logger::operator<<(unsigned int value)
{
    if (m_Discard)
        return *this;
    m_Text += QString::number(value);
    return *this;
}

Logger& Logger::operator<<(long value)
{
    if (m_Discard)
        return *this;
    m_Text += QString::number(value);
    return *this;
}

Logger& Logger::operator<<(unsigned long value)
{
    if (m_Discard)
        return *this;
    m_Text += QString::number(value);
    return *this;
}

Logger& Logger::operator<<(long long value)
{
    if (m_Discard)
        return *this;
    m_Text += QString::number(value);
    return *this;
}

Logger& Logger::operator<<(unsigned long long value)
{
    if (m_Discard)
        return *this;
    m_Text += QString::number(value);
    return *this;
}

Logger& Logger::operator<<(double value)
{
    if (m_Discard)
        return *this;
    m_Text += QString::number(value, 'g', 12);
    return *this;
}

Logger& Logger::operator<<(bool value)
{
    if (m_Discard)
        return *this;
    m_Text += value ? QStringLiteral("true") : QStringLiteral("false");
    return *this;
}

Logger& Logger::operator<<(const void* pointer)
{
    if (m_Discard)
        return *this;
    m_Text += QStringLiteral("0x") + QString::number(quintptr(pointer), 16);
    return *this;
}

Logger& Logger::operator<<(const QObject* object)
{
    if (m_Discard)
        return *this;
    if (!object) {
        m_Text += QStringLiteral("QObject(0x0)");
        return *this;
    }
    m_Text += QString::fromLatin1(object->metaObject()->className()) + QStringLiteral("(0x")
        + QString::number(quintptr(object), 16);
    if (!object->objectName().isEmpty())
        m_Text += QStringLiteral(", name = \"") + object->objectName() + QLatin1Char('"');
    m_Text += QLatin1Char(')');
    return *this;
}

} // namespace Logging
} // namespace Core
} // namespace Tesk
