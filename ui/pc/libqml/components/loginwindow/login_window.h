#pragma once

#include "libqml/window/qml_window.h"

namespace QML {

// The sign-in window.
class LoginWindow : public Window
{
    Q_OBJECT

public:
    explicit LoginWindow(QWidget* parent = nullptr) : Window(false, parent) {}
};

} // namespace QML
