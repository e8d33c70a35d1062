#pragma once

#include <Kivo/Webcollab/WebcollabBase.h>

#include <QImage>
#include <QSize>

namespace Kivo {
namespace Webcollab {

// A share of the newer screen-sharing service: it delivers whole frames as images and
// scales them to the view size the client reports.
class WebcollabZyn : public WebcollabBase
{
    Q_OBJECT

public:
    explicit WebcollabZyn(QObject* parent = nullptr);

    QSize viewSize() const { return m_ViewSize; }
    Q_INVOKABLE void setViewSize(const QSize& size);

    // Simulation: the presenter's next frame arrives, or the presenter stops.
    void deliverFrame(const QImage& frame);
    void stop();

signals:
    void frameChanged(const QImage& frame);
    void shareStopped();
    void viewSizeChanged(const QSize& size);

private:
    QSize m_ViewSize;
};

} // namespace Webcollab
} // namespace Kivo
