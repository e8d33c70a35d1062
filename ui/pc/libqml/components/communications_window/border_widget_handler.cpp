#include "libqml/components/communications_window/border_widget_handler.h"

#include "common/assertions.h"
#include "common/connect_check.h"
#include "libqml/utils/style.h"

#include <QBoxLayout>
#include <QWidget>

namespace QML {

BorderWidgetHandler::BorderWidgetHandler(const QString& styleSheetTemplate, QObject* parent)
    : QObject(parent)
    , m_Template(styleSheetTemplate)
{
    if (Style* style = Style::instance())
        CHECKED_CONNECT(style, &Style::colorsChanged, this, &BorderWidgetHandler::onStyleChanged);
    onStyleChanged();
}

QWidget* BorderWidgetHandler::parentWidget() const
{
    return qobject_cast<QWidget*>(parent());
}

void BorderWidgetHandler::onStyleChanged()
{
    m_StyleSheet = m_Template;
    if (const Style* style = Style::instance())
        style->replaceCssWithStyle(m_StyleSheet);
    for (const QPointer<QWidget>& divider : qAsConst(m_Widgets)) {
        if (ASSERT_CONTINUE(divider))
            divider->setStyleSheet(m_StyleSheet);
    }
}

void BorderWidgetHandler::resetWidgets(QLayout* layout)
{
    m_Used = 0;
    for (const QPointer<QWidget>& divider : qAsConst(m_Widgets)) {
        if (!ASSERT_CONTINUE(divider))
            continue;
        if (layout)
            layout->removeWidget(divider);
        divider->hide();
        divider->setParent(parentWidget());
    }
}

void BorderWidgetHandler::insertWidgetToLayout(QBoxLayout* layout, int index)
{
    ASSERT_RETURN(layout);
    if (m_Used == m_Widgets.size()) {
        auto* divider = new QWidget(parentWidget());
        divider->setObjectName(QStringLiteral("Border%1").arg(m_Widgets.size() + 1));
        divider->setMinimumWidth(1);
        divider->setMaximumWidth(1);
        divider->setStyleSheet(m_StyleSheet);
        // A plain widget paints its style sheet's background only when asked to.
        divider->setAttribute(Qt::WA_StyledBackground);
        m_Widgets.append(divider);
    }
    QWidget* divider = m_Widgets.at(m_Used++);
    ASSERT_RETURN(divider);
    layout->insertWidget(index, divider);
    divider->show();
}

bool BorderWidgetHandler::contains(const QWidget* widget) const
{
    if (!widget)
        return false;
    for (const QPointer<QWidget>& divider : m_Widgets) {
        if (divider == widget)
            return true;
    }
    return false;
}

} // namespace QML
