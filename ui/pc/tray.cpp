#include "tray.h"

#include "common/connect_check.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QMenu>
#include <QImage>
#include <QPixmap>

namespace {

constexpr qreal MenuOpacity = 0.9;

} // namespace

Tray::Tray(QAction* signOut, QAction* exit, QAction* about, QAction* openApplication, QObject* parent)
    : QObject(parent)
    , m_TrayIcon(new QSystemTrayIcon(this))
    , m_Menu(new QMenu(QStringLiteral("Testing")))
    , m_SignOutAction(signOut)
    , m_ExitAction(exit)
    , m_AboutAction(about)
    , m_OpenApplicationAction(openApplication)
{
    rebuildMenu();
    updateToolTip();
    m_Menu->setWindowOpacity(MenuOpacity);
    m_TrayIcon->setContextMenu(m_Menu);
    CHECKED_CONNECT(m_TrayIcon, SIGNAL(activated(QSystemTrayIcon::ActivationReason)), this,
                    SLOT(activated(QSystemTrayIcon::ActivationReason)));
    updateIcon();
    m_TrayIcon->setVisible(true);
}

Tray::~Tray()
{
    delete m_Menu;
}

void Tray::activated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::DoubleClick && m_OpenApplicationAction)
        m_OpenApplicationAction->activate(QAction::Trigger);
}

void Tray::addMenu(QMenu* menu)
{
    m_Menus.append(menu);
    rebuildMenu();
}

void Tray::clearMenus()
{
    m_Menus.clear();
    rebuildMenu();
}

void Tray::setPreferencesAction(QAction* preferences)
{
    m_PreferencesAction = preferences;
    rebuildMenu();
}

void Tray::updateIcon()
{
    // Read past the pixmap cache: an entry there keeps the cache's clean-up timer waking the
    // idle program for minutes.
    const QImage icon(IconPath);
    if (!icon.isNull())
        m_TrayIcon->setIcon(QIcon(QPixmap::fromImage(icon)));
}

void Tray::updateToolTip()
{
    m_TrayIcon->setToolTip(QCoreApplication::applicationName());
}

void Tray::rebuildMenu()
{
    m_Menu->clear();
    m_Menus.removeAll(nullptr);
    for (QMenu* menu : qAsConst(m_Menus)) {
        m_Menu->addMenu(menu);
        m_Menu->addSeparator();
    }
    if (m_OpenApplicationAction) {
        m_Menu->addAction(m_OpenApplicationAction);
        m_Menu->addSeparator();
    }
    if (m_PreferencesAction)
        m_Menu->addAction(m_PreferencesAction);
    if (m_AboutAction)
        m_Menu->addAction(m_AboutAction);
    if (m_PreferencesAction || m_AboutAction)
        m_Menu->addSeparator();
    if (m_SignOutAction)
        m_Menu->addAction(m_SignOutAction);
    if (m_ExitAction)
        m_Menu->addAction(m_ExitAction);
}
