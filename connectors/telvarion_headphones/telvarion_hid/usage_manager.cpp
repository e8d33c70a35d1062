#include "telvarion_hid/usage_manager.h"

#include "telvarion_headphones/logger.h"

namespace Connector {

namespace {

using HidPlatform::ReportType;

constexpr ReportType In = ReportType::Input;
constexpr ReportType Out = ReportType::Output;

const UsageDescriptor StandardTable[UsageManager::UsageCount] = {
    {In, 0x07, 0x09, "USAGE_PROGRAMMABLE_BUTTON"},
    {In, 0x20, 0x0B, "USAGE_HOOK_SWITCH"},
    {In, 0x21, 0x0B, "USAGE_FLASH"},
    {In, 0x24, 0x0B, "USAGE_REDIAL"},
    {In, 0x2F, 0x0B, "USAGE_PHONE_MUTE"},
    {In, 0x50, 0x0B, "USAGE_SPEED_DIAL"},
    {In, 0x70, 0x0B, "USAGE_VOICE_MAIL"},
    {In, 0x2A, 0x0B, "USAGE_LINE"},
    {In, 0x2B, 0x0B, "USAGE_SPEAKER_PHONE"},
    {In, 0x97, 0x0B, "USAGE_LINE_BUSY_TONE"},
    {In, 0xB0, 0x0B, "USAGE_KEY_0"},
    {In, 0xB1, 0x0B, "USAGE_KEY_1"},
    {In, 0xB2, 0x0B, "USAGE_KEY_2"},
    {In, 0xB3, 0x0B, "USAGE_KEY_3"},
    {In, 0xB4, 0x0B, "USAGE_KEY_4"},
    {In, 0xB5, 0x0B, "USAGE_KEY_5"},
    {In, 0xB6, 0x0B, "USAGE_KEY_6"},
    {In, 0xB7, 0x0B, "USAGE_KEY_7"},
    {In, 0xB8, 0x0B, "USAGE_KEY_8"},
    {In, 0xB9, 0x0B, "USAGE_KEY_9"},
    {In, 0xBA, 0x0B, "USAGE_KEY_STAR"},
    {In, 0xBB, 0x0B, "USAGE_KEY_POUND"},
    {In, 0xBC, 0x0B, "USAGE_KEY_A"},
    {In, 0xB3, 0x0C, "USAGE_FAST_FORWARD"},
    {In, 0xB4, 0x0C, "USAGE_REWIND"},
    {In, 0xB5, 0x0C, "USAGE_SCAN_NEXT_TRACK"},
    {In, 0xB6, 0x0C, "USAGE_SCAN_PREVIOUS_TRACK"},
    {In, 0xB7, 0x0C, "USAGE_STOP"},
    {In, 0xCD, 0x0C, "USAGE_PLAY_PAUSE"},
    {In, 0xE9, 0x0C, "USAGE_VOLUME_UP"},
    {In, 0xEA, 0x0C, "USAGE_VOLUME_DOWN"},
    {Out, 0x9E, 0x0B, "USAGE_RINGER"},
    {Out, 0x17, 0x08, "USAGE_OFF_HOOK"},
    {Out, 0x09, 0x08, "USAGE_MUTE"},
    {Out, 0x20, 0x08, "USAGE_HOLD"},
    {Out, 0x18, 0x08, "USAGE_RING"},
    {Out, 0x1E, 0x08, "USAGE_SPEAKER"},
    {Out, 0x21, 0x08, "USAGE_MICROPHONE"},
    {Out, 0x2A, 0x08, "USAGE_ONLINE"},
    {ReportType::Feature, 0, 0, nullptr},
};

} // namespace

const UsageDescriptor& UsageManager::getUsage(int index) const
{
    if (index < 0 || index >= UsageCount) {
        Logger::instance().error(CategoryUsages, "Hid, Connector::UsageManager::getUsage, Invalid HID usage index: %d",
                                 index);
        return StandardTable[UsageCount - 1];
    }
    return StandardTable[index];
}

const char* UsageManager::findName(HidPlatform::ReportType type, std::uint16_t usage, std::uint16_t usagePage) const
{
    const UsageDescriptor wanted{type, usage, usagePage, nullptr};
    for (int index = 0;; ++index) {
        const UsageDescriptor& row = getUsage(index);
        if (!row.name)
            return nullptr;
        if (row == wanted)
            return row.name;
    }
}

} // namespace Connector
