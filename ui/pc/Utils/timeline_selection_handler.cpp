#include "Utils/timeline_selection_handler.h"

#include <Kivo/Models/TimelineEntry.h>

namespace Utils {

TimelineSelectionHandler::TimelineSelectionHandler(QAbstractItemModel* model, QItemSelectionModel* selectionModel,
                                                   QObject* parent)
    : SelectionHandlerBase(model, selectionModel, parent)
{
}

bool TimelineSelectionHandler::selectionHasAnyMissedEntries() const
{
    for (QObject* object : selection()) {
        const auto* entry = qobject_cast<const Kivo::Models::TimelineEntry*>(object);
        if (entry && entry->hasNewComms())
            return true;
    }
    return false;
}

} // namespace Utils
