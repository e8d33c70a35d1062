#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>

// Runs `start`, then the event loop until `done` holds; the elapsed milliseconds. A step
// that has not finished after a minute ends the benchmark with an error.
inline double timeUntil(const std::function<void()>& start, const std::function<bool()>& done)
{
    QElapsedTimer clock;
    clock.start();
    start();
    while (!done()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (clock.elapsed() > 60000) {
            std::fprintf(stderr, "a step did not finish within a minute\n");
            std::exit(1);
        }
    }
    return clock.nsecsElapsed() / 1e6;
}
