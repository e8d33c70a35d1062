#include "telvarion_hid/hid_status.h"

#include "telvarion_headphones/logger.h"

#include "HidPlatform/hid_types.h"

namespace Connector {

const char* HidStatus::text(std::uint32_t status)
{
    namespace S = HidPlatform::Status;
    switch (status) {
    case S::Null:
        return "The specified physical value is out-of-range, the usage has a null value, and the routine set the "
               "null value.";
    case S::InvalidPreparsedData: return "The preparsed data is not valid.";
    case S::InvalidReportType: return "The specified report type is not valid.";
    case S::InvalidReportLength: return "The report length is not valid.";
    case S::UsageNotFound: return "The usage does not exist in any report of the specified report type.";
    case S::ValueOutOfRange: return "The specified physical value is out-of-range and the usage does not have null value.";
    case S::BadLogPhyValues: return "The usage has an illegal logical or physical range that prevents scaling.";
    case S::BufferTooSmall: return "A usage in a button array cannot be set because the array is already fully set.";
    case S::InternalError: return "HIDP_STATUS_INTERNAL_ERROR";
    case S::I8042TransUnknown: return "HIDP_STATUS_I8242_TRANS_UNKNOWN";
    case S::IncompatibleReportId:
        return "The usage does not exist in the specified report, but it does exist in a different report of the "
               "specified type.";
    case S::NotValueArray: return "The specified usage is not a usage value array.";
    case S::IsValueArray: return "HIDP_STATUS_IS_VALUE_ARRAY";
    case S::DataIndexNotFound: return "HIDP_STATUS_DATA_INDEX_NOT_FOUND";
    case S::DataIndexOutOfRange: return "HIDP_STATUS_DATA_INDEX_OUT_OF_RANGE";
    case S::ReportDoesNotExist: return "There are no reports of the specified type.";
    case S::NotImplemented:
        return "The report size of data fields specified for the usage value array is not a multiple of eight bits.";
    default: return nullptr;
    }
}

void HidStatus::log(int level, const char* operation, std::uint32_t status, std::uint16_t usage,
                    std::uint16_t usagePage)
{
    if (status == HidPlatform::Status::Success || status == HidPlatform::Status::ButtonNotPressed)
        return;
    if (const char* known = text(status))
        Logger::instance().write(level, CategoryHidChannel,
                                 "Hid, %s, HID error 0x%08x (%s) (usage 0x%04x, page 0x%04x).", operation, status,
                                 known, usage, usagePage);
    else
        Logger::instance().write(level, CategoryHidChannel, "Hid, %s, HID error 0x%08x (usage 0x%04x, page 0x%04x).",
                                 operation, status, usage, usagePage);
}

} // namespace Connector
