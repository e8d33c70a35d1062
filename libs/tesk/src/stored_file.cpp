#include <Tesk/StoredFile.h>

#include <Tesk/Core/Logging/ApacheLogger.h>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#define STORED_FILE_LOG(level) \
    Tesk::Core::Logging::ApacheLogger(__FILE__, __LINE__, Q_FUNC_INFO, (level), "AppLogger")

namespace Tesk {
namespace StoredFile {

namespace {

using Core::Logging::LevelError;
using Core::Logging::LevelWarning;

constexpr qint64 ReadChunk = 64 * 1024;

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString kindOf(mode_t mode)
{
    if (S_ISFIFO(mode))
        return QStringLiteral("a pipe");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("a device");
    if (S_ISSOCK(mode))
        return QStringLiteral("a socket");
    if (S_ISDIR(mode))
        return QStringLiteral("a folder");
    if (S_ISLNK(mode))
        return QStringLiteral("a link");
    return QStringLiteral("not a regular file");
}

class Descriptor
{
public:
    explicit Descriptor(int descriptor = -1) : m_Descriptor(descriptor) {}
    ~Descriptor() { close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return m_Descriptor; }
    void reset(int descriptor)
    {
        close();
        m_Descriptor = descriptor;
    }
    // The result of close(2), which is where some file systems report a failed write.
    bool close()
    {
        if (m_Descriptor < 0)
            return true;
        const int result = ::close(m_Descriptor);
        m_Descriptor = -1;
        return result == 0;
    }

private:
    int m_Descriptor;
};

bool writeAll(int descriptor, const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = ::write(descriptor, data, size_t(size));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

bool readAtMost(int descriptor, qint64 limit, QByteArray& data)
{
    QByteArray chunk(int(qMin(limit, ReadChunk)), Qt::Uninitialized);
    while (data.size() < limit) {
        const ssize_t got = ::read(descriptor, chunk.data(), size_t(qMin<qint64>(chunk.size(), limit - data.size())));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (got == 0)
            break;
        data.append(chunk.constData(), int(got));
    }
    return true;
}

// The temporary file beside the target: hidden, and named after it, so that what a crash
// leaves behind is recognisable.
int createBeside(const QFileInfo& target, QString& temporary)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary = target.absolutePath() + QStringLiteral("/.") + target.fileName() + QLatin1Char('.')
                    + QString::number(QRandomGenerator::global()->generate(), 36) + QStringLiteral(".tmp");
        const int descriptor =
            ::open(native(temporary).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (descriptor >= 0 || errno != EEXIST)
            return descriptor;
    }
    return -1;
}

bool moveAside(const QString& path, const QString& kind)
{
    const QString aside = path + QStringLiteral(".refused");
    if (::rename(native(path).constData(), native(aside).constData()) == 0) {
        STORED_FILE_LOG(LevelError) << "Stored file " << path << " refused: it is " << kind << "; moved to " << aside
                                    << " and started afresh";
        return true;
    }
    STORED_FILE_LOG(LevelError) << "Stored file " << path << " refused: it is " << kind
                                << ", and cannot be moved aside: " << systemError(errno);
    return false;
}

} // namespace

ReadResult read(const QString& path, qint64 maxSize, QByteArray& contents)
{
    contents.clear();
    struct stat status = {};
    if (::stat(native(path).constData(), &status) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return ReadResult::Missing;
        STORED_FILE_LOG(LevelError) << "Stored file " << path << " refused: " << systemError(errno);
        return ReadResult::Refused;
    }
    // Looked at before it is opened: opening a pipe waits for a writer, and opening some
    // devices does something.
    if (!S_ISREG(status.st_mode)) {
        STORED_FILE_LOG(LevelError) << "Stored file " << path << " refused: it is " << kindOf(status.st_mode);
        return ReadResult::Refused;
    }
    // And again through the open handle: the name may have changed hands in between.
    Descriptor file(::open(native(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0) {
        STORED_FILE_LOG(LevelError) << "Stored file " << path << " refused: " << systemError(errno);
        return ReadResult::Refused;
    }
    if (!S_ISREG(status.st_mode)) {
        STORED_FILE_LOG(LevelError) << "Stored file " << path << " refused: it is " << kindOf(status.st_mode);
        return ReadResult::Refused;
    }
    QByteArray data;
    if (!readAtMost(file.get(), maxSize + 1, data)) {
        STORED_FILE_LOG(LevelError) << "Stored file " << path << " refused: " << systemError(errno);
        return ReadResult::Refused;
    }
    if (data.size() > maxSize) {
        STORED_FILE_LOG(LevelError) << "Stored file " << path << " refused: it is larger than " << maxSize << " bytes";
        return ReadResult::Refused;
    }
    contents = data;
    return ReadResult::Read;
}

bool write(const QString& path, const QByteArray& contents)
{
    const QFileInfo target(path);
    QString temporary;
    Descriptor file(createBeside(target, temporary));
    if (file.get() < 0) {
        STORED_FILE_LOG(LevelError) << "Stored file " << path << " not written: " << systemError(errno)
                                    << "; the previous file is kept";
        return false;
    }
    struct stat previous = {};
    const bool keepMode = ::lstat(native(path).constData(), &previous) == 0 && S_ISREG(previous.st_mode);
    const bool written = (!keepMode || ::fchmod(file.get(), previous.st_mode & 07777) == 0)
                         && writeAll(file.get(), contents.constData(), contents.size()) && ::fsync(file.get()) == 0
                         && file.close()
                         && ::rename(native(temporary).constData(), native(path).constData()) == 0;
    if (!written) {
        const int error = errno;
        file.close();
        ::unlink(native(temporary).constData());
        STORED_FILE_LOG(LevelError) << "Stored file " << path << " not written: " << systemError(error)
                                    << "; the previous file is kept";
        return false;
    }
    // The new name reaches the disk with its folder; the file is in place either way.
    Descriptor folder(::open(native(target.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        ::fsync(folder.get());
    return true;
}

bool makeOpenable(const QString& path, Use use, qint64 maxSize)
{
    struct stat entry = {};
    if (::lstat(native(path).constData(), &entry) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return true;
        STORED_FILE_LOG(LevelError) << "Stored file " << path << " refused: " << systemError(errno);
        return false;
    }
    if (S_ISREG(entry.st_mode))
        return true;
    if (!S_ISLNK(entry.st_mode)) {
        if (use == Use::ReadWrite)
            return moveAside(path, kindOf(entry.st_mode));
        STORED_FILE_LOG(LevelError) << "Stored file " << path << " refused: it is " << kindOf(entry.st_mode);
        return false;
    }
    if (use == Use::ReadOnly) {
        struct stat target = {};
        if (::stat(native(path).constData(), &target) == 0 && S_ISREG(target.st_mode))
            return true;
        STORED_FILE_LOG(LevelError) << "Stored file " << path << " refused: it is a link to what is not a regular file";
        return false;
    }
    QByteArray copy;
    if (read(path, maxSize, copy) == ReadResult::Read) {
        if (!write(path, copy))
            return false;
        STORED_FILE_LOG(LevelWarning) << "Stored file " << path
                                      << " was a link: it is now a copy of what it led to, which is left as it was";
        return true;
    }
    return moveAside(path, QStringLiteral("a link to what is not a readable regular file"));
}

} // namespace StoredFile
} // namespace Tesk
