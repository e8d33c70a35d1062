#pragma once

#include <QObject>
#include <QPointer>

class QQuickItem;
class QQuickWidget;
class QQuickWindow;
class QWidget;

namespace QML {

// Keeps a real widget over a scene item: the widget becomes a child of the QQuickWidget
// that renders the item's scene and follows the item's mapped rectangle and visibility.
// Without such a host (no window yet, or a scene not shown in a widget) the widget
// stays hidden.
class ItemWidgetHost : public QObject
{
    Q_OBJECT

public:
    ItemWidgetHost(QQuickItem* item, QWidget* widget);

    // The widget that renders the given scene window, or null.
    static QQuickWidget* hostOf(const QQuickWindow* window);

    QWidget* widget() const { return m_Widget; }

public slots:
    // Follow a new scene window of the item.
    void attach();
    // Put the widget on the item's current rectangle.
    void sync();

private:
    QQuickItem* m_Item;
    QPointer<QWidget> m_Widget;
    QPointer<QQuickWindow> m_Window;
    // Found once per scene window; looking it up walks every widget of the program.
    QPointer<QQuickWidget> m_HostWidget;
};

} // namespace QML
