#pragma once

#include <QList>
#include <QObject>

class QAbstractItemModel;

namespace Kivo {
namespace Configuration {
class Config;
}
namespace Contacts {

class IContact;

// A container of contacts that belong to no list on the server, such as the people one
// directory search found. It owns its contacts and shows them in one flat model.
class ContactsImpl : public QObject
{
    Q_OBJECT

public:
    // The kind of getModel() that lists every contact, in the order they were added.
    static constexpr int AllContacts = 3;

    // The configuration holds nothing the simulated container needs.
    explicit ContactsImpl(const Configuration::Config* config, QObject* parent = nullptr);
    ~ContactsImpl() override;

    // The model of a kind, the same object on every call; null for a kind other than
    // AllContacts.
    QAbstractItemModel* getModel(int kind);
    QList<IContact*> contacts() const { return m_Contacts; }

    // A new contact for this container, not in it yet: the caller fills it in, then adds it or
    // deletes it. An id of -1 asks for a fresh one.
    IContact* createContact(int id);
    // Takes a contact made by createContact; false (and the contact stays the caller's) for
    // a null contact or one already in a container.
    bool addContact(IContact* contact);
    // Deletes every contact.
    void clear();

signals:
    void contactAdded(Kivo::Contacts::IContact* contact);
    void contactsAboutToBeCleared();
    void cleared();

private:
    class Model;

    QList<IContact*> m_Contacts;
    Model* m_Model = nullptr;
};

} // namespace Contacts
} // namespace Kivo
