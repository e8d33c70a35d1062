#include "Polyphone/user_locale.h"

#include <cerrno>
#include <cstring>
#include <langinfo.h>
#include <locale.h>

namespace Connector {

namespace {

Platform::WString decoded(const char* text)
{
    Platform::WString wide;
    if (text == nullptr)
        return wide;
    if (!Platform::utf8ToWide(text, std::strlen(text), wide))
        wide = Platform::widenBytes(text);
    return wide;
}

// A time locale of the user's environment, released with the object.
class TimeLocale
{
public:
    TimeLocale()
        : m_Locale(newlocale(LC_TIME_MASK, "", static_cast<locale_t>(nullptr)))
    {
    }
    ~TimeLocale()
    {
        if (m_Locale != static_cast<locale_t>(nullptr))
            freelocale(m_Locale);
    }
    TimeLocale(const TimeLocale&) = delete;
    TimeLocale& operator=(const TimeLocale&) = delete;

    bool isValid() const { return m_Locale != static_cast<locale_t>(nullptr); }
    Platform::WString item(nl_item which) const { return decoded(nl_langinfo_l(which, m_Locale)); }

private:
    locale_t m_Locale;
};

} // namespace

bool UserLocale::shortDatePicture(Platform::WString& picture, int& error)
{
    const TimeLocale locale;
    if (!locale.isValid()) {
        error = errno;
        return false;
    }
    const Platform::WString format = locale.item(D_FMT);
    if (format.empty()) {
        error = ENOENT;
        return false;
    }
    picture = DatePicture::fromStrftime(format);
    return true;
}

DatePicture::Names UserLocale::dateNames()
{
    DatePicture::Names names;
    const TimeLocale locale;
    if (!locale.isValid())
        return names;
    for (int day = 0; day < 7; ++day) {
        names.shortDays[static_cast<std::size_t>(day)] = locale.item(ABDAY_1 + day);
        names.days[static_cast<std::size_t>(day)] = locale.item(DAY_1 + day);
    }
    for (int month = 0; month < 12; ++month) {
        names.shortMonths[static_cast<std::size_t>(month)] = locale.item(ABMON_1 + month);
        names.months[static_cast<std::size_t>(month)] = locale.item(MON_1 + month);
    }
    return names;
}

} // namespace Connector
