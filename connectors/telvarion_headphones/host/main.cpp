#include "connector_host.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <unistd.h>

namespace {

std::string defaultLibraryPath(const char* program)
{
    std::string folder = program;
    const auto slash = folder.rfind('/');
    folder = slash == std::string::npos ? "." : folder.substr(0, slash);
    return folder + "/connectors/libTelvarionPolyphone.so";
}

} // namespace

// Usage: TelvarionConnectorHost [library]
// Runs the connector until it stops by itself (the client signs out or goes away). On SIGINT
// or SIGTERM the host stops it by ending the process: a connector offers no other way.
int main(int argc, char* argv[])
{
    const std::string path = argc > 1 ? argv[1] : defaultLibraryPath(argv[0]);

    // Signals are taken here, never on the connector's thread, which inherits this mask.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    Host::ConnectorHost host;
    if (!host.load(path)) {
        std::fprintf(stderr, "Cannot load the connector: %s\n", host.error().c_str());
        return 1;
    }
    if (!host.start()) {
        std::fprintf(stderr, "Cannot start the connector\n");
        return 1;
    }
    const timespec wait{0, 200 * 1000 * 1000};
    while (!host.finished()) {
        const int signal = sigtimedwait(&stopSignals, nullptr, &wait);
        if (signal == SIGINT || signal == SIGTERM) {
            std::fprintf(stderr, "Stopping the connector\n");
            std::fflush(nullptr);
            std::_Exit(0);
        }
    }
    const int result = host.join();
    std::fprintf(stderr, "The connector returned %d\n", result);
    return result;
}
