#pragma once

#include "telvarion_hid/hid_button.h"
#include "telvarion_hid/hid_value.h"
#include "telvarion_hid/i_controller.h"
#include "telvarion_hid/usage_manager.h"

#include "HidPlatform/backend.h"

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace Connector {

// The report channel of one opened HID interface: its controls, non-blocking input that
// becomes calls on the owner, and output reports sent through a write queue.
class HidCommunication
{
public:
    static constexpr std::size_t MaxReportLength = 64;
    using Report = std::array<std::uint8_t, MaxReportLength>;

    HidCommunication(IController& owner, HidPlatform::Backend& backend);
    virtual ~HidCommunication();
    HidCommunication(const HidCommunication&) = delete;
    HidCommunication& operator=(const HidCommunication&) = delete;

    // Takes over the opened interface; false (and nothing kept) when it cannot be used.
    virtual bool Initialize(std::unique_ptr<HidPlatform::Device> writeHandle,
                            std::shared_ptr<const HidPlatform::PreparsedData> preparsedData,
                            const HidPlatform::Capabilities& capabilities, const HidPlatform::Attributes& attributes,
                            const std::string& path, const std::string& name);
    virtual void Close();
    virtual bool PerformQueuedWrites();
    // Reads and decodes every waiting input report; false when reading failed.
    virtual bool ProcessInput();
    virtual bool SetRinging(bool on);
    virtual bool SetHoldState(bool on);
    virtual bool SetMuteState(bool on);
    virtual bool SetVoiceMailState(bool on);
    virtual bool SetHookState(bool offHook);
    virtual bool InitializeDeviceDisplay(std::uint16_t localeId);

    const HidPlatform::Capabilities& capabilities() const { return m_Capabilities; }
    const HidPlatform::Attributes& attributes() const { return m_Attributes; }
    const std::string& path() const { return m_Path; }
    std::size_t queuedReports() const { return m_WriteQueue.size(); }

    // The first control of this report type and table index, or null.
    HidButton* findButton(HidPlatform::ReportType type, int index) const;
    HidValue* findValue(HidPlatform::ReportType type, int index) const;

protected:
    virtual std::unique_ptr<UsageManager> CreateUsageManager() const;
    virtual bool PrepareForOverlappedTransfer(const std::string& path);
    virtual void DecodeInputReport(const std::uint8_t* report, std::size_t length);
    virtual std::size_t ReadReport();
    virtual bool DoWrites();

    // A zeroed report that carries the current value of every control registered under
    // the control's report type and id.
    bool BuildReport(const HidControl& control, Report& report) const;
    // Builds the control's report and queues it (output) or sends it (feature).
    bool SendReport(const HidControl& control);
    // Sets an output button, sends its report and, on success, puts the input button of
    // syncIndex (when not negative) in step with it.
    bool SendIndicator(int outputIndex, bool on, int syncIndex, const char* operation, const char* flagName);
    bool QueueReport(const Report& report);
    bool WriteFeature(const Report& report);

    void Dump(int level, std::uint32_t category, const char* label, const std::uint8_t* data,
              std::size_t length) const;

private:
    using ControlKey = std::pair<HidPlatform::ReportType, std::uint8_t>;

    template <typename Control>
    Control* findControl(HidPlatform::ReportType type, int index) const;
    void BuildControls(HidPlatform::ReportType type);
    void ComputeHandledPages();
    bool HandlePendingWriteOperation();
    void GetButtonReport(std::uint16_t usagePage, const std::uint8_t* report, std::size_t length,
                         std::vector<std::uint16_t>& usages, bool& ok) const;
    void LogTelephonyInput(const std::vector<std::uint16_t>& usages) const;
    void DecodePage(std::uint16_t usagePage, const std::vector<std::uint16_t>& usages);
    std::string Label(const char* arrow, const std::string& name) const;

    enum Flags : std::uint8_t
    {
        ReadPending = 0x1,
        WritePending = 0x2,
    };

    IController& m_Owner;
    HidPlatform::Backend& m_Backend;
    HidPlatform::Capabilities m_Capabilities;
    HidPlatform::Attributes m_Attributes;
    std::unique_ptr<HidPlatform::Device> m_ReadHandle;
    std::unique_ptr<HidPlatform::Device> m_WriteHandle;
    std::uint8_t m_Flags = 0;
    bool m_ReadFailed = false;
    Report m_InputBuffer{};
    Report m_WriteBuffer{};
    std::deque<Report> m_WriteQueue;
    std::vector<std::unique_ptr<HidControl>> m_Controls; // in capability order
    std::map<ControlKey, std::vector<HidControl*>> m_ControlsByReport;
    std::shared_ptr<const HidPlatform::PreparsedData> m_PreparsedData;
    std::string m_Path;
    std::unique_ptr<UsageManager> m_UsageManager;
    std::vector<std::uint16_t> m_HandledPages;
    std::string m_IncomingLabel;
    std::string m_OutgoingLabel;
};

} // namespace Connector
