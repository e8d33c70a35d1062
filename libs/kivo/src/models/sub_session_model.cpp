#include "Kivo/Models/SubSessionModel.h"

#include "Kivo/Sessions/SubSession.h"

namespace Kivo {
namespace Models {

SubSessionModel::SubSessionModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

void SubSessionModel::addSubSession(Sessions::SubSession* subSession)
{
    if (!subSession || m_SubSessions.contains(subSession))
        return;
    beginInsertRows(QModelIndex(), m_SubSessions.size(), m_SubSessions.size());
    m_SubSessions.append(subSession);
    endInsertRows();
    connect(subSession, &Sessions::SubSession::stateChangedForQml, this,
            [this, subSession] { onSubSessionChanged(subSession); });
    connect(subSession, &Sessions::SubSession::currentHostChanged, this,
            [this, subSession] { onSubSessionChanged(subSession); });
    // By the time `destroyed` comes, the object is a sub-session no more: only its address is compared.
    connect(subSession, &QObject::destroyed, this, [this, subSession] {
        const int row = m_SubSessions.indexOf(subSession);
        if (row < 0)
            return;
        beginRemoveRows(QModelIndex(), row, row);
        m_SubSessions.removeAt(row);
        endRemoveRows();
    });
}

int SubSessionModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_SubSessions.size();
}

QVariant SubSessionModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_SubSessions.size())
        return QVariant();
    const Sessions::SubSession* subSession = m_SubSessions.at(index.row());
    switch (role) {
    case SubSessionRole:
        return QVariant::fromValue(const_cast<QObject*>(static_cast<const QObject*>(subSession)));
    case TypeRole:
        return subSession->getType();
    case StateRole:
        return subSession->getState();
    case CurrentHostRole:
    case Qt::DisplayRole:
        return subSession->getCurrentHost();
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> SubSessionModel::roleNames() const
{
    return {{SubSessionRole, "subSession"},
            {TypeRole, "type"},
            {StateRole, "state"},
            {CurrentHostRole, "currentHost"}};
}

void SubSessionModel::onSubSessionChanged(const QObject* subSession)
{
    const int row = m_SubSessions.indexOf(static_cast<Sessions::SubSession*>(const_cast<QObject*>(subSession)));
    if (row < 0)
        return;
    const QModelIndex changed = index(row);
    emit dataChanged(changed, changed, {StateRole, CurrentHostRole});
}

} // namespace Models
} // namespace Kivo
