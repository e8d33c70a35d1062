#pragma once

#include <cstdint>

namespace Connector {

struct SupportedPhone
{
    std::uint16_t vendorId;
    std::uint16_t productId;
};

// The desk phones the plug-in drives, by their USB ids. The build reads this list too and
// makes from it the udev rule that lets the user at the seat open these phones' HID nodes:
// keep one phone per line, written as below.
constexpr SupportedPhone SupportedPhones[] = {
    {0x095D, 0x9201},
    {0x095D, 0x9300},
};

} // namespace Connector
