#pragma once

#include "libqml/window/qml_view.h"

namespace QML {

// The top-level window that shows a tool tip's text.
class ToolTipView : public View
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)

public:
    ToolTipView();

    QString text() const { return m_Text; }
    void setText(const QString& text);

signals:
    void textChanged();

private:
    QString m_Text;
};

} // namespace QML
