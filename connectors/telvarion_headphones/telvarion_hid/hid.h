#pragma once

#include "telvarion_hid/hid_communication.h"
#include "telvarion_hid/i_controller.h"

#include "telvarion_headphones/device.h"

#include "HidPlatform/backend.h"

#include <memory>
#include <string>
#include <vector>

namespace Connector {

// The handler of a HID telephony device: finds and opens its interfaces, mirrors the
// client's call state on the device's indicators and turns its buttons into commands.
class Hid : public Device, public IController
{
public:
    enum Stage : int
    {
        NoDevice = 0,
        DeviceDetected = 1,
        DeviceReady = 2,
    };

    explicit Hid(HidPlatform::Backend& backend = HidPlatform::Backend::system());
    ~Hid() override;

    // Device
    bool Initialize(ApiCommunications* owner) override;
    bool Run() override;
    void Uninitialize() override;
    void OnNewCall(std::int32_t direction, std::int32_t contactId) override;
    void OnCallRinging(const WChar* name) override;
    void OnCallOpened(const WChar* name) override;
    void OnCallHold(const WChar* name) override;
    void OnCallHoldByPeer(const WChar* name) override;
    void OnCallMuteState(bool muted) override;
    void OnCallClosed(const WChar* name) override;
    void OnContactPresence(const WChar* presenceText, bool isLocalUser, std::uint32_t reserved) override;
    void OnContactProperties(const WChar* name, std::int32_t contactId) override;
    void OnVoiceMail(std::int32_t newMessages) override;
    void OnExit() override;
    void OnSystemResume() override;
    std::uint32_t GetEventMask() const override;

    // IController
    void DeviceLost() override;
    void HandleHookSwitch(bool offHook) override;
    void HandleRedial(bool pressed) override;
    void HandleHoldSwitch(bool on) override;
    void HandleMuteSwitch(bool on) override;
    void HandleVoiceMail(bool pressed) override;
    void HandleProgButton(bool pressed) override;
    void HandleDeviceKeyPress(std::uint8_t keyIndex, bool speedDial) override;
    void HandleVolumeUp(bool pressed) override;
    void HandleVolumeDown(bool pressed) override;

    virtual std::unique_ptr<HidCommunication> CreateChannel();
    virtual void SetupDevices();
    virtual bool GetDeviceCapabilities(const HidPlatform::Device& device,
                                       std::shared_ptr<const HidPlatform::PreparsedData>& preparsedData,
                                       HidPlatform::Capabilities& capabilities);
    virtual void OnDeviceDetected();
    virtual void InitializeCallState();
    virtual bool InitializeDeviceDisplay();
    virtual bool SetHoldState(bool on);
    virtual bool SetMuteState(bool on);
    virtual bool SetVoiceMailState(bool on);
    virtual bool SetTime(bool forced);
    virtual bool SetCurrentDate(bool forced);
    virtual void HandleHookOffSwitch();
    virtual void HandleHookOnSwitch();
    // Processes every channel's waiting input; stops at the first channel that fails.
    virtual bool ReadInput();
    virtual bool RunTimedTasks();
    virtual const WChar* GetLastDialedNumber();
    virtual bool IsSupportedDevice(std::uint16_t vendorId, std::uint16_t productId) const;
    virtual bool IsSupportedUsagePage(std::uint16_t usagePage) const;
    virtual void CloseAllChannels();

    int stage() const { return m_Stage; }
    const std::vector<std::unique_ptr<HidCommunication>>& channels() const { return m_Channels; }
    bool hookOff() const { return m_HookOff; }
    bool holdShown() const { return m_State & HoldShown; }
    bool muteShown() const { return m_State & MuteShown; }
    bool voiceMailShown() const { return m_State & VoiceMailShown; }

    // Whether two interface paths belong to one physical device: same vendor and product,
    // same parent instance.
    static bool SamePhysicalDevice(const std::string& path, const std::string& other);

protected:
    // The client link while attached (null before Initialize and after Uninitialize).
    ApiCommunications* link() const { return m_Link; }
    HidPlatform::Backend& backend() const { return m_Backend; }

    // Ringing and hook indicators of every channel.
    void SetRinging(bool on);
    void SetHookState(bool offHook);

private:
    enum StateBits : std::uint8_t
    {
        HoldShown = 0x1,
        MuteShown = 0x2,
        VoiceMailShown = 0x4,
        DeviceLostBit = 0x8,
    };

    void setBit(StateBits bit, bool on);
    bool namesSupportedDevice(const std::string& path) const;
    std::int32_t currentCallState() const;

    HidPlatform::Backend& m_Backend;
    ApiCommunications* m_Link = nullptr;
    std::vector<std::unique_ptr<HidCommunication>> m_Channels;
    bool m_HookOff = false;
    std::uint8_t m_State = 0;
    int m_Stage = NoDevice;
    std::vector<std::string> m_SeenPaths;
};

} // namespace Connector
