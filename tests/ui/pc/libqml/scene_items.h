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

// Waits until the item can take a click, as a user waits for what they mean to click to
// be there: the view shown, the item shown and enabled, laid out (drawn at the same place
// on two frames one after the other) and inside the view. False, with a warning, when it
// never is; a busy machine only makes it come later.
inline bool waitUntilClickable(QQuickWidget* view, const QQuickItem* item, int timeoutMs = 10000)
{
    const QPointer<const QQuickItem> target(item);
    QPointF lastCentre(-1, -1);
    const bool ready = QTest::qWaitFor(
        [&] {
            if (!target || !view->isVisible())
                return false;
            // Positioners place their items when the next frame is drawn; the user sees
            // what was drawn, so draw it.
            static_cast<void>(view->grabFramebuffer());
            if (!target->isVisible() || !target->isEnabled() || target->opacity() <= 0 || target->width() <= 0
                || target->height() <= 0)
                return false;
            const QPointF centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
            const bool settled = centre == lastCentre;
            lastCentre = centre;
            return settled && QRectF(QPointF(0, 0), QSizeF(view->size())).contains(centre);
        },
        timeoutMs);
    if (!ready)
        qWarning() << "Never ready for a click:" << (target ? target->objectName() : QStringLiteral("(gone)"));
    return ready;
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
