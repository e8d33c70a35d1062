#include "Utils/autostart.h"

#include "Utils/desktop_entry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace Utils {
namespace Autostart {

namespace {

constexpr const char* EntryName = "telvarion.desktop";

} // namespace

QString entryPath()
{
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    const QString folder = configHome.startsWith('/') ? configHome : QDir::homePath() + "/.config";
    return folder + "/autostart/" + EntryName;
}

QString program()
{
    const QString entry = entryPath();
    if (DesktopEntry::value(entry, "Hidden").compare("true", Qt::CaseInsensitive) == 0)
        return QString();
    return DesktopEntry::execProgram(DesktopEntry::value(entry, "Exec"));
}

void setProgram(const QString& program)
{
    if (program.isEmpty()) {
        QFile::remove(entryPath());
        return;
    }
    DesktopEntry::write(entryPath(), QStringLiteral("Type=Application\nName=%1\nExec=%2\nX-GNOME-Autostart-enabled=true\n")
                                         .arg(QCoreApplication::applicationName(), DesktopEntry::execArgument(program)));
}

} // namespace Autostart
} // namespace Utils
