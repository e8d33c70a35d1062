#pragma once

#include "Utils/selection_handler_base.h"

namespace Utils {

// Selection of the history list.
class TimelineSelectionHandler : public SelectionHandlerBase
{
    Q_OBJECT

public:
    TimelineSelectionHandler(QAbstractItemModel* model, QItemSelectionModel* selectionModel, QObject* parent);

    // History entries are not dragged.
    QString selectionAsString() const override { return QString(); }
    int objectRole() const override { return TimelineEntryRole; }
    bool isSelectableRow(const QModelIndex& index) const override { return itemKind(index) == TimelineEntryItem; }

    // Whether any selected entry holds something the user has not seen yet.
    Q_INVOKABLE bool selectionHasAnyMissedEntries() const;
};

} // namespace Utils
