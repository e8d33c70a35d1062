#pragma once

#include <cstdarg>
#include <cstdio>

namespace Host {

// One line on the console, after the prefix, written out at once: the person reads while
// the client works.
inline void printLine(std::FILE* out, const char* prefix, const char* format, va_list arguments)
{
    std::fputs(prefix, out);
    std::vfprintf(out, format, arguments);
    std::fputc('\n', out);
    std::fflush(out);
}

} // namespace Host
