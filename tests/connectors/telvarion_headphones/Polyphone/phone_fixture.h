#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// A desk phone as its report descriptor describes it, and a reader of what the program
// writes to it. Report ids:
//   1 input   hook, flash, redial, mute, speed dial, voice mail, keys 0..9 * # A, prog
//   2 output  LEDs off hook, mute, hold, ring; ringer
//   3 output  enable display, backlight, screen select
//   4 feature language id, softphone client id
//   5 output  text string followed, field selects 0x81..0x8B
//   6 output  voice-mail icon, mute icon
//   7 output  last character report, 16 bytes of display characters
namespace PhoneFixture {

constexpr std::uint16_t VendorId = 0x095D;
constexpr std::uint16_t ProductId = 0x9201;

// Phones differ in where their usages live and in what their display offers.
struct Model
{
    const char* name = "standard";
    bool vendorPages = false;  // top-level page 0xFFA9, standard usages on 0xFFxx twins
    bool screenSelect = true;
};

std::vector<std::uint8_t> descriptor(const Model& model = Model());

// One input report 1.
struct Buttons
{
    bool hookOff = false;
    bool flash = false;
    bool redial = false;
    bool mute = false;
    bool speedDial = false;
    bool voiceMail = false;
    int key = -1; // 0..12 for "0123456789*#A", -1 none
    bool prog = false;
};
std::vector<std::uint8_t> inputReport(const Buttons& buttons);

// Replays the output and feature reports the program wrote, as the phone would show them.
class Display
{
public:
    void apply(const std::vector<std::uint8_t>& report);
    void applyAll(const std::vector<std::vector<std::uint8_t>>& reports);

    int screen = -1;          // the screen shown
    std::vector<int> screens; // every screen value sent, in order
    std::map<int, std::u16string> fields; // display field code 1..11 -> text
    bool ringer = false;
    bool offHookLed = false;
    bool muteLed = false;
    bool holdLed = false;
    int muteIcon = 0; // 1 shown, -1 hidden
    bool voiceMailIcon = false;
    int chunksOfLastText = 0;

    std::string field(int code) const;

private:
    int m_SelectedField = 0;
    std::u16string m_Pending;
    int m_PendingChunks = 0;
};

} // namespace PhoneFixture
