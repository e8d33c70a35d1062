// Other users' requests to see the signed-in user's presence.
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

namespace Kivo {
namespace Contacts {

namespace {

using Tesk::Core::Logging::LevelWarning;

} // namespace

IContact* Contacts::getPresenceRequest(int id) const
{
    for (IContact* request : m_Requests) {
        if (request->getId() == id)
            return request;
    }
    return nullptr;
}

void Contacts::loadPresenceRequests(const QList<Simulation::ContactRecord>& requesters)
{
    QList<IContact*> added;
    for (const Simulation::ContactRecord& record : requesters) {
        auto* request = new IContact(m_NextTemporaryId--, QString(), this);
        request->m_PresenceRequest = true;
        request->m_List = this;
        request->applyProperties(Properties::fromNumbered(record.properties));
        m_Requests.append(request);
        added.append(request);
    }
    if (!added.isEmpty())
        emit presenceRequestsAdded(added);
}

void Contacts::cbPresenceRequestsReceived(const QList<Simulation::ContactRecord>& requesters)
{
    loadPresenceRequests(requesters);
}

void Contacts::cbPresenceRequestAnswered(const QString& address)
{
    for (int i = 0; i < m_Requests.size(); ++i) {
        IContact* request = m_Requests.at(i);
        // The request's details may have been completed from the directory; the address stays.
        if (request->getProperty(Properties::Jid).toString().compare(address, Qt::CaseInsensitive) == 0) {
            m_Requests.removeAt(i);
            emit presenceRequestRemoved(request->getId());
            request->deleteLater();
            return;
        }
    }
}

void Contacts::answerPresenceRequest(IContact& request, bool accept)
{
    if (!canRequest("presence request answer"))
        return;
    if (!m_Requests.contains(&request)) {
        KIVO_LOG(LevelWarning) << "Not a waiting presence request: " << request.getIdentity();
        return;
    }
    m_Service->answerPresenceRequest(request.getProperty(Properties::Jid).toString(), accept, request.m_RequestGroup);
}

} // namespace Contacts
} // namespace Kivo
