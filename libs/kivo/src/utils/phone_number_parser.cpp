#include <Kivo/Utils/PhoneNumberParser.h>

namespace Kivo {
namespace Utils {

QString PhoneNumberParser::normalizePhoneNumber(const QString& number)
{
    const QString text = number.trimmed();
    QString dialled;
    for (const QChar c : text) {
        if ((c >= '0' && c <= '9') || c == '*' || c == '#' || (c == '+' && dialled.isEmpty()))
            dialled.append(c);
    }
    return dialled == QLatin1String("+") ? QString() : dialled;
}

} // namespace Utils
} // namespace Kivo
