#include "Polyphone/polyphone_clock.h"

#include <ctime>

namespace Connector {

namespace {

std::int64_t secondsOf(const Platform::LocalTime& time)
{
    tm parts{};
    parts.tm_year = time.year - 1900;
    parts.tm_mon = time.month - 1;
    parts.tm_mday = time.day;
    parts.tm_hour = time.hour;
    parts.tm_min = time.minute;
    parts.tm_sec = time.second;
    // Wall-clock fields on both sides: read them as UTC so that no zone shifts either.
    return static_cast<std::int64_t>(timegm(&parts));
}

} // namespace

std::uint32_t PolyphoneClock::tickCount() const
{
    return static_cast<std::uint32_t>(Platform::tickCount64());
}

Platform::LocalTime PolyphoneClock::localTime() const
{
    return Platform::localTime();
}

PolyphoneClock& PolyphoneClock::system()
{
    static PolyphoneClock clock;
    return clock;
}

std::uint64_t secondsBetween(const Platform::LocalTime& from, const Platform::LocalTime& to)
{
    if (from.year == 0 || to.year == 0)
        return 0;
    const std::int64_t seconds = secondsOf(to) - secondsOf(from);
    return seconds > 0 ? static_cast<std::uint64_t>(seconds) : 0;
}

} // namespace Connector
