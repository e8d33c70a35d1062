#pragma once

#include "common/constants.h"

#include <Kivo/Actions/Source.h>

#include <QList>
#include <QMap>

class QAction;
class QMenu;
class QWidget;

namespace Kivo {
namespace Actions {
class Provider;
}
namespace Sessions {
class SessionManagerBase;
}
} // namespace Kivo

namespace Providers {

class Factory;

// Owns the application's fixed menu actions (ids 0 to 21 of Constants::MenuAction), gives
// them their texts, shortcuts, roles and check states, and builds the application menu.
class MenuActionProvider : public Kivo::Actions::Source
{
    Q_OBJECT

public:
    static constexpr int SourceType = 9;
    static constexpr int GuestReplyTimeoutMs = 3000;

    // The provider for this platform.
    static MenuActionProvider* create(QObject* parent);
    ~MenuActionProvider() override;

    QAction* action(int id) const;
    QString getActionText(int id) const;
    void setActionVisible(int id, bool visible);
    // Shows the actions that the signed-in session's configuration and features allow.
    void updateForSession(Kivo::Sessions::SessionManagerBase* session);
    void updateContactListActions(Kivo::Sessions::SessionManagerBase* session);
    // Binds the actions that stand for engine actions to a new provider of `factory`: from
    // then on the engine drives their enabled state and triggering them runs the engine action.
    void linkProviderActions(Factory* factory);
    Kivo::Actions::Provider* provider() const { return m_Provider; }
    void installShortcuts(QWidget* window);

    QList<Kivo::Actions::ActionData> actionsData() const override;
    int sourceType() const override;
    // Told whether a session runs; this platform's provider has nothing to change then.
    virtual void signedIn(bool on);
    virtual void retranslate();
    // A new parentless menu that deletes itself when hidden.
    virtual QMenu* createMenus(QWidget* parent) = 0;
    // The menu into which other menus are inserted; none on this platform.
    virtual QMenu* insertionMenu() const;
    // Fills `menu` (or a new "Sort Contacts" menu) with the sort and display actions, check
    // states from the user's settings; returns the menu.
    QMenu* createSortMenu(QMenu* menu);
    // Adds the parked-call actions to `menu`, inside `submenu` (created when null) when
    // both exist and are visible.
    void addParkedCallActions(QMenu* menu, QMenu* submenu);

protected:
    explicit MenuActionProvider(QObject* parent);

    bool bothParkedCallActionsVisible() const;

protected slots:
    void waitForInvitation(const QString& conference);
    void invitationReady(const QString& conference, const QString& invitation);
    void releaseCopyInvitation();
    void enableGuestActions(bool on);

private:
    void setUpAction(int id, QAction* action);

    QMap<int, QAction*> m_Actions;
    Kivo::Actions::Provider* m_Provider = nullptr;
    QList<int> m_AcceptedActions;
};

} // namespace Providers
