#include "Utils/themes.h"

#include "common/constants.h"

#include <Kivo/Settings.h>
#include <Kivo/Utils/Path.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace Utils {
namespace Themes {

namespace {

constexpr const char* ThemesFolder = "/themes";
constexpr const char* ResourcesFile = "resources.rcc";

} // namespace

QString defaultTheme()
{
    return Kivo::Settings(Kivo::Settings::DefaultSettings)
        .value(Constants::SettingsKey::DefaultsTheme, "default")
        .toString();
}

QString activeTheme()
{
    return Kivo::Settings(Kivo::Settings::ApplicationSettings)
        .value(Constants::SettingsKey::ThemesActive, defaultTheme())
        .toString();
}

void setActiveTheme(const QString& name)
{
    Kivo::Settings(Kivo::Settings::ApplicationSettings).setValue(Constants::SettingsKey::ThemesActive, name);
}

QStringList themeFolders(const QString& name, bool includeWritable)
{
    const QString suffix = name.isEmpty() ? QString() : '/' + name;
    const QString programFolder = QCoreApplication::applicationDirPath();
    QStringList folders;
    for (const QString& candidate : {programFolder + ThemesFolder + suffix,
                                     programFolder + "/.." + ThemesFolder + suffix}) {
        const QFileInfo info(candidate);
        if (info.isDir())
            folders.append(info.canonicalFilePath());
    }
    if (includeWritable)
        folders.append(Kivo::Utils::Path::writableDataPath() + ThemesFolder + suffix);
    return folders;
}

QString themeNameFromPath(const QString& path)
{
    static const QRegularExpression resources(QStringLiteral("/themes/([^\\\\/]+)/resources.rcc$"));
    static const QRegularExpression description(QStringLiteral("/themes/([^\\\\/]+)/description.xml$"));
    QRegularExpressionMatch match = resources.match(path);
    if (match.hasMatch())
        return match.captured(1);
    match = description.match(path);
    if (match.hasMatch())
        return match.captured(1);
    return path;
}

QString themeResourcesPath(const QString& name)
{
    if (name.isEmpty())
        return QString();
    for (const QString& folder : themeFolders(name, true)) {
        const QFileInfo file(folder + '/' + ResourcesFile);
        if (file.isFile())
            return file.canonicalFilePath();
    }
    return QString();
}

} // namespace Themes
} // namespace Utils
