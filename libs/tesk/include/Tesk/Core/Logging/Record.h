#pragma once

#include <QDateTime>
#include <QString>

namespace Tesk {
namespace Core {
namespace Logging {

// Levels as the program passes them to the logger.
enum Level : unsigned short
{
    LevelTrace = 0,
    LevelDebug = 1,
    LevelInfo = 2,
    LevelWarning = 3,
    LevelError = 4,
    LevelFatal = 5
};

struct Record
{
    QDateTime time; // in UTC
    unsigned short level = LevelInfo;
    QString category;
    QString source;
    int line = 0;
    QString function;
    QString text;
};

// One line as the log files hold it (no trailing newline).
QString formatRecord(const Record& record);

} // namespace Logging
} // namespace Core
} // namespace Tesk
