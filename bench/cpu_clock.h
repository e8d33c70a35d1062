#pragma once

#include <QElapsedTimer>

#include <ctime>

// Times a step twice: on the wall clock, and in CPU time of the calling (GUI) thread, which
// a busy machine does not stretch; figures of a shared machine are read from the latter.
class StepClock
{
public:
    StepClock() { restart(); }

    void restart()
    {
        m_Wall.start();
        m_Cpu = threadCpuNs();
    }
    double wallMs() const { return m_Wall.nsecsElapsed() / 1e6; }
    double cpuMs() const { return (threadCpuNs() - m_Cpu) / 1e6; }

    static qint64 threadCpuNs()
    {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
    }

private:
    QElapsedTimer m_Wall;
    qint64 m_Cpu = 0;
};
