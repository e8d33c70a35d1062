// The signed-in account's contact list and the company directory of the simulated service.
#include <Kivo/Contacts/Properties.h>
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"
#include "digits.h"

#include <algorithm>
#include <optional>

namespace Kivo {
namespace Simulation {

namespace {

using Tesk::Core::Logging::LevelInfo;
namespace Properties = Contacts::Properties;

// Longer texts are refused rather than cut, so nothing is stored other than what was sent.
constexpr int MaxTextLength = 1000;

QString text(const PropertyMap& properties, int key)
{
    return properties.value(key).toString().trimmed();
}

bool isNumberKey(int key)
{
    return Properties::numberKeys().contains(static_cast<Properties::Key>(key));
}

bool isAddressKey(int key)
{
    return key == Properties::Address || key == Properties::Email || key == Properties::Jid;
}

// Blank texts are dropped; control characters other than blanks make the map unusable.
bool cleanProperties(PropertyMap& properties, QString* problem)
{
    for (auto it = properties.begin(); it != properties.end();) {
        if (it.value().type() == QVariant::String) {
            const QString value = it.value().toString().trimmed();
            if (value.size() > MaxTextLength) {
                *problem = QStringLiteral("A contact detail is longer than %1 characters").arg(MaxTextLength);
                return false;
            }
            for (const QChar c : value) {
                if (c.category() == QChar::Other_Control) {
                    *problem = QStringLiteral("A contact detail contains control characters");
                    return false;
                }
            }
            if (value.isEmpty()) {
                it = properties.erase(it);
                continue;
            }
            it.value() = value;
        }
        ++it;
    }
    return true;
}

bool hasIdentity(const PropertyMap& properties)
{
    if (!text(properties, Properties::DisplayName).isEmpty() || !text(properties, Properties::Address).isEmpty())
        return true;
    for (Properties::Key key : Properties::numberKeys()) {
        if (!text(properties, key).isEmpty())
            return true;
    }
    return false;
}

// Cleans the details a contact is to be stored with; says why it cannot be, or nothing. No
// two contacts of the list (other than `self`) share an address.
QString contactProblem(PropertyMap& properties, const ContactBook& book, std::optional<int> self)
{
    QString problem;
    if (!cleanProperties(properties, &problem) || !hasIdentity(properties))
        return problem.isEmpty() ? QStringLiteral("A contact needs a name, an address or a number") : problem;
    const QString address = text(properties, Properties::Address);
    if (address.isEmpty())
        return QString();
    for (const ContactRecord& other : book.records) {
        if (other.id != self && text(other.properties, Properties::Address).compare(address, Qt::CaseInsensitive) == 0)
            return QStringLiteral("%1 is already in the contact list").arg(address);
    }
    return QString();
}

QString firstNumber(const PropertyMap& properties)
{
    for (Properties::Key key : Properties::numberKeys()) {
        const QString number = text(properties, key);
        if (!number.isEmpty())
            return number;
    }
    return QString();
}

// Why `name` (trimmed) cannot name a group of the list, or nothing; the group `self` may keep
// its own name.
QString groupNameProblem(const QString& name, const ContactBook& book, std::optional<int> self)
{
    if (name.isEmpty())
        return QStringLiteral("A group needs a name");
    if (name.size() > MaxTextLength)
        return QStringLiteral("The group name is too long");
    for (const GroupRecord& other : book.groups) {
        if (other.id != self && other.name.compare(name, Qt::CaseInsensitive) == 0)
            return QStringLiteral("A group named %1 already exists").arg(name);
    }
    return QString();
}

bool criterionMatches(int key, const QString& wanted, const PropertyMap& entry)
{
    for (auto it = entry.constBegin(); it != entry.constEnd(); ++it) {
        const QString value = it.value().toString();
        if (value.isEmpty())
            continue;
        if (isNumberKey(key) && isNumberKey(it.key())) {
            if (!digitsOf(wanted).isEmpty() && digitsOf(wanted) == digitsOf(value))
                return true;
        } else if ((isAddressKey(key) && isAddressKey(it.key())) || key == it.key()) {
            if (wanted.compare(value, Qt::CaseInsensitive) == 0)
                return true;
        }
    }
    return false;
}

} // namespace

ContactBook& Service::contactBook()
{
    const int account = *m_SignedIn;
    auto found = m_ContactBooks.find(account);
    if (found != m_ContactBooks.end())
        return *found;

    ContactBook book;
    for (const Contact& contact : m_Accounts.at(account).contacts) {
        ContactRecord record;
        record.id = contact.id;
        record.properties.insert(Properties::DisplayName, contact.name);
        record.properties.insert(Properties::Address, contact.address);
        record.properties.insert(Properties::Jid, contact.address);
        record.properties.insert(myRoomProperties(contact.address, false));
        if (!contact.number.isEmpty())
            record.properties.insert(Properties::WorkNumber, contact.number);
        QString ignored;
        cleanProperties(record.properties, &ignored);
        if (!contact.group.isEmpty()) {
            auto group = std::find_if(book.groups.begin(), book.groups.end(), [&](const GroupRecord& g) {
                return g.name.compare(contact.group, Qt::CaseInsensitive) == 0;
            });
            if (group == book.groups.end())
                group = book.groups.insert(book.groups.end(), {book.nextGroupId++, contact.group});
            record.groups.append(group->id);
        }
        book.records.insert(record.id, record);
        book.nextContactId = qMax(book.nextContactId, contact.id + 1);
    }
    // An account's groups start in the order of their names; the user rearranges them.
    std::stable_sort(book.groups.begin(), book.groups.end(), [](const GroupRecord& left, const GroupRecord& right) {
        return left.name.compare(right.name, Qt::CaseInsensitive) < 0;
    });
    return *m_ContactBooks.insert(account, book);
}

ContactRecord Service::recordOf(const ContactBook& book, int contactId) const
{
    ContactRecord record = book.records.value(contactId);
    if (const Contact* contact = findContact(contactId)) {
        record.presence = record.subscribed ? contact->presence : 0;
        record.note = record.subscribed ? contact->note : QString();
    }
    return record;
}

QList<ContactRecord> Service::contactRecords()
{
    QList<ContactRecord> records;
    if (!m_SignedIn)
        return records;
    const ContactBook& book = contactBook();
    const QList<Contact>& contacts = m_Accounts.at(*m_SignedIn).contacts;
    records.reserve(contacts.size());
    for (const Contact& contact : contacts)
        records.append(recordOf(book, contact.id));
    return records;
}

std::optional<ContactRecord> Service::contactRecord(int contactId)
{
    if (!m_SignedIn || !contactBook().records.contains(contactId))
        return std::nullopt;
    return recordOf(contactBook(), contactId);
}

QList<GroupRecord> Service::groupRecords()
{
    return m_SignedIn ? contactBook().groups : QList<GroupRecord>();
}

bool Service::requestAddContact(int tag, const ContactRecord& request)
{
    if (!sessionOpen("contact addition"))
        return false;
    post(
        [this, tag, request] {
            ContactBook& book = contactBook();
            PropertyMap properties = request.properties;
            const QString problem = contactProblem(properties, book, std::nullopt);
            if (!problem.isEmpty()) {
                emit contactRequestFailed(tag, problem);
                return;
            }
            const QString address = text(properties, Properties::Address);
            Contact contact;
            contact.id = book.nextContactId++;
            contact.name = text(properties, Properties::DisplayName);
            contact.address = address;
            contact.number = firstNumber(properties);
            // A contact that is one of the service's users shows that user's presence.
            const int user = accountIndex(address);
            if (user >= 0)
                contact.presence = m_Accounts.at(user).presence;
            m_Accounts[*m_SignedIn].contacts.append(contact);
            contactAppended();

            ContactRecord record;
            record.id = contact.id;
            record.properties = properties;
            // A user's room is the service's to tell, not the adder's.
            record.properties.insert(myRoomProperties(address, false));
            record.favorite = request.favorite;
            record.subscribed = request.subscribed;
            book.records.insert(record.id, record);
            KIVO_LOG(LevelInfo) << "Simulated service: contact " << record.id << " added";
            emit contactAdded(tag, recordOf(book, record.id));
        },
        true);
    return true;
}

bool Service::requestRemoveContact(int contactId)
{
    if (!sessionOpen("contact removal"))
        return false;
    post(
        [this, contactId] {
            ContactBook& book = contactBook();
            if (book.records.remove(contactId) == 0) {
                emit contactRequestFailed(contactId, QStringLiteral("The contact is not in the contact list"));
                return;
            }
            QList<Contact>& contacts = m_Accounts[*m_SignedIn].contacts;
            contacts.erase(std::remove_if(contacts.begin(), contacts.end(),
                                          [contactId](const Contact& c) { return c.id == contactId; }),
                           contacts.end());
            contactsReordered();
            emit contactRemoved(contactId);
        },
        true);
    return true;
}

void Service::postContactChange(int contactId, std::function<bool(ContactRecord&)> change)
{
    post(
        [this, contactId, change] {
            ContactBook& book = contactBook();
            auto record = book.records.find(contactId);
            if (record == book.records.end()) {
                emit contactRequestFailed(contactId, QStringLiteral("The contact is not in the contact list"));
                return;
            }
            ContactRecord changed = *record;
            if (!change(changed))
                return;
            *record = changed;
            emit contactChanged(recordOf(book, contactId));
        },
        true);
}

bool Service::requestUpdateContact(int contactId, const PropertyMap& properties)
{
    if (!sessionOpen("contact update"))
        return false;
    postContactChange(contactId, [this, contactId, properties](ContactRecord& record) {
        PropertyMap merged = record.properties;
        for (auto it = properties.constBegin(); it != properties.constEnd(); ++it)
            merged.insert(it.key(), it.value());
        const QString problem = contactProblem(merged, contactBook(), contactId);
        if (!problem.isEmpty()) {
            emit contactRequestFailed(contactId, problem);
            return false;
        }
        const QString address = text(merged, Properties::Address);
        record.properties = merged;
        if (Contact* contact = findContact(contactId)) {
            contact->name = text(merged, Properties::DisplayName);
            contact->address = address;
            contact->number = firstNumber(merged);
        }
        return true;
    });
    return true;
}

bool Service::requestFavorite(int contactId, bool favorite)
{
    if (!sessionOpen("favourite change"))
        return false;
    postContactChange(contactId, [favorite](ContactRecord& record) {
        record.favorite = favorite;
        return true;
    });
    return true;
}

bool Service::requestSubscription(int contactId, bool subscribed)
{
    if (!sessionOpen("subscription change"))
        return false;
    postContactChange(contactId, [subscribed](ContactRecord& record) {
        record.subscribed = subscribed;
        return true;
    });
    return true;
}

bool Service::requestGroupMembership(int contactId, int groupId, bool member)
{
    if (!sessionOpen("group change"))
        return false;
    postContactChange(contactId, [this, contactId, groupId, member](ContactRecord& record) {
        const QList<GroupRecord>& groups = contactBook().groups;
        if (std::none_of(groups.begin(), groups.end(), [groupId](const GroupRecord& g) { return g.id == groupId; })) {
            emit contactRequestFailed(contactId, QStringLiteral("The group does not exist"));
            return false;
        }
        record.groups.removeAll(groupId);
        if (member)
            record.groups.append(groupId);
        return true;
    });
    return true;
}

bool Service::requestAddGroup(int tag, const QString& name)
{
    if (!sessionOpen("group addition"))
        return false;
    post(
        [this, tag, name] {
            ContactBook& book = contactBook();
            const QString wanted = name.trimmed();
            const QString problem = groupNameProblem(wanted, book, std::nullopt);
            if (!problem.isEmpty()) {
                emit contactRequestFailed(tag, problem);
                return;
            }
            const GroupRecord group{book.nextGroupId++, wanted};
            book.groups.append(group);
            emit groupAdded(tag, group);
        },
        true);
    return true;
}

bool Service::requestRenameGroup(int groupId, const QString& name)
{
    if (!sessionOpen("group rename"))
        return false;
    post(
        [this, groupId, name] {
            ContactBook& book = contactBook();
            const QString wanted = name.trimmed();
            auto group = std::find_if(book.groups.begin(), book.groups.end(),
                                      [groupId](const GroupRecord& g) { return g.id == groupId; });
            const QString problem = group == book.groups.end() ? QStringLiteral("The group does not exist")
                                                               : groupNameProblem(wanted, book, groupId);
            if (!problem.isEmpty()) {
                emit contactRequestFailed(groupId, problem);
                return;
            }
            group->name = wanted;
            emit groupRenamed(groupId, wanted);
        },
        true);
    return true;
}

bool Service::requestRemoveGroup(int groupId)
{
    if (!sessionOpen("group removal"))
        return false;
    post(
        [this, groupId] {
            ContactBook& book = contactBook();
            const auto removed = std::remove_if(book.groups.begin(), book.groups.end(),
                                                [groupId](const GroupRecord& g) { return g.id == groupId; });
            if (removed == book.groups.end()) {
                emit contactRequestFailed(groupId, QStringLiteral("The group does not exist"));
                return;
            }
            book.groups.erase(removed, book.groups.end());
            QList<int> members;
            for (ContactRecord& record : book.records) {
                if (record.groups.removeAll(groupId) > 0)
                    members.append(record.id);
            }
            emit groupRemoved(groupId);
            for (int contactId : qAsConst(members))
                emit contactChanged(recordOf(book, contactId));
        },
        true);
    return true;
}

bool Service::searchDirectory(int requestId, const PropertyMap& criteria)
{
    if (!sessionOpen("directory search"))
        return false;
    post(
        [this, requestId, criteria] {
            QList<PropertyMap> matches;
            for (const PropertyMap& entry : directoryEntries()) {
                for (auto it = criteria.constBegin(); it != criteria.constEnd(); ++it) {
                    const QString wanted = it.value().toString().trimmed();
                    if (!wanted.isEmpty() && criterionMatches(it.key(), wanted, entry)) {
                        matches.append(entry);
                        break;
                    }
                }
            }
            emit directorySearchFinished(requestId, matches);
        },
        true);
    return true;
}

void Service::setContactListReadOnly(bool readOnly)
{
    post(
        [this, readOnly] {
            if (readOnly == m_ContactListReadOnly)
                return;
            m_ContactListReadOnly = readOnly;
            emit contactListReadOnlyChanged(readOnly);
        },
        false);
}

} // namespace Simulation
} // namespace Kivo
