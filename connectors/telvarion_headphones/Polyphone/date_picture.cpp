#include "Polyphone/date_picture.h"

namespace Connector {

namespace {

using Platform::WChar;
using Platform::WString;

bool isPictureLetter(WChar c)
{
    return c == u'd' || c == u'M' || c == u'y' || c == u'Y' || c == u'g';
}

bool isAsciiLetter(WChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

WString number(unsigned value, std::size_t minimumDigits)
{
    WString digits;
    do {
        digits.insert(digits.begin(), static_cast<WChar>(u'0' + value % 10));
        value /= 10;
    } while (value > 0);
    while (digits.size() < minimumDigits)
        digits.insert(digits.begin(), u'0');
    return digits;
}

const WString& pick(const WString* table, std::size_t count, std::size_t index)
{
    static const WString none;
    return index < count ? table[index] : none;
}

} // namespace

WString DatePicture::fromStrftime(const WString& format)
{
    WString picture;
    bool quoting = false;
    // Letters outside a token are text and go in quotes, one quoted run per word.
    auto text = [&picture, &quoting](WChar c) {
        const bool quote = isAsciiLetter(c) || c == u'\'';
        if (quote && !quoting)
            picture += u'\'';
        else if (!quote && quoting)
            picture += u'\'';
        quoting = quote;
        picture += (c == u'\'') ? WString(u"''") : WString(1, c);
    };
    auto token = [&picture, &quoting](const char16_t* letters) {
        if (quoting)
            picture += u'\'';
        quoting = false;
        picture += letters;
    };

    for (std::size_t i = 0; i < format.size(); ++i) {
        WChar c = format[i];
        if (c != u'%' || i + 1 == format.size()) {
            text(c);
            continue;
        }
        c = format[++i];
        // glibc's flags: "%-d" drops the leading zero, "%_d" pads with a blank.
        bool noPadding = false;
        if ((c == u'-' || c == u'_' || c == u'0') && i + 1 < format.size()) {
            noPadding = (c != u'0');
            c = format[++i];
        }
        switch (c) {
        case u'd': token(noPadding ? u"d" : u"dd"); break;
        case u'e': token(u"d"); break;
        case u'm': token(noPadding ? u"M" : u"MM"); break;
        case u'y': token(u"yy"); break;
        case u'Y': case u'G': token(u"yyyy"); break;
        case u'b': case u'h': token(u"MMM"); break;
        case u'B': token(u"MMMM"); break;
        case u'a': token(u"ddd"); break;
        case u'A': token(u"dddd"); break;
        case u'D': token(u"MM/dd/yy"); break;
        case u'F': token(u"yyyy-MM-dd"); break;
        case u'%': text(u'%'); break;
        case u'n': case u't': text(u' '); break;
        default: break; // not part of a date
        }
    }
    if (quoting)
        picture += u'\'';
    return picture;
}

WString DatePicture::withoutYear(const WString& picture)
{
    WString result;
    std::size_t i = 0;
    while (i < picture.size()) {
        if (picture[i] != u'y' && picture[i] != u'Y') {
            result += picture[i++];
            continue;
        }
        while (i < picture.size() && (picture[i] == u'y' || picture[i] == u'Y'))
            ++i;
        if (result.empty())
            ++i; // a leading year takes the separator after it
        else
            result.pop_back(); // otherwise the one before it; what follows stays
    }
    return result;
}

bool DatePicture::format(const WString& picture, const Platform::LocalTime& date, const Names& names,
                         std::size_t capacity, WString& result)
{
    WString text;
    std::size_t i = 0;
    while (i < picture.size()) {
        const WChar c = picture[i];
        if (c == u'\'') {
            ++i;
            if (i < picture.size() && picture[i] == u'\'') {
                text += u'\'';
                ++i;
                continue;
            }
            while (i < picture.size()) {
                if (picture[i] == u'\'') {
                    if (i + 1 < picture.size() && picture[i + 1] == u'\'') {
                        text += u'\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                text += picture[i++];
            }
            continue;
        }
        if (!isPictureLetter(c)) {
            text += c;
            ++i;
            continue;
        }
        std::size_t run = 0;
        while (i < picture.size() && (picture[i] == c || ((c == u'y' || c == u'Y') && (picture[i] == u'y' || picture[i] == u'Y')))) {
            ++run;
            ++i;
        }
        switch (c) {
        case u'd':
            if (run <= 2)
                text += number(date.day, run);
            else if (run == 3)
                text += pick(names.shortDays.data(), names.shortDays.size(), date.dayOfWeek);
            else
                text += pick(names.days.data(), names.days.size(), date.dayOfWeek);
            break;
        case u'M':
            if (run <= 2)
                text += number(date.month, run);
            else if (run == 3)
                text += pick(names.shortMonths.data(), names.shortMonths.size(), date.month - 1u);
            else
                text += pick(names.months.data(), names.months.size(), date.month - 1u);
            break;
        case u'y':
        case u'Y':
            if (run <= 2)
                text += number(date.year % 100u, run);
            else
                text += number(date.year, 4);
            break;
        default: // era: this calendar has none worth showing
            break;
        }
    }
    if (text.size() > capacity)
        return false;
    result = text;
    return true;
}

} // namespace Connector
