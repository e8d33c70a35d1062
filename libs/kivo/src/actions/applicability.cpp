#include "applicability.h"

#include <Kivo/Actions/Action.h>
#include <Kivo/Actions/Source.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Contacts/IGroup.h>
#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Controllers/CommunicationSession.h>

#include <algorithm>

namespace Kivo {
namespace Actions {

namespace {

using Contacts::IContact;
using Controllers::CommunicationSession;

QList<IContact*> contactsOf(Source* source)
{
    if (!source)
        return {};
    if (auto* composite = qobject_cast<MixedSourceComposite*>(source))
        return composite->contacts();
    if (auto* composite = qobject_cast<ContactSourceComposite*>(source))
        return composite->contacts();
    if (auto* composite = qobject_cast<ActiveCommsSourceComposite*>(source))
        return composite->contacts();
    QObject* object = source->sourceObject();
    if (auto* contact = qobject_cast<IContact*>(object))
        return {contact};
    if (auto* session = qobject_cast<CommunicationSession*>(object); session && session->getContact())
        return {session->getContact()};
    return {};
}

QList<CommunicationSession*> callsOf(const Controllers::CommsSessionController* comms)
{
    QList<CommunicationSession*> calls;
    if (!comms)
        return calls;
    for (CommunicationSession* session : comms->commsList()) {
        if (session->callActive())
            calls.append(session);
    }
    return calls;
}

// The one stored contact the action acts on, or null.
const IContact* storedContact(const QList<IContact*>& contacts)
{
    return contacts.size() == 1 && contacts.first()->isStored() ? contacts.first() : nullptr;
}

} // namespace

bool appliesTo(int id, Source* source, const Controllers::CommsSessionController* comms)
{
    // A contact group offers its own entries, none of a person's.
    if (source && qobject_cast<const Contacts::IGroup*>(source->sourceObject()))
        return false;
    const QList<IContact*> contacts = contactsOf(source);
    const IContact* stored = storedContact(contacts);
    switch (id) {
    case Action::SetFavorite:
        return stored && !stored->isFavorite();
    case Action::RemoveFavorite:
        return stored && stored->isFavorite();
    case Action::Subscribe:
        return stored && !stored->isSubscribed();
    case Action::Unsubscribe:
        return stored && stored->isSubscribed();
    case Action::EditProfile:
    case Action::DeleteContact:
        return stored;
    case Action::ViewProfile:
    case Action::CopyPhoneNumber:
    case Action::Email:
        // One person's details.
        return contacts.size() == 1;
    case Action::AddContact:
        // The program's own "Add Contact" names nobody and opens an empty card.
        return contacts.isEmpty()
               || std::any_of(contacts.cbegin(), contacts.cend(), [](const IContact* c) { return !c->isStored(); });
    case Action::EndAllCalls:
        return !callsOf(comms).isEmpty();
    case Action::EndAllChats: {
        const QList<CommunicationSession*> sessions = comms ? comms->commsList() : QList<CommunicationSession*>();
        return std::any_of(sessions.cbegin(), sessions.cend(),
                           [](const CommunicationSession* session) { return session->chatActive(); });
    }
    case Action::Conference: {
        // Someone to bring into the calls going on who is not in one of them yet.
        const QList<CommunicationSession*> calls = callsOf(comms);
        return !calls.isEmpty() && std::any_of(contacts.cbegin(), contacts.cend(), [&calls](const IContact* c) {
                   return std::none_of(calls.cbegin(), calls.cend(),
                                       [c](const CommunicationSession* call) { return call->getContact() == c; });
               });
    }
    case Action::Transfer: {
        // The one call going on, to one contact who is not its party.
        const QList<CommunicationSession*> calls = callsOf(comms);
        return calls.size() == 1 && contacts.size() == 1 && calls.first()->getContact() != contacts.first();
    }
    default:
        return true;
    }
}

} // namespace Actions
} // namespace Kivo
