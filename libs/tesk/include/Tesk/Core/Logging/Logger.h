#pragma once

#include <QByteArray>
#include <QString>

#include <string>

class QObject;
class QStringList;

namespace Tesk {
namespace Core {
namespace Logging {

// Collects the text of one log statement.
class Logger
{
public:
    Logger() = default;
    Logger(const Logger&) = delete;
    Logger& operator=(const Logger&) = delete;
    virtual ~Logger() = default;

    Logger& operator<<(const char* text);
    Logger& operator<<(const QString& text);
    Logger& operator<<(const QByteArray& text);
    Logger& operator<<(const std::string& text);
    Logger& operator<<(const QStringList& texts);
    Logger& operator<<(char value);
    Logger& operator<<(int value);
    Logger& operator<<(unsigned int value);
    Logger& operator<<(long value);
    Logger& operator<<(unsigned long value);
    Logger& operator<<(long long value);
    Logger& operator<<(unsigned long long value);
    Logger& operator<<(double value);
    Logger& operator<<(bool value);
    Logger& operator<<(const void* pointer);
    Logger& operator<<(const QObject* object);

    const QString& text() const { return m_Text; }

protected:
    QString m_Text;
    // Set by a statement whose record nobody would read: the values are not formatted.
    bool m_Discard = false;
};

} // namespace Logging
} // namespace Core
} // namespace Tesk
