// Times incoming calls and idles: signs in the demo user on the simulated service, then
//   - 20 times, an incoming call: from the service handing the call to the engine to its
//     pop-up being shown (the call is declined before the next one);
//   - then the signed-in client left alone for 60 s (the first argument changes it): the CPU
//     time it used and the timer events delivered meanwhile.
// Prints "popup_median_ms=<ms> popup_max_ms=<ms> idle_cpu_percent=<%> idle_timer_events=<n>".
// bench/incoming_call.py runs it from a copy of the program folder on a clean data folder.
#include "application.h"
#include "libqml/components/loginwindow/login_window.h"
#include "libqml/components/mainwindow/main_window.h"
#include "libqml/components/notifications/communication_notification.h"
#include "libqml/utils/style.h"

#include <Kivo/MediaEngine/CallControllerBase.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Service.h>

#include <QElapsedTimer>
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
    long timerEvents = 0;
    bool counting = false;
    bool waitingForPopup = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (counting && event->type() == QEvent::Timer)
            ++timerEvents;
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
    QTimer::singleShot(idleSeconds * 1000, &app, &QCoreApplication::quit);
    app.exec();
    watch.counting = false;
    const double cpuPercent = 100.0 * (cpuSeconds() - cpuBefore) / (idle.nsecsElapsed() / 1e9);
    // The quit timer itself is one of the events counted.
    std::printf("popup_median_ms=%.1f popup_max_ms=%.1f idle_cpu_percent=%.2f idle_timer_events=%ld\n", median,
                sorted.back(), cpuPercent, watch.timerEvents - 1);
    return 0;
}
