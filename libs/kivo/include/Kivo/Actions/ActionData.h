#pragma once

#include <Kivo/Actions/Action.h>

#include <QMetaType>

namespace Kivo {
namespace Actions {

// What a source offers for one engine action: the action's id.
class ActionData
{
public:
    ActionData() = default;
    explicit ActionData(int id) : m_Id(id) {}

    int getId() const { return m_Id; }

private:
    int m_Id = Action::None;
};

} // namespace Actions
} // namespace Kivo

Q_DECLARE_METATYPE(Kivo::Actions::ActionData)
