#include "libqml/items/video_frame_surface.h"

#include "common/logging.h"

#include <QVideoSurfaceFormat>

namespace QML {

VideoFrameSurface::VideoFrameSurface(QObject* parent)
    : QAbstractVideoSurface(parent)
{
}

QList<QVideoFrame::PixelFormat> VideoFrameSurface::supportedPixelFormats(QAbstractVideoBuffer::HandleType type) const
{
    if (type != QAbstractVideoBuffer::NoHandle)
        return {};
    // The formats that QVideoFrame::image() converts.
    return {QVideoFrame::Format_ARGB32,   QVideoFrame::Format_ARGB32_Premultiplied,
            QVideoFrame::Format_RGB32,    QVideoFrame::Format_RGB24,
            QVideoFrame::Format_RGB565,   QVideoFrame::Format_RGB555,
            QVideoFrame::Format_BGRA32,   QVideoFrame::Format_BGR32,
            QVideoFrame::Format_YUV420P,  QVideoFrame::Format_YV12,
            QVideoFrame::Format_NV12,     QVideoFrame::Format_NV21,
            QVideoFrame::Format_UYVY,     QVideoFrame::Format_YUYV};
}

bool VideoFrameSurface::start(const QVideoSurfaceFormat& format)
{
    if (!isFormatSupported(format)) {
        LOG_WARNING << "Unsupported video frame format " << int(format.pixelFormat());
        return false;
    }
    if (!QAbstractVideoSurface::start(format))
        return false;
    emit nativeSizeChanged(QSizeF(format.sizeHint()));
    return true;
}

void VideoFrameSurface::stop()
{
    m_Frame = QImage();
    QAbstractVideoSurface::stop();
    emit nativeSizeChanged(QSizeF());
    emit frameReady();
}

bool VideoFrameSurface::present(const QVideoFrame& frame)
{
    if (!isActive())
        return false;
    const QImage image = frame.image();
    if (image.isNull()) {
        setError(IncorrectFormatError);
        return false;
    }
    m_Frame = image;
    emit frameReady();
    return true;
}

} // namespace QML
