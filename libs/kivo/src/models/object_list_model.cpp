#include <Kivo/Models/ObjectListModel.h>

namespace Kivo {
namespace Models {

ObjectListModel::ObjectListModel(int objectRole, const QByteArray& roleName, QObject* parent)
    : QAbstractListModel(parent)
    , m_Role(objectRole)
    , m_RoleName(roleName)
{
}

int ObjectListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_Objects.size();
}

QVariant ObjectListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_Objects.size() || role != m_Role)
        return QVariant();
    return QVariant::fromValue(m_Objects.at(index.row()));
}

QHash<int, QByteArray> ObjectListModel::roleNames() const
{
    return {{m_Role, m_RoleName}};
}

void ObjectListModel::setObjects(const QList<QObject*>& objects)
{
    if (!m_Objects.isEmpty()) {
        beginRemoveRows(QModelIndex(), 0, m_Objects.size() - 1);
        m_Objects.clear();
        endRemoveRows();
    }
    if (objects.isEmpty())
        return;
    beginInsertRows(QModelIndex(), 0, objects.size() - 1);
    m_Objects = objects;
    endInsertRows();
}

} // namespace Models
} // namespace Kivo
