#include "telvarion_hid/hid_control.h"

#include "telvarion_headphones/logger.h"

#include <utility>

namespace Connector {

HidControl::HidControl(std::shared_ptr<const HidPlatform::PreparsedData> preparsedData, std::uint16_t reportLength,
                       const UsageDescriptor& usage, std::uint8_t reportId, bool absolute, bool alias)
    : m_PreparsedData(std::move(preparsedData)), m_ReportLength(reportLength), m_Usage(usage), m_ReportId(reportId),
      m_Flags(std::uint8_t((absolute ? Absolute : 0) | (alias ? Alias : 0)))
{
}

void HidControl::logDescription() const
{
    Logger::instance().tick(CategoryHidData, "UsagePage: 0x%04x ReportID: 0x%02x Usage: 0x%04x=%25s, Absolute: %s Alias: %s",
                            m_Usage.usagePage, m_ReportId, m_Usage.usage, usageName(), isAbsolute() ? "yes" : "no",
                            isAlias() ? "yes" : "no");
}

} // namespace Connector
