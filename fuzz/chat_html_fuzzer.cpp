// Chat messages from other people, turned into the chat page's HTML: whatever the text,
// the only markup in the result is the page's own (links, emoticon pictures, line breaks),
// and nothing of the text ever ends an attribute.
#include "Models/Chat/message_text.h"

#include <Kivo/Models/Smileys.h>

#include <QGuiApplication>

#include <algorithm>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// The tags the page itself writes, each closed before the next one opens.
bool onlyOwnMarkup(const QString& html)
{
    static const QStringList allowed = {"<a href=\"", "</a>", "<br/>", "<img class=\"smiley\" "};
    int position = 0;
    while ((position = html.indexOf('<', position)) >= 0) {
        const auto opens = [&](const QString& tag) { return html.midRef(position, tag.size()) == tag; };
        if (std::none_of(allowed.cbegin(), allowed.cend(), opens))
            return false;
        const int end = html.indexOf('>', position);
        if (end < 0 || html.midRef(position + 1, end - position - 1).contains('<'))
            return false;
        position = end + 1;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const Kivo::Models::Smileys smileys;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
    for (const bool links : {true, false}) {
        const QString html = Models::Chat::messageTextToHtml(text, smileys, links);
        if (!onlyOwnMarkup(html)) {
            std::fprintf(stderr, "markup from the text: %s\n", qPrintable(html));
            std::abort();
        }
    }
    return 0;
}
