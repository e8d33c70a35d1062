#include <Tesk/Core/Logging/Record.h>

namespace Tesk {
namespace Core {
namespace Logging {

namespace {
QString levelName(unsigned short level)
{
    static const char* const names[] = {"TRACE", "DEBUG", "INFO ", "WARN ", "ERROR", "FATAL"};
    if (level < sizeof(names) / sizeof(names[0]))
        return QString::fromLatin1(names[level]);
    return QStringLiteral("L") + QString::number(level);
}
} // namespace

QString formatRecord(const Record& record)
{
    return record.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")) + QLatin1Char(' ')
        + levelName(record.level) + QStringLiteral(" [") + record.category + QStringLiteral("] ")
        + record.source + QLatin1Char(':') + QString::number(record.line) + QLatin1Char(' ')
        + record.function + QStringLiteral(" - ") + record.text;
}

} // namespace Logging
} // namespace Core
} // namespace Tesk
