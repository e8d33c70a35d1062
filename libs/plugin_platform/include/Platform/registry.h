#pragma once

#include <optional>
#include <string>

namespace Platform {

// Read access to the registry layer file that the main program writes.
//
// Location: $TELVARION_REGISTRY_FILE when set and not empty, else
// $XDG_CONFIG_HOME/Telvarion/registry.ini, else ~/.config/Telvarion/registry.ini.
//
// Format (UTF-8, lines ending in LF or CRLF):
//   [HKEY_LOCAL_MACHINE\SOFTWARE\Marlowane\InstalledBrandedQOMX]   a key, by its native path
//   CompanyName=Marlowane                                           a string value
//   ProductName="Tavoro Desktop"                                    quoted: \" and \\ are escapes
//   ; or # starts a comment line
// Root names are the long forms HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER. Key paths and
// value names compare without regard to ASCII case; blanks around names and unquoted values
// are dropped. A value named @ is the key's default value. When a value appears twice, the
// last one counts.
class Registry
{
public:
    enum class Root { LocalMachine, CurrentUser };

    static std::string filePath();

    // The value, or nothing when the file, key or value is missing or the file unreadable.
    static std::optional<std::string> readString(Root root, const std::string& keyPath, const std::string& name);
};

} // namespace Platform
