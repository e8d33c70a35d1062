#pragma once

#include "Utils/selection_handler_base.h"

namespace Utils {

// Selection of a conversation's participant list.
class ParticipantSelectionHandler : public SelectionHandlerBase
{
    Q_OBJECT

public:
    ParticipantSelectionHandler(QAbstractItemModel* model, QItemSelectionModel* selectionModel, QObject* parent);

    // Participants are not dragged.
    QString selectionAsString() const override { return QString(); }
    int objectRole() const override { return ParticipantRole; }
    bool isSelectableRow(const QModelIndex& index) const override { return itemKind(index) == ParticipantItem; }

    Q_INVOKABLE QList<QObject*> selectionAsParticipantsList() const { return selection(); }
};

} // namespace Utils
