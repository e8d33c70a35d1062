// Times one sign-in from the login window: from the Sign In click to the main window being
// shown, on the simulated service. Prints "signin_ms=<milliseconds> rss_kib=<peak>" and
// exits; bench/signin.py runs it on clean data folders and reports the median.
#include "application.h"
#include "libqml/components/loginwindow/login_window.h"
#include "libqml/components/mainwindow/main_window.h"
#include "libqml/utils/style.h"
#include "peak_memory.h"

#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

namespace {

class MainWindowShown : public QObject
{
public:
    explicit MainWindowShown(const QElapsedTimer& clock)
        : m_Clock(clock)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<QML::MainWindow*>(watched) && !m_Done) {
            m_Done = true;
            std::printf("signin_ms=%.1f rss_kib=%ld\n", m_Clock.nsecsElapsed() / 1e6, peakResidentKib());
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    const QElapsedTimer& m_Clock;
    bool m_Done = false;
};

} // namespace

int main(int argc, char** argv)
{
    Q_INIT_RESOURCE(telvarion_ui);
    Application app(argc, argv);
    // The scenes read the style until the application's windows are gone.
    new QML::Style(&app);
    if (!app.initialize())
        return 1;
    QML::LoginWindow* login = app.loginWindow();
    if (!login)
        return 1;

    const QStringList arguments = QCoreApplication::arguments();
    login->setUsername(arguments.value(1, "alice@demo.telvarion.net"));
    login->setPassword(arguments.value(2, "Demo-1234"));

    QElapsedTimer clock;
    MainWindowShown shown(clock);
    app.installEventFilter(&shown);
    QTimer::singleShot(0, login, [&clock, login] {
        clock.start();
        login->onSigninClicked();
    });
    // A sign-in that never completes ends the run with an error.
    QTimer::singleShot(30000, &app, [] {
        std::fprintf(stderr, "the main window did not show\n");
        QCoreApplication::exit(2);
    });
    return app.exec();
}
