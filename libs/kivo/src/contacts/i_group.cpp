#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Contacts/IGroup.h>

namespace Kivo {
namespace Contacts {

IGroup::IGroup(int id, const QString& name, QObject* parent)
    : QObject(parent)
    , m_Id(id)
    , m_Name(name)
{
}

void IGroup::setName(const QString& name)
{
    if (m_List)
        m_List->requestRename(*this, name);
    else
        applyName(name);
}

void IGroup::setOpen(bool open)
{
    if (open == m_Open)
        return;
    m_Open = open;
    emit openChanged();
}

void IGroup::setSearching(bool searching)
{
    if (searching == m_Searching)
        return;
    m_Searching = searching;
    emit searchingChanged();
}

void IGroup::setCountShown(bool shown)
{
    if (shown == m_CountShown)
        return;
    m_CountShown = shown;
    emit countShownChanged();
}

void IGroup::applyName(const QString& name)
{
    if (name == m_Name)
        return;
    m_Name = name;
    emit nameChanged();
}

void IGroup::applyId(int id)
{
    if (id == m_Id)
        return;
    m_Id = id;
    emit identifierChanged();
}

} // namespace Contacts
} // namespace Kivo
