#include "console_commands.h"

#include "console_print.h"

#include "TelvarionApi/presence.h"

#include <cstdarg>
#include <cstdlib>
#include <functional>
#include <map>
#include <sstream>
#include <vector>

namespace Host {

namespace {

using TelvarionApi::Api;
using TelvarionApi::ApiResult;

struct Command
{
    // What follows the name; empty for none, in square brackets when it may be left out.
    const char* argument;
    std::function<ApiResult(Api&, const std::string&)> send;
    // What the client was asked, for the console's answer.
    std::function<std::string(const std::string&)> sent;
};

bool required(const Command& command)
{
    return command.argument[0] != '\0' && command.argument[0] != '[';
}

const std::map<std::string, Command>& commands()
{
    using namespace TelvarionApi;
    using Said = std::string;
    static const std::map<std::string, Command> table{
        {"dial", {"<number or address>",
                  [](Api& api, const std::string& to) { return api.startCommunication(CommunicationCall, std::vector<String>{to}); },
                  [](const std::string& to) { return Said("calling ") + to; }}},
        {"voicemail", {"", [](Api& api, const std::string&) { return api.startCommunication(CommunicationVoiceMail, std::vector<std::int32_t>{}); },
                       [](const std::string&) { return Said("calling the voice mail"); }}},
        {"answer", {"", [](Api& api, const std::string&) { return api.answerCall(); },
                    [](const std::string&) { return Said("answering the call"); }}},
        {"hangup", {"", [](Api& api, const std::string&) { return api.hangupCall(); },
                    [](const std::string&) { return Said("hanging up"); }}},
        {"hold", {"", [](Api& api, const std::string&) { return api.holdCall(true); },
                  [](const std::string&) { return Said("holding the call"); }}},
        {"resume", {"", [](Api& api, const std::string&) { return api.holdCall(false); },
                    [](const std::string&) { return Said("resuming the call"); }}},
        {"mute", {"", [](Api& api, const std::string&) { return api.muteCall(true); },
                  [](const std::string&) { return Said("muting the call"); }}},
        {"unmute", {"", [](Api& api, const std::string&) { return api.muteCall(false); },
                    [](const std::string&) { return Said("unmuting the call"); }}},
        {"dtmf", {"<key>", [](Api& api, const std::string& key) { return api.sendDTMF(key[0]); },
                  [](const std::string& key) { return Said("sent the key ") + key[0]; }}},
        {"away", {"[note]", [](Api& api, const std::string& note) { return api.setPresence(PresenceAway, note); },
                  [](const std::string&) { return Said("presence set to away"); }}},
        {"available", {"[note]", [](Api& api, const std::string& note) { return api.setPresence(PresenceAvailable, note); },
                       [](const std::string&) { return Said("presence set to available"); }}},
        {"contact", {"<id>", [](Api& api, const std::string& id) { return api.requestContactProperties(std::atoi(id.c_str())); },
                     [](const std::string& id) { return Said("asked for contact ") + id; }}},
        {"show", {"", [](Api& api, const std::string&) { return api.showClientWindow(); },
                  [](const std::string&) { return Said("asked the client to show its window"); }}},
    };
    return table;
}

} // namespace

void ConsoleCommands::say(const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    printLine(m_Out, "", format, arguments);
    va_end(arguments);
}

void ConsoleCommands::usage()
{
    std::string text = "commands:";
    for (const auto& [name, command] : commands())
        text += "\n  " + name + (command.argument[0] ? std::string(" ") + command.argument : std::string());
    text += "\n  quit";
    say("%s", text.c_str());
}

bool ConsoleCommands::run(Api& api, const std::string& line)
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
    const auto found = commands().find(name);
    if (found == commands().end()) {
        say("unknown command '%s'", name.c_str());
        usage();
        return true;
    }
    const Command& command = found->second;
    if (required(command) && argument.empty()) {
        say("usage: %s %s", name.c_str(), command.argument);
        return true;
    }
    const ApiResult result = command.send(api, argument);
    if (result == TelvarionApi::ResultOk)
        say("%s", command.sent(argument).c_str());
    else
        say("the client did not take '%s' (error %d)", line.c_str(), result);
    return true;
}

} // namespace Host
