#pragma once

#include <Kivo/Simulation/ContactRecord.h>

#include <QString>

#include <optional>

namespace Kivo {
namespace ApiProvider {

// The signed-in user's stored contacts as the add-ins' link needs them.
namespace ContactLookup {

std::optional<Simulation::ContactRecord> find(int contactId);
QString text(const Simulation::ContactRecord& record, int key);
// The first of the contact's numbers, in the order numbers are preferred.
QString number(const Simulation::ContactRecord& record);
// The stored contact that `remote` (an address or a number) belongs to, else 0.
int idOf(const QString& remote);
// Where to call the contact: a number when it has one, else its address.
QString callAddress(const Simulation::ContactRecord& record);

} // namespace ContactLookup
} // namespace ApiProvider
} // namespace Kivo
