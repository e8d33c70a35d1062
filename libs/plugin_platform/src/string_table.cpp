#include "Platform/string_table.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

namespace Platform {

namespace {

constexpr unsigned TextCount = StringTable::LastId - StringTable::FirstId + 1;

using Texts = const WChar* [TextCount];

const Texts EnglishTexts = {
    u"Unknown",         // 102
    u"Offline",         // 103
    u"Chatty",          // 104
    u"Available",       // 105
    u"Away",            // 106
    u"ExtendedAway",    // 107
    u"Busy",            // 108
    u"Conference",      // 109
    u"Busy in call",    // 110
    u"Busy in meeting", // 111
    u"Calling",         // 112
    u"Incoming call",   // 113
    u"Call from",       // 114
    u"In call",         // 115
    u"Call on hold",    // 116
    u"Call on hold",    // 117
    u"Call ended",      // 118
    u"%2u:%02u",        // 119
    u"Enter a number to dial",                     // 120
    u"Polycom device Add-in",                      // 121
    u"Marlowane Inc",                              // 122
    u"Add-in for supporting Polycom USB devices.", // 123
};

struct Language
{
    const char* tag;
    const char* localePrefix; // as in LANG, e.g. "fr_CA"
    const Texts* texts;       // null: every text from the English table
};

// The languages the table is made for; texts not yet translated fall back to English.
const Language Languages[] = {
    {"en-US", "en", &EnglishTexts},
    {"de-DE", "de", nullptr},
    {"fr-CA", "fr_CA", nullptr},
    {"fr-FR", "fr", nullptr},
    {"it-IT", "it", nullptr},
    {"ja-JP", "ja", nullptr},
    {"ko-KR", "ko", nullptr},
    {"zh-CN", "zh", nullptr},
    {"es-ES", "es", nullptr},
};

std::string localeName()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && value[0])
            return value;
    }
    return std::string();
}

const Language& chosenLanguage()
{
    const std::string locale = localeName();
    for (const Language& language : Languages) {
        const std::size_t length = std::strlen(language.localePrefix);
        if (locale.compare(0, length, language.localePrefix) == 0
            && (locale.size() == length || locale[length] == '_' || locale[length] == '.' || locale[length] == '@'))
            return language;
    }
    return Languages[0];
}

} // namespace

const char* StringTable::language()
{
    return chosenLanguage().tag;
}

const WChar* StringTable::load(unsigned id)
{
    if (id < FirstId || id > LastId) {
        errno = ENOENT;
        return nullptr;
    }
    const unsigned index = id - FirstId;
    const Texts* texts = chosenLanguage().texts;
    if (texts && (*texts)[index])
        return (*texts)[index];
    return EnglishTexts[index];
}

} // namespace Platform
