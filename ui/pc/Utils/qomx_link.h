#pragma once

#include <QString>

namespace Utils {

// The text of a link of the program's URL scheme, as a My Room invitation carries it:
// Base64 of items such as `call="…" chat="…" webcollab="…" jid="…"`.
namespace QomxLink {

bool hasControlCharacters(const QString& text);

// The value of the first `name="…"` in `text`, also inside a longer name; empty without
// one or without its closing quote.
QString value(const QString& text, const QString& name);

// The link's decoded items, or false with `error` saying why the link is refused.
bool decode(const QString& link, int maxLength, QString& text, QString* error);

} // namespace QomxLink
} // namespace Utils
