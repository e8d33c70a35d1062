#pragma once

#include <QString>

namespace Kivo {
namespace Utils {

// Phone numbers as people type and dial them.
class PhoneNumberParser
{
public:
    // The number as it is dialled: a leading "+", digits, "*" and "#"; blanks, dashes,
    // dots and brackets go. Empty when nothing dialable is left.
    static QString normalizePhoneNumber(const QString& number);
    // Whether the text is a number that can be dialled: digits, "*" and "#", with an optional
    // leading "+", written with blanks, dashes, dots, slashes or brackets at most; at least
    // one digit and at most 32 signs once normalised.
    static bool isValidPhoneNumber(const QString& text);
    // What a call to the typed text calls: the normalised number for a phone number, the
    // address for a SIP address ("sip:" or "sips:" taken off) or a tel: link's number; empty
    // for anything else, such as a name.
    static QString getCallableAddress(const QString& text);
};

} // namespace Utils
} // namespace Kivo
