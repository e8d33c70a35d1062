#include "Utils/windowmanager.h"

#include "application.h"
#include "common/connect_check.h"
#include "common/logging.h"
#include "libqml/components/mainwindow/main_window.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace Utils {

QPointer<WindowManager> WindowManager::s_Instance;
QPointer<QWidget> WindowManager::s_MainWindow;

namespace {

QString windowKind(const QWidget* window)
{
    return QString::fromLatin1(window->metaObject()->className()).remove("QML::");
}

QRect screenArea(int screen)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screen >= 0 && screen < screens.size())
        return screens.at(screen)->availableGeometry();
    const QScreen* primary = QGuiApplication::primaryScreen();
    return primary ? primary->availableGeometry() : QRect();
}

int primaryScreenIndex()
{
    return qMax(0, QGuiApplication::screens().indexOf(QGuiApplication::primaryScreen()));
}

} // namespace

WindowManager::WindowManager(QObject* parent)
    : QObject(parent)
{
    s_Instance = this;
}

WindowManager::~WindowManager() = default;

WindowManager* WindowManager::instance()
{
    return s_Instance;
}

void WindowManager::setMainWindow(QWidget* window)
{
    s_MainWindow = window;
}

QWidget* WindowManager::mainWindow()
{
    if (s_MainWindow)
        return s_MainWindow;
    // Placement follows the main window the application keeps while signed in.
    if (const auto* application = qobject_cast<const Application*>(QCoreApplication::instance()))
        return application->mainWindow();
    return nullptr;
}

void WindowManager::registerWindow(QWidget* window)
{
    if (!window || !window->isWindow())
        return;
    CHECKED_CONNECT(this, SIGNAL(deleteWindows()), window, SLOT(deleteLater()));
    CHECKED_CONNECT(this, SIGNAL(closeWindows()), window, SLOT(close()));
}

void WindowManager::cbSessionClosed()
{
    emit deleteWindows();
}

void WindowManager::cbSigningOut()
{
    emit closeWindows();
}

int WindowManager::screenOf(const QWidget* widget)
{
    if (!widget)
        return primaryScreenIndex();
    const int index = QGuiApplication::screens().indexOf(widget->window()->screen());
    return index >= 0 ? index : primaryScreenIndex();
}

QRect WindowManager::availableGeometry(int* screenOut)
{
    const int screen = s_MainWindow ? screenOf(s_MainWindow) : primaryScreenIndex();
    if (screenOut)
        *screenOut = screen;
    return screenArea(screen);
}

QRect WindowManager::availableGeometryAt(const QPoint& point)
{
    const QScreen* screen = QGuiApplication::screenAt(point);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QPoint WindowManager::centredBox(const QRect& area, const QSize& frameSize, const QRect& wanted,
                                 QSize* sizeOut)
{
    int width = qMax(frameSize.width(), area.width() / 3);
    int height = qMax(frameSize.height(), area.height() / 3);
    if (!wanted.isNull()) {
        width = qMax(width, wanted.width());
        height = qMax(height, wanted.height());
    }
    if (sizeOut)
        *sizeOut = QSize(width, height);
    return QPoint((area.left() + area.right()) / 2 - width / 2,
                  (area.top() + area.bottom()) / 2 - height / 2);
}

void WindowManager::placeWindow(QWidget* window)
{
    if (!window)
        return;
    window->move(centredBox(availableGeometry(), window->frameSize(), QRect()));
}

void WindowManager::positionCascadingWindow(QWidget* window)
{
    if (!window)
        return;
    int screen = 0;
    const QRect area = availableGeometry(&screen);
    positionCascadingWindow(window, area, screen);
}

void WindowManager::positionCascadingWindow(QWidget* window, const QRect& area, int screen)
{
    if (!window)
        return;

    QSize box;
    const QPoint start = centredBox(area, window->frameSize(), QRect(), &box);
    QPoint frameExtra(-1, -1);
    QList<QPoint> positions = windowPositions(window, screen, &frameExtra);

    QRect expected(start, box + QSize(frameExtra.x(), frameExtra.y()));
    // A like window counts as sitting at the probe position when its origin lies in this square.
    QRect probe(QPoint(start.x() - 5, start.y() - 5), QPoint(start.x() + 4, start.y() + 4));
    int cx = 20;
    int cy = 20;

    for (;;) {
        for (const QPoint& point : qAsConst(positions))
            LOG_TRACE << "Point of Wnd: " << point.x() << ", " << point.y();
        LOG_TRACE << "Robust area: " << probe.left() << ", " << probe.top() << ", " << probe.right()
                  << ", " << probe.bottom();

        const auto hit = std::find_if(positions.cbegin(), positions.cend(),
                                      [&probe](const QPoint& p) { return probe.contains(p); });
        if (hit == positions.cend()) {
            LOG_DEBUG << "Found possible position: " << probe.center().x() << " and "
                      << probe.center().y();
            break;
        }

        LOG_DEBUG << "Wnd pos inside ranges.";
        positions.removeAll(QPoint(*hit));
        expected.translate(20, 20);
        if (area.contains(expected, true)) {
            LOG_DEBUG << "Did not meet border, moving on...";
            probe.translate(20, 20);
            continue;
        }

        LOG_DEBUG << "Desk does not contain next expected.";
        QPoint next(-1, -1);
        if (expected.right() >= area.right()) {
            LOG_DEBUG << "Outside to the right.";
            next = QPoint(area.left() + cx, area.top() + cy);
            cy += 20;
        }
        if (expected.bottom() >= area.bottom()) {
            LOG_DEBUG << "Outside to the bottom.";
            next = QPoint(area.left() + cx, area.top() + cy);
            cx += 20;
        }
        LOG_DEBUG << "Using x: " << next.x() << ", y: " << next.y();
        probe.moveTopLeft(next - QPoint(5, 5));
        expected.moveTopLeft(next);
    }

    window->move(probe.center());
}

void WindowManager::centerOnPrimaryScreen(QWidget* window, const QRect& saved)
{
    QList<QRect> areas;
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (const QScreen* screen : screens)
        areas.append(screen->availableGeometry());
    centerOnPrimaryScreen(window, saved, areas, primaryScreenIndex());
}

void WindowManager::centerOnPrimaryScreen(QWidget* window, const QRect& saved,
                                          const QList<QRect>& areas, int primary)
{
    if (!window)
        return;

    for (const QRect& area : areas) {
        // Touching the screen's edge counts as inside: a window saved at 0,0 fills the corner.
        if (area.contains(saved)) {
            if (saved.topLeft() != QPoint(0, 0))
                window->move(saved.topLeft());
            if (!saved.isNull())
                window->resize(saved.size());
            return;
        }
    }

    const QRect area = areas.value(primary);
    const QPoint origin = centredBox(area, window->frameSize(), saved);
    window->move(origin);
    if (!saved.isNull() && area.contains(QRect(origin, saved.size()), true))
        window->resize(saved.size());
}

void WindowManager::keepOnScreen(QWidget* window, int newWidth, int newHeight)
{
    if (!window || !window->isVisible())
        return;
    keepOnScreen(window, newWidth, newHeight, screenArea(screenOf(window)));
}

void WindowManager::keepOnScreen(QWidget* window, int newWidth, int newHeight, const QRect& area)
{
    if (!window || !window->isVisible())
        return;

    const QRect frame = window->frameGeometry();
    QRect grown = frame;
    grown.setRight(frame.left() - 1 + frame.width() - window->width() + newWidth);
    grown.setBottom(frame.top() - 1 + frame.height() - window->height() + newHeight);

    if (grown.size() == area.size() || area.contains(grown, true))
        return;

    int x = grown.left();
    if (grown.left() < area.left())
        x = area.left() + 5;
    else if (grown.right() > area.right())
        x = grown.left() - (grown.right() - area.right()) - 5;

    int y = grown.top();
    if (grown.top() < area.top())
        y = area.top() + 5;
    else if (grown.bottom() > area.bottom())
        y = grown.top() - (grown.bottom() - area.bottom()) - 5;

    window->move(x, y);
}

void WindowManager::activateWindow(QWidget* window)
{
    if (window)
        window->activateWindow();
}

void WindowManager::forceRaiseAllWindowsInFront(QWidget* window)
{
    if (!window)
        return;
    LOG_TRACE << "Raising window in front";
    window->showNormal();
    window->raise();
    window->activateWindow();
}

QList<QPoint> windowPositions(QWidget* window, int screen, QPoint* frameExtraOut)
{
    QList<QPoint> positions;
    if (!window)
        return positions;
    const QString kind = windowKind(window);
    if (kind.isEmpty())
        return positions;

    const QWidgetList topLevels = QApplication::topLevelWidgets();
    for (QWidget* other : topLevels) {
        if (!other->isWindow() || other == window || other == WindowManager::mainWindow())
            continue;
        if (WindowManager::screenOf(other) != screen)
            continue;
        const QString otherKind = windowKind(other);
        LOG_TRACE << "Class: " << kind << ", Wnd: " << otherKind;
        if (otherKind != kind)
            continue;
        positions.append(other->pos());
        if (frameExtraOut && (frameExtraOut->x() <= 0 || frameExtraOut->y() <= 0)) {
            const QSize extra = other->frameSize() - other->size();
            *frameExtraOut = QPoint(extra.width(), extra.height());
        }
    }
    return positions;
}

} // namespace Utils
