#pragma once

#include <Kivo/Models/ContactKeys.h>

#include <QAbstractListModel>
#include <QList>
#include <QMetaObject>
#include <QPointer>
#include <QVector>

namespace Kivo {
namespace Configuration {
class Config;
}
namespace Contacts {
class IGroup;
}
namespace Models {

// The results of the searches the user runs, one group per search: each shown group's own
// row (IsGroup set, with its name, searching state and count) followed, while it is open, by
// the rows of its search model, which keep their roles. Groups keep the order they were
// added in; a group removed and added again returns to its place.
class SearchGroups : public QAbstractListModel, public KeyedRows
{
    Q_OBJECT
    Q_PROPERTY(int count READ rowCount NOTIFY countChanged)

public:
    // The configuration holds nothing the simulated searches need.
    explicit SearchGroups(const Configuration::Config* config, QObject* parent = nullptr);
    ~SearchGroups() override;

    // Shows the rows of `model` (not owned) under a new group, which this model owns and
    // returns; the caller names it. Null for a null model.
    Contacts::IGroup* addSearchModel(QAbstractItemModel* model);
    // Shows a group of this model again, after removeGroup.
    void addGroup(Contacts::IGroup* group);
    // Hides a group and its rows; the group stays for a later addGroup.
    void removeGroup(Contacts::IGroup* group);
    // The groups shown, in order.
    QList<Contacts::IGroup*> groups() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex index(int row, int column = 0, const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;
    Row keyedRow(int row) const override;

signals:
    void countChanged();

private:
    struct Entry
    {
        Contacts::IGroup* group = nullptr;
        QPointer<QAbstractItemModel> model;
        // The model's keyed rows, while the model lives; null when it has none.
        const KeyedRows* keyed = nullptr;
        bool shown = true;
        // The group's open state as the rows show it.
        bool open = true;
        QList<QMetaObject::Connection> connections;
    };

    int entryOf(const Contacts::IGroup* group) const;
    int firstRow(int entry) const;
    int shownRows(const Entry& entry) const;
    bool forwards(int entry) const;
    void follow(int entry);
    void headerChanged(int entry, const QVector<int>& roles);
    void groupOpenChanged(Contacts::IGroup* group);

    // Forgets the rows' places: a search model's rows or a group's state changed.
    void rowsMoved() const { m_Starts.clear(); }
    // Per entry, its first row here, and the row count last: index() asks for the count on
    // every call, and a sort makes many indexes.
    const QVector<int>& starts() const;

    QList<Entry> m_Entries;
    int m_NextGroupId = 1;
    mutable QVector<int> m_Starts;
};

} // namespace Models
} // namespace Kivo
