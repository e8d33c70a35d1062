#pragma once

// Finding items of a loaded scene from a test. Delegates and repeated rows belong to the
// visual tree only, so QObject::findChild misses them; these walk the item tree.

#include <QQuickItem>
#include <QString>

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

} // namespace SceneItems
