#pragma once

#include <QSortFilterProxyModel>

namespace Kivo {
namespace ApiProvider {

// The connectors of a list that wait for the user's decision (state Pending); a connector
// leaves as soon as it is accepted or rejected.
class PendingConnectors : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit PendingConnectors(QAbstractItemModel* connectors, QObject* parent = nullptr);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    void watchRows(const QModelIndex& parent, int first, int last);
};

} // namespace ApiProvider
} // namespace Kivo
