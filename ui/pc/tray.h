#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>

class QAction;
class QMenu;

// The program's icon in the notification area, with the application name as tool tip and a
// menu that opens the program, shows About, signs out or exits. Without a notification
// area the icon simply stays unseen.
class Tray : public QObject
{
    Q_OBJECT

public:
    static constexpr const char* IconPath = ":/app_icon.ico";

    Tray(QAction* signOut, QAction* exit, QAction* about, QAction* openApplication, QObject* parent);
    ~Tray() override;

    // Sub-menus of the signed-in state stand above the fixed entries; not owned, and a
    // sub-menu deleted by its owner simply drops out.
    void addMenu(QMenu* menu);
    void clearMenus();
    void updateIcon();
    void updateToolTip();

    QMenu* menu() const { return m_Menu; }
    QSystemTrayIcon* trayIcon() const { return m_TrayIcon; }

public slots:
    void activated(QSystemTrayIcon::ActivationReason reason);

private:
    void rebuildMenu();

    QSystemTrayIcon* m_TrayIcon;
    QMenu* m_Menu;
    QAction* m_SignOutAction;
    QAction* m_ExitAction;
    QAction* m_AboutAction;
    QAction* m_OpenApplicationAction;
    QList<QPointer<QMenu>> m_Menus;
};
