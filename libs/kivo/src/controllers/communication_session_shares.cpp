// The shares of the screen-sharing service in a conversation.
#include <Kivo/Controllers/CommunicationSession.h>

#include <Kivo/Webcollab/WebcollabZyn.h>

namespace Kivo {
namespace Controllers {

void CommunicationSession::attachShare(Webcollab::WebcollabBase* share, bool incoming)
{
    if (!share || share == m_WebCollab)
        return;
    if (m_WebCollab)
        m_WebCollab->deleteLater();
    share->setParent(this);
    m_WebCollab = share;
    m_Share = true;
    if (share->isOwner())
        m_Owner = true;
    refreshState(incoming);
}

void CommunicationSession::detachShare(int shareId)
{
    auto* share = qobject_cast<Webcollab::WebcollabZyn*>(m_WebCollab.data());
    if (!share || share->shareId() != shareId)
        return;
    share->setState(Webcollab::WebcollabBase::None);
    share->stop();
    m_WebCollab = nullptr;
    m_Share = false;
    share->deleteLater();
    refreshState(false);
}

} // namespace Controllers
} // namespace Kivo
