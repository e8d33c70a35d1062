#include "Providers/default_call_action_provider.h"

#include "Providers/factory.h"
#include "common/assertions.h"
#include "common/connect_check.h"
#include "common/constants.h"
#include "common/logging.h"

#include <Kivo/Actions/Provider.h>
#include <Kivo/Settings.h>

#include <QAction>
#include <QMenu>

namespace Providers {

namespace {

using Kivo::Actions::Action;

constexpr int ChoiceCount = 3;
constexpr int NoChoice = 3;

// The engine call action of each choice, by index.
constexpr Action::Id ChoiceIds[ChoiceCount] = {Action::Call, Action::CallFromPhone, Action::VideoCall};

int indexOf(int id)
{
    for (int index = 0; index < ChoiceCount; ++index) {
        if (ChoiceIds[index] == id)
            return index;
    }
    return NoChoice;
}

QString choiceText(int index)
{
    switch (index) {
    case 0:
        return DefaultCallActionProvider::tr("Call");
    case 1:
        return DefaultCallActionProvider::tr("Call from Phone");
    case 2:
        return DefaultCallActionProvider::tr("Video Call");
    default:
        return QString();
    }
}

} // namespace

DefaultCallActionProvider::DefaultCallActionProvider(QObject* parent)
    : Kivo::Actions::Source(parent), m_AcceptedActions({Action::Call, Action::VideoCall, Action::CallFromPhone})
{
    for (int index = 0; index < ChoiceCount; ++index)
        addAction(index);
}

DefaultCallActionProvider::~DefaultCallActionProvider()
{
    // The menu has no parent: it goes with its provider.
    delete m_Menu.data();
}

void DefaultCallActionProvider::addAction(int index)
{
    auto* action = new QAction(this);
    action->setCheckable(true);
    m_Actions.insert(index, action);
    action->setText(choiceText(index));
    CHECKED_CONNECT(action, SIGNAL(triggered()), this, SLOT(actionTriggered()));
}

void DefaultCallActionProvider::initialize(Factory* factory)
{
    ASSERT_RETURN(factory);
    Kivo::Actions::Provider* provider = factory->createActionsProvider(this, true);
    if (provider != m_Provider) {
        delete m_Provider;
        m_Provider = provider;
    }
    m_Provider->setAcceptedActions(m_AcceptedActions, true);
    m_Provider->setActionSource(this);

    QList<int> acceptable;
    for (int id : ChoiceIds) {
        const int index = indexOf(id);
        QAction* choice = m_Actions.value(index);
        if (m_Provider->getActionById(id) && choice) {
            m_Provider->linkQAction(choice, id);
            acceptable.append(id);
        } else if (choice) {
            m_Actions.remove(index);
            choice->deleteLater();
        }
    }
    LOG_TRACE << "Acceptable actions count: " << acceptable.size();

    const int stored = Kivo::Settings(Kivo::Settings::UserSettings)
                           .value(Constants::SettingsKey::DefaultCallAction, int(Action::Call))
                           .toInt();
    if (acceptable.contains(stored))
        m_SelectedAction = Action::Id(stored);
    else
        m_SelectedAction = acceptable.isEmpty() ? Action::None : Action::Id(acceptable.first());
    LOG_DEBUG << "Selecting defaul action to be: " << int(m_SelectedAction);
    emit defaultCallActionChanged(m_SelectedAction);
}

QMenu* DefaultCallActionProvider::createMenu()
{
    if (m_Menu)
        return m_Menu;
    auto* menu = new QMenu(tr("Default Call Type"));
    int added = 0;
    for (int index = 0; index < ChoiceCount; ++index) {
        if (QAction* choice = m_Actions.value(index)) {
            menu->addAction(choice);
            ++added;
        }
    }
    if (added < 2) {
        // A single choice offers nothing to choose.
        delete menu;
        return nullptr;
    }
    m_Menu = menu;
    // Only shown here: a stored choice the session does not offer stays for later sessions.
    checkSelectedChoice();
    return m_Menu;
}

void DefaultCallActionProvider::actionTriggered()
{
    auto* action = qobject_cast<QAction*>(sender());
    ASSERT_RETURN(action);
    const int index = m_Actions.key(action, NoChoice);
    const Action::Id previous = m_SelectedAction;
    if (index != NoChoice)
        m_SelectedAction = ChoiceIds[index];
    if (m_SelectedAction != previous)
        emit defaultCallActionChanged(m_SelectedAction);
    setSelectedAction();
}

void DefaultCallActionProvider::setSelectedAction()
{
    if (checkSelectedChoice())
        Kivo::Settings(Kivo::Settings::UserSettings).setValue(Constants::SettingsKey::DefaultCallAction, int(m_SelectedAction));
}

bool DefaultCallActionProvider::checkSelectedChoice()
{
    for (QAction* choice : qAsConst(m_Actions))
        choice->setChecked(false);
    if (!m_Menu || m_SelectedAction == Action::None)
        return false;
    QAction* selected = m_Actions.value(indexOf(m_SelectedAction));
    if (!selected)
        return false;
    selected->setChecked(true);
    return true;
}

void DefaultCallActionProvider::retranslate()
{
    if (!m_Menu)
        return;
    m_Menu->setTitle(tr("Default Call Type"));
    for (auto it = m_Actions.cbegin(); it != m_Actions.cend(); ++it)
        it.value()->setText(choiceText(it.key()));
}

QList<Kivo::Actions::ActionData> DefaultCallActionProvider::actionsData() const
{
    QList<Kivo::Actions::ActionData> data;
    for (int id : m_AcceptedActions)
        data.append(Kivo::Actions::ActionData(id));
    return data;
}

} // namespace Providers
