#pragma once

#include <QString>

namespace Utils {

// Starting the program when the user logs on to the desktop: an XDG autostart entry
// ($XDG_CONFIG_HOME/autostart, else ~/.config/autostart) that names the program, in place
// of a value under the user's Run key.
namespace Autostart {

QString entryPath();
// The program the entry starts; empty when there is no entry, it starts nothing or the
// user has switched it off (Hidden).
QString program();
// Names `program` in the entry, or removes the entry for an empty one.
void setProgram(const QString& program);

} // namespace Autostart
} // namespace Utils
