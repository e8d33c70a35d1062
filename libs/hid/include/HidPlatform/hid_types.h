#pragma once

#include <cstdint>

namespace HidPlatform {

enum class ReportType : uint8_t { Input = 0, Output = 1, Feature = 2 };

// Report-parsing results keep the class driver's numbering, so logs read the same
// everywhere the connector runs.
namespace Status {
constexpr uint32_t Success = 0x00110000;
constexpr uint32_t Null = 0x80110001;
constexpr uint32_t InvalidPreparsedData = 0xC0110001;
constexpr uint32_t InvalidReportType = 0xC0110002;
constexpr uint32_t InvalidReportLength = 0xC0110003;
constexpr uint32_t UsageNotFound = 0xC0110004;
constexpr uint32_t ValueOutOfRange = 0xC0110005;
constexpr uint32_t BadLogPhyValues = 0xC0110006;
constexpr uint32_t BufferTooSmall = 0xC0110007;
constexpr uint32_t InternalError = 0xC0110008;
constexpr uint32_t I8042TransUnknown = 0xC0110009;
constexpr uint32_t IncompatibleReportId = 0xC011000A;
constexpr uint32_t NotValueArray = 0xC011000B;
constexpr uint32_t IsValueArray = 0xC011000C;
constexpr uint32_t DataIndexNotFound = 0xC011000D;
constexpr uint32_t DataIndexOutOfRange = 0xC011000E;
constexpr uint32_t ButtonNotPressed = 0xC011000F;
constexpr uint32_t ReportDoesNotExist = 0xC0110010;
constexpr uint32_t NotImplemented = 0xC0110020;
} // namespace Status

// System error codes as the connector logs them ("Error %d (%s)").
namespace Error {
constexpr uint32_t None = 0;
constexpr uint32_t FileNotFound = 2;
constexpr uint32_t AccessDenied = 5;
constexpr uint32_t InvalidHandle = 6;
constexpr uint32_t GenFailure = 31;
constexpr uint32_t InvalidParameter = 87;
constexpr uint32_t InsufficientBuffer = 122;
constexpr uint32_t NoMoreItems = 259;
constexpr uint32_t IoIncomplete = 996;
constexpr uint32_t IoPending = 997;
constexpr uint32_t DeviceNotConnected = 1167;
} // namespace Error

const char* errorText(uint32_t error);

struct Attributes {
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t versionNumber = 0;
};

struct Capabilities {
    uint16_t usage = 0;
    uint16_t usagePage = 0;
    uint16_t inputReportByteLength = 0;
    uint16_t outputReportByteLength = 0;
    uint16_t featureReportByteLength = 0;
    uint16_t numberLinkCollectionNodes = 0;
    uint16_t numberInputButtonCaps = 0;
    uint16_t numberInputValueCaps = 0;
    uint16_t numberInputDataIndices = 0;
    uint16_t numberOutputButtonCaps = 0;
    uint16_t numberOutputValueCaps = 0;
    uint16_t numberOutputDataIndices = 0;
    uint16_t numberFeatureButtonCaps = 0;
    uint16_t numberFeatureValueCaps = 0;
    uint16_t numberFeatureDataIndices = 0;
};

// A button or value capability; usageMin == usageMax unless isRange.
struct ButtonCaps {
    uint16_t usagePage = 0;
    uint8_t reportId = 0;
    bool isAlias = false;
    bool isRange = false;
    bool isAbsolute = true;
    uint16_t bitField = 0;
    uint16_t linkCollection = 0;
    uint16_t linkUsage = 0;
    uint16_t linkUsagePage = 0;
    uint16_t reportCount = 0;
    uint16_t usageMin = 0;
    uint16_t usageMax = 0;
    uint16_t dataIndexMin = 0;
    uint16_t dataIndexMax = 0;
};

struct ValueCaps : ButtonCaps {
    bool hasNull = false;
    uint16_t bitSize = 0;
    uint32_t unitsExp = 0;
    uint32_t units = 0;
    int32_t logicalMin = 0;
    int32_t logicalMax = 0;
    int32_t physicalMin = 0;
    int32_t physicalMax = 0;
};

} // namespace HidPlatform
