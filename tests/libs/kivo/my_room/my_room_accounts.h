#pragma once

#include <QByteArray>

// Alice's room takes guests and Bob is her contact; Bob's room does not; Carol has no room.
inline const QByteArray MyRoomAccounts = R"({ "accounts": [
  { "user": "alice@rooms.example", "password": "pw", "displayName": "Alice Carter",
    "myRoom": { "dialIn": "+15550190", "conferenceId": "4711", "securityPin": "12", "moderatorPin": "34",
                "webCollab": "https://collab.rooms.example/alice", "guests": true },
    "contacts": [ { "id": 1, "name": "Bob Lind", "address": "bob@rooms.example" } ] },
  { "user": "bob@rooms.example", "password": "pw", "displayName": "Bob Lind",
    "myRoom": { "chat": "lobby@conference.rooms.example", "conferenceId": "5811" } },
  { "user": "carol@rooms.example", "password": "pw", "displayName": "Carol Diaz" } ] })";
