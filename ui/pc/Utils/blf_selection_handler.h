#pragma once

#include "Utils/selection_handler_base.h"

namespace Utils {

// Selection of the busy-lamp-field list of watched contacts.
class BlfSelectionHandler : public SelectionHandlerBase
{
    Q_OBJECT

public:
    BlfSelectionHandler(QAbstractItemModel* model, QItemSelectionModel* selectionModel, QObject* parent);

    QString selectionAsString() const override;
    int objectRole() const override { return ContactRole; }
    bool isSelectableRow(const QModelIndex& index) const override { return itemKind(index) == ContactItem; }
};

} // namespace Utils
