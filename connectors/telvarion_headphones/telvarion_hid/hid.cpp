#include "telvarion_hid/hid.h"

#include "telvarion_hid/locale_id.h"

#include "telvarion_headphones/api_communications.h"
#include "telvarion_headphones/logger.h"

#include "HidPlatform/interface_path.h"

#include <algorithm>
#include <cstdio>

namespace Connector {

namespace {

namespace Error = HidPlatform::Error;

constexpr std::uint32_t EnumerationCategory = CategoryHid | CategoryEnumeration;
constexpr std::size_t MaxDeviceNameBytes = 260;

// The part of a path from its n-th '#' up to the given number of '&' after it; empty when
// the path has no such part.
std::string pathPart(const std::string& path, int hashes, int ampersands)
{
    std::size_t start = std::string::npos;
    for (int i = 0; i < hashes; ++i) {
        start = path.find('#', start == std::string::npos ? 0 : start + 1);
        if (start == std::string::npos)
            return std::string();
    }
    std::size_t end = start;
    for (int i = 0; i < ampersands; ++i) {
        end = path.find('&', end + 1);
        if (end == std::string::npos)
            return std::string();
    }
    return path.substr(start, end - start);
}

// The vendor and product ids an interface path names, as "vid_xxxx&pid_xxxx".
bool pathIds(const std::string& path, unsigned& vendorId, unsigned& productId)
{
    const std::size_t at = path.find("#vid_");
    return at != std::string::npos && std::sscanf(path.c_str() + at, "#vid_%4x&pid_%4x", &vendorId, &productId) == 2;
}

const char* trueFalse(bool value)
{
    return value ? "true" : "false";
}

} // namespace

Hid::Hid(HidPlatform::Backend& backend) : m_Backend(backend) {}

Hid::~Hid() = default;

bool Hid::Initialize(ApiCommunications* owner)
{
    if (!Device::Initialize(owner))
        return false;
    m_Link = owner;
    return true;
}

bool Hid::SamePhysicalDevice(const std::string& path, const std::string& other)
{
    const std::string device = pathPart(path, 1, 2);
    const std::string instance = pathPart(path, 2, 3);
    return !device.empty() && !instance.empty() && device == pathPart(other, 1, 2) && instance == pathPart(other, 2, 3);
}

bool Hid::Run()
{
    if (m_State & DeviceLostBit)
        CloseAllChannels();
    bool opened = false;
    if (m_Channels.empty()) {
        m_Stage = NoDevice;
        SetupDevices();
        if (m_Channels.empty())
            return true;
        opened = true;
    }
    if (opened) {
        OnDeviceDetected();
        m_Stage = DeviceDetected;
    }
    if (m_Stage == DeviceDetected) {
        if (!InitializeDeviceDisplay())
            return true;
        InitializeCallState();
        m_Stage = DeviceReady;
    }
    for (const auto& channel : m_Channels)
        channel->PerformQueuedWrites();
    ReadInput();
    RunTimedTasks();
    return true;
}

std::unique_ptr<HidCommunication> Hid::CreateChannel()
{
    return std::make_unique<HidCommunication>(*this, m_Backend);
}

bool Hid::GetDeviceCapabilities(const HidPlatform::Device& device,
                                std::shared_ptr<const HidPlatform::PreparsedData>& preparsedData,
                                HidPlatform::Capabilities& capabilities)
{
    preparsedData = device.preparsedData();
    if (!preparsedData) {
        Logger::instance().error(CategoryHid, "Hid, Connector::Hid::GetDeviceCapabilities, Failed to retrieve "
                                              "preparsed data for HID device");
        return false;
    }
    capabilities = preparsedData->capabilities();
    return true;
}

void Hid::SetupDevices()
{
    Logger& log = Logger::instance();
    std::vector<HidPlatform::InterfaceInfo> interfaces;
    const std::uint32_t error = m_Backend.enumerate(interfaces);
    if (error != Error::None) {
        log.error(EnumerationCategory, "Hid, Connector::Hid::SetupDevices, Error %d (%s) in getting a handle to a "
                                       "device information set",
                  int(error), HidPlatform::errorText(error));
        return;
    }

    std::vector<std::string> seen;
    for (const HidPlatform::UnusableNode& unusable : m_Backend.unusableNodes()) {
        const std::string key = "node " + unusable.node;
        seen.push_back(key);
        if (std::find(m_SeenPaths.begin(), m_SeenPaths.end(), key) == m_SeenPaths.end())
            log.warning(EnumerationCategory, "Hid, Connector::Hid::SetupDevices, Ignoring HID device %s: its report "
                                             "descriptor cannot be used (%s)",
                        unusable.node.c_str(), unusable.reason.c_str());
    }
    for (const HidPlatform::InterfaceInfo& info : interfaces) {
        const std::string& path = info.path;
        seen.push_back(path);
        if (path.find(HidPlatform::HidInterfaceClass) == std::string::npos)
            continue;
        const bool isNew = std::find(m_SeenPaths.begin(), m_SeenPaths.end(), path) == m_SeenPaths.end();
        if (isNew)
            log.information(EnumerationCategory, "Hid, Connector::Hid::SetupDevices, Enumerating device %s",
                            path.c_str());

        std::uint32_t openError = Error::None;
        std::unique_ptr<HidPlatform::Device> device = m_Backend.open(path, openError);
        if (!device) {
            if (openError != Error::AccessDenied)
                log.error(EnumerationCategory, "Hid, Connector::Hid::SetupDevices, Error %d (%s) in opening device %s",
                          int(openError), HidPlatform::errorText(openError), path.c_str());
            else if (isNew && namesSupportedDevice(path))
                // Most HID devices are not ours to open; one of ours is, and the user must
                // learn why it stays dark.
                log.warning(EnumerationCategory, "Hid, Connector::Hid::SetupDevices, Access to the supported device %s "
                                                 "is denied; its HID node needs read and write permission for this user",
                            path.c_str());
            continue;
        }

        std::shared_ptr<const HidPlatform::PreparsedData> preparsedData;
        HidPlatform::Capabilities capabilities;
        if (!GetDeviceCapabilities(*device, preparsedData, capabilities))
            continue;
        if (!IsSupportedUsagePage(capabilities.usagePage)) {
            if (isNew)
                log.information(EnumerationCategory, "Hid, Connector::Hid::SetupDevices, Usage page of the device "
                                                     "(0x%04x) is not supported, ignoring this device",
                                capabilities.usagePage);
            continue;
        }

        const HidPlatform::Attributes attributes = device->attributes();
        const bool supported = IsSupportedDevice(attributes.vendorId, attributes.productId);
        if (!supported || (!m_Channels.empty() && !SamePhysicalDevice(path, m_Channels.front()->path()))) {
            if (!isNew)
                continue;
            if (supported)
                log.information(EnumerationCategory, "Hid, Connector::Hid::SetupDevices, This device was not the "
                                                     "first enumerated HID device, ignoring this device");
            else
                log.information(EnumerationCategory, "Hid, Connector::Hid::SetupDevices, The hardware identifiers "
                                                     "(vid: 0x%04x, pid: 0x%04x) of this device are not supported, "
                                                     "ignoring this device",
                                attributes.vendorId, attributes.productId);
            continue;
        }

        std::string name = info.friendlyName.empty() ? info.description : info.friendlyName;
        name = name.substr(0, MaxDeviceNameBytes);
        if (isNew)
            log.information(EnumerationCategory, "Hid, Connector::Hid::SetupDevices, Setting device %s", path.c_str());
        std::unique_ptr<HidCommunication> channel = CreateChannel();
        if (channel->Initialize(std::move(device), preparsedData, capabilities, attributes, path, name))
            m_Channels.push_back(std::move(channel));
    }

    if (m_Channels.empty())
        m_SeenPaths = std::move(seen);
    else
        m_SeenPaths.clear();
}

bool Hid::namesSupportedDevice(const std::string& path) const
{
    unsigned vendorId = 0;
    unsigned productId = 0;
    return pathIds(path, vendorId, productId) && IsSupportedDevice(std::uint16_t(vendorId), std::uint16_t(productId));
}

void Hid::OnDeviceDetected()
{
    setBit(HoldShown, false);
    setBit(MuteShown, false);
}

std::int32_t Hid::currentCallState() const
{
    return m_Link ? m_Link->GetCurrentCallState() : TelvarionApi::CallClosed;
}

void Hid::InitializeCallState()
{
    const std::int32_t state = currentCallState();
    Logger::instance().information(CategoryHid, "Hid, Connector::Hid::InitializeCallState, call state: %d", state);
    if (state != TelvarionApi::CallClosed && state != TelvarionApi::CallRinging)
        SetHookState(true);
    const WChar* name = m_Link ? m_Link->GetCurrentCallName() : nullptr;
    switch (state) {
    case TelvarionApi::CallRinging: OnCallRinging(name); break;
    case TelvarionApi::CallOpen: OnCallOpened(name); break;
    case TelvarionApi::CallOnHold: OnCallHold(name); break;
    case TelvarionApi::CallOnHoldByPeer: OnCallHoldByPeer(name); break;
    default: break;
    }
    SetMuteState(m_Link && m_Link->IsMuted());
}

bool Hid::InitializeDeviceDisplay()
{
    const std::uint16_t localeId = LocaleId::userDefault();
    Logger::instance().information(CategoryHid,
                                   "Hid, Connector::Hid::InitializeDeviceDisplay User default LCID is 0x%04x", localeId);
    bool ok = true;
    for (const auto& channel : m_Channels) {
        ok = channel->InitializeDeviceDisplay(localeId) && ok;
        channel->SetVoiceMailState(voiceMailShown());
    }
    return ok;
}

void Hid::setBit(StateBits bit, bool on)
{
    m_State = std::uint8_t(on ? (m_State | bit) : (m_State & ~bit));
}

bool Hid::SetHoldState(bool on)
{
    if (holdShown() == on)
        return true;
    Logger::instance().information(CategoryHid, "Hid, Connector::Hid::SetHoldState, %son hold", on ? "" : "not ");
    bool any = false;
    for (const auto& channel : m_Channels)
        any = channel->SetHoldState(on) || any;
    setBit(HoldShown, on);
    return any;
}

bool Hid::SetMuteState(bool on)
{
    if (muteShown() == on)
        return true;
    Logger::instance().information(CategoryHid, "Hid, Connector::Hid::SetMuteState, %smuted", on ? "" : "not ");
    bool any = false;
    for (const auto& channel : m_Channels)
        any = channel->SetMuteState(on) || any;
    if (any)
        setBit(MuteShown, on);
    return any;
}

bool Hid::SetVoiceMailState(bool on)
{
    if (voiceMailShown() == on)
        return true;
    Logger::instance().information(CategoryHid, "Hid, Connector::Hid::SetVoiceMailState, bVoiceMail: %s", trueFalse(on));
    setBit(VoiceMailShown, on);
    bool any = false;
    for (const auto& channel : m_Channels)
        any = channel->SetVoiceMailState(on) || any;
    return any;
}

void Hid::SetRinging(bool on)
{
    Logger::instance().information(CategoryHid, "Hid, Connector::Hid::SetRinging, %sringing", on ? "" : "not ");
    for (const auto& channel : m_Channels)
        channel->SetRinging(on);
}

void Hid::SetHookState(bool offHook)
{
    for (const auto& channel : m_Channels)
        channel->SetHookState(offHook);
    m_HookOff = offHook;
}

bool Hid::SetTime(bool)
{
    return true;
}

bool Hid::SetCurrentDate(bool)
{
    return true;
}

bool Hid::ReadInput()
{
    for (std::size_t i = 0; i < m_Channels.size(); ++i)
        if (!m_Channels[i]->ProcessInput())
            return false;
    return true;
}

bool Hid::RunTimedTasks()
{
    return false;
}

const WChar* Hid::GetLastDialedNumber()
{
    return nullptr;
}

bool Hid::IsSupportedDevice(std::uint16_t, std::uint16_t) const
{
    return true;
}

bool Hid::IsSupportedUsagePage(std::uint16_t usagePage) const
{
    return usagePage == 0x08 || usagePage == 0x0B || usagePage == 0x0C;
}

void Hid::CloseAllChannels()
{
    for (const auto& channel : m_Channels)
        channel->Close();
    m_Channels.clear();
    setBit(DeviceLostBit, false);
}

void Hid::Uninitialize()
{
    Logger::instance().information(CategoryHid, "Hid, Uninitializing");
    CloseAllChannels();
    m_Link = nullptr;
}

void Hid::OnNewCall(std::int32_t direction, std::int32_t)
{
    if (direction == TelvarionApi::CallOutgoing && !m_Channels.empty())
        SetHookState(true);
}

void Hid::OnCallRinging(const WChar*)
{
    if (m_Link && m_Link->GetCurrentCallDirection() == TelvarionApi::CallIncoming)
        SetRinging(true);
}

void Hid::OnCallOpened(const WChar*)
{
    if (m_Channels.empty())
        return;
    SetHookState(true);
    SetRinging(false);
    SetHoldState(false);
}

void Hid::OnCallHold(const WChar*)
{
    if (!m_Channels.empty())
        SetHoldState(true);
}

void Hid::OnCallHoldByPeer(const WChar*) {}

void Hid::OnCallMuteState(bool muted)
{
    if (!m_Channels.empty())
        SetMuteState(muted);
}

void Hid::OnCallClosed(const WChar*)
{
    SetRinging(false);
}

void Hid::OnContactPresence(const WChar*, bool, std::uint32_t) {}

void Hid::OnContactProperties(const WChar*, std::int32_t) {}

void Hid::OnVoiceMail(std::int32_t newMessages)
{
    SetVoiceMailState(newMessages > 0);
}

void Hid::OnExit()
{
    SetRinging(false);
    SetHoldState(false);
    SetMuteState(false);
    SetVoiceMailState(false);
}

void Hid::OnSystemResume()
{
    CloseAllChannels();
}

std::uint32_t Hid::GetEventMask() const
{
    return 12;
}

void Hid::DeviceLost()
{
    setBit(DeviceLostBit, true);
}

void Hid::HandleHookSwitch(bool offHook)
{
    Logger::instance().information(CategoryHid, "Hid, Connector::Hid::HandleHookSwitch, hook off: %s",
                                   trueFalse(offHook));
    if (offHook == m_HookOff)
        return;
    m_HookOff = offHook;
    if (offHook)
        HandleHookOffSwitch();
    else
        HandleHookOnSwitch();
}

void Hid::HandleHookOffSwitch()
{
    CONNECTOR_TRACE(CategoryHid, "Connector::Hid::HandleHookOffSwitch");
    if (m_Link && m_Link->GetCurrentCallState() == TelvarionApi::CallRinging
        && m_Link->GetCurrentCallDirection() == TelvarionApi::CallIncoming) {
        Logger::instance().information(CategoryHid, "Hid, Connector::Hid::HandleHookOffSwitch, HookSwitch OFFHOOK, "
                                                    "answer an incoming call");
        m_Link->AnswerCall();
    }
}

void Hid::HandleHookOnSwitch()
{
    CONNECTOR_TRACE(CategoryHid, "Connector::Hid::HandleHookOnSwitch");
    const std::int32_t state = currentCallState();
    if (m_Link && (state == TelvarionApi::CallRinging || state == TelvarionApi::CallOpen)) {
        Logger::instance().information(CategoryHid, "Hid, Connector::Hid::HandleHookOnSwitch, HookSwitch ONHOOK, Hang "
                                                    "up the active call");
        m_Link->HangupCall();
    }
}

void Hid::HandleHoldSwitch(bool on)
{
    Logger::instance().information(CategoryHid, "Hid, Connector::Hid::HandleHoldSwitch, Call is %son hold",
                                   on ? "" : "not ");
    if (m_Link)
        m_Link->SetHold(on);
}

void Hid::HandleMuteSwitch(bool on)
{
    setBit(MuteShown, on);
    Logger::instance().information(CategoryHid, "Hid, Connector::Hid::HandleMuteSwitch, Phone is %smuted",
                                   on ? "" : "un");
    if (m_Link)
        m_Link->SetMute(on);
}

void Hid::HandleRedial(bool pressed)
{
    Logger::instance().information(CategoryHid, "Hid, Connector::Hid::HandleRedial, Redial button %s",
                                   pressed ? "pressed" : "released");
    if (!pressed || !m_Link || m_Link->GetCurrentCallContactId() != 0)
        return;
    if (const WChar* number = GetLastDialedNumber())
        m_Link->MakeCall(number);
}

// Voice mail and volume act on the press only; the release would repeat the command.
void Hid::HandleVoiceMail(bool pressed)
{
    Logger::instance().information(CategoryHid, "Hid, Connector::Hid::HandleVoiceMail");
    if (pressed && m_Link)
        m_Link->CallToVoiceMail();
}

void Hid::HandleProgButton(bool pressed)
{
    if (pressed && m_Link && m_Link->GetCurrentCallState() == TelvarionApi::CallRinging)
        m_Link->HangupCall();
}

void Hid::HandleDeviceKeyPress(std::uint8_t, bool) {}

void Hid::HandleVolumeUp(bool pressed)
{
    if (pressed && m_Link)
        m_Link->SetVolume(true);
}

void Hid::HandleVolumeDown(bool pressed)
{
    if (pressed && m_Link)
        m_Link->SetVolume(false);
}

} // namespace Connector
