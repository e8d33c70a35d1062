#include "libqml/items/qml_pixmap.h"

#include <QPainter>

namespace QML {

QmlPixmap::QmlPixmap(QQuickItem* parent)
    : QQuickPaintedItem(parent)
{
}

QSize QmlPixmap::size() const
{
    if (m_MaxSize == QSize(0, 0) || m_Pixmap.isNull())
        return m_Pixmap.size();
    if (m_Crop)
        return m_MaxSize;
    return m_Pixmap.size().scaled(m_MaxSize, Qt::KeepAspectRatio);
}

void QmlPixmap::setPixmap(const QPixmap& pixmap)
{
    const QSize oldSize = m_Pixmap.size();
    m_Pixmap = pixmap;
    m_Scaled = QPixmap();
    update();
    if (pixmap.size() != oldSize)
        emit sizeChanged();
    emit pixmapChanged();
}

void QmlPixmap::setMaxSize(const QSize& size)
{
    if (size == m_MaxSize)
        return;
    m_MaxSize = size;
    emit maxSizeChanged();
    emit sizeChanged();
    update();
}

void QmlPixmap::setRadius(float radius)
{
    if (qFuzzyCompare(radius, m_Radius))
        return;
    m_Radius = radius;
    emit radiusChanged();
}

void QmlPixmap::setCrop(bool crop)
{
    if (crop == m_Crop)
        return;
    // With a maximum size the reported size depends on cropping; the painting always does.
    const QSize oldSize = size();
    m_Crop = crop;
    update();
    if (size() != oldSize)
        emit sizeChanged();
    emit cropChanged();
}

void QmlPixmap::paint(QPainter* painter)
{
    if (m_Pixmap.isNull())
        return;
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::transparent);
    const QSize itemSize(static_cast<int>(width()), static_cast<int>(height()));
    if (m_Crop) {
        const QPixmap scaled = m_Pixmap.scaled(itemSize, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
        const QPoint origin(static_cast<int>((scaled.width() - itemSize.width()) * 0.5),
                            static_cast<int>((scaled.height() - itemSize.height()) * 0.5));
        painter->drawPixmap(QPoint(0, 0), scaled, QRect(origin, itemSize));
        return;
    }
    if (m_Scaled.size() != itemSize)
        m_Scaled = m_Pixmap.scaled(itemSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    painter->drawPixmap(0, 0, m_Scaled);
}

} // namespace QML
