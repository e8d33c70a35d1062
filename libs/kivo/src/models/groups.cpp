#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Models/Groups.h>
#include <Kivo/Models/Roles.h>

#include "contact_rows.h"

#include <QEvent>

#include <algorithm>


namespace Kivo {
namespace Models {

using Contacts::IContact;
using Contacts::IGroup;

Groups::Groups(Contacts::Contacts& list, QObject* parent)
    : QAbstractListModel(parent)
    , m_List(&list)
    , m_Others(new IGroup(IGroup::AllContactsId, tr("Other Contacts"), this))
{
    using List = Contacts::Contacts;
    connect(&list, &List::contactsLoaded, this, &Groups::reload);
    connect(&list, &List::contactsAboutToBeCleared, this, &Groups::clear);
    connect(&list, &List::contactAdded, this, &Groups::contactAdded);
    connect(&list, &List::contactRemoved, this, &Groups::contactRemoved);
    connect(&list, &List::contactChanged, this, &Groups::contactChanged);
    // Groups come and go rarely; the list is laid out again for them.
    connect(&list, &List::groupAdded, this, &Groups::reload);
    connect(&list, &List::groupRemoved, this, &Groups::reload);
    connect(&list, &List::groupsReordered, this, &Groups::reload);
    connect(m_Others, &IGroup::openChanged, this, [this] { groupOpenChanged(m_Others); });
    connect(m_Others, &IGroup::nameChanged, this, [this] { groupNameChanged(m_Others); });
    reload();
}

void Groups::setFilter(int filter)
{
    if (filter == m_Filter)
        return;
    m_Filter = filter;
    reload();
    emit filterChanged();
}

void Groups::setGroupOpen(int groupId, bool open)
{
    for (const Section& section : qAsConst(m_Sections)) {
        if (section.group && section.group->getId() == groupId)
            section.group->setOpen(open);
    }
}

bool Groups::accepts(const IContact& contact) const
{
    return contact.isStored() && (m_Filter != OnlineContacts || ContactRows::isAvailable(contact.presenceState()));
}

QList<int> Groups::sectionsOf(const IContact& contact) const
{
    QList<int> sections;
    for (int groupId : contact.groupIds()) {
        for (int section = 0; section < m_Sections.size(); ++section) {
            const IGroup* group = m_Sections.at(section).group;
            if (group && group != m_Others && group->getId() == groupId && !sections.contains(section))
                sections.append(section);
        }
    }
    if (sections.isEmpty())
        sections.append(sectionOf(m_Others));
    return sections;
}

int Groups::sectionOf(const IGroup* group) const
{
    for (int section = 0; section < m_Sections.size(); ++section) {
        if (m_Sections.at(section).group == group)
            return section;
    }
    return -1;
}

void Groups::reload()
{
    beginResetModel();
    for (const Section& section : qAsConst(m_Sections)) {
        if (section.group && section.group != m_Others)
            disconnect(section.group, nullptr, this, nullptr);
    }
    m_Sections.clear();
    if (m_List) {
        // The groups in the list's order, which the user arranges; the others last.
        const QList<IGroup*> groups = m_List->groups();
        for (IGroup* group : groups) {
            m_Sections.append({group, group->isOpen(), {}});
            connect(group, &IGroup::openChanged, this, [this, group] { groupOpenChanged(group); });
            connect(group, &IGroup::nameChanged, this, &Groups::reload);
        }
        m_Sections.append({m_Others, m_Others->isOpen(), {}});
        for (IContact* contact : m_List->contacts()) {
            if (!accepts(*contact))
                continue;
            for (int section : sectionsOf(*contact))
                m_Sections[section].members.append(contact);
        }
    }
    m_Starts.clear();
    endResetModel();
    emit countChanged();
}

void Groups::clear()
{
    beginResetModel();
    for (Section& section : m_Sections)
        section.members.clear();
    m_Starts.clear();
    endResetModel();
    emit countChanged();
}

const QVector<int>& Groups::starts() const
{
    if (m_Starts.isEmpty()) {
        m_Starts.reserve(m_Sections.size() + 1);
        int row = 0;
        for (const Section& section : m_Sections) {
            m_Starts.append(row);
            row += 1 + (section.open ? int(section.members.size()) : 0);
        }
        m_Starts.append(row);
    }
    return m_Starts;
}

int Groups::firstRow(int section) const
{
    return starts().at(section);
}

void Groups::addMember(int section, IContact* contact)
{
    Section& target = m_Sections[section];
    const int row = firstRow(section) + 1 + int(target.members.size());
    if (target.open)
        beginInsertRows(QModelIndex(), row, row);
    target.members.append(contact);
    m_Starts.clear();
    membersChanged(section, &Groups::endInsertRows);
}

void Groups::removeMember(int section, int member)
{
    Section& target = m_Sections[section];
    const int row = firstRow(section) + 1 + member;
    if (target.open)
        beginRemoveRows(QModelIndex(), row, row);
    target.members.removeAt(member);
    m_Starts.clear();
    membersChanged(section, &Groups::endRemoveRows);
}

void Groups::membersChanged(int section, void (QAbstractItemModel::*end)())
{
    if (m_Sections.at(section).open) {
        (this->*end)();
        emit countChanged();
    }
    const QModelIndex header = index(firstRow(section));
    emit dataChanged(header, header, {Roles::GroupCount});
}

void Groups::contactAdded(IContact* contact)
{
    if (!accepts(*contact))
        return;
    for (int section : sectionsOf(*contact))
        addMember(section, contact);
}

void Groups::contactRemoved(int id)
{
    for (int section = 0; section < m_Sections.size(); ++section) {
        const QList<IContact*>& members = m_Sections.at(section).members;
        for (int member = int(members.size()) - 1; member >= 0; --member) {
            if (members.at(member)->getId() == id)
                removeMember(section, member);
        }
    }
}

void Groups::contactChanged(IContact* contact)
{
    const QList<int> wanted = accepts(*contact) ? sectionsOf(*contact) : QList<int>();
    for (int section = 0; section < m_Sections.size(); ++section) {
        const int member = int(m_Sections.at(section).members.indexOf(contact));
        if (member >= 0 && !wanted.contains(section)) {
            removeMember(section, member);
        } else if (member < 0 && wanted.contains(section)) {
            addMember(section, contact);
        } else if (member >= 0 && m_Sections.at(section).open) {
            const QModelIndex row = index(firstRow(section) + 1 + member);
            emit dataChanged(row, row);
        }
    }
}

void Groups::groupOpenChanged(IGroup* group)
{
    const int section = sectionOf(group);
    if (section < 0 || m_Sections.at(section).open == group->isOpen())
        return;
    Section& changed = m_Sections[section];
    const int header = firstRow(section);
    const int first = header + 1;
    const int last = header + int(changed.members.size());
    const bool rows = !changed.members.isEmpty();
    if (rows && group->isOpen())
        beginInsertRows(QModelIndex(), first, last);
    else if (rows)
        beginRemoveRows(QModelIndex(), first, last);
    changed.open = group->isOpen();
    m_Starts.clear();
    if (rows && group->isOpen())
        endInsertRows();
    else if (rows)
        endRemoveRows();
    if (rows)
        emit countChanged();
    emit dataChanged(index(header), index(header), {Roles::GroupOpen});
}

void Groups::groupNameChanged(IGroup* group)
{
    const int section = sectionOf(group);
    if (section < 0)
        return;
    emit dataChanged(index(firstRow(section)), index(firstRow(section + 1) - 1), {Qt::DisplayRole, Roles::GroupName});
}

bool Groups::event(QEvent* event)
{
    // The other contacts' name is ours, not the user's: it follows the program's language.
    if (event->type() == QEvent::LanguageChange)
        m_Others->setName(tr("Other Contacts"));
    return QAbstractListModel::event(event);
}

int Groups::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : firstRow(int(m_Sections.size()));
}

QModelIndex Groups::index(int row, int column, const QModelIndex& parent) const
{
    // The base class asks two virtual functions first; a sort makes two indexes per
    // comparison of rows.
    return !parent.isValid() && column == 0 && row >= 0 && row < Groups::rowCount() ? createIndex(row, 0) : QModelIndex();
}

QVariant Groups::data(const QModelIndex& index, int role) const
{
    int row = index.isValid() ? index.row() : -1;
    const int section = sectionAt(row);
    if (section < 0)
        return QVariant();
    const Section& current = m_Sections.at(section);
    const IGroup* group = current.group;
    switch (role) {
    case Roles::GroupId:
        return group ? group->getId() : 0;
    case Roles::GroupName:
        return group ? group->getName() : QString();
    case Roles::GroupOrder:
        return section;
    case Roles::Group:
        return row == 0 ? QVariant::fromValue<QObject*>(const_cast<IGroup*>(group)) : QVariant();
    case Roles::GroupOpen:
        return current.open;
    default:
        break;
    }
    if (row > 0)
        return ContactRows::data(*current.members.at(row - 1), role);
    switch (role) {
    case Qt::DisplayRole:
        return group ? group->getName() : QString();
    case Roles::IsGroup:
        return true;
    case Roles::GroupCount:
        return int(current.members.size());
    default:
        return QVariant();
    }
}

KeyedRows::Row Groups::keyedRow(int row) const
{
    Row keyed;
    const int section = sectionAt(row);
    if (section < 0)
        return keyed;
    keyed.groupOrder = section;
    keyed.isGroup = row == 0;
    if (row > 0) {
        const QList<IContact*>& members = m_Sections.at(section).members;
        keyed.keys = &ContactKeys::of(*members.at(row - 1));
        if (row - 1 + RowsAhead < members.size())
            ContactKeys::prefetch(members.at(row - 1 + RowsAhead));
    }
    return keyed;
}

int Groups::sectionAt(int& row) const
{
    const QVector<int>& start = starts();
    if (row < 0 || row >= start.constLast())
        return -1;
    // The last section that starts at or before the row.
    const int section = int(std::upper_bound(start.cbegin(), start.cend(), row) - start.cbegin()) - 1;
    row -= start.at(section);
    return section;
}

QHash<int, QByteArray> Groups::roleNames() const
{
    return Roles::names();
}

} // namespace Models
} // namespace Kivo
