#pragma once

#include "rotating_log_file.h"

#include <Tesk/Core/Logging/Record.h>

#include <QList>
#include <QRecursiveMutex>

namespace Tesk {
namespace Core {
namespace Logging {

class Base;

// The process-wide log: the file, the registered sinks and the stderr mirror.
class LogCore
{
public:
    // Never destroyed, so that records from static destructors stay safe.
    static LogCore& instance();

    // False while no record would reach a file, stderr or a sink: the statement may skip
    // building its record.
    bool wantsRecords() const;
    void write(const Record& record);
    void addSink(Base* sink);
    void removeSink(Base* sink);

    bool stop();
    void restart();
    bool isRunning() const;
    bool clearFiles(bool restart);

    void setFolder(const QString& folder);
    QString folder() const;
    QString currentFile() const;
    void setMaxFileSize(qint64 bytes);
    qint64 maxFileSize() const;
    void setMaxFiles(int files);
    int maxFiles() const;
    void setMinimumLevel(unsigned short level);
    unsigned short minimumLevel() const;

private:
    LogCore();

    mutable QRecursiveMutex m_Mutex;
    QList<Base*> m_Sinks;
    RotatingLogFile m_File;
    bool m_Running = true;
    bool m_MirrorToStderr = false;
    unsigned short m_MinimumLevel = LevelDebug;
};

} // namespace Logging
} // namespace Core
} // namespace Tesk
