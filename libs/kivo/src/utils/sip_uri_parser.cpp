#include <Kivo/Utils/PhoneNumberParser.h>
#include <Kivo/Utils/SipUriParser.h>

namespace Kivo {
namespace Utils {

namespace {

QString decoded(const Tesk::Bytes& part)
{
    return QString::fromUtf8(Tesk::Sip::UrlDecode(part).toByteArray());
}

} // namespace

SipUriParser::SipUriParser(const Configuration::Config* config)
{
    Q_UNUSED(config)
}

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

Tesk::Sip::UriPtr SipUriParser::parseUri(const QString& text) const
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return Tesk::Sip::UriPtr();
    if (PhoneNumberParser::isValidPhoneNumber(trimmed))
        return Tesk::Sip::Uri::parse(QStringLiteral("tel:") + PhoneNumberParser::normalizePhoneNumber(trimmed));
    return Tesk::Sip::Uri::parse(trimmed);
}

QString SipUriParser::matchableUri(const QString& text) const
{
    const Tesk::Sip::UriPtr uri = parseUri(text);
    if (!uri)
        return text.trimmed().toLower();
    const QString user = decoded(uri->Username());
    if (uri->Scheme().toByteArray() == "tel" || PhoneNumberParser::isValidPhoneNumber(user))
        return QStringLiteral("tel:") + PhoneNumberParser::normalizePhoneNumber(user);
    const QString host = QString::fromUtf8(uri->Host().toByteArray()).toLower();
    return user.isEmpty() ? QStringLiteral("sip:") + host : QStringLiteral("sip:%1@%2").arg(user.toLower(), host);
}

QString SipUriParser::displayNameFromUri(const Tesk::Sip::UriPtr& uri) const
{
    if (!uri)
        return QString();
    const QString name = QString::fromUtf8(uri->DisplayName().toByteArray()).trimmed();
    if (!name.isEmpty())
        return name;
    const QString user = decoded(uri->Username());
    return user.isEmpty() ? QString::fromUtf8(uri->Host().toByteArray()) : user;
}

QString SipUriParser::displayNameFromUri(const QString& text) const
{
    const Tesk::Sip::UriPtr uri = parseUri(text);
    return uri ? displayNameFromUri(uri) : text.trimmed();
}

} // namespace Utils
} // namespace Kivo
