#pragma once

#include <QMetaType>
#include <QString>

#include <QXmppVCardIq.h>

// vCards travel in queued connections under this name.
Q_DECLARE_METATYPE(QXmppVCardIq)

namespace Kivo {
namespace Services {
namespace Xmpp {

// The service's vCards carry the owner's conference chat (the address of the owner's My
// Room chat, in Base64) in an entry the XMPP library's vCard type has no field for; it
// travels as an extension element of the vCard, which copies of the vCard keep.
QString vCardConfChat(const QXmppVCardIq& vcard);
void setVCardConfChat(QXmppVCardIq& vcard, const QString& entry);

} // namespace Xmpp
} // namespace Services
} // namespace Kivo
