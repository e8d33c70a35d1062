#pragma once

#include "Widgets/window.h"

class QVBoxLayout;

// A managed window with a fixed frame around one content widget.
class PopupWindow : public Widgets::Window
{
    Q_OBJECT

public:
    PopupWindow(const QString& title, QWidget* content, bool alwaysOnTop, QWidget* parent = nullptr);
    explicit PopupWindow(bool alwaysOnTop, QWidget* parent = nullptr);

    // Replaces the contents; earlier content widgets stay alive as children of the window.
    virtual void setCentralWidget(QWidget* widget, int bottomSpace);

protected:
    QVBoxLayout* contentsLayout() const { return m_ContentsLayout; }

private:
    void setupForm();

    QVBoxLayout* m_ContentsLayout = nullptr;
};
