#pragma once

#include <QApplication>
#include <QList>
#include <QWidget>

namespace TestSupport {

// The visible top-level windows of type T, in no particular order.
template <typename T>
QList<T*> shownWindows()
{
    QList<T*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<T*>(widget);
        if (window && window->isVisible())
            windows << window;
    }
    return windows;
}

} // namespace TestSupport
