#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QVariant>
#include <QWidget>

class QTimer;

namespace Kivo {
namespace MediaEngine {

// Draws moving video into a native window of the program, as the media engine renders into
// the window handles it is given: the frames are the test pattern with a caption, scaled to
// the window with the frame's aspect kept.
class VideoRenderer : public QObject
{
    Q_OBJECT

public:
    static constexpr int FramesPerSecond = 15;

    explicit VideoRenderer(QObject* parent = nullptr);
    ~VideoRenderer() override;

    // `window` holds a window id (WId); false when no widget of the program has it.
    bool attach(const QVariant& window);
    void detach();
    bool isAttached() const { return m_Target; }

    void setCaption(const QString& caption);
    // The size of the frames the source sends; the picture keeps its aspect.
    void setFrameSize(const QSize& size);
    int frameNumber() const { return m_Frame; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paint(QWidget& target);
    void drawFrame(QWidget& target);

    QPointer<QWidget> m_Target;
    QTimer* m_Clock = nullptr;
    QString m_Caption;
    QSize m_FrameSize = QSize(640, 480);
    int m_Frame = 0;
};

} // namespace MediaEngine
} // namespace Kivo
