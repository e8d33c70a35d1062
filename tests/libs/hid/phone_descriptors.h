#pragma once

#include "descriptor_builder.h"

namespace HidTest {

// Report descriptors shaped like the supported desk phones', written from their usage
// tables. Report 1: telephony input (hook, flash, redial, mute, speed dial, voice mail,
// line, speaker, line busy tone, programmable button, keypad array); report 2: LED and
// ringer output; report 3: the display output; report 4: display features; report 5:
// consumer volume keys.
struct PhoneShape {
    bool toggleHook = false;     // hook switch reported as a toggle (relative) button
    bool microphoneLed = true;   // LED page microphone indicator next to the mute LED
    uint16_t telephonyPage = 0x0B;
    uint16_t ledPage = 0x08;
    uint16_t consumerPage = 0x0C;
    uint16_t buttonPage = 0x09;
    uint16_t vendorPage = 0xFF99;
    bool display = true;
    bool consumer = true;
    // Report 6 in the telephony collection: consumer keys whose usage numbers are those of
    // the keypad (0xB5 scan next track) and the volume keys.
    bool consumerKeysInTelephony = false;
};

inline DescriptorBuilder& telephonyCollection(DescriptorBuilder& d, const PhoneShape& shape)
{
    using B = DescriptorBuilder;
    d.usagePage(shape.telephonyPage).usage(0x01).application().reportId(1);
    d.buttons(0x80, {0x20}, shape.toggleHook ? B::Relative : B::Absolute);
    d.buttons(0x80, {0x21, 0x24});
    d.buttons(0x80, {0x2F}, B::Relative);
    d.buttons(0x80, {0x50, 0x70, 0x2A, 0x2B});
    d.buttons(0x80, {0x97});
    d.usagePage(shape.buttonPage).buttons(0x80, {0x07});
    d.padding(0x80, 6);
    d.usagePage(shape.telephonyPage).logical(1, 13).usageRange(0xB0, 0xBC).reportSize(8).reportCount(1).input(B::Array);
    d.reportId(2).usagePage(shape.ledPage);
    if (shape.microphoneLed)
        d.buttons(0x90, {0x17, 0x09, 0x20, 0x18, 0x2A, 0x21}, B::Absolute);
    else
        d.buttons(0x90, {0x17, 0x09, 0x20, 0x18, 0x2A}, B::Absolute).padding(0x90, 1);
    d.usagePage(shape.telephonyPage).buttons(0x90, {0x9E}).padding(0x90, 1);
    if (shape.consumerKeysInTelephony)
        d.reportId(6).usagePage(shape.consumerPage).buttons(0x80, {0xB5, 0xE9, 0xEA}).padding(0x80, 5);
    return d.endCollection();
}

inline DescriptorBuilder& displayCollection(DescriptorBuilder& d, const PhoneShape& shape)
{
    using B = DescriptorBuilder;
    d.usagePage(shape.vendorPage).usage(0x01).application().reportId(3);
    d.buttons(0x90, {0x26, 0xFF10, 0xFF1B, 0xFF22, 0xFF24});
    d.buttons(0x90, {0x81, 0x82, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8A, 0x8B});
    d.usage(0xFF11).logical(0, 255).reportSize(8).reportCount(1).output(B::Variable);
    d.usage(0xFF1C).logical(-1, 1).reportSize(2).reportCount(1).output(B::Variable);
    d.padding(0x90, 6);
    d.usage(0xFF2C).logical(0, 255).reportSize(8).reportCount(16).output(B::Variable);
    d.reportId(4).usage(0x64).logical(0, 0xFFFF).reportSize(16).reportCount(1).feature(B::Variable);
    d.usage(0x65).logical(0, 255).reportSize(8).reportCount(1).feature(B::Variable);
    return d.endCollection();
}

inline DescriptorBuilder& consumerCollection(DescriptorBuilder& d, const PhoneShape& shape)
{
    d.usagePage(shape.consumerPage).usage(0x01).application().reportId(5);
    d.buttons(0x80, {0xE9, 0xEA}).padding(0x80, 6);
    return d.endCollection();
}

inline std::vector<uint8_t> phoneDescriptor(const PhoneShape& shape = PhoneShape())
{
    DescriptorBuilder d;
    telephonyCollection(d, shape);
    if (shape.display)
        displayCollection(d, shape);
    if (shape.consumer)
        consumerCollection(d, shape);
    return d.bytes();
}

} // namespace HidTest
