#include "Providers/menu_action_provider_win.h"

#include <QAction>
#include <QMenu>

namespace Providers {

using namespace Constants::MenuAction;

MenuActionProviderWin::MenuActionProviderWin(QObject* parent)
    : MenuActionProvider(parent)
{
}

QMenu* MenuActionProviderWin::createMenus(QWidget*)
{
    auto* menu = new QMenu();
    connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);

    QMenu* parked = bothParkedCallActionsVisible() ? new QMenu(tr("Retrieve Parked Call"), menu) : nullptr;
    addParkedCallActions(menu, parked);

    auto* sort = new QMenu(tr("Sort Contacts"), menu);
    createSortMenu(sort);
    if (!sort->actions().isEmpty())
        menu->addMenu(sort);

    for (int id : {CallSettings, Queues, TestCall, Preferences, UpdateEmergencyAddress}) {
        if (QAction* found = action(id))
            menu->addAction(found);
    }
    if (QAction* onTop = action(AlwaysOnTop)) {
        menu->addSeparator();
        menu->addAction(onTop);
    }
    menu->addSeparator();
    for (int id : {About, Help}) {
        if (QAction* found = action(id))
            menu->addAction(found);
    }
    menu->addSeparator();
    for (int id : {SignOut, Exit}) {
        if (QAction* found = action(id))
            menu->addAction(found);
    }
    return menu;
}

} // namespace Providers
