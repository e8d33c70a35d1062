// Other users' requests to see the signed-in user's presence.
#include <Kivo/Contacts/Properties.h>
#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

#include <algorithm>

namespace Kivo {
namespace Simulation {

namespace {

using Tesk::Core::Logging::LevelInfo;
namespace Properties = Contacts::Properties;

QString addressOf(const ContactRecord& request)
{
    return request.properties.value(Properties::Address).toString();
}

// The waiting request of `address` (compared ignoring case), or the end of the list.
QList<ContactRecord>::iterator findRequest(QList<ContactRecord>& requests, const QString& address)
{
    return std::find_if(requests.begin(), requests.end(), [&address](const ContactRecord& request) {
        return addressOf(request).compare(address, Qt::CaseInsensitive) == 0;
    });
}

} // namespace

QList<ContactRecord> Service::presenceRequests()
{
    return m_SignedIn ? contactBook().presenceRequests : QList<ContactRecord>();
}

bool Service::answerPresenceRequest(const QString& address, bool accept, int groupId)
{
    if (!sessionOpen("presence request answer"))
        return false;
    post(
        [this, address, accept, groupId] {
            ContactBook& book = contactBook();
            const auto request = findRequest(book.presenceRequests, address);
            if (request == book.presenceRequests.end()) {
                KIVO_LOG(LevelInfo) << "Simulated service: no presence request of " << address << " to answer";
                return;
            }
            ContactRecord requester = *request;
            book.presenceRequests.erase(request);
            KIVO_LOG(LevelInfo) << "Simulated service: presence request of " << address
                                << (accept ? " accepted" : " declined");
            emit presenceRequestAnswered(addressOf(requester));
            const bool listed = std::any_of(book.records.begin(), book.records.end(), [&](const ContactRecord& r) {
                return r.properties.value(Properties::Address).toString().compare(address, Qt::CaseInsensitive) == 0;
            });
            if (!accept || listed)
                return;
            const bool groupExists = std::any_of(book.groups.begin(), book.groups.end(),
                                                 [groupId](const GroupRecord& g) { return g.id == groupId; });
            if (groupExists)
                requester.groups = {groupId};
            // The service knows its own users by name.
            const int user = accountIndex(address);
            if (user >= 0)
                requester.properties.insert(Properties::DisplayName, m_Accounts.at(user).displayName);
            // Sharing goes both ways: the requester joins the list and the user sees them too.
            requestAddContact(0, requester);
        },
        true);
    return true;
}

bool Control::injectPresenceRequests(const QStringList& from)
{
    if (!m_Service.isSignedIn())
        return refuse("presence requests", "nobody is signed in");
    QList<ContactRecord> requesters;
    QList<ContactRecord> waiting = m_Service.contactBook().presenceRequests;
    for (const QString& each : from) {
        const QString address = each.trimmed();
        if (address.isEmpty() || address.compare(m_Service.ownAddress(), Qt::CaseInsensitive) == 0)
            return refuse("presence requests", "an address is empty or the user's own");
        if (findRequest(waiting, address) != waiting.end())
            return refuse("presence requests", "an address is already waiting for an answer");
        ContactRecord requester;
        requester.properties.insert(Properties::Address, address);
        requester.properties.insert(Properties::Jid, address);
        requesters.append(requester);
        waiting.append(requester);
    }
    if (requesters.isEmpty())
        return refuse("presence requests", "no address given");
    Service* service = &m_Service;
    m_Service.post(
        [service, requesters] {
            service->contactBook().presenceRequests.append(requesters);
            emit service->presenceRequestsReceived(requesters);
        },
        true);
    return true;
}

} // namespace Simulation
} // namespace Kivo
