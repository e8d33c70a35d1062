#include "libqml/window/qml_view.h"

#include "common/constants.h"
#include "common/logging.h"
#include "libqml/items/qml_helper.h"
#include "libqml/utils/style.h"
#include "libqml/window/style_view.h"
#include "Utils/string_helper.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickWindow>

namespace QML {

View::View(QWidget* parent)
    : QQuickWidget(parent)
    , m_Helper(new QmlHelper(this))
    , m_Style(Style::instance())
    , m_IdleTimer(new QTimer(this))
    , m_IdleOnMoveTimer(new QTimer(this))
{
    m_IdleTimer->setSingleShot(true);
    m_IdleOnMoveTimer->setSingleShot(true);
    setIdleTimeout(DefaultIdleTimeout);
    setIdleOnMoveTimeout(IdleOnMoveTimeout);
    connect(m_IdleTimer, &QTimer::timeout, this, &View::timeout);
    connect(m_IdleOnMoveTimer, &QTimer::timeout, this, &View::idleOnMoveTimeout);

    connect(quickWindow(), &QQuickWindow::activeFocusItemChanged, this, &View::followSceneFocus);
    // A style that goes before the view (at exit) takes the scene with it: a binding left
    // behind would read the style's colours from null.
    if (m_Style)
        connect(m_Style, &QObject::destroyed, this, [this] { setSource(QUrl()); });

    QQmlContext* context = rootContext();
    context->setContextProperty(Constants::ContextProperty::RootView, this);
    context->setContextProperty(Constants::ContextProperty::Style, m_Style);
    context->setContextProperty(Constants::ContextProperty::QmlHelper, m_Helper);
}

View::~View()
{
    // The scene outlives this part of the widget: while ~QQuickWidget takes it down, its
    // focus changes must not reach a view that is gone.
    disconnect(quickWindow(), &QQuickWindow::activeFocusItemChanged, this, &View::followSceneFocus);
}

void View::setIdle(bool idle)
{
    if (idle == m_Idle)
        return;
    m_Idle = idle;
    emit idleChanged();
}

void View::setIdleOnMove(bool idleOnMove)
{
    if (idleOnMove == m_IdleOnMove)
        return;
    m_IdleOnMove = idleOnMove;
    emit idleOnMoveChanged();
}

void View::setIdleTimeout(int milliseconds)
{
    if (milliseconds == m_IdleTimeout)
        return;
    if (m_IdleTimeout > 0)
        m_IdleTimer->stop();
    m_IdleTimeout = milliseconds;
    if (m_IdleTimeout > 0) {
        setMouseTracking(true);
        m_IdleTimer->start(m_IdleTimeout);
    } else {
        setMouseTracking(false);
        setIdle(false);
    }
    emit idleTimeoutChanged();
}

void View::setIdleOnMoveTimeout(int milliseconds)
{
    setMouseTracking(true);
    m_IdleOnMoveTimer->setInterval(milliseconds);
}

void View::setWindowPosX(int x)
{
    if (x == m_WindowPosX)
        return;
    m_WindowPosX = x;
    emit windowPosXChanged();
}

void View::setWindowPosY(int y)
{
    if (y == m_WindowPosY)
        return;
    m_WindowPosY = y;
    emit windowPosYChanged();
}

void View::setPreferredMinSize(const QSize& size)
{
    if (size == m_PreferredMinSize)
        return;
    m_PreferredMinSize = size;
    emit preferredMinSizeChanged();
}

void View::setPreferredMaxSize(const QSize& size)
{
    if (size == m_PreferredMaxSize)
        return;
    m_PreferredMaxSize = size;
    emit preferredMaxSizeChanged();
}

void View::followSceneFocus()
{
    // A widget shown over the scene (the editable combo boxes) keeps the keys until it is
    // told otherwise: when the scene gives an item the caret, the keys must go there too.
    QWidget* focused = QApplication::focusWidget();
    if (focused && focused != this && isAncestorOf(focused) && quickWindow()->activeFocusItem())
        setFocus(Qt::OtherFocusReason);
}

void View::timeout()
{
    setIdle(true);
}

void View::idleOnMoveTimeout()
{
    setIdleOnMove(true);
}

int View::calcTextWidth(const QString& text, const QFont& font) const
{
    return QFontMetrics(font).horizontalAdvance(text);
}

void View::enableMouseEventFiltering()
{
}

void View::setAlwaysOnTop(bool on)
{
    // A view inside a window must not get a native handle of its own; its window stands for it.
    Utils::StringHelper::setStayOnTop(window()->winId(), on);
}

bool View::event(QEvent* event)
{
    LOG_TRACE << "QEvent: " << Utils::StringHelper::eventTypeName(event->type());
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove: {
        QElapsedTimer timer;
        timer.start();
        trackMouseEvent(event);
        const qint64 elapsed = timer.elapsed();
        if (elapsed >= 1) {
            LOG_INFO << "viewportEvent (" << Utils::StringHelper::eventTypeName(event->type())
                     << ") took " << elapsed << "ms to finish";
        }
        break;
    }
    default:
        break;
    }
    return QQuickWidget::event(event);
}

void View::trackMouseEvent(QEvent* event)
{
    if (event->type() == QEvent::MouseMove) {
        setIdleOnMove(false);
        const QPoint position = static_cast<QMouseEvent*>(event)->pos();
        setWindowPosX(position.x());
        setWindowPosY(position.y());
        m_IdleOnMoveTimer->start();
    }
    setIdle(false);
    if (m_IdleTimeout > 0)
        m_IdleTimer->start(m_IdleTimeout);
}

void View::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Escape)
        emit keyEscapePressed();
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        m_HeldLetters.insert(key);
    const Qt::KeyboardModifiers styleViewModifiers = Qt::ShiftModifier | Qt::ControlModifier;
    if (m_HeldLetters.contains(Qt::Key_C) && m_HeldLetters.contains(Qt::Key_S)
        && (event->modifiers() & styleViewModifiers) == styleViewModifiers) {
        openStyleView();
        m_HeldLetters.clear();
    }
    QQuickWidget::keyPressEvent(event);
}

void View::keyReleaseEvent(QKeyEvent* event)
{
    m_HeldLetters.clear();
    QQuickWidget::keyReleaseEvent(event);
}

void View::openStyleView()
{
    StyleView* styleView = StyleView::instance();
    if (!styleView) {
        styleView = new StyleView();
        styleView->loadScene();
    }
    styleView->show();
}

void View::showEvent(QShowEvent* event)
{
    emit visibleChanged();
    QQuickWidget::showEvent(event);
}

void View::hideEvent(QHideEvent* event)
{
    emit visibleChanged();
    QQuickWidget::hideEvent(event);
}

void View::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        // Every qsTr() of the scene reads the new translators at once.
        engine()->retranslate();
        emit languageChanged();
        event->accept();
    }
    QQuickWidget::changeEvent(event);
}

} // namespace QML
