#pragma once

#include <Kivo/Models/SearchFilter.h>

namespace Kivo {
namespace Models {

// Sorts a list of groups and their people (Groups, SearchGroups, or a plain list): groups keep
// their order, each group's own row stays above its rows, and the rows of a group sort by name
// as SearchFilter sorts them. It filters as SearchFilter does.
class ContactGroupSortProxy : public SearchFilter
{
    Q_OBJECT

public:
    explicit ContactGroupSortProxy(QObject* parent = nullptr);
    ContactGroupSortProxy(QAbstractItemModel* source, QObject* parent);

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
    quint64 placeOf(const Row& row, int rank) const override;
};

} // namespace Models
} // namespace Kivo
