#include "Utils/badge_handler.h"

#include "libqml/utils/style.h"

#include <Kivo/Models/Timeline.h>

#include <QPainter>

namespace Utils {

namespace {

constexpr int MaxShownCount = 9;

} // namespace

BadgeHandler::BadgeHandler(Kivo::Models::Timeline* timeline, QObject* messages, QObject* parent)
    : QObject(parent)
{
    if (timeline) {
        connect(timeline, &Kivo::Models::Timeline::newCommsCountChanged, this,
                &BadgeHandler::communicationCountChanged);
        m_NewCommsCount = timeline->newCommsCount();
    }
    if (messages)
        connect(messages, SIGNAL(messages(QVariant, QVariant)), this, SLOT(onMessages(QVariant, QVariant)));
    emit badgeCountChanged();
}

QString BadgeHandler::badgeText() const
{
    const int count = badgeCount();
    if (count <= 0)
        return QString();
    return count > MaxShownCount ? QStringLiteral("%1+").arg(MaxShownCount) : QString::number(count);
}

void BadgeHandler::communicationCountChanged()
{
    const auto* timeline = qobject_cast<const Kivo::Models::Timeline*>(sender());
    if (!timeline)
        return;
    m_NewCommsCount = timeline->newCommsCount();
    emit badgeCountChanged();
}

void BadgeHandler::onMessages(const QVariant& voice, const QVariant& video)
{
    Q_UNUSED(video)
    const int count = voice.toInt();
    if (count == m_MessagesCount)
        return;
    m_MessagesCount = count;
    emit badgeCountChanged();
}

QPixmap BadgeHandler::requestPixmap(const QString& id, QSize* size, const QSize& requestedSize) const
{
    // The triangle is drawn for the default size and scaled from there: a request without a
    // size (as QML sends when no source size is set) still gets an image.
    QPixmap pixmap(DefaultSize, DefaultSize);
    pixmap.fill(Qt::transparent);
    if (id == QLatin1String("infoBadge") || id == QLatin1String("infoBadgeActive")) {
        const QML::Style* style = QML::Style::instance();
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(style ? style->color("infoBadgeActive") : QColor(Qt::red));
        painter.setBrush(style ? style->color(id) : QColor(Qt::white));
        const QPointF corners[] = {{1, 17}, {9, 3}, {17, 17}};
        painter.drawPolygon(corners, 3);
    }
    // QML asks with one side 0 when its source size gives only the other.
    const int width = requestedSize.width() > 0 ? requestedSize.width() : requestedSize.height();
    const int height = requestedSize.height() > 0 ? requestedSize.height() : requestedSize.width();
    if (width > 0 && height > 0)
        pixmap = pixmap.scaled(width, height, Qt::KeepAspectRatio, Qt::FastTransformation);
    if (size)
        *size = pixmap.size();
    return pixmap;
}

BadgeImageProvider::BadgeImageProvider(BadgeHandler* handler)
    : QQuickImageProvider(QQuickImageProvider::Pixmap)
    , m_Handler(handler)
{
}

QPixmap BadgeImageProvider::requestPixmap(const QString& id, QSize* size, const QSize& requestedSize)
{
    if (m_Handler)
        return m_Handler->requestPixmap(id, size, requestedSize);
    if (size)
        *size = QSize();
    return QPixmap();
}

} // namespace Utils
