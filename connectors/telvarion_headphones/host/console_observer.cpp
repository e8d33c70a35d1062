#include "console_observer.h"

#include "console_print.h"

#include <cstdarg>

namespace Host {

namespace {

const char* stateName(std::int32_t state)
{
    static const char* const names[] = {"not connected (the client ended)", "connecting (nobody signed in)", "connected"};
    return state >= 0 && state <= 2 ? names[state] : "unknown";
}

const char* callStateName(std::int32_t state)
{
    static const char* const names[] = {"closed", "ringing", "open", "on hold", "on hold by the other side"};
    return state >= 0 && state <= 4 ? names[state] : "unknown";
}

} // namespace

void ConsoleObserver::print(const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    printLine(m_Out, "client: ", format, arguments);
    va_end(arguments);
}

void ConsoleObserver::connectionStateChange(std::int32_t state)
{
    print("%s", stateName(state));
    if (state == TelvarionApi::NotConnected)
        m_Finished = true;
}

void ConsoleObserver::signedOut()
{
    // The link stays: the client tells when the next user signs in.
    print("the user signed out; waiting for the next sign-in");
}

void ConsoleObserver::applicationLanguage(const TelvarionApi::String& language)
{
    print("language %s", language.bytes());
}

void ConsoleObserver::sessionCapabilities(std::uint32_t capabilities)
{
    print("session capabilities 0x%x", capabilities);
}

void ConsoleObserver::contactProperties(std::int32_t contactId, const TelvarionApi::ContactProperties& properties,
                                        std::uint32_t)
{
    print("contact %d:", contactId);
    for (const auto& [key, value] : properties)
        std::fprintf(m_Out, "    %s = %s\n", key.bytes(), value.bytes());
    std::fflush(m_Out);
}

void ConsoleObserver::groupDetails(std::int32_t groupId, const TelvarionApi::String& name)
{
    print("group %d is '%s'", groupId, name.bytes());
}

void ConsoleObserver::contactRemoved(std::int32_t contactId)
{
    print("contact %d removed", contactId);
}

void ConsoleObserver::groupRemoved(std::int32_t groupId)
{
    print("group %d removed", groupId);
}

void ConsoleObserver::contactPresence(const TelvarionApi::Presence& presence)
{
    print("contact %d has presence %d '%s'", presence.contactId(), presence.state(), presence.freeText().bytes());
}

void ConsoleObserver::newCall(const TelvarionApi::Call& call)
{
    print("new %s %s call with %s (contact %d)", call.direction() == TelvarionApi::CallOutgoing ? "outgoing" : "incoming",
          call.type() == TelvarionApi::CallVideo ? "video" : "audio", call.uri().bytes(), call.contactId());
}

void ConsoleObserver::callStateChanged(const TelvarionApi::Call& call, std::int32_t state)
{
    print("call with %s is %s", call.uri().bytes(), callStateName(state));
}

void ConsoleObserver::callMuteState(bool muted)
{
    print("the call is %s", muted ? "muted" : "unmuted");
}

void ConsoleObserver::voicemailDetails(std::int32_t newMessages, std::int32_t oldMessages, std::int32_t newUrgent,
                                       std::int32_t oldUrgent)
{
    print("voice mail: %d new (%d urgent), %d old (%d urgent)", newMessages, newUrgent, oldMessages, oldUrgent);
}

void ConsoleObserver::clearLogs()
{
    print("clear your logs");
}

} // namespace Host
