#pragma once

#include <cstdint>

namespace Platform {

struct LocalTime
{
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t dayOfWeek = 0;
    std::uint16_t day = 0;
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;
    std::uint16_t milliseconds = 0;
};

LocalTime localTime();

// Milliseconds since system start (monotonic).
std::uint64_t tickCount64();

// The calling thread's id as the kernel numbers it.
std::uint32_t currentThreadId();

} // namespace Platform
