#include <Kivo/Services/Xmpp/XmppContactDataService.h>

#include <Kivo/Simulation/Service.h>

#include "../../kivo_log.h"

#include <QTimer>

namespace Kivo {
namespace Services {
namespace Xmpp {

namespace {

using Tesk::Core::Logging::LevelDebug;
using Tesk::Core::Logging::LevelWarning;

} // namespace

XmppContactDataService::XmppContactDataService(QObject* parent)
    : QObject(parent)
{
    qRegisterMetaType<QXmppVCardIq>("QXmppVCardIq");
    connect(&Simulation::Service::shared(), &Simulation::Service::vCardReady, this,
            &XmppContactDataService::onVCardReady);
}

bool XmppContactDataService::requestVCard(const QString& jid, bool refresh)
{
    const QString wanted = jid.trimmed().toLower();
    if (!Simulation::Service::isCallableAddress(wanted) || !wanted.contains('@')) {
        KIVO_LOG(LevelWarning) << "vCard request for an address that is none refused";
        return false;
    }
    if (!refresh && m_Received.contains(wanted)) {
        // Answered later, as the server would, never from inside the request.
        QTimer::singleShot(0, this, [this, wanted] { emit vCardReceived(wanted, m_Received.value(wanted)); });
        return true;
    }
    KIVO_LOG(LevelDebug) << "Requesting the vCard of " << wanted;
    return Simulation::Service::shared().requestVCard(wanted);
}

void XmppContactDataService::onVCardReady(const QString& jid, const QString& fullName, const QString& roomChat)
{
    QXmppVCardIq vcard;
    vcard.setFrom(jid);
    vcard.setFullName(fullName);
    if (!roomChat.isEmpty())
        setVCardConfChat(vcard, QString::fromLatin1(roomChat.toUtf8().toBase64()));
    m_Received.insert(jid.toLower(), vcard);
    emit vCardReceived(jid, vcard);
}

} // namespace Xmpp
} // namespace Services
} // namespace Kivo
