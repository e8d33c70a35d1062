#pragma once

#include "Utils/selection_handler_base.h"

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Utils/SharedPointer.h>

namespace Utils {

// Selection of the contact list and of search results.
class ContactSelectionHandler : public SelectionHandlerBase
{
    Q_OBJECT

public:
    ContactSelectionHandler(QAbstractItemModel* model, QItemSelectionModel* selectionModel,
                            Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts, QObject* parent);

    // Ids of the contact-list entries of the selected contacts; search results of people who
    // are not in the list are left out.
    QString selectionAsString() const override;
    int objectRole() const override { return ContactRole; }
    bool isSelectableRow(const QModelIndex& index) const override { return itemKind(index) == ContactItem; }

    // The selected contacts that are stored in the list (no search results), each once.
    QList<Kivo::Contacts::IContact*> selectionAsListContacts() const;

private:
    Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> m_Contacts;
};

} // namespace Utils
