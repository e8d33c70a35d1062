#pragma once

#include <QPainter>
#include <QQuickItem>
#include <QQuickPaintedItem>

namespace QML {

// Shows a share of the older collaboration service.
class ViewShare : public QQuickItem
{
    Q_OBJECT

public:
    explicit ViewShare(QQuickItem* parent = nullptr) : QQuickItem(parent) {}
};

// Paints the frames of a share of the newer collaboration service.
class ViewShareZyn : public QQuickPaintedItem
{
    Q_OBJECT

public:
    explicit ViewShareZyn(QQuickItem* parent = nullptr) : QQuickPaintedItem(parent) {}

    void paint(QPainter*) override {}
};

} // namespace QML
