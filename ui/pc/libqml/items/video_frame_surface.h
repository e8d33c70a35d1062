#pragma once

#include <QAbstractVideoSurface>
#include <QImage>
#include <QSizeF>

namespace QML {

// Receives a media player's frames as images for a painted scene item.
class VideoFrameSurface : public QAbstractVideoSurface
{
    Q_OBJECT

public:
    explicit VideoFrameSurface(QObject* parent = nullptr);

    QList<QVideoFrame::PixelFormat> supportedPixelFormats(
        QAbstractVideoBuffer::HandleType type = QAbstractVideoBuffer::NoHandle) const override;
    bool start(const QVideoSurfaceFormat& format) override;
    void stop() override;
    bool present(const QVideoFrame& frame) override;

    QImage frame() const { return m_Frame; }

signals:
    void frameReady();
    void nativeSizeChanged(const QSizeF& size);

private:
    QImage m_Frame;
};

} // namespace QML
