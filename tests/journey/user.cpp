#include "journey/user.h"

#include "libqml/window/qml_view.h"
#include "libqml/window/qml_window.h"
#include "ui/pc/libqml/scene_items.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QCloseEvent>
#include <QQuickItem>
#include <QWindow>
#include <QtTest>

namespace Journey {

namespace {

QQuickItem* sceneRoot(const QML::Window* window)
{
    return window && window->view() ? window->view()->rootObject() : nullptr;
}

} // namespace

QQuickItem* User::item(const QML::Window* window, const QString& name)
{
    return SceneItems::shownNamed(sceneRoot(window), name);
}

QString User::text(const QML::Window* window, const QString& name)
{
    const QQuickItem* found = item(window, name);
    return found ? found->property("text").toString() : QString();
}

QQuickItem* User::paneItem(const QWidget* window, const QString& name, QQuickWidget** pane)
{
    if (!window)
        return nullptr;
    const auto panes = window->findChildren<QQuickWidget*>();
    for (QQuickWidget* candidate : panes) {
        if (!candidate->isVisibleTo(window) || candidate->isWindow())
            continue;
        QQuickItem* found = SceneItems::find(candidate->rootObject(), [&name](const QQuickItem* item) {
            return item->objectName() == name && SceneItems::shown(item);
        });
        if (found) {
            if (pane)
                *pane = candidate;
            return found;
        }
    }
    return nullptr;
}

QString User::paneText(const QWidget* window, const QString& name)
{
    const QQuickItem* found = paneItem(window, name);
    return found ? found->property("text").toString() : QString();
}

namespace {

// Where the named item is drawn in the window's view, once the window is in front and the
// item can take a gesture (shown, enabled, laid out); false and a warning when it never is.
bool centreOf(QML::Window* window, const QString& name, QPoint* centre)
{
    if (!window || !window->view() || !User::activate(window))
        return false;
    const QQuickItem* target =
        SceneItems::waitForClickable(window->view(), [window, &name] { return User::item(window, name); });
    if (!target) {
        qWarning() << "Nothing named" << name << "is shown ready for the pointer";
        return false;
    }
    *centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2)).toPoint();
    return true;
}

} // namespace

bool User::clickInPane(QWidget* window, const QString& name)
{
    QQuickWidget* pane = nullptr;
    if (!QTest::qWaitFor([&] { return paneItem(window, name, &pane) != nullptr; })) {
        qWarning() << "No pane shows anything named" << name << "to click";
        return false;
    }
    // Looked for again up to the click: bringing the window forward may remake the pane's rows.
    return activate(window)
           && SceneItems::clickFound(pane, [window, &name, pane] {
                  QQuickWidget* shownIn = nullptr;
                  QQuickItem* item = paneItem(window, name, &shownIn);
                  return shownIn == pane ? item : nullptr;
              });
}

bool User::activate(QWidget* window)
{
    if (!window || !window->isVisible()) {
        qWarning("The window to bring forward is not shown");
        return false;
    }
    // Another window shown meanwhile (the main window after signing in) can take the focus
    // back before this one has it: asked again until it holds it.
    QWindow* handle = window->window()->windowHandle();
    bool active = false;
    for (int attempt = 0; attempt < 20 && !active; ++attempt) {
        window->raise();
        window->activateWindow();
        active = handle && QTest::qWaitFor([handle] { return handle->isActive(); }, 1000);
    }
    if (!active)
        return false;
    // The offscreen platform keeps a hidden window as the focus window, so showing it again
    // activates nothing; a window system would hand it the focus, as this does.
    if (QApplication::activeWindow() != window->window())
        QApplication::setActiveWindow(window->window());
    return QApplication::activeWindow() == window->window();
}

bool User::click(QML::Window* window, const QString& name)
{
    QPoint centre;
    if (!centreOf(window, name, &centre))
        return false;
    QWidget* view = window->view();
    QWidget* receiver = view->childAt(centre);
    if (!receiver)
        receiver = view;
    const QPoint position = receiver->mapFrom(view, centre);
    QTest::mouseMove(receiver, position);
    QTest::mouseClick(receiver, Qt::LeftButton, Qt::NoModifier, position);
    return true;
}

bool User::doubleClick(QML::Window* window, const QString& name)
{
    QPoint centre;
    if (!centreOf(window, name, &centre))
        return false;
    QWidget* view = window->view();
    QTest::mouseMove(view, centre);
    QTest::mouseDClick(view, Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, centre);
    return true;
}

bool User::rightClick(QML::Window* window, const QString& name)
{
    QPoint centre;
    if (!centreOf(window, name, &centre))
        return false;
    QTest::mouseMove(window->view(), centre);
    QTest::mouseClick(window->view(), Qt::RightButton, Qt::NoModifier, centre);
    return true;
}

bool User::hover(QML::Window* window, const QString& name)
{
    QPoint centre;
    if (!centreOf(window, name, &centre))
        return false;
    QTest::mouseMove(window->view(), centre);
    return true;
}

bool User::drag(QML::Window* window, const QString& from, const QString& to)
{
    QPoint start;
    QPoint end;
    if (!centreOf(window, from, &start) || !centreOf(window, to, &end))
        return false;
    QWidget* view = window->view();
    QTest::mouseMove(view, start);
    QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, start);
    constexpr int Steps = 10;
    for (int step = 1; step <= Steps; ++step) {
        const QPoint at = start + (end - start) * step / Steps;
        // A move with the button held, as the window system reports a drag.
        QMouseEvent move(QEvent::MouseMove, at, view->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view, &move);
        QTest::qWait(15);
    }
    QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, end);
    return true;
}

bool User::choose(const QStringList& entries)
{
    for (const QString& entry : entries) {
        QMenu* menu = nullptr;
        if (!QTest::qWaitFor([&menu] { return (menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())); })) {
            qWarning() << "No menu is open to choose" << entry;
            return false;
        }
        QAction* found = nullptr;
        for (QAction* action : menu->actions()) {
            if (action->isVisible() && action->text().remove('&') == entry)
                found = action;
        }
        if (!found || !found->isEnabled()) {
            qWarning() << "The menu offers no" << entry;
            return false;
        }
        const QPoint centre = menu->actionGeometry(found).center();
        QTest::mouseMove(menu, centre);
        QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, centre);
        QMenu* submenu = found->menu();
        if (submenu && !QTest::qWaitFor([submenu] { return QApplication::activePopupWidget() == submenu; })) {
            qWarning() << "The submenu" << entry << "did not open";
            return false;
        }
    }
    return true;
}

bool User::type(const QString& text)
{
    QWidget* keyboard = QApplication::focusWidget();
    if (!keyboard) {
        qWarning() << "No widget has the keyboard focus to type" << text;
        return false;
    }
    QTest::keyClicks(keyboard, text);
    return true;
}

bool User::press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget* keyboard = QApplication::focusWidget();
    if (!keyboard) {
        qWarning() << "No widget has the keyboard focus to press" << key;
        return false;
    }
    QTest::keyClick(keyboard, key, modifiers);
    return true;
}

bool User::closeFromFrame(QWidget* window)
{
    QWindow* native = window ? window->windowHandle() : nullptr;
    if (!native || !window->isVisible()) {
        qWarning("The window to close is not shown");
        return false;
    }
    // What a click on the frame's close button delivers: a close request to the native window.
    QCloseEvent request;
    QCoreApplication::sendEvent(native, &request);
    return true;
}

} // namespace Journey
