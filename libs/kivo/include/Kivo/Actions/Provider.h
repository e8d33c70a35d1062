#pragma once

#include <Kivo/Actions/Action.h>
#include <Kivo/Actions/ActionData.h>

#include <QAbstractListModel>
#include <QList>
#include <QPointer>
#include <QVariant>

class QAction;

namespace Kivo {
namespace Actions {

class ActionsProviderFactory;
class Source;
}
namespace Configuration {
class Config;
}
namespace Actions {

// Offers the engine actions that apply to one source (a contact, a selection, the
// application menu) and reports what the user triggers on them. As a list model it has one
// row per offered action, in the order accepted, its Action object under ActionRole.
class Provider : public QAbstractListModel
{
    Q_OBJECT

public:
    static constexpr int ActionRole = 346;

    // Without a factory every accepted action is offered.
    explicit Provider(QObject* parent = nullptr);
    Provider(ActionsProviderFactory* factory, bool global, QObject* parent);
    ~Provider() override;

    // Offers the accepted ids the engine supports; unless `exclusive`, also the actions
    // the source itself names.
    void setAcceptedActions(const QList<int>& ids, bool exclusive);
    void setActionSource(QObject* source);
    QObject* getActionSource() const { return m_Source; }
    // Whether the provider serves the whole application rather than one selection.
    bool isGlobal() const { return m_Global; }
    // The configuration of the session the provider serves; null without one.
    const Configuration::Config* getConfig() const;

    Action* getActionById(int id) const;
    QList<Action*> getActions() const { return m_Actions; }
    // Ties the QAction to the engine action: the engine action's enabled state drives the
    // QAction, and triggering the QAction activates the engine action. False when the
    // provider has no such action.
    bool linkQAction(QAction* qAction, int id);
    // Activates the action as a user's gesture would; false when there is none. A linked
    // QAction that stands for one choice of the action (its "SUBMENU_ACTION" position)
    // applies the action to that choice's property.
    Q_INVOKABLE bool triggerAction(int id);
    // The action a plain gesture (a double click, Enter) starts: a call unless the user chose
    // another kind of call.
    void setDefaultAction(int id) { m_DefaultAction = id; }
    int defaultAction() const { return m_DefaultAction; }
    Q_INVOKABLE bool triggerDefaultAction() { return triggerAction(m_DefaultAction); }
    // The action for QML (its id and enabled state), or an invalid value.
    Q_INVOKABLE QVariant getActionAsVariant(int id) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

signals:
    void actionTriggered(Kivo::Actions::ActionData& data, Kivo::Actions::Source& source);
    void actionConfirmationRequired(Kivo::Actions::Action& action);
    void actionsChanged();

private slots:
    void onActionTriggered();
    // Each action follows whether it applies to the source (Action::setApplicable).
    void refreshApplicable();
    void onConfirmationRequired();

private:
    void rebuild();
    // The numbers of a single selected contact, for the actions that reach a number.
    void refreshSubActions();
    bool isAvailable(int id) const;
    Source* resolvedSource();

    QPointer<ActionsProviderFactory> m_Factory;
    bool m_Global = false;
    QList<int> m_Accepted;
    bool m_Exclusive = true;
    QPointer<QObject> m_Source;
    // Stands in for a source object that is not a Source itself.
    Source* m_Wrapper = nullptr;
    QList<Action*> m_Actions;
    int m_DefaultAction = Action::Call;
};

} // namespace Actions
} // namespace Kivo
