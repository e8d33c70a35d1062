#include "Utils/qomx_link.h"

#include <QByteArray>

#include <algorithm>

namespace Utils {
namespace QomxLink {

bool hasControlCharacters(const QString& text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

QString value(const QString& text, const QString& name)
{
    const QString opening = name + QStringLiteral("=\"");
    const int start = text.indexOf(opening);
    if (start < 0)
        return QString();
    const int from = start + opening.size();
    const int end = text.indexOf('"', from);
    return end < 0 ? QString() : text.mid(from, end - from);
}

bool decode(const QString& link, int maxLength, QString& text, QString* error)
{
    const auto refuse = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (link.size() > maxLength)
        return refuse(QStringLiteral("%1 characters, more than %2").arg(link.size()).arg(maxLength));
    const QByteArray::FromBase64Result decoded =
        QByteArray::fromBase64Encoding(link.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.isEmpty())
        return refuse(QStringLiteral("it is not Base64"));
    const QString read = QString::fromLatin1(decoded.decoded);
    if (hasControlCharacters(read))
        return refuse(QStringLiteral("it holds control characters"));
    // Every item closes its value with a quote: an odd count is a link cut short.
    if (read.count('"') % 2 != 0)
        return refuse(QStringLiteral("it is cut short"));
    if (value(read, QStringLiteral("chat")).isEmpty() && value(read, QStringLiteral("jid")).isEmpty())
        return refuse(QStringLiteral("it names no room and no room owner"));
    text = read;
    return true;
}

} // namespace QomxLink
} // namespace Utils
