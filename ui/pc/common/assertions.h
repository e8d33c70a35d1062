#pragma once

// Assertions that never end the program: a failed condition is logged at error
// level with its own text and the function goes on as the macro says.
//
//     ASSERT_RETURN(window);                    // "window failed. Returning from failed assertion"
//     ASSERT_RETURN_VALUE(session, false);      // "... with return value"
//     ASSERT_CONTINUE(index >= 0);              // "... Continuing with failed assertion"
//
// ASSERT_CONTINUE yields the condition, so it can also guard a branch.

#include "common/logging.h"

#define ASSERT_RETURN(condition)                                                                   \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            LOG_ERROR << #condition " failed. Returning from failed assertion";                   \
            return;                                                                                \
        }                                                                                          \
    } while (false)

#define ASSERT_RETURN_VALUE(condition, value)                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            LOG_ERROR << #condition " failed. Returning from failed assertion with return value"; \
            return value;                                                                          \
        }                                                                                          \
    } while (false)

#define ASSERT_CONTINUE(condition)                                                                 \
    (static_cast<bool>(condition)                                                                  \
         ? true                                                                                    \
         : ((LOG_ERROR << #condition " failed. Continuing with failed assertion"), false))
