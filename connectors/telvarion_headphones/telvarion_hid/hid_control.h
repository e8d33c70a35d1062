#pragma once

#include "telvarion_hid/usage_manager.h"

#include "HidPlatform/preparsed_data.h"

#include <cstdint>
#include <memory>
#include <string>

namespace Connector {

// One usage of a report as the channel reads or writes it.
class HidControl
{
public:
    static constexpr std::size_t LabelCapacity = 14;

    HidControl(std::shared_ptr<const HidPlatform::PreparsedData> preparsedData, std::uint16_t reportLength,
               const UsageDescriptor& usage, std::uint8_t reportId, bool absolute, bool alias);
    virtual ~HidControl() = default;

    virtual void logDescription() const;
    // Puts the control's current value into a report of its type (reportLength bytes).
    virtual bool writeIntoReport(std::uint8_t* report) const = 0;

    const UsageDescriptor& usage() const { return m_Usage; }
    std::uint8_t reportId() const { return m_ReportId; }
    bool isAbsolute() const { return m_Flags & Absolute; }
    bool isAlias() const { return m_Flags & Alias; }
    std::uint16_t reportLength() const { return m_ReportLength; }

    // State logs are written only for labelled controls.
    const std::string& label() const { return m_Label; }
    void setLabel(const std::string& label) { m_Label = label.substr(0, LabelCapacity); }

protected:
    enum Flags : std::uint8_t
    {
        Absolute = 0x1,
        Alias = 0x2,
    };

    const HidPlatform::PreparsedData& preparsedData() const { return *m_PreparsedData; }
    const char* usageName() const { return m_Usage.name ? m_Usage.name : ""; }

private:
    std::shared_ptr<const HidPlatform::PreparsedData> m_PreparsedData;
    std::uint16_t m_ReportLength;
    UsageDescriptor m_Usage;
    std::uint8_t m_ReportId;
    std::uint8_t m_Flags;
    std::string m_Label;
};

} // namespace Connector
