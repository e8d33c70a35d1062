#include "libqml/items/centered_flow.h"

#include <QPair>
#include <QVector>

#include <cmath>

CenteredFlow::CenteredFlow(QQuickItem* parent)
    : DeclarativeBasePositioner(parent)
{
    connect(this, &QQuickItem::widthChanged, this, &CenteredFlow::graphicsWidgetGeometryChanged);
    connect(this, &QQuickItem::heightChanged, this, &CenteredFlow::graphicsWidgetGeometryChanged);
}

void CenteredFlow::doPositioning(QSizeF* contentSize)
{
    const QVector<PositionedItem>& items = positionedItems();
    int x = 0;
    int y = 0;
    int rowHeight = 0;
    // Children of the open row with their offset in it, placed once the row's width is known.
    QVector<QPair<int, int>> pending;

    const auto closeRow = [&]() {
        const int shift = static_cast<int>((width() - x + spacing()) * 0.5);
        for (const QPair<int, int>& entry : qAsConst(pending))
            items.at(entry.first).item->setX(qMax(entry.second + shift, 0));
        pending.clear();
    };

    for (int i = 0; i < items.size(); ++i) {
        const PositionedItem& record = items.at(i);
        if (!record.item || !record.isVisible)
            continue;
        QQuickItem* child = record.item;
        if (widthValid() && x != 0 && x + child->width() > width()) {
            closeRow();
            x = 0;
            y += rowHeight + spacing();
            rowHeight = 0;
        }
        pending.append(qMakePair(i, x));
        if (child->y() != y)
            child->setY(y);
        contentSize->setHeight(qMax(contentSize->height(), y + child->height()));
        x = static_cast<int>(x + child->width()) + spacing();
        rowHeight = qMax(rowHeight, static_cast<int>(std::ceil(child->height())));
    }
    closeRow();
    contentSize->setWidth(width());
}
