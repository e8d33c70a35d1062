// Desktop shares of the screen-sharing service: the user's own, shown to a peer, and the
// peers' that the user is invited to watch (Control injects those).
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

namespace Kivo {
namespace Simulation {

namespace {

using Tesk::Core::Logging::LevelInfo;
using Tesk::Core::Logging::LevelWarning;

} // namespace

std::optional<ShareRecord> Service::share(int shareId) const
{
    const auto found = m_Shares.constFind(shareId);
    if (found == m_Shares.constEnd())
        return std::nullopt;
    return *found;
}

std::optional<ShareRecord> Service::shareOf(const QString& peer) const
{
    for (const ShareRecord& share : m_Shares) {
        if (share.peer.compare(peer.trimmed(), Qt::CaseInsensitive) == 0)
            return share;
    }
    return std::nullopt;
}

void Service::updateShare(ShareRecord share)
{
    if (share.state == ShareState::Ended)
        m_Shares.remove(share.id);
    else
        m_Shares.insert(share.id, share);
    emit shareUpdated(share);
}

int Service::startShare(const QString& peer)
{
    if (!linkUsable("desktop share", ServerLink))
        return 0;
    if (!isCallableAddress(peer)) {
        KIVO_LOG(LevelWarning) << "Simulated service: a desktop share with nobody to show it to refused";
        return 0;
    }
    if (shareOf(peer)) {
        KIVO_LOG(LevelWarning) << "Simulated service: a second desktop share with " << peer << " refused";
        return 0;
    }
    ShareRecord share;
    share.id = m_NextShareId++;
    share.peer = peer.trimmed();
    share.state = ShareState::Presenting;
    const QString domain = m_Accounts.at(*m_SignedIn).domain;
    share.link = QStringLiteral("https://collab.%1/share/%2").arg(domain.isEmpty() ? QStringLiteral("example.net") : domain)
                     .arg(share.id);
    KIVO_LOG(LevelInfo) << "Simulated service: the user shows the desktop to " << share.peer << " as share "
                        << share.id;
    // Reserved at once, so that a second start for the same peer is refused before this one runs.
    m_Shares.insert(share.id, share);
    post([this, share] { updateShare(share); }, true);
    return share.id;
}

bool Service::pauseShare(int shareId, bool paused)
{
    const std::optional<ShareRecord> found = share(shareId);
    if (!found || !found->presenting()) {
        KIVO_LOG(LevelWarning) << "Simulated service: no desktop share " << shareId << " of the user to "
                               << (paused ? "pause" : "resume");
        return false;
    }
    post(
        [this, shareId, paused] {
            std::optional<ShareRecord> current = share(shareId);
            if (!current || current->paused == paused)
                return;
            current->paused = paused;
            updateShare(*current);
        },
        true);
    return true;
}

bool Service::joinShare(int shareId)
{
    const std::optional<ShareRecord> found = share(shareId);
    if (!found || found->state != ShareState::Invited || found->mismatched) {
        KIVO_LOG(LevelWarning) << "Simulated service: no desktop share " << shareId << " to watch";
        return false;
    }
    post(
        [this, shareId] {
            std::optional<ShareRecord> current = share(shareId);
            if (!current || current->state != ShareState::Invited)
                return;
            current->state = ShareState::Viewing;
            updateShare(*current);
        },
        true);
    return true;
}

bool Service::declineShare(int shareId)
{
    const std::optional<ShareRecord> found = share(shareId);
    if (!found || found->state != ShareState::Invited) {
        KIVO_LOG(LevelWarning) << "Simulated service: no desktop share invitation " << shareId << " to decline";
        return false;
    }
    return endShare(shareId);
}

bool Service::endShare(int shareId)
{
    if (!share(shareId)) {
        KIVO_LOG(LevelWarning) << "Simulated service: no desktop share " << shareId << " to end";
        return false;
    }
    post(
        [this, shareId] {
            std::optional<ShareRecord> current = share(shareId);
            if (!current)
                return;
            current->state = ShareState::Ended;
            updateShare(*current);
        },
        true);
    return true;
}

} // namespace Simulation
} // namespace Kivo
