#include "Utils/active_selection_handler.h"

#include "common/logging.h"

#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/MediaEngine/CallBasePtr.h>

#include <QAbstractItemModel>
#include <QItemSelectionModel>

namespace Utils {

ActiveSelectionHandler::ActiveSelectionHandler(QAbstractItemModel* model, QItemSelectionModel* selectionModel,
                                               QObject* parent)
    : SelectionHandlerBase(model, selectionModel, parent)
{
}

QString ActiveSelectionHandler::selectionAsString() const
{
    QList<const Kivo::Contacts::IContact*> contacts;
    for (QObject* object : selection()) {
        const auto* session = qobject_cast<const Kivo::Controllers::CommunicationSession*>(object);
        if (const Kivo::Contacts::IContact* contact = session ? session->getContact() : nullptr)
            contacts.append(contact);
    }
    return joinIds(contacts);
}

QList<QObject*> ActiveSelectionHandler::selectionAsContacts() const
{
    QList<QObject*> contacts;
    for (QObject* object : selection()) {
        const auto* session = qobject_cast<const Kivo::Controllers::CommunicationSession*>(object);
        QObject* contact = session ? session->getContact() : nullptr;
        if (contact && !contacts.contains(contact))
            contacts.append(contact);
    }
    return contacts;
}

void ActiveSelectionHandler::activeSelectionSessionLookup()
{
    LOG_DEBUG << "Looking up the conversation to select";
    if (!model() || !selectionModel())
        return;
    const QModelIndex first = model()->index(0, 0);
    if (!first.isValid())
        return;
    const auto* session = qobject_cast<const Kivo::Controllers::CommunicationSession*>(
        first.data(objectRole()).value<QObject*>());
    const Kivo::MediaEngine::CallBasePtr* call = session ? session->getCall() : nullptr;
    if (!session || !session->callActive() || !call
        || call->getCallState() != Kivo::MediaEngine::CallBasePtr::InCall)
        return;
    LOG_DEBUG << "Found comm session to be selected!";
    toggle(first);
    selectionModel()->select(first, QItemSelectionModel::ClearAndSelect);
}

} // namespace Utils
