#pragma once

#include "HidPlatform/hid_types.h"

#include <cstdint>

namespace Connector {

// One row of a usage table. Rows compare by report type, usage and page, not by name.
struct UsageDescriptor
{
    HidPlatform::ReportType reportType = HidPlatform::ReportType::Feature;
    std::uint16_t usage = 0;
    std::uint16_t usagePage = 0;
    const char* name = nullptr; // null ends a table

    bool operator==(const UsageDescriptor& other) const
    {
        return reportType == other.reportType && usage == other.usage && usagePage == other.usagePage;
    }
    bool operator!=(const UsageDescriptor& other) const { return !(*this == other); }
};

// The names and places of the HID usages a channel works with, by table index.
class UsageManager
{
public:
    enum Index : int
    {
        ProgrammableButton = 0,
        HookSwitch = 1,
        Flash = 2,
        Redial = 3,
        PhoneMute = 4,
        SpeedDial = 5,
        VoiceMail = 6,
        Line = 7,
        SpeakerPhone = 8,
        LineBusyTone = 9,
        FirstKey = 10,
        LastKey = 22,
        VolumeUp = 29,
        VolumeDown = 30,
        Ringer = 31,
        OffHookLed = 32,
        MuteLed = 33,
        HoldLed = 34,
        RingLed = 35,
        SpeakerLed = 36,
        MicrophoneLed = 37,
        OnlineLed = 38,
    };
    static constexpr int UsageCount = 40;

    virtual ~UsageManager() = default;

    // An index outside the table is logged and gives the end row.
    virtual const UsageDescriptor& getUsage(int index) const;

    // The name of the row with this type, usage and page, searched up to the end row.
    const char* findName(HidPlatform::ReportType type, std::uint16_t usage, std::uint16_t usagePage) const;
};

} // namespace Connector
