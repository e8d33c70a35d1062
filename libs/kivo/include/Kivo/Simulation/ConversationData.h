#pragma once

#include <Kivo/Simulation/ConversationTypes.h>

#include <QDateTime>
#include <QJsonObject>
#include <QString>

namespace Kivo {
namespace Simulation {

// Reads what an account of the service's data file holds beyond its contacts: its call log,
// its mailbox, its rooms and the messages of its conversations. Each key is optional:
//
//   { "user": "alice@...", ...,
//     "history": [ { "remote": "bob@...", "direction": "in" | "out", "missed": false,
//                    "video": false, "minutesAgo": 95, "duration": 312 } ],
//     "voiceMails": [ { "id": "vm-1", "from": "+15550142", "kind": "audio" | "video" | "fax",
//                       "minutesAgo": 240, "duration": 38, "size": 48211, "read": false } ],
//     "rooms": [ { "jid": "design@conference.demo.telvarion.net", "name": "Design",
//                  "subject": "...", "owner": "alice@...", "password": "",
//                  "membersOnly": false, "maxHistory": 20,
//                  "admins": ["bob@..."], "members": ["chiara@..."], "banned": ["eve@..."],
//                  "occupants": ["bob@..."] } ],
//     "conversations": [ { "with": "bob@..." | "<room jid>", "unread": 2,
//                          "messages": [ { "from": "bob@..." | "me", "text": "...",
//                                          "minutesAgo": 12 } ] } ] }
//
// Times are "minutesAgo" (a whole number of minutes before the data is loaded, so that a
// demo stays recent) or "time" (ISO 8601, UTC). "duration" is in seconds; a fax has a
// "size" in bytes instead. Messages of a conversation may come in any order; they are kept
// sorted by time. An entry that cannot be read is left out with a log line; the rest of the
// account is kept.
//
// The large-account generator writes the same keys (a long "history" and one conversation
// with many "messages"), so that the program can load it like the demo account.
class ConversationData
{
public:
    // Fills `book` from one account object; `owner` is the account's address, which
    // messages of "me" and rooms without an owner get.
    static void read(const QJsonObject& account, const QString& owner, const QDateTime& now, ConversationBook& book);
};

} // namespace Simulation
} // namespace Kivo
