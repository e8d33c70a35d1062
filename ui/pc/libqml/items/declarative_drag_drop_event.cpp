#include "libqml/items/declarative_drag_drop_event.h"

#include <QDropEvent>

DeclarativeDragDropEvent::DeclarativeDragDropEvent(QDropEvent* event, QObject* parent)
    : QObject(parent)
    , m_Event(event)
    , m_X(static_cast<int>(event->posF().x()))
    , m_Y(static_cast<int>(event->posF().y()))
    , m_Buttons(static_cast<int>(event->mouseButtons()))
    , m_Modifiers(static_cast<int>(event->keyboardModifiers()))
    , m_Data(event->mimeData())
{
}

Qt::DropActions DeclarativeDragDropEvent::possibleActions() const
{
    return m_Event->possibleActions();
}

Qt::DropAction DeclarativeDragDropEvent::proposedAction() const
{
    return m_Event->proposedAction();
}

void DeclarativeDragDropEvent::accept(int action)
{
    m_Event->setDropAction(static_cast<Qt::DropAction>(action));
    m_Event->accept();
}

void DeclarativeDragDropEvent::setAccepted(bool accepted)
{
    m_Event->setAccepted(accepted);
}
