#pragma once

#include <string>

namespace Platform {

// The calling thread's last system error (errno), as the plug-in's messages report it.
int lastError();

// The system's text for an error code; empty when it has none.
std::string systemErrorText(int code);

} // namespace Platform
