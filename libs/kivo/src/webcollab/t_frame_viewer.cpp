#include <Kivo/Webcollab/TAppShare.h>
#include <Kivo/Webcollab/TFrameViewer.h>

#include <QPainter>

namespace Kivo {
namespace Webcollab {

TFrameViewer::TFrameViewer(TAppShare* share, int zoomMode, QWidget* parent)
    : QWidget(parent)
    , m_Share(share)
    , m_ZoomMode(zoomMode)
{
    if (share)
        connect(share, &TAppShare::frameChanged, this, &TFrameViewer::onFrameChanged);
}

void TFrameViewer::activate(const QSize& size)
{
    resize(size);
    m_Active = true;
}

void TFrameViewer::deactivate()
{
    m_Active = false;
}

void TFrameViewer::onFrameChanged()
{
    QRect area = rect();
    emit sigUpdate(area);
    update();
}

void TFrameViewer::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    if (!m_Active || !m_Share)
        return;
    QPainter painter(this);
    painter.drawImage(rect(), m_Share->frame());
}

} // namespace Webcollab
} // namespace Kivo
