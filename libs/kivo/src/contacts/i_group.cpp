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
