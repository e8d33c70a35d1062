#pragma once

#include <QString>
#include <QStringList>

namespace Utils {
namespace File {

// Copies the folder `source` into `destination` recursively, creating it with its parents.
// Entries whose name contains any of `excludes` (case-sensitive) are skipped; a file that
// cannot be copied (for instance because the target exists) is skipped too, and a link to
// a folder is not followed. False only when a destination folder cannot be created.
bool cpDir(const QString& source, const QString& destination, const QStringList& excludes);

// The absolute path of the first sub-folder of `root` (names in `excludes` skipped) that
// holds the plain file `fileName`; empty when there is none or `root` is no folder.
QString findProfileFolder(const QString& root, const QString& fileName, const QStringList& excludes);

} // namespace File
} // namespace Utils
