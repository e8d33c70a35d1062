#pragma once

#include <Kivo/Actions/Action.h>
#include <Kivo/Actions/Source.h>

#include <QList>
#include <QMap>
#include <QMenu>
#include <QPointer>

class QAction;

namespace Kivo {
namespace Actions {
class Provider;
}
} // namespace Kivo

namespace Providers {

class Factory;

// Lets the user choose which kind of call a plain call gesture starts: a call, a call from
// the desk phone or a video call. The choice is kept in the user settings while a menu
// offers it.
class DefaultCallActionProvider : public Kivo::Actions::Source
{
    Q_OBJECT

public:
    static constexpr int SourceType = 10;

    explicit DefaultCallActionProvider(QObject* parent = nullptr);
    ~DefaultCallActionProvider() override;

    // Binds the choices to the engine's call actions and announces the selected one.
    void initialize(Factory* factory);
    // The "Default Call Type" menu; null when fewer than two choices are offered.
    QMenu* createMenu();
    QMenu* menu() const { return m_Menu; }
    void retranslate();
    Kivo::Actions::Action::Id selectedAction() const { return m_SelectedAction; }

    QList<Kivo::Actions::ActionData> actionsData() const override;
    int sourceType() const override { return SourceType; }

signals:
    void defaultCallActionChanged(Kivo::Actions::Action::Id id);

protected slots:
    void actionTriggered();
    void setSelectedAction();

private:
    void addAction(int index);
    // Checks the selected choice while a menu offers it; true when one is checked.
    bool checkSelectedChoice();

    QPointer<QMenu> m_Menu;
    QMap<int, QAction*> m_Actions;
    Kivo::Actions::Provider* m_Provider = nullptr;
    QList<int> m_AcceptedActions;
    Kivo::Actions::Action::Id m_SelectedAction = Kivo::Actions::Action::None;
};

} // namespace Providers
