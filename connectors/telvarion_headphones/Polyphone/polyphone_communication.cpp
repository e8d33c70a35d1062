#include "Polyphone/polyphone_communication.h"

#include "Polyphone/polyphone_usage_manager.h"
#include "telvarion_headphones/logger.h"

#include <algorithm>

namespace Connector {

namespace {

using HidPlatform::ReportType;
using Usage = PolyphoneUsageManager;

} // namespace

std::unique_ptr<UsageManager> PolyphoneCommunication::CreateUsageManager() const
{
    return std::make_unique<PolyphoneUsageManager>(capabilities().usagePage);
}

bool PolyphoneCommunication::sendReportsOf(std::initializer_list<const HidControl*> controls)
{
    std::vector<const HidControl*> sent;
    for (const HidControl* control : controls) {
        if (control == nullptr)
            continue;
        const bool sameReport = std::any_of(sent.begin(), sent.end(), [control](const HidControl* other) {
            return other->usage().reportType == control->usage().reportType && other->reportId() == control->reportId();
        });
        if (sameReport)
            continue;
        if (!SendReport(*control))
            return false;
        sent.push_back(control);
    }
    return true;
}

bool PolyphoneCommunication::SelectScreen(int screen)
{
    HidValue* screenSelect = findValue(ReportType::Output, Usage::ScreenSelect);
    if (screenSelect == nullptr)
        return false;
    Logger::instance().debug(CategoryPhoneChannel, "Polyphone, Connector::PolyphoneCommunication::SelectScreen, screen: %d",
                             screen);
    screenSelect->setValue(screen);
    HidButton* enableDisplay = findButton(ReportType::Output, Usage::EnableDisplay);
    HidButton* backlight = findButton(ReportType::Output, Usage::Backlight);
    if (enableDisplay != nullptr && backlight != nullptr) {
        enableDisplay->setValue(true);
        backlight->setValue(true);
        return sendReportsOf({screenSelect, enableDisplay, backlight});
    }
    return sendReportsOf({screenSelect});
}

std::vector<PolyphoneCommunication::TextChunk> PolyphoneCommunication::textChunks(const Platform::WChar* text)
{
    const std::size_t length = std::min(text == nullptr ? 0 : Platform::wideLength(text), MaxTextLength);
    std::vector<TextChunk> chunks;
    std::size_t position = 0;
    for (;;) {
        TextChunk chunk;
        for (std::size_t i = 0; i < ChunkCharacters && position + i < length; ++i) {
            const Platform::WChar c = text[position + i];
            chunk.bytes[2 * i] = static_cast<std::uint8_t>(c & 0xFF);
            chunk.bytes[2 * i + 1] = static_cast<std::uint8_t>(c >> 8);
        }
        position += ChunkCharacters;
        chunk.last = position > length;
        chunks.push_back(chunk);
        if (chunk.last)
            return chunks;
    }
}

bool PolyphoneCommunication::writeDisplayText(int field, const Platform::WChar* text)
{
    HidButton* textFollowed = findButton(ReportType::Output, Usage::TextStringFollowed);
    HidButton* lastCharacter = findButton(ReportType::Output, Usage::LastCharacterReport);
    HidValue* characters = findValue(ReportType::Output, Usage::DisplayCharacters);
    if (textFollowed == nullptr || lastCharacter == nullptr || characters == nullptr)
        return false;
    HidButton* fieldSelects[Usage::LastSelectableField - Usage::FirstDisplayField + 1] = {};
    for (int index = Usage::FirstDisplayField; index <= Usage::LastSelectableField; ++index) {
        fieldSelects[index - Usage::FirstDisplayField] = findButton(ReportType::Output, index);
        if (fieldSelects[index - Usage::FirstDisplayField] == nullptr)
            return false;
    }
    for (int index = Usage::FirstDisplayField; index <= Usage::LastSelectableField; ++index)
        fieldSelects[index - Usage::FirstDisplayField]->setValue(index == Usage::DisplayCharacters + field);

    textFollowed->setValue(true);
    if (!sendReportsOf({textFollowed}))
        return false;
    for (const TextChunk& chunk : textChunks(text)) {
        characters->setValue(chunk.bytes.data(), chunk.bytes.size());
        lastCharacter->setValue(chunk.last);
        if (!sendReportsOf({characters, lastCharacter}))
            return false;
    }
    return true;
}

bool PolyphoneCommunication::clearField(int field)
{
    return writeDisplayText(field, nullptr);
}

bool PolyphoneCommunication::SetMuteState(bool on)
{
    HidButton* phoneMute = findButton(ReportType::Input, UsageManager::PhoneMute);
    HidValue* muteIcon = findValue(ReportType::Output, Usage::MuteIcon);
    if (muteIcon == nullptr) {
        if (phoneMute != nullptr)
            phoneMute->setValue(on);
        return false;
    }
    muteIcon->setValue(on ? 1 : -1);
    if (!sendReportsOf({muteIcon}))
        return false;
    if (phoneMute != nullptr)
        phoneMute->setValue(on);
    return true;
}

bool PolyphoneCommunication::SetVoiceMailState(bool on)
{
    HidValue* muteIcon = findValue(ReportType::Output, Usage::MuteIcon);
    HidButton* voiceMailIcon = findButton(ReportType::Output, Usage::VoiceMailIcon);
    if (muteIcon == nullptr || voiceMailIcon == nullptr)
        return false;
    muteIcon->setValue(0); // leaves the mute icon as it is
    voiceMailIcon->setValue(on);
    return sendReportsOf({voiceMailIcon});
}

bool PolyphoneCommunication::SetHookState(bool offHook)
{
    HidButton* offHookLed = findButton(ReportType::Output, UsageManager::OffHookLed);
    if (offHookLed == nullptr)
        return false;
    offHookLed->setValue(offHook);
    if (HidValue* muteIcon = findValue(ReportType::Output, Usage::MuteIcon))
        muteIcon->setValue(0);
    return sendReportsOf({offHookLed});
}

bool PolyphoneCommunication::InitializeDeviceDisplay(std::uint16_t localeId)
{
    HidValue* language = findValue(ReportType::Feature, Usage::LanguageIdentifier);
    HidValue* client = findValue(ReportType::Feature, Usage::SoftphoneClientIdentifier);
    if (language == nullptr || client == nullptr)
        return true;
    language->setValue(localeId);
    client->setValue(0);
    if (!sendReportsOf({language, client}))
        return false;
    HidButton* voiceMailIcon = findButton(ReportType::Output, Usage::VoiceMailIcon);
    HidValue* muteIcon = findValue(ReportType::Output, Usage::MuteIcon);
    if (voiceMailIcon != nullptr)
        voiceMailIcon->setValue(false);
    if (muteIcon != nullptr)
        muteIcon->setValue(-1);
    sendReportsOf({muteIcon, voiceMailIcon});
    return true;
}

} // namespace Connector
