#pragma once

#include "Platform/wide_string.h"

namespace Platform {

// The plug-in's compiled-in string table (ids 102..123) in nine languages, chosen by the
// user's locale (LC_ALL, LC_MESSAGES, LANG); other locales read the English texts.
class StringTable
{
public:
    static constexpr unsigned FirstId = 102;
    static constexpr unsigned LastId = 123;

    // The language tag in use, e.g. "en-US", "de-DE", "fr-CA".
    static const char* language();

    // The text, or null for an unknown id (errno is then ENOENT).
    static const WChar* load(unsigned id);
};

} // namespace Platform
