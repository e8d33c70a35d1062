#include "Polyphone/polyphone_usage_manager.h"

#include "telvarion_headphones/logger.h"

#include <array>

namespace Connector {

namespace {

using HidPlatform::ReportType;
using Table = std::array<UsageDescriptor, PolyphoneUsageManager::PhoneUsageCount>;

struct VendorRow
{
    ReportType type;
    std::uint16_t usage;
    const char* name;
};

constexpr VendorRow VendorRows[] = {
    {ReportType::Output, 0x26, "USAGE_ENABLE_DISPLAY"},
    {ReportType::Feature, 0x64, "USAGE_LANGUAGE_IDENTIFIER"},
    {ReportType::Feature, 0x65, "USAGE_SOFTPHONE_CLIENT_IDENTIFIER"},
    {ReportType::Output, 0xFF10, "USAGE_BACKLIGHT"},
    {ReportType::Output, 0xFF11, "USAGE_SCREEN_SELECT"},
    {ReportType::Output, 0xFF1B, "USAGE_VOICE_MAIL_ICON"},
    {ReportType::Output, 0xFF1C, "USAGE_MUTE_ICON"},
    {ReportType::Output, 0xFF22, "USAGE_TEXT_STRING_FOLLOWED"},
    {ReportType::Output, 0xFF24, "USAGE_LAST_CHARACTER_REPORT"},
    {ReportType::Output, 0xFF2C, "USAGE_DISPLAY_CHARACTERS"},
    {ReportType::Output, 0x81, "LOCAL_USER_NAME"},
    {ReportType::Output, 0x82, "LOCAL_USER_INFO"},
    {ReportType::Output, 0x83, "DATE"},
    {ReportType::Output, 0x84, "TIME"},
    {ReportType::Output, 0x85, "CALL_STATUS"},
    {ReportType::Output, 0x86, "OTHER_PARTY_NAME"},
    {ReportType::Output, 0x87, "OTHER_PARTY_INFO"},
    {ReportType::Output, 0x88, "SOMETHING_ELSE"},
    {ReportType::Output, 0x89, "DURATION"},
    {ReportType::Output, 0x8A, "NUMBER"},
    {ReportType::Output, 0x8B, "OTHER_PARTY_NUMBER"},
};
static_assert(PolyphoneUsageManager::EnableDisplay + sizeof VendorRows / sizeof VendorRows[0]
                  == PolyphoneUsageManager::EndRow,
              "the vendor rows end where the end row begins");

// Rows 0..38 are the standard usages; the vendor table moves each standard page to its
// 0xFFxx twin.
Table buildTable(bool vendorPages)
{
    const UsageManager standard;
    Table table;
    for (int index = 0; index < PolyphoneUsageManager::EnableDisplay; ++index) {
        UsageDescriptor row = standard.getUsage(index);
        if (vendorPages)
            row.usagePage = static_cast<std::uint16_t>(0xFF00 | row.usagePage);
        table[static_cast<std::size_t>(index)] = row;
    }
    const std::uint16_t vendorPage = vendorPages ? 0xFFA9 : 0xFF99;
    int index = PolyphoneUsageManager::EnableDisplay;
    for (const VendorRow& vendor : VendorRows)
        table[static_cast<std::size_t>(index++)] = UsageDescriptor{vendor.type, vendor.usage, vendorPage, vendor.name};
    table[PolyphoneUsageManager::EndRow] = UsageDescriptor{ReportType::Feature, 0, 0, nullptr};
    return table;
}

const Table& tableFor(bool vendorPages)
{
    static const Table first = buildTable(false);
    static const Table second = buildTable(true);
    return vendorPages ? second : first;
}

} // namespace

PolyphoneUsageManager::PolyphoneUsageManager(std::uint16_t topLevelUsagePage)
    : m_VendorPages(topLevelUsagePage == 0xFFA9 || topLevelUsagePage == 0xFF0B)
{
}

const UsageDescriptor& PolyphoneUsageManager::getUsage(int index) const
{
    const Table& table = tableFor(m_VendorPages);
    if (index < 0 || index >= PhoneUsageCount) {
        Logger::instance().error(CategoryPhoneUsages,
                                 "Polyphone, Connector::PolyphoneUsageManager::getUsage, Invalid HID usage index: %d", index);
        return table[EndRow];
    }
    return table[static_cast<std::size_t>(index)];
}

} // namespace Connector
