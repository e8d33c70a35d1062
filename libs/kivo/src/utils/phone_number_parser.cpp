#include <Kivo/Utils/PhoneNumberParser.h>

namespace Kivo {
namespace Utils {

namespace {

constexpr int MaxNumberLength = 32;

bool isDialled(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('*') || c == QLatin1Char('#');
}

bool isSeparator(QChar c)
{
    return c.isSpace() || QStringLiteral("-./()[]").contains(c);
}

bool isAddress(const QString& text)
{
    const int at = int(text.indexOf(QLatin1Char('@')));
    if (at <= 0 || at != text.lastIndexOf(QLatin1Char('@')) || at == text.size() - 1)
        return false;
    for (const QChar c : text) {
        if (c.isSpace() || c.category() == QChar::Other_Control || QStringLiteral("<>\"").contains(c))
            return false;
    }
    return true;
}

} // namespace

QString PhoneNumberParser::normalizePhoneNumber(const QString& number)
{
    const QString text = number.trimmed();
    QString dialled;
    for (const QChar c : text) {
        if (isDialled(c) || (c == QLatin1Char('+') && dialled.isEmpty()))
            dialled.append(c);
    }
    return dialled == QLatin1String("+") ? QString() : dialled;
}

bool PhoneNumberParser::isValidPhoneNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    bool digit = false;
    int signs = 0;
    for (int position = 0; position < trimmed.size(); ++position) {
        const QChar c = trimmed.at(position);
        if (c == QLatin1Char('+') && position == 0)
            continue;
        if (isDialled(c)) {
            digit = digit || c.isDigit();
            ++signs;
        } else if (!isSeparator(c)) {
            return false;
        }
    }
    return digit && signs <= MaxNumberLength;
}

QString PhoneNumberParser::getCallableAddress(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (isValidPhoneNumber(trimmed))
        return normalizePhoneNumber(trimmed);
    const QString scheme = trimmed.section(QLatin1Char(':'), 0, 0).toLower();
    const QString rest = trimmed.section(QLatin1Char(':'), 1);
    if (scheme == QLatin1String("tel")) {
        const QString number = rest.section(QLatin1Char(';'), 0, 0);
        return isValidPhoneNumber(number) ? normalizePhoneNumber(number) : QString();
    }
    if (scheme == QLatin1String("sip") || scheme == QLatin1String("sips"))
        return isAddress(rest) || isValidPhoneNumber(rest) ? rest : QString();
    return isAddress(trimmed) ? trimmed : QString();
}

} // namespace Utils
} // namespace Kivo
