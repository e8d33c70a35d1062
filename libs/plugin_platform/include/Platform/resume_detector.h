#pragma once

#include <cstdint>

namespace Platform {

// Tells that the computer resumed from sleep: the boot-time clock keeps counting while
// suspended and the monotonic clock does not, so their difference jumps on resume.
class ResumeDetector
{
public:
    explicit ResumeDetector(std::int64_t thresholdMs = 2000);

    // True once per resume seen since the previous call.
    bool poll();

protected:
    virtual std::int64_t suspendedMs() const;

private:
    std::int64_t m_ThresholdMs;
    std::int64_t m_LastSuspendedMs;
    bool m_Started;
};

} // namespace Platform
