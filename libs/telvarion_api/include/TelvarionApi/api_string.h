#pragma once

#include <cstddef>
#include <string>

namespace TelvarionApi {

// A UTF-8 text as the client sends it: bytes and their count, always terminated.
class String
{
public:
    String() = default;
    String(const char* text) : m_Bytes(text ? text : "") {}
    String(const char* bytes, std::size_t length) : m_Bytes(bytes ? std::string(bytes, length) : std::string()) {}
    String(std::string bytes) : m_Bytes(std::move(bytes)) {}

    const char* bytes() const { return m_Bytes.c_str(); }
    std::size_t length() const { return m_Bytes.size(); }
    bool empty() const { return m_Bytes.empty(); }
    const std::string& str() const { return m_Bytes; }

    bool operator==(const String& other) const { return m_Bytes == other.m_Bytes; }
    bool operator!=(const String& other) const { return m_Bytes != other.m_Bytes; }

private:
    std::string m_Bytes;
};

} // namespace TelvarionApi
