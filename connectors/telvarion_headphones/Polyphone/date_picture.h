#pragma once

#include "Platform/clock.h"
#include "Platform/wide_string.h"

#include <array>
#include <cstddef>
#include <string>

namespace Connector {

// Date pictures as the phone's date field uses them: d, dd, ddd, dddd for the day,
// M, MM, MMM, MMMM for the month, y, yy, yyyy for the year, text in single quotes.
class DatePicture
{
public:
    struct Names
    {
        std::array<Platform::WString, 7> shortDays;   // Sunday first
        std::array<Platform::WString, 7> days;
        std::array<Platform::WString, 12> shortMonths; // January first
        std::array<Platform::WString, 12> months;
    };

    // The picture of a strftime date format, e.g. "%d.%m.%Y" gives "dd.MM.yyyy".
    static Platform::WString fromStrftime(const Platform::WString& format);

    // Drops every year run together with one separator beside it, so that
    // dd.MM.yyyy gives dd.MM, yyyy-MM-dd gives MM-dd and M/d/yyyy gives M/d.
    static Platform::WString withoutYear(const Platform::WString& picture);

    // False when the result would not fit in `capacity` characters.
    static bool format(const Platform::WString& picture, const Platform::LocalTime& date, const Names& names,
                       std::size_t capacity, Platform::WString& result);
};

} // namespace Connector
