#pragma once

// Accounts of the simulated service with their settings on the REST interface, for the
// tests of the windows and dialogs over them. Every password is "pw".
//   ada: every service; forwarding when busy is on, to +15550111.
//   fwd: only call forwarding always.   dnd: only do not disturb.
//   any: no supplementary services, an Anywhere location and simultaneous ring.
//   basic: a basic call-centre agent; codes: an agent who must give a reason, away for an
//   unknown one; lunch: an agent away for lunch, no queues.   none: nothing at all.

#include "support/signed_in_session.h"

namespace ServicesFixture {

inline const QByteArray Accounts = R"({ "accounts": [
  { "user": "ada@services.example", "password": "pw", "displayName": "Ada Byron",
    "contacts": [ { "id": 1, "name": "Bob Lind", "address": "bob@services.example", "number": "+15550101" } ],
    "services": {
      "supplementary": [ { "id": 0, "active": false }, { "id": 2, "active": true, "target": "+15550111" },
                         { "id": 3, "active": false }, { "id": 4, "active": false }, { "id": 5, "active": true },
                         { "id": 11, "active": false }, { "id": 17, "active": true }, { "id": 18, "active": false },
                         { "id": 19, "active": false } ],
      "anywhere": { "locations": [ { "number": "+15550142", "description": "Mobile", "active": true } ] },
      "simultaneousRing": { "locations": [ { "number": "+15550143" } ] },
      "callCenterAgent": { "state": 1, "defaultReason": "BRK", "unavailableCodes": { "BRK": "Break", "LUN": "Lunch" },
                           "queues": [ { "id": "sales@services.example", "name": "Sales", "number": "+15550160", "joined": true },
                                       { "id": "night@services.example", "number": "+15550161", "logOffAllowed": false,
                                         "joined": true } ] },
      "presenceRules": [ { "state": 3, "action": 1, "param": "+15550199" } ] } },
  { "user": "fwd@services.example", "password": "pw", "services": { "supplementary": [ { "id": 0, "active": false } ] } },
  { "user": "dnd@services.example", "password": "pw", "services": { "supplementary": [ { "id": 18, "active": true } ] } },
  { "user": "any@services.example", "password": "pw",
    "services": { "anywhere": { "locations": [] }, "simultaneousRing": { "locations": [] } } },
  { "user": "basic@services.example", "password": "pw",
    "services": { "callCenterAgent": { "basic": true, "queues": [ { "id": "q@services.example", "name": "Queue" } ] } } },
  { "user": "codes@services.example", "password": "pw",
    "services": { "callCenterAgent": { "codesRequired": true, "state": 2, "unavailableCode": "NAP",
                                       "unavailableCodes": { "BRK": "Break", "LUN": "Lunch" },
                                       "queues": [ { "id": "q@services.example", "name": "Queue", "joined": true } ] } } },
  { "user": "lunch@services.example", "password": "pw",
    "services": { "callCenterAgent": { "state": 2, "unavailableCode": "LUN", "defaultReason": "BRK",
                                       "unavailableCodes": { "BRK": "Break", "LUN": "Lunch" } } } },
  { "user": "none@services.example", "password": "pw" } ] })";

// A user signed in on the shared service, with a session whose controllers the account's
// settings decide; the chat connection comes up when asked.
class SignedIn : public TestSupport::SignedInSession
{
public:
    explicit SignedIn(const QString& user = QStringLiteral("ada@services.example"),
                      const QHash<int, QVariant>& items = {})
        : TestSupport::SignedInSession(Accounts, user, items, QStringLiteral("Services"))
    {
    }

    void connectChat() { session->xmppSubSession()->start(); }
};

} // namespace ServicesFixture
