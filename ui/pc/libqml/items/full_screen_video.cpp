#include "libqml/items/full_screen_video.h"

#include <QKeyEvent>

namespace QML {

FullScreenVideo::FullScreenVideo(QWidget* parent)
    : QVideoWidget(parent)
{
    setAspectRatioMode(Qt::KeepAspectRatio);
}

void FullScreenVideo::leaveFullScreen()
{
    emit exitFullScreen();
    hide();
}

void FullScreenVideo::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_F11:
        leaveFullScreen();
        break;
    case Qt::Key_Space:
        emit spacePressed();
        break;
    default:
        break;
    }
    QVideoWidget::keyPressEvent(event);
}

void FullScreenVideo::mouseDoubleClickEvent(QMouseEvent* event)
{
    leaveFullScreen();
    QVideoWidget::mouseDoubleClickEvent(event);
}

} // namespace QML
