#include "libqml/components/notifications/webcollab_sharing_notification.h"

#include <QTimer>
#include <QUrl>

namespace QML {

WebcollabSharingNotification::WebcollabSharingNotification(QWidget* parent)
    : View(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setClearColor(Qt::transparent);
    setResizeMode(QQuickWidget::SizeViewToRootObject);
    setSource(QUrl(QString::fromLatin1(Scene)));
    QTimer::singleShot(LifetimeMs, this, &QWidget::close);
}

QPoint WebcollabSharingNotification::centredIn(const QRect& area, const QSize& size)
{
    // From the area's origin: the screen that shows the main window need not start at 0,0.
    return QPoint(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

WebcollabSharingNotification* WebcollabSharingNotification::showCentred(const QRect& area)
{
    auto* notice = new WebcollabSharingNotification;
    notice->show();
    notice->move(centredIn(area, notice->size()));
    return notice;
}

} // namespace QML
