#pragma once

#include "Platform/clock.h"

#include <cstdint>

namespace Connector {

// The phone's sense of time: tick count for key timing, local time for the display.
// Tests give their own.
class PolyphoneClock
{
public:
    virtual ~PolyphoneClock() = default;

    // Milliseconds since system start, wrapping as a 32-bit count does.
    virtual std::uint32_t tickCount() const;
    virtual Platform::LocalTime localTime() const;

    static PolyphoneClock& system();
};

// Whole seconds from `from` to `to`; 0 when `to` is not later.
std::uint64_t secondsBetween(const Platform::LocalTime& from, const Platform::LocalTime& to);

} // namespace Connector
