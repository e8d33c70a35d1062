#include "console_commands.h"
#include "console_observer.h"

#include "TelvarionApi/api.h"
#include "TelvarionApi/wire.h"

#include <cstdio>
#include <poll.h>
#include <string>
#include <unistd.h>

// Usage: TelvarionAddinConsole [--socket]
// An add-in driven from the keyboard: it connects to the running client like the desk-phone
// connector does, sends what is typed and prints every event of the client. It stays through
// sign-outs and ends with the client or "quit". With --socket it only prints where it would
// find the client.
int main(int argc, char* argv[])
{
    if (argc > 1 && std::string(argv[1]) == "--socket") {
        std::puts(TelvarionApi::Wire::socketPath().c_str());
        return 0;
    }
    Host::ConsoleObserver observer(stdout);
    TelvarionApi::Api api(&observer);
    TelvarionApi::ConnectionInfo info;
    info.setUuid("0B1C9E52-7A44-4D1B-8C2F-3E6A5D9F1A20");
    info.setVersion("1.0");
    info.setProperty("name", "en-US", "Add-in console");
    info.setProperty("vendor", "en-US", "Marlowane Inc");
    info.setProperty("description", "en-US", "Sends typed commands to the client and prints its events.");
    const TelvarionApi::ApiResult connected = api.connect(info);
    if (connected != TelvarionApi::ResultOk) {
        std::fprintf(stderr, "Cannot reach the client (error %d): is Telvarion running?\n", connected);
        return 1;
    }
    api.receiveEvents(TelvarionApi::EventCalls | TelvarionApi::EventCallMute | TelvarionApi::EventContacts
                      | TelvarionApi::EventVoiceMail);
    Host::ConsoleCommands commands(stdout);
    commands.usage();

    std::string typed;
    bool going = true;
    while (going && !observer.finished()) {
        pollfd input{STDIN_FILENO, POLLIN, 0};
        if (::poll(&input, 1, 200) > 0) {
            char buffer[512];
            const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
            if (count <= 0)
                break;
            typed.append(buffer, static_cast<std::size_t>(count));
            for (auto newline = typed.find('\n'); going && newline != std::string::npos; newline = typed.find('\n')) {
                going = commands.run(api, typed.substr(0, newline));
                typed.erase(0, newline + 1);
            }
        }
        api.processEvents();
    }
    return 0;
}
