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
    Platform::copyWide(m_Text, Capacity, text);
}

void Name::clear()
{
    m_Text[0] = 0;
}

} // namespace Connector
