#pragma once

#include <Kivo/Configuration/Config.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Settings.h>
#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Service.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// A signed-in session of alice over the shared simulated service, with a small account:
// three contacts, a short call log, a mailbox, two rooms and a conversation.
namespace ConversationFixture {

inline const char* const Alice = "alice@test.example";
inline const char* const Bob = "bob@test.example";
inline const char* const Chiara = "chiara@test.example";
inline const char* const Dev = "dev@test.example";
inline const char* const Design = "design@conference.test.example";
inline const char* const Board = "board@conference.test.example";
inline const char* const Vault = "vault@conference.test.example";

inline const QByteArray Accounts = R"({ "accounts": [
  { "user": "alice@test.example", "password": "a", "displayName": "Alice Carter", "domain": "test.example",
    "contacts": [
      { "id": 1, "name": "Bob Lind", "address": "bob@test.example", "number": "+15550101", "presence": 7 },
      { "id": 2, "name": "Chiara Rossi", "address": "chiara@test.example", "number": "+15550102", "presence": 7 },
      { "id": 3, "name": "Dev Patel", "address": "dev@test.example", "number": "+15550103", "presence": 7 } ],
    "history": [
      { "remote": "bob@test.example", "direction": "out", "minutesAgo": 300, "duration": 65 },
      { "remote": "+15550102", "direction": "in", "missed": true, "minutesAgo": 120, "duration": 0 },
      { "remote": "+15559999", "direction": "in", "minutesAgo": 60, "duration": 20, "video": true } ],
    "voiceMails": [
      { "id": "vm-1", "from": "bob@test.example", "kind": "audio", "minutesAgo": 30, "duration": 1, "read": false },
      { "id": "vm-2", "from": "+15550103", "kind": "fax", "minutesAgo": 90, "size": 4096, "read": true } ],
    "rooms": [
      { "jid": "design@conference.test.example", "name": "Design", "subject": "Icons", "owner": "alice@test.example",
        "admins": ["bob@test.example"], "members": ["chiara@test.example"], "occupants": ["bob@test.example"] },
      { "jid": "board@conference.test.example", "name": "Board", "owner": "dev@test.example", "membersOnly": true },
      { "jid": "vault@conference.test.example", "name": "Vault", "owner": "dev@test.example", "password": "s3cret",
        "banned": ["eve@test.example"] } ],
    "conversations": [
      { "with": "chiara@test.example", "unread": 1, "messages": [
        { "from": "me", "text": "Ready for the review?", "minutesAgo": 50 },
        { "from": "chiara@test.example", "text": "Yes, five minutes.", "minutesAgo": 45 } ] } ] } ] })";

inline Kivo::Simulation::Service& service()
{
    return Kivo::Simulation::Service::shared();
}

inline Kivo::Simulation::Control control()
{
    return Kivo::Simulation::Control(service());
}

class SignedIn
{
public:
    explicit SignedIn(const QHash<int, QVariant>& items = {}, const QByteArray& accounts = Accounts)
    {
        // What the engine remembers for the user goes to a folder of this session's own.
        Kivo::Settings::setPath(Kivo::Settings::UserSettings, m_Folder.path());
        service().setLatency(1);
        control().setAutoAnswer(true);
        if (!service().load(accounts))
            return;
        QSignalSpy signedIn(&service(), &Kivo::Simulation::Service::signedIn);
        service().signIn(Alice, "a");
        if (!signedIn.wait())
            return;
        Kivo::Configuration::Config::Document document;
        document.items = items;
        m_Config = std::make_unique<Kivo::Configuration::Config>("config_test.xml", document);
        m_Session = std::make_unique<Kivo::Sessions::SessionManagerBase>(Alice, "Alice Carter", m_Config.get(), nullptr);
        m_Session->contactsManager()->attach(service());
        m_Session->startSubSessions(0);
    }

    bool isReady() const { return m_Session != nullptr; }
    Kivo::Sessions::SessionManagerBase* session() const { return m_Session.get(); }
    Kivo::Controllers::CommsSessionController* comms() const { return m_Session->commsSessionController(); }
    Kivo::Contacts::Contacts* contacts() const { return m_Session->contactsManager().data(); }

private:
    QTemporaryDir m_Folder;
    std::unique_ptr<Kivo::Configuration::Config> m_Config;
    std::unique_ptr<Kivo::Sessions::SessionManagerBase> m_Session;
};

// The conversation the next sessionCreated brings, and whether the far end began it.
inline Kivo::Controllers::CommunicationSession* nextSession(const QSignalSpy& created, int index = 0)
{
    return created.size() > index ? created.at(index).at(0).value<Kivo::Controllers::CommunicationSession*>() : nullptr;
}

// The call states a spy on callStateChanged saw, in order.
inline QList<int> statesOf(const QSignalSpy& spy)
{
    QList<int> states;
    for (const QList<QVariant>& arguments : spy)
        states.append(arguments.at(1).value<Kivo::MediaEngine::CallBasePtr::CallState>());
    return states;
}

} // namespace ConversationFixture
