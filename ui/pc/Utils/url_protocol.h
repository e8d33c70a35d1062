#pragma once

#include <QString>

namespace Utils {
namespace UrlProtocol {

constexpr const char* ClientPathVariable = "XQTV8_CLIENT_PATH";
constexpr const char* MachineEnvironmentKey =
    "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment";
constexpr const char* UserEnvironmentKey = "HKEY_CURRENT_USER\\Environment";

// Makes the system hand links of the scheme to the program at `executable` (the running
// program's when empty), or with `doRegister` false removes the scheme's key.
void registerUrlProtocol(bool doRegister, const QString& name, const QString& scheme,
                         const QString& executable = QString());
void registerQomxProtocol(bool doRegister);
// The desktop entry that offers the program at `executable` for links of the scheme, or
// with `doRegister` false its removal.
void writeSchemeHandlerEntry(bool doRegister, const QString& name, const QString& scheme, const QString& executable);

// Publishes the program's path in the client-path variable of the user's (or, when only
// that one is set, the machine's) environment.
void setClientPathVariable(const QString& executable = QString());

} // namespace UrlProtocol
} // namespace Utils
