#include <Kivo/Models/CallCenterAgentModel.h>

namespace Kivo {
namespace Models {

CallCenterAgentModel::CallCenterAgentModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

int CallCenterAgentModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_Queues.size();
}

QVariant CallCenterAgentModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_Queues.size() || role != QueueRole)
        return QVariant();
    return QVariant::fromValue<QObject*>(m_Queues.at(index.row()));
}

QHash<int, QByteArray> CallCenterAgentModel::roleNames() const
{
    return {{QueueRole, "queue"}};
}

void CallCenterAgentModel::callCenterDetailsReceived(QList<Services::CallCenterAgentQueue*> queues)
{
    beginResetModel();
    const QList<Services::CallCenterAgentQueue*> old = m_Queues;
    m_Queues.clear();
    for (Services::CallCenterAgentQueue* queue : queues) {
        if (!queue)
            continue;
        queue->setParent(this);
        m_Queues.append(queue);
    }
    endResetModel();
    for (Services::CallCenterAgentQueue* queue : old) {
        if (!m_Queues.contains(queue))
            delete queue;
    }
}

void CallCenterAgentModel::onCallCenterAgentQueueNameReceived(const QString& serviceUserId, const QString& name)
{
    for (int row = 0; row < m_Queues.size(); ++row) {
        if (m_Queues.at(row)->getServiceUserId() != serviceUserId)
            continue;
        m_Queues.at(row)->setQueueName(name);
        emit dataChanged(index(row), index(row));
    }
}

} // namespace Models
} // namespace Kivo
