#pragma once

// Stream logging of the program's own code through the toolkit logger:
//
//     LOG_INFO << "signed in as " << userName;
//     TRACE_SCOPE;   // logs entry and exit of the enclosing method
//
// Every record carries the source path, the line, the qualified function name
// ("Application::initialize", worked out at compile time), the level and the
// logger name "AppLogger". The record is written at the end of the statement.

#include <Tesk/Core/Logging/ApacheLogger.h>

#include <cstddef>

namespace Common {
namespace Logging {

constexpr const char* AppLogger = "AppLogger";
constexpr const char* QtLogger = "QtLogger";

enum Level : unsigned short {
    Trace = 0,
    Debug = 1,
    Info = 2,
    Warning = 3,
    Error = 4,
    Fatal = 5
};

// Holds the qualified name cut out of a compiler function signature.
template <std::size_t N>
struct FunctionName {
    char text[N] = {};
};

namespace Detail {

constexpr bool matchesAt(const char* text, std::size_t length, std::size_t at, const char* what)
{
    for (std::size_t i = 0; what[i] != '\0'; ++i) {
        if (at + i >= length || text[at + i] != what[i])
            return false;
    }
    return true;
}

constexpr std::size_t find(const char* text, std::size_t length, const char* what)
{
    for (std::size_t i = 0; i < length; ++i) {
        if (matchesAt(text, length, i, what))
            return i;
    }
    return length;
}

// The opening parenthesis of the parameter list that ends before `end`.
constexpr std::size_t parameterListStart(const char* text, std::size_t end)
{
    std::size_t close = end;
    while (close > 0 && text[close - 1] != ')')
        --close;
    if (close == 0)
        return end;
    int depth = 0;
    for (std::size_t i = close; i > 0; --i) {
        const char c = text[i - 1];
        if (c == ')')
            ++depth;
        else if (c == '(' && --depth == 0)
            return i - 1;
    }
    return end;
}

} // namespace Detail

// "virtual bool QML::Style::setColor(const QString&, QVariant) const" -> "QML::Style::setColor";
// a lambda is named after the function that holds it; template arguments
// ("[with T = int]") are dropped.
template <std::size_t N>
constexpr FunctionName<N> qualifiedFunctionName(const char (&signature)[N])
{
    const std::size_t length = N - 1;
    std::size_t end = Detail::find(signature, length, " [with ");
    std::size_t lambda = Detail::find(signature, end, "::<lambda");
    while (lambda < end) {
        end = lambda;
        lambda = Detail::find(signature, end, "::<lambda");
    }
    const std::size_t open = Detail::parameterListStart(signature, end);
    std::size_t start = open;
    int depth = 0;
    while (start > 0) {
        const char c = signature[start - 1];
        if (c == '>')
            ++depth;
        else if (c == '<' && depth > 0)
            --depth;
        else if (c == ' ' && depth == 0)
            break;
        --start;
    }
    FunctionName<N> name;
    for (std::size_t i = start; i < open; ++i)
        name.text[i - start] = signature[i];
    return name;
}

} // namespace Logging
} // namespace Common

// The qualified name of the enclosing function as a string of static storage.
#define LOG_FUNCTION_NAME                                                                          \
    (__extension__({                                                                               \
        static constexpr auto telvarionFunctionName_ =                                             \
            ::Common::Logging::qualifiedFunctionName(__PRETTY_FUNCTION__);                         \
        telvarionFunctionName_.text;                                                               \
    }))

#define LOG_AT(level)                                                                              \
    ::Tesk::Core::Logging::ApacheLogger(__FILE__, __LINE__, LOG_FUNCTION_NAME,                     \
                                        static_cast<unsigned short>(level),                        \
                                        ::Common::Logging::AppLogger)

#define LOG_TRACE LOG_AT(::Common::Logging::Trace)
#define LOG_DEBUG LOG_AT(::Common::Logging::Debug)
#define LOG_INFO LOG_AT(::Common::Logging::Info)
#define LOG_WARNING LOG_AT(::Common::Logging::Warning)
#define LOG_ERROR LOG_AT(::Common::Logging::Error)
#define LOG_FATAL LOG_AT(::Common::Logging::Fatal)

#define TELVARION_CONCAT_INNER(a, b) a##b
#define TELVARION_CONCAT(a, b) TELVARION_CONCAT_INNER(a, b)

#define TRACE_SCOPE                                                                                \
    const ::Tesk::Core::Logging::CTraceScope TELVARION_CONCAT(telvarionTraceScope_, __LINE__)(    \
        LOG_FUNCTION_NAME, __FILE__, __LINE__, false, ::Common::Logging::AppLogger)
