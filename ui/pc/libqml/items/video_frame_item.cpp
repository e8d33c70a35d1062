#include "libqml/items/video_frame_item.h"

#include "libqml/items/video_frame_surface.h"

#include <QPainter>

namespace QML {

VideoFrameItem::VideoFrameItem(QQuickItem* parent)
    : QQuickPaintedItem(parent)
    , m_Surface(new VideoFrameSurface(this))
{
    connect(m_Surface, &VideoFrameSurface::frameReady, this, [this] { update(); });
    connect(m_Surface, &VideoFrameSurface::nativeSizeChanged, this, &VideoFrameItem::onNativeSizeChanged);
}

QAbstractVideoSurface* VideoFrameItem::videoSurface() const
{
    return m_Surface;
}

void VideoFrameItem::onNativeSizeChanged(const QSizeF& size)
{
    if (size == m_NativeSize)
        return;
    m_NativeSize = size;
    emit nativeSizeChanged(size);
}

void VideoFrameItem::paint(QPainter* painter)
{
    const QImage frame = m_Surface->frame();
    if (frame.isNull())
        return;
    QSizeF target = frame.size();
    target.scale(width(), height(), Qt::KeepAspectRatio);
    const QRectF rect(QPointF((width() - target.width()) / 2, (height() - target.height()) / 2), target);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(rect, frame);
}

} // namespace QML
