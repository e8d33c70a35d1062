#include "Widgets/popup_window.h"

#include <QHBoxLayout>
#include <QSpacerItem>
#include <QVBoxLayout>

PopupWindow::PopupWindow(const QString& title, QWidget* content, bool alwaysOnTop, QWidget* parent)
    : PopupWindow(alwaysOnTop, parent)
{
    setTitle(title);
    setCentralWidget(content, 0);
}

PopupWindow::PopupWindow(bool alwaysOnTop, QWidget* parent)
    : Widgets::Window(parent, alwaysOnTop, true)
{
    setObjectName("popupWindow");
    setupForm();
    setResizable(true);
}

void PopupWindow::setCentralWidget(QWidget* widget, int bottomSpace)
{
    while (QLayoutItem* item = m_ContentsLayout->takeAt(0))
        delete item;
    if (widget)
        m_ContentsLayout->addWidget(widget);
    if (bottomSpace > 0)
        m_ContentsLayout->addItem(new QSpacerItem(1, bottomSpace, QSizePolicy::Fixed, QSizePolicy::Fixed));
}

void PopupWindow::setupForm()
{
    if (objectName().isEmpty())
        setObjectName("PopupWindow");
    resize(106, 64);

    auto* outer = new QVBoxLayout(this);
    outer->setObjectName("verticalLayout");
    outer->setSpacing(0);
    outer->setContentsMargins(0, 0, 0, 0);

    auto* control = new QHBoxLayout();
    control->setObjectName("popupControlLayout");
    control->setSpacing(0);
    control->addItem(new QSpacerItem(0, 20, QSizePolicy::Maximum, QSizePolicy::Minimum));

    m_ContentsLayout = new QVBoxLayout();
    m_ContentsLayout->setObjectName("popupContentsLayout");
    m_ContentsLayout->setSpacing(0);
    m_ContentsLayout->setSizeConstraint(QLayout::SetNoConstraint);
    // -1 leaves the top margin to the style.
    m_ContentsLayout->setContentsMargins(5, -1, 5, 5);
    control->addLayout(m_ContentsLayout);

    control->addItem(new QSpacerItem(0, 20, QSizePolicy::Maximum, QSizePolicy::Minimum));
    outer->addLayout(control, 1);
}
