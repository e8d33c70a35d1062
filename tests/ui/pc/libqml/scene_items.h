#pragma once

// Finding items of a loaded scene from a test. Delegates and repeated rows belong to the
// visual tree only, so QObject::findChild misses them; these walk the item tree.

#include <QCoreApplication>
#include <QDebug>
#include <QElapsedTimer>
#include <QPointer>
#include <QQuickItem>
#include <QQuickWidget>
#include <QString>
#include <QTest>

namespace SceneItems {

// The first item at or below item, depth first, for which matches(item) holds.
template <typename Predicate>
QQuickItem* find(QQuickItem* item, const Predicate& matches)
{
    if (!item)
        return nullptr;
    if (matches(item))
        return item;
    for (QQuickItem* child : item->childItems()) {
        if (QQuickItem* found = find(child, matches))
            return found;
    }
    return nullptr;
}

inline QQuickItem* named(QQuickItem* root, const QString& name)
{
    return find(root, [&name](const QQuickItem* item) { return item->objectName() == name; });
}

// Drawn for the user to see: shown, not transparent, not empty.
inline bool shown(const QQuickItem* item)
{
    return item->isVisible() && item->opacity() > 0 && item->width() > 0 && item->height() > 0;
}

// The first shown item of that name: a list's row on its way out may still carry the name.
inline QQuickItem* shownNamed(QQuickItem* root, const QString& name)
{
    return find(root, [&name](const QQuickItem* item) { return item->objectName() == name && shown(item); });
}

inline QQuickItem* withText(QQuickItem* root, const QString& text)
{
    return find(root, [&text](const QQuickItem* item) { return item->property("text").toString() == text; });
}

inline QQuickItem* ofClass(QQuickItem* root, const char* className)
{
    return find(root, [className](const QQuickItem* item) {
        return qstrcmp(item->metaObject()->className(), className) == 0;
    });
}

// Animations step about every 16 ms; unmoved for longer than two steps is at rest.
constexpr int SettledMs = 40;

// Waits until the item that `find` gives can take a click, as a user waits for what they
// mean to click to be there: the view shown, the item shown and enabled, laid out (the same
// item drawn at the same place for longer than an animation's step, so that a list or bar
// still moving it does not pass for still between two of its steps) and inside the view. The
// item is looked for again on every frame, as a list makes its rows anew when its model is
// reset. The item, or null with a warning when it never is ready; a busy machine only makes
// it come later.
template <typename Find>
QQuickItem* waitForClickable(QQuickWidget* view, const Find& find, int timeoutMs = 30000)
{
    QPointer<QQuickItem> last;
    QPointF lastCentre(-1, -1);
    QElapsedTimer still;
    QQuickItem* ready = nullptr;
    static_cast<void>(QTest::qWaitFor(
        [&] {
            if (!view->isVisible())
                return false;
            // Positioners place their items when the next frame is drawn; the user sees
            // what was drawn, so draw it.
            static_cast<void>(view->grabFramebuffer());
            QQuickItem* item = find();
            if (!item || !item->isVisible() || !item->isEnabled() || item->opacity() <= 0 || item->width() <= 0
                || item->height() <= 0) {
                last = nullptr;
                return false;
            }
            const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
            if (item != last || centre != lastCentre)
                still.start();
            const bool settled = still.elapsed() >= SettledMs;
            last = item;
            lastCentre = centre;
            if (!settled || !QRectF(QPointF(0, 0), QSizeF(view->size())).contains(centre))
                return false;
            ready = item;
            return true;
        },
        timeoutMs));
    if (!ready)
        qWarning() << "Never ready for a click:" << (last ? last->objectName() : QStringLiteral("(not there)"));
    return ready;
}

inline bool waitUntilClickable(QQuickWidget* view, const QQuickItem* item, int timeoutMs = 30000)
{
    const QPointer<QQuickItem> target(const_cast<QQuickItem*>(item));
    return waitForClickable(view, [&target] { return target.data(); }, timeoutMs) != nullptr;
}

// A left click at the centre of the item that `find` gives, delivered to the view as the
// user's mouse would be, once the scene has handled what the last gesture left to do and the
// item can take it. A list made anew meanwhile is clicked on its new row.
template <typename Find>
bool clickFound(QQuickWidget* view, const Find& find)
{
    QCoreApplication::processEvents();
    const QQuickItem* item = waitForClickable(view, find);
    if (!item)
        return false;
    const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
    return true;
}

inline bool click(QQuickWidget* view, const QQuickItem* item)
{
    const QPointer<QQuickItem> target(const_cast<QQuickItem*>(item));
    return clickFound(view, [&target] { return target.data(); });
}

// The window in front with the keyboard in its scene, as after the user clicked into it;
// false when the window never became active.
inline bool takeKeyboard(QWidget* window, QQuickWidget* view)
{
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        return false;
    view->setFocus();
    return true;
}

} // namespace SceneItems
