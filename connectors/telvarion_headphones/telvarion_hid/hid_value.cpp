#include "telvarion_hid/hid_value.h"

#include "telvarion_hid/hid_status.h"

#include "telvarion_headphones/logger.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace Connector {

HidValue::HidValue(std::shared_ptr<const HidPlatform::PreparsedData> preparsedData, std::uint16_t reportLength,
                   const UsageDescriptor& usage, std::uint8_t reportId, bool absolute, bool alias,
                   std::uint16_t bitSize, std::uint16_t reportCount)
    : HidControl(std::move(preparsedData), reportLength, usage, reportId, absolute, alias),
      m_ByteLength((std::size_t(bitSize) * reportCount + 7) / 8)
{
    if (isArray())
        m_Bytes.assign(m_ByteLength, 0);
}

void HidValue::setValue(std::int32_t value)
{
    const bool change = value != m_Value;
    m_Value = value;
    if (!label().empty())
        Logger::instance().debug(CategoryHidChannel, "Hid, Connector::HidValue::setValue, HID value %s: value change %d, new value %d",
                                 label().c_str(), change, value);
}

void HidValue::setValue(const std::uint8_t* data, std::size_t length)
{
    m_DataLength = std::min(length, m_Bytes.size());
    std::fill(m_Bytes.begin(), m_Bytes.end(), 0);
    std::copy(data, data + m_DataLength, m_Bytes.begin());
    if (label().empty())
        return;
    std::string text;
    char hex[8];
    for (std::size_t i = 0; i < m_DataLength; ++i) {
        std::snprintf(hex, sizeof hex, "0x%02x ", m_Bytes[i]);
        text += hex;
    }
    Logger::instance().debug(CategoryHidChannel, "Hid, Connector::HidValue::setValue, HID value %s%s: %s",
                             label().c_str(), "", text.c_str());
}

bool HidValue::writeIntoReport(std::uint8_t* report) const
{
    const UsageDescriptor& descriptor = usage();
    const std::uint32_t status = isArray()
        ? preparsedData().setUsageValueArray(descriptor.reportType, descriptor.usagePage, descriptor.usage,
                                             m_Bytes.data(), m_Bytes.size(), report, reportLength())
        : preparsedData().setScaledUsageValue(descriptor.reportType, descriptor.usagePage, descriptor.usage, m_Value,
                                              report, reportLength());
    if (status == HidPlatform::Status::Success)
        return true;
    HidStatus::log(LogWarn, "Connector::HidValue::writeIntoReport", status, descriptor.usage, descriptor.usagePage);
    return false;
}

} // namespace Connector
