#include "Platform/clock.h"

#include <ctime>
#include <sys/syscall.h>
#include <unistd.h>

namespace Platform {

LocalTime localTime()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm parts{};
    localtime_r(&now.tv_sec, &parts);
    LocalTime result;
    result.year = static_cast<std::uint16_t>(parts.tm_year + 1900);
    result.month = static_cast<std::uint16_t>(parts.tm_mon + 1);
    result.dayOfWeek = static_cast<std::uint16_t>(parts.tm_wday);
    result.day = static_cast<std::uint16_t>(parts.tm_mday);
    result.hour = static_cast<std::uint16_t>(parts.tm_hour);
    result.minute = static_cast<std::uint16_t>(parts.tm_min);
    result.second = static_cast<std::uint16_t>(parts.tm_sec);
    result.milliseconds = static_cast<std::uint16_t>(now.tv_nsec / 1000000);
    return result;
}

std::uint64_t tickCount64()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::uint64_t>(now.tv_sec) * 1000u + static_cast<std::uint64_t>(now.tv_nsec / 1000000);
}

std::uint32_t currentThreadId()
{
    return static_cast<std::uint32_t>(syscall(SYS_gettid));
}

} // namespace Platform
