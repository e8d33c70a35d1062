#pragma once

#include <cstdarg>
#include <cstddef>

namespace Platform {

// printf-style formatting into a fixed buffer, with "%ws" (and "%ls") for 16-bit texts,
// which are written as UTF-8. The result is always terminated and cut to fit;
// returns the length written.
std::size_t formatText(char* buffer, std::size_t capacity, const char* format, va_list arguments);
std::size_t formatTextV(char* buffer, std::size_t capacity, const char* format, ...);

} // namespace Platform
