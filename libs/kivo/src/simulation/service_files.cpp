// Files offered between the user and a peer through the simulated service.
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

#include <QFile>
#include <QFileInfo>

namespace Kivo {
namespace Simulation {

namespace {

using Tesk::Core::Logging::LevelInfo;
using Tesk::Core::Logging::LevelWarning;

// A transfer moves in this many steps, one per latency.
constexpr int Steps = 4;

bool isFinished(FileTransferState state)
{
    return state == FileTransferState::Done || state == FileTransferState::Declined
        || state == FileTransferState::Cancelled || state == FileTransferState::Failed;
}

// What a received file holds: the sender's bytes are not simulated, so a readable pattern
// of the announced size, written piece by piece.
bool writeReceived(const QString& path, const QString& name, qint64 size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray line = QStringLiteral("%1, received through the simulated service.\n").arg(name).toUtf8();
    QByteArray block;
    while (block.size() < 64 * 1024)
        block += line;
    for (qint64 written = 0; written < size;) {
        const qint64 chunk = qMin<qint64>(block.size(), size - written);
        if (file.write(block.constData(), chunk) != chunk)
            return false;
        written += chunk;
    }
    return true;
}

} // namespace

std::optional<FileTransferRecord> Service::fileTransfer(int transferId) const
{
    if (!m_SignedIn)
        return std::nullopt;
    const auto books = m_ConversationBooks.constFind(*m_SignedIn);
    if (books == m_ConversationBooks.constEnd() || !books->transfers.contains(transferId))
        return std::nullopt;
    return books->transfers.value(transferId);
}

int Service::offerFile(const QString& peer, const QString& path)
{
    if (!linkUsable("file offer", ChatLink))
        return 0;
    const QFileInfo info(path);
    if (!isCallableAddress(peer) || !info.isFile() || !info.isReadable()) {
        KIVO_LOG(LevelWarning) << "Simulated service: offer of " << path << " refused: no peer or no readable file";
        return 0;
    }
    FileTransferRecord transfer;
    transfer.id = m_NextTransferId++;
    transfer.peer = peer.trimmed();
    transfer.fileName = info.fileName();
    transfer.size = info.size();
    transfer.localPath = info.absoluteFilePath();
    transfer.time = QDateTime::currentDateTimeUtc();
    KIVO_LOG(LevelInfo) << "Simulated service: offering " << transfer.fileName << " to " << transfer.peer;
    post(
        [this, transfer] {
            conversationBook().transfers.insert(transfer.id, transfer);
            emit fileTransferChanged(transfer);
            if (!m_AutoAnswer)
                return;
            // The peer takes the file after another latency.
            const int id = transfer.id;
            post(
                [this, id] {
                    auto found = conversationBook().transfers.find(id);
                    if (found == conversationBook().transfers.end() || found->state != FileTransferState::Offered)
                        return;
                    found->state = FileTransferState::Accepted;
                    emit fileTransferChanged(*found);
                    advanceTransfer(id);
                },
                true);
        },
        true);
    return transfer.id;
}

void Service::advanceTransfer(int transferId)
{
    post(
        [this, transferId] {
            auto found = conversationBook().transfers.find(transferId);
            if (found == conversationBook().transfers.end() || isFinished(found->state))
                return;
            found->state = FileTransferState::Transferring;
            found->transferred = qMin(found->size, found->transferred + qMax<qint64>(1, found->size / Steps));
            if (found->transferred >= found->size) {
                const bool stored = !found->incoming || writeReceived(found->localPath, found->fileName, found->size);
                found->state = stored ? FileTransferState::Done : FileTransferState::Failed;
                if (!stored)
                    KIVO_LOG(LevelWarning) << "Simulated service: cannot write " << found->localPath;
            }
            const FileTransferRecord changed = *found;
            emit fileTransferChanged(changed);
            if (!isFinished(changed.state))
                advanceTransfer(transferId);
        },
        true);
}

bool Service::acceptFile(int transferId, const QString& path)
{
    const std::optional<FileTransferRecord> transfer = fileTransfer(transferId);
    if (!transfer || !transfer->incoming || transfer->state != FileTransferState::Offered || path.trimmed().isEmpty()) {
        KIVO_LOG(LevelWarning) << "Simulated service: no offered file " << transferId << " to accept";
        return false;
    }
    post(
        [this, transferId, path] {
            auto found = conversationBook().transfers.find(transferId);
            if (found == conversationBook().transfers.end() || found->state != FileTransferState::Offered)
                return;
            found->state = FileTransferState::Accepted;
            found->localPath = path;
            emit fileTransferChanged(*found);
            advanceTransfer(transferId);
        },
        true);
    return true;
}

bool Service::declineFile(int transferId)
{
    const std::optional<FileTransferRecord> transfer = fileTransfer(transferId);
    if (!transfer || !transfer->incoming || transfer->state != FileTransferState::Offered) {
        KIVO_LOG(LevelWarning) << "Simulated service: no offered file " << transferId << " to decline";
        return false;
    }
    post(
        [this, transferId] {
            auto found = conversationBook().transfers.find(transferId);
            if (found == conversationBook().transfers.end() || found->state != FileTransferState::Offered)
                return;
            found->state = FileTransferState::Declined;
            emit fileTransferChanged(*found);
        },
        true);
    return true;
}

bool Service::cancelFile(int transferId)
{
    const std::optional<FileTransferRecord> transfer = fileTransfer(transferId);
    if (!transfer || isFinished(transfer->state)) {
        KIVO_LOG(LevelWarning) << "Simulated service: no running transfer " << transferId << " to cancel";
        return false;
    }
    post(
        [this, transferId] {
            auto found = conversationBook().transfers.find(transferId);
            if (found == conversationBook().transfers.end() || isFinished(found->state))
                return;
            found->state = FileTransferState::Cancelled;
            emit fileTransferChanged(*found);
        },
        true);
    return true;
}

} // namespace Simulation
} // namespace Kivo
