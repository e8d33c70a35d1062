#include <Kivo/Models/Roles.h>
#include <Kivo/Models/SelectionHandler.h>

#include <QItemSelectionModel>

namespace Kivo {
namespace Models {

SelectionHandler::SelectionHandler(QAbstractItemModel* source, ItemKind kind, QObject* parent)
    : QIdentityProxyModel(parent)
    , m_Kind(kind)
{
    for (const auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(this, signal, this, &SelectionHandler::countChanged);
    connect(this, &QAbstractItemModel::modelReset, this, &SelectionHandler::countChanged);
    connect(this, &QAbstractItemModel::layoutChanged, this, &SelectionHandler::countChanged);
    connect(this, &QAbstractProxyModel::sourceModelChanged, this, &SelectionHandler::countChanged);
    setSourceModel(source);
}

int SelectionHandler::objectRole() const
{
    switch (m_Kind) {
    case ContactItem:
        return Roles::Contact;
    case ActiveCommunicationItem:
        return Roles::CommsSession;
    case ParticipantItem:
        return Roles::Participant;
    case TimelineEntryItem:
        return Roles::TimelineEntry;
    case NoItem:
        break;
    }
    return -1;
}

bool SelectionHandler::isItem(const QModelIndex& index) const
{
    if (!index.isValid() || m_Kind == NoItem || QIdentityProxyModel::data(index, Roles::IsGroup).toBool())
        return false;
    return QIdentityProxyModel::data(index, objectRole()).value<QObject*>() != nullptr;
}

QObject* SelectionHandler::objectAt(int row) const
{
    const QModelIndex at = index(row, 0);
    return isItem(at) ? QIdentityProxyModel::data(at, objectRole()).value<QObject*>() : nullptr;
}

void SelectionHandler::setSelectionModel(QItemSelectionModel* selection)
{
    disconnect(m_SelectionConnection);
    m_Selection = selection;
    if (!selection)
        return;
    m_SelectionConnection = connect(selection, &QItemSelectionModel::selectionChanged, this,
                                    [this](const QItemSelection& selected, const QItemSelection& deselected) {
                                        for (const QItemSelection& changed : {selected, deselected}) {
                                            for (const QItemSelectionRange& range : changed) {
                                                if (range.model() == this)
                                                    emit dataChanged(range.topLeft(), range.bottomRight(),
                                                                     {Roles::Selected});
                                            }
                                        }
                                    });
}

bool SelectionHandler::hasItems() const
{
    // Group rows are few: the first item is found after a handful of rows.
    const int rows = rowCount();
    for (int row = 0; row < rows; ++row) {
        if (isItem(index(row, 0)))
            return true;
    }
    return false;
}

QVariant SelectionHandler::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    if (role == Roles::ItemKind)
        return isItem(index) ? int(m_Kind) : int(NoItem);
    if (role == Roles::Selected)
        return m_Selection && m_Selection->isSelected(index);
    return QIdentityProxyModel::data(index, role);
}

Qt::ItemFlags SelectionHandler::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags flags = QIdentityProxyModel::flags(index);
    return isItem(index) ? flags | Qt::ItemIsSelectable : flags & ~Qt::ItemIsSelectable;
}

QHash<int, QByteArray> SelectionHandler::roleNames() const
{
    QHash<int, QByteArray> names = sourceModel() ? sourceModel()->roleNames() : QHash<int, QByteArray>();
    names.insert(Roles::ItemKind, "itemKind");
    names.insert(Roles::Selected, "selected");
    return names;
}

} // namespace Models
} // namespace Kivo
