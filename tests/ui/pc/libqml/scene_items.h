#pragma once

// Finding items of a loaded scene from a test. Delegates and repeated rows belong to the
// visual tree only, so QObject::findChild misses them; these walk the item tree.

#include <QCoreApplication>
#include <QDebug>
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

// Waits until the item that `find` gives can take a click, as a user waits for what they
// mean to click to be there: the view shown, the item shown and enabled, laid out (the same
// item drawn at the same place on two frames one after the other) and inside the view. The
// item is looked for again on every frame, as a list makes its rows anew when its model is
// reset. The item, or null with a warning when it never is ready; a busy machine only makes
// it come later.
template <typename Find>
QQuickItem* waitForClickable(QQuickWidget* view, const Find& find, int timeoutMs = 10000)
{
    QPointer<QQuickItem> last;
    QPointF lastCentre(-1, -1);
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
            const bool settled = item == last && centre == lastCentre;
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

inline bool waitUntilClickable(QQuickWidget* view, const QQuickItem* item, int timeoutMs = 10000)
{
    const QPointer<QQuickItem> target(const_cast<QQuickItem*>(item));
    return waitForClickable(view, [&target] { return target.data(); }, timeoutMs) != nullptr;
}

// A left click at the item's centre, delivered to the view as the user's mouse would be,
// once the scene has handled what the last gesture left to do and the item can take it.
inline bool click(QQuickWidget* view, const QQuickItem* item)
{
    QCoreApplication::processEvents();
    if (!waitUntilClickable(view, item))
        return false;
    const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
    return true;
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
