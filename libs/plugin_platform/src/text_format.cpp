#include "Platform/text_format.h"

#include "Platform/wide_string.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace Platform {

namespace {

class Output
{
public:
    Output(char* buffer, std::size_t capacity) : m_Buffer(buffer), m_Capacity(capacity) {}

    void append(const char* text, std::size_t length)
    {
        if (m_Capacity == 0)
            return;
        const std::size_t room = m_Capacity - 1 - m_Length;
        const std::size_t count = length < room ? length : room;
        std::memcpy(m_Buffer + m_Length, text, count);
        m_Length += count;
        m_Buffer[m_Length] = 0;
    }

    std::size_t length() const { return m_Length; }

private:
    char* m_Buffer;
    std::size_t m_Capacity;
    std::size_t m_Length = 0;
};

void appendFormatted(Output& out, const char* directive, ...)
{
    char piece[2048];
    va_list arguments;
    va_start(arguments, directive);
    const int written = std::vsnprintf(piece, sizeof piece, directive, arguments);
    va_end(arguments);
    if (written > 0)
        out.append(piece, static_cast<std::size_t>(written) < sizeof piece ? written : sizeof piece - 1);
}

} // namespace

std::size_t formatText(char* buffer, std::size_t capacity, const char* format, va_list arguments)
{
    Output out(buffer, capacity);
    if (capacity > 0)
        buffer[0] = 0;
    if (!format)
        return 0;
    va_list args;
    va_copy(args, arguments);
    const char* p = format;
    while (*p) {
        if (*p != '%') {
            const char* start = p;
            while (*p && *p != '%')
                ++p;
            out.append(start, static_cast<std::size_t>(p - start));
            continue;
        }
        const char* start = p++;
        if (*p == '%') {
            out.append("%", 1);
            ++p;
            continue;
        }
        while (*p && std::strchr("-+ #0", *p))
            ++p;
        bool widthArgument = false;
        bool precisionArgument = false;
        if (*p == '*') {
            widthArgument = true;
            ++p;
        } else {
            while (*p >= '0' && *p <= '9')
                ++p;
        }
        if (*p == '.') {
            ++p;
            if (*p == '*') {
                precisionArgument = true;
                ++p;
            } else {
                while (*p >= '0' && *p <= '9')
                    ++p;
            }
        }
        std::string lengthModifier;
        while (*p && std::strchr("hljztLw", *p))
            lengthModifier.push_back(*p++);
        const char conversion = *p;
        if (!conversion) {
            out.append(start, static_cast<std::size_t>(p - start));
            break;
        }
        ++p;
        int width = widthArgument ? va_arg(args, int) : 0;
        int precision = precisionArgument ? va_arg(args, int) : 0;
        std::string directive(start, static_cast<std::size_t>(p - start));
        const bool wide = lengthModifier == "w" || lengthModifier == "l";
        if (conversion == 's' && wide) {
            // 16-bit text: written as UTF-8 through a plain %s of the same flags and width.
            const std::string utf8 = wideToUtf8(va_arg(args, const WChar*));
            directive.erase(directive.size() - 1 - lengthModifier.size(), lengthModifier.size());
            if (widthArgument && precisionArgument)
                appendFormatted(out, directive.c_str(), width, precision, utf8.c_str());
            else if (widthArgument)
                appendFormatted(out, directive.c_str(), width, utf8.c_str());
            else if (precisionArgument)
                appendFormatted(out, directive.c_str(), precision, utf8.c_str());
            else
                appendFormatted(out, directive.c_str(), utf8.c_str());
            continue;
        }
        if (lengthModifier == "w") {
            // Any other conversion with "w" is not one we know: copy it unchanged.
            out.append(start, static_cast<std::size_t>(p - start));
            continue;
        }
        auto emit = [&](auto value) {
            if (widthArgument && precisionArgument)
                appendFormatted(out, directive.c_str(), width, precision, value);
            else if (widthArgument)
                appendFormatted(out, directive.c_str(), width, value);
            else if (precisionArgument)
                appendFormatted(out, directive.c_str(), precision, value);
            else
                appendFormatted(out, directive.c_str(), value);
        };
        switch (conversion) {
        case 'd':
        case 'i':
        case 'u':
        case 'x':
        case 'X':
        case 'o':
        case 'c':
            if (lengthModifier == "ll" || lengthModifier == "j")
                emit(va_arg(args, long long));
            else if (lengthModifier == "l")
                emit(va_arg(args, long));
            else if (lengthModifier == "z" || lengthModifier == "t")
                emit(va_arg(args, std::size_t));
            else
                emit(va_arg(args, int));
            break;
        case 'f':
        case 'F':
        case 'e':
        case 'E':
        case 'g':
        case 'G':
            if (lengthModifier == "L")
                emit(va_arg(args, long double));
            else
                emit(va_arg(args, double));
            break;
        case 's': {
            const char* text = va_arg(args, const char*);
            emit(text ? text : "(null)");
            break;
        }
        case 'p':
            emit(va_arg(args, void*));
            break;
        default:
            out.append(start, static_cast<std::size_t>(p - start));
            break;
        }
    }
    va_end(args);
    return out.length();
}

std::size_t formatTextV(char* buffer, std::size_t capacity, const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    const std::size_t length = formatText(buffer, capacity, format, arguments);
    va_end(arguments);
    return length;
}

} // namespace Platform
