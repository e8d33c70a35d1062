#include <Kivo/Controllers/ZynHandler.h>

#include <Kivo/Configuration/Config.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/Simulation/Service.h>
#include <Kivo/Webcollab/WebcollabZyn.h>

#include "../kivo_log.h"

namespace Kivo {
namespace Controllers {

namespace {

using Tesk::Core::Logging::LevelWarning;

Webcollab::WebcollabZyn* zynShareOf(const CommunicationSession* session)
{
    return session ? qobject_cast<Webcollab::WebcollabZyn*>(session->getWebCollab()) : nullptr;
}

} // namespace

bool ZynHandler::isEnabled(const Configuration::Config* config)
{
    return config && config->value(ScreenSharingItem).toBool();
}

ZynHandler::ZynHandler(CommunicationSession* session)
    : QObject(session)
    , m_Session(session)
{
    // A share that comes or goes changes the conversation's state; one that pauses, its own.
    connect(session, &CommunicationSession::stateChanged, this, [this] {
        if (Webcollab::WebcollabZyn* share = zynShareOf(m_Session)) {
            connect(share, &Webcollab::WebcollabZyn::pausedChanged, this, &ZynHandler::changed, Qt::UniqueConnection);
            connect(share, &Webcollab::WebcollabBase::stateChanged, this, &ZynHandler::changed, Qt::UniqueConnection);
        }
        emit changed();
    });
    connect(session, &CommunicationSession::contactChanged, this, &ZynHandler::changed);
}

QString ZynHandler::peer() const
{
    if (!m_Session || m_Session->isGroup())
        return QString();
    const Contacts::IContact* contact = m_Session->getContact();
    return contact ? contact->getAddress() : QString();
}

bool ZynHandler::canStart() const
{
    return !peer().isEmpty() && !(m_Session && m_Session->webCollabActive());
}

bool ZynHandler::isSharing() const
{
    const Webcollab::WebcollabZyn* share = zynShareOf(m_Session);
    return share && share->isFloorHolder();
}

bool ZynHandler::isPaused() const
{
    const Webcollab::WebcollabZyn* share = zynShareOf(m_Session);
    return isSharing() && share->isPaused();
}

QString ZynHandler::link() const
{
    return isSharing() ? zynShareOf(m_Session)->link() : QString();
}

void ZynHandler::startShare()
{
    if (!canStart()) {
        KIVO_LOG(LevelWarning) << "No desktop share to start in this conversation";
        return;
    }
    if (Simulation::Service::shared().startShare(peer()) == 0)
        emit zynError(ZynClient::ZYN_UNAVAILABLE, ZynClient::StartError);
}

void ZynHandler::pauseShare()
{
    if (isSharing())
        Simulation::Service::shared().pauseShare(zynShareOf(m_Session)->shareId(), true);
}

void ZynHandler::resumeShare()
{
    if (isSharing())
        Simulation::Service::shared().pauseShare(zynShareOf(m_Session)->shareId(), false);
}

void ZynHandler::stopShare()
{
    if (isSharing())
        Simulation::Service::shared().endShare(zynShareOf(m_Session)->shareId());
}

} // namespace Controllers
} // namespace Kivo
