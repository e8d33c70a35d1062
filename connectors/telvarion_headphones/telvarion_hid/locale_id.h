#pragma once

#include <cstdint>

namespace Connector {

// The numeric locale identifier that the phone takes as its language.
class LocaleId
{
public:
    // From the language the plug-in's texts are shown in; US English when it is not one
    // the phone knows.
    static std::uint16_t userDefault();
    static std::uint16_t fromLanguageTag(const char* tag);
};

} // namespace Connector
