#pragma once

#include <QString>

namespace Utils {

// The style sheet the service dialogs share.
constexpr const char* ServiceDialogStyleSheet = "widgets/service_dialog/css";

// The theme's style sheet under `key` (the style settings), with the style's colours and
// font put in; empty when the theme has none or it is malformed.
QString themedStyleSheet(const char* key);

// Gives the program's widgets the style's font family and its menus (every context and
// drop-down menu) the style's colours, with the brand's colour under the pointer. Menus keep
// the platform style's geometry, so shortcut columns and sub-menu arrows stay whole.
void applyWidgetLook();

} // namespace Utils
