#include <Kivo/Webcollab/WebcollabControllerOld.h>

namespace Kivo {
namespace Webcollab {

WebcollabControllerOld* WebcollabControllerOld::s_Instance = nullptr;

WebcollabControllerOld::WebcollabControllerOld(QObject* parent)
    : QObject(parent)
    , m_ShareManager(new TAppShareMgr(this))
{
    s_Instance = this;
}

WebcollabControllerOld::~WebcollabControllerOld()
{
    if (s_Instance == this)
        s_Instance = nullptr;
}

WebcollabControllerOld* WebcollabControllerOld::Get()
{
    return s_Instance;
}

void WebcollabControllerOld::stopShare()
{
    emit shareStopped();
}

} // namespace Webcollab
} // namespace Kivo
