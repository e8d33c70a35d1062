#include "Utils/themed_style_sheet.h"

#include "common/logging.h"
#include "libqml/utils/style.h"

#include <Kivo/Settings.h>

#include <QApplication>
#include <QFont>
#include <QPalette>

namespace Utils {

QString themedStyleSheet(const char* key)
{
    QString css = Kivo::Settings(Kivo::Settings::StyleSettings).value(QLatin1String(key)).toString();
    if (css.isEmpty() || !QML::Style::instance())
        return QString();
    if (!QML::Style::instance()->replaceCssWithStyle(css)) {
        LOG_WARNING << "Style sheet " << key << " has an unclosed colour token";
        return QString();
    }
    return css;
}

void applyWidgetLook()
{
    const QML::Style* style = QML::Style::instance();
    if (!style)
        return;
    QFont font = QApplication::font();
    font.setFamily(style->fontFamily().toString());
    QApplication::setFont(font);

    QPalette menus = QApplication::palette();
    const auto set = [&menus, style](QPalette::ColorRole role, const char* name) {
        const QColor color = style->color(QLatin1String(name));
        if (color.isValid())
            menus.setColor(role, color);
    };
    set(QPalette::Window, "whiteBackground");
    set(QPalette::Base, "whiteBackground");
    set(QPalette::Button, "whiteBackground");
    set(QPalette::WindowText, "darkText");
    set(QPalette::Text, "darkText");
    set(QPalette::ButtonText, "darkText");
    set(QPalette::Highlight, "activeBackground");
    set(QPalette::HighlightedText, "whiteText");
    set(QPalette::Mid, "mediumDivider");
    set(QPalette::Light, "whiteBackground");
    const QColor disabled = style->color(QStringLiteral("mediumText"));
    if (disabled.isValid()) {
        menus.setColor(QPalette::Disabled, QPalette::WindowText, disabled);
        menus.setColor(QPalette::Disabled, QPalette::Text, disabled);
        menus.setColor(QPalette::Disabled, QPalette::ButtonText, disabled);
    }
    QApplication::setPalette(menus, "QMenu");
}

} // namespace Utils
