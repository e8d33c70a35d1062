// Desktop shares that peers start, pause and stop of their own accord.
#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Service.h>

namespace Kivo {
namespace Simulation {

int Control::injectShareStarted(const QString& from, bool mismatched)
{
    if (!m_Service.isSignedIn())
        return refuse("desktop share", "nobody is signed in");
    if (!Service::isCallableAddress(from))
        return refuse("desktop share", "the presenter is not an address");
    if (m_Service.shareOf(from))
        return refuse("desktop share", "a share with the presenter runs already");
    ShareRecord share;
    share.id = m_Service.m_NextShareId++;
    share.peer = from.trimmed();
    share.mismatched = mismatched;
    // Known at once, so that the events that follow find it before it is delivered.
    m_Service.m_Shares.insert(share.id, share);
    Service* service = &m_Service;
    m_Service.post([service, share] { service->updateShare(share); }, true);
    return share.id;
}

bool Control::injectSharePaused(const QString& from, bool paused)
{
    const std::optional<ShareRecord> found = m_Service.shareOf(from);
    if (!found || found->presenting())
        return refuse("share pause", "the presenter shows the user nothing");
    const int shareId = found->id;
    Service* service = &m_Service;
    m_Service.post(
        [service, shareId, paused] {
            std::optional<ShareRecord> current = service->share(shareId);
            if (!current || current->paused == paused)
                return;
            current->paused = paused;
            service->updateShare(*current);
        },
        true);
    return true;
}

bool Control::injectShareStopped(const QString& from)
{
    const std::optional<ShareRecord> found = m_Service.shareOf(from);
    if (!found || found->presenting())
        return refuse("share end", "the presenter shows the user nothing");
    return m_Service.endShare(found->id);
}

} // namespace Simulation
} // namespace Kivo
