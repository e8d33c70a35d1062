#include "Dialogs/preferences_window.h"

#include "Utils/preferences_watcher.h"
#include "common/connect_check.h"

#include <QCoreApplication>

namespace Dialogs {

PreferencesWindow::PreferencesWindow(int page, bool alwaysOnTop, QWidget* parent)
    : Widgets::Window(parent, alwaysOnTop)
    , m_Page(page)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Preferences"));
}

PreferencesWindow* PreferencesWindow::create(Preferences::Watcher* watcher, Kivo::Sessions::SessionManagerBase*,
                                             QMap<int, QPointer<QTranslator>>*, int page, QAbstractItemModel*,
                                             bool alwaysOnTop, QWidget* parent)
{
    auto* window = new PreferencesWindow(page, alwaysOnTop, parent);
    if (watcher) {
        CHECKED_CONNECT(window, SIGNAL(saveSettings()), watcher, SLOT(changed()));
        CHECKED_CONNECT(window, SIGNAL(qualityDetectionEnabled()), watcher, SLOT(qualityDetectionEnabled()));
    }
    return window;
}

} // namespace Dialogs
