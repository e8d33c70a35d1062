// Links of the program's URL scheme, as any web page can hand them over: any text is read
// or refused without harm, and what is read names a room or its owner.
#include "Utils/qomx_link.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    constexpr int MaxLength = 8192;
    const QString link = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
    QString text;
    QString error;
    if (Utils::QomxLink::decode(link, MaxLength, text, &error)) {
        if (Utils::QomxLink::value(text, "chat").isEmpty() && Utils::QomxLink::value(text, "jid").isEmpty())
            std::abort();
        for (const char* item : {"call", "chat", "webcollab", "jid"}) {
            if (Utils::QomxLink::value(text, item).contains('"'))
                std::abort();
        }
    } else if (error.isEmpty()) {
        std::abort();
    }
    // The items' reader alone, on text that never was Base64.
    Utils::QomxLink::value(link, "chat");
    return 0;
}
