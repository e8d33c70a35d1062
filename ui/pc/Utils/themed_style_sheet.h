#pragma once

#include <QString>

namespace Utils {

// The style sheet the service dialogs share.
constexpr const char* ServiceDialogStyleSheet = "widgets/service_dialog/css";

// The theme's style sheet under `key` (the style settings), with the style's colours and
// font put in; empty when the theme has none or it is malformed.
QString themedStyleSheet(const char* key);

} // namespace Utils
