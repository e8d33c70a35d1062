// HID report descriptors and reports, as a device that is not what it claims sends them:
// the first two bytes give the descriptor's length, the descriptor follows, and the rest is
// the report. Whatever the bytes, parsing and reading every capability from the report
// stays within the buffers.
#include "HidPlatform/preparsed_data.h"

#include <cstdint>
#include <string>
#include <vector>

using namespace HidPlatform;

namespace {

// The report as the device's report of this type: its length, with the given bytes.
std::vector<uint8_t> reportOf(const PreparsedData& data, ReportType type, const uint8_t* bytes, size_t size)
{
    std::vector<uint8_t> report(data.reportByteLength(type));
    for (size_t i = 0; i < report.size() && i < size; ++i)
        report[i] = bytes[i];
    return report;
}

void readReport(const PreparsedData& data, ReportType type, const uint8_t* bytes, size_t size)
{
    std::vector<uint8_t> report = reportOf(data, type, bytes, size);
    std::vector<ButtonCaps> buttons;
    data.getButtonCaps(type, buttons);
    for (const ButtonCaps& caps : buttons) {
        std::vector<uint16_t> usages;
        data.getUsages(type, caps.usagePage, usages, report.data(), report.size());
        data.setUsage(type, caps.usagePage, caps.usageMin, report.data(), report.size());
        data.unsetUsage(type, caps.usagePage, caps.usageMax, report.data(), report.size());
    }
    std::vector<ValueCaps> values;
    data.getValueCaps(type, values);
    for (const ValueCaps& caps : values) {
        int32_t value = 0;
        data.getScaledUsageValue(type, caps.usagePage, caps.usageMin, value, report.data(), report.size());
        data.setScaledUsageValue(type, caps.usagePage, caps.usageMin, value, report.data(), report.size());
        std::vector<uint8_t> array(64);
        data.getUsageValueArray(type, caps.usagePage, caps.usageMin, array.data(), array.size(), report.data(),
                                report.size());
        data.setUsageValueArray(type, caps.usagePage, caps.usageMin, array.data(), array.size(), report.data(),
                                report.size());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    if (size < 2)
        return 0;
    const size_t descriptorSize = std::min<size_t>(size - 2, size_t(bytes[0]) | size_t(bytes[1]) << 8);
    const std::vector<uint8_t> descriptor(bytes + 2, bytes + 2 + descriptorSize);
    const uint8_t* report = bytes + 2 + descriptorSize;
    const size_t reportSize = size - 2 - descriptorSize;

    std::vector<TopLevelCollection> collections;
    std::string error;
    if (!ReportDescriptor::parse(descriptor, collections, error))
        return 0;
    for (const TopLevelCollection& collection : collections) {
        const PreparsedData data(collection);
        for (const ReportType type : {ReportType::Input, ReportType::Output, ReportType::Feature})
            readReport(data, type, report, reportSize);
    }
    return 0;
}
