#include <Kivo/Contacts/ContactsImpl.h>

#include <Kivo/Contacts/IContact.h>
#include <Kivo/Models/Roles.h>

#include "../kivo_log.h"
#include "../models/contact_rows.h"

#include <QAbstractListModel>

namespace Kivo {
namespace Contacts {

namespace {

// Ids of contacts that are in no list; far below the temporary ids of the contact list.
int nextFreeId()
{
    static int next = -0x100000;
    return next--;
}

} // namespace

class ContactsImpl::Model : public QAbstractListModel
{
public:
    explicit Model(ContactsImpl& container)
        : QAbstractListModel(&container)
        , m_Container(container)
    {
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : int(m_Container.m_Contacts.size());
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        const IContact* contact = m_Container.m_Contacts.value(index.row());
        return contact && index.isValid() ? Models::ContactRows::data(*contact, role) : QVariant();
    }

    QHash<int, QByteArray> roleNames() const override { return Models::Roles::names(); }

    void beginAppend() { beginInsertRows(QModelIndex(), rowCount(), rowCount()); }
    using QAbstractListModel::beginResetModel;
    using QAbstractListModel::endInsertRows;
    using QAbstractListModel::endResetModel;

private:
    ContactsImpl& m_Container;
};

ContactsImpl::ContactsImpl(const Configuration::Config* config, QObject* parent)
    : QObject(parent)
{
    Q_UNUSED(config)
}

ContactsImpl::~ContactsImpl()
{
    // The model goes first: nothing may read the contacts while they are deleted.
    delete m_Model;
    m_Model = nullptr;
    qDeleteAll(m_Contacts);
}

QAbstractItemModel* ContactsImpl::getModel(int kind)
{
    if (kind != AllContacts) {
        KIVO_LOG(Tesk::Core::Logging::LevelWarning) << "No contact model of kind " << kind << " in a contact container";
        return nullptr;
    }
    if (!m_Model)
        m_Model = new Model(*this);
    return m_Model;
}

IContact* ContactsImpl::createContact(int id)
{
    return new IContact(id == -1 ? nextFreeId() : id);
}

bool ContactsImpl::addContact(IContact* contact)
{
    if (!contact || contact->parent() || m_Contacts.contains(contact))
        return false;
    if (m_Model)
        m_Model->beginAppend();
    contact->setParent(this);
    m_Contacts.append(contact);
    if (m_Model)
        m_Model->endInsertRows();
    emit contactAdded(contact);
    return true;
}

void ContactsImpl::clear()
{
    if (m_Contacts.isEmpty())
        return;
    emit contactsAboutToBeCleared();
    if (m_Model)
        m_Model->beginResetModel();
    const QList<IContact*> contacts = m_Contacts;
    m_Contacts.clear();
    if (m_Model)
        m_Model->endResetModel();
    qDeleteAll(contacts);
    emit cleared();
}

} // namespace Contacts
} // namespace Kivo
