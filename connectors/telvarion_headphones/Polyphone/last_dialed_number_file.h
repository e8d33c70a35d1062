#pragma once

#include "Platform/wide_string.h"

#include <string>

namespace Connector {

// The last number dialled from the phone, kept in a file as UTF-16LE without byte-order
// mark or terminator.
class LastDialedNumberFile
{
public:
    static constexpr std::size_t MaxDigits = 20;

    explicit LastDialedNumberFile(std::string path = "lastdial.txt");

    bool store(const Platform::WChar* digits);
    // The number, or null when there is none; valid until the next load.
    const Platform::WChar* load();

private:
    std::string m_Path;
    Platform::WChar m_Number[MaxDigits + 1] = {};
};

} // namespace Connector
