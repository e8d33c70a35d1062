#include <Kivo/Webcollab/WebcollabZyn.h>

#include <Kivo/Simulation/Service.h>

#include "../media_engine/test_pattern.h"

#include <QTimer>

namespace Kivo {
namespace Webcollab {

WebcollabZyn::WebcollabZyn(int shareId, const QString& presenterName, QObject* parent)
    : WebcollabBase(parent)
    , m_ShareId(shareId)
    , m_PresenterName(presenterName)
    , m_Frames(new QTimer(this))
{
    m_Frames->setInterval(FrameInterval);
    connect(m_Frames, &QTimer::timeout, this, &WebcollabZyn::deliverNextFrame);
    connect(this, &WebcollabBase::stateChanged, this, &WebcollabZyn::updateDelivery);
}

void WebcollabZyn::setViewSize(const QSize& size)
{
    if (size == m_ViewSize)
        return;
    m_ViewSize = size;
    emit viewSizeChanged(size);
}

void WebcollabZyn::setPaused(bool paused)
{
    if (paused == m_Paused)
        return;
    m_Paused = paused;
    emit pausedChanged();
    updateDelivery();
}

void WebcollabZyn::setMismatchedTags(bool mismatched)
{
    if (mismatched == m_Mismatched)
        return;
    m_Mismatched = mismatched;
    emit mismatchChanged();
}

bool WebcollabZyn::isDelivering() const
{
    return m_Frames->isActive();
}

void WebcollabZyn::deliverFrame(const QImage& frame)
{
    emit frameChanged(frame);
}

void WebcollabZyn::stop()
{
    m_Frames->stop();
    emit shareStopped();
}

void WebcollabZyn::acceptParticipantSession()
{
    WebcollabBase::acceptParticipantSession();
    if (!Simulation::Service::shared().joinShare(m_ShareId))
        setState(None);
}

void WebcollabZyn::rejectParticipantSession()
{
    WebcollabBase::rejectParticipantSession();
    Simulation::Service::shared().declineShare(m_ShareId);
}

void WebcollabZyn::updateDelivery()
{
    const bool flowing = getState() == Viewing && !m_Paused;
    if (flowing == m_Frames->isActive())
        return;
    if (flowing) {
        deliverNextFrame();
        m_Frames->start();
    } else {
        m_Frames->stop();
    }
}

void WebcollabZyn::deliverNextFrame()
{
    const QSize size = m_ViewSize.isValid() && !m_ViewSize.isEmpty() ? m_ViewSize : DefaultViewSize;
    deliverFrame(MediaEngine::TestPattern::frame(size, m_FrameNumber++, m_PresenterName));
}

} // namespace Webcollab
} // namespace Kivo
