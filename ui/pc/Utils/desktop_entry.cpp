#include "Utils/desktop_entry.h"

#include "common/logging.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

namespace Utils {
namespace DesktopEntry {

namespace {

constexpr const char* Group = "[Desktop Entry]";
constexpr const char* ExecutableName = "Telvarion";
// An entry is a few lines; anything far larger is not one of ours.
constexpr qint64 MaxEntrySize = 64 * 1024;

} // namespace

QString programPath()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + '/' + ExecutableName);
}

QString execArgument(const QString& path)
{
    QString quoted;
    for (const QChar c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    quoted.replace('\\', QLatin1String("\\\\"));
    quoted.replace('%', QLatin1String("%%"));
    return '"' + quoted + '"';
}

QString execProgram(const QString& exec)
{
    // The value's own escapes first, then the quoting of the argument.
    QString line;
    const QString text = exec.trimmed();
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            ++i;
            const QChar escaped = text[i];
            line += escaped == 's' ? QChar(' ') : escaped == 'n' ? QChar('\n') : escaped == 't' ? QChar('\t') : escaped;
            continue;
        }
        line += text[i];
    }
    line.replace(QLatin1String("%%"), QLatin1String("%"));
    if (!line.startsWith('"'))
        return line.section(' ', 0, 0);
    QString program;
    for (int i = 1; i < line.size(); ++i) {
        if (line[i] == '"')
            return program;
        if (line[i] == '\\' && i + 1 < line.size())
            ++i;
        program += line[i];
    }
    LOG_WARNING << "Unterminated quote in the Exec line " << exec;
    return QString();
}

QString value(const QString& file, const QString& key)
{
    QFile entry(file);
    if (!entry.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    if (entry.size() > MaxEntrySize) {
        LOG_WARNING << "Ignoring the oversized desktop entry " << file;
        return QString();
    }
    QTextStream stream(&entry);
    stream.setCodec("UTF-8");
    bool inGroup = false;
    QString found;
    while (!stream.atEnd()) {
        const QString line = stream.readLine().trimmed();
        if (line.startsWith('[')) {
            inGroup = line == Group;
            continue;
        }
        const int equals = line.indexOf('=');
        if (inGroup && equals > 0 && line.left(equals).trimmed() == key)
            found = line.mid(equals + 1).trimmed();
    }
    return found;
}

bool write(const QString& file, const QString& lines)
{
    if (!QDir().mkpath(QFileInfo(file).absolutePath())) {
        LOG_WARNING << "Cannot create the folder of the desktop entry " << file;
        return false;
    }
    QSaveFile entry(file);
    if (!entry.open(QIODevice::WriteOnly | QIODevice::Text)) {
        LOG_WARNING << "Cannot write the desktop entry " << file;
        return false;
    }
    entry.write((QString(Group) + '\n' + lines).toUtf8());
    if (!entry.commit()) {
        LOG_WARNING << "Cannot write the desktop entry " << file;
        return false;
    }
    return true;
}

} // namespace DesktopEntry
} // namespace Utils
