#pragma once

#include "Platform/wide_string.h"

#include <cstddef>

namespace Connector {

using WChar = Platform::WChar;

// Decodes a name as the client sends it (UTF-8); a malformed one is logged and gives an
// empty text.
bool decodeName(const char* utf8, std::size_t length, Platform::WString& text);

// A display name: at most 24 characters and a terminator.
class Name
{
public:
    static constexpr std::size_t Capacity = 25;

    Name();

    // Decodes at most the first 25 bytes of a UTF-8 text; a missing text gives an empty name.
    bool Set(const char* utf8);
    void Set(const WChar* text);
    void clear();

    const WChar* c_str() const { return m_Text; }
    bool empty() const { return m_Text[0] == 0; }

private:
    WChar m_Text[Capacity];
};

} // namespace Connector
