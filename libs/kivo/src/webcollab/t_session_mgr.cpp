#include <Kivo/Webcollab/TSessionMgr.h>

namespace Kivo {
namespace Webcollab {

TSessionMgr* TSessionMgr::s_Instance = nullptr;

TSessionMgr::TSessionMgr(const TSessionUser& localUser, QObject* parent)
    : QObject(parent)
    , m_LocalUser(localUser)
{
    qRegisterMetaType<TContentItem>();
    s_Instance = this;
}

TSessionMgr::~TSessionMgr()
{
    if (s_Instance == this)
        s_Instance = nullptr;
}

TSessionMgr* TSessionMgr::Get()
{
    return s_Instance;
}

TContentItem TSessionMgr::resolveContent(const TContentItem& item)
{
    if (m_HoldsFloor)
        m_ActiveContent = item;
    return item;
}

void TSessionMgr::openContent(const TContentItem& item)
{
    emit sigContentOpened(item);
}

void TSessionMgr::closeContent(const TContentItem& item)
{
    if (m_ActiveContent == item)
        m_ActiveContent = TContentItem();
    emit sigContentClosed(item);
}

} // namespace Webcollab
} // namespace Kivo
