#include "Polyphone/date_picture.h"
#include "Polyphone/polyphone.h"

#include <gtest/gtest.h>

#include <cstdlib>

using Connector::DatePicture;
using Platform::WString;

namespace {

std::string narrow(const WString& text)
{
    return std::string(text.begin(), text.end());
}

WString wide(const std::string& text)
{
    return WString(text.begin(), text.end());
}

struct PictureCase
{
    const char* given;
    const char* expected;
};

class PictureWithoutYear : public ::testing::TestWithParam<PictureCase>
{
};

class PictureFromStrftime : public ::testing::TestWithParam<PictureCase>
{
};

} // namespace

TEST_P(PictureWithoutYear, DropsTheYearAndOneSeparator)
{
    EXPECT_EQ(narrow(DatePicture::withoutYear(wide(GetParam().given))), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Pictures, PictureWithoutYear,
                         ::testing::Values(PictureCase{"dd.MM.yyyy", "dd.MM"}, PictureCase{"yyyy-MM-dd", "MM-dd"},
                                           PictureCase{"M/d/yyyy", "M/d"}, PictureCase{"dd/MM/yy", "dd/MM"},
                                           PictureCase{"d.yyyy-M", "d-M"}, PictureCase{"YY/MM/dd", "MM/dd"},
                                           PictureCase{"yyyy", ""}, PictureCase{"dd.MM.", "dd.MM."}));

TEST_P(PictureFromStrftime, ConvertsTheLocaleFormat)
{
    EXPECT_EQ(narrow(DatePicture::fromStrftime(wide(GetParam().given))), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Formats, PictureFromStrftime,
                         ::testing::Values(PictureCase{"%d.%m.%Y", "dd.MM.yyyy"}, PictureCase{"%m/%d/%y", "MM/dd/yy"},
                                           PictureCase{"%F", "yyyy-MM-dd"}, PictureCase{"%-m/%e/%Y", "M/d/yyyy"},
                                           PictureCase{"%D", "MM/dd/yy"}, PictureCase{"%d %b %Y", "dd MMM yyyy"},
                                           PictureCase{"%Y. %m. %d.", "yyyy. MM. dd."},
                                           PictureCase{"%d de %m", "dd 'de' MM"}, PictureCase{"%d l'%m", "dd 'l'''MM"}));

TEST(DatePictureFormat, FillsDayMonthYearNamesAndQuotedText)
{
    Platform::LocalTime date;
    date.year = 2026;
    date.month = 3;
    date.day = 7;
    date.dayOfWeek = 6;
    DatePicture::Names names;
    names.shortDays[6] = u"Sat";
    names.shortMonths[2] = u"Mar";

    const struct
    {
        const char* picture;
        const char* expected;
    } cases[] = {
        {"dd.MM", "07.03"}, {"d/M", "7/3"}, {"MM-dd", "03-07"}, {"yy|yyyy|y", "26|2026|26"},
        {"ddd d MMM", "Sat 7 Mar"}, {"dd 'de' MM", "07 de 03"}, {"'it''s' d", "it's 7"},
    };
    for (const auto& c : cases) {
        WString result;
        ASSERT_TRUE(DatePicture::format(wide(c.picture), date, names, 15, result)) << c.picture;
        EXPECT_EQ(narrow(result), c.expected) << c.picture;
    }
}

TEST(DatePictureFormat, FailsWhenTheTextDoesNotFit)
{
    Platform::LocalTime date;
    date.year = 2026;
    date.month = 12;
    date.day = 31;
    WString result = u"unchanged";
    EXPECT_FALSE(DatePicture::format(u"dd.MM.yyyy 'and more'", date, DatePicture::Names(), 15, result));
    EXPECT_EQ(result, u"unchanged");
    EXPECT_TRUE(DatePicture::format(u"dd.MM.yyyy", date, DatePicture::Names(), 10, result));
}

TEST(UserDatePicture, ComesFromTheLocaleWithoutItsYear)
{
    const char* saved = std::getenv("LC_ALL");
    const std::string previous = saved != nullptr ? saved : "";

    setenv("LC_ALL", "C", 1);
    WString picture;
    ASSERT_TRUE(Connector::Polyphone::GetDateFormatPicture(picture));
    EXPECT_EQ(narrow(picture), "MM/dd"); // %m/%d/%y

    setenv("LC_ALL", "xx_NOWHERE.UTF-8", 1);
    EXPECT_FALSE(Connector::Polyphone::GetDateFormatPicture(picture));

    if (saved != nullptr)
        setenv("LC_ALL", previous.c_str(), 1);
    else
        unsetenv("LC_ALL");
}
