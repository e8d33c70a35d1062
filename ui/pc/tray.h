#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>

class QAction;
class QMenu;

// The program's icon in the notification area, with the application name as tool tip and a
// menu that opens the program, opens the preferences, shows About, signs out or exits. Without a notification
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
    // The preferences can be reached from the tray whether or not a window is open.
    void setPreferencesAction(QAction* preferences);
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
    QAction* m_PreferencesAction = nullptr;
    QList<QPointer<QMenu>> m_Menus;
};
