#include "Platform/wide_string.h"

namespace Platform {

std::size_t wideLength(const WChar* text)
{
    if (!text)
        return 0;
    std::size_t length = 0;
    while (text[length])
        ++length;
    return length;
}

std::size_t copyWide(WChar* target, std::size_t capacity, const WChar* source)
{
    if (!target || capacity == 0)
        return 0;
    std::size_t count = 0;
    if (source) {
        while (count + 1 < capacity && source[count]) {
            target[count] = source[count];
            ++count;
        }
    }
    target[count] = 0;
    return count;
}

WString widenBytes(const char* text)
{
    WString result;
    if (!text)
        return result;
    for (const char* p = text; *p; ++p)
        result.push_back(static_cast<WChar>(static_cast<unsigned char>(*p)));
    return result;
}

bool utf8ToWide(const char* text, std::size_t length, WString& result)
{
    result.clear();
    if (!text)
        return true;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    std::size_t i = 0;
    while (i < length) {
        const unsigned char lead = bytes[i];
        if (lead == 0)
            break;
        std::size_t extra = 0;
        char32_t code = 0;
        char32_t minimum = 0;
        if (lead < 0x80) {
            result.push_back(lead);
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1, code = lead & 0x1F, minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2, code = lead & 0x0F, minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3, code = lead & 0x07, minimum = 0x10000;
        } else {
            return false;
        }
        if (i + extra >= length) {
            // A sequence cut by the end of the input: check what is there, drop the rest.
            for (std::size_t k = i + 1; k < length; ++k) {
                if ((bytes[k] & 0xC0) != 0x80)
                    return false;
            }
            break;
        }
        for (std::size_t k = 1; k <= extra; ++k) {
            const unsigned char next = bytes[i + k];
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        if (code >= 0x10000) {
            code -= 0x10000;
            result.push_back(static_cast<WChar>(0xD800 + (code >> 10)));
            result.push_back(static_cast<WChar>(0xDC00 + (code & 0x3FF)));
        } else {
            result.push_back(static_cast<WChar>(code));
        }
        i += extra + 1;
    }
    return true;
}

std::string wideToUtf8(const WChar* text)
{
    std::string result;
    if (!text)
        return result;
    for (const WChar* p = text; *p; ++p) {
        const unsigned unit = *p;
        if (unit < 0x80) {
            result.push_back(static_cast<char>(unit));
        } else if (unit < 0x800) {
            result.push_back(static_cast<char>(0xC0 | (unit >> 6)));
            result.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
        } else if ((unit >= 0xD800 && unit <= 0xDFFF) || unit == 0xFFFF) {
            break;
        } else {
            result.push_back(static_cast<char>(0xE0 | (unit >> 12)));
            result.push_back(static_cast<char>(0x80 | ((unit >> 6) & 0x3F)));
            result.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
        }
    }
    return result;
}

std::string narrowLowBytes(const WChar* text)
{
    std::string result;
    if (!text)
        return result;
    for (const WChar* p = text; *p; ++p)
        result.push_back(static_cast<char>(*p & 0xFF));
    return result;
}

} // namespace Platform
