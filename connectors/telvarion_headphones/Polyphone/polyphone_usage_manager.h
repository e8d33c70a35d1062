#pragma once

#include "telvarion_hid/usage_manager.h"

#include <cstdint>

namespace Connector {

// The phone's usage table: the standard usages, on vendor pages for phones whose top-level
// page is a vendor one, and the vendor usages of the display.
class PolyphoneUsageManager : public UsageManager
{
public:
    enum PhoneIndex : int
    {
        EnableDisplay = 39,
        LanguageIdentifier = 40,
        SoftphoneClientIdentifier = 41,
        Backlight = 42,
        ScreenSelect = 43,
        VoiceMailIcon = 44,
        MuteIcon = 45,
        TextStringFollowed = 46,
        LastCharacterReport = 47,
        DisplayCharacters = 48,
        FirstDisplayField = 49, // LOCAL_USER_NAME; field code n is row 48 + n
        LastSelectableField = 58,
        OtherPartyNumber = 59,
        EndRow = 60,
    };
    static constexpr int PhoneUsageCount = 61;

    explicit PolyphoneUsageManager(std::uint16_t topLevelUsagePage);

    const UsageDescriptor& getUsage(int index) const override;


private:
    bool m_VendorPages;
};

} // namespace Connector
