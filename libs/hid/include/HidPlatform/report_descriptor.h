#pragma once

#include "HidPlatform/hid_types.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace HidPlatform {

struct UsageRange {
    uint16_t page = 0;
    uint16_t min = 0;
    uint16_t max = 0;
};

// One data main item (Input, Output or Feature) as it lies in its report.
struct ReportField {
    ReportType type = ReportType::Input;
    uint8_t reportId = 0;
    uint32_t bitOffset = 0; // from the first data byte, after the report-id byte
    uint16_t bitSize = 0;
    uint16_t reportCount = 0;
    bool isArray = false;
    bool isAbsolute = true;
    bool hasNull = false;
    int32_t logicalMin = 0;
    int32_t logicalMax = 0;
    int32_t physicalMin = 0;
    int32_t physicalMax = 0;
    uint32_t unitsExp = 0;
    uint32_t units = 0;
    uint16_t linkCollection = 0;
    std::vector<UsageRange> usages;

    bool isButton() const { return isArray || bitSize == 1; }
    size_t usageCount() const;
    // Variable fields past the end of the usage list repeat the last usage.
    bool usageAt(size_t index, uint16_t& page, uint16_t& usage) const;
    long indexOf(uint16_t page, uint16_t usage) const;
};

struct LinkCollectionNode {
    uint16_t usage = 0;
    uint16_t usagePage = 0;
    uint16_t parent = 0;
    uint8_t collectionType = 0;
};

struct ReportLayout {
    ReportType type = ReportType::Input;
    uint8_t reportId = 0;
    uint32_t bitLength = 0; // data bits, padding included
};

struct TopLevelCollection {
    uint16_t usage = 0;
    uint16_t usagePage = 0;
    bool usesReportIds = false;
    std::vector<LinkCollectionNode> links; // index 0 is the collection itself
    std::vector<ReportField> fields;
    std::vector<ReportLayout> reports;
};

// Parses a HID report descriptor into its top-level collections. Malformed input yields
// false and a reason, never a partial result.
class ReportDescriptor {
public:
    static bool parse(const std::vector<uint8_t>& bytes, std::vector<TopLevelCollection>& collections,
                      std::string& error);
};

} // namespace HidPlatform
