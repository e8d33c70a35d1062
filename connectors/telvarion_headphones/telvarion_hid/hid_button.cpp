#include "telvarion_hid/hid_button.h"

#include "telvarion_hid/hid_status.h"

#include "telvarion_headphones/logger.h"

#include <utility>

namespace Connector {

HidButton::HidButton(std::shared_ptr<const HidPlatform::PreparsedData> preparsedData, std::uint16_t reportLength,
                     const UsageDescriptor& usage, std::uint8_t reportId, bool absolute, bool alias)
    : HidControl(std::move(preparsedData), reportLength, usage, reportId, absolute, alias), m_RawState(!absolute)
{
}

void HidButton::logState(const char* operation) const
{
    if (!label().empty())
        Logger::instance().debug(CategoryHidChannel, "Hid, Connector::HidButton::%s, HID button %s: state %d, value %d, value changed %d",
                                 operation, label().c_str(), m_RawState, m_Value, m_Changed);
}

bool HidButton::setState(bool pressed)
{
    const bool pressEdge = pressed && !m_RawState;
    if (isAbsolute()) {
        m_Changed = m_Changed || pressed != m_Value;
        m_Value = pressed;
    } else if (pressEdge) {
        m_Value = !m_Value;
        m_Changed = true;
    }
    m_RawState = pressed;
    logState("setState");
    return pressEdge;
}

bool HidButton::getValue()
{
    m_Changed = false;
    logState("getValue");
    return m_Value;
}

void HidButton::setValue(bool value)
{
    m_Value = value;
    if (isAbsolute())
        m_RawState = value;
    m_Changed = false;
    logState("setValue");
}

bool HidButton::writeIntoReport(std::uint8_t* report) const
{
    const UsageDescriptor& descriptor = usage();
    const std::uint32_t status = m_Value
        ? preparsedData().setUsage(descriptor.reportType, descriptor.usagePage, descriptor.usage, report, reportLength())
        : preparsedData().unsetUsage(descriptor.reportType, descriptor.usagePage, descriptor.usage, report, reportLength());
    if (status == HidPlatform::Status::Success || status == HidPlatform::Status::ButtonNotPressed)
        return true;
    HidStatus::log(LogWarn, "Connector::HidButton::writeIntoReport", status, descriptor.usage, descriptor.usagePage);
    return false;
}

} // namespace Connector
