#include <Kivo/Models/BlfContactsSort.h>

namespace Kivo {
namespace Models {

BlfContactsSort::BlfContactsSort(QObject* parent)
    : QSortFilterProxyModel(parent)
{
    setDynamicSortFilter(true);
}

void BlfContactsSort::changePrimarySortField(int field)
{
    const auto wanted = field == Helper::LastName ? Helper::LastName : Helper::FirstName;
    if (wanted == m_Field)
        return;
    m_Field = wanted;
    invalidate();
}

bool BlfContactsSort::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    return Helper::lessByName(Helper::sortKey(left, m_Field), Helper::sortKey(right, m_Field));
}

} // namespace Models
} // namespace Kivo
