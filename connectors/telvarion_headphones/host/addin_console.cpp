#include "console_observer.h"

#include "TelvarionApi/api.h"
#include "TelvarionApi/command.h"
#include "TelvarionApi/presence.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <poll.h>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Command = std::function<TelvarionApi::ApiResult(TelvarionApi::Api&, const std::string&)>;

const std::map<std::string, Command>& commands()
{
    using namespace TelvarionApi;
    static const std::map<std::string, Command> table{
        {"dial", [](Api& api, const std::string& to) { return api.startCommunication(CommunicationCall, std::vector<String>{to}); }},
        {"voicemail", [](Api& api, const std::string&) { return api.startCommunication(CommunicationVoiceMail, std::vector<std::int32_t>{}); }},
        {"answer", [](Api& api, const std::string&) { return api.answerCall(); }},
        {"hangup", [](Api& api, const std::string&) { return api.hangupCall(); }},
        {"hold", [](Api& api, const std::string&) { return api.holdCall(true); }},
        {"resume", [](Api& api, const std::string&) { return api.holdCall(false); }},
        {"mute", [](Api& api, const std::string&) { return api.muteCall(true); }},
        {"unmute", [](Api& api, const std::string&) { return api.muteCall(false); }},
        {"dtmf", [](Api& api, const std::string& code) { return api.sendDTMF(code.empty() ? '\0' : code[0]); }},
        {"away", [](Api& api, const std::string& note) { return api.setPresence(PresenceAway, note); }},
        {"available", [](Api& api, const std::string& note) { return api.setPresence(PresenceAvailable, note); }},
        {"contact", [](Api& api, const std::string& id) { return api.requestContactProperties(std::atoi(id.c_str())); }},
        {"show", [](Api& api, const std::string&) { return api.showClientWindow(); }},
    };
    return table;
}

void usage()
{
    std::puts("commands: dial <number or address>, voicemail, answer, hangup, hold, resume, mute, unmute,\n"
              "          dtmf <key>, away [note], available [note], contact <id>, show, quit");
}

// One typed line; false when the person is done.
bool run(TelvarionApi::Api& api, const std::string& line)
{
    std::istringstream words(line);
    std::string name;
    words >> name;
    std::string argument;
    std::getline(words >> std::ws, argument);
    if (name.empty())
        return true;
    if (name == "quit")
        return false;
    const auto command = commands().find(name);
    if (command == commands().end()) {
        usage();
        return true;
    }
    const TelvarionApi::ApiResult result = command->second(api, argument);
    if (result != TelvarionApi::ResultOk)
        std::printf("the client did not take '%s' (error %d)\n", name.c_str(), result);
    return true;
}

} // namespace

// Usage: TelvarionAddinConsole
// An add-in driven from the keyboard: it connects to the running client like the desk-phone
// connector does, sends what is typed and prints every event of the client.
int main()
{
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
    usage();

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
                going = run(api, typed.substr(0, newline));
                typed.erase(0, newline + 1);
            }
        }
        api.processEvents();
    }
    return 0;
}
