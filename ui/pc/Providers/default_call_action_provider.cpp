#include "Providers/default_call_action_provider.h"

#include "Providers/factory.h"
#include "common/constants.h"

#include <Kivo/Settings.h>

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace Providers {

DefaultCallActionProvider::DefaultCallActionProvider(QObject* parent)
    : QObject(parent)
{
}

DefaultCallActionProvider::~DefaultCallActionProvider()
{
    delete m_Menu.data();
}

void DefaultCallActionProvider::initialize(Factory* factory)
{
    using Kivo::Actions::Action;
    m_Factory = factory;
    const int stored = Kivo::Settings(Kivo::Settings::UserSettings).value(Constants::SettingsKey::DefaultCallAction, int(Action::Call)).toInt();
    const QList<QPair<Action::Id, QString>> choices = {
        {Action::Call, tr("Call")}, {Action::CallFromPhone, tr("Call from Phone")}, {Action::VideoCall, tr("Video Call")}};
    bool known = false;
    for (const auto& choice : choices)
        known = known || choice.first == stored;
    m_Default = known ? Action::Id(stored) : Action::Call;

    delete m_Menu.data();
    m_Menu = new QMenu(tr("Default Call Type"));
    auto* group = new QActionGroup(m_Menu);
    for (const auto& choice : choices) {
        QAction* action = m_Menu->addAction(choice.second);
        action->setCheckable(true);
        action->setChecked(choice.first == m_Default);
        group->addAction(action);
        const Action::Id id = choice.first;
        connect(action, &QAction::triggered, this, [this, id] { choose(id); });
    }
    emit defaultCallActionChanged(m_Default);
}

void DefaultCallActionProvider::choose(Kivo::Actions::Action::Id id)
{
    if (id == m_Default)
        return;
    m_Default = id;
    Kivo::Settings(Kivo::Settings::UserSettings).setValue(Constants::SettingsKey::DefaultCallAction, int(id));
    emit defaultCallActionChanged(id);
}

} // namespace Providers
