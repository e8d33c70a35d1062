#include <Kivo/Webcollab/TAppShareMgr.h>

namespace Kivo {
namespace Webcollab {

TAppShareMgr::TAppShareMgr(QObject* parent)
    : QObject(parent)
{
}

TAppShare* TAppShareMgr::appShare(const QString& contextId, int type) const
{
    if (type != ApplicationShare)
        return nullptr;
    return m_Shares.value(contextId);
}

TAppShare* TAppShareMgr::startShare(const QString& contextId, const QString& shareId, const QString& ownerId)
{
    auto* share = new TAppShare(shareId, ownerId, this);
    m_Shares.insert(contextId, share);
    m_ActiveShare = share;
    m_Running = true;
    return share;
}

void TAppShareMgr::Stop(bool force)
{
    Q_UNUSED(force)
    m_Running = false;
}

void TAppShareMgr::Cleanup(bool force)
{
    Q_UNUSED(force)
    m_Running = false;
    qDeleteAll(m_Shares);
    m_Shares.clear();
}

void TAppShareMgr::deleteActiveShare()
{
    delete m_ActiveShare;
}

} // namespace Webcollab
} // namespace Kivo
