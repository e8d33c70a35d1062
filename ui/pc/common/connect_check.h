#pragma once

// Checked signal connections: an essential connection that fails is logged at
// error level with a marker naming how many arguments the connect call had
// ("___connect4_check___ failed"), and the program goes on.
//
//     CHECKED_CONNECT(session, SIGNAL(closed()), this, SLOT(onClosed()));
//     CHECKED_CONNECT(this, SIGNAL(changed()), SLOT(onChanged()));  // inside a QObject member
//     if (!CHECKED_CONNECT(a, SIGNAL(x()), b, SLOT(y()), Qt::QueuedConnection)) { ... }
//
// The macro expands to QObject::connect with the same arguments and yields
// whether the connection was made.

#include "common/logging.h"

#include <QObject>

namespace Common {
namespace ConnectCheck {

// The logged text for a failed connect call of 3, 4 or 5 arguments; null otherwise.
constexpr const char* failureText(int argumentCount)
{
    switch (argumentCount) {
    case 3:
        return "___connect3_check___ failed";
    case 4:
        return "___connect4_check___ failed";
    case 5:
        return "___connect5_check___ failed";
    default:
        return nullptr;
    }
}

template <int ArgumentCount>
inline bool report(bool connected, const char* file, int line, const char* function)
{
    static_assert(failureText(ArgumentCount) != nullptr, "a connect call takes 3 to 5 arguments");
    if (!connected) {
        ::Tesk::Core::Logging::ApacheLogger(file, line, function, Logging::Error, Logging::AppLogger)
            << failureText(ArgumentCount);
    }
    return connected;
}

} // namespace ConnectCheck
} // namespace Common

#define TELVARION_ARG_COUNT_PICK(_1, _2, _3, _4, _5, _6, _7, count, ...) count
#define TELVARION_ARG_COUNT(...) TELVARION_ARG_COUNT_PICK(__VA_ARGS__, 7, 6, 5, 4, 3, 2, 1, 0)

#define CHECKED_CONNECT(...)                                                                       \
    ::Common::ConnectCheck::report<TELVARION_ARG_COUNT(__VA_ARGS__)>(                              \
        static_cast<bool>(QObject::connect(__VA_ARGS__)), __FILE__, __LINE__, LOG_FUNCTION_NAME)
