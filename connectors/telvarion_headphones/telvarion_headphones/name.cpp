#include "name.h"

#include "logger.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace Connector {

bool decodeName(const char* utf8, std::size_t length, Platform::WString& text)
{
    if (Platform::utf8ToWide(utf8, length, text))
        return true;
    text.clear();
    const int code = EILSEQ;
    Logger::instance().error(CategoryWindow,
                             "Connector::Name::Set, Error %d (%s) in converting multi-byte string to wide characters",
                             code, Logger::errorText(code));
    return false;
}

Name::Name()
{
    m_Text[0] = 0;
}

bool Name::Set(const char* utf8)
{
    m_Text[0] = 0;
    if (!utf8)
        return true;
    Platform::WString wide;
    if (!decodeName(utf8, std::min<std::size_t>(std::strlen(utf8), Capacity), wide))
        return false;
    Platform::copyWide(m_Text, Capacity, wide.c_str());
    return true;
}

void Name::Set(const WChar* text)
{
    const std::size_t length = Platform::copyWide(m_Text, Capacity, text);
    // A character cut in half at the limit would reach the display as garbage.
    if (length > 0 && m_Text[length - 1] >= 0xD800 && m_Text[length - 1] <= 0xDBFF)
        m_Text[length - 1] = 0;
}

void Name::clear()
{
    m_Text[0] = 0;
}

} // namespace Connector
