#include "Platform/resume_detector.h"

#include <ctime>

namespace Platform {

namespace {

std::int64_t milliseconds(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

} // namespace

ResumeDetector::ResumeDetector(std::int64_t thresholdMs)
    : m_ThresholdMs(thresholdMs), m_LastSuspendedMs(0), m_Started(false)
{
}

bool ResumeDetector::poll()
{
    const std::int64_t suspended = suspendedMs();
    if (!m_Started) {
        m_Started = true;
        m_LastSuspendedMs = suspended;
        return false;
    }
    const bool resumed = suspended - m_LastSuspendedMs >= m_ThresholdMs;
    m_LastSuspendedMs = suspended;
    return resumed;
}

std::int64_t ResumeDetector::suspendedMs() const
{
    return milliseconds(CLOCK_BOOTTIME) - milliseconds(CLOCK_MONOTONIC);
}

} // namespace Platform
