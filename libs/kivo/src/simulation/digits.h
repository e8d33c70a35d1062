#pragma once

#include <QString>

namespace Kivo {
namespace Simulation {

// The digits of a number as dialled, without blanks or marks.
inline QString digitsOf(const QString& number)
{
    QString digits;
    for (const QChar c : number) {
        if (c.isDigit())
            digits.append(c);
    }
    return digits;
}

} // namespace Simulation
} // namespace Kivo
