#include <Kivo/Services/Xmpp/VCard.h>

#include <QXmppElement.h>

namespace Kivo {
namespace Services {
namespace Xmpp {

namespace {

const QString ConfChatTag = QStringLiteral("CONFCHAT");

} // namespace

QString vCardConfChat(const QXmppVCardIq& vcard)
{
    for (const QXmppElement& element : vcard.extensions()) {
        if (element.tagName() == ConfChatTag)
            return element.value();
    }
    return QString();
}

void setVCardConfChat(QXmppVCardIq& vcard, const QString& entry)
{
    QXmppElementList extensions;
    for (const QXmppElement& element : vcard.extensions()) {
        if (element.tagName() != ConfChatTag)
            extensions.append(element);
    }
    QXmppElement confChat;
    confChat.setTagName(ConfChatTag);
    confChat.setValue(entry);
    extensions.append(confChat);
    vcard.setExtensions(extensions);
}

} // namespace Xmpp
} // namespace Services
} // namespace Kivo
