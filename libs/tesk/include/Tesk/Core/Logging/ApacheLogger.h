#pragma once

#include <Tesk/Core/Logging/Base.h>
#include <Tesk/Core/Logging/Logger.h>
#include <Tesk/Core/Logging/Record.h>
#include <Tesk/Core/Logging/RecordCapture.h>

#include <QString>

namespace Tesk {
namespace Core {
namespace Logging {

// One log statement: stream the text in, the record is written when the object dies.
//   ApacheLogger(__FILE__, __LINE__, Q_FUNC_INFO, 2, "AppLogger") << "text " << 42;
class ApacheLogger : public Logger
{
public:
    ApacheLogger(const char* sourcePath, int line, const char* function, unsigned short level,
                 const char* category);
    ~ApacheLogger() override;

    // Stops writing log files; returns true when the file log was running.
    static bool Stop();
    // Starts writing log files again (a no-op when running).
    static void ReStart();
    static bool isRunning();
    // Deletes this logger's log files; the file log is running afterwards exactly when
    // restart is true.
    static void clearLogs(bool restart);
    // Copies the log configuration file (configurationFileName()) from the folder `from`
    // into the folder `to` unless `to` already has one, then applies the one in `to`.
    // Without a configuration, logs go to `to` + "/logs". Returns false when a copy failed.
    static bool CopyLogConfiguration(const QString& from, const QString& to);

    static void setLogFolder(const QString& folder);
    static QString logFolder();
    // The file being written; older ones are <base>.1.log ... <base>.<maxFiles>.log.
    static QString currentLogFile();
    static void setMaxFileSize(qint64 bytes);
    static qint64 maxFileSize();
    static void setMaxFiles(int files);
    static int maxFiles();
    // Records below the level stay out of the files (and the stderr mirror); by default the
    // trace level (0) does. Sinks such as RecordCapture see every record.
    static void setMinimumLevel(unsigned short level);
    static unsigned short minimumLevel();

    static QString configurationFileName();

private:
    Record m_Record;
};

// Logs the current call stack at level 0.
void do_backtrace();

// Logs entry on construction and exit on destruction of a method body.
class CTraceScope
{
public:
    CTraceScope(const char* function, const char* sourcePath, int line, bool withBacktrace,
                const char* category);
    ~CTraceScope();
    CTraceScope(const CTraceScope&) = delete;
    CTraceScope& operator=(const CTraceScope&) = delete;

private:
    const char* m_Function;
    const char* m_SourcePath;
    int m_Line;
    const char* m_Category;
};

} // namespace Logging
} // namespace Core
} // namespace Tesk
