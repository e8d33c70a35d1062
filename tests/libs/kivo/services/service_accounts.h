#pragma once

// One account with every kind of setting the REST interface keeps, signed in on a service
// of the test's own that answers without delay.

#include <Kivo/Simulation/Service.h>

#include <QByteArray>
#include <QSignalSpy>
#include <QtTest>

const QByteArray ServiceAccounts = R"({ "accounts": [
  { "user": "ada@test.example", "password": "pw", "displayName": "Ada Byron",
    "contacts": [ { "id": 1, "name": "Bob", "address": "bob@test.example", "presence": 7 } ],
    "services": {
      "supplementary": [ { "id": 0, "active": false, "target": "" },
                         { "id": 2, "active": true, "target": "+15550111" },
                         { "id": 18, "active": false },
                         { "id": 19, "active": false, "target": "" },
                         { "id": 42, "active": true },
                         { "id": 3, "active": true, "target": "call me" } ],
      "anywhere": { "alertAll": false, "locations": [ { "number": "+15550142", "description": "Mobile", "active": true } ] },
      "simultaneousRing": { "active": false, "doNotRingOnCall": true, "locations": [ { "number": "+15550143" } ] },
      "callCenterAgent": { "state": 1, "defaultReason": "BRK", "unavailableCodes": { "BRK": "Break", "LUN": "Lunch" },
                           "queues": [ { "id": "sales@test.example", "name": "Sales", "number": "+15550160", "joined": true },
                                       { "id": "night@test.example", "number": "+15550161", "logOffAllowed": false,
                                         "joined": true } ] },
      "presenceRules": [ { "state": 3, "action": 1, "param": "+15550101" }, { "state": 9, "action": 1 } ] } },
  { "user": "plain@test.example", "password": "pw" } ] })";

struct SignedInService
{
    explicit SignedInService(const char* user = "ada@test.example")
    {
        service.setLatency(0);
        QVERIFY(service.load(ServiceAccounts));
        QSignalSpy signedIn(&service, &Kivo::Simulation::Service::signedIn);
        service.signIn(QString::fromLatin1(user), QStringLiteral("pw"));
        QVERIFY(signedIn.wait());
    }
    Kivo::Simulation::Service service;
};
