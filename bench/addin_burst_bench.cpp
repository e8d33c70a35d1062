// A burst of one million lines from one add-in on the client API's socket, against the
// client's event loop: prints, for a burst of empty lines and one of valid commands, the
// time until the client is done with it, the longest stall of the event loop meanwhile
// (the goal is 50 ms at most) and the peak memory. The add-in writes from a thread of its
// own, as fast as the system takes the bytes.
//
//     build/bench/addin_burst_bench [lines]
#include "peak_memory.h"

#include <Kivo/ApiProvider/Controller.h>
#include <Kivo/Settings.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <thread>

namespace {

constexpr qint64 SettleMs = 200;

struct Result
{
    qint64 doneMs = 0;
    qint64 longestStallMs = 0;
    int commands = 0;
};

Result burst(const QString& socketPath, const QByteArray& line, int lines)
{
    Kivo::ApiProvider::Controller controller;
    controller.InitializeController();
    Result result;
    QObject::connect(&controller, &Kivo::ApiProvider::Controller::showClientWindowCommand,
                     [&result] { ++result.commands; });

    QByteArray bytes = "hello 1 :{burst} :1 0\n";
    bytes.reserve(bytes.size() + line.size() * lines);
    for (int i = 0; i < lines; ++i)
        bytes += line;

    std::atomic<bool> sentAll{false};
    const int descriptor = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, QFile::encodeName(socketPath).constData(), sizeof(address.sun_path));
    if (::connect(descriptor, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0) {
        std::perror("connect");
        return result;
    }
    std::thread writer([&] {
        for (qint64 sent = 0; sent < bytes.size();) {
            const ssize_t now = ::send(descriptor, bytes.constData() + sent, size_t(bytes.size() - sent), MSG_NOSIGNAL);
            if (now <= 0)
                break;
            sent += now;
        }
        sentAll = true;
    });

    // The burst is over when the client has handled every line or let go of the add-in, or,
    // for lines it drops, once it took the last bytes (but what the system holds, a few
    // hundred kilobytes) and settled.
    QElapsedTimer clock;
    clock.start();
    QElapsedTimer settled;
    QElapsedTimer sinceTick;
    sinceTick.start();
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        result.longestStallMs = qMax(result.longestStallMs, sinceTick.restart());
        // What the client tells the add-in is read and dropped; an end of the stream means it let go.
        char told[4096];
        ssize_t got = 0;
        while ((got = ::recv(descriptor, told, sizeof(told), MSG_DONTWAIT)) > 0) {
        }
        const bool gone = got == 0;
        if (sentAll && !settled.isValid())
            settled.start();
        if (result.commands == lines || gone || (settled.isValid() && settled.hasExpired(SettleMs))) {
            result.doneMs = clock.elapsed();
            QCoreApplication::quit();
        }
    });
    ticks.start(1);
    QCoreApplication::exec();
    ::shutdown(descriptor, SHUT_RDWR);
    writer.join();
    ::close(descriptor);
    return result;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const int lines = argc > 1 ? QByteArray(argv[1]).toInt() : 1000000;
    QTemporaryDir folder;
    const QString socketPath = folder.filePath("api");
    qputenv("TELVARION_API_SOCKET", socketPath.toUtf8());
    // The bursting add-in is let in without asking; the policy stays in this run's folder.
    qputenv("TELVARION_DATA_PATH", folder.filePath("data").toUtf8());
    {
        Kivo::Settings settings(Kivo::Settings::ApplicationSettings);
        settings.setValue("settings/api_provider_allow_connectors", "all");
        settings.setValue("settings/api_connection_no_confirmation", true);
        settings.setValue("settings/api_connection_accept_by_default", true);
    }

    for (const auto& [name, line] : {std::pair<const char*, QByteArray>{"empty lines", "\n"},
                                     std::pair<const char*, QByteArray>{"show commands", "show\n"}}) {
        const Result result = burst(socketPath, line, lines);
        std::printf("%s: lines=%d handled=%d done_ms=%lld longest_stall_ms=%lld\n", name, lines, result.commands,
                    result.doneMs, result.longestStallMs);
    }
    std::printf("peak_rss_kib=%ld\n", peakResidentKib());
    return 0;
}
