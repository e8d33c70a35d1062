#pragma once

#include "telvarion_hid/hid_control.h"

namespace Connector {

// A button usage. An absolute button's value follows its state; a toggle button's value
// flips on each press.
class HidButton : public HidControl
{
public:
    HidButton(std::shared_ptr<const HidPlatform::PreparsedData> preparsedData, std::uint16_t reportLength,
              const UsageDescriptor& usage, std::uint8_t reportId, bool absolute, bool alias);

    // From a report; true on a press edge (pressed now, released in the report before).
    bool setState(bool pressed);
    // Reads the value and clears the changed mark.
    bool getValue();
    // From the program: an indicator the device now shows.
    void setValue(bool value);

    bool value() const { return m_Value; }
    bool isChanged() const { return m_Changed; }

    bool writeIntoReport(std::uint8_t* report) const override;

private:
    void logState(const char* operation) const;

    bool m_RawState;
    bool m_Value = false;
    bool m_Changed = false;
};

} // namespace Connector
