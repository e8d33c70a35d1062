// Times incoming calls and idles: signs in the demo user on the simulated service, then
//   - 20 times, an incoming call: from the service handing the call to the engine to its
//     pop-up being shown (the call is declined before the next one);
//   - then the signed-in client left alone for 60 s (the first argument changes it): the CPU
//     time it used and the timer events delivered meanwhile;
//   - then, when a second argument BURST is given, BURST incoming calls from the service at
//     once: the longest stall of the event loop until every call rang or was declined and
//     two seconds passed, the most threads meanwhile, and how many calls ring.
// Prints "popup_median_ms=<ms> popup_max_ms=<ms> idle_cpu_percent=<%> idle_timer_events=<n>
// idle_timer_receivers=<classes>" (the classes of the objects the idle timers woke, or "-")
// and, for a burst, "burst_calls=<n> burst_longest_stall_ms=<ms> burst_ms=<ms> burst_max_threads=<n>
// burst_ringing=<n> burst_popups=<n>".
// bench/incoming_call.py runs it from a copy of the program folder on a clean data folder.
#include "application.h"
#include "libqml/components/loginwindow/login_window.h"
#include "libqml/components/mainwindow/main_window.h"
#include "libqml/components/notifications/communication_notification.h"
#include "libqml/utils/style.h"
#include "peak_memory.h"

#include <Kivo/MediaEngine/CallControllerBase.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Service.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

constexpr int Calls = 20;

// Counts what the idle client does: timer events, and the moment a call's pop-up shows.
class Watch : public QObject
{
public:
    QElapsedTimer sinceCall;
    std::vector<double> popupMs;
    // The classes of the objects the timer events went to, in order.
    QStringList timerReceivers;
    bool counting = false;
    bool waitingForPopup = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (counting && event->type() == QEvent::Timer)
            timerReceivers << QString::fromLatin1(watched->metaObject()->className());
        if (waitingForPopup && event->type() == QEvent::Show
            && qobject_cast<QML::CommunicationNotification*>(watched)) {
            waitingForPopup = false;
            popupMs.push_back(sinceCall.nsecsElapsed() / 1e6);
        }
        return false;
    }
};

double cpuSeconds()
{
    return double(std::clock()) / CLOCKS_PER_SEC;
}

bool waitFor(const std::function<bool()>& done, int timeoutMs = 10000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    Q_INIT_RESOURCE(telvarion_ui);
    Application app(argc, argv);
    new QML::Style(&app);
    if (!app.initialize())
        return 1;
    const int idleSeconds = QCoreApplication::arguments().value(1, "60").toInt();
    const int burst = QCoreApplication::arguments().value(2, "0").toInt();
    QML::LoginWindow* login = app.loginWindow();
    if (!login)
        return 1;
    login->setUsername("alice@demo.telvarion.net");
    login->setPassword("Demo-1234");
    login->onSigninClicked();
    if (!waitFor([&app] { return app.mainWindow() && app.mainWindow()->isVisible(); }, 30000)) {
        std::fprintf(stderr, "the main window did not show\n");
        return 2;
    }

    Watch watch;
    app.installEventFilter(&watch);
    Kivo::MediaEngine::CallControllerBase* calls = app.session()->callController();
    // From the service handing the call to the engine: the engine's own receivers of the
    // call make the pop-up at once, before any later receiver would start a clock.
    Kivo::Simulation::Service& service = Kivo::Simulation::Service::shared();
    QObject::connect(&service, &Kivo::Simulation::Service::incomingCall, &watch, [&watch] {
        watch.sinceCall.start();
        watch.waitingForPopup = true;
    });
    Kivo::Simulation::Control control(service);
    for (int i = 0; i < Calls; ++i) {
        const std::size_t before = watch.popupMs.size();
        if (!control.injectIncomingCall("bob@demo.telvarion.net")) {
            std::fprintf(stderr, "call %d: the service refused it\n", i + 1);
            return 3;
        }
        if (!waitFor([&watch, before] { return watch.popupMs.size() > before; })) {
            std::fprintf(stderr, "call %d: no pop-up (%d calls)\n", i + 1, int(calls->getCalls().size()));
            return 3;
        }
        for (const Kivo::MediaEngine::Call& call : calls->getCalls())
            call->close();
        waitFor([calls] { return calls->getCalls().isEmpty(); });
        waitFor([] { return false; }, 200);
    }
    std::vector<double> sorted = watch.popupMs;
    std::sort(sorted.begin(), sorted.end());
    const double median = (sorted[Calls / 2 - 1] + sorted[Calls / 2]) / 2;

    // Settle, then leave the client alone.
    waitFor([] { return false; }, 2000);
    watch.counting = true;
    const double cpuBefore = cpuSeconds();
    QElapsedTimer idle;
    idle.start();
    // A loop of its own: quitting the application's would start the program's shutdown.
    QEventLoop idleLoop;
    QTimer::singleShot(idleSeconds * 1000, &idleLoop, &QEventLoop::quit);
    idleLoop.exec();
    watch.counting = false;
    const double cpuPercent = 100.0 * (cpuSeconds() - cpuBefore) / (idle.nsecsElapsed() / 1e9);
    // The quit timer itself is the last event counted.
    watch.timerReceivers.removeLast();
    std::printf("popup_median_ms=%.1f popup_max_ms=%.1f idle_cpu_percent=%.2f idle_timer_events=%d "
                "idle_timer_receivers=%s\n",
                median, sorted.back(), cpuPercent, int(watch.timerReceivers.size()),
                watch.timerReceivers.isEmpty() ? "-" : qPrintable(watch.timerReceivers.join(',')));
    std::fflush(stdout);
    if (burst <= 0)
        return 0;

    // A burst: every call handed over at once, the event loop's longest stall meanwhile.
    int popups = 0;
    watch.popupMs.clear();
    QObject::disconnect(&service, &Kivo::Simulation::Service::incomingCall, &watch, nullptr);
    QElapsedTimer burstClock;
    burstClock.start();
    for (int i = 0; i < burst; ++i) {
        if (!control.injectIncomingCall(QStringLiteral("+1555%1").arg(1000 + i, 4, 10, QChar('0')))) {
            std::fprintf(stderr, "burst call %d: the service refused it\n", i + 1);
            return 3;
        }
    }
    QElapsedTimer sinceTick;
    sinceTick.start();
    double longestStall = 0;
    long maxThreads = 0;
    qint64 busyUntil = 500;
    QTimer tick;
    tick.setInterval(5);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const double stall = sinceTick.nsecsElapsed() / 1e6 - 5;
        longestStall = std::max(longestStall, stall);
        if (stall > 20)
            busyUntil = burstClock.elapsed();
        sinceTick.restart();
        maxThreads = std::max(maxThreads, statusKib("Threads"));
    });
    tick.start();
    const auto ringing = [&service] {
        int count = 0;
        for (const Kivo::Simulation::Call& call : service.calls())
            count += call.state == Kivo::Simulation::CallState::Ringing;
        return count;
    };
    // Until the client has been calm (no stall over 20 ms) for two seconds: the burst's end is
    // the end of its last stall.
    while (burstClock.elapsed() - busyUntil < 2000 && burstClock.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    tick.stop();
    for (QWidget* widget : QApplication::topLevelWidgets())
        popups += qobject_cast<QML::CommunicationNotification*>(widget) && widget->isVisible();
    std::printf("burst_calls=%d burst_longest_stall_ms=%.0f burst_ms=%lld burst_max_threads=%ld burst_ringing=%d "
                "burst_popups=%d\n",
                burst, longestStall, busyUntil, maxThreads, ringing(), popups);
    return 0;
}
