#include "Models/dialpad_buttons_model.h"

#include <Kivo/Actions/Action.h>

namespace Models {

namespace {

using Kivo::Actions::Action;

} // namespace

DialpadButtonsModel::DialpadButtonsModel(QObject* parent)
    : QSortFilterProxyModel(parent)
{
    setDynamicSortFilter(true);
}

void DialpadButtonsModel::setSourceModel(QAbstractItemModel* source)
{
    disconnect(m_RowsInserted);
    disconnect(m_RowsRemoved);
    QSortFilterProxyModel::setSourceModel(source);
    if (!source)
        return;
    m_RowsInserted = connect(source, &QAbstractItemModel::rowsInserted, this, &DialpadButtonsModel::invalidate);
    m_RowsRemoved = connect(source, &QAbstractItemModel::rowsRemoved, this, &DialpadButtonsModel::invalidate);
}

int DialpadButtonsModel::actionId(const QModelIndex& sourceIndex) const
{
    const auto* action = qobject_cast<const Action*>(sourceIndex.data(ActionRole).value<QObject*>());
    return action ? action->getId() : Action::None;
}

bool DialpadButtonsModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    const int id = actionId(sourceModel()->index(sourceRow, 0, sourceParent));
    return id == Action::Call || id == Action::VideoCall || id == Action::CallFromPhone;
}

int DialpadButtonsModel::acceptedRowCount() const
{
    // Counted on the source: the proxy's own rows are what the sort is building.
    int count = 0;
    for (int row = 0; sourceModel() && row < sourceModel()->rowCount(); ++row)
        count += filterAcceptsRow(row, QModelIndex()) ? 1 : 0;
    return count;
}

bool DialpadButtonsModel::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    const int leftId = actionId(left);
    switch (acceptedRowCount()) {
    case 3:
        return leftId == Action::VideoCall || (leftId == Action::Call && actionId(right) == Action::CallFromPhone);
    case 2:
        return leftId == Action::Call;
    default:
        return false;
    }
}

QVariant DialpadButtonsModel::data(const QModelIndex& index, int role) const
{
    if (role != IsDefaultActionRole)
        return QSortFilterProxyModel::data(index, role);
    if (!index.isValid())
        return QVariant();
    return rowCount() == 1 || actionId(mapToSource(index)) == Action::Call;
}

QHash<int, QByteArray> DialpadButtonsModel::roleNames() const
{
    QHash<int, QByteArray> names = QSortFilterProxyModel::roleNames();
    names.insert(IsDefaultActionRole, "isDefaultAction");
    return names;
}

} // namespace Models
