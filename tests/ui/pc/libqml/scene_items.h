#pragma once

// Finding items of a loaded scene from a test. Delegates and repeated rows belong to the
// visual tree only, so QObject::findChild misses them; these walk the item tree.

#include <QCoreApplication>
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

// A left click at the item's centre, delivered to the view as the user's mouse would be,
// once the scene has handled what the last gesture left to do and is drawn, as it is
// between two of a user's gestures.
inline void click(QQuickWidget* view, const QQuickItem* item)
{
    QCoreApplication::processEvents();
    // Positioners place their items when the next frame is drawn; the user clicks on what
    // was drawn, so draw it.
    static_cast<void>(view->grabFramebuffer());
    const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
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
