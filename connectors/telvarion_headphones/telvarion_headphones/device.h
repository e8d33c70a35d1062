#pragma once

#include "Platform/wide_string.h"
#include "TelvarionApi/connection_info.h"

#include <cstdint>

namespace Connector {

using WChar = Platform::WChar;

class ApiCommunications;

// A device handler as the client link drives it. Overrides take the events that concern
// the device; the base does what a handler without an override does.
class Device
{
public:
    virtual ~Device() = default;

    // Attaches to the owning link once; false when already attached or owner is null.
    virtual bool Initialize(ApiCommunications* owner);
    virtual bool Run();
    virtual void Uninitialize() = 0;
    virtual void OnConnecting();
    virtual void OnConnected();
    virtual void OnNotConnected();
    virtual void OnNewCall(std::int32_t direction, std::int32_t contactId);
    virtual void OnCallRinging(const WChar* name);
    virtual void OnCallOpened(const WChar* name);
    virtual void OnCallHold(const WChar* name);
    virtual void OnCallHoldByPeer(const WChar* name) = 0;
    virtual void OnCallMuteState(bool muted);
    virtual void OnCallClosed(const WChar* name);
    virtual void OnContactPresence(const WChar* presenceText, bool isLocalUser, std::uint32_t reserved) = 0;
    virtual void OnContactProperties(const WChar* name, std::int32_t contactId) = 0;
    virtual void OnVoiceMail(std::int32_t newMessages);
    virtual void OnExit() = 0;
    virtual void OnActiveCallChanged();
    // Deletes the log file and its backup.
    virtual void OnClearLogs();
    virtual void OnSystemResume();
    virtual void OnApplicationLanguage(const WChar* language);
    virtual const char* GetLogFileName() const;
    // Sets an empty UUID and returns false, so the link asks the next handler.
    virtual bool GetConnectionInfo(TelvarionApi::ConnectionInfo& info);
    virtual std::uint32_t GetEventMask() const;

protected:
    ApiCommunications* owner() const { return m_Owner; }

private:
    ApiCommunications* m_Owner = nullptr;
};

} // namespace Connector
