#pragma once

#include <Kivo/Models/ContactKeys.h>

#include <QAbstractListModel>
#include <QList>
#include <QPointer>
#include <QVector>

namespace Kivo {
namespace Contacts {
class Contacts;
class IContact;
class IGroup;
} // namespace Contacts
namespace Models {

// The contact list by group, as the contact list shows it: each group's row (a row with the
// IsGroup role set) followed by the rows of its contacts while the group is open. Groups come
// in the order of their names; the contacts that are in no group close the list under "Other
// Contacts". A contact in two groups has a row in each. The filter hides contacts that are
// not online (16) or nobody (0). It follows the list change by change.
class Groups : public QAbstractListModel, public KeyedRows
{
    Q_OBJECT
    Q_PROPERTY(int count READ rowCount NOTIFY countChanged)
    Q_PROPERTY(int filter READ filter WRITE setFilter NOTIFY filterChanged)

public:
    enum Filter
    {
        AllContacts = 0,
        OnlineContacts = 16
    };

    explicit Groups(Contacts::Contacts& list, QObject* parent = nullptr);

    int filter() const { return m_Filter; }
    void setFilter(int filter);
    // Opens or closes the group `groupId`; a closed group keeps its own row only.
    Q_INVOKABLE void setGroupOpen(int groupId, bool open);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex index(int row, int column = 0, const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;
    Row keyedRow(int row) const override;

signals:
    void countChanged();
    void filterChanged();

protected:
    // A language change (sent by whoever shows the list) renames the other contacts' group.
    bool event(QEvent* event) override;

private:
    struct Section
    {
        QPointer<Contacts::IGroup> group;
        // The group's open state as the rows show it.
        bool open = true;
        QList<Contacts::IContact*> members;
    };

    void reload();
    void clear();
    bool accepts(const Contacts::IContact& contact) const;
    // The sections a contact belongs in by its groups (not by the filter).
    QList<int> sectionsOf(const Contacts::IContact& contact) const;
    int sectionOf(const Contacts::IGroup* group) const;
    int firstRow(int section) const;
    // The section that shows list row `row` (-1 for none); `row` becomes the row within it,
    // 0 being the section's header.
    int sectionAt(int& row) const;
    void contactAdded(Contacts::IContact* contact);
    void contactRemoved(int id);
    void contactChanged(Contacts::IContact* contact);
    void addMember(int section, Contacts::IContact* contact);
    void removeMember(int section, int member);
    // Ends the change of a section's rows begun while it was open, and tells its new count.
    void membersChanged(int section, void (QAbstractItemModel::*end)());
    void groupOpenChanged(Contacts::IGroup* group);
    // The rows of the section that shows `group` have a new group name.
    void groupNameChanged(Contacts::IGroup* group);

    QPointer<Contacts::Contacts> m_List;
    // Holds the contacts of no group.
    Contacts::IGroup* m_Others;
    QList<Section> m_Sections;
    int m_Filter = AllContacts;
    // Per section, its first row, and the row count last: a sort asks for the count with
    // every index it makes. Forgotten whenever a section's rows or open state change.
    mutable QVector<int> m_Starts;
    const QVector<int>& starts() const;
};

} // namespace Models
} // namespace Kivo
