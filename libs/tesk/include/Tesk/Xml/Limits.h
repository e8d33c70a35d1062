#pragma once

#include <QByteArray>
#include <QString>

namespace Tesk {
namespace Xml {

// Bounds on the shape of a document that no configuration or service document comes
// near. A document past them is refused before a parser spends time on it: an element
// with tens of thousands of attributes costs a parser minutes of checking each one
// against the others.
struct Limits
{
    int maxDepth = 64;
    int maxAttributes = 256; // on one element
};

// One pass over the bytes. False, with `error` naming the limit, when the document goes
// past one; markup that is not well-formed is left to the parser to reject.
bool withinLimits(const QByteArray& document, QString* error, const Limits& limits = Limits());

} // namespace Xml
} // namespace Tesk
