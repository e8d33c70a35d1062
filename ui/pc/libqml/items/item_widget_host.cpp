#include "libqml/items/item_widget_host.h"

#include <QApplication>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>

namespace QML {

ItemWidgetHost::ItemWidgetHost(QQuickItem* item, QWidget* widget)
    : QObject(item)
    , m_Item(item)
    , m_Widget(widget)
{
    connect(item, &QQuickItem::xChanged, this, &ItemWidgetHost::sync);
    connect(item, &QQuickItem::yChanged, this, &ItemWidgetHost::sync);
    connect(item, &QQuickItem::widthChanged, this, &ItemWidgetHost::sync);
    connect(item, &QQuickItem::heightChanged, this, &ItemWidgetHost::sync);
    connect(item, &QQuickItem::visibleChanged, this, &ItemWidgetHost::sync);
    connect(item, &QQuickItem::windowChanged, this, &ItemWidgetHost::attach);
    attach();
}

QQuickWidget* ItemWidgetHost::hostOf(const QQuickWindow* window)
{
    if (!window)
        return nullptr;
    const QWidgetList widgets = QApplication::allWidgets();
    for (QWidget* widget : widgets) {
        auto* quickWidget = qobject_cast<QQuickWidget*>(widget);
        if (quickWidget && quickWidget->quickWindow() == window)
            return quickWidget;
    }
    return nullptr;
}

void ItemWidgetHost::attach()
{
    if (m_Window)
        disconnect(m_Window, nullptr, this, nullptr);
    m_Window = m_Item->window();
    // Ancestors move the item without telling it; the scene's frame is the moment to look.
    if (m_Window)
        connect(m_Window, &QQuickWindow::afterAnimating, this, &ItemWidgetHost::sync);
    sync();
}

void ItemWidgetHost::sync()
{
    if (!m_Widget)
        return;
    if (!m_HostWidget || m_HostWidget->quickWindow() != m_Window)
        m_HostWidget = hostOf(m_Window);
    QQuickWidget* host = m_HostWidget;
    if (!host) {
        m_Widget->hide();
        return;
    }
    if (m_Widget->parentWidget() != host)
        m_Widget->setParent(host);
    const QRect rect = m_Item->mapRectToScene(QRectF(0, 0, m_Item->width(), m_Item->height())).toAlignedRect();
    if (m_Widget->geometry() != rect)
        m_Widget->setGeometry(rect);
    const bool shown = m_Item->isVisible() && !rect.isEmpty();
    if (m_Widget->isVisibleTo(host) != shown)
        m_Widget->setVisible(shown);
}

} // namespace QML
