#pragma once

#include <Kivo/Configuration/Config.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Simulation/Service.h>

#include <QSignalSpy>
#include <QtTest>

#include <memory>

// A session signed in to the simulated service that the engine's controllers use: alice
// with two stored contacts in one group (or the accounts given, alice among them), under a
// configuration with the given items.
class SignedInSession
{
public:
    static constexpr const char* Accounts = R"({ "accounts": [
          { "user": "alice@test.example", "password": "a", "displayName": "Alice Carter", "domain": "test.example",
            "presence": 7, "contacts": [
              { "id": 1, "name": "Bob Lind", "address": "bob@test.example", "number": "+1 555 0101", "group": "Team" },
              { "id": 2, "name": "Chiara Rossi", "address": "chiara@test.example", "group": "Team" } ] } ] })";

    explicit SignedInSession(const QHash<int, QVariant>& items, const QByteArray& accounts = Accounts)
        : m_Service(Kivo::Simulation::Service::shared())
    {
        m_Service.setLatency(0);
        m_Service.load(accounts);
        QSignalSpy signedIn(&m_Service, &Kivo::Simulation::Service::signedIn);
        m_Service.signIn("alice@test.example", "a");
        signedIn.wait();
        Kivo::Configuration::Config::Document document;
        document.name = "Test";
        document.items = items;
        m_Config = std::make_unique<Kivo::Configuration::Config>("config_test.xml", document);
        m_Session = std::make_unique<Kivo::Sessions::SessionManagerBase>("alice@test.example", "Alice Carter",
                                                                         m_Config.get(), nullptr);
        contacts()->attach(m_Service);
    }

    Kivo::Sessions::SessionManagerBase* session() const { return m_Session.get(); }
    Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts() const { return m_Session->contactsManager(); }
    Kivo::Contacts::IContact* contact(int id) const { return contacts()->getContact(id); }
    Kivo::Simulation::Service& service() { return m_Service; }

private:
    Kivo::Simulation::Service& m_Service;
    std::unique_ptr<Kivo::Configuration::Config> m_Config;
    std::unique_ptr<Kivo::Sessions::SessionManagerBase> m_Session;
};
namespace TestSupport {

// A user of `accounts` signed in on the shared simulated service, with a session over a
// configuration named `name` that holds `items`; the test brings up the session's
// connections itself. The demo account is back once it goes.
class SignedInSession
{
public:
    SignedInSession(const QByteArray& accounts, const QString& user, const QHash<int, QVariant>& items,
                    const QString& name)
    {
        Kivo::Simulation::Service& service = Kivo::Simulation::Service::shared();
        service.setLatency(1);
        QVERIFY(service.load(accounts));
        QSignalSpy signedIn(&service, &Kivo::Simulation::Service::signedIn);
        service.signIn(user, QStringLiteral("pw"));
        QVERIFY(signedIn.wait());
        Kivo::Configuration::Config::Document document;
        document.name = name;
        document.items = items;
        config = std::make_unique<Kivo::Configuration::Config>(QStringLiteral("config_%1.xml").arg(name.toLower()),
                                                               document);
        session = std::make_unique<Kivo::Sessions::SessionManagerBase>(user, QString(), config.get(), nullptr);
        session->contactsManager()->attach(service);
    }

    ~SignedInSession()
    {
        session.reset();
        Kivo::Simulation::Service::shared().loadDemoAccount();
    }

    std::unique_ptr<Kivo::Configuration::Config> config;
    std::unique_ptr<Kivo::Sessions::SessionManagerBase> session;
};

} // namespace TestSupport
