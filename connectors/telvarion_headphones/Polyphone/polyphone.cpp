#include "Polyphone/polyphone.h"

#include "Polyphone/date_picture.h"
#include "Polyphone/polyphone_communication.h"
#include "Polyphone/polyphone_time_text.h"
#include "Polyphone/sound_resource.h"
#include "Polyphone/supported_phones.h"
#include "Polyphone/user_locale.h"
#include "Polyphone/wav_player_ex.h"
#include "telvarion_headphones/api_communications.h"
#include "telvarion_headphones/logger.h"

#include "Platform/system_error.h"

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <vector>

namespace Connector {

namespace {

constexpr const char* ConnectorUuid = "5D2E7A91-3B4C-4F6E-9A1D-C07B28E4F3A5";
constexpr const char* ConnectorVersion = "1.0.0";
constexpr const char* KeyCharacters = "0123456789*#A";
constexpr const char* KeyLogNames[] = {"Phone Key 0", "Phone Key 1", "Phone Key 2", "Phone Key 3", "Phone Key 4",
                                       "Phone Key 5", "Phone Key 6", "Phone Key 7", "Phone Key 8", "Phone Key 9",
                                       "Phone Key *", "Phone Key #", "Phone Key A"};
constexpr std::uint8_t KeyCount = 13;
constexpr std::size_t DateCapacity = 15;
constexpr std::size_t DatePictureCapacity = 24;

enum StringId : unsigned
{
    CallingText = 112,
    IncomingCallText = 113,
    CallFromText = 114,
    InCallText = 115,
    OnHoldText = 116,
    HeldByPeerText = 117,
    CallEndedText = 118,
    TimePicture = 119,
    EnterNumberText = 120,
    ConnectorNameText = 121,
    VendorText = 122,
    DescriptionText = 123,
};

Logger& log()
{
    return Logger::instance();
}

const WChar* text(unsigned id)
{
    return ApiCommunications::getString(id);
}

const WChar* orEmpty(const WChar* text)
{
    return text != nullptr ? text : u"";
}

bool isEmpty(const WChar* text)
{
    return text == nullptr || text[0] == 0;
}

const char* pressedText(bool pressed)
{
    return pressed ? "pressed" : "released";
}

} // namespace

Polyphone::Polyphone(HidPlatform::Backend& hidBackend, std::shared_ptr<Audio::Backend> audioBackend,
                     PolyphoneClock& clock, const std::string& lastDialPath)
    : Hid(hidBackend)
    , m_AudioBackend(std::move(audioBackend))
    , m_Clock(clock)
    , m_LastDialedNumber(lastDialPath)
{
}

Polyphone::~Polyphone() = default;

bool Polyphone::Initialize(ApiCommunications* owner)
{
    log().information(CategoryPhone, "Polyphone, Connector::Polyphone::Initialize, Connector name: %ws, version: 1.0.0, vendor: %ws",
                      orEmpty(text(ConnectorNameText)), orEmpty(text(VendorText)));
    if (!Hid::Initialize(owner))
        return false;
    if (!m_AudioBackend) {
        std::vector<Audio::UsbId> phones;
        for (const SupportedPhone& phone : SupportedPhones)
            phones.push_back({phone.vendorId, phone.productId});
        m_AudioBackend = Audio::createSystemBackend(phones);
    }
    m_Player = std::make_unique<WavPlayerEx>(m_AudioBackend);
    return true;
}

void Polyphone::Uninitialize()
{
    Hid::Uninitialize();
    m_Player.reset();
}

const char* Polyphone::GetLogFileName() const
{
    return "TelvarionPolyphoneLog.txt";
}

std::uint32_t Polyphone::GetEventMask() const
{
    return 15;
}

bool Polyphone::GetConnectionInfo(TelvarionApi::ConnectionInfo& info)
{
    info.setUuid(ConnectorUuid);
    info.setVersion(ConnectorVersion);
    const struct
    {
        const char* property;
        unsigned id;
    } properties[] = {{"name", ConnectorNameText}, {"vendor", VendorText}, {"description", DescriptionText}};
    for (const auto& property : properties)
        if (const WChar* value = text(property.id))
            info.setProperty(property.property, "en", Platform::wideToUtf8(value));
    return true;
}

bool Polyphone::IsSupportedDevice(std::uint16_t vendorId, std::uint16_t productId) const
{
    return std::any_of(std::begin(SupportedPhones), std::end(SupportedPhones), [&](const SupportedPhone& phone) {
        return phone.vendorId == vendorId && phone.productId == productId;
    });
}

bool Polyphone::IsSupportedUsagePage(std::uint16_t usagePage) const
{
    return usagePage == 0x000B || usagePage == 0xFF0B || usagePage == 0xFF99 || usagePage == 0xFFA9;
}

std::unique_ptr<HidCommunication> Polyphone::CreateChannel()
{
    return std::make_unique<PolyphoneCommunication>(*this, backend());
}

bool Polyphone::hasCurrentCall() const
{
    return link() != nullptr && link()->GetCurrentCallContactId() != 0;
}

std::int32_t Polyphone::currentCallState() const
{
    return link() != nullptr ? link()->GetCurrentCallState() : TelvarionApi::CallClosed;
}

std::int32_t Polyphone::currentCallDirection() const
{
    return link() != nullptr ? link()->GetCurrentCallDirection() : TelvarionApi::CallIncoming;
}

// Display ----------------------------------------------------------------------------------

void Polyphone::selectScreen(int screen)
{
    if (screen != NoScreen)
        m_CurrentScreen = screen;
    for (const auto& channel : channels())
        if (auto* phone = dynamic_cast<PolyphoneCommunication*>(channel.get()))
            phone->SelectScreen(screen);
}

void Polyphone::writeField(int field, const WChar* text)
{
    for (const auto& channel : channels())
        if (auto* phone = dynamic_cast<PolyphoneCommunication*>(channel.get()))
            phone->writeDisplayText(field, text);
}

void Polyphone::showHomeScreen()
{
    selectScreen(HomeScreen);
    setUserName(link() != nullptr ? link()->GetLocalUserName() : u"", true);
    setUserStatus(link() != nullptr ? link()->GetLocalPresenceText() : u"", true, false);
    SetCurrentDate(false);
    SetTime(false);
    selectScreen(NoScreen);
}

void Polyphone::showDialScreen()
{
    selectScreen(DialScreen);
    setUserStatus(text(EnterNumberText), false, false);
    writeField(Number, m_Digits);
    selectScreen(NoScreen);
}

void Polyphone::setUserName(const WChar* name, bool local)
{
    if (!local && currentCallDirection() == TelvarionApi::CallIncoming && currentCallState() == TelvarionApi::CallRinging)
        setUserStatus(text(CallFromText), false, false);
    log().information(CategoryPhone, "Polyphone, Connector::Polyphone::SetUserName, %ws, isLocal %d", orEmpty(name), local ? 1 : 0);
    writeField(local ? LocalUserName : OtherPartyName, name);
    if (m_CurrentScreen == HomeScreen) {
        SetCurrentDate(true);
        SetTime(true);
    }
}

void Polyphone::setUserStatus(const WChar* text, bool local, bool otherPartyInfo)
{
    if (otherPartyInfo) {
        log().information(CategoryPhone, "Polyphone, Connector::Polyphone::SetUserStatus OTHER_PARTY_INFO, %ws", orEmpty(text));
        writeField(OtherPartyInfo, text);
    } else if (local) {
        log().information(CategoryPhone, "Polyphone, Connector::Polyphone::SetUserStatus LOCAL_USER_INFO, %ws", orEmpty(text));
        writeField(LocalUserInfo, text);
    } else {
        log().information(CategoryPhone, "Polyphone, Connector::Polyphone::SetUserStatus CALL_STATUS, %ws", orEmpty(text));
        writeField(CallStatus, text);
    }
}

bool Polyphone::SetTime(bool forced)
{
    const bool onCallEnded = m_CurrentScreen == CallEndedScreen;
    const bool durationMode = m_CurrentScreen == InCallScreen || (onCallEnded && !m_PreviousTimeOnCallEnded);
    m_PreviousTimeOnCallEnded = onCallEnded;

    const Platform::LocalTime now = m_Clock.localTime();
    if (!durationMode && m_CurrentScreen != HomeScreen)
        return true;
    if (!durationMode && !forced && now.hour == m_LastShownTime.hour && now.minute == m_LastShownTime.minute)
        return true;

    Platform::WString shown;
    bool formatted = false;
    if (durationMode) {
        const Platform::LocalTime start = link() != nullptr ? link()->GetCurrentCallStartTime() : Platform::LocalTime();
        formatted = PolyphoneTimeText::duration(text(TimePicture), secondsBetween(start, now), shown);
    } else {
        formatted = PolyphoneTimeText::format(text(TimePicture), now.hour, now.minute, shown);
    }
    if (!formatted) {
        log().error(CategoryPhone, "Polyphone, Connector::Polyphone::SetTime, the time picture is missing or unusable");
        return false;
    }
    log().information(CategoryPhone, "Polyphone, Connector::Polyphone::SetTime, %ws", shown.c_str());
    writeField(durationMode ? Duration : Time, shown.c_str());
    if (!durationMode) {
        m_LastShownTime.hour = now.hour;
        m_LastShownTime.minute = now.minute;
    }
    return true;
}

bool Polyphone::GetDateFormatPicture(Platform::WString& picture)
{
    Platform::WString localePicture;
    int error = 0;
    if (!UserLocale::shortDatePicture(localePicture, error)) {
        log().error(CategoryPhone,
                    "Polyphone, Connector::Polyphone::GetDateFormatPicture, Failed to retrieve the localized date format from "
                    "the operating system. Error %d (%s)",
                    error, Platform::systemErrorText(error).c_str());
        return false;
    }
    picture = DatePicture::withoutYear(localePicture.substr(0, DatePictureCapacity));
    return true;
}

bool Polyphone::SetCurrentDate(bool forced)
{
    if (m_CurrentScreen != HomeScreen)
        return true;
    Platform::WString picture;
    if (!GetDateFormatPicture(picture))
        return false;
    const Platform::LocalTime today = m_Clock.localTime();
    if (!forced && today.year == m_LastShownDate.year && today.month == m_LastShownDate.month
        && today.day == m_LastShownDate.day && picture == m_LastDatePicture)
        return true;

    m_LastDatePicture = picture;
    Platform::WString date;
    if (!DatePicture::format(picture, today, UserLocale::dateNames(), DateCapacity, date)) {
        log().error(CategoryPhone,
                    "Polyphone, Connector::Polyphone::SetCurrentDate, Failed to format date according to system locale. "
                    "Error %d (%s)",
                    ERANGE, Platform::systemErrorText(ERANGE).c_str());
        return false;
    }
    log().information(CategoryPhone, "Polyphone, Connector::Polyphone::SetCurrentDate, Formatted date: %ws", date.c_str());
    writeField(Date, date.c_str());
    m_LastShownDate = ShownDate{today.year, today.month, today.day};
    return true;
}

// Calls --------------------------------------------------------------------------------------

void Polyphone::OnNewCall(std::int32_t direction, std::int32_t contactId)
{
    CONNECTOR_TRACE(CategoryPhone, "Connector::Polyphone::OnNewCall");
    stopDialTone();
    clearDigits();
    Hid::OnNewCall(direction, contactId);
}

void Polyphone::OnCallRinging(const WChar* name)
{
    CONNECTOR_TRACE(CategoryPhone, "Connector::Polyphone::OnCallRinging");
    Hid::OnCallRinging(name);
    switch (currentCallDirection()) {
    case TelvarionApi::CallOutgoing:
        selectScreen(CallingScreen);
        setUserStatus(text(CallingText), false, false);
        if (!isEmpty(name))
            writeField(OtherPartyName, name);
        break;
    case TelvarionApi::CallIncoming:
        selectScreen(IncomingScreen);
        setUserStatus(text(IncomingCallText), false, false);
        break;
    default:
        log().error(CategoryPhone, "Polyphone, Unknown call direction when in ringing state");
        return;
    }
    selectScreen(NoScreen);
}

void Polyphone::OnCallOpened(const WChar* name)
{
    CONNECTOR_TRACE(CategoryPhone, "Connector::Polyphone::OnCallOpened");
    selectScreen(InCallScreen);
    writeField(OtherPartyName, name);
    if (currentCallState() == TelvarionApi::CallRinging)
        SetTime(true);
    setUserStatus(text(InCallText), false, true);
    selectScreen(NoScreen);
    Hid::OnCallOpened(name);
}

void Polyphone::OnCallHold(const WChar* name)
{
    CONNECTOR_TRACE(CategoryPhone, "Connector::Polyphone::OnCallHold");
    Hid::OnCallHold(name);
    selectScreen(InCallScreen);
    writeField(OtherPartyName, name);
    setUserStatus(text(OnHoldText), false, true);
    selectScreen(NoScreen);
}

void Polyphone::OnCallHoldByPeer(const WChar* name)
{
    CONNECTOR_TRACE(CategoryPhone, "Connector::Polyphone::OnCallHoldByPeer");
    selectScreen(InCallScreen);
    writeField(OtherPartyName, name);
    setUserStatus(text(HeldByPeerText), false, true);
    selectScreen(NoScreen);
}

void Polyphone::OnCallClosed(const WChar* name)
{
    CONNECTOR_TRACE(CategoryPhone, "Connector::Polyphone::OnCallClosed");
    SetMuteState(false);
    const bool lastCall = link() != nullptr && link()->GetCallCount() == 1;
    if (lastCall)
        SetHookState(false);
    if (currentCallState() == TelvarionApi::CallOpen) {
        selectScreen(CallEndedScreen);
        setUserStatus(text(CallEndedText), false, false);
        if (!isEmpty(name))
            writeField(OtherPartyName, name);
        SetTime(true);
        selectScreen(NoScreen);
        m_CallEndedCountdown = CallEndedSeconds;
    } else if (lastCall) {
        showHomeScreen();
    }
    Hid::OnCallClosed(name);
}

void Polyphone::OnActiveCallChanged()
{
    // The call-ended screen stays its seconds; the countdown shows the new state after.
    if (m_CallEndedCountdown > 0)
        return;
    CONNECTOR_TRACE(CategoryPhone, "Connector::Hid::OnActiveCallChanged");
    InitializeCallState();
}

void Polyphone::InitializeCallState()
{
    const std::int32_t state = currentCallState();
    log().information(CategoryPhone, "Polyphone, Connector::Polyphone::InitializeCallState, call state: %d", state);
    Hid::InitializeCallState();
    if (state < TelvarionApi::CallRinging || state > TelvarionApi::CallOnHoldByPeer)
        showHomeScreen();
    if (state == TelvarionApi::CallOpen)
        SetTime(true);
}

void Polyphone::OnContactPresence(const WChar* presenceText, bool isLocalUser, std::uint32_t)
{
    if (isLocalUser)
        setUserStatus(presenceText, true, false);
}

void Polyphone::OnContactProperties(const WChar* name, std::int32_t contactId)
{
    if (contactId == 0 || (link() != nullptr && contactId == link()->GetCurrentCallContactId()))
        setUserName(name, contactId == 0);
}

void Polyphone::OnDeviceDetected()
{
    Hid::OnDeviceDetected();
    m_LastTimedRun = m_Clock.localTime();
}

void Polyphone::OnExit()
{
    CONNECTOR_TRACE(CategoryPhone, "Connector::Polyphone::OnExit");
    for (int field = LocalUserName; field <= OtherPartyNumber; ++field)
        writeField(field, u"");
    Hid::OnExit();
}

// Keys and handset -------------------------------------------------------------------------

void Polyphone::noteKeyTime()
{
    const std::uint32_t now = m_Clock.tickCount();
    m_LastKeyTime = now != 0 ? now : 1; // 0 means no key
}

void Polyphone::clearDigits()
{
    m_Digits[0] = 0;
    m_DigitCount = 0;
    m_LastKeyTime = 0;
}

void Polyphone::appendDigit(WChar digit)
{
    stopDialTone();
    if (m_DigitCount >= MaxDigits)
        return;
    m_Digits[m_DigitCount++] = digit;
    m_Digits[m_DigitCount] = 0;
    showDialScreen();
}

void Polyphone::dial()
{
    StoreLastDialedNumber(m_Digits);
    if (link() != nullptr)
        link()->MakeCall(m_Digits);
    // A number is dialled once: only a further key may start the hot-dial wait again.
    m_LastKeyTime = 0;
}

void Polyphone::HandleDeviceKeyPress(std::uint8_t keyIndex, bool speedDial)
{
    if (keyIndex >= KeyCount) {
        log().error(CategoryPhone, "Polyphone, Connector::Polyphone::HandleDeviceKeyPress, Too large key code: %u",
                    unsigned(keyIndex));
        return;
    }
    log().information(CategoryPhone, "Polyphone, Connector::Polyphone::HandleDeviceKeyPress, %s pressed", KeyLogNames[keyIndex]);
    const char key = KeyCharacters[keyIndex];
    if (!hasCurrentCall()) {
        if (speedDial) {
            if (key == '0') {
                if (m_DigitCount > 0) {
                    m_Digits[m_DigitCount - 1] = u'+';
                    showDialScreen();
                } else {
                    appendDigit(u'+');
                }
            } else if (key == '1' && link() != nullptr) {
                link()->CallToVoiceMail();
            }
        } else if (key == '#' && m_DigitCount > 0) {
            dial();
            return;
        } else {
            appendDigit(static_cast<WChar>(key));
        }
    } else if (currentCallState() == TelvarionApi::CallOpen && link() != nullptr) {
        link()->SendDTMF(key);
    }
    noteKeyTime();
}

void Polyphone::HandleProgButton(bool pressed)
{
    log().information(CategoryPhone, "Polyphone, Connector::Polyphone::HandleProgButton, Prog button %s", pressedText(pressed));
    if (!pressed)
        return;
    Hid::HandleProgButton(pressed);
    if (!hasCurrentCall()) {
        if (m_DigitCount > 0)
            m_Digits[--m_DigitCount] = 0;
        showDialScreen();
        if (m_DigitCount == 0 && !hookOff())
            showHomeScreen();
    }
    noteKeyTime();
}

void Polyphone::HandleHoldSwitch(bool pressed)
{
    log().information(CategoryPhone, "Connector::Polyphone::HandleHoldSwitch: Hold button %s", pressedText(pressed));
    if (!pressed || link() == nullptr)
        return;
    const bool holdWasOff = !holdShown();
    link()->SetHold(holdWasOff);
    if (holdWasOff && link()->GetCallCountInState(TelvarionApi::CallRinging) > 0)
        link()->AnswerCall();
}

void Polyphone::HandleHookOffSwitch()
{
    CONNECTOR_TRACE(CategoryPhone, "Connector::Polyphone::HandleHookOffSwitch");
    const bool hadCall = hasCurrentCall();
    Hid::HandleHookOffSwitch();
    if (hadCall)
        return;
    if (m_DigitCount > 0) {
        log().information(CategoryPhone, "Polyphone, Connector::Polyphone::HandleHookOffSwitch, HookSwitch OFFHOOK, make a call to %ws",
                          m_Digits);
        dial();
    } else {
        showDialScreen();
        startDialTone();
    }
}

void Polyphone::HandleHookOnSwitch()
{
    CONNECTOR_TRACE(CategoryPhone, "Connector::Polyphone::HandleHookOnSwitch");
    stopDialTone();
    const bool hadCall = hasCurrentCall();
    Hid::HandleHookOnSwitch();
    if (hadCall)
        return;
    clearDigits();
    if (m_CurrentScreen != HomeScreen && m_CurrentScreen != CallEndedScreen)
        showHomeScreen();
}

bool Polyphone::RunTimedTasks()
{
    const Platform::LocalTime now = m_Clock.localTime();
    if (now.second == m_LastTimedRun.second)
        return false;

    SetCurrentDate(false);
    SetTime(false);

    if (m_CallEndedCountdown > 0 && --m_CallEndedCountdown == 0)
        InitializeCallState();

    const std::uint32_t elapsed = m_Clock.tickCount() - m_LastKeyTime;
    if (!hasCurrentCall() && m_LastKeyTime != 0 && m_DigitCount > 0 && hookOff() && elapsed > HotDialTimeoutMs) {
        log().information(CategoryPhone,
                          "Polyphone, Connector::Polyphone::RunTimedTasks, Hot dial timeout (%u ms) elapsed, initiating a call "
                          "to %ws",
                          unsigned(HotDialTimeoutMs), m_Digits);
        dial();
        SetHookState(true);
    }
    m_LastTimedRun = now;
    return true;
}

// Last dialled number and dial tone --------------------------------------------------------

bool Polyphone::StoreLastDialedNumber(const WChar* digits)
{
    return m_LastDialedNumber.store(digits);
}

const WChar* Polyphone::GetLastDialedNumber()
{
    return m_LastDialedNumber.load();
}

void Polyphone::startDialTone()
{
    if (m_Player)
        m_Player->StartPlaying(DialToneSound);
}

void Polyphone::stopDialTone()
{
    if (m_Player)
        m_Player->StopPlaying();
}

} // namespace Connector
