#pragma once

#include <cstddef>
#include <string>

namespace Platform {

// The plug-in keeps texts in 16-bit units, as the client and the phone exchange them.
using WChar = char16_t;
using WString = std::u16string;

std::size_t wideLength(const WChar* text);

// Copies at most capacity - 1 units and always terminates; returns the units copied.
std::size_t copyWide(WChar* target, std::size_t capacity, const WChar* source);

// Copies an 8-bit text unit by unit (each byte becomes one character).
WString widenBytes(const char* text);

// Strict UTF-8 decoding into UTF-16; false on a malformed sequence (output then undefined).
// A sequence cut off by the end of the input is dropped, not treated as malformed.
bool utf8ToWide(const char* text, std::size_t length, WString& result);

// Encodes each 16-bit unit by itself; a surrogate unit or U+FFFF ends the text.
std::string wideToUtf8(const WChar* text);

// Keeps the low byte of each unit.
std::string narrowLowBytes(const WChar* text);

} // namespace Platform
