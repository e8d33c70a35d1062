#include <Kivo/Webcollab/WebcollabZyn.h>

namespace Kivo {
namespace Webcollab {

WebcollabZyn::WebcollabZyn(QObject* parent)
    : WebcollabBase(parent)
{
}

void WebcollabZyn::setViewSize(const QSize& size)
{
    if (size == m_ViewSize)
        return;
    m_ViewSize = size;
    emit viewSizeChanged(size);
}

void WebcollabZyn::deliverFrame(const QImage& frame)
{
    emit frameChanged(frame);
}

void WebcollabZyn::stop()
{
    emit shareStopped();
}

} // namespace Webcollab
} // namespace Kivo
