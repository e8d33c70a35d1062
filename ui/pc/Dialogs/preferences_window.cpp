#include "Dialogs/preferences_window.h"

#include "Utils/preferences_watcher.h"
#include "Utils/windowmanager.h"
#include "Widgets/Preferences/preferences_widget.h"
#include "common/connect_check.h"

#include <QEvent>
#include <QTimer>

namespace Dialogs {

PreferencesWindow::PreferencesWindow(bool alwaysOnTop, QWidget* parent)
    : SettingsEditor(parent, alwaysOnTop)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName("preferencesWindow");
    setTitle(tr("Preferences"));
    setCanMinimize(true);
    setCanMaximize(true);
}

PreferencesWindow::~PreferencesWindow() = default;

PreferencesWindow* PreferencesWindow::create(Preferences::Watcher* watcher, Kivo::Sessions::SessionManagerBase* session,
                                             QMap<int, QPointer<QTranslator>>* translators, int tab,
                                             QAbstractItemModel* connectorModel, bool alwaysOnTop, QWidget* parent)
{
    auto* window = new PreferencesWindow(alwaysOnTop, parent);
    auto* page = new Widgets::PreferencesWidget(session, translators, tab, connectorModel, window);
    window->setMinimumSize(page->width(), page->height());
    window->setCentralWidget(page, 0);
    // Every tab in the window's look now, not when first shown: a tab laid out before its
    // look arrives keeps the sizes of the plain style.
    window->ensurePolished();
    // After the page: the handlers have written their settings before the watcher hears of it.
    if (watcher) {
        CHECKED_CONNECT(window, SIGNAL(saveSettings()), watcher, SLOT(changed()));
        CHECKED_CONNECT(window, SIGNAL(qualityDetectionEnabled()), watcher, SLOT(qualityDetectionEnabled()));
    }
    return window;
}

QString PreferencesWindow::helpContext() const
{
    const auto* page = findChild<const Widgets::PreferencesWidget*>("preferencesWidget");
    return page ? page->helpContext() : QString();
}

void PreferencesWindow::showEvent(QShowEvent* event)
{
    // The page knows its size only once shown (lists sized by their items, wrapped texts by
    // the width they get): after the first show the window makes room for the whole page
    // where the screen allows, so that it opens without scrolling.
    if (!m_Fitted) {
        m_Fitted = true;
        QTimer::singleShot(0, this, [this] {
            resize(sizeHint().expandedTo(minimumSize()).boundedTo(Utils::WindowManager::availableGeometry().size()));
            Utils::WindowManager::placeWindow(this);
        });
    }
    SettingsEditor::showEvent(event);
}

void PreferencesWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        setTitle(tr("Preferences"));
    SettingsEditor::changeEvent(event);
}

} // namespace Dialogs
