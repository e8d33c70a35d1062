#pragma once

#include <string>

namespace Platform {

// The user's local application data folder ($XDG_DATA_HOME, else ~/.local/share), with a
// trailing '/'; empty when neither can be found.
std::string localAppDataFolder();

} // namespace Platform
