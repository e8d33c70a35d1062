#pragma once

#include <Kivo/Simulation/Service.h>

#include <QSignalSpy>
#include <QtTest>

#include <memory>

// A service with three users; alice is signed in. Bob and Dev share a number so that a
// look-up by it finds two directory entries.
namespace ContactsFixture {

inline const QByteArray Accounts = R"({ "accounts": [
  { "user": "alice@test.example", "password": "a", "displayName": "Alice Carter", "domain": "test.example",
    "presence": 7, "contacts": [
      { "id": 1, "name": "Bob Lind", "address": "bob@test.example", "number": "+1 555 0101", "group": "Team", "presence": 7 },
      { "id": 2, "name": "Chiara Rossi", "address": "chiara@test.example", "number": "+15550102", "group": "Team", "presence": 12, "note": "Review" },
      { "id": 4, "name": "Voice Mail", "number": "+15550199", "presence": 0 } ] },
  { "user": "bob@test.example", "password": "b", "displayName": "Bob Lind", "domain": "test.example",
    "contacts": [ { "id": 1, "name": "Dev Patel", "address": "dev@test.example", "number": "+15550101" } ] },
  { "user": "dev@test.example", "password": "d", "displayName": "Dev Patel", "domain": "test.example" } ] })";

inline std::unique_ptr<Kivo::Simulation::Service> signedInService()
{
    auto service = std::make_unique<Kivo::Simulation::Service>();
    service->setLatency(0);
    if (!service->load(Accounts))
        return nullptr;
    QSignalSpy signedIn(service.get(), &Kivo::Simulation::Service::signedIn);
    service->signIn("alice@test.example", "a");
    if (!signedIn.wait())
        return nullptr;
    return service;
}

} // namespace ContactsFixture
