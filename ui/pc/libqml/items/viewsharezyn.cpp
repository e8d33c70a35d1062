#include "libqml/items/viewsharezyn.h"

#include "common/connect_check.h"
#include "common/logging.h"

#include <Kivo/Webcollab/WebcollabBase.h>

#include <QPainter>

namespace QML {

ViewShareZyn::ViewShareZyn(QQuickItem* parent)
    : QQuickPaintedItem(parent)
{
}

QObject* ViewShareZyn::webcollab() const
{
    return m_WebCollab;
}

void ViewShareZyn::setWebCollab(QObject* object)
{
    if (m_WebCollab)
        disconnect(m_WebCollab, nullptr, this, nullptr);
    m_WebCollab = qobject_cast<Kivo::Webcollab::WebcollabBase*>(object);
    if (!m_WebCollab) {
        emit shareStopped();
        return;
    }
    // Collaborations of the newer service declare these on their own class.
    CHECKED_CONNECT(m_WebCollab, SIGNAL(frameChanged(QImage)), this, SLOT(shareImageReady(QImage)));
    CHECKED_CONNECT(m_WebCollab, SIGNAL(shareStopped()), this, SIGNAL(shareStopped()));
}

void ViewShareZyn::shareImageReady(const QImage& image)
{
    m_Frame = image;
    if (!m_Started) {
        m_Started = true;
        emit shareStarted();
    }
    update();
}

void ViewShareZyn::resizeViewShare(int width, int height)
{
    if (height <= 0 || width <= 0) {
        LOG_WARNING << "Ignoring the share view size " << width << "x" << height;
        return;
    }
    const double ratio = double(width) / height;
    if (!qFuzzyCompare(ratio, m_AspectRatio)) {
        m_AspectRatio = ratio;
        emit aspectRatioChanged();
    }
    if (m_WebCollab && !QMetaObject::invokeMethod(m_WebCollab, "setViewSize", Q_ARG(QSize, QSize(width, height))))
        LOG_WARNING << "The collaboration takes no view size";
    update();
}

QPoint ViewShareZyn::frameOrigin(const QSize& frame, const QSizeF& item)
{
    const int x = item.width() > frame.width() ? static_cast<int>((item.width() - frame.width()) / 2) : 0;
    const int y = item.height() > frame.height() ? static_cast<int>((item.height() - frame.height()) / 2) : 0;
    return QPoint(x, y);
}

void ViewShareZyn::paint(QPainter* painter)
{
    if (m_Frame.isNull())
        return;
    painter->drawImage(frameOrigin(m_Frame.size(), size()), m_Frame);
}

} // namespace QML
