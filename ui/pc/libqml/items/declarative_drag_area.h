#pragma once

#include <QByteArray>
#include <QPixmap>
#include <QPointF>
#include <QPointer>
#include <QQmlComponent>
#include <QQuickItem>
#include <QString>

// Starts a drag of program data from a scene item. The item does not run the drag:
// once the mouse has moved far enough it renders the delegate and asks for the drag
// with startDrag, which the application object turns into a platform drag.
class DeclarativeDragArea : public QQuickItem
{
    Q_OBJECT
    // The byte array below would otherwise take the place of the item's children.
    Q_CLASSINFO("DefaultProperty", "children")
    Q_PROPERTY(QQmlComponent* delegate READ delegate WRITE setDelegate NOTIFY delegateChanged RESET resetDelegate)
    Q_PROPERTY(QQuickItem* source READ source WRITE setSource NOTIFY sourceChanged RESET resetSource)
    Q_PROPERTY(QByteArray data READ data WRITE setData)
    Q_PROPERTY(QString mimeType READ mimeType WRITE setMimeType)
    Q_PROPERTY(QQuickItem* target READ target NOTIFY targetChanged)
    Q_PROPERTY(bool enabled READ dragEnabled WRITE setDragEnabled NOTIFY enabledChanged)
    Q_PROPERTY(Qt::DropActions supportedActions READ supportedActions WRITE setSupportedActions
                   NOTIFY supportedActionsChanged)
    Q_PROPERTY(Qt::DropAction defaultAction READ defaultAction WRITE setDefaultAction NOTIFY defaultActionChanged)
    Q_PROPERTY(Qt::MouseButtons acceptedMouseButtons READ acceptedMouseButtons WRITE setAcceptedMouseButtons)
    Q_PROPERTY(bool containsMouse READ containsMouse NOTIFY containsMouseChanged)
    Q_PROPERTY(bool hoverEnabled READ hoverEnabled WRITE setHoverEnabled)

public:
    explicit DeclarativeDragArea(QQuickItem* parent = nullptr);

    QQmlComponent* delegate() const { return m_Delegate; }
    void setDelegate(QQmlComponent* delegate);
    void resetDelegate() { setDelegate(nullptr); }
    QQuickItem* source() const { return m_Source; }
    void setSource(QQuickItem* source);
    void resetSource() { setSource(nullptr); }
    QQuickItem* target() const { return nullptr; }
    QByteArray data() const { return m_Data; }
    void setData(const QByteArray& data) { m_Data = data; }
    QString mimeType() const { return m_MimeType; }
    void setMimeType(const QString& mimeType) { m_MimeType = mimeType; }
    bool dragEnabled() const { return m_Enabled; }
    void setDragEnabled(bool enabled);
    Qt::DropActions supportedActions() const { return m_SupportedActions; }
    void setSupportedActions(Qt::DropActions actions);
    Qt::DropAction defaultAction() const { return m_DefaultAction; }
    void setDefaultAction(Qt::DropAction action);
    bool containsMouse() const { return m_ContainsMouse; }
    bool hoverEnabled() const { return m_HoverEnabled; }
    void setHoverEnabled(bool enabled) { m_HoverEnabled = enabled; }

    // The delegate rendered on a transparent ground; empty without a delegate.
    QPixmap renderDelegate() const;

signals:
    void startDrag(const QString& mimeType, const QByteArray& data, const QPixmap& pixmap);
    void delegateChanged();
    void sourceChanged();
    void targetChanged();
    void dataChanged();
    void enabledChanged();
    void drop(int action);
    void supportedActionsChanged();
    void defaultActionChanged();
    void pressed(int button, int modifiers);
    void clicked(int button, int modifiers);
    void doubleClicked(int button, int modifiers);
    void containsMouseChanged();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void hoverEnterEvent(QHoverEvent* event) override;
    void hoverLeaveEvent(QHoverEvent* event) override;

private:
    void setContainsMouse(bool contains, QHoverEvent* event);

    QPointer<QQmlComponent> m_Delegate;
    QPointer<QQuickItem> m_Source;
    QString m_MimeType;
    QByteArray m_Data;
    bool m_Enabled = true;
    Qt::DropActions m_SupportedActions = Qt::MoveAction;
    Qt::DropAction m_DefaultAction = Qt::MoveAction;
    bool m_ContainsMouse = false;
    bool m_HoverEnabled = false;
    QPointF m_PressScreenPos;
    bool m_LeftPressed = false;
    // One press asks for one drag: requests queued behind a running drag must not
    // start another one after it ends.
    bool m_DragRequested = false;
};
