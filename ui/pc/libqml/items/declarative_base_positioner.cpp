#include "libqml/items/declarative_base_positioner.h"

namespace {
constexpr int RecordGrowth = 8;
}

DeclarativeBasePositioner::DeclarativeBasePositioner(QQuickItem* parent)
    : QQuickItem(parent)
{
}

DeclarativeBasePositioner::~DeclarativeBasePositioner()
{
    for (const PositionedItem& positioned : qAsConst(m_PositionedItems))
        unwatch(positioned.item);
}

void DeclarativeBasePositioner::setSpacing(int spacing)
{
    if (spacing == m_Spacing)
        return;
    m_Spacing = spacing;
    prePositioning();
    emit spacingChanged();
}

void DeclarativeBasePositioner::graphicsWidgetGeometryChanged()
{
    prePositioning();
}

bool DeclarativeBasePositioner::isLaidOut(const QQuickItem* item) const
{
    // A hidden child must not hold a gap open. While the positioner itself is hidden every
    // child reads as hidden, so the children keep their places until it shows again.
    const bool hidden = !item->isVisible() && isVisible();
    return !hidden && item->opacity() > 0.0 && item->width() != 0.0 && item->height() != 0.0;
}

void DeclarativeBasePositioner::watch(QQuickItem* item)
{
    connect(item, &QQuickItem::widthChanged, this, &DeclarativeBasePositioner::graphicsWidgetGeometryChanged);
    connect(item, &QQuickItem::heightChanged, this, &DeclarativeBasePositioner::graphicsWidgetGeometryChanged);
    connect(item, &QQuickItem::opacityChanged, this, &DeclarativeBasePositioner::graphicsWidgetGeometryChanged);
    connect(item, &QQuickItem::visibleChanged, this, &DeclarativeBasePositioner::graphicsWidgetGeometryChanged);
}

void DeclarativeBasePositioner::unwatch(QQuickItem* item)
{
    disconnect(item, &QQuickItem::widthChanged, this, &DeclarativeBasePositioner::graphicsWidgetGeometryChanged);
    disconnect(item, &QQuickItem::heightChanged, this, &DeclarativeBasePositioner::graphicsWidgetGeometryChanged);
    disconnect(item, &QQuickItem::opacityChanged, this, &DeclarativeBasePositioner::graphicsWidgetGeometryChanged);
    disconnect(item, &QQuickItem::visibleChanged, this, &DeclarativeBasePositioner::graphicsWidgetGeometryChanged);
}

int DeclarativeBasePositioner::indexOf(const QQuickItem* item) const
{
    for (int i = 0; i < m_PositionedItems.size(); ++i) {
        if (m_PositionedItems.at(i).item == item)
            return i;
    }
    return -1;
}

void DeclarativeBasePositioner::prePositioning()
{
    if (!isComponentComplete())
        return;

    const QVector<PositionedItem> previous = m_PositionedItems;
    m_PositionedItems.clear();
    m_PositionedItems.reserve(((previous.size() / RecordGrowth) + 1) * RecordGrowth);

    const QList<QQuickItem*> children = childItems();
    for (QQuickItem* child : children) {
        PositionedItem record;
        const bool visible = isLaidOut(child);
        int old = -1;
        for (int i = 0; i < previous.size(); ++i) {
            if (previous.at(i).item == child) {
                old = i;
                break;
            }
        }
        if (old >= 0) {
            record = previous.at(old);
            if (!visible) {
                record.isVisible = false;
            } else if (record.isVisible) {
                record.isNew = false;
            } else {
                record.isNew = true;
                record.isVisible = true;
            }
        } else {
            watch(child);
            record.item = child;
            record.isNew = true;
            record.isVisible = visible;
        }
        m_PositionedItems.append(record);
    }

    QSizeF contentSize(-1, -1);
    doPositioning(&contentSize);
    setImplicitHeight(contentSize.height());
    setImplicitWidth(contentSize.width());
}

void DeclarativeBasePositioner::componentComplete()
{
    QQuickItem::componentComplete();
    m_PositionedItems.reserve(childItems().size());
    prePositioning();
}

void DeclarativeBasePositioner::itemChange(ItemChange change, const ItemChangeData& value)
{
    if (change == ItemChildAddedChange) {
        prePositioning();
    } else if (change == ItemChildRemovedChange) {
        const int index = indexOf(value.item);
        if (index >= 0) {
            unwatch(value.item);
            m_PositionedItems.remove(index);
            prePositioning();
        }
    }
    QQuickItem::itemChange(change, value);
}
