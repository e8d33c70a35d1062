#include "pending_connectors.h"

#include <Kivo/ApiProvider/ConnectorData.h>

namespace Kivo {
namespace ApiProvider {

namespace {

ConnectorData* connectorAt(const QModelIndex& index)
{
    return qobject_cast<ConnectorData*>(index.data(ConnectorData::ObjectRole).value<QObject*>());
}

} // namespace

PendingConnectors::PendingConnectors(QAbstractItemModel* connectors, QObject* parent)
    : QSortFilterProxyModel(parent)
{
    setSourceModel(connectors);
    connect(connectors, &QAbstractItemModel::rowsInserted, this, &PendingConnectors::watchRows);
    watchRows(QModelIndex(), 0, connectors->rowCount() - 1);
}

bool PendingConnectors::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    const ConnectorData* connector = connectorAt(sourceModel()->index(sourceRow, 0, sourceParent));
    return connector && connector->state() == ConnectorData::Pending;
}

void PendingConnectors::watchRows(const QModelIndex& parent, int first, int last)
{
    // A decision changes no row of the list, only the connector's state.
    for (int row = first; row <= last; ++row) {
        if (ConnectorData* connector = connectorAt(sourceModel()->index(row, 0, parent)))
            connect(connector, &ConnectorData::stateChanged, this, &PendingConnectors::invalidateFilter,
                    Qt::UniqueConnection);
    }
}

} // namespace ApiProvider
} // namespace Kivo
