#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include "Kivo/Actions/Action.h"

namespace Kivo {
namespace Actions {

// Offers the actions that apply to one source object (a contact, a session ...).
class Provider : public QObject
{
    Q_OBJECT

public:
    explicit Provider(QObject* parent = nullptr) : QObject(parent) {}

    void setActionSource(QObject* source) { m_Source = source; }
    QObject* getActionSource() const { return m_Source; }

    // The provider takes ownership of the action.
    void addAction(Action* action)
    {
        action->setParent(this);
        m_Actions.append(action);
    }

    Action* getActionById(int id) const
    {
        for (Action* action : m_Actions) {
            if (action->getId() == id)
                return action;
        }
        return nullptr;
    }

    QList<Action*> getActions() const { return m_Actions; }

private:
    QPointer<QObject> m_Source;
    QList<Action*> m_Actions;
};

} // namespace Actions
} // namespace Kivo
