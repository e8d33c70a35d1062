#include "device.h"

#include "logger.h"

namespace Connector {

bool Device::Initialize(ApiCommunications* owner)
{
    if (m_Owner || !owner)
        return false;
    m_Owner = owner;
    return true;
}

bool Device::Run()
{
    return true;
}

void Device::OnConnecting() {}
void Device::OnConnected() {}
void Device::OnNotConnected() {}
void Device::OnNewCall(std::int32_t, std::int32_t) {}
void Device::OnCallRinging(const WChar*) {}
void Device::OnCallOpened(const WChar*) {}
void Device::OnCallHold(const WChar*) {}
void Device::OnCallMuteState(bool) {}
void Device::OnCallClosed(const WChar*) {}
void Device::OnVoiceMail(std::int32_t) {}
void Device::OnActiveCallChanged() {}

void Device::OnClearLogs()
{
    Logger::instance().deleteFiles();
}

void Device::OnSystemResume() {}
void Device::OnApplicationLanguage(const WChar*) {}

const char* Device::GetLogFileName() const
{
    return "TelvarionHeadphonesLog.txt";
}

bool Device::GetConnectionInfo(TelvarionApi::ConnectionInfo& info)
{
    info.setUuid(TelvarionApi::String());
    return false;
}

std::uint32_t Device::GetEventMask() const
{
    return 0;
}

} // namespace Connector
