#pragma once

#include "Providers/menu_action_provider.h"

namespace Providers {

// The application menu of the main window's frame icon.
class MenuActionProviderWin : public MenuActionProvider
{
    Q_OBJECT

public:
    explicit MenuActionProviderWin(QObject* parent);

    QMenu* createMenus(QWidget* parent) override;
};

} // namespace Providers
