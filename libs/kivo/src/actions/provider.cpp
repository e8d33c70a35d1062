#include <Kivo/Actions/Provider.h>

#include <Kivo/Actions/ActionsProviderFactory.h>
#include <Kivo/Actions/Source.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Sessions/SessionManagerBase.h>

#include "../kivo_log.h"
#include "applicability.h"

#include <QAction>

namespace Kivo {
namespace Actions {

Provider::Provider(QObject* parent) : QAbstractListModel(parent) {}

Provider::Provider(ActionsProviderFactory* factory, bool global, QObject* parent)
    : QAbstractListModel(parent), m_Factory(factory), m_Global(global)
{
}

Provider::~Provider() = default;

const Configuration::Config* Provider::getConfig() const
{
    const Sessions::SessionManagerBase* session = m_Factory ? m_Factory->session() : nullptr;
    return session ? session->getConfig() : nullptr;
}

void Provider::setAcceptedActions(const QList<int>& ids, bool exclusive)
{
    m_Accepted = ids;
    m_Exclusive = exclusive;
    rebuild();
}

void Provider::setActionSource(QObject* source)
{
    if (source == m_Source) {
        // The same selection may hold other objects than when it was set.
        refreshApplicable();
        return;
    }
    if (auto* composite = qobject_cast<SourceComposite*>(m_Source.data()))
        disconnect(composite, &SourceComposite::sourcesChanged, this, &Provider::refreshApplicable);
    m_Source = source;
    delete m_Wrapper;
    m_Wrapper = nullptr;
    if (source && !qobject_cast<Source*>(source))
        m_Wrapper = new ObjectSource(source, this);
    if (auto* composite = qobject_cast<SourceComposite*>(source))
        connect(composite, &SourceComposite::sourcesChanged, this, &Provider::refreshApplicable);
    if (!m_Exclusive) {
        rebuild();
    } else {
        refreshSubActions();
        refreshApplicable();
    }
}

void Provider::refreshApplicable()
{
    const Sessions::SessionManagerBase* session = m_Factory ? m_Factory->session() : nullptr;
    const Controllers::CommsSessionController* comms = session ? session->commsSessionController() : nullptr;
    Source* source = resolvedSource();
    for (Action* action : qAsConst(m_Actions))
        action->setApplicable(appliesTo(action->getId(), source, comms));
}

void Provider::refreshSubActions()
{
    QObject* object = m_Source;
    if (auto* composite = qobject_cast<SourceComposite*>(object)) {
        const QList<QObject*> sources = composite->sources();
        object = sources.size() == 1 ? sources.first() : nullptr;
        if (object && !qobject_cast<Contacts::IContact*>(object))
            object = object->property("contact").value<QObject*>();
    }
    const auto* contact = qobject_cast<const Contacts::IContact*>(object);
    QList<int> numbers;
    if (contact) {
        for (Contacts::Properties::Key key : Contacts::Properties::numberKeys()) {
            if (!contact->getProperty(key).toString().trimmed().isEmpty())
                numbers.append(key);
        }
    }
    for (Action* action : qAsConst(m_Actions)) {
        const bool reachesNumber = action->getId() == Action::Call || action->getId() == Action::CallFromPhone ||
                                   action->getId() == Action::CopyPhoneNumber;
        action->setSubActions(reachesNumber ? numbers : QList<int>());
    }
}

Source* Provider::resolvedSource()
{
    if (auto* source = qobject_cast<Source*>(m_Source.data()))
        return source;
    return m_Source ? m_Wrapper : nullptr;
}

bool Provider::isAvailable(int id) const
{
    return !m_Factory || m_Factory->isActionAvailable(id);
}

void Provider::rebuild()
{
    QList<int> wanted;
    for (int id : qAsConst(m_Accepted)) {
        if (!wanted.contains(id))
            wanted.append(id);
    }
    if (!m_Exclusive) {
        if (const auto* source = qobject_cast<const Source*>(m_Source.data())) {
            for (const ActionData& data : source->actionsData()) {
                if (!wanted.contains(data.getId()))
                    wanted.append(data.getId());
            }
        }
    }

    beginResetModel();
    QList<Action*> kept;
    for (int id : qAsConst(wanted)) {
        if (id == Action::None || !isAvailable(id))
            continue;
        Action* action = getActionById(id);
        if (!action) {
            action = new Action(Action::Id(id), this);
            connect(action, &Action::triggered, this, &Provider::onActionTriggered);
            connect(action, &Action::confirmationRequired, this, &Provider::onConfirmationRequired);
        }
        kept.append(action);
    }
    for (Action* action : qAsConst(m_Actions)) {
        if (!kept.contains(action))
            delete action;
    }
    m_Actions = kept;
    refreshSubActions();
    refreshApplicable();
    endResetModel();
    emit actionsChanged();
}

int Provider::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_Actions.size());
}

QVariant Provider::data(const QModelIndex& index, int role) const
{
    if (role != ActionRole || !index.isValid() || index.row() >= m_Actions.size())
        return QVariant();
    return QVariant::fromValue<QObject*>(m_Actions.at(index.row()));
}

QHash<int, QByteArray> Provider::roleNames() const
{
    return {{ActionRole, "action"}};
}

Action* Provider::getActionById(int id) const
{
    for (Action* action : m_Actions) {
        if (action->getId() == id)
            return action;
    }
    return nullptr;
}

QVariant Provider::getActionAsVariant(int id) const
{
    Action* action = getActionById(id);
    return action ? QVariant::fromValue<QObject*>(action) : QVariant();
}

bool Provider::linkQAction(QAction* qAction, int id)
{
    Action* action = getActionById(id);
    if (!qAction || !action)
        return false;
    qAction->setEnabled(action->isEnabled());
    connect(action, &Action::enabledChanged, qAction, [qAction, action] { qAction->setEnabled(action->isEnabled()); });
    connect(qAction, &QAction::triggered, action, [this, id, qAction, action] {
        bool chosen = false;
        const int position = qAction->property("SUBMENU_ACTION").toInt(&chosen);
        const QList<int> choices = action->getSubActions();
        if (chosen && position >= 0 && position < choices.size())
            action->setPropertyType(choices.at(position));
        triggerAction(id);
    });
    return true;
}

bool Provider::triggerAction(int id)
{
    Action* action = getActionById(id);
    if (!action)
        return false;
    action->setConfirmationRequired(m_Factory && m_Factory->isConfirmationRequired(id));
    action->activate();
    return true;
}

void Provider::onActionTriggered()
{
    auto* action = qobject_cast<Action*>(sender());
    if (!action)
        return;
    Source* source = resolvedSource();
    if (!source) {
        KIVO_LOG(Tesk::Core::Logging::LevelWarning) << "Action without a source: " << int(action->getId());
        return;
    }
    ActionData data(action->getId(), action->getPropertyType());
    emit actionTriggered(data, *source);
}

void Provider::onConfirmationRequired()
{
    if (auto* action = qobject_cast<Action*>(sender()))
        emit actionConfirmationRequired(*action);
}

} // namespace Actions
} // namespace Kivo
