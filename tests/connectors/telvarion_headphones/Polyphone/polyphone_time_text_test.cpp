#include "Polyphone/polyphone_clock.h"
#include "Polyphone/polyphone_time_text.h"

#include <gtest/gtest.h>

using Connector::PolyphoneTimeText;

namespace {

struct DurationCase
{
    std::uint64_t seconds;
    const char16_t* expected;
};

class CallDuration : public ::testing::TestWithParam<DurationCase>
{
};

} // namespace

TEST_P(CallDuration, ShowsTotalMinutesWhileTheyFit)
{
    Platform::WString text;
    ASSERT_TRUE(PolyphoneTimeText::duration(u"%2u:%02u", GetParam().seconds, text));
    EXPECT_EQ(text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Durations, CallDuration,
                         ::testing::Values(DurationCase{0, u" 0:00"}, DurationCase{65, u" 1:05"},
                                           DurationCase{3599, u"59:59"}, DurationCase{3665, u"61:05"},
                                           DurationCase{6000 * 60 + 7, u"6000:07"},
                                           DurationCase{99999ull * 60 + 59, u"99999:59"},
                                           // Nine characters would not fit: minutes within the hour.
                                           DurationCase{100000ull * 60 + 1, u"40:01"}));

TEST(TimeText, RefusesPicturesThatAreNotTwoNumbers)
{
    Platform::WString text = u"kept";
    for (const char16_t* picture : {u"%s:%s", u"%2u", u"%u:%u:%u", u"%n%u", u"%2u:%02x"})
        EXPECT_FALSE(PolyphoneTimeText::format(picture, 1, 2, text)) << std::string(picture, picture + 3);
    EXPECT_FALSE(PolyphoneTimeText::format(nullptr, 1, 2, text));
    EXPECT_EQ(text, u"kept");
    EXPECT_TRUE(PolyphoneTimeText::format(u"%02u.%02u h", 9, 5, text));
    EXPECT_EQ(text, u"09.05 h");
}

TEST(SecondsBetween, CountsAcrossMidnightAndNeverGoesBack)
{
    Platform::LocalTime start{2026, 12, 4, 31, 23, 59, 30, 0};
    Platform::LocalTime end{2027, 1, 5, 1, 0, 1, 5, 0};
    EXPECT_EQ(Connector::secondsBetween(start, end), 95u);
    EXPECT_EQ(Connector::secondsBetween(end, start), 0u);
    EXPECT_EQ(Connector::secondsBetween(Platform::LocalTime(), end), 0u); // no start time yet
}
