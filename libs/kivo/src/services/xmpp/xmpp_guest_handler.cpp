#include <Kivo/Services/Xmpp/XmppGuestHandler.h>

#include <Kivo/Simulation/Service.h>

#include "../../kivo_log.h"

#include <QTimer>

namespace Kivo {
namespace Services {
namespace Xmpp {

namespace {

using Tesk::Core::Logging::LevelInfo;

} // namespace

XmppGuestHandler::XmppGuestHandler(QObject* parent)
    : QObject(parent)
{
    connect(&Simulation::Service::shared(), &Simulation::Service::guestLinkReady, this,
            &XmppGuestHandler::onGuestLinkReady);
}

void XmppGuestHandler::setFeatureEnabled(bool enabled)
{
    if (enabled == m_FeatureEnabled)
        return;
    m_FeatureEnabled = enabled;
    emit enableFeatureActions(enabled);
}

void XmppGuestHandler::generateInvitation()
{
    request(false);
}

void XmppGuestHandler::resetInvitation()
{
    emit resettingInvitation(QString());
    request(true);
}

void XmppGuestHandler::request(bool reset)
{
    emit requestingInvitationData(QString());
    if (!Simulation::Service::shared().requestGuestLink(reset)) {
        // Still answered, so that nobody waits for a link that cannot come.
        QTimer::singleShot(0, this, [this] { emit invitationGenerated(QString(), QString()); });
        return;
    }
    ++m_Pending;
}

void XmppGuestHandler::onGuestLinkReady(const QString& roomJid, const QString& link)
{
    if (m_Pending == 0)
        return;
    --m_Pending;
    KIVO_LOG(LevelInfo) << "Guest link of " << roomJid << (link.isEmpty() ? " refused" : " received");
    emit invitationGenerated(roomJid, link);
}

} // namespace Xmpp
} // namespace Services
} // namespace Kivo
