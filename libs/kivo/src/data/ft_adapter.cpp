#include <Kivo/Data/FTAdapter.h>

#include <Kivo/Configuration/Config.h>
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

namespace Kivo {
namespace Data {

namespace {

// Largest files, in kilobytes, that may be sent and received; 0 or absent: no limit.
constexpr int MaxOutgoingFileKilobytes = 173;
constexpr int MaxIncomingFileKilobytes = 174;

} // namespace

FTAdapter::FTAdapter(int transferId, const QString& partyId, const QString& ownAddress, QObject* parent)
    : QObject(parent)
    , m_TransferId(transferId)
    , m_PartyId(partyId)
    , m_OwnAddress(ownAddress.toLower())
    , m_Time(QDateTime::currentDateTime())
{
}

int FTAdapter::getPercent() const
{
    if (m_State == Sent || m_State == Received)
        return 100;
    return m_Size > 0 ? int(m_Transferred * 100 / m_Size) : 0;
}

bool FTAdapter::isFileSizeTooLarge(const Configuration::Config* config, qint64 size, bool outgoing)
{
    if (!config)
        return false;
    const qint64 limit = config->value(outgoing ? MaxOutgoingFileKilobytes : MaxIncomingFileKilobytes).toLongLong();
    return limit > 0 && size > limit * 1024;
}

void FTAdapter::setState(State state)
{
    if (state == m_State)
        return;
    m_State = state;
    emit stateChanged(state);
}

void FTAdapter::update(const Simulation::FileTransferRecord& transfer)
{
    m_FileName = transfer.fileName;
    m_Size = transfer.size;
    m_Outgoing = !transfer.incoming;
    if (transfer.time.isValid())
        m_Time = transfer.time.toLocalTime();
    if (!transfer.localPath.isEmpty())
        m_FilePath = transfer.localPath;
    const qint64 before = m_Transferred;
    m_Transferred = transfer.transferred;
    State state = m_State;
    switch (transfer.state) {
    case Simulation::FileTransferState::Offered:
        state = transfer.incoming ? IncomingOffer : Offered;
        break;
    case Simulation::FileTransferState::Accepted:
        state = Connecting;
        break;
    case Simulation::FileTransferState::Transferring:
        state = Transferring;
        break;
    case Simulation::FileTransferState::Done:
        state = transfer.incoming ? Received : Sent;
        break;
    case Simulation::FileTransferState::Declined:
        state = transfer.incoming ? Cancelled : Declined;
        if (!transfer.incoming)
            emit transferRejected(DeclinedByPeer);
        break;
    case Simulation::FileTransferState::Cancelled:
        state = Cancelled;
        break;
    case Simulation::FileTransferState::Failed:
        state = Failed;
        break;
    }
    setState(state);
    if (m_Transferred != before)
        emit progressChanged(getId(), getPercent(), m_Transferred);
}

void FTAdapter::refuse(RejectReason reason)
{
    m_Forbidden = reason == ForbiddenType;
    if (m_State == IncomingOffer)
        Simulation::Service::shared().declineFile(m_TransferId);
    setState(Cancelled);
    emit transferRejected(reason);
}

void FTAdapter::invalidate()
{
    m_Valid = false;
    setState(Failed);
}

void FTAdapter::accept(const QString& path)
{
    if (m_State != IncomingOffer || path.trimmed().isEmpty()) {
        KIVO_LOG(Tesk::Core::Logging::LevelWarning) << "Transfer " << m_TransferId << " is no offer to accept";
        return;
    }
    m_FilePath = path;
    Simulation::Service::shared().acceptFile(m_TransferId, path);
}

void FTAdapter::cancel(int reason)
{
    KIVO_LOG(Tesk::Core::Logging::LevelInfo) << "Transfer " << m_TransferId << " cancelled (" << reason << ")";
    if (m_State == IncomingOffer)
        Simulation::Service::shared().declineFile(m_TransferId);
    else if (m_State != Sent && m_State != Received && m_State != Cancelled && m_State != Failed)
        Simulation::Service::shared().cancelFile(m_TransferId);
}

} // namespace Data
} // namespace Kivo
