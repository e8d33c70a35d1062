#include "libqml/items/voice_mail_video.h"

#include "libqml/items/full_screen_video.h"
#include "libqml/items/video_frame_item.h"

namespace QML {

VoiceMailVideo::VoiceMailVideo(QQuickItem* parent)
    : QQuickItem(parent)
    , m_Video(new VideoFrameItem(this))
    , m_FullScreen(new FullScreenVideo)
{
    connect(m_Video, &VideoFrameItem::nativeSizeChanged, this, &VoiceMailVideo::videoSizeChanged);
    connect(m_FullScreen.get(), &FullScreenVideo::exitFullScreen, this, &VoiceMailVideo::exitFullScreen);
    connect(m_FullScreen.get(), &FullScreenVideo::spacePressed, this, &VoiceMailVideo::spacePressed);
}

VoiceMailVideo::~VoiceMailVideo() = default;

QQuickItem* VoiceMailVideo::videoItem() const
{
    return m_Video;
}

QVideoWidget* VoiceMailVideo::fullScreenVideo() const
{
    return m_FullScreen.get();
}

void VoiceMailVideo::videoSizeChanged(const QSizeF& size)
{
    const bool usable = !size.isNull() && size.width() > 0 && size.height() > 0;
    m_AspectRatio = usable ? size.width() / size.height() : -1;
    emit aspectRatioChanged(m_AspectRatio);
}

void VoiceMailVideo::geometryChanged(const QRectF& newGeometry, const QRectF& oldGeometry)
{
    // The output is a child, so it follows moves by itself and only needs the size.
    if (newGeometry.size() != oldGeometry.size())
        m_Video->setSize(newGeometry.size());
    QQuickItem::geometryChanged(newGeometry, oldGeometry);
}

void VoiceMailVideo::enterFullScreen()
{
    m_FullScreen->showFullScreen();
}

void VoiceMailVideo::videoPlaybackEnded()
{
    if (m_FullScreen->isVisible())
        m_FullScreen->leaveFullScreen();
    m_AspectRatio = -1;
}

} // namespace QML
