#pragma once

#include "HidPlatform/report_descriptor.h"

#include <array>

namespace HidPlatform {

// The parsed description of one top-level collection and the report accessors on it.
// Report buffers start with the report-id byte (0 when the device numbers no reports) and
// must be exactly the report byte length of their type. Results are Status codes.
class PreparsedData {
public:
    explicit PreparsedData(TopLevelCollection collection);

    const Capabilities& capabilities() const { return m_Capabilities; }
    const TopLevelCollection& collection() const { return m_Collection; }
    uint16_t reportByteLength(ReportType type) const;
    // Bytes, report-id byte included, that the report with this id really has; 0 when the
    // collection has no such report.
    uint16_t reportSizeOf(ReportType type, uint8_t reportId) const;

    uint32_t getButtonCaps(ReportType type, std::vector<ButtonCaps>& caps) const;
    uint32_t getValueCaps(ReportType type, std::vector<ValueCaps>& caps) const;

    uint32_t maxUsageListLength(ReportType type, uint16_t usagePage) const;
    uint32_t getUsages(ReportType type, uint16_t usagePage, std::vector<uint16_t>& usages, const uint8_t* report,
                       size_t length) const;
    uint32_t setUsage(ReportType type, uint16_t usagePage, uint16_t usage, uint8_t* report, size_t length) const;
    uint32_t unsetUsage(ReportType type, uint16_t usagePage, uint16_t usage, uint8_t* report, size_t length) const;

    uint32_t setScaledUsageValue(ReportType type, uint16_t usagePage, uint16_t usage, int32_t value,
                                 uint8_t* report, size_t length) const;
    uint32_t getScaledUsageValue(ReportType type, uint16_t usagePage, uint16_t usage, int32_t& value,
                                 const uint8_t* report, size_t length) const;
    uint32_t setUsageValueArray(ReportType type, uint16_t usagePage, uint16_t usage, const uint8_t* data,
                                size_t dataLength, uint8_t* report, size_t length) const;
    uint32_t getUsageValueArray(ReportType type, uint16_t usagePage, uint16_t usage, uint8_t* data,
                                size_t dataLength, const uint8_t* report, size_t length) const;

private:
    struct Location {
        const ReportField* field = nullptr;
        long index = -1; // field slot for variables, usage index for arrays
    };

    uint32_t checkReport(ReportType type, size_t length) const;
    // Finds the usage in the report named by report[0]; a zero id on a numbered device
    // takes the first report that has the usage and writes its id.
    uint32_t locate(ReportType type, uint16_t usagePage, uint16_t usage, bool buttons, uint8_t* report,
                    Location& location) const;
    uint32_t locateToWrite(ReportType type, uint16_t usagePage, uint16_t usage, bool buttons, uint8_t* report,
                           size_t length, Location& location) const;
    uint32_t locateToRead(ReportType type, uint16_t usagePage, uint16_t usage, const uint8_t* report, size_t length,
                          Location& location) const;
    // The physical range a scaled value maps onto, with the checks that make scaling possible.
    static uint32_t scaledRange(const Location& location, int64_t& physicalMin, int64_t& physicalMax);
    // The first bit and byte count of a usage value array.
    static uint32_t arraySpan(const Location& location, size_t dataLength, uint32_t& startBit, size_t& bytes);
    void buildCaps();

    TopLevelCollection m_Collection;
    Capabilities m_Capabilities;
    std::array<std::vector<ButtonCaps>, 3> m_ButtonCaps;
    std::array<std::vector<ValueCaps>, 3> m_ValueCaps;
    std::array<std::vector<uint16_t>, 3> m_ReportSizes; // by report id, bytes incl. id byte
};

} // namespace HidPlatform
