#include "contact_replies.h"

#include "addin_events.h"
#include "call_tracker.h"
#include "contact_lookup.h"
#include "presence_mapping.h"

#include <Kivo/Contacts/Properties.h>
#include <Kivo/Simulation/Service.h>

namespace Kivo {
namespace ApiProvider {
namespace ContactReplies {

namespace {

void add(AddinEvents::Properties& properties, const char* key, const QString& value)
{
    if (!value.isEmpty())
        properties.append({QString::fromLatin1(key), value});
}

} // namespace

QByteArray properties(int contactId, const CallTracker* calls)
{
    const Simulation::Service& service = Simulation::Service::shared();
    AddinEvents::Properties properties;
    if (contactId == 0) {
        if (const std::optional<Simulation::Account> account = service.signedInAccount()) {
            add(properties, "DisplayName", account->displayName);
            add(properties, "Jid", account->userName);
        }
    } else if (const std::optional<Simulation::ContactRecord> contact = ContactLookup::find(contactId)) {
        add(properties, "DisplayName", ContactLookup::text(*contact, Contacts::Properties::DisplayName));
        add(properties, "FirstName", ContactLookup::text(*contact, Contacts::Properties::FirstName));
        add(properties, "LastName", ContactLookup::text(*contact, Contacts::Properties::LastName));
        add(properties, "Jid", ContactLookup::text(*contact, Contacts::Properties::Jid));
        add(properties, "WorkPhone", ContactLookup::number(*contact));
    } else {
        // A caller who is no contact is named by the address the call came from.
        const QString address = calls ? calls->unknownPartyAddress(contactId) : QString();
        add(properties, address.contains('@') ? "Jid" : "WorkPhone", address);
    }
    return AddinEvents::contactProperties(contactId, properties);
}

QByteArray presence(int contactId)
{
    const Simulation::Service& service = Simulation::Service::shared();
    int internal = 0;
    QString note;
    if (contactId == 0) {
        if (const std::optional<Simulation::Account> account = service.signedInAccount())
            internal = account->presence;
        note = service.ownNote();
    } else if (const std::optional<Simulation::ContactRecord> contact = ContactLookup::find(contactId)) {
        internal = contact->presence;
        note = contact->note;
    }
    return AddinEvents::contactPresence(contactId, PresenceMapping::apiState(internal), note, QString());
}

} // namespace ContactReplies
} // namespace ApiProvider
} // namespace Kivo
