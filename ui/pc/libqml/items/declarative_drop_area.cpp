#include "libqml/items/declarative_drop_area.h"

#include "libqml/items/declarative_drag_drop_event.h"

#include <QMimeData>
#include <QThread>

DeclarativeDropArea::DeclarativeDropArea(QQuickItem* parent)
    : QQuickItem(parent)
{
    setFlag(ItemAcceptsDrops, true);
}

bool DeclarativeDropArea::dropEnabled() const
{
    return flags().testFlag(ItemAcceptsDrops);
}

void DeclarativeDropArea::setDropEnabled(bool enabled)
{
    if (enabled == dropEnabled())
        return;
    setFlag(ItemAcceptsDrops, enabled);
    emit enabledChanged();
}

bool DeclarativeDropArea::offersListedFormat(const QDropEvent* event) const
{
    const QMimeData* data = event->mimeData();
    if (!data)
        return false;
    for (const QString& type : m_MimeTypes) {
        if (data->hasFormat(type))
            return true;
    }
    return false;
}

void DeclarativeDropArea::dragEnterEvent(QDragEnterEvent* event)
{
    m_EnterAccepted = false;
    event->ignore();
    if (thread() != QThread::currentThread() || m_MimeTypes.isEmpty() || !offersListedFormat(event))
        return;
    DeclarativeDragDropEvent wrapper(event, this);
    emit dragEnter(&wrapper);
    m_EnterAccepted = event->isAccepted();
    m_EnterAction = event->dropAction();
}

void DeclarativeDropArea::dragMoveEvent(QDragMoveEvent* event)
{
    event->setAccepted(m_EnterAccepted);
    if (m_EnterAccepted)
        event->setDropAction(m_EnterAction);
}

void DeclarativeDropArea::dragLeaveEvent(QDragLeaveEvent* event)
{
    Q_UNUSED(event)
    m_EnterAccepted = false;
    emit dragLeave();
}

void DeclarativeDropArea::dropEvent(QDropEvent* event)
{
    m_EnterAccepted = false;
    if (thread() != QThread::currentThread())
        return;
    DeclarativeDragDropEvent wrapper(event, this);
    emit drop(&wrapper);
}
