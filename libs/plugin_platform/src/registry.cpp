#include "Platform/registry.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>

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
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;

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
