#pragma once

#include "call_record.h"
#include "name.h"
#include "system_events.h"

#include "Platform/clock.h"
#include "Platform/wide_string.h"
#include "TelvarionApi/api.h"
#include "TelvarionApi/api_observer.h"

#include <cstdint>
#include <list>
#include <memory>
#include <string>

namespace Connector {

class Device;
class Window;

// The plug-in's link to the running client: owns the device handlers, turns the client's
// events into handler calls and offers the handlers the client's commands. Everything runs
// on the thread that runs the main loop.
class ApiCommunications : public TelvarionApi::ApiObserver, public SystemEvents
{
public:
    static constexpr unsigned MaxHandlers = 10;
    static constexpr std::size_t PresenceTextCapacity = 20;

    explicit ApiCommunications(Window& window);
    ~ApiCommunications() override;
    ApiCommunications(const ApiCommunications&) = delete;
    ApiCommunications& operator=(const ApiCommunications&) = delete;

    // The process-wide link, with the process-wide power window.
    static ApiCommunications& instance();

    // Client events.
    void connectionStateChange(std::int32_t state) override;
    void signedOut() override;
    void applicationLanguage(const TelvarionApi::String& language) override;
    void sessionCapabilities(std::uint32_t capabilities) override;
    void contactProperties(std::int32_t contactId, const TelvarionApi::ContactProperties& properties,
                           std::uint32_t communicationCapabilities) override;
    void groupDetails(std::int32_t groupId, const TelvarionApi::String& name) override;
    void contactRemoved(std::int32_t contactId) override;
    void groupRemoved(std::int32_t groupId) override;
    void contactPresence(const TelvarionApi::Presence& presence) override;
    void newCall(const TelvarionApi::Call& call) override;
    void callStateChanged(const TelvarionApi::Call& call, std::int32_t state) override;
    void callMuteState(bool muted) override;
    void voicemailDetails(std::int32_t newMessages, std::int32_t oldMessages, std::int32_t newUrgent,
                          std::int32_t oldUrgent) override;
    void clearLogs() override;

    void OnSystemResume() override;

    // Life cycle.
    virtual bool Initialize();
    virtual bool Run();
    virtual void Uninitialize(bool callHandlers);
    virtual bool GetExit() const;
    virtual void SetExit(bool exit);

    // Commands for the handlers; failures are logged.
    virtual void SetAway(bool away);
    virtual void SetVolume(bool up);
    virtual void SetMute(bool mute);
    virtual void SetHold(bool hold);
    virtual void AnswerCall();
    virtual void HangupCall();
    virtual void SendDTMF(char code);
    virtual void CallToVoiceMail();
    virtual void MakeCall(const WChar* number);

    // Takes ownership when it returns true.
    bool AddDeviceHandler(Device* handler);
    unsigned GetHandlerCount() const { return m_HandlerCount; }
    Device* GetHandler(unsigned index) const { return index < m_HandlerCount ? m_Handlers[index] : nullptr; }

    // The current call: the one the handlers treat as active (contact id 0 = none).
    std::int32_t GetCurrentCallContactId() const { return m_CurrentCall; }
    const WChar* GetCurrentCallName() const;
    std::int32_t GetCurrentCallDirection() const;
    std::int32_t GetCurrentCallState() const;
    Platform::LocalTime GetCurrentCallStartTime() const;
    unsigned GetCallCount() const { return m_CallCount; }
    unsigned GetCallCountInState(std::int32_t state) const;
    const std::list<CallRecord>& calls() const { return m_Calls; }

    const WChar* GetLocalUserName() const { return m_LocalUserName.c_str(); }
    const WChar* GetLocalPresenceText() const { return m_LocalPresenceText; }
    bool IsMuted() const { return m_Muted; }

    // A text of the plug-in's string table, in one of 10 rotating buffers: valid until ten
    // further loads. Null when the id is unknown.
    static const WChar* getString(unsigned id);

private:
    template <typename Operation>
    void forEachHandler(Operation operation)
    {
        for (unsigned i = 0; i < m_HandlerCount; ++i) {
            if (m_Handlers[i])
                operation(*m_Handlers[i]);
        }
    }

    CallRecord* findCall(std::int32_t contactId);
    const CallRecord* currentCall() const;
    CallRecord* getMatchingCall(const TelvarionApi::Call& call, std::int32_t state);
    void removeCall(std::int32_t contactId);
    bool shouldLogContact(std::int32_t contactId);
    void adopt(CallRecord& record, std::int32_t contactId);
    // Runs a client command; without a client link it fails as not connected.
    template <typename Operation>
    TelvarionApi::ApiResult command(Operation operation)
    {
        return m_Api ? operation(*m_Api) : TelvarionApi::ResultNotConnected;
    }

    Window& m_Window;
    Device* m_Handlers[MaxHandlers] = {};
    WChar m_LocalPresenceText[PresenceTextCapacity] = {};
    Name m_LocalUserName;
    std::list<CallRecord> m_Calls;
    unsigned m_CallCount = 0;
    std::int32_t m_CurrentCall = 0;
    std::unique_ptr<TelvarionApi::Api> m_Api;
    unsigned m_HandlerCount = 0;
    bool m_Exit = true;
    bool m_Muted = false;
};

} // namespace Connector
