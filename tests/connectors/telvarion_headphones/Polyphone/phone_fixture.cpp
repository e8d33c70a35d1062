#include "phone_fixture.h"

#include <initializer_list>

namespace PhoneFixture {

namespace {

class DescriptorWriter
{
public:
    explicit DescriptorWriter(bool vendorPages)
        : m_VendorPages(vendorPages)
    {
    }

    DescriptorWriter& item(std::uint8_t prefix, std::initializer_list<std::uint8_t> data)
    {
        m_Bytes.push_back(prefix);
        m_Bytes.insert(m_Bytes.end(), data);
        return *this;
    }
    // On a vendor-page phone every page moves to its vendor twin.
    DescriptorWriter& page(std::uint16_t page)
    {
        if (m_VendorPages)
            page = page == 0xFF99 ? 0xFFA9 : static_cast<std::uint16_t>(0xFF00 | page);
        return page > 0xFF ? item(0x06, {lo(page), hi(page)}) : item(0x05, {lo(page)});
    }
    DescriptorWriter& usage(std::uint16_t usage)
    {
        return usage > 0xFF ? item(0x0A, {lo(usage), hi(usage)}) : item(0x09, {lo(usage)});
    }
    DescriptorWriter& usages(std::uint8_t min, std::uint8_t max) { return item(0x19, {min}).item(0x29, {max}); }
    DescriptorWriter& logical(std::int16_t min, std::int16_t max)
    {
        item(0x15, {static_cast<std::uint8_t>(min)});
        return max > 127 ? item(0x26, {lo(static_cast<std::uint16_t>(max)), hi(static_cast<std::uint16_t>(max))})
                         : item(0x25, {static_cast<std::uint8_t>(max)});
    }
    DescriptorWriter& bits(std::uint8_t size, std::uint8_t count) { return item(0x75, {size}).item(0x95, {count}); }
    DescriptorWriter& reportId(std::uint8_t id) { return item(0x85, {id}); }
    DescriptorWriter& input() { return item(0x81, {0x02}); }
    DescriptorWriter& output() { return item(0x91, {0x02}); }
    DescriptorWriter& feature() { return item(0xB1, {0x02}); }
    DescriptorWriter& inputPad(std::uint8_t count) { return bits(1, count).item(0x81, {0x03}); }
    DescriptorWriter& outputPad(std::uint8_t count) { return bits(1, count).item(0x91, {0x03}); }

    std::vector<std::uint8_t> bytes() const { return m_Bytes; }

private:
    static std::uint8_t lo(std::uint16_t v) { return static_cast<std::uint8_t>(v & 0xFF); }
    static std::uint8_t hi(std::uint16_t v) { return static_cast<std::uint8_t>(v >> 8); }

    bool m_VendorPages;
    std::vector<std::uint8_t> m_Bytes;
};

bool bit(const std::vector<std::uint8_t>& report, int index)
{
    const std::size_t byte = 1 + static_cast<std::size_t>(index / 8);
    return byte < report.size() && (report[byte] >> (index % 8)) & 1;
}

} // namespace

std::vector<std::uint8_t> descriptor(const Model& model)
{
    DescriptorWriter d(model.vendorPages);
    d.page(0x0B).usage(0x01).item(0xA1, {0x01});
    // Input 1: 6 telephony buttons, 13 keys, prog, 4 padding bits.
    d.reportId(1).logical(0, 1).bits(1, 6);
    for (std::uint16_t u : {0x20, 0x21, 0x24, 0x2F, 0x50, 0x70})
        d.usage(u);
    d.input();
    d.usages(0xB0, 0xBC).bits(1, 13).input();
    d.page(0x09).usage(0x07).bits(1, 1).input();
    d.inputPad(4);
    // Output 2: LEDs and ringer.
    d.reportId(2).page(0x08).logical(0, 1).bits(1, 4);
    for (std::uint16_t u : {0x17, 0x09, 0x20, 0x18})
        d.usage(u);
    d.output();
    d.page(0x0B).usage(0x9E).bits(1, 1).output();
    d.outputPad(3);
    // Output 3: display on, backlight, screen.
    d.page(0xFF99).reportId(3).logical(0, 1).bits(1, 2).usage(0x26).usage(0xFF10).output();
    d.outputPad(6);
    if (model.screenSelect)
        d.usage(0xFF11).logical(0, 255).bits(8, 1).output();
    // Output 5: text follows, field selects.
    d.reportId(5).logical(0, 1).bits(1, 1).usage(0xFF22).output();
    d.usages(0x81, 0x8B).bits(1, 11).output();
    d.outputPad(4);
    // Output 6: icons.
    d.reportId(6).logical(0, 1).bits(1, 1).usage(0xFF1B).output();
    d.outputPad(7);
    d.usage(0xFF1C).logical(-1, 1).bits(8, 1).output();
    // Output 7: characters.
    d.reportId(7).logical(0, 1).bits(1, 1).usage(0xFF24).output();
    d.outputPad(7);
    d.usage(0xFF2C).logical(0, 255).bits(8, 16).output();
    // Feature 4: language and client ids.
    d.reportId(4).usage(0x64).logical(0, 32767).bits(16, 1).feature();
    d.usage(0x65).logical(0, 255).bits(8, 1).feature();
    d.item(0xC0, {});
    return d.bytes();
}

std::vector<std::uint8_t> inputReport(const Buttons& buttons)
{
    std::vector<std::uint8_t> report{1, 0, 0, 0};
    auto set = [&report](int index, bool on) {
        if (on)
            report[1 + static_cast<std::size_t>(index / 8)] |= static_cast<std::uint8_t>(1 << (index % 8));
    };
    set(0, buttons.hookOff);
    set(1, buttons.flash);
    set(2, buttons.redial);
    set(3, buttons.mute);
    set(4, buttons.speedDial);
    set(5, buttons.voiceMail);
    if (buttons.key >= 0 && buttons.key <= 12)
        set(6 + buttons.key, true);
    set(19, buttons.prog);
    return report;
}

void Display::apply(const std::vector<std::uint8_t>& report)
{
    if (report.empty())
        return;
    switch (report[0]) {
    case 2:
        offHookLed = bit(report, 0);
        muteLed = bit(report, 1);
        holdLed = bit(report, 2);
        ringer = bit(report, 4);
        break;
    case 3:
        if (report.size() > 2) {
            if (report[2] != 0) // 0 closes an update and leaves the screen shown
                screen = report[2];
            screens.push_back(report[2]);
        }
        break;
    case 5:
        m_SelectedField = 0;
        for (int code = 1; code <= 11; ++code)
            if (bit(report, code))
                m_SelectedField = code;
        m_Pending.clear();
        m_PendingChunks = 0;
        break;
    case 6:
        voiceMailIcon = bit(report, 0);
        if (report.size() > 2 && report[2] != 0) // 0 leaves the icon as it is
            muteIcon = static_cast<std::int8_t>(report[2]);
        break;
    case 7:
        for (std::size_t i = 0; i + 1 < 16 && 2 + i + 1 < report.size(); i += 2) {
            const char16_t c = static_cast<char16_t>(report[2 + i] | (report[3 + i] << 8));
            if (c == 0)
                break;
            m_Pending += c;
        }
        ++m_PendingChunks;
        if (bit(report, 0)) {
            fields[m_SelectedField] = m_Pending;
            chunksOfLastText = m_PendingChunks;
            m_Pending.clear();
            m_PendingChunks = 0;
        }
        break;
    default:
        break;
    }
}

void Display::applyAll(const std::vector<std::vector<std::uint8_t>>& reports)
{
    for (const auto& report : reports)
        apply(report);
}

std::string Display::field(int code) const
{
    const auto found = fields.find(code);
    if (found == fields.end())
        return std::string();
    std::string text;
    for (char16_t c : found->second)
        text += c < 0x80 ? static_cast<char>(c) : '?';
    return text;
}

} // namespace PhoneFixture
