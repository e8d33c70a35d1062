#pragma once

#include <QAbstractListModel>
#include <QByteArray>
#include <QList>
#include <QObject>

namespace Kivo {
namespace Models {

// A list of engine objects, one row each, the object under one role. Replacing the list
// reports the rows removed and inserted, so views and menus that follow those signals
// rebuild; the model does not own the objects.
class ObjectListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    ObjectListModel(int objectRole, const QByteArray& roleName, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    QList<QObject*> objects() const { return m_Objects; }
    QObject* objectAt(int row) const { return m_Objects.value(row); }
    void setObjects(const QList<QObject*>& objects);

private:
    int m_Role;
    QByteArray m_RoleName;
    QList<QObject*> m_Objects;
};

} // namespace Models
} // namespace Kivo
