#include "Polyphone/polyphone_time_text.h"

#include <cstdio>

namespace Connector {

namespace {

// Only pictures with exactly two unsigned conversions are passed to the formatter: the
// picture comes from a translated table, and anything else could read beyond its arguments.
bool hasTwoUnsignedConversions(const std::string& picture)
{
    int conversions = 0;
    for (std::size_t i = 0; i < picture.size(); ++i) {
        if (picture[i] != '%')
            continue;
        ++i;
        if (i < picture.size() && picture[i] == '%')
            continue;
        while (i < picture.size() && ((picture[i] >= '0' && picture[i] <= '9') || picture[i] == '-' || picture[i] == ' '))
            ++i;
        if (i >= picture.size() || picture[i] != 'u')
            return false;
        ++conversions;
    }
    return conversions == 2;
}

} // namespace

bool PolyphoneTimeText::format(const Platform::WChar* picture, unsigned first, unsigned second, Platform::WString& text)
{
    if (picture == nullptr)
        return false;
    const std::string narrowPicture = Platform::wideToUtf8(picture);
    if (!hasTwoUnsignedConversions(narrowPicture))
        return false;
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, narrowPicture.c_str(), first, second);
    Platform::WString wide;
    if (length < 0 || static_cast<std::size_t>(length) >= sizeof buffer
        || !Platform::utf8ToWide(buffer, static_cast<std::size_t>(length), wide) || wide.size() > Capacity)
        return false;
    text = wide;
    return true;
}

bool PolyphoneTimeText::duration(const Platform::WChar* picture, std::uint64_t seconds, Platform::WString& text)
{
    const std::uint64_t minutes = seconds / 60;
    const auto secondsShown = static_cast<unsigned>(seconds % 60);
    if (minutes <= 0xFFFFFFFFu && format(picture, static_cast<unsigned>(minutes), secondsShown, text))
        return true;
    return format(picture, static_cast<unsigned>((seconds % 3600) / 60), secondsShown, text);
}

} // namespace Connector
