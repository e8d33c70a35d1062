#include <Kivo/Services/Xmpp/XmppJidValidator.h>

#include <QRegularExpression>

namespace Kivo {
namespace Services {
namespace Xmpp {

namespace {

const QLatin1String MyRoomDomainPrefix("myroom.");

} // namespace

QString XmppJidValidator::getRoomJidPart(const QString& roomJid, RoomType type)
{
    const QString jid = roomJid.trimmed();
    const int at = jid.indexOf('@');
    if (at <= 0 || jid.indexOf('@', at + 1) >= 0)
        return QString();
    const QString name = jid.left(at);
    const QString domain = jid.mid(at + 1);
    if (type != MyRoom)
        return domain.isEmpty() ? QString() : name;
    if (!domain.startsWith(MyRoomDomainPrefix, Qt::CaseInsensitive) || domain.size() == MyRoomDomainPrefix.size())
        return QString();
    return name + '@' + domain.mid(MyRoomDomainPrefix.size());
}

XmppJidValidator::RoomType XmppJidValidator::getRoomType(const QString& roomJid)
{
    const QString jid = roomJid.trimmed();
    if (!getRoomJidPart(jid, MyRoom).isEmpty())
        return MyRoom;
    static const QRegularExpression adHoc(QStringLiteral("^group-\\d+$"), QRegularExpression::CaseInsensitiveOption);
    return adHoc.match(jid.section('@', 0, 0)).hasMatch() ? AdHocRoom : ChatRoom;
}

} // namespace Xmpp
} // namespace Services
} // namespace Kivo
