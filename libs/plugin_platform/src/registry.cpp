#include "Platform/registry.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <sstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Platform {

namespace {

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return std::string();
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

bool equalNoCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::string unquoted(const std::string& value)
{
    if (value.size() < 2 || value.front() != '"' || value.back() != '"')
        return value;
    std::string result;
    for (std::size_t i = 1; i + 1 < value.size(); ++i) {
        if (value[i] == '\\' && i + 2 < value.size() && (value[i + 1] == '"' || value[i + 1] == '\\'))
            ++i;
        result.push_back(value[i]);
    }
    return result;
}

// The file the client writes, read only when it is a regular file (a pipe in its place
// would hold the plug-in for ever, a device feed it for ever) and of a registry's size.
std::optional<std::string> readRegistryFile(const std::string& path)
{
    constexpr std::size_t MaxBytes = 1024 * 1024;
    struct stat status = {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    const int file = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (file < 0)
        return std::nullopt;
    std::string contents;
    char buffer[16384];
    ssize_t got = 0;
    const bool regular = ::fstat(file, &status) == 0 && S_ISREG(status.st_mode);
    while (regular && contents.size() <= MaxBytes && (got = ::read(file, buffer, sizeof buffer)) > 0)
        contents.append(buffer, std::size_t(got));
    ::close(file);
    if (!regular || got < 0 || contents.size() > MaxBytes)
        return std::nullopt;
    return contents;
}

const char* rootName(Registry::Root root)
{
    return root == Registry::Root::LocalMachine ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER";
}

} // namespace

std::string Registry::filePath()
{
    const char* overridden = std::getenv("TELVARION_REGISTRY_FILE");
    if (overridden && overridden[0])
        return overridden;
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (configHome && configHome[0] == '/')
        return std::string(configHome) + "/Telvarion/registry.ini";
    const char* home = std::getenv("HOME");
    if (!home || !home[0])
        return std::string();
    return std::string(home) + "/.config/Telvarion/registry.ini";
}

std::optional<std::string> Registry::readString(Root root, const std::string& keyPath, const std::string& name)
{
    const std::string path = filePath();
    if (path.empty())
        return std::nullopt;
    const std::optional<std::string> contents = readRegistryFile(path);
    if (!contents)
        return std::nullopt;
    std::istringstream file(*contents);

    std::string wantedKey = std::string(rootName(root)) + "\\" + keyPath;
    while (!wantedKey.empty() && wantedKey.back() == '\\')
        wantedKey.pop_back();

    std::optional<std::string> found;
    bool inKey = false;
    std::string line;
    while (std::getline(file, line)) {
        const std::string text = trimmed(line);
        if (text.empty() || text[0] == ';' || text[0] == '#')
            continue;
        if (text.front() == '[') {
            std::string section = text.back() == ']' ? trimmed(text.substr(1, text.size() - 2)) : std::string();
            while (!section.empty() && section.back() == '\\')
                section.pop_back();
            inKey = equalNoCase(section, wantedKey);
            continue;
        }
        if (!inKey)
            continue;
        const auto equals = text.find('=');
        if (equals == std::string::npos)
            continue;
        if (equalNoCase(trimmed(text.substr(0, equals)), name))
            found = unquoted(trimmed(text.substr(equals + 1)));
    }
    return found;
}

} // namespace Platform
