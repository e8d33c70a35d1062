#pragma once

#include <QIdentityProxyModel>
#include <QItemSelectionModel>
#include <QPointer>

namespace Kivo {
namespace Models {

// The rows of a list as a list view selects them: over any source (contacts, active
// communications, participants, history) it adds the row's item kind (Roles::ItemKind: the
// proxy's kind for a row that holds an object, 0 for a group's row or an empty one) and, once
// given the selection model over this proxy, whether the row is selected (Roles::Selected).
// Rows of kind 0 cannot be selected. The source may change at any time.
class SelectionHandler : public QIdentityProxyModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)
    Q_PROPERTY(bool hasItems READ hasItems NOTIFY countChanged)

public:
    enum ItemKind
    {
        NoItem = 0,
        ContactItem = 1,
        ActiveCommunicationItem = 2,
        ParticipantItem = 3,
        TimelineEntryItem = 4
    };
    Q_ENUM(ItemKind)

    SelectionHandler(QAbstractItemModel* source, ItemKind kind, QObject* parent = nullptr);

    ItemKind itemKind() const { return m_Kind; }
    // The role that carries the rows' objects: Roles::Contact for contacts, and so on.
    int objectRole() const;
    // The object of a row of kind itemKind(), or null.
    Q_INVOKABLE QObject* objectAt(int row) const;

    void setSelectionModel(QItemSelectionModel* selection);
    QItemSelectionModel* selectionModel() const { return m_Selection; }

    int count() const { return rowCount(); }
    // Whether any row holds an item (not only group rows).
    bool hasItems() const;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QHash<int, QByteArray> roleNames() const override;

signals:
    void countChanged();

private:
    bool isItem(const QModelIndex& index) const;

    const ItemKind m_Kind;
    QPointer<QItemSelectionModel> m_Selection;
    QMetaObject::Connection m_SelectionConnection;
};

} // namespace Models
} // namespace Kivo
