#pragma once

#include "Widgets/window.h"

#include <QMap>
#include <QPointer>
#include <QTranslator>

class QAbstractItemModel;

namespace Kivo {
namespace Sessions {
class SessionManagerBase;
}
} // namespace Kivo
namespace Preferences {
class Watcher;
}

namespace Dialogs {

// The preferences window. Its pages arrive with the preferences work; for now it opens on
// the page asked for and reports saves to the preferences watcher.
class PreferencesWindow : public Widgets::Window
{
    Q_OBJECT

public:
    static PreferencesWindow* create(Preferences::Watcher* watcher, Kivo::Sessions::SessionManagerBase* session,
                                     QMap<int, QPointer<QTranslator>>* translators, int page,
                                     QAbstractItemModel* connectorModel, bool alwaysOnTop, QWidget* parent);

    int page() const { return m_Page; }

signals:
    void saveSettings();
    void qualityDetectionEnabled();

private:
    PreferencesWindow(int page, bool alwaysOnTop, QWidget* parent);

    int m_Page;
};

} // namespace Dialogs
