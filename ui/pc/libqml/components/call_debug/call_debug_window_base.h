#pragma once

#include "libqml/window/qml_window.h"

namespace QML {

// Base of the windows that show a call's media internals.
class CallDebugWindowBase : public Window
{
    Q_OBJECT

public:
    explicit CallDebugWindowBase(QWidget* parent = nullptr);

    // Loads the window's scene and shows it; false, and hidden, when the scene did not load.
    virtual bool loadAndShow() = 0;
};

} // namespace QML
