#pragma once

#include "Platform/wide_string.h"

#include <cstdint>

namespace Connector {

// The clock and call-duration texts of the phone's display.
class PolyphoneTimeText
{
public:
    // The display field takes at most this many characters.
    static constexpr std::size_t Capacity = 8;

    // Two numbers formatted with a "%2u:%02u"-like picture; false when the picture is
    // missing or not of that form, or the text would not fit.
    static bool format(const Platform::WChar* picture, unsigned first, unsigned second, Platform::WString& text);

    // Total minutes and seconds, so that a call of 61 minutes reads "61:05"; minutes within
    // the hour only when the total would not fit.
    static bool duration(const Platform::WChar* picture, std::uint64_t seconds, Platform::WString& text);
};

} // namespace Connector
