#pragma once

#include <QPixmap>
#include <QQuickPaintedItem>
#include <QSize>

namespace QML {

// Draws a pixmap (a contact's avatar) scaled to the item or cropped to its middle.
class QmlPixmap : public QQuickPaintedItem
{
    Q_OBJECT
    Q_PROPERTY(QPixmap pixmap READ pixmap WRITE setPixmap NOTIFY pixmapChanged)
    Q_PROPERTY(QSize maxSize READ maxSize WRITE setMaxSize NOTIFY maxSizeChanged)
    Q_PROPERTY(QSize size READ size NOTIFY sizeChanged)
    Q_PROPERTY(float radius READ radius WRITE setRadius NOTIFY radiusChanged)
    Q_PROPERTY(bool crop READ crop WRITE setCrop NOTIFY cropChanged)

public:
    explicit QmlPixmap(QQuickItem* parent = nullptr);

    QPixmap pixmap() const { return m_Pixmap; }
    QSize maxSize() const { return m_MaxSize; }
    QSize size() const;
    float radius() const { return m_Radius; }
    bool crop() const { return m_Crop; }

    void setPixmap(const QPixmap& pixmap);
    void setMaxSize(const QSize& size);
    void setRadius(float radius);
    void setCrop(bool crop);

    void paint(QPainter* painter) override;

signals:
    void pixmapChanged();
    void maxSizeChanged();
    void sizeChanged();
    void radiusChanged();
    void cropChanged();

private:
    QPixmap m_Pixmap;
    QSize m_MaxSize{0, 0};
    QPixmap m_Scaled;
    float m_Radius = 0;
    bool m_Crop = false;
};

} // namespace QML
