#include "rotating_log_file.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace Tesk {
namespace Core {
namespace Logging {

namespace {
constexpr qint64 DefaultMaxSize = 5 * 1024 * 1024;
constexpr int DefaultMaxFiles = 5;
constexpr qint64 SmallestMaxSize = 1024;
} // namespace

RotatingLogFile::RotatingLogFile(const QString& baseName)
    : m_BaseName(baseName), m_MaxSize(DefaultMaxSize), m_MaxFiles(DefaultMaxFiles)
{
}

void RotatingLogFile::setFolder(const QString& folder)
{
    const QString cleaned = folder.isEmpty() ? QString() : QDir::cleanPath(QDir(folder).absolutePath());
    if (cleaned == m_Folder)
        return;
    close();
    m_Folder = cleaned;
    m_OpenFailed = false;
}

void RotatingLogFile::setMaxSize(qint64 bytes)
{
    // A bound smaller than one line would rotate on every record.
    m_MaxSize = qMax(bytes, SmallestMaxSize);
}

void RotatingLogFile::setMaxFiles(int files)
{
    m_MaxFiles = qMax(files, 0);
}

QString RotatingLogFile::currentPath() const
{
    return m_Folder.isEmpty() ? QString() : m_Folder + QLatin1Char('/') + m_BaseName + QStringLiteral(".log");
}

QString RotatingLogFile::olderPath(int index) const
{
    return m_Folder + QLatin1Char('/') + m_BaseName + QLatin1Char('.') + QString::number(index) + QStringLiteral(".log");
}

bool RotatingLogFile::open()
{
    if (m_File.isOpen())
        return true;
    if (m_Folder.isEmpty() || m_OpenFailed)
        return false;
    QDir().mkpath(m_Folder);
    m_File.setFileName(currentPath());
    if (!m_File.open(QIODevice::WriteOnly | QIODevice::Append)) {
        // Reported once per folder: the logger cannot log its own failure to a file.
        std::fprintf(stderr, "tesk: cannot open log file %s: %s\n", qPrintable(currentPath()),
                     qPrintable(m_File.errorString()));
        m_OpenFailed = true;
        return false;
    }
    return true;
}

void RotatingLogFile::rotate()
{
    m_File.close();
    if (m_MaxFiles == 0) {
        QFile::remove(currentPath());
        return;
    }
    QFile::remove(olderPath(m_MaxFiles));
    for (int index = m_MaxFiles - 1; index >= 1; --index) {
        if (QFileInfo::exists(olderPath(index)))
            QFile::rename(olderPath(index), olderPath(index + 1));
    }
    QFile::rename(currentPath(), olderPath(1));
}

bool RotatingLogFile::write(const QByteArray& line)
{
    if (!open())
        return false;
    if (m_File.size() > 0 && m_File.size() + line.size() > m_MaxSize) {
        rotate();
        if (!open())
            return false;
    }
    const bool written = m_File.write(line) == line.size();
    m_File.flush();
    return written;
}

void RotatingLogFile::close()
{
    m_File.close();
}

bool RotatingLogFile::removeAll()
{
    close();
    m_OpenFailed = false;
    if (m_Folder.isEmpty())
        return true;
    bool removed = true;
    const QDir dir(m_Folder);
    const QStringList patterns{m_BaseName + QStringLiteral(".log"), m_BaseName + QStringLiteral(".*.log")};
    for (const QString& name : dir.entryList(patterns, QDir::Files)) {
        if (!QFile::remove(dir.filePath(name)))
            removed = false;
    }
    return removed;
}

} // namespace Logging
} // namespace Core
} // namespace Tesk
