#pragma once

#include "Polyphone/last_dialed_number_file.h"
#include "Polyphone/polyphone_clock.h"
#include "Polyphone/wav_player.h"
#include "telvarion_hid/hid.h"

#include "Audio/backend.h"
#include "Platform/wide_string.h"

#include <memory>
#include <string>

namespace Connector {

class PolyphoneCommunication;

// The handler of the desk phone: dials from its keypad, answers and ends calls with its
// handset, plays the dial tone and shows calls, clock and presence on its display.
class Polyphone : public Hid
{
public:
    enum Screen : int
    {
        NoScreen = 0, // ends every display update
        HomeScreen = 1,
        DialScreen = 2,
        CallingScreen = 3,
        IncomingScreen = 4,
        InCallScreen = 5,
        CallEndedScreen = 7,
    };

    enum Field : int
    {
        LocalUserName = 1,
        LocalUserInfo = 2,
        Date = 3,
        Time = 4,
        CallStatus = 5,
        OtherPartyName = 6,
        OtherPartyInfo = 7,
        SomethingElse = 8,
        Duration = 9,
        Number = 10,
        OtherPartyNumber = 11,
    };

    static constexpr std::size_t MaxDigits = 20;
    static constexpr std::uint32_t HotDialTimeoutMs = 2000;
    static constexpr std::uint8_t CallEndedSeconds = 3;

    // A null audio backend means the system's, made when the handler is initialized.
    explicit Polyphone(HidPlatform::Backend& hidBackend = HidPlatform::Backend::system(),
                       std::shared_ptr<Audio::Backend> audioBackend = nullptr,
                       PolyphoneClock& clock = PolyphoneClock::system(), const std::string& lastDialPath = "lastdial.txt");
    ~Polyphone() override;

    // Device
    bool Initialize(ApiCommunications* owner) override;
    void Uninitialize() override;
    const char* GetLogFileName() const override;
    std::uint32_t GetEventMask() const override;
    bool GetConnectionInfo(TelvarionApi::ConnectionInfo& info) override;
    void OnNewCall(std::int32_t direction, std::int32_t contactId) override;
    void OnCallRinging(const WChar* name) override;
    void OnCallOpened(const WChar* name) override;
    void OnCallHold(const WChar* name) override;
    void OnCallHoldByPeer(const WChar* name) override;
    void OnCallClosed(const WChar* name) override;
    void OnActiveCallChanged() override;
    void OnContactPresence(const WChar* presenceText, bool isLocalUser, std::uint32_t reserved) override;
    void OnContactProperties(const WChar* name, std::int32_t contactId) override;
    void OnExit() override;

    // IController
    void HandleDeviceKeyPress(std::uint8_t keyIndex, bool speedDial) override;
    void HandleProgButton(bool pressed) override;
    void HandleHoldSwitch(bool pressed) override;

    // Hid
    std::unique_ptr<HidCommunication> CreateChannel() override;
    void OnDeviceDetected() override;
    void InitializeCallState() override;
    bool SetTime(bool forced) override;
    bool SetCurrentDate(bool forced) override;
    void HandleHookOffSwitch() override;
    void HandleHookOnSwitch() override;
    bool RunTimedTasks() override;
    const WChar* GetLastDialedNumber() override;
    bool IsSupportedDevice(std::uint16_t vendorId, std::uint16_t productId) const override;
    bool IsSupportedUsagePage(std::uint16_t usagePage) const override;

    const WChar* digits() const { return m_Digits; }
    const WavPlayer* player() const { return m_Player.get(); }

    // The short-date picture of the user's locale without its year; false when there is none.
    static bool GetDateFormatPicture(Platform::WString& picture);

private:
    void selectScreen(int screen);
    void writeField(int field, const WChar* text);
    void showHomeScreen();
    void showDialScreen();
    void setUserName(const WChar* name, bool local);
    void setUserStatus(const WChar* text, bool local, bool otherPartyInfo);
    void appendDigit(WChar digit);
    void clearDigits();
    void dial();
    bool StoreLastDialedNumber(const WChar* digits);
    void startDialTone();
    void stopDialTone();
    void noteKeyTime();
    bool hasCurrentCall() const;
    std::int32_t currentCallState() const;
    std::int32_t currentCallDirection() const;

    struct ShownDate
    {
        std::uint16_t year = 0;
        std::uint16_t month = 0;
        std::uint16_t day = 0;
    };
    struct ShownTime
    {
        int hour = -1;
        int minute = -1;
    };

    std::shared_ptr<Audio::Backend> m_AudioBackend;
    PolyphoneClock& m_Clock;
    LastDialedNumberFile m_LastDialedNumber;
    std::unique_ptr<WavPlayer> m_Player;
    WChar m_Digits[MaxDigits + 1] = {};
    std::uint8_t m_DigitCount = 0;
    std::uint32_t m_LastKeyTime = 0; // 0: no key since the digits were cleared or dialled
    int m_CurrentScreen = NoScreen;
    std::uint8_t m_CallEndedCountdown = 0;
    Platform::LocalTime m_LastTimedRun;
    ShownDate m_LastShownDate;
    ShownTime m_LastShownTime;
    Platform::WString m_LastDatePicture;
    bool m_PreviousTimeOnCallEnded = false;
};

} // namespace Connector
