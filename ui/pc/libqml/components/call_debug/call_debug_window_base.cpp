#include "libqml/components/call_debug/call_debug_window_base.h"

namespace QML {

CallDebugWindowBase::CallDebugWindowBase(QWidget* parent)
    : Window(false, parent)
{
    setTitle(tr("Call debug"));
}

} // namespace QML
