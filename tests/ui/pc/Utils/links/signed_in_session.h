#pragma once

#include "support/signed_in_session.h"

// Users of the simulated service with their My Rooms. Bob and Frank are in Alice's contact
// list, Carol and Dev are not. Alice's and Carol's rooms take guests; Frank's room chat is an
// ordinary chat room, not a My Room; Erin's room has only a Qvd number; Dev has no room; Eve
// writes her name in markup. Every password is "pw".
namespace LinksFixture {

inline const QByteArray Accounts = R"({ "accounts": [
  { "user": "alice@links.example", "password": "pw", "displayName": "Alice Carter", "domain": "links.example",
    "myRoom": { "dialIn": "+1 (555) 0190", "qvdDialIn": "+1 555 0191", "conferenceId": "471120", "securityPin": "2468",
                "moderatorPin": "1357", "webCollab": "https://collab.links.example/alice?a=1&b=2", "guests": true },
    "contacts": [
      { "id": 1, "name": "Bob Lind", "address": "bob@links.example", "number": "+15550101" },
      { "id": 2, "name": "Frank Moss", "address": "frank@links.example", "number": "+15550102" } ] },
  { "user": "bob@links.example", "password": "pw", "displayName": "Bob Lind", "domain": "links.example",
    "myRoom": { "dialIn": "+15550190", "conferenceId": "580231#", "webCollab": "https://collab.links.example/bob" } },
  { "user": "carol@links.example", "password": "pw", "displayName": "Carol Diaz", "domain": "links.example",
    "myRoom": { "dialIn": "+15550190", "conferenceId": "690342", "guests": true } },
  { "user": "frank@links.example", "password": "pw", "displayName": "Frank Moss", "domain": "links.example",
    "myRoom": { "chat": "lobby@conference.links.example" } },
  { "user": "erin@links.example", "password": "pw", "displayName": "Erin Kay", "domain": "links.example",
    "myRoom": { "qvdDialIn": "+1 555 0192", "conferenceId": "7*" } },
  { "user": "eve@links.example", "password": "pw", "displayName": "<b>Eve</b> & \"Co\"", "domain": "links.example",
    "myRoom": { "dialIn": "+15550190", "conferenceId": "1" } },
  { "user": "dev@links.example", "password": "pw", "displayName": "Dev Patel", "domain": "links.example" } ] })";

// A user (Alice unless told) signed in on the shared service, with a session whose
// connections the test brings up itself. Items of the configuration as given.
class SignedInSession : public TestSupport::SignedInSession
{
public:
    explicit SignedInSession(const QHash<int, QVariant>& items = {},
                             const QString& user = QStringLiteral("alice@links.example"))
        : TestSupport::SignedInSession(Accounts, user, items, QStringLiteral("Links"))
    {
    }
};

} // namespace LinksFixture
