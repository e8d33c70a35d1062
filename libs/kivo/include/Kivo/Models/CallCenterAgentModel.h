#pragma once

#include <Kivo/Services/CallCenterAgentQueue.h>

#include <QAbstractListModel>
#include <QList>

namespace Kivo {
namespace Models {

// The agent's queues, one row each, the queue object under QueueRole. The model owns the
// queues it was given and deletes them when it gets new ones.
class CallCenterAgentModel : public QAbstractListModel
{
    Q_OBJECT

public:
    static constexpr int QueueRole = 367;

    explicit CallCenterAgentModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    QList<Services::CallCenterAgentQueue*> getCallCenterAgentQueues() const { return m_Queues; }

public slots:
    void callCenterDetailsReceived(QList<Kivo::Services::CallCenterAgentQueue*> queues);
    void onCallCenterAgentQueueNameReceived(const QString& serviceUserId, const QString& name);

private:
    QList<Services::CallCenterAgentQueue*> m_Queues;
};

} // namespace Models
} // namespace Kivo
