#pragma once

#include <QVideoWidget>

namespace QML {

// The full-screen output of a video voice mail. Escape, F11 and a double click leave
// full screen; Space is reported so the scene can pause or resume.
class FullScreenVideo : public QVideoWidget
{
    Q_OBJECT

public:
    explicit FullScreenVideo(QWidget* parent = nullptr);

    void leaveFullScreen();

signals:
    void exitFullScreen();
    void spacePressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace QML
