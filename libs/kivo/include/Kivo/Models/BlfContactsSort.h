#pragma once

#include <Kivo/Models/Helper.h>

#include <QSortFilterProxyModel>

namespace Kivo {
namespace Models {

// Sorts the monitored contacts of the busy lamp field by name, first or last name first.
class BlfContactsSort : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit BlfContactsSort(QObject* parent = nullptr);

    Helper::PrimarySortField primarySortField() const { return m_Field; }
    // 0 sorts by first name, 1 by last name.
    void changePrimarySortField(int field);

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    Helper::PrimarySortField m_Field = Helper::FirstName;
};

} // namespace Models
} // namespace Kivo
