#include "libqml/items/qml_tool_tip.h"

#include "Utils/windowmanager.h"
#include "libqml/items/tool_tip_view.h"

#include <QCursor>
#include <QTimer>

namespace QML {

namespace {
constexpr int DefaultDelay = 500;
constexpr int HiddenPosition = -10000;
constexpr int HorizontalOffset = 2;
constexpr int VerticalOffset = 21;
} // namespace

QmlToolTip::QmlToolTip(QQuickItem* parent)
    : QQuickItem(parent)
    , m_View(new ToolTipView())
    , m_ShowTimer(new QTimer(this))
    , m_HideTimer(new QTimer(this))
{
    m_ShowTimer->setSingleShot(true);
    m_HideTimer->setSingleShot(true);
    connect(m_ShowTimer, &QTimer::timeout, this, &QmlToolTip::showTimerTimeout);
    connect(m_HideTimer, &QTimer::timeout, this, &QmlToolTip::hideTimerTimeout);
}

QmlToolTip::~QmlToolTip()
{
    // The item goes while its own scene is being torn down, possibly from inside another
    // view's teardown (a style leaving at exit unloads every scene): deleting a second quick
    // view's render control there crashes, so the tip's window goes from the event loop.
    m_View->hide();
    m_View->deleteLater();
}

void QmlToolTip::showToolTip(const QString& text, int delay, int duration)
{
    m_View->setText(text);
    m_Duration = duration;
    // A timer refuses a negative interval and would never show the text; show it at once.
    if (text.isEmpty())
        hideToolTip();
    else
        m_ShowTimer->start(qMax(delay, 0));
}

void QmlToolTip::showToolTip(const QString& text, int delay)
{
    showToolTip(text, delay, 0);
}

void QmlToolTip::showToolTip(const QString& text)
{
    showToolTip(text, DefaultDelay, 0);
}

void QmlToolTip::hideToolTip()
{
    m_ShowTimer->stop();
    m_HideTimer->stop();
    m_View->hide();
    m_View->move(HiddenPosition, HiddenPosition);
}

int QmlToolTip::displayDuration(int textLength, int duration)
{
    if (duration >= 1)
        return duration;
    return (qMax(textLength - 100, 0) + 250) * 40;
}

QPoint QmlToolTip::placement(const QPoint& cursor, const QRect& available, const QSize& windowSize)
{
    const QPoint relative = cursor - available.topLeft();
    int dx = HorizontalOffset;
    if (relative.x() + dx + windowSize.width() > available.width())
        dx = -HorizontalOffset - windowSize.width();
    int dy = VerticalOffset;
    if (relative.y() + dy + windowSize.height() > available.height())
        dy = -VerticalOffset - windowSize.height();
    return cursor + QPoint(dx, dy);
}

void QmlToolTip::showTimerTimeout()
{
    const QPoint cursor = QCursor::pos();
    const QRect available = Utils::WindowManager::availableGeometryAt(cursor);
    m_View->move(placement(cursor, available, m_View->size()));
    m_View->show();
    m_HideTimer->start(displayDuration(m_View->text().length(), m_Duration));
}

void QmlToolTip::hideTimerTimeout()
{
    hideToolTip();
}

} // namespace QML
