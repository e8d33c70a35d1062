#pragma once

#include "telvarion_hid/hid_control.h"

#include <vector>

namespace Connector {

// A value usage: up to 4 bytes a scaled number, longer ones a byte array.
class HidValue : public HidControl
{
public:
    HidValue(std::shared_ptr<const HidPlatform::PreparsedData> preparsedData, std::uint16_t reportLength,
             const UsageDescriptor& usage, std::uint8_t reportId, bool absolute, bool alias, std::uint16_t bitSize,
             std::uint16_t reportCount);

    std::size_t byteLength() const { return m_ByteLength; }
    bool isArray() const { return m_ByteLength > 4; }

    void setValue(std::int32_t value);
    // Copies at most byteLength() bytes; the rest of the array is zeroed.
    void setValue(const std::uint8_t* data, std::size_t length);

    std::int32_t value() const { return m_Value; }
    const std::vector<std::uint8_t>& bytes() const { return m_Bytes; }

    bool writeIntoReport(std::uint8_t* report) const override;

private:
    std::size_t m_ByteLength;
    std::int32_t m_Value = 0;
    std::vector<std::uint8_t> m_Bytes;
    std::size_t m_DataLength = 0;
};

} // namespace Connector
