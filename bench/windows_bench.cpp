// Times and weighs communications windows: a chat's window of a generated account built,
// shown and drawn, then ROUNDS rounds of opening WINDOWS such windows at once and closing them
// all. Prints "first_build_ms=... build_ms=... window_kib=... window_threads=... engines=...
// round_kib=<after round 1>,<after round 2>,... left_kib=..." where build_ms is the median of the
// windows built after the first, window_kib and window_threads what one more window holds
// (resident memory and threads, each window shown), engines the QML engines alive with one
// window open beside the others the program holds, and left_kib the resident memory after the
// last round minus before the first (freed memory handed back to the system first).
//
//     build/bench/windows_bench [WINDOWS=10] [ROUNDS=10]
#include "Utils/window_manager_chat_helper.h"
#include "libqml/components/communications_window/communications_window.h"
#include "libqml/register_qml_types.h"
#include "libqml/utils/style.h"

#include <Kivo/Configuration/Config.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Settings.h>
#include <Kivo/Simulation/Service.h>

#include "generated_account.h"
#include "peak_memory.h"
#include "time_until.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QQmlEngine>
#include <QTemporaryDir>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

const QString User = QStringLiteral("bench@large.telvarion.net");
const QString Password = QStringLiteral("Bench-1234");

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
    QTemporaryDir folder;
    Kivo::Settings::setPath(Kivo::Settings::UserSettings, folder.path());
    Kivo::Simulation::Service& service = Kivo::Simulation::Service::shared();
    service.setLatency(0);
    if (!signInGeneratedAccount(service, {"--contacts", "50"}, folder.filePath("windows.json"), User, Password))
        return 1;
    const QString peer =
        service.contactRecords().constFirst().properties.value(Kivo::Contacts::Properties::Address).toString();

    Kivo::Configuration::Config config("config_bench.xml", Kivo::Configuration::Config::Document());
    Kivo::Sessions::SessionManagerBase session(User, "Bench", &config, nullptr);
    session.contactsManager()->attach(service);
    QObject owner;
    Utils::WindowManagerChatHelper helper(nullptr);
    helper.Initialize(session.contactsManager(), &session, nullptr, new Kivo::Models::SmileysPtr(&owner));

    Kivo::Controllers::CommunicationSession* conversation = nullptr;
    QObject::connect(session.commsSessionController(), &Kivo::Controllers::CommsSessionController::sessionCreated,
                     [&conversation](Kivo::Controllers::CommunicationSession* created) { conversation = created; });
    timeUntil([&] { session.commsSessionController()->createChat(QStringList{peer}); },
              [&conversation] { return conversation && conversation->getChat(); });

    const auto build = [&] {
        auto window = std::make_unique<QML::CommunicationsWindow>(&session, conversation, nullptr, false);
        window->Activate();
        helper.setupChat(conversation, window.get());
        window->show();
        return window;
    };

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
        std::unique_ptr<QML::CommunicationsWindow> window = build();
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
    QStringList afterRounds;
    for (int round = 0; round < rounds; ++round) {
        std::vector<std::unique_ptr<QML::CommunicationsWindow>> open;
        for (int i = 0; i < windows; ++i)
            open.push_back(build());
        settle();
        open.clear();
        afterRounds << QString::number(residentKib() - start);
    }
    std::printf("first_build_ms=%.1f build_ms=%.1f window_kib=%ld window_threads=%d engines=%d windows=%d rounds=%d "
                "round_kib=%s left_kib=%ld\n",
                times.front(), later[later.size() / 2], windowKib, windowThreads, enginesWithWindow, windows, rounds,
                qPrintable(afterRounds.join(',')), residentKib() - start);
    return 0;
}
