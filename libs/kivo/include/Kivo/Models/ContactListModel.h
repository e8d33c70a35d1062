#pragma once

#include <Kivo/Models/ContactKeys.h>

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QPointer>

namespace Kivo {
namespace Contacts {
class Contacts;
class IContact;
} // namespace Contacts
namespace Models {

// A flat list of the contact list's contacts of one kind (Contacts::ModelKind): one row per
// contact that passes the kind's filters, in the order the contacts were listed. It follows
// the list: contacts come and go as they are added, removed or change (a contact that comes
// online joins the online list). Rows carry the contact roles of Models::Roles. The kind
// Contacts::PresenceRequests lists the waiting presence requests instead.
class ContactListModel : public QAbstractListModel, public KeyedRows
{
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    ContactListModel(Contacts::Contacts& list, int kind, QObject* parent = nullptr);

    int kind() const { return m_Kind; }
    int count() const { return int(m_Rows.size()); }
    Contacts::IContact* contactAt(int row) const { return m_Rows.value(row); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex index(int row, int column = 0, const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;
    Row keyedRow(int row) const override;

signals:
    void countChanged();

private:
    void followContacts(Contacts::Contacts& list);
    void followPresenceRequests(Contacts::Contacts& list);
    void watchRequest(Contacts::IContact* request);
    void removeContact(int id);
    bool accepts(const Contacts::IContact& contact) const;
    void reload();
    void clear();
    void insert(Contacts::IContact* contact);
    void remove(int row);
    void contactChanged(Contacts::IContact* contact);

    QPointer<Contacts::Contacts> m_List;
    const int m_Kind;
    QList<Contacts::IContact*> m_Rows;
    // Row of each listed contact by id.
    QHash<int, int> m_RowOf;
};

} // namespace Models
} // namespace Kivo
