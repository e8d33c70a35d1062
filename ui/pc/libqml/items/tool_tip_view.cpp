#include "libqml/items/tool_tip_view.h"

namespace QML {

ToolTipView::ToolTipView()
    : View(nullptr)
{
    setWindowFlags(Qt::ToolTip);
    setResizeMode(QQuickWidget::SizeViewToRootObject);
    setSource(QUrl(QStringLiteral("qrc:/components/ToolTipContent.qml")));
}

void ToolTipView::setText(const QString& text)
{
    if (text == m_Text)
        return;
    m_Text = text;
    emit textChanged();
}

} // namespace QML
