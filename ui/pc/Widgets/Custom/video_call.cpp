#include "Widgets/Custom/video_call.h"

#include <Kivo/Configuration/Config.h>

#include <QGridLayout>
#include <QKeyEvent>

namespace Widgets {
namespace Custom {

VideoPreview::VideoPreview(QWidget* parent)
    : QWidget(parent)
{
    setContentsMargins(0, 0, 0, 0);
    // The engine paints here, not Qt: a native window with no background of Qt's own.
    setAttribute(Qt::WA_NativeWindow);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

VideoCall::VideoCall(const Kivo::Configuration::Config* config, QWidget* parent)
    : VideoPreview(parent)
    , m_Preview(new VideoPreview(this))
{
    const bool videoEngine = !config || config->value(VideoEngineItem).toString() != QLatin1String("spirit");
    setVideoEngineFlag(videoEngine);
    m_Preview->setVideoEngineFlag(videoEngine);
    setFocusPolicy(Qt::StrongFocus);
    m_Preview->setFixedSize(PreviewWidth, PreviewHeight);
    setContentsMargins(10, 10, 10, 10);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_Preview, 1, 1, Qt::AlignRight | Qt::AlignBottom);
    layout->setRowStretch(0, 1);
    layout->setColumnStretch(0, 1);
}

QVariant VideoCall::surfaceHandle()
{
    return QVariant::fromValue(winId());
}

QVariant VideoCall::previewHandle()
{
    return m_Preview ? QVariant::fromValue(m_Preview->winId()) : QVariant();
}

bool VideoCall::isPreviewVisible() const
{
    return m_Preview && m_Preview->isVisible();
}

void VideoCall::setPreviewVisible(bool visible)
{
    m_Preview->setVisible(visible);
}

void VideoCall::setVideoSize(const QSize& size)
{
    const QSize scaled = size.scaled(PreviewWidth, PreviewHeight, Qt::KeepAspectRatio);
    if (m_Preview->size() == scaled && m_Preview->minimumSize() == scaled)
        return;
    m_Preview->setFixedSize(scaled);
    // The window may hold its updates while video runs; the new size must show all the same.
    if (!updatesEnabled()) {
        setUpdatesEnabled(true);
        repaint();
        setUpdatesEnabled(false);
    }
}

void VideoCall::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        emit videoEscapePressed();
        event->accept();
        return;
    }
    VideoPreview::keyPressEvent(event);
}

void VideoCall::mouseDoubleClickEvent(QMouseEvent* event)
{
    emit videoDoubleClicked();
    VideoPreview::mouseDoubleClickEvent(event);
}

} // namespace Custom
} // namespace Widgets
