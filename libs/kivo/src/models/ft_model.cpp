#include <Kivo/Models/FTModel.h>

#include <Kivo/Data/FTAdapter.h>
#include <Kivo/Models/ChatModel.h>

namespace Kivo {
namespace Models {

FTModel::FTModel(const QString& peer, QObject* parent)
    : QObject(parent)
    , m_Peer(peer)
{
}

Data::FTAdapter* FTModel::getFt(const QString& id) const
{
    for (Data::FTAdapter* transfer : m_Transfers) {
        if (transfer->getId() == id)
            return transfer;
    }
    return nullptr;
}

QList<Data::FTAdapter*> FTModel::getTransfersFrom(int age) const
{
    const QDateTime since = ChatModel::startOf(age);
    if (!since.isValid())
        return m_Transfers;
    QList<Data::FTAdapter*> transfers;
    for (Data::FTAdapter* transfer : m_Transfers) {
        if (transfer->getDateTime() >= since)
            transfers.append(transfer);
    }
    return transfers;
}

void FTModel::add(Data::FTAdapter* transfer)
{
    transfer->setParent(this);
    m_Transfers.append(transfer);
    emit newFTAdded(transfer);
}

void FTModel::acceptFtClicked(const QVariant& id)
{
    Data::FTAdapter* transfer = getFt(id.toString());
    if (transfer && transfer->getState() == Data::FTAdapter::IncomingOffer)
        emit askSaveLocation(transfer);
}

void FTModel::cancelFtClicked(const QVariant& id)
{
    if (Data::FTAdapter* transfer = getFt(id.toString()))
        transfer->cancel(0);
}

void FTModel::deleteHistory()
{
    for (int i = m_Transfers.size() - 1; i >= 0; --i) {
        const int state = m_Transfers.at(i)->getState();
        if (state == Data::FTAdapter::Sent || state == Data::FTAdapter::Received || state == Data::FTAdapter::Cancelled
            || state == Data::FTAdapter::Failed || state == Data::FTAdapter::Declined)
            m_Transfers.takeAt(i)->deleteLater();
    }
}

} // namespace Models
} // namespace Kivo
