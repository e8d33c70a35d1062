#pragma once

#include <cstdint>

namespace Connector {

// What a handler's device can ask of it: the report channels call these when a button's
// logical value changes, or when the device went away.
class IController
{
public:
    virtual ~IController() = default;

    // All channels should be closed and the devices set up again on the next turn.
    virtual void DeviceLost() = 0;
    virtual void HandleHookSwitch(bool offHook) = 0;
    virtual void HandleRedial(bool pressed) = 0;
    virtual void HandleHoldSwitch(bool on) = 0;
    virtual void HandleMuteSwitch(bool on) = 0;
    virtual void HandleVoiceMail(bool pressed) = 0;
    virtual void HandleProgButton(bool pressed) = 0;
    // keyIndex 0..12 stands for "0123456789*#A".
    virtual void HandleDeviceKeyPress(std::uint8_t keyIndex, bool speedDial) = 0;
    virtual void HandleVolumeUp(bool pressed) = 0;
    virtual void HandleVolumeDown(bool pressed) = 0;
};

} // namespace Connector
