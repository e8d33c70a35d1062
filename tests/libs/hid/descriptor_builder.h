#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace HidTest {

// Writes report descriptors item by item, each datum in the fewest bytes that hold it.
class DescriptorBuilder {
public:
    enum MainFlags : uint32_t { Data = 0, Constant = 0x01, Array = 0, Variable = 0x02, Absolute = 0, Relative = 0x04,
                                NullState = 0x40 };

    DescriptorBuilder& usagePage(uint16_t page) { return item(0x04, page, false); }
    DescriptorBuilder& usage(uint16_t usage) { return item(0x08, usage, false); }
    DescriptorBuilder& extendedUsage(uint16_t page, uint16_t usage) { return item4(0x08, (uint32_t(page) << 16) | usage); }
    DescriptorBuilder& usages(std::initializer_list<uint16_t> list)
    {
        for (const uint16_t u : list)
            usage(u);
        return *this;
    }
    DescriptorBuilder& usageRange(uint16_t min, uint16_t max) { return item(0x18, min, false).item(0x28, max, false); }
    DescriptorBuilder& logical(int32_t min, int32_t max) { return item(0x14, uint32_t(min), true).item(0x24, uint32_t(max), true); }
    DescriptorBuilder& physical(int32_t min, int32_t max) { return item(0x34, uint32_t(min), true).item(0x44, uint32_t(max), true); }
    DescriptorBuilder& reportSize(uint32_t bits) { return item(0x74, bits, false); }
    DescriptorBuilder& reportCount(uint32_t count) { return item(0x94, count, false); }
    DescriptorBuilder& reportId(uint8_t id) { return item(0x84, id, false); }
    DescriptorBuilder& push() { return raw({0xA4}); }
    DescriptorBuilder& pop() { return raw({0xB4}); }
    DescriptorBuilder& input(uint32_t flags) { return item(0x80, flags, false); }
    DescriptorBuilder& output(uint32_t flags) { return item(0x90, flags, false); }
    DescriptorBuilder& feature(uint32_t flags) { return item(0xB0, flags, false); }
    DescriptorBuilder& application() { return item(0xA0, 0x01, false); }
    DescriptorBuilder& logicalCollection() { return item(0xA0, 0x02, false); }
    DescriptorBuilder& endCollection() { return raw({0xC0}); }
    // Bits of constant padding in the report of the given main tag (0x80, 0x90, 0xB0).
    DescriptorBuilder& padding(uint8_t mainTag, uint32_t bits)
    {
        return reportSize(bits).reportCount(1).item(mainTag, Constant, false);
    }
    // 1-bit variable buttons, one per usage.
    DescriptorBuilder& buttons(uint8_t mainTag, std::initializer_list<uint16_t> list, uint32_t flags = Absolute)
    {
        usages(list).logical(0, 1).reportSize(1).reportCount(uint32_t(list.size()));
        return item(mainTag, Variable | flags, false);
    }
    DescriptorBuilder& raw(std::initializer_list<uint8_t> bytes)
    {
        m_Bytes.insert(m_Bytes.end(), bytes);
        return *this;
    }

    const std::vector<uint8_t>& bytes() const { return m_Bytes; }

private:
    DescriptorBuilder& item(uint8_t prefix, uint32_t value, bool isSigned)
    {
        const int32_t s = int32_t(value);
        std::size_t size = 4;
        if (isSigned ? (s >= -128 && s <= 127) : value <= 0xFF)
            size = 1;
        else if (isSigned ? (s >= -32768 && s <= 32767) : value <= 0xFFFF)
            size = 2;
        m_Bytes.push_back(uint8_t(prefix | (size == 4 ? 3 : size)));
        for (std::size_t i = 0; i < size; ++i)
            m_Bytes.push_back(uint8_t(value >> (8 * i)));
        return *this;
    }
    DescriptorBuilder& item4(uint8_t prefix, uint32_t value)
    {
        m_Bytes.push_back(uint8_t(prefix | 3));
        for (std::size_t i = 0; i < 4; ++i)
            m_Bytes.push_back(uint8_t(value >> (8 * i)));
        return *this;
    }

    std::vector<uint8_t> m_Bytes;
};

} // namespace HidTest
