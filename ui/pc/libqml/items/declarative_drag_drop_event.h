#pragma once

#include "libqml/items/declarative_mime_data.h"

#include <QObject>

class QDropEvent;

// One drag or drop event as the scenes see it. It wraps the event only while the
// signal that carries it runs.
class DeclarativeDragDropEvent : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int x READ x)
    Q_PROPERTY(int y READ y)
    Q_PROPERTY(int buttons READ buttons)
    Q_PROPERTY(int modifiers READ modifiers)
    Q_PROPERTY(DeclarativeMimeData* data READ data)
    Q_PROPERTY(Qt::DropActions possibleActions READ possibleActions)
    Q_PROPERTY(Qt::DropAction proposedAction READ proposedAction)

public:
    DeclarativeDragDropEvent(QDropEvent* event, QObject* parent);

    int x() const { return m_X; }
    int y() const { return m_Y; }
    int buttons() const { return m_Buttons; }
    int modifiers() const { return m_Modifiers; }
    DeclarativeMimeData* data() { return &m_Data; }
    Qt::DropActions possibleActions() const;
    Qt::DropAction proposedAction() const;

public slots:
    void accept(int action);
    void setAccepted(bool accepted);

private:
    QDropEvent* m_Event;
    int m_X;
    int m_Y;
    int m_Buttons;
    int m_Modifiers;
    DeclarativeMimeData m_Data;
};
