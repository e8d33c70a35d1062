#include "libqml/components/communications_window/communication_window_dialpad.h"

#include "common/constants.h"

#include <QKeyEvent>
#include <QMetaObject>
#include <QQmlContext>
#include <QQuickItem>

namespace QML {

CommunicationWindowDialpad::CommunicationWindowDialpad(Kivo::Controllers::CommunicationSession* session,
                                                       QWidget* parent)
    : View(parent)
    , m_Session(session)
{
    setResizeMode(QQuickWidget::SizeRootObjectToView);
    rootContext()->setContextProperty(Constants::ContextProperty::RootWindow, this);
    setWindowFlags(Qt::FramelessWindowHint);
}

int CommunicationWindowDialpad::toneOfKey(int key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return key - Qt::Key_0;
    switch (key) {
    case Qt::Key_Asterisk:
        return 10;
    case Qt::Key_NumberSign:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 11;
    default:
        return -1;
    }
}

QPoint CommunicationWindowDialpad::placeAt(const QPoint& cursor, const QSize& size, const QRect& area)
{
    QPoint place = cursor;
    // Against the area's own edges: a screen right of or below the primary one starts
    // away from 0.
    if (area.x() + area.width() < cursor.x() + size.width())
        place.rx() -= size.width();
    if (area.y() + area.height() < cursor.y() + size.height())
        place.ry() -= size.height();
    return place;
}

bool CommunicationWindowDialpad::handleKey(QKeyEvent* event)
{
    QQuickItem* root = scene();
    if (event->modifiers().testFlag(Qt::ControlModifier) && event->key() == Qt::Key_V) {
        if (root)
            QMetaObject::invokeMethod(root, "appendClipboardText");
        return true;
    }
    if (event->key() == Qt::Key_Escape) {
        if (!isVisible())
            return false;
        hide();
        emit dialpadVisibleChanged();
        return true;
    }
    const int tone = toneOfKey(event->key());
    if (tone < 0)
        return false;
    // After the key event: the scene's handlers may show what was sent.
    if (root)
        QMetaObject::invokeMethod(root, "sendDTMF", Qt::QueuedConnection, Q_ARG(QVariant, QVariant(tone)));
    return true;
}

void CommunicationWindowDialpad::keyPressEvent(QKeyEvent* event)
{
    if (!handleKey(event))
        event->ignore();
}

bool CommunicationWindowDialpad::event(QEvent* event)
{
    // Hiding deactivates the pop-up as well: that is no second hiding.
    if (event->type() == QEvent::WindowDeactivate && isVisible() && !isHidden()) {
        hide();
        emit dialpadVisibleChanged();
    }
    return View::event(event);
}

} // namespace QML
