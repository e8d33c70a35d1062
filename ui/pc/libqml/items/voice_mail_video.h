#pragma once

#include <QQuickItem>
#include <QSizeF>

#include <memory>

class QVideoWidget;

namespace QML {

class FullScreenVideo;
class VideoFrameItem;

// Plays a video voice mail inside a scene or full screen: the scene hands `video` or
// `fullScreenVideo` to its media player's `videoOutput`.
class VoiceMailVideo : public QQuickItem
{
    Q_OBJECT
    Q_PROPERTY(QQuickItem* video READ videoItem CONSTANT)
    Q_PROPERTY(QVideoWidget* fullScreenVideo READ fullScreenVideo CONSTANT)
    Q_PROPERTY(double aspectRatio READ aspectRatio NOTIFY aspectRatioChanged)

public:
    explicit VoiceMailVideo(QQuickItem* parent = nullptr);
    ~VoiceMailVideo() override;

    VideoFrameItem* video() const { return m_Video; }
    QQuickItem* videoItem() const;
    QVideoWidget* fullScreenVideo() const;
    double aspectRatio() const { return m_AspectRatio; }

signals:
    void aspectRatioChanged(double aspectRatio);
    void exitFullScreen();
    void spacePressed();

public slots:
    void enterFullScreen();
    void videoPlaybackEnded();

private slots:
    void videoSizeChanged(const QSizeF& size);

protected:
    void geometryChanged(const QRectF& newGeometry, const QRectF& oldGeometry) override;

private:
    VideoFrameItem* m_Video;
    std::unique_ptr<FullScreenVideo> m_FullScreen;
    double m_AspectRatio = -1;
};

} // namespace QML
