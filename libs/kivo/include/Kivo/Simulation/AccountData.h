#pragma once

#include <Kivo/Simulation/Types.h>

#include <QByteArray>
#include <QList>
#include <QString>

namespace Kivo {
namespace Simulation {

// Reads the accounts of the simulated service from its JSON data file:
//
//   { "accounts": [ { "user": "alice@demo.telvarion.net", "password": "...",
//                     "displayName": "...", "domain": "...", "presence": 7,
//                     "contacts": [ { "id": 1, "name": "...", "address": "...",
//                                     "number": "...", "group": "...", "presence": 7,
//                                     "note": "..." } ] } ] }
//
// A document that is not such an object fails as a whole; a malformed account or contact
// is left out with a log line and the rest is kept.
class AccountData
{
public:
    static bool parse(const QByteArray& json, QList<Account>& accounts, QString* error = nullptr);
};

} // namespace Simulation
} // namespace Kivo
