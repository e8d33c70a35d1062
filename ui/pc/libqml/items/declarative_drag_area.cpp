#include "libqml/items/declarative_drag_area.h"

#include "common/logging.h"

#include <QApplication>
#include <QLineF>
#include <QMouseEvent>
#include <QQmlContext>
#include <QQuickWidget>
#include <QQuickWindow>

#include <memory>

DeclarativeDragArea::DeclarativeDragArea(QQuickItem* parent)
    : QQuickItem(parent)
{
    setAcceptedMouseButtons(Qt::LeftButton);
    setAcceptHoverEvents(true);
    // The application object runs the platform drag; queued so that the press
    // handling has returned before its drag loop takes over the mouse.
    QCoreApplication* app = QCoreApplication::instance();
    if (app && app->metaObject()->indexOfSlot("startDrag(QString,QByteArray,QPixmap)") >= 0)
        connect(this, SIGNAL(startDrag(QString, QByteArray, QPixmap)), app,
                SLOT(startDrag(QString, QByteArray, QPixmap)), Qt::QueuedConnection);
}

void DeclarativeDragArea::setDelegate(QQmlComponent* delegate)
{
    if (delegate == m_Delegate)
        return;
    m_Delegate = delegate;
    emit delegateChanged();
}

void DeclarativeDragArea::setSource(QQuickItem* source)
{
    if (source == m_Source)
        return;
    m_Source = source;
    emit sourceChanged();
}

void DeclarativeDragArea::setDragEnabled(bool enabled)
{
    if (enabled == m_Enabled)
        return;
    m_Enabled = enabled;
    emit enabledChanged();
}

void DeclarativeDragArea::setSupportedActions(Qt::DropActions actions)
{
    if (actions == m_SupportedActions)
        return;
    m_SupportedActions = actions;
    emit supportedActionsChanged();
}

void DeclarativeDragArea::setDefaultAction(Qt::DropAction action)
{
    if (action == m_DefaultAction)
        return;
    m_DefaultAction = action;
    emit defaultActionChanged();
}

QPixmap DeclarativeDragArea::renderDelegate() const
{
    if (!m_Delegate)
        return QPixmap();
    QQmlContext* context = m_Delegate->creationContext();
    if (!context)
        context = qmlContext(this);
    std::unique_ptr<QObject> instance(m_Delegate->create(context));
    auto* item = qobject_cast<QQuickItem*>(instance.get());
    if (!item) {
        LOG_WARNING << "The drag delegate made no item: " << m_Delegate->errorString();
        return QPixmap();
    }
    const QSize size(static_cast<int>(item->width()), static_cast<int>(item->height()));
    if (size.isEmpty())
        return QPixmap();

    // A widget kept off the screen renders synchronously once shown, with any backend.
    QQuickWidget scene;
    scene.setAttribute(Qt::WA_DontShowOnScreen);
    scene.setClearColor(Qt::transparent);
    scene.resize(size);
    item->setParentItem(scene.quickWindow()->contentItem());
    scene.show();
    const QImage image = scene.grabFramebuffer();
    item->setParentItem(nullptr);
    if (image.isNull()) {
        LOG_WARNING << "The drag delegate could not be rendered";
        return QPixmap();
    }
    return QPixmap::fromImage(image);
}

void DeclarativeDragArea::mousePressEvent(QMouseEvent* event)
{
    grabMouse();
    setKeepMouseGrab(true);
    m_LeftPressed = event->button() == Qt::LeftButton;
    m_PressScreenPos = event->screenPos();
    m_DragRequested = false;
    event->accept();
    emit pressed(static_cast<int>(event->button()), static_cast<int>(event->modifiers()));
}

void DeclarativeDragArea::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (!m_Enabled || !m_LeftPressed || m_DragRequested)
        return;
    const qreal distance = QLineF(m_PressScreenPos, event->screenPos()).length();
    if (distance < QApplication::startDragDistance())
        return;
    m_DragRequested = true;
    emit startDrag(m_MimeType, m_Data, renderDelegate());
}

void DeclarativeDragArea::mouseReleaseEvent(QMouseEvent* event)
{
    ungrabMouse();
    setKeepMouseGrab(false);
    m_LeftPressed = false;
    event->accept();
    emit clicked(static_cast<int>(event->button()), static_cast<int>(event->modifiers()));
}

void DeclarativeDragArea::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    emit doubleClicked(static_cast<int>(event->button()), static_cast<int>(event->modifiers()));
}

void DeclarativeDragArea::setContainsMouse(bool contains, QHoverEvent* event)
{
    if (!m_HoverEnabled) {
        event->ignore();
        return;
    }
    m_ContainsMouse = contains;
    emit containsMouseChanged();
    event->accept();
}

void DeclarativeDragArea::hoverEnterEvent(QHoverEvent* event)
{
    setContainsMouse(true, event);
}

void DeclarativeDragArea::hoverLeaveEvent(QHoverEvent* event)
{
    setContainsMouse(false, event);
}
