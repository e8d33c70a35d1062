#include "Utils/themed_style_sheet.h"

#include "common/logging.h"
#include "libqml/utils/style.h"

#include <Kivo/Settings.h>

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

} // namespace Utils
