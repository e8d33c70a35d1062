#pragma once

#include <cstdint>

namespace Connector {

// Logs a report-parsing result other than success as
// "Hid, <operation>, HID error 0x%08x (<text>) (usage 0x%04x, page 0x%04x).".
class HidStatus
{
public:
    static const char* text(std::uint32_t status);
    static void log(int level, const char* operation, std::uint32_t status, std::uint16_t usage,
                    std::uint16_t usagePage);
};

} // namespace Connector
