#include <Kivo/Utils/SipUriParser.h>

namespace Kivo {
namespace Utils {

QString SipUriParser::parseUriTp(const QString& target, const QString& domain)
{
    const QString text = target.trimmed();
    if (text.isEmpty())
        return QString();
    for (const char* scheme : {"sip:", "sips:", "tel:"}) {
        if (text.startsWith(QLatin1String(scheme), Qt::CaseInsensitive))
            return text;
    }
    if (text.contains('@') || domain.trimmed().isEmpty())
        return QStringLiteral("sip:") + text;
    return QStringLiteral("sip:") + text + '@' + domain.trimmed();
}

} // namespace Utils
} // namespace Kivo
