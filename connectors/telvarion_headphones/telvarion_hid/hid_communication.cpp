#include "telvarion_hid/hid_communication.h"

#include "telvarion_hid/hid_status.h"

#include "telvarion_headphones/logger.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

namespace Connector {

namespace {

using HidPlatform::ReportType;
namespace Error = HidPlatform::Error;

struct HandledButton
{
    int index;
    void (IController::*handler)(bool);
};

// The input buttons a channel decodes, in the order it decodes them.
const HandledButton HandledButtons[] = {
    {UsageManager::HookSwitch, &IController::HandleHookSwitch},
    {UsageManager::Flash, &IController::HandleHoldSwitch},
    {UsageManager::Redial, &IController::HandleRedial},
    {UsageManager::SpeedDial, nullptr},
    {UsageManager::PhoneMute, &IController::HandleMuteSwitch},
    {UsageManager::VoiceMail, &IController::HandleVoiceMail},
    {UsageManager::ProgrammableButton, &IController::HandleProgButton},
    {UsageManager::VolumeUp, &IController::HandleVolumeUp},
    {UsageManager::VolumeDown, &IController::HandleVolumeDown},
};

const char* typeWord(ReportType type)
{
    switch (type) {
    case ReportType::Input: return "input";
    case ReportType::Output: return "output";
    default: return "feature";
    }
}

const char* typeTitle(ReportType type)
{
    switch (type) {
    case ReportType::Input: return "Input";
    case ReportType::Output: return "Output";
    default: return "Feature";
    }
}

const char* yesNo(bool value)
{
    return value ? "true" : "false";
}

bool contains(const std::vector<std::uint16_t>& usages, std::uint16_t usage)
{
    return std::find(usages.begin(), usages.end(), usage) != usages.end();
}

} // namespace

HidCommunication::HidCommunication(IController& owner, HidPlatform::Backend& backend)
    : m_Owner(owner), m_Backend(backend)
{
}

HidCommunication::~HidCommunication()
{
    // Close() is virtual; a derived channel has already gone, so this closes what is ours.
    HidCommunication::Close();
}

bool HidCommunication::PrepareForOverlappedTransfer(const std::string& path)
{
    std::uint32_t error = Error::None;
    m_ReadHandle = m_Backend.open(path, error);
    if (!m_ReadHandle) {
        if (error != Error::AccessDenied)
            Logger::instance().error(CategoryHidChannel,
                                     "Hid, Connector::HidCommunication::PrepareForOverlappedTransfer, Failed to open HID "
                                     "device for overlapped communication. Error %d (%s)",
                                     int(error), HidPlatform::errorText(error));
        return false;
    }
    Logger::instance().debug(CategoryHidChannel, "Hid, Connector::HidCommunication::PrepareForOverlappedTransfer, "
                                                 "Preparing overlapped data transfer succeeded.");
    return true;
}

bool HidCommunication::Initialize(std::unique_ptr<HidPlatform::Device> writeHandle,
                                  std::shared_ptr<const HidPlatform::PreparsedData> preparsedData,
                                  const HidPlatform::Capabilities& capabilities,
                                  const HidPlatform::Attributes& attributes, const std::string& path,
                                  const std::string& name)
{
    Logger& log = Logger::instance();
    if (!writeHandle || !preparsedData || !PrepareForOverlappedTransfer(path))
        return false;
    log.information(CategoryHidChannel, "Hid, Connector::HidCommunication::Initialize, usage page: 0x%04x",
                    capabilities.usagePage);

    const std::pair<ReportType, std::uint16_t> lengths[] = {{ReportType::Output, capabilities.outputReportByteLength},
                                                            {ReportType::Input, capabilities.inputReportByteLength},
                                                            {ReportType::Feature, capabilities.featureReportByteLength}};
    for (const auto& length : lengths)
        if (length.second > MaxReportLength) {
            log.warning(CategoryHidChannel,
                        "Hid, Connector::HidCommunication::Initialize, The byte length of %s reports (%d) of this "
                        "device is larger than our maximum allowed length (%d). Therefore ignoring this device.",
                        typeWord(length.first), int(length.second), int(MaxReportLength));
            m_ReadHandle.reset();
            return false;
        }

    m_WriteQueue.clear();
    m_Controls.clear();
    m_ControlsByReport.clear();
    m_Flags = 0;
    m_WriteHandle = std::move(writeHandle);
    m_PreparsedData = std::move(preparsedData);
    m_Path = path;
    m_Capabilities = capabilities;
    m_Attributes = attributes;

    m_UsageManager = CreateUsageManager();
    BuildControls(ReportType::Input);
    BuildControls(ReportType::Output);
    BuildControls(ReportType::Feature);
    m_IncomingLabel = Label("<--", name);
    m_OutgoingLabel = Label("-->", name);
    ComputeHandledPages();
    return true;
}

std::string HidCommunication::Label(const char* arrow, const std::string& name) const
{
    std::string label = std::string("Connector ") + arrow + " ";
    if (!name.empty()) {
        const std::size_t l = m_Path.find('l');
        const std::size_t from = l == std::string::npos ? m_Path.size() : l + 1;
        const std::size_t to = std::min(m_Path.find('#', from), m_Path.size());
        return label + name + " (" + m_Path.substr(from, to - from) + ")";
    }
    const std::size_t first = m_Path.find('#');
    if (first == std::string::npos)
        return label;
    const std::size_t second = std::min(m_Path.find('#', first + 1), m_Path.size());
    return label + m_Path.substr(first + 1, second - first - 1);
}

void HidCommunication::BuildControls(ReportType type)
{
    Logger& log = Logger::instance();
    const std::uint16_t length = m_PreparsedData->reportByteLength(type);

    std::vector<HidPlatform::ButtonCaps> buttons;
    if (m_PreparsedData->getButtonCaps(type, buttons) != HidPlatform::Status::Success)
        log.error(CategoryHidData, "Cannot enumerate buttons. Preparsed data must be invalid.");
    log.tick(CategoryHidData, "%s button capabilities: %u piece(s) (%s report length: %u bytes)", typeTitle(type),
             unsigned(buttons.size()), typeWord(type), unsigned(length));
    for (const HidPlatform::ButtonCaps& caps : buttons)
        for (std::uint32_t usage = caps.usageMin; usage <= caps.usageMax; ++usage) {
            const UsageDescriptor descriptor{type, std::uint16_t(usage), caps.usagePage,
                                             m_UsageManager->findName(type, std::uint16_t(usage), caps.usagePage)};
            auto control = std::make_unique<HidButton>(m_PreparsedData, length, descriptor, caps.reportId,
                                                       caps.isAbsolute, caps.isAlias);
            control->logDescription();
            m_ControlsByReport[{type, caps.reportId}].push_back(control.get());
            m_Controls.push_back(std::move(control));
        }
    log.tick(CategoryHidData, "End of %s button capabilities", typeWord(type));

    std::vector<HidPlatform::ValueCaps> values;
    if (m_PreparsedData->getValueCaps(type, values) != HidPlatform::Status::Success)
        log.error(CategoryHidData, "Cannot enumerate values. Preparsed data must be invalid.");
    log.tick(CategoryHidData, "%s value capabilities: %u piece(s) (%s report length: %u bytes)", typeTitle(type),
             unsigned(values.size()), typeWord(type), unsigned(length));
    for (const HidPlatform::ValueCaps& caps : values)
        for (std::uint32_t usage = caps.usageMin; usage <= caps.usageMax; ++usage) {
            const UsageDescriptor descriptor{type, std::uint16_t(usage), caps.usagePage,
                                             m_UsageManager->findName(type, std::uint16_t(usage), caps.usagePage)};
            auto control = std::make_unique<HidValue>(m_PreparsedData, length, descriptor, caps.reportId,
                                                      caps.isAbsolute, caps.isAlias, caps.bitSize, caps.reportCount);
            control->logDescription();
            m_ControlsByReport[{type, caps.reportId}].push_back(control.get());
            m_Controls.push_back(std::move(control));
        }
    log.tick(CategoryHidData, "End of %s value capabilities", typeWord(type));
}

// Per channel, not per process: two channels of one phone may use different usage tables.
void HidCommunication::ComputeHandledPages()
{
    m_HandledPages.clear();
    for (const HandledButton& button : HandledButtons) {
        const std::uint16_t page = m_UsageManager->getUsage(button.index).usagePage;
        if (!contains(m_HandledPages, page))
            m_HandledPages.push_back(page);
    }
    std::sort(m_HandledPages.begin(), m_HandledPages.end());
}

std::unique_ptr<UsageManager> HidCommunication::CreateUsageManager() const
{
    return std::make_unique<UsageManager>();
}

void HidCommunication::Close()
{
    m_ReadHandle.reset();
    m_WriteHandle.reset();
    m_PreparsedData.reset();
    m_Path.clear();
    m_ControlsByReport.clear();
    m_Controls.clear();
    m_UsageManager.reset();
    m_WriteQueue.clear();
    m_Flags = 0;
}

template <typename Control>
Control* HidCommunication::findControl(ReportType type, int index) const
{
    if (!m_UsageManager)
        return nullptr;
    const UsageDescriptor& wanted = m_UsageManager->getUsage(index);
    if (wanted.reportType != type)
        return nullptr;
    for (const auto& control : m_Controls)
        if (control->usage() == wanted)
            if (auto* found = dynamic_cast<Control*>(control.get()))
                return found;
    return nullptr;
}

HidButton* HidCommunication::findButton(ReportType type, int index) const
{
    return findControl<HidButton>(type, index);
}

HidValue* HidCommunication::findValue(ReportType type, int index) const
{
    return findControl<HidValue>(type, index);
}

void HidCommunication::Dump(int level, std::uint32_t category, const char* label, const std::uint8_t* data,
                            std::size_t length) const
{
    Logger& log = Logger::instance();
    if (!log.passes(level, category))
        return;
    const bool cut = length > MaxReportLength;
    std::string text;
    char hex[8];
    for (std::size_t i = 0; i < length && i < MaxReportLength; ++i) {
        std::snprintf(hex, sizeof hex, "0x%02x ", data[i]);
        text += hex;
    }
    log.write(level, category, "Hid, %s%s: %s", label, cut ? " (data may not be absolutely correct)" : "",
              text.c_str());
}

std::size_t HidCommunication::ReadReport()
{
    Logger& log = Logger::instance();
    const std::size_t length = m_Capabilities.inputReportByteLength;
    if (length == 0 || !m_ReadHandle)
        return 0;
    if (m_Flags & ReadPending) {
        const HidPlatform::IoResult result = m_ReadHandle->pollRead();
        if (result.error == Error::IoIncomplete)
            return 0;
        m_Flags &= std::uint8_t(~ReadPending);
        if (result.error == Error::None)
            return result.bytes;
        log.warning(CategoryHidChannel, "Hid, Connector::HidCommunication::ReadReport, Failed to get overlapped result "
                                        "of a read report operation. Error %d (%s)",
                    int(result.error), HidPlatform::errorText(result.error));
        m_ReadFailed = true;
        if (result.error == Error::DeviceNotConnected)
            m_Owner.DeviceLost();
        return 0;
    }

    m_InputBuffer.fill(0);
    const HidPlatform::IoResult result = m_ReadHandle->startRead(m_InputBuffer.data(), length);
    if (result.error == Error::None)
        return result.bytes;
    if (result.error == Error::IoPending) {
        m_Flags |= ReadPending;
        return 0;
    }
    m_ReadFailed = true;
    if (result.error == Error::DeviceNotConnected) {
        m_Owner.DeviceLost();
        return 0;
    }
    log.warning(CategoryHidChannel,
                "Hid, Connector::HidCommunication::ReadReport, Failed to read report from the device. Error %d (%s)",
                int(result.error), HidPlatform::errorText(result.error));
    log.warning(CategoryHidChannel, "Hid, Connector::HidCommunication::ReadReport, Number of bytes read: %u",
                unsigned(result.bytes));
    Dump(LogWarn, CategoryHidChannel, "Current contents of the input buffer:", m_InputBuffer.data(), length);
    return result.bytes == length ? result.bytes : 0;
}

bool HidCommunication::ProcessInput()
{
    m_ReadFailed = false;
    while (const std::size_t length = ReadReport())
        DecodeInputReport(m_InputBuffer.data(), length);
    return !m_ReadFailed;
}

void HidCommunication::GetButtonReport(std::uint16_t usagePage, const std::uint8_t* report, std::size_t length,
                                       std::vector<std::uint16_t>& usages, bool& ok) const
{
    usages.clear();
    ok = false;
    // No button of this page on this interface: nothing to decode, not a fault.
    if (m_PreparsedData->maxUsageListLength(ReportType::Input, usagePage) == 0)
        return;
    const std::uint32_t status = m_PreparsedData->getUsages(ReportType::Input, usagePage, usages, report, length);
    if (status == HidPlatform::Status::IncompatibleReportId) {
        // The page lives in another report of this interface; this report says nothing of it.
        HidStatus::log(LogDebug, "Connector::HidCommunication::GetButtonReport", status, 0, usagePage);
        return;
    }
    if (status != HidPlatform::Status::Success) {
        HidStatus::log(LogWarn, "Connector::HidCommunication::GetButtonReport", status, 0, usagePage);
        return;
    }
    ok = true;
}

void HidCommunication::LogTelephonyInput(const std::vector<std::uint16_t>& usages) const
{
    auto pressed = [&](int index) { return yesNo(contains(usages, m_UsageManager->getUsage(index).usage)); };
    Logger::instance().debug(CategoryHidReports,
                             "Hid, Input: hook: %s, flash: %s, redial: %s, speed: %s, mute: %s, prog: %s, line: %s, "
                             "speaker phone: %s, line busy tone: %s",
                             pressed(UsageManager::HookSwitch), pressed(UsageManager::Flash),
                             pressed(UsageManager::Redial), pressed(UsageManager::SpeedDial),
                             pressed(UsageManager::PhoneMute), pressed(UsageManager::ProgrammableButton),
                             pressed(UsageManager::Line), pressed(UsageManager::SpeakerPhone),
                             pressed(UsageManager::LineBusyTone));
}

void HidCommunication::DecodeInputReport(const std::uint8_t* report, std::size_t length)
{
    Dump(LogDebug, CategoryHidReports, m_IncomingLabel.c_str(), report, length);
    if (m_PreparsedData->maxUsageListLength(ReportType::Input, 0) == 0) {
        // An interface with value inputs only sends such reports all the time: not a warning.
        Logger::instance().debug(CategoryHidChannel,
                                 "Hid, Connector::HidCommunication::GetButtonReport, Failed to get maximum usage list "
                                 "length. Either the preparsed data or report type is probably invalid.");
        return;
    }
    const std::uint16_t telephonyPage = m_UsageManager->getUsage(UsageManager::HookSwitch).usagePage;
    std::vector<std::uint16_t> usages;
    for (const std::uint16_t page : m_HandledPages) {
        bool ok = false;
        GetButtonReport(page, report, length, usages, ok);
        if (!ok)
            continue; // a page this report does not carry keeps its buttons as they are
        if (page == telephonyPage) {
            LogTelephonyInput(usages);
        } else {
            Logger& log = Logger::instance();
            log.debug(CategoryHidReports, "Hid, Incoming data contains the following button usages on usage page 0x%02x:",
                      page);
            for (const std::uint16_t usage : usages) {
                const char* name = m_UsageManager->findName(ReportType::Input, usage, page);
                log.debug(CategoryHidReports, "Hid, 0x%04x=%s", usage, name ? name : "");
            }
            log.debug(CategoryHidReports, "Hid, End of incoming button usages on usage page 0x%02x", page);
        }
        DecodePage(page, usages);
    }
}

void HidCommunication::DecodePage(std::uint16_t usagePage, const std::vector<std::uint16_t>& usages)
{
    for (const HandledButton& handled : HandledButtons) {
        if (m_UsageManager->getUsage(handled.index).usagePage != usagePage)
            continue;
        HidButton* button = findButton(ReportType::Input, handled.index);
        if (!button)
            continue;
        button->setState(contains(usages, button->usage().usage));
        if (!button->isChanged())
            continue;
        const bool value = button->getValue();
        if (handled.handler)
            (m_Owner.*handled.handler)(value);
    }

    // The keypad lives on the keys' own page only; other pages reuse the same numbers for
    // other controls. A key counts once, when it goes down.
    if (m_UsageManager->getUsage(UsageManager::FirstKey).usagePage != usagePage)
        return;
    const bool speedDial = contains(usages, m_UsageManager->getUsage(UsageManager::SpeedDial).usage);
    for (int index = UsageManager::FirstKey; index <= UsageManager::LastKey; ++index) {
        HidButton* key = findButton(ReportType::Input, index);
        if (key && key->setState(contains(usages, key->usage().usage)))
            m_Owner.HandleDeviceKeyPress(std::uint8_t(index - UsageManager::FirstKey), speedDial);
    }
}

bool HidCommunication::BuildReport(const HidControl& control, Report& report) const
{
    report.fill(0);
    const auto entry = m_ControlsByReport.find({control.usage().reportType, control.reportId()});
    if (entry == m_ControlsByReport.end())
        return false;
    for (const HidControl* member : entry->second)
        if (!member->writeIntoReport(report.data()))
            return false;
    return true;
}

bool HidCommunication::SendReport(const HidControl& control)
{
    Report report;
    if (!BuildReport(control, report))
        return false;
    return control.usage().reportType == ReportType::Feature ? WriteFeature(report) : QueueReport(report);
}

bool HidCommunication::SendIndicator(int outputIndex, bool on, int syncIndex, const char* operation,
                                     const char* flagName)
{
    HidButton* indicator = findButton(ReportType::Output, outputIndex);
    if (!indicator)
        return false;
    Logger::instance().debug(CategoryHidChannel, "Hid, Connector::HidCommunication::%s, Sending %s with %s=%d",
                             operation, indicator->usage().name ? indicator->usage().name : "", flagName, int(on));
    indicator->setValue(on);
    if (!SendReport(*indicator))
        return false;
    if (syncIndex >= 0)
        if (HidButton* input = findButton(ReportType::Input, syncIndex))
            input->setValue(on);
    return true;
}

bool HidCommunication::SetHookState(bool offHook)
{
    Logger::instance().debug(CategoryHidChannel, "Hid, Connector::HidCommunication::SetHookState, hook off: %s",
                             yesNo(offHook));
    return SendIndicator(UsageManager::OffHookLed, offHook, UsageManager::HookSwitch, "SetHookState", "bHookOff");
}

bool HidCommunication::SetHoldState(bool on)
{
    return SendIndicator(UsageManager::HoldLed, on, UsageManager::Flash, "SetHoldState", "bHold");
}

bool HidCommunication::SetMuteState(bool on)
{
    const int indicator = findButton(ReportType::Output, UsageManager::MicrophoneLed) ? UsageManager::MicrophoneLed
                                                                                       : UsageManager::MuteLed;
    return SendIndicator(indicator, on, UsageManager::PhoneMute, "SetMuteState", "bMute");
}

bool HidCommunication::SetRinging(bool on)
{
    const int indicator = findButton(ReportType::Output, UsageManager::Ringer) ? UsageManager::Ringer
                                                                                : UsageManager::RingLed;
    return SendIndicator(indicator, on, -1, "SetRinging", "bRinging");
}

bool HidCommunication::SetVoiceMailState(bool)
{
    return true;
}

bool HidCommunication::InitializeDeviceDisplay(std::uint16_t)
{
    HidButton* online = findButton(ReportType::Output, UsageManager::OnlineLed);
    if (!online)
        return true;
    Logger::instance().debug(CategoryHidChannel,
                             "Hid, Connector::HidCommunication::InitializeDeviceDisplay, Sending %s with true",
                             online->usage().name ? online->usage().name : "");
    online->setValue(true);
    return SendReport(*online);
}

bool HidCommunication::QueueReport(const Report& report)
{
    if (!m_WriteHandle)
        return false;
    Dump(LogTick, CategoryHidData, "Queuing data to be written", report.data(), m_Capabilities.outputReportByteLength);
    m_WriteQueue.push_back(report);
    return DoWrites();
}

bool HidCommunication::PerformQueuedWrites()
{
    return DoWrites();
}

bool HidCommunication::DoWrites()
{
    if (!m_WriteHandle)
        return false;
    bool result = true;
    if (!(m_Flags & WritePending) && !m_WriteQueue.empty()) {
        m_WriteBuffer = m_WriteQueue.front();
        m_WriteQueue.pop_front();
        const std::size_t length = m_Capabilities.outputReportByteLength;
        Dump(LogDebug, CategoryHidReports, m_OutgoingLabel.c_str(), m_WriteBuffer.data(), length);
        const HidPlatform::IoResult started = m_WriteHandle->startWrite(m_WriteBuffer.data(), length);
        if (started.error == Error::None || started.error == Error::IoPending) {
            m_Flags |= WritePending;
        } else {
            Logger::instance().error(CategoryHidChannel,
                                     "Hid, Connector::HidCommunication::DoWrites, Failed to write data to the HID "
                                     "device. Error %d (%s)",
                                     int(started.error), HidPlatform::errorText(started.error));
            m_WriteBuffer.fill(0);
            m_Owner.DeviceLost();
            result = false;
        }
    }
    // A write may take a moment; wait a little for it, never long.
    for (int attempt = 0; attempt < 10 && (m_Flags & WritePending); ++attempt)
        if (!HandlePendingWriteOperation() && (m_Flags & WritePending))
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return result;
}

bool HidCommunication::HandlePendingWriteOperation()
{
    Logger& log = Logger::instance();
    const HidPlatform::IoResult result = m_WriteHandle->pollWrite();
    if (result.error == Error::IoIncomplete)
        return false;
    m_Flags &= std::uint8_t(~WritePending);
    if (result.error == Error::None) {
        log.tick(CategoryHidChannel, "Hid, Connector::HidCommunication::HandlePendingWriteOperation: Number of bytes "
                                     "written: %d",
                 int(result.bytes));
        Dump(LogTick, CategoryHidData, "Written data", m_WriteBuffer.data(), result.bytes);
        m_WriteBuffer.fill(0);
        return true;
    }
    log.error(CategoryHidChannel, "Hid, Connector::HidCommunication::HandlePendingWriteOperation, Failed to get "
                                  "overlapped result of a write report operation. Error %d (%s)",
              int(result.error), HidPlatform::errorText(result.error));
    m_WriteBuffer.fill(0);
    return false;
}

bool HidCommunication::WriteFeature(const Report& report)
{
    if (!m_WriteHandle)
        return false;
    const std::uint32_t error = m_WriteHandle->setFeature(report.data(), m_Capabilities.featureReportByteLength);
    if (error != Error::None) {
        Logger::instance().error(CategoryHidChannel,
                                 "Hid, Connector::HidCommunication::WriteFeature, Failed to set HID device feature.");
        return false;
    }
    return true;
}

} // namespace Connector
