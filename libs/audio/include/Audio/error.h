#pragma once

#include <string>

namespace Audio {

// What went wrong in a call to the audio system, for the caller's log.
struct Error
{
    int code = 0;
    std::string text;
};

} // namespace Audio
