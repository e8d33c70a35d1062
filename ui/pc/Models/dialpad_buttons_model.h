#pragma once

#include <QSortFilterProxyModel>

namespace Models {

// The call buttons under the dial pad: of the engine actions offered for the dialled
// number only Video Call, Call and Call from Phone, with the plain call in the middle as
// the default button.
class DialpadButtonsModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    // The source's role of the row's engine action, and the role added here.
    static constexpr int ActionRole = 346;
    static constexpr int IsDefaultActionRole = 347;

    explicit DialpadButtonsModel(QObject* parent = nullptr);

    // Rows that come or go change the order of the others, so every change sorts anew.
    void setSourceModel(QAbstractItemModel* source) override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    // The action id of a source index; 0 when the row carries no action.
    int actionId(const QModelIndex& sourceIndex) const;
    int acceptedRowCount() const;

    QMetaObject::Connection m_RowsInserted;
    QMetaObject::Connection m_RowsRemoved;
};

} // namespace Models
