#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Simulation/Service.h>

namespace Kivo {
namespace Contacts {

bool Contacts::isFirstGroup(const IGroup* group) const
{
    return group && !m_Groups.isEmpty() && m_Groups.first() == group;
}

bool Contacts::isLastGroup(const IGroup* group) const
{
    return group && !m_Groups.isEmpty() && m_Groups.last() == group;
}

void Contacts::requestMove(IGroup& group, int position)
{
    if (canRequest("group move") && m_Groups.contains(&group))
        m_Service->requestMoveGroup(group.getId(), position);
}

void Contacts::cbGroupsReordered(const QList<int>& groupIds)
{
    QList<IGroup*> ordered;
    ordered.reserve(m_Groups.size());
    for (int id : groupIds) {
        if (IGroup* group = getGroup(id))
            ordered.append(group);
    }
    // Groups the answer does not name (one added meanwhile) keep their place at the end.
    for (IGroup* group : qAsConst(m_Groups)) {
        if (!ordered.contains(group))
            ordered.append(group);
    }
    if (ordered == m_Groups)
        return;
    m_Groups = ordered;
    emit groupsReordered();
}

void IGroup::moveFirst()
{
    moveTo(0);
}

void IGroup::moveUp()
{
    moveTo(position() - 1);
}

void IGroup::moveDown()
{
    moveTo(position() + 1);
}

void IGroup::moveLast()
{
    moveTo(m_List ? int(m_List->groups().size()) - 1 : -1);
}

int IGroup::position() const
{
    return m_List ? int(m_List->groups().indexOf(const_cast<IGroup*>(this))) : -1;
}

void IGroup::moveTo(int position)
{
    if (m_List && position >= 0 && this->position() >= 0)
        m_List->requestMove(*this, position);
}

} // namespace Contacts
} // namespace Kivo
