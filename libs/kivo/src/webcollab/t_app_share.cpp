#include <Kivo/Webcollab/TAppShare.h>
#include <Kivo/Webcollab/TSessionMgr.h>

namespace Kivo {
namespace Webcollab {

TAppShare::TAppShare(const QString& id, const QString& ownerId, QObject* parent)
    : QObject(parent)
    , m_Id(id)
    , m_OwnerId(ownerId)
{
}

bool TAppShare::isPresentedLocally() const
{
    const TSessionMgr* session = TSessionMgr::Get();
    return session && session->localUser().id() == m_OwnerId;
}

void TAppShare::requestBaseline()
{
    ++m_BaselineRequests;
}

void TAppShare::setFrame(const QImage& frame)
{
    m_Frame = frame;
    emit frameChanged();
}

} // namespace Webcollab
} // namespace Kivo
