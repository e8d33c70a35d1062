#pragma once

#include "telvarion_hid/hid_communication.h"

#include "Platform/wide_string.h"

#include <array>
#include <initializer_list>
#include <vector>

namespace Connector {

// The report channel of the desk phone: besides the standard indicators it selects the
// phone's screens, writes its display fields and shows the mute and voice-mail icons.
class PolyphoneCommunication : public HidCommunication
{
public:
    static constexpr std::size_t MaxTextLength = 24;
    static constexpr std::size_t ChunkCharacters = 8;

    struct TextChunk
    {
        std::array<std::uint8_t, 2 * ChunkCharacters> bytes{}; // UTF-16LE, zero-padded
        bool last = false;
    };

    using HidCommunication::HidCommunication;

    bool SetMuteState(bool on) override;
    bool SetVoiceMailState(bool on) override;
    bool SetHookState(bool offHook) override;
    bool InitializeDeviceDisplay(std::uint16_t localeId) override;
    virtual bool SelectScreen(int screen);

    // field is a display field code 1..11; a null text is an empty one.
    bool writeDisplayText(int field, const Platform::WChar* text);
    bool clearField(int field);

    // The chunks a text is sent in: at most 24 characters, 8 a chunk, and a text whose length
    // is a multiple of 8 ends with an empty chunk, as the phone expects the last one marked.
    static std::vector<TextChunk> textChunks(const Platform::WChar* text);

protected:
    std::unique_ptr<UsageManager> CreateUsageManager() const override;

private:
    // Sends the report of each control once, even when several share a report.
    bool sendReportsOf(std::initializer_list<const HidControl*> controls);
};

} // namespace Connector
