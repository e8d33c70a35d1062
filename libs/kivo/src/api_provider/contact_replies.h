#pragma once

#include <QByteArray>

namespace Kivo {
namespace ApiProvider {

class CallTracker;

// Answers to an add-in's questions about a contact of the signed-in session (0 is the user).
namespace ContactReplies {

// Properties the add-ins know: "DisplayName", "Jid" and "WorkPhone"; none for an unknown id.
// Callers who are no contact are named from `calls` when given.
QByteArray properties(int contactId, const CallTracker* calls = nullptr);
QByteArray presence(int contactId);

} // namespace ContactReplies
} // namespace ApiProvider
} // namespace Kivo
