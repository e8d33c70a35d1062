#pragma once

#include "libqml/window/qml_window.h"

namespace QML {

// The window of one communication session (call, chat, conference, share).
class CommunicationsWindow : public Window
{
    Q_OBJECT

public:
    explicit CommunicationsWindow(bool alwaysOnTop = false, QWidget* parent = nullptr)
        : Window(alwaysOnTop, parent) {}
};

} // namespace QML
