#pragma once

#include <QString>

namespace Utils {

// Desktop entry files, the desktops' way of naming a program to start: for a link scheme
// (an applications entry) or at log-in (an autostart entry).
namespace DesktopEntry {

// The running program's executable as the system should start it.
QString programPath();

// The path as one quoted argument of an Exec line: quoting escapes first, then the
// value's own backslash escape, and "%" is not a field code.
QString execArgument(const QString& path);
// The program an Exec line starts (its first argument, unquoted); empty for none.
QString execProgram(const QString& exec);

// A value of the entry's "[Desktop Entry]" group; empty when the file or key is missing.
QString value(const QString& file, const QString& key);
// Writes the "[Desktop Entry]" group with the lines given; false, logged, when it cannot.
bool write(const QString& file, const QString& lines);

} // namespace DesktopEntry
} // namespace Utils
