#pragma once

#include <QObject>

namespace Kivo {
namespace Controllers {
class CommsSessionController;
}
namespace Actions {

class Source;

// Whether the action `id` applies to `source` with the conversations of `comms` going on: a
// favourite is not set again, a listed contact not added again, nothing is transferred
// without a call. Actions without such a rule always apply.
bool appliesTo(int id, Source* source, const Controllers::CommsSessionController* comms);

} // namespace Actions
} // namespace Kivo
