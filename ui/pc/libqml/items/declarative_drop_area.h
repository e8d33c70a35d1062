#pragma once

#include <QQuickItem>
#include <QStringList>

class DeclarativeDragDropEvent;

// Accepts drops of program data onto a scene item. A drag is offered to the scene
// only when it carries one of `mimeTypes`; a handler accepts it from dragEnter.
class DeclarativeDropArea : public QQuickItem
{
    Q_OBJECT
    Q_PROPERTY(bool enabled READ dropEnabled WRITE setDropEnabled NOTIFY enabledChanged)
    Q_PROPERTY(QStringList mimeTypes READ mimeTypes WRITE setMimeTypes)

public:
    explicit DeclarativeDropArea(QQuickItem* parent = nullptr);

    bool dropEnabled() const;
    void setDropEnabled(bool enabled);
    QStringList mimeTypes() const { return m_MimeTypes; }
    void setMimeTypes(const QStringList& mimeTypes) { m_MimeTypes = mimeTypes; }

signals:
    void dragEnter(DeclarativeDragDropEvent* event);
    void dragLeave();
    void drop(DeclarativeDragDropEvent* event);
    void enabledChanged();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool offersListedFormat(const QDropEvent* event) const;

    QStringList m_MimeTypes;
    // The scene answers once on entering; the moves that follow keep that answer.
    bool m_EnterAccepted = false;
    Qt::DropAction m_EnterAction = Qt::IgnoreAction;
};
