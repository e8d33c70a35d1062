#include "telvarion_hid/locale_id.h"

#include "Platform/string_table.h"

#include <cstring>

namespace Connector {

namespace {

struct LocaleEntry
{
    const char* tag;
    std::uint16_t id;
};

const LocaleEntry Locales[] = {
    {"de-DE", 0x0407}, {"en-US", 0x0409}, {"fr-FR", 0x040C}, {"fr-CA", 0x0C0C}, {"it-IT", 0x0410},
    {"ja-JP", 0x0411}, {"ko-KR", 0x0412}, {"zh-CN", 0x0804}, {"es-ES", 0x0C0A},
};

} // namespace

std::uint16_t LocaleId::fromLanguageTag(const char* tag)
{
    if (tag)
        for (const LocaleEntry& entry : Locales)
            if (std::strcmp(entry.tag, tag) == 0)
                return entry.id;
    return 0x0409;
}

std::uint16_t LocaleId::userDefault()
{
    return fromLanguageTag(Platform::StringTable::language());
}

} // namespace Connector
