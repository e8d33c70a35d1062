#include "Utils/participant_selection_handler.h"

namespace Utils {

ParticipantSelectionHandler::ParticipantSelectionHandler(QAbstractItemModel* model,
                                                         QItemSelectionModel* selectionModel, QObject* parent)
    : SelectionHandlerBase(model, selectionModel, parent)
{
}

} // namespace Utils
