// Times and weighs communications windows: a chat's window of a generated account built,
// shown and drawn, then ROUNDS rounds of opening WINDOWS such windows at once and closing them
// all. Prints "first_build_ms=... build_ms=... window_kib=... window_threads=... engines=...
// round_kib=<after round 1>,<after round 2>,... round_heap_kib=... left_kib=..." where build_ms is the median of the
// windows built after the first, window_kib and window_threads what one more window holds
// (resident memory and threads, each window shown), engines the QML engines alive with one
// window open beside the others the program holds, and left_kib the resident memory after the
// last round minus before the first (freed memory handed back to the system first), and
// round_heap_kib and left_heap_kib the same for what the program's allocations still hold.
//
//     build/bench/windows_bench [WINDOWS=10] [ROUNDS=10]
#include "libqml/register_qml_types.h"
#include "libqml/utils/style.h"

#include "bench_conversation.h"
#include "peak_memory.h"
#include "time_until.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QQmlEngine>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// Lets queued work (deferred deletions, the scenes' first frames) finish.
void settle(int milliseconds = 100)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

// What the program's own allocations hold, without the pages the allocator keeps for reuse.
long liveHeapKib()
{
    settle();
    const struct mallinfo2 heap = mallinfo2();
    return long((heap.uordblks + heap.hblkhd) / 1024);
}

long residentKib()
{
    settle();
    malloc_trim(0);
    return statusKib("VmRSS");
}

int engines()
{
    // Every QML engine is a QObject of its own class; walk the objects the application knows.
    std::vector<QObject*> pending{qApp};
    QSet<const QQmlEngine*> found;
    for (QWidget* widget : QApplication::allWidgets())
        pending.push_back(widget);
    while (!pending.empty()) {
        QObject* object = pending.back();
        pending.pop_back();
        if (auto* engine = qobject_cast<QQmlEngine*>(object))
            found.insert(engine);
        if (const QQmlEngine* engine = qmlEngine(object))
            found.insert(engine);
        for (QObject* child : object->children())
            pending.push_back(child);
    }
    return found.size();
}

} // namespace

int main(int argc, char** argv)
{
    Q_INIT_RESOURCE(telvarion_ui);
    QApplication app(argc, argv);
    const int windows = std::max(1, QCoreApplication::arguments().value(1, "10").toInt());
    const int rounds = std::max(1, QCoreApplication::arguments().value(2, "10").toInt());
    QML::Style style;
    registerQmlTypes();
    BenchConversation chat({"--contacts", "50"});
    if (!chat.ready())
        return 1;

    // One window: its build time and what it holds.
    std::vector<double> times;
    long windowKib = 0;
    int windowThreads = 0;
    int enginesWithWindow = 0;
    for (int i = 0; i < 6; ++i) {
        const long before = residentKib();
        const int threadsBefore = int(statusKib("Threads"));
        QElapsedTimer clock;
        clock.start();
        std::unique_ptr<QML::CommunicationsWindow> window = chat.makeWindow();
        QCoreApplication::processEvents();
        times.push_back(clock.nsecsElapsed() / 1e6);
        if (i == 5) {
            windowKib = residentKib() - before;
            windowThreads = int(statusKib("Threads")) - threadsBefore;
            enginesWithWindow = engines();
        }
    }
    std::vector<double> later(times.begin() + 1, times.end());
    std::sort(later.begin(), later.end());

    // Rounds of many windows opened and closed.
    const long start = residentKib();
    const long heapStart = liveHeapKib();
    QStringList afterRounds;
    QStringList heapAfterRounds;
    for (int round = 0; round < rounds; ++round) {
        std::vector<std::unique_ptr<QML::CommunicationsWindow>> open;
        for (int i = 0; i < windows; ++i)
            open.push_back(chat.makeWindow());
        settle();
        open.clear();
        afterRounds << QString::number(residentKib() - start);
        heapAfterRounds << QString::number(liveHeapKib() - heapStart);
    }
    std::printf("first_build_ms=%.1f build_ms=%.1f window_kib=%ld window_threads=%d engines=%d windows=%d rounds=%d "
                "round_kib=%s round_heap_kib=%s left_kib=%ld left_heap_kib=%ld\n",
                times.front(), later[later.size() / 2], windowKib, windowThreads, enginesWithWindow, windows, rounds,
                qPrintable(afterRounds.join(',')), qPrintable(heapAfterRounds.join(',')), residentKib() - start, liveHeapKib() - heapStart);
    return 0;
}
