#pragma once

#include "Dialogs/settings_editor.h"

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

// The preferences: the preferences page in a settings editor, deleted with the page and
// its handlers when it closes. OK saves through the handlers and then tells the watcher.
class PreferencesWindow : public SettingsEditor
{
    Q_OBJECT

public:
    // tab: 0 General, 1 Audio, 2 Video, 3 Credentials, 4 Proxy, 5 Add-ins. The window is
    // returned hidden.
    static PreferencesWindow* create(Preferences::Watcher* watcher, Kivo::Sessions::SessionManagerBase* session,
                                     QMap<int, QPointer<QTranslator>>* translators, int tab,
                                     QAbstractItemModel* connectorModel, bool alwaysOnTop, QWidget* parent);

    PreferencesWindow(bool alwaysOnTop, QWidget* parent);
    ~PreferencesWindow() override;

    // The text of the page's current tab.
    QString helpContext() const override;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool m_Fitted = false;
};

} // namespace Dialogs
