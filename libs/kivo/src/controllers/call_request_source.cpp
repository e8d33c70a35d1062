#include <Kivo/Controllers/CallRequestSource.h>

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

namespace Kivo {
namespace Controllers {

using Actions::Action;
using Tesk::Core::Logging::LevelInfo;
using Tesk::Core::Logging::LevelWarning;

CallRequestSource::CallRequestSource(Contacts::Contacts* contacts, CommsSessionController* comms, QObject* parent)
    : QObject(parent)
    , m_Contacts(contacts)
    , m_Comms(comms)
{
    // The request's arguments travel in queued connections and signal spies by these names.
    qRegisterMetaType<QList<Contacts::ContactPtr>>("QList<Kivo::Contacts::ContactPtr>");
    qRegisterMetaType<Contacts::Properties::Key>("Kivo::Contacts::Properties::Key");
    qRegisterMetaType<Action::Id>("Kivo::Actions::Action::Id");
    connect(&Simulation::Service::shared(), &Simulation::Service::callRequested, this,
            &CallRequestSource::onCallRequested);
}

void CallRequestSource::SetCallActionType(Action::Id type)
{
    switch (type) {
    case Action::None:
    case Action::Call:
    case Action::CallFromPhone:
    case Action::VideoCall:
        m_CallActionType = type;
        KIVO_LOG(LevelInfo) << "Requested calls are made as action " << int(type);
        return;
    default:
        KIVO_LOG(LevelWarning) << "Action " << int(type) << " is no call type; requested calls stay as action "
                               << int(m_CallActionType);
    }
}

void CallRequestSource::onCallRequested(const QString& address)
{
    KIVO_LOG(LevelInfo) << "The server asks for a call to " << address;
    if (m_CallActionType == Action::None) {
        KIVO_LOG(LevelWarning) << "No call type is offered: the requested call is not made";
        return;
    }
    emit CreateCall({contactFor(address)}, Contacts::Properties::Address, m_CallActionType);
    if (m_Comms)
        m_Comms->createCall({address}, m_CallActionType == Action::VideoCall);
}

Contacts::ContactPtr CallRequestSource::contactFor(const QString& address)
{
    if (m_Contacts) {
        if (Contacts::IContact* listed = m_Contacts->findByAddress(address))
            return listed;
    }
    delete m_Unlisted.data();
    m_Unlisted = m_Contacts ? m_Contacts->createTemporaryContact(this) : new Contacts::IContact(-1, QString(), this);
    m_Unlisted->setProperty(Contacts::Properties::Address, address);
    return m_Unlisted;
}

} // namespace Controllers
} // namespace Kivo
