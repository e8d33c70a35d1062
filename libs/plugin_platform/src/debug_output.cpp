#include "Platform/debug_output.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace Platform {

bool debugOutputEnabled()
{
    const char* value = std::getenv("TELVARION_DEBUG_OUTPUT");
    return value && value[0] && std::strcmp(value, "0") != 0;
}

void debugOutput(const char* text)
{
    if (!text || !debugOutputEnabled())
        return;
    std::fputs(text, stderr);
    std::fflush(stderr);
}

} // namespace Platform
