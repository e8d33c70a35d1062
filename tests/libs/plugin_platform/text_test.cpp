#include "Platform/text_format.h"
#include "Platform/wide_string.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

struct DecodeCase
{
    const char* label;
    std::string input;
    bool valid;
    Platform::WString expected;
};

class Utf8ToWide : public ::testing::TestWithParam<DecodeCase>
{
};

TEST_P(Utf8ToWide, DecodesOrRejects)
{
    const DecodeCase& c = GetParam();
    Platform::WString result;
    EXPECT_EQ(Platform::utf8ToWide(c.input.data(), c.input.size(), result), c.valid);
    if (c.valid) {
        EXPECT_EQ(result, c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Utf8ToWide,
    ::testing::Values(DecodeCase{"ascii", "Ab 1", true, u"Ab 1"},
                      DecodeCase{"twoAndThreeBytes", "M\xC3\xBCller \xE2\x82\xAC", true, u"M\u00FCller \u20AC"},
                      DecodeCase{"fourBytesBecomeSurrogatePair", "\xF0\x9F\x98\x80", true, u"\U0001F600"},
                      DecodeCase{"sequenceCutAtEndIsDropped", "ab\xC3", true, u"ab"},
                      DecodeCase{"cutThreeByteSequenceIsDropped", "ab\xE2\x82", true, u"ab"},
                      DecodeCase{"stopsAtTerminator", std::string("ab\0cd", 5), true, u"ab"},
                      DecodeCase{"strayContinuation", "a\x80", false, u""},
                      DecodeCase{"overlong", "\xC0\xAF", false, u""},
                      DecodeCase{"encodedSurrogate", "\xED\xA0\x80", false, u""},
                      DecodeCase{"badContinuation", "\xC3\x41", false, u""},
                      DecodeCase{"latin1Byte", "M\xFCller", false, u""}),
    [](const ::testing::TestParamInfo<DecodeCase>& info) { return std::string(info.param.label); });

TEST(WideToUtf8, EncodesEachUnitAndStopsAtSurrogateOrFFFF)
{
    EXPECT_EQ(Platform::wideToUtf8(u"A\u00FC\u20AC"), "A\xC3\xBC\xE2\x82\xAC");
    EXPECT_EQ(Platform::wideToUtf8(u"ab\U0001F600cd"), "ab");
    EXPECT_EQ(Platform::wideToUtf8(u"ab\uFFFFcd"), "ab");
    EXPECT_EQ(Platform::wideToUtf8(nullptr), "");
}

TEST(WideHelpers, CopyTerminatesAndNarrowKeepsLowBytes)
{
    char16_t target[4];
    EXPECT_EQ(Platform::copyWide(target, 4, u"abcdef"), 3u);
    EXPECT_EQ(Platform::WString(target), u"abc");
    EXPECT_EQ(Platform::copyWide(target, 4, nullptr), 0u);
    EXPECT_EQ(target[0], 0);
    EXPECT_EQ(Platform::narrowLowBytes(u"1\u0132\u4E35"), std::string("1\x32\x35"));
}

TEST(FormatText, HandlesWideTextsAndPlainConversions)
{
    char buffer[128];
    Platform::formatTextV(buffer, sizeof buffer, "%ws|%5s|%-3d|%llu|%c|%08x|%%", u"n\u00E4me", "ab", 7, 1ULL << 40, 'x', 255u);
    EXPECT_STREQ(buffer, "n\xC3\xA4me|   ab|7  |1099511627776|x|000000ff|%");
}

TEST(FormatText, CopiesUnknownConversionsAndCutsToCapacity)
{
    char buffer[8];
    Platform::formatTextV(buffer, sizeof buffer, "%y%wd");
    EXPECT_STREQ(buffer, "%y%wd");
    Platform::formatTextV(buffer, sizeof buffer, "%s", "0123456789");
    EXPECT_STREQ(buffer, "0123456");
    Platform::formatTextV(buffer, sizeof buffer, "%ws", static_cast<const char16_t*>(nullptr));
    EXPECT_STREQ(buffer, "");
}

} // namespace
