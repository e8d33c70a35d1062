#pragma once

#include <QFile>
#include <QString>

namespace Tesk {
namespace Core {
namespace Logging {

// A log file that is moved aside once it would grow beyond a size, keeping a bounded
// number of older files: <base>.log, <base>.1.log (newest old one) ... <base>.<n>.log.
// Not thread-safe; the owner serialises calls.
class RotatingLogFile
{
public:
    explicit RotatingLogFile(const QString& baseName);

    void setFolder(const QString& folder);
    const QString& folder() const { return m_Folder; }
    void setMaxSize(qint64 bytes);
    qint64 maxSize() const { return m_MaxSize; }
    void setMaxFiles(int files);
    int maxFiles() const { return m_MaxFiles; }

    QString currentPath() const;
    // Returns false when there is no folder or the file cannot be written.
    bool write(const QByteArray& line);
    void close();
    // Deletes the current and the older files; returns false when one could not be deleted.
    bool removeAll();

private:
    QString olderPath(int index) const;
    bool open();
    void rotate();

    QString m_BaseName;
    QString m_Folder;
    qint64 m_MaxSize;
    int m_MaxFiles;
    QFile m_File;
    bool m_OpenFailed = false;
};

} // namespace Logging
} // namespace Core
} // namespace Tesk
