#pragma once

#include <QQuickItem>
#include <QSizeF>
#include <QVector>

// Base of positioners that lay out their children; it tracks which children take part
// and lays them out again when one is added, removed or changes size, opacity or visibility.
class DeclarativeBasePositioner : public QQuickItem
{
    Q_OBJECT
    Q_PROPERTY(int spacing READ spacing WRITE setSpacing NOTIFY spacingChanged)

public:
    explicit DeclarativeBasePositioner(QQuickItem* parent = nullptr);
    ~DeclarativeBasePositioner() override;

    int spacing() const { return m_Spacing; }
    void setSpacing(int spacing);

signals:
    void spacingChanged();

protected slots:
    void prePositioning();
    void graphicsWidgetGeometryChanged();

protected:
    struct PositionedItem
    {
        QQuickItem* item = nullptr;
        bool isNew = true;
        bool isVisible = false;
    };

    virtual void doPositioning(QSizeF* contentSize) = 0;

    void componentComplete() override;
    void itemChange(ItemChange change, const ItemChangeData& value) override;

    const QVector<PositionedItem>& positionedItems() const { return m_PositionedItems; }

private:
    bool isLaidOut(const QQuickItem* item) const;
    void watch(QQuickItem* item);
    void unwatch(QQuickItem* item);
    int indexOf(const QQuickItem* item) const;

    QVector<PositionedItem> m_PositionedItems;
    int m_Spacing = 0;
};
