#include "Platform/system_error.h"

#include <cerrno>
#include <cstring>

namespace Platform {

int lastError()
{
    return errno;
}

std::string systemErrorText(int code)
{
    char buffer[256] = {};
    // The GNU variant may return a static text instead of filling the buffer.
    const char* text = strerror_r(code, buffer, sizeof buffer);
    std::string result = text ? text : "";
    const auto lineBreak = result.find_first_of("\r\n");
    if (lineBreak != std::string::npos)
        result.erase(lineBreak);
    return result;
}

} // namespace Platform
