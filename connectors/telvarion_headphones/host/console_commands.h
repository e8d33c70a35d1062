#pragma once

#include "TelvarionApi/api.h"

#include <cstdio>
#include <string>

namespace Host {

// The add-in console's typed commands: each line is one command with its argument; every
// command answers on the console, with what it sent, why it could not, or how to use it.
class ConsoleCommands
{
public:
    explicit ConsoleCommands(std::FILE* out) : m_Out(out) {}

    // False when the person is done ("quit").
    bool run(TelvarionApi::Api& api, const std::string& line);
    void usage();

private:
    void say(const char* format, ...) __attribute__((format(printf, 2, 3)));

    std::FILE* m_Out;
};

} // namespace Host
