#include "log_core.h"

#include <Tesk/Core/Logging/Base.h>

#include <QMutexLocker>

#include <cstdio>

namespace Tesk {
namespace Core {
namespace Logging {

LogCore& LogCore::instance()
{
    static LogCore* core = new LogCore;
    return *core;
}

LogCore::LogCore()
    : m_File(QStringLiteral("tesk")),
      m_MirrorToStderr(qEnvironmentVariableIntValue("TESK_LOG_STDERR") == 1)
{
}

bool LogCore::wantsRecords() const
{
    QMutexLocker locker(&m_Mutex);
    return m_Running || m_MirrorToStderr || !m_Sinks.isEmpty();
}

void LogCore::write(const Record& record)
{
    QMutexLocker locker(&m_Mutex);
    for (Base* sink : m_Sinks)
        sink->write(record);
    if ((!m_Running && !m_MirrorToStderr) || record.level < m_MinimumLevel)
        return;
    QByteArray line = formatRecord(record).toUtf8();
    line.append('\n');
    if (m_MirrorToStderr) {
        std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
        std::fflush(stderr);
    }
    if (m_Running)
        m_File.write(line);
}

void LogCore::setMinimumLevel(unsigned short level)
{
    QMutexLocker locker(&m_Mutex);
    m_MinimumLevel = level;
}

unsigned short LogCore::minimumLevel() const
{
    QMutexLocker locker(&m_Mutex);
    return m_MinimumLevel;
}

void LogCore::addSink(Base* sink)
{
    QMutexLocker locker(&m_Mutex);
    if (sink && !m_Sinks.contains(sink))
        m_Sinks.append(sink);
}

void LogCore::removeSink(Base* sink)
{
    QMutexLocker locker(&m_Mutex);
    m_Sinks.removeAll(sink);
}

bool LogCore::stop()
{
    QMutexLocker locker(&m_Mutex);
    const bool wasRunning = m_Running;
    m_Running = false;
    m_File.close();
    return wasRunning;
}

void LogCore::restart()
{
    QMutexLocker locker(&m_Mutex);
    m_Running = true;
}

bool LogCore::isRunning() const
{
    QMutexLocker locker(&m_Mutex);
    return m_Running;
}

bool LogCore::clearFiles(bool restart)
{
    QMutexLocker locker(&m_Mutex);
    const bool removed = m_File.removeAll();
    m_Running = restart;
    return removed;
}

void LogCore::setFolder(const QString& folder)
{
    QMutexLocker locker(&m_Mutex);
    m_File.setFolder(folder);
}

QString LogCore::folder() const
{
    QMutexLocker locker(&m_Mutex);
    return m_File.folder();
}

QString LogCore::currentFile() const
{
    QMutexLocker locker(&m_Mutex);
    return m_File.currentPath();
}

void LogCore::setMaxFileSize(qint64 bytes)
{
    QMutexLocker locker(&m_Mutex);
    m_File.setMaxSize(bytes);
}

qint64 LogCore::maxFileSize() const
{
    QMutexLocker locker(&m_Mutex);
    return m_File.maxSize();
}

void LogCore::setMaxFiles(int files)
{
    QMutexLocker locker(&m_Mutex);
    m_File.setMaxFiles(files);
}

int LogCore::maxFiles() const
{
    QMutexLocker locker(&m_Mutex);
    return m_File.maxFiles();
}

} // namespace Logging
} // namespace Core
} // namespace Tesk
