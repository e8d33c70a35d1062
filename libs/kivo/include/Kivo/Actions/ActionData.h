#pragma once

#include <Kivo/Actions/Action.h>

#include <QMetaType>

namespace Kivo {
namespace Actions {

// What a triggered action carries to its handlers: the action's id and the property type
// (for example which phone number) it applies to.
class ActionData
{
public:
    ActionData() = default;
    explicit ActionData(int id, int propertyType = 0) : m_Id(id), m_PropertyType(propertyType) {}

    int getId() const { return m_Id; }
    int getPropertyType() const { return m_PropertyType; }

private:
    int m_Id = Action::None;
    int m_PropertyType = 0;
};

} // namespace Actions
} // namespace Kivo

Q_DECLARE_METATYPE(Kivo::Actions::ActionData)
