#pragma once

#include "Utils/selection_handler_base.h"

namespace Utils {

// Selection of the active communications list.
class ActiveSelectionHandler : public SelectionHandlerBase
{
    Q_OBJECT

public:
    ActiveSelectionHandler(QAbstractItemModel* model, QItemSelectionModel* selectionModel, QObject* parent);

    // Ids of the parties of the selected conversations.
    QString selectionAsString() const override;
    int objectRole() const override { return CommsSessionRole; }
    bool isSelectableRow(const QModelIndex& index) const override
    {
        return itemKind(index) == ActiveCommunicationItem;
    }

    // The parties of the selected conversations, each once.
    Q_INVOKABLE QList<QObject*> selectionAsContacts() const;

public slots:
    // Selects the first conversation alone when its call is up: the main window asks for it
    // when a call starts.
    void activeSelectionSessionLookup();
};

} // namespace Utils
