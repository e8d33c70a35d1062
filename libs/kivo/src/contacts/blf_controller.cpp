#include <Kivo/Contacts/BlfController.h>

#include <Kivo/Configuration/Config.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Sessions/SubSession.h>
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

namespace Kivo {
namespace Contacts {

using Tesk::Core::Logging::LevelInfo;

BlfController::BlfController(const Configuration::Config* config, const Sessions::SubSession* callConnection,
                             Contacts* contacts, QObject* parent)
    : QObject(parent)
    , m_Enabled(config && config->value(EnabledItem).toBool())
    , m_Contacts(contacts)
{
    if (m_Enabled && callConnection) {
        connect(callConnection, &Sessions::SubSession::stateChanged, this,
                [this](const Sessions::SubSession*, Sessions::SubSession::State state) { onCallConnectionState(state); });
    }
}

void BlfController::onCallConnectionState(int state)
{
    if (m_Ready || state != Sessions::SubSession::Connected)
        return;
    m_Ready = true;
    Simulation::Service& service = Simulation::Service::shared();
    m_MonitoredUsers.clear();
    for (const Simulation::BlfLine& line : service.monitoredLines()) {
        m_MonitoredUsers.append(line.address);
        m_Lines.insert(line.address.toLower(), line);
    }
    connect(&service, &Simulation::Service::blfLineChanged, this, &BlfController::onLineChanged);
    if (m_Contacts) {
        connect(m_Contacts, &Contacts::contactsLoaded, this, &BlfController::applyLines);
        connect(m_Contacts, &Contacts::contactAdded, this, &BlfController::applyLines);
    }
    applyLines();
    KIVO_LOG(LevelInfo) << "Busy lamp field ready, " << int(m_MonitoredUsers.size()) << " line(s) monitored";
    emit blfControllerReady();
}

void BlfController::onLineChanged(const Simulation::BlfLine& line)
{
    const QString key = line.address.toLower();
    if (!m_Lines.contains(key))
        return;
    m_Lines.insert(key, line);
    applyLine(line);
}

void BlfController::applyLines()
{
    for (const Simulation::BlfLine& line : qAsConst(m_Lines))
        applyLine(line);
}

void BlfController::applyLine(const Simulation::BlfLine& line)
{
    IContact* contact = m_Contacts ? m_Contacts->findByAddress(line.address) : nullptr;
    if (contact)
        contact->setBlfState(line.address, IContact::BlfState(line.state), line.caller);
}

QString BlfController::getBlfRemoteCallerName(int contactId) const
{
    const IContact* contact = m_Contacts ? m_Contacts->getContact(contactId) : nullptr;
    const QString caller = contact ? contact->blfRemoteCaller() : QString();
    if (caller.isEmpty())
        return QString();
    const IContact* known = m_Contacts->findByAddress(caller);
    return known ? known->getDisplayName() : caller;
}

} // namespace Contacts
} // namespace Kivo
