#pragma once

#include <QString>

namespace Kivo {
namespace Utils {

class PhoneNumberParser
{
public:
    // The number as it is dialled: a leading "+", digits, "*" and "#"; blanks, dashes,
    // dots and brackets go. Empty when nothing dialable is left.
    static QString normalizePhoneNumber(const QString& number);
};

} // namespace Utils
} // namespace Kivo
