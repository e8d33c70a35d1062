#include "Platform/app_data.h"

#include <cstdlib>

namespace Platform {

std::string localAppDataFolder()
{
    std::string folder;
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && dataHome[0] == '/') {
        folder = dataHome;
    } else {
        const char* home = std::getenv("HOME");
        if (!home || !home[0])
            return std::string();
        folder = std::string(home) + "/.local/share";
    }
    if (folder.back() != '/')
        folder.push_back('/');
    return folder;
}

} // namespace Platform
