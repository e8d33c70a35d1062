#pragma once

#include <QString>

namespace Kivo {
namespace Utils {

class SipUriParser
{
public:
    // The SIP URI that reaches `target`: a "sip:", "sips:" or "tel:" URI stays as it is, an
    // address gets the "sip:" scheme, and a number or name becomes a user of `domain`.
    // Empty for an empty target.
    static QString parseUriTp(const QString& target, const QString& domain);
};

} // namespace Utils
} // namespace Kivo
