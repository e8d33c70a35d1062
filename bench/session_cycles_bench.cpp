// Signs in and out through the application CYCLES times (default 100) on the simulated
// service and prints the resident memory after a few warm-up cycles and after the last:
//   cycles=100 warmup=5 rss_warm_kib=<kib> rss_end_kib=<kib> growth_per_cycle_kib=<kib>
// bench/session_cycles.py runs it on a clean data folder.
#include "application.h"
#include "libqml/components/loginwindow/login_window.h"
#include "libqml/components/mainwindow/main_window.h"
#include "libqml/utils/style.h"
#include "peak_memory.h"

#include <Kivo/Client.h>

#include <QTimer>

#include <cstdio>
#include <malloc.h>

namespace {

constexpr int WarmUpCycles = 5;

long residentKib()
{
    // What the allocator keeps but no longer uses is not the program's growth.
    malloc_trim(0);
    return statusKib("VmRSS");
}

} // namespace

int main(int argc, char** argv)
{
    Q_INIT_RESOURCE(telvarion_ui);
    Application app(argc, argv);
    new QML::Style(&app);
    if (!app.initialize())
        return 1;
    const int cycles = qMax(WarmUpCycles + 1, QCoreApplication::arguments().value(1, "100").toInt());

    int done = 0;
    long warm = 0;
    const auto signIn = [&app] {
        QML::LoginWindow* login = app.loginWindow();
        login->setUsername("alice@demo.telvarion.net");
        login->setPassword("Demo-1234");
        login->onSigninClicked();
    };
    QObject::connect(app.client(), &Kivo::Client::sessionOpened, &app, [&app] {
        QTimer::singleShot(0, &app, [&app] { app.mainWindow()->signOut(); });
    });
    QObject::connect(app.client(), &Kivo::Client::sessionClosed, &app, [&] {
        ++done;
        // Measured once the closed session's windows are gone, on the next turns of the loop.
        QTimer::singleShot(50, &app, [&] {
            if (done == WarmUpCycles)
                warm = residentKib();
            if (done < cycles) {
                signIn();
                return;
            }
            const long end = residentKib();
            std::printf("cycles=%d warmup=%d rss_warm_kib=%ld rss_end_kib=%ld growth_per_cycle_kib=%.1f\n", cycles,
                        WarmUpCycles, warm, end, double(end - warm) / (cycles - WarmUpCycles));
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    });
    QTimer::singleShot(0, &app, signIn);
    QTimer::singleShot(600000, &app, [] {
        std::fprintf(stderr, "the cycles did not finish\n");
        QCoreApplication::exit(2);
    });
    return app.exec();
}
