#include "Utils/file_utils.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace Utils {
namespace File {

namespace {

bool isExcluded(const QString& name, const QStringList& excludes)
{
    for (const QString& exclude : excludes) {
        if (name.contains(exclude))
            return true;
    }
    return false;
}

} // namespace

bool cpDir(const QString& source, const QString& destination, const QStringList& excludes)
{
    const QString target = QDir(destination).absolutePath();
    if (!QDir(target).exists() && !QDir().mkpath(target))
        return false;

    const QFileInfoList entries =
        QDir(source).entryInfoList(QDir::Dirs | QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QFileInfo& entry : entries) {
        if (isExcluded(entry.fileName(), excludes))
            continue;
        const QString to = target + '/' + entry.fileName();
        // A linked folder may lead back into the tree being copied: it is not followed.
        if (entry.isDir() && !entry.isSymLink()) {
            if (!cpDir(entry.filePath(), to, excludes))
                return false;
        } else if (entry.isFile()) {
            QFile::copy(entry.filePath(), to);
        } else {
            qDebug() << "Unhandled item" << entry.filePath() << "in cpDir";
        }
    }
    return true;
}

QString findProfileFolder(const QString& root, const QString& fileName, const QStringList& excludes)
{
    const QDir rootDir(root);
    if (root.isEmpty() || !rootDir.exists())
        return QString();
    const QFileInfoList folders = rootDir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QFileInfo& folder : folders) {
        if (excludes.contains(folder.fileName()))
            continue;
        if (QDir(folder.absoluteFilePath()).entryList(QDir::Files | QDir::Hidden).contains(fileName))
            return folder.absoluteFilePath();
    }
    return QString();
}

} // namespace File
} // namespace Utils
