#pragma once

#include <QString>
#include <QStringList>

namespace Utils {
namespace Themes {

// The shipped default theme ("defaults/theme" of the default settings; "default" when absent).
QString defaultTheme();
// The stored active theme ("settings/themes/active"); the default theme when absent.
QString activeTheme();
void setActiveTheme(const QString& name);

// The folders that may hold the theme `name`: beside the program, one folder above it, and
// (when asked for) in the user's data folder. An empty name gives the "themes" folders.
QStringList themeFolders(const QString& name, bool includeWritable);
// A stored path to a theme's resources.rcc or description.xml gives the theme's name; any
// other text (a plain name) is returned unchanged.
QString themeNameFromPath(const QString& path);
// The canonical path of the theme's resources.rcc, or empty when none exists.
QString themeResourcesPath(const QString& name);

} // namespace Themes
} // namespace Utils
