#include "Utils/contact_selection_handler.h"

#include <Kivo/Contacts/Contacts.h>

namespace Utils {

ContactSelectionHandler::ContactSelectionHandler(QAbstractItemModel* model, QItemSelectionModel* selectionModel,
                                                 Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts,
                                                 QObject* parent)
    : SelectionHandlerBase(model, selectionModel, parent)
    , m_Contacts(contacts)
{
}

QString ContactSelectionHandler::selectionAsString() const
{
    if (!m_Contacts)
        return QString();
    QList<const Kivo::Contacts::IContact*> listed;
    for (QObject* object : selection()) {
        const auto* contact = qobject_cast<const Kivo::Contacts::IContact*>(object);
        if (!contact)
            continue;
        // A search result is in no list; the person may be, under the same address.
        const Kivo::Contacts::IContact* entry = contact->isTemporary() ? m_Contacts->findByAddress(contact->getAddress())
                                                                      : m_Contacts->getContact(contact->getId());
        if (entry && !listed.contains(entry))
            listed.append(entry);
    }
    return joinIds(listed);
}

QList<Kivo::Contacts::IContact*> ContactSelectionHandler::selectionAsListContacts() const
{
    QList<Kivo::Contacts::IContact*> contacts;
    for (QObject* object : selection()) {
        auto* contact = qobject_cast<Kivo::Contacts::IContact*>(object);
        if (contact && !contact->isTemporary() && !contacts.contains(contact))
            contacts.append(contact);
    }
    return contacts;
}

} // namespace Utils
