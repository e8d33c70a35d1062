#pragma once

#include <QQuickPaintedItem>
#include <QSizeF>

class QAbstractVideoSurface;

namespace QML {

class VideoFrameSurface;

// The in-scene video output: a media player's `videoOutput` takes it through its
// `videoSurface`; the frames are drawn keeping their aspect ratio.
class VideoFrameItem : public QQuickPaintedItem
{
    Q_OBJECT
    Q_PROPERTY(QAbstractVideoSurface* videoSurface READ videoSurface CONSTANT)
    Q_PROPERTY(QSizeF nativeSize READ nativeSize NOTIFY nativeSizeChanged)

public:
    explicit VideoFrameItem(QQuickItem* parent = nullptr);

    QAbstractVideoSurface* videoSurface() const;
    QSizeF nativeSize() const { return m_NativeSize; }

    void paint(QPainter* painter) override;

signals:
    void nativeSizeChanged(const QSizeF& size);

private:
    void onNativeSizeChanged(const QSizeF& size);

    VideoFrameSurface* m_Surface;
    QSizeF m_NativeSize;
};

} // namespace QML
