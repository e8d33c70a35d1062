#pragma once

#include "libqml/window/qml_window.h"

namespace QML {

// Views, adds or edits one contact.
class ContactCard : public Window
{
    Q_OBJECT

public:
    explicit ContactCard(bool alwaysOnTop = false, QWidget* parent = nullptr)
        : Window(alwaysOnTop, parent) {}
};

} // namespace QML
