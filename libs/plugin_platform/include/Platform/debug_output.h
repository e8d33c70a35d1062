#pragma once

namespace Platform {

// The debugger output of the plug-in: stderr, only when TELVARION_DEBUG_OUTPUT is set to
// something other than "" or "0".
bool debugOutputEnabled();
void debugOutput(const char* text);

} // namespace Platform
