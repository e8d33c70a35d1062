#pragma once

#include <QByteArray>
#include <QString>

namespace Tesk {

// The program's own files on disk: settings, credentials, the registry file, configurations.
// They are read only from a regular file, without waiting on a pipe and within a bound, and
// written by replacing the file whole: a failed write (a full disk) leaves the previous file
// as it was, and nothing is ever written through a link, into a pipe or onto a device. Every
// refusal and failure is logged with the file's name.
namespace StoredFile {

enum class ReadResult
{
    Read,
    Missing,
    Refused // not a regular file, larger than the bound, or unreadable
};

// A link is followed only to a regular file.
ReadResult read(const QString& path, qint64 maxSize, QByteArray& contents);

// Writes a file of the same folder, flushes it to the disk and puts it in place of whatever
// was at `path` (a link or a pipe there is replaced, never written through). The permissions
// of a regular file there are kept.
bool write(const QString& path, const QByteArray& contents);

enum class Use
{
    ReadOnly,
    ReadWrite
};

// For a reader that opens the file by name itself (QSettings): true when `path` may be given
// to it, because nothing is there or a regular file is. A file to be written must not be a
// link, which that reader would write through: a link to a regular file of at most `maxSize`
// bytes is replaced by a copy of it. Anything else where a file is to be written is moved
// aside (to "<path>.refused") so that a new file can take its place; false when it is still
// there.
bool makeOpenable(const QString& path, Use use, qint64 maxSize);

} // namespace StoredFile
} // namespace Tesk
