#pragma once

#include <QSize>
#include <QVariant>
#include <QWidget>

namespace Kivo {
namespace Configuration {
class Config;
}
} // namespace Kivo

namespace Widgets {
namespace Custom {

// A native surface the engine draws a picture into: the user's own camera, and the base of
// the surface of the other side.
class VideoPreview : public QWidget
{
    Q_OBJECT

public:
    explicit VideoPreview(QWidget* parent = nullptr);

    bool videoEngineFlag() const { return m_VideoEngine; }
    void setVideoEngineFlag(bool on) { m_VideoEngine = on; }

private:
    bool m_VideoEngine = false;
};

// The other side's picture, filling the video area, with the own picture in its
// bottom-right corner.
class VideoCall : public VideoPreview
{
    Q_OBJECT

public:
    static constexpr int PreviewWidth = 96;
    static constexpr int PreviewHeight = 72;
    // The configuration item naming the media engine; one of them draws without this flag.
    static constexpr int VideoEngineItem = 73;

    explicit VideoCall(const Kivo::Configuration::Config* config, QWidget* parent = nullptr);

    VideoPreview* preview() const { return m_Preview; }
    // Native window handles for the engine: the surface's, and the preview's (invalid
    // without a preview).
    QVariant surfaceHandle();
    QVariant previewHandle();
    bool isPreviewVisible() const;
    void setPreviewVisible(bool visible);
    // The camera's picture size, fitted into the preview's box.
    void setVideoSize(const QSize& size);

public slots:
    // Kept for the callers that reset the own picture's visibility: the preview keeps the
    // visibility the user chose, so this changes nothing.
    void resetLocalVideoVisibility() {}

signals:
    void videoDoubleClicked();
    void videoEscapePressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    VideoPreview* m_Preview;
};

} // namespace Custom
} // namespace Widgets
