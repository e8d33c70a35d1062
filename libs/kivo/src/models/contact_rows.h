#pragma once

#include <QVariant>

namespace Kivo {
namespace Contacts {
class IContact;
}
namespace Models {
namespace ContactRows {

// A contact is available while it is online in any way (not offline, unknown or pending).
bool isAvailable(int presence);

// The data of a contact's row under `role`; an invalid value for a role that is not a
// contact's.
QVariant data(const Contacts::IContact& contact, int role);

} // namespace ContactRows
} // namespace Models
} // namespace Kivo
