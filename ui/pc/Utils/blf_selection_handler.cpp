#include "Utils/blf_selection_handler.h"

#include <Kivo/Contacts/IContact.h>

namespace Utils {

BlfSelectionHandler::BlfSelectionHandler(QAbstractItemModel* model, QItemSelectionModel* selectionModel,
                                         QObject* parent)
    : SelectionHandlerBase(model, selectionModel, parent)
{
}

QString BlfSelectionHandler::selectionAsString() const
{
    QList<const Kivo::Contacts::IContact*> contacts;
    for (QObject* object : selection()) {
        if (const auto* contact = qobject_cast<const Kivo::Contacts::IContact*>(object))
            contacts.append(contact);
    }
    return joinIds(contacts);
}

} // namespace Utils
