#include "HidPlatform/preparsed_data.h"

#include <algorithm>
#include <utility>

namespace HidPlatform {

namespace {

size_t typeIndex(ReportType type) { return size_t(type); }

bool validType(ReportType type) { return typeIndex(type) < 3; }

uint32_t readBits(const uint8_t* data, uint32_t offset, uint32_t size)
{
    uint32_t value = 0;
    for (uint32_t i = 0; i < size && i < 32; ++i) {
        const uint32_t bit = offset + i;
        if (data[bit / 8] & (1u << (bit % 8)))
            value |= 1u << i;
    }
    return value;
}

void writeBits(uint8_t* data, uint32_t offset, uint32_t size, uint32_t value)
{
    for (uint32_t i = 0; i < size && i < 32; ++i) {
        const uint32_t bit = offset + i;
        const uint8_t mask = uint8_t(1u << (bit % 8));
        if (value & (1u << i))
            data[bit / 8] |= mask;
        else
            data[bit / 8] &= uint8_t(~mask);
    }
}

int32_t signExtend(uint32_t raw, uint32_t size)
{
    if (size == 0 || size >= 32)
        return int32_t(raw);
    const uint32_t sign = 1u << (size - 1);
    return int32_t((raw ^ sign) - sign);
}

int64_t fieldValue(const ReportField& field, const uint8_t* data, uint32_t slot)
{
    const uint32_t raw = readBits(data, field.bitOffset + slot * field.bitSize, field.bitSize);
    if (field.logicalMin < 0)
        return signExtend(raw, field.bitSize);
    return raw;
}

uint16_t bitFieldOf(const ReportField& field)
{
    return uint16_t((field.isArray ? 0 : 0x02) | (field.isAbsolute ? 0 : 0x04) | (field.hasNull ? 0x40 : 0));
}

// A value an array slot holds when it names no usage.
uint32_t emptyArrayValue(const ReportField& field)
{
    if (field.logicalMin > 0)
        return 0;
    uint16_t page = 0;
    uint16_t usage = 0;
    if (field.usageAt(0, page, usage) && usage == 0)
        return uint32_t(field.logicalMin);
    return 0;
}

bool arraySlotUsage(const ReportField& field, int64_t value, uint16_t& page, uint16_t& usage)
{
    if (value < field.logicalMin || value > field.logicalMax)
        return false;
    return field.usageAt(size_t(value - field.logicalMin), page, usage) && usage != 0;
}

} // namespace

PreparsedData::PreparsedData(TopLevelCollection collection) : m_Collection(std::move(collection))
{
    for (const ReportLayout& layout : m_Collection.reports) {
        if (!validType(layout.type))
            continue;
        std::vector<uint16_t>& sizes = m_ReportSizes[typeIndex(layout.type)];
        if (sizes.size() <= layout.reportId)
            sizes.resize(size_t(layout.reportId) + 1, 0);
        sizes[layout.reportId] = uint16_t(1 + (layout.bitLength + 7) / 8);
    }
    m_Capabilities.usage = m_Collection.usage;
    m_Capabilities.usagePage = m_Collection.usagePage;
    m_Capabilities.numberLinkCollectionNodes = uint16_t(m_Collection.links.size());
    m_Capabilities.inputReportByteLength = reportByteLength(ReportType::Input);
    m_Capabilities.outputReportByteLength = reportByteLength(ReportType::Output);
    m_Capabilities.featureReportByteLength = reportByteLength(ReportType::Feature);
    buildCaps();
}

uint16_t PreparsedData::reportByteLength(ReportType type) const
{
    if (!validType(type))
        return 0;
    const std::vector<uint16_t>& sizes = m_ReportSizes[typeIndex(type)];
    return sizes.empty() ? 0 : *std::max_element(sizes.begin(), sizes.end());
}

uint16_t PreparsedData::reportSizeOf(ReportType type, uint8_t reportId) const
{
    if (!validType(type))
        return 0;
    const std::vector<uint16_t>& sizes = m_ReportSizes[typeIndex(type)];
    return reportId < sizes.size() ? sizes[reportId] : 0;
}

void PreparsedData::buildCaps()
{
    uint16_t dataIndex[3] = {0, 0, 0};
    for (const ReportField& field : m_Collection.fields) {
        const size_t t = typeIndex(field.type);
        ButtonCaps base;
        base.reportId = field.reportId;
        base.isAbsolute = field.isAbsolute;
        base.bitField = bitFieldOf(field);
        base.linkCollection = field.linkCollection;
        if (field.linkCollection < m_Collection.links.size()) {
            base.linkUsage = m_Collection.links[field.linkCollection].usage;
            base.linkUsagePage = m_Collection.links[field.linkCollection].usagePage;
        }
        size_t slot = 0;
        for (const UsageRange& range : field.usages) {
            const size_t span = size_t(range.max - range.min) + 1;
            if (field.isButton()) {
                if (!field.isArray && slot >= field.reportCount)
                    break;
                ButtonCaps caps = base;
                caps.usagePage = range.page;
                caps.usageMin = range.min;
                caps.usageMax = field.isArray ? range.max : uint16_t(range.min + std::min(span, field.reportCount - slot) - 1);
                caps.isRange = caps.usageMin != caps.usageMax;
                caps.reportCount = field.isArray ? field.reportCount : uint16_t(caps.usageMax - caps.usageMin + 1);
                caps.dataIndexMin = dataIndex[t];
                caps.dataIndexMax = uint16_t(dataIndex[t] + (caps.usageMax - caps.usageMin));
                dataIndex[t] = uint16_t(caps.dataIndexMax + 1);
                m_ButtonCaps[t].push_back(caps);
                slot += span;
                continue;
            }
            // Values: one capability per usage; the last usage takes the remaining slots.
            for (size_t i = 0; i < span && slot < field.reportCount; ++i, ++slot) {
                ValueCaps caps;
                static_cast<ButtonCaps&>(caps) = base;
                caps.usagePage = range.page;
                caps.usageMin = caps.usageMax = uint16_t(range.min + i);
                const bool last = &range == &field.usages.back() && i + 1 == span;
                caps.reportCount = last ? uint16_t(field.reportCount - slot) : 1;
                caps.hasNull = field.hasNull;
                caps.bitSize = field.bitSize;
                caps.unitsExp = field.unitsExp;
                caps.units = field.units;
                caps.logicalMin = field.logicalMin;
                caps.logicalMax = field.logicalMax;
                caps.physicalMin = field.physicalMin;
                caps.physicalMax = field.physicalMax;
                caps.dataIndexMin = caps.dataIndexMax = dataIndex[t]++;
                m_ValueCaps[t].push_back(caps);
            }
        }
    }
    m_Capabilities.numberInputButtonCaps = uint16_t(m_ButtonCaps[0].size());
    m_Capabilities.numberOutputButtonCaps = uint16_t(m_ButtonCaps[1].size());
    m_Capabilities.numberFeatureButtonCaps = uint16_t(m_ButtonCaps[2].size());
    m_Capabilities.numberInputValueCaps = uint16_t(m_ValueCaps[0].size());
    m_Capabilities.numberOutputValueCaps = uint16_t(m_ValueCaps[1].size());
    m_Capabilities.numberFeatureValueCaps = uint16_t(m_ValueCaps[2].size());
    m_Capabilities.numberInputDataIndices = dataIndex[0];
    m_Capabilities.numberOutputDataIndices = dataIndex[1];
    m_Capabilities.numberFeatureDataIndices = dataIndex[2];
}

uint32_t PreparsedData::getButtonCaps(ReportType type, std::vector<ButtonCaps>& caps) const
{
    if (!validType(type))
        return Status::InvalidReportType;
    caps = m_ButtonCaps[typeIndex(type)];
    return Status::Success;
}

uint32_t PreparsedData::getValueCaps(ReportType type, std::vector<ValueCaps>& caps) const
{
    if (!validType(type))
        return Status::InvalidReportType;
    caps = m_ValueCaps[typeIndex(type)];
    return Status::Success;
}

uint32_t PreparsedData::checkReport(ReportType type, size_t length) const
{
    if (!validType(type))
        return Status::InvalidReportType;
    const uint16_t expected = reportByteLength(type);
    if (expected == 0)
        return Status::ReportDoesNotExist;
    if (length != expected)
        return Status::InvalidReportLength;
    return Status::Success;
}

uint32_t PreparsedData::locate(ReportType type, uint16_t usagePage, uint16_t usage, bool buttons, uint8_t* report,
                               Location& location) const
{
    const ReportField* first = nullptr;
    long firstIndex = -1;
    for (const ReportField& field : m_Collection.fields) {
        if (field.type != type || field.isButton() != buttons)
            continue;
        long index = field.indexOf(usagePage, usage);
        if (index < 0)
            continue;
        if (!field.isArray && index >= long(field.reportCount))
            continue;
        if (!m_Collection.usesReportIds || report[0] == field.reportId) {
            location = {&field, index};
            return Status::Success;
        }
        if (!first) {
            first = &field;
            firstIndex = index;
        }
    }
    if (!first)
        return Status::UsageNotFound;
    if (report[0] != 0)
        return Status::IncompatibleReportId;
    report[0] = first->reportId;
    location = {first, firstIndex};
    return Status::Success;
}

uint32_t PreparsedData::maxUsageListLength(ReportType type, uint16_t usagePage) const
{
    uint32_t length = 0;
    for (const ReportField& field : m_Collection.fields) {
        if (field.type != type || !field.isButton())
            continue;
        if (field.isArray) {
            const bool onPage = usagePage == 0
                || std::any_of(field.usages.begin(), field.usages.end(),
                               [usagePage](const UsageRange& range) { return range.page == usagePage; });
            if (onPage)
                length += field.reportCount;
            continue;
        }
        for (size_t slot = 0; slot < field.reportCount && slot < field.usageCount(); ++slot) {
            uint16_t page = 0;
            uint16_t slotUsage = 0;
            if (field.usageAt(slot, page, slotUsage) && (usagePage == 0 || page == usagePage))
                ++length;
        }
    }
    return length;
}

uint32_t PreparsedData::getUsages(ReportType type, uint16_t usagePage, std::vector<uint16_t>& usages,
                                  const uint8_t* report, size_t length) const
{
    usages.clear();
    const uint32_t status = checkReport(type, length);
    if (status != Status::Success)
        return status;
    const uint8_t reportId = m_Collection.usesReportIds ? report[0] : 0;
    const uint8_t* data = report + 1;
    bool pageSeen = false;
    bool reportSeen = false;
    for (const ReportField& field : m_Collection.fields) {
        if (field.type != type || !field.isButton())
            continue;
        const bool onPage = std::any_of(field.usages.begin(), field.usages.end(),
                                        [usagePage](const UsageRange& range) { return range.page == usagePage; });
        if (!onPage)
            continue;
        pageSeen = true;
        if (field.reportId != reportId)
            continue;
        reportSeen = true;
        for (uint32_t slot = 0; slot < field.reportCount; ++slot) {
            uint16_t page = 0;
            uint16_t usage = 0;
            if (field.isArray) {
                if (arraySlotUsage(field, fieldValue(field, data, slot), page, usage) && page == usagePage)
                    usages.push_back(usage);
            } else if (slot < field.usageCount() && readBits(data, field.bitOffset + slot, 1)
                       && field.usageAt(slot, page, usage) && page == usagePage) {
                usages.push_back(usage);
            }
        }
    }
    if (!pageSeen)
        return Status::UsageNotFound;
    return reportSeen ? Status::Success : Status::IncompatibleReportId;
}

uint32_t PreparsedData::setUsage(ReportType type, uint16_t usagePage, uint16_t usage, uint8_t* report,
                                 size_t length) const
{
    Location location;
    const uint32_t status = locateToWrite(type, usagePage, usage, true, report, length, location);
    if (status != Status::Success)
        return status;
    const ReportField& field = *location.field;
    uint8_t* data = report + 1;
    if (!field.isArray) {
        writeBits(data, field.bitOffset + uint32_t(location.index), 1, 1);
        return Status::Success;
    }
    const int64_t wanted = field.logicalMin + location.index;
    for (uint32_t slot = 0; slot < field.reportCount; ++slot)
        if (fieldValue(field, data, slot) == wanted)
            return Status::Success;
    for (uint32_t slot = 0; slot < field.reportCount; ++slot) {
        uint16_t page = 0;
        uint16_t slotUsage = 0;
        if (!arraySlotUsage(field, fieldValue(field, data, slot), page, slotUsage)) {
            writeBits(data, field.bitOffset + slot * field.bitSize, field.bitSize, uint32_t(wanted));
            return Status::Success;
        }
    }
    return Status::BufferTooSmall;
}

uint32_t PreparsedData::unsetUsage(ReportType type, uint16_t usagePage, uint16_t usage, uint8_t* report,
                                   size_t length) const
{
    Location location;
    const uint32_t status = locateToWrite(type, usagePage, usage, true, report, length, location);
    if (status != Status::Success)
        return status;
    const ReportField& field = *location.field;
    uint8_t* data = report + 1;
    if (!field.isArray) {
        const uint32_t bit = field.bitOffset + uint32_t(location.index);
        if (!readBits(data, bit, 1))
            return Status::ButtonNotPressed;
        writeBits(data, bit, 1, 0);
        return Status::Success;
    }
    const int64_t wanted = field.logicalMin + location.index;
    for (uint32_t slot = 0; slot < field.reportCount; ++slot)
        if (fieldValue(field, data, slot) == wanted) {
            writeBits(data, field.bitOffset + slot * field.bitSize, field.bitSize, emptyArrayValue(field));
            return Status::Success;
        }
    return Status::ButtonNotPressed;
}

uint32_t PreparsedData::locateToWrite(ReportType type, uint16_t usagePage, uint16_t usage, bool buttons,
                                      uint8_t* report, size_t length, Location& location) const
{
    const uint32_t status = report ? checkReport(type, length) : Status::InvalidReportLength;
    return status == Status::Success ? locate(type, usagePage, usage, buttons, report, location) : status;
}

uint32_t PreparsedData::locateToRead(ReportType type, uint16_t usagePage, uint16_t usage, const uint8_t* report,
                                     size_t length, Location& location) const
{
    const uint32_t status = report ? checkReport(type, length) : Status::InvalidReportLength;
    if (status != Status::Success)
        return status;
    // A read never picks a report for the caller: the id byte must already name it.
    uint8_t reportId = report[0];
    const uint32_t found = locate(type, usagePage, usage, false, &reportId, location);
    if (found == Status::Success && reportId != report[0])
        return Status::IncompatibleReportId;
    return found;
}

uint32_t PreparsedData::scaledRange(const Location& location, int64_t& physicalMin, int64_t& physicalMax)
{
    const ReportField& field = *location.field;
    if (location.index + 1 < long(field.reportCount) && location.index == long(field.usageCount()) - 1)
        return Status::IsValueArray;
    if (field.bitSize > 32)
        return Status::NotImplemented;
    if (field.logicalMin >= field.logicalMax)
        return Status::BadLogPhyValues;
    physicalMin = field.physicalMin;
    physicalMax = field.physicalMax;
    if (physicalMin == 0 && physicalMax == 0) {
        physicalMin = field.logicalMin;
        physicalMax = field.logicalMax;
    }
    return physicalMin < physicalMax ? Status::Success : Status::BadLogPhyValues;
}

uint32_t PreparsedData::arraySpan(const Location& location, size_t dataLength, uint32_t& startBit, size_t& bytes)
{
    const ReportField& field = *location.field;
    const uint32_t count = uint32_t(field.reportCount - location.index);
    if (count < 2 || location.index != long(field.usageCount()) - 1)
        return Status::NotValueArray;
    if (field.bitSize % 8 != 0)
        return Status::NotImplemented;
    bytes = size_t(field.bitSize / 8) * count;
    if (dataLength < bytes)
        return Status::BufferTooSmall;
    startBit = field.bitOffset + uint32_t(location.index) * field.bitSize;
    return Status::Success;
}

uint32_t PreparsedData::setScaledUsageValue(ReportType type, uint16_t usagePage, uint16_t usage, int32_t value,
                                            uint8_t* report, size_t length) const
{
    Location location;
    int64_t physicalMin = 0;
    int64_t physicalMax = 0;
    uint32_t status = locateToWrite(type, usagePage, usage, false, report, length, location);
    if (status == Status::Success)
        status = scaledRange(location, physicalMin, physicalMax);
    if (status != Status::Success)
        return status;
    const ReportField& field = *location.field;
    const uint32_t bit = field.bitOffset + uint32_t(location.index) * field.bitSize;
    uint8_t* data = report + 1;
    if (value < physicalMin || value > physicalMax) {
        if (!field.hasNull)
            return Status::ValueOutOfRange;
        writeBits(data, bit, field.bitSize, uint32_t(field.logicalMin > 0 ? 0 : int64_t(field.logicalMax) + 1));
        return Status::Null;
    }
    // 128-bit intermediates: the spans of hostile descriptors can overflow 64 bits.
    const __int128 logicalSpan = __int128(field.logicalMax) - field.logicalMin;
    const __int128 physicalSpan = __int128(physicalMax) - physicalMin;
    const int64_t logical =
        int64_t(field.logicalMin + ((value - physicalMin) * logicalSpan + physicalSpan / 2) / physicalSpan);
    writeBits(data, bit, field.bitSize, uint32_t(logical));
    return Status::Success;
}

uint32_t PreparsedData::getScaledUsageValue(ReportType type, uint16_t usagePage, uint16_t usage, int32_t& value,
                                            const uint8_t* report, size_t length) const
{
    Location location;
    int64_t physicalMin = 0;
    int64_t physicalMax = 0;
    uint32_t status = locateToRead(type, usagePage, usage, report, length, location);
    if (status == Status::Success)
        status = scaledRange(location, physicalMin, physicalMax);
    if (status != Status::Success)
        return status;
    const ReportField& field = *location.field;
    const int64_t logical = fieldValue(field, report + 1, uint32_t(location.index));
    if (logical < field.logicalMin || logical > field.logicalMax)
        return field.hasNull ? Status::Null : Status::ValueOutOfRange;
    const __int128 logicalSpan = __int128(field.logicalMax) - field.logicalMin;
    value = int32_t(physicalMin
                    + int64_t(((logical - field.logicalMin) * (__int128(physicalMax) - physicalMin) + logicalSpan / 2)
                              / logicalSpan));
    return Status::Success;
}

uint32_t PreparsedData::setUsageValueArray(ReportType type, uint16_t usagePage, uint16_t usage, const uint8_t* data,
                                           size_t dataLength, uint8_t* report, size_t length) const
{
    Location location;
    uint32_t start = 0;
    size_t bytes = 0;
    uint32_t status = locateToWrite(type, usagePage, usage, false, report, length, location);
    if (status == Status::Success)
        status = arraySpan(location, dataLength, start, bytes);
    if (status != Status::Success)
        return status;
    for (size_t i = 0; i < bytes; ++i)
        writeBits(report + 1, start + uint32_t(i) * 8, 8, data[i]);
    return Status::Success;
}

uint32_t PreparsedData::getUsageValueArray(ReportType type, uint16_t usagePage, uint16_t usage, uint8_t* data,
                                           size_t dataLength, const uint8_t* report, size_t length) const
{
    Location location;
    uint32_t start = 0;
    size_t bytes = 0;
    uint32_t status = locateToRead(type, usagePage, usage, report, length, location);
    if (status == Status::Success)
        status = arraySpan(location, dataLength, start, bytes);
    if (status != Status::Success)
        return status;
    for (size_t i = 0; i < bytes; ++i)
        data[i] = uint8_t(readBits(report + 1, start + uint32_t(i) * 8, 8));
    return Status::Success;
}

} // namespace HidPlatform
