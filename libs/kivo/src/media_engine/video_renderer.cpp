#include "video_renderer.h"

#include "test_pattern.h"

#include <QEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace Kivo {
namespace MediaEngine {

VideoRenderer::VideoRenderer(QObject* parent)
    : QObject(parent)
    , m_Clock(new QTimer(this))
{
    m_Clock->setInterval(1000 / FramesPerSecond);
    connect(m_Clock, &QTimer::timeout, this, [this] {
        ++m_Frame;
        if (m_Target)
            drawFrame(*m_Target);
        else
            detach();
    });
}

VideoRenderer::~VideoRenderer()
{
    detach();
}

bool VideoRenderer::attach(const QVariant& window)
{
    bool isNumber = false;
    const WId id = WId(window.toULongLong(&isNumber));
    QWidget* target = isNumber && id ? QWidget::find(id) : nullptr;
    if (!target)
        return false;
    detach();
    m_Target = target;
    target->installEventFilter(this);
    target->update();
    m_Clock->start();
    return true;
}

void VideoRenderer::detach()
{
    m_Clock->stop();
    if (m_Target) {
        m_Target->removeEventFilter(this);
        m_Target->update();
    }
    m_Target = nullptr;
}

void VideoRenderer::drawFrame(QWidget& target)
{
    if (target.updatesEnabled()) {
        target.update();
        return;
    }
    // The program holds the window's updates while the engine draws (as a media engine
    // draws into a native window past the toolkit): the frame is drawn all the same.
    QWidget* holder = &target;
    while (holder && !holder->testAttribute(Qt::WA_ForceUpdatesDisabled))
        holder = holder->parentWidget();
    if (!holder || !target.isVisible())
        return;
    holder->setUpdatesEnabled(true);
    target.repaint();
    holder->setUpdatesEnabled(false);
}

void VideoRenderer::setCaption(const QString& caption)
{
    m_Caption = caption;
}

void VideoRenderer::setFrameSize(const QSize& size)
{
    if (size.isValid() && !size.isEmpty())
        m_FrameSize = size;
}

bool VideoRenderer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_Target && event->type() == QEvent::Paint) {
        paint(*m_Target);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void VideoRenderer::paint(QWidget& target)
{
    QPainter painter(&target);
    painter.fillRect(target.rect(), Qt::black);
    const QSize shown = m_FrameSize.scaled(target.size(), Qt::KeepAspectRatio);
    if (shown.isEmpty())
        return;
    const QRect area(QPoint((target.width() - shown.width()) / 2, (target.height() - shown.height()) / 2), shown);
    painter.drawImage(area, TestPattern::frame(shown, m_Frame, m_Caption));
}

} // namespace MediaEngine
} // namespace Kivo
