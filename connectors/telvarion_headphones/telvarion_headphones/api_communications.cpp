#include "api_communications.h"

#include "device.h"
#include "logger.h"
#include "window.h"

#include "Platform/string_table.h"

#include <cerrno>

namespace Connector {

namespace {

Logger& log()
{
    return Logger::instance();
}

} // namespace

ApiCommunications::ApiCommunications(Window& window) : m_Window(window)
{
    // The logger must outlive the link: handlers log while the link destroys them.
    Logger::instance();
}

ApiCommunications::~ApiCommunications()
{
    for (unsigned i = 0; i < m_HandlerCount; ++i)
        delete m_Handlers[i];
    if (m_Window.observer() == this)
        m_Window.setObserver(nullptr);
}

ApiCommunications& ApiCommunications::instance()
{
    static ApiCommunications link(Window::instance());
    return link;
}

bool ApiCommunications::Initialize()
{
    if (!m_Exit) {
        log().error(CategoryApi, "Attempt to initialize ApiCommunications twice");
        return false;
    }
    m_LocalPresenceText[0] = 0;
    m_Api = std::make_unique<TelvarionApi::Api>(this);
    log().information(CategoryApi, "Starting to connect to QOMX");

    TelvarionApi::ConnectionInfo info;
    for (unsigned i = 0; i < m_HandlerCount; ++i) {
        if (m_Handlers[i] && m_Handlers[i]->GetConnectionInfo(info)) {
            log().information(CategoryApi,
                              "Found a registered device handler that reports a non-empty UUID (%s) in connection info",
                              info.uuid().bytes());
            break;
        }
    }
    if (info.uuid().empty())
        log().information(CategoryApi, "Connection info has empty UUID.");

    const TelvarionApi::ApiResult result = m_Api->connect(info);
    log().information(CategoryApi, "API connect returned, return value %d", result);
    if (result != TelvarionApi::ResultOk) {
        log().error(CategoryApi, "Connector::ApiCommunications::Initialize: Connection to QOMX failed");
        Uninitialize(false);
        return false;
    }
    forEachHandler([this](Device& handler) { handler.Initialize(this); });
    m_Window.setObserver(this);
    m_Exit = false;
    log().information(CategoryApi, "ApiCommunications initialized");
    return true;
}

bool ApiCommunications::Run()
{
    if (!m_Api)
        return false;
    const TelvarionApi::ApiResult result = m_Api->processEvents();
    if (result != TelvarionApi::ResultOk)
        log().error(CategoryApi, "Connector::ApiCommunications::Run: Api processEvents returned %d", result);
    if (!m_Exit) {
        forEachHandler([](Device& handler) { handler.Run(); });
        m_Window.processMessages();
    }
    return !m_Exit;
}

void ApiCommunications::Uninitialize(bool callHandlers)
{
    for (unsigned i = 0; i < m_HandlerCount; ++i) {
        if (callHandlers && m_Handlers[i])
            m_Handlers[i]->Uninitialize();
        delete m_Handlers[i];
        m_Handlers[i] = nullptr;
    }
    m_HandlerCount = 0;
    if (m_Window.observer() == this)
        m_Window.setObserver(nullptr);
    m_Api.reset();
    m_Exit = true;
    log().information(CategoryApi, "ApiCommunications uninitialized");
}

bool ApiCommunications::GetExit() const
{
    return m_Exit;
}

void ApiCommunications::SetExit(bool exit)
{
    log().information(CategoryApi, "Communications set to %sexit", exit ? "" : "not ");
    const bool wasExit = m_Exit;
    m_Exit = exit;
    if (!wasExit && exit)
        forEachHandler([](Device& handler) { handler.OnExit(); });
}

void ApiCommunications::SetAway(bool away)
{
    const TelvarionApi::ApiResult result = command([away](TelvarionApi::Api& api) {
        return api.setPresence(away ? TelvarionApi::PresenceAway : TelvarionApi::PresenceAvailable,
                               TelvarionApi::String());
    });
    if (result != TelvarionApi::ResultOk)
        log().error(CategoryApi,
                    "Connector::ApiCommunications::SetAway: Setting local presence to %s did not succeed with QOMX. "
                    "Error %d",
                    away ? "away" : "available", result);
}

void ApiCommunications::SetVolume(bool up)
{
    const TelvarionApi::ApiResult result = command([up](TelvarionApi::Api& api) { return api.setCallVolume(up); });
    if (result != TelvarionApi::ResultOk)
        log().error(CategoryApi,
                    "Connector::ApiCommunications::SetVolume: Setting volume %s did not succeed with QOMX. Error %d",
                    up ? "up" : "down", result);
}

void ApiCommunications::SetMute(bool mute)
{
    const TelvarionApi::ApiResult result = command([mute](TelvarionApi::Api& api) { return api.muteCall(mute); });
    if (result != TelvarionApi::ResultOk) {
        log().error(CategoryApi,
                    "Connector::ApiCommunications::SetMute: %suting the call did not succeed with QOMX. Error %d",
                    mute ? "M" : "Unm", result);
        return;
    }
    m_Muted = mute;
}

void ApiCommunications::SetHold(bool hold)
{
    const TelvarionApi::ApiResult result = command([hold](TelvarionApi::Api& api) { return api.holdCall(hold); });
    if (result != TelvarionApi::ResultOk)
        log().error(CategoryApi,
                    "Connector::ApiCommunications::SetHold: %solding the call did not succeed with QOMX. Error %d",
                    hold ? "H" : "Unh", result);
}

void ApiCommunications::AnswerCall()
{
    const TelvarionApi::ApiResult result = command([](TelvarionApi::Api& api) { return api.answerCall(); });
    if (result != TelvarionApi::ResultOk)
        log().error(CategoryApi,
                    "Connector::ApiCommunications::AnswerCall: Answering the call did not succeed with QOMX. Error %d",
                    result);
}

void ApiCommunications::HangupCall()
{
    const TelvarionApi::ApiResult result = command([](TelvarionApi::Api& api) { return api.hangupCall(); });
    if (result != TelvarionApi::ResultOk)
        log().error(CategoryApi,
                    "Connector::ApiCommunications::HangupCall: Hanging up the call did not succeed with QOMX. Error %d",
                    result);
}

void ApiCommunications::SendDTMF(char code)
{
    log().information(CategoryApi, "Connector::ApiCommunications::SendDTMF: %c", code);
    const TelvarionApi::ApiResult result = command([code](TelvarionApi::Api& api) { return api.sendDTMF(code); });
    if (result != TelvarionApi::ResultOk)
        log().error(CategoryApi,
                    "Connector::ApiCommunications::SendDTMF: Sending dtmf code %c did not succeed with QOMX. Error %d",
                    code, result);
}

void ApiCommunications::CallToVoiceMail()
{
    const TelvarionApi::ApiResult result = command([](TelvarionApi::Api& api) {
        return api.startCommunication(TelvarionApi::CommunicationVoiceMail, std::vector<std::int32_t>());
    });
    if (result != TelvarionApi::ResultOk)
        log().error(CategoryApi,
                    "Connector::ApiCommunications::CallToVoiceMail: Calling to voice mail did not succeed with QOMX. "
                    "Error %d",
                    result);
}

void ApiCommunications::MakeCall(const WChar* number)
{
    const WChar* shown = number ? number : u"";
    log().information(CategoryApi, "Connector::ApiCommunications::MakeCall: %ws", shown);
    const TelvarionApi::String address(Platform::narrowLowBytes(number));
    const TelvarionApi::ApiResult result = command([&address](TelvarionApi::Api& api) {
        return api.startCommunication(TelvarionApi::CommunicationCall, std::vector<TelvarionApi::String>{address});
    });
    if (result != TelvarionApi::ResultOk)
        log().error(CategoryApi,
                    "Connector::ApiCommunications::MakeCall: Making a call to %ws did not succeed with QOMX. Error %d",
                    shown, result);
}

bool ApiCommunications::AddDeviceHandler(Device* handler)
{
    if (!handler || m_HandlerCount >= MaxHandlers)
        return false;
    m_Handlers[m_HandlerCount++] = handler;
    return true;
}

const WChar* ApiCommunications::getString(unsigned id)
{
    static constexpr std::size_t BufferCount = 10;
    static constexpr std::size_t BufferCapacity = 256;
    static WChar buffers[BufferCount][BufferCapacity];
    static std::size_t next = 0;

    const WChar* text = Platform::StringTable::load(id);
    if (!text) {
        const int code = errno;
        log().error(CategoryApi, "Connector::ApiCommunications::getString, Failed to load string resource %u. Error %d (%s)",
                    id, code, Logger::errorText(code));
        return nullptr;
    }
    WChar* buffer = buffers[next];
    next = (next + 1) % BufferCount;
    Platform::copyWide(buffer, BufferCapacity, text);
    return buffer;
}

void ApiCommunications::connectionStateChange(std::int32_t state)
{
    switch (state) {
    case TelvarionApi::NotConnected:
        log().information(CategoryApi, "Connector::ApiCommunications::connectionStateChange, Not connected");
        forEachHandler([](Device& handler) { handler.OnNotConnected(); });
        SetExit(true);
        break;
    case TelvarionApi::Connecting:
        log().information(CategoryApi, "Connector::ApiCommunications::connectionStateChange, Connecting");
        forEachHandler([](Device& handler) { handler.OnConnecting(); });
        break;
    case TelvarionApi::Connected: {
        std::uint32_t mask = 0;
        forEachHandler([&mask](Device& handler) { mask |= handler.GetEventMask(); });
        if (command([mask](TelvarionApi::Api& api) { return api.receiveEvents(mask); }) != TelvarionApi::ResultOk)
            log().error(CategoryApi, "Connector::ApiCommunications::connectionStateChange: Setting the interesting "
                                     "events with QOMX did not succeed.");
        if (command([](TelvarionApi::Api& api) { return api.requestContactProperties(0); }) != TelvarionApi::ResultOk)
            log().error(CategoryApi, "Connector::ApiCommunications::connectionStateChange: Requesting properties of "
                                     "the local user from QOMX did not succeed.");
        log().information(CategoryApi, "Connector::ApiCommunications::connectionStateChange, Connected");
        forEachHandler([](Device& handler) { handler.OnConnected(); });
        break;
    }
    default:
        break;
    }
}

void ApiCommunications::signedOut()
{
    log().information(CategoryApi, "The user has signed out from QOMX, exiting");
    SetExit(true);
}

void ApiCommunications::applicationLanguage(const TelvarionApi::String& language)
{
    log().information(CategoryApi, "Connector::ApiCommunications::applicationLanguage: %s", language.bytes());
    Name name;
    name.Set(language.bytes());
    forEachHandler([&name](Device& handler) { handler.OnApplicationLanguage(name.c_str()); });
}

void ApiCommunications::sessionCapabilities(std::uint32_t capabilities)
{
    log().information(CategoryApi, "Connector::ApiCommunications::sessionCapabilities: 0x%02x", capabilities);
}

void ApiCommunications::groupDetails(std::int32_t groupId, const TelvarionApi::String&)
{
    log().information(CategoryApi, "Connector::ApiCommunications::groupDetails: %d", groupId);
}

void ApiCommunications::contactRemoved(std::int32_t contactId)
{
    log().information(CategoryApi, "Connector::ApiCommunications::contactRemoved: %d", contactId);
}

void ApiCommunications::groupRemoved(std::int32_t groupId)
{
    log().information(CategoryApi, "Connector::ApiCommunications::groupRemoved: %d", groupId);
}

void ApiCommunications::callMuteState(bool muted)
{
    log().information(CategoryApi, "Connector::ApiCommunications::callMuteState: %s", muted ? "Muted" : "Un-Muted");
    forEachHandler([muted](Device& handler) { handler.OnCallMuteState(muted); });
    m_Muted = muted;
}

void ApiCommunications::voicemailDetails(std::int32_t newMessages, std::int32_t oldMessages, std::int32_t newUrgent,
                                         std::int32_t oldUrgent)
{
    log().information(CategoryApi,
                      "Connector::ApiCommunications::voicemailDetails: new: %d, old: %d, new urgent: %d, old urgent: %d",
                      newMessages, oldMessages, newUrgent, oldUrgent);
    const std::int32_t waiting = newMessages + newUrgent;
    forEachHandler([waiting](Device& handler) { handler.OnVoiceMail(waiting); });
}

void ApiCommunications::clearLogs()
{
    forEachHandler([](Device& handler) { handler.OnClearLogs(); });
}

void ApiCommunications::OnSystemResume()
{
    CONNECTOR_TRACE(CategoryApi, "Connector::ApiCommunications::OnSystemResume");
    forEachHandler([](Device& handler) { handler.OnSystemResume(); });
    const TelvarionApi::ApiResult result =
        command([](TelvarionApi::Api& api) { return api.requestContactProperties(0); });
    if (result != TelvarionApi::ResultOk)
        log().error(CategoryApi,
                    "Connector::ApiCommunications::OnSystemResume: Requesting properties of the local user from QOMX "
                    "did not succeed. Error %d",
                    result);
}

} // namespace Connector
