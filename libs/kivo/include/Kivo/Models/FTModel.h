#pragma once

#include <QList>
#include <QObject>
#include <QVariant>

namespace Kivo {
namespace Data {
class FTAdapter;
}
namespace Models {

// The file transfers with one peer, oldest first.
class FTModel : public QObject
{
    Q_OBJECT

public:
    FTModel(const QString& peer, QObject* parent = nullptr);

    QString peer() const { return m_Peer; }
    Data::FTAdapter* getFt(const QString& id) const;
    // The newest transfer, or null.
    Data::FTAdapter* getLastFt() const { return m_Transfers.isEmpty() ? nullptr : m_Transfers.last(); }
    // Transfers from the start of a chat model's message age on (Models::ChatModel::MessageAge).
    QList<Data::FTAdapter*> getTransfersFrom(int age) const;
    QList<Data::FTAdapter*> transfers() const { return m_Transfers; }

    // The file-transfer controller's side.
    void add(Data::FTAdapter* transfer);

public slots:
    // The user's buttons on the chat page, by transfer id: accepting asks where to save.
    void acceptFtClicked(const QVariant& id);
    void cancelFtClicked(const QVariant& id);
    // Forgets the finished transfers; running ones stay.
    void deleteHistory();

signals:
    void newFTAdded(Kivo::Data::FTAdapter* transfer);
    void askSaveLocation(Kivo::Data::FTAdapter* transfer);

private:
    QString m_Peer;
    QList<Data::FTAdapter*> m_Transfers;
};

} // namespace Models
} // namespace Kivo
