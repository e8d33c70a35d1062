#include "contacts_fixture.h"

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Simulation/Control.h>

#include <Tesk/Core/Logging/RecordCapture.h>

using Kivo::Contacts::Contacts;
using Kivo::Contacts::IContact;
using Kivo::Contacts::IGroup;
namespace Properties = Kivo::Contacts::Properties;

class TestContacts : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void listIsFilledFromTheSignedInAccount();
    void additionArrivesAsANewStoredContact();
    void refusedAdditionLeavesTheList_data();
    void refusedAdditionLeavesTheList();
    void favourites();
    void groupLifeCycle();
    void refusedGroupNames_data();
    void refusedGroupNames();
    void membershipAndGroupRemoval();
    void removal();
    void propertyChangeWaitsForTheService();
    void presenceFollowsTheServiceWhileSubscribed();
    void detachedListRefusesChanges();

private:
    std::unique_ptr<Kivo::Simulation::Service> m_Service;
    std::unique_ptr<Contacts> m_Contacts;
};

void TestContacts::init()
{
    m_Service = ContactsFixture::signedInService();
    QVERIFY(m_Service);
    m_Contacts = std::make_unique<Contacts>();
    QSignalSpy loaded(m_Contacts.get(), &Contacts::contactsLoaded);
    m_Contacts->attach(*m_Service);
    QCOMPARE(loaded.count(), 1);
}

void TestContacts::cleanup()
{
    m_Contacts.reset();
    m_Service.reset();
}

void TestContacts::listIsFilledFromTheSignedInAccount()
{
    QCOMPARE(m_Contacts->names(), QStringList({"Bob Lind", "Chiara Rossi", "Voice Mail"}));
    QVERIFY(!m_Contacts->isReadOnly());

    const IContact* own = m_Contacts->getContact(0);
    QVERIFY(own);
    QCOMPARE(own->getDisplayName(), QString("Alice Carter"));
    QCOMPARE(own->getAddress(), QString("alice@test.example"));
    QVERIFY(!own->isStored());
    QVERIFY(!own->isTemporary());
    QVERIFY(own->getPresence());

    const IContact* chiara = m_Contacts->getContact(2);
    QVERIFY(chiara && chiara->isStored());
    QCOMPARE(chiara->getProperty(Properties::WorkNumber).toString(), QString("+15550102"));
    QCOMPARE(chiara->presenceState(), 12);
    QCOMPARE(chiara->statusText(), QString("Review"));
    QVERIFY(chiara->getIdentity().contains("chiara@test.example"));
    QCOMPARE(m_Contacts->findByAddress(" CHIARA@test.example "), chiara);
    QVERIFY(!m_Contacts->getContact(3));

    QCOMPARE(m_Contacts->groups().size(), 1);
    const IGroup* team = m_Contacts->groups().first();
    QCOMPARE(team->getName(), QString("Team"));
    QCOMPARE(chiara->groupIds(), QList<int>({team->getId()}));
    QVERIFY(m_Contacts->getContact(4)->groupIds().isEmpty());
}

void TestContacts::additionArrivesAsANewStoredContact()
{
    IContact* draft = m_Contacts->createTemporaryContact(this);
    QVERIFY(draft->isTemporary());
    QVERIFY(draft->getId() < 0);
    draft->updateProperties({{Properties::DisplayName, " Dev Patel "}, {Properties::Address, "dev@test.example"},
                             {Properties::MobileNumber, "+15550177"}, {Properties::Email, ""}});
    QCOMPARE(draft->getDisplayName(), QString(" Dev Patel "));

    QSignalSpy added(m_Contacts.get(), &Contacts::contactAdded);
    QSignalSpy stored(m_Contacts.get(), &Contacts::contactStored);
    QSignalSpy favourites(m_Contacts.get(), &Contacts::favoritesChanged);
    m_Contacts->addContact(draft, true, true);
    QCOMPARE(added.count(), 0);
    QVERIFY(added.wait());

    auto* contact = added.first().first().value<IContact*>();
    QVERIFY(contact != draft);
    QVERIFY(contact->isStored());
    QCOMPARE(contact->getId(), 5);
    QCOMPARE(contact->getDisplayName(), QString("Dev Patel"));
    QCOMPARE(contact->getProperty(Properties::MobileNumber).toString(), QString("+15550177"));
    QVERIFY(contact->isFavorite());
    // A user of the service shows that user's presence at once.
    QCOMPARE(contact->presenceState(), 7);
    QCOMPARE(stored.first().at(0).toInt(), draft->getId());
    QCOMPARE(favourites.count(), 1);
    QCOMPARE(m_Contacts->contacts().last(), contact);
    QVERIFY(draft->isTemporary());
    QCOMPARE(m_Service->contact(5)->name, QString("Dev Patel"));
}

void TestContacts::refusedAdditionLeavesTheList_data()
{
    QTest::addColumn<Properties::Map>("properties");
    QTest::addColumn<QString>("reason");
    QTest::newRow("address already listed, other case")
        << Properties::Map{{Properties::DisplayName, "B"}, {Properties::Address, "BOB@test.example"}}
        << "BOB@test.example is already in the contact list";
    QTest::newRow("nothing to reach the contact by")
        << Properties::Map{{Properties::Company, "Acme"}} << "A contact needs a name, an address or a number";
    QTest::newRow("control characters")
        << Properties::Map{{Properties::DisplayName, QString("Eve\x01")}} << "A contact detail contains control characters";
    QTest::newRow("overlong detail")
        << Properties::Map{{Properties::DisplayName, QString(1001, 'x')}}
        << "A contact detail is longer than 1000 characters";
}

void TestContacts::refusedAdditionLeavesTheList()
{
    QFETCH(Properties::Map, properties);
    QFETCH(QString, reason);
    IContact* draft = m_Contacts->createTemporaryContact(this);
    draft->updateProperties(properties);

    QSignalSpy failed(m_Contacts.get(), &Contacts::requestFailed);
    QSignalSpy added(m_Contacts.get(), &Contacts::contactAdded);
    m_Contacts->addContact(draft, true, false);
    QVERIFY(failed.wait());
    QCOMPARE(failed.first().at(0).toInt(), draft->getId());
    QCOMPARE(failed.first().at(1).toString(), reason);
    QCOMPARE(added.count(), 0);
    QCOMPARE(m_Contacts->contacts().size(), 3);
}

void TestContacts::favourites()
{
    QSignalSpy changed(m_Contacts.get(), &Contacts::favoritesChanged);
    m_Contacts->addFavorite(2);
    m_Contacts->addFavorite(99);
    m_Contacts->addFavorite(0);
    QVERIFY(m_Contacts->favorites().isEmpty());
    QVERIFY(changed.wait());
    QCOMPARE(m_Contacts->favorites(), QList<IContact*>({m_Contacts->getContact(2)}));
    QVERIFY(m_Contacts->getContact(2)->isFavorite());

    m_Contacts->removeFavorite(2);
    QVERIFY(changed.wait());
    QVERIFY(m_Contacts->favorites().isEmpty());
    QCOMPARE(changed.count(), 2);
}

void TestContacts::groupLifeCycle()
{
    QSignalSpy added(m_Contacts.get(), &Contacts::groupAdded);
    IGroup* group = m_Contacts->addGroup(" Sales ");
    QVERIFY(group);
    QVERIFY(!m_Contacts->groups().contains(group));
    QVERIFY(added.wait());
    QCOMPARE(added.first().first().value<IGroup*>(), group);
    QCOMPARE(group->getName(), QString("Sales"));
    QVERIFY(group->getId() > 0);
    QCOMPARE(m_Contacts->getGroup(group->getId()), group);

    QSignalSpy renamed(group, &IGroup::nameChanged);
    group->setName("Key accounts");
    QCOMPARE(group->getName(), QString("Sales"));
    QVERIFY(renamed.wait());
    QCOMPARE(group->getName(), QString("Key accounts"));
}

void TestContacts::refusedGroupNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("taken, other case") << "team" << "A group named team already exists";
    QTest::newRow("blank") << "  " << "A group needs a name";
}

void TestContacts::refusedGroupNames()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QSignalSpy failed(m_Contacts.get(), &Contacts::requestFailed);
    QPointer<IGroup> pending = m_Contacts->addGroup(name);
    QVERIFY(pending);
    QVERIFY(failed.wait());
    QCOMPARE(failed.first().at(1).toString(), reason);
    QTRY_VERIFY(!pending);
    QCOMPARE(m_Contacts->groups().size(), 1);

    // Renaming into a taken name is refused the same way and keeps the old name.
    IGroup* team = m_Contacts->groups().first();
    IGroup* other = m_Contacts->addGroup("Other");
    QSignalSpy added(m_Contacts.get(), &Contacts::groupAdded);
    QVERIFY(added.wait());
    other->setName("TEAM");
    QVERIFY(failed.wait());
    QCOMPARE(failed.last().at(0).toInt(), other->getId());
    QCOMPARE(other->getName(), QString("Other"));
    QCOMPARE(team->getName(), QString("Team"));
}

void TestContacts::membershipAndGroupRemoval()
{
    IContact* voiceMail = m_Contacts->getContact(4);
    IContact* bob = m_Contacts->getContact(1);
    const int team = m_Contacts->groups().first()->getId();
    QSignalSpy changed(voiceMail, &IContact::changed);
    voiceMail->addToGroup(team);
    QVERIFY(changed.wait());
    QCOMPARE(voiceMail->groupIds(), QList<int>({team}));

    QSignalSpy failed(m_Contacts.get(), &Contacts::requestFailed);
    voiceMail->addToGroup(777);
    QVERIFY(failed.wait());
    QCOMPARE(failed.first().at(1).toString(), QString("The group does not exist"));

    QSignalSpy removed(m_Contacts.get(), &Contacts::groupRemoved);
    QSignalSpy bobChanged(bob, &IContact::changed);
    m_Contacts->removeGroup(team);
    QVERIFY(removed.wait());
    QVERIFY(m_Contacts->groups().isEmpty());
    QVERIFY(!m_Contacts->getGroup(team));
    QCOMPARE(bobChanged.count(), 1);
    QVERIFY(bob->groupIds().isEmpty());
    QVERIFY(voiceMail->groupIds().isEmpty());
}

void TestContacts::removal()
{
    QPointer<IContact> bob = m_Contacts->getContact(1);
    QSignalSpy removed(m_Contacts.get(), &Contacts::contactRemoved);
    m_Contacts->removeContact(bob);
    m_Contacts->removeContact(QPointer<IContact>());
    IContact* draft = m_Contacts->createTemporaryContact(this);
    m_Contacts->removeContact(draft);
    QVERIFY(bob);
    QVERIFY(removed.wait());
    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed.first().first().toInt(), 1);
    QCOMPARE(m_Contacts->names(), QStringList({"Chiara Rossi", "Voice Mail"}));
    QVERIFY(!m_Contacts->getContact(1));
    QTRY_VERIFY(!bob);
    QVERIFY(!m_Service->contact(1));
}

void TestContacts::propertyChangeWaitsForTheService()
{
    IContact* chiara = m_Contacts->getContact(2);
    QSignalSpy nameChanged(chiara, &IContact::displayNameChanged);
    chiara->updateProperties({{Properties::DisplayName, "Chiara R."}, {Properties::Email, "c@test.example"}});
    QCOMPARE(chiara->getDisplayName(), QString("Chiara Rossi"));
    QVERIFY(nameChanged.wait());
    QCOMPARE(chiara->getDisplayName(), QString("Chiara R."));
    QCOMPARE(chiara->getProperty(Properties::Email).toString(), QString("c@test.example"));
    QCOMPARE(chiara->getProperty(Properties::WorkNumber).toString(), QString("+15550102"));

    // Clearing a detail removes it; taking another contact's address is refused.
    QSignalSpy changed(chiara, &IContact::changed);
    chiara->setProperty(Properties::Email, QString());
    QVERIFY(changed.wait());
    QVERIFY(chiara->getProperty(Properties::Email).isNull());
    QSignalSpy failed(m_Contacts.get(), &Contacts::requestFailed);
    chiara->setProperty(Properties::Address, "bob@test.example");
    QVERIFY(failed.wait());
    QCOMPARE(chiara->getAddress(), QString("chiara@test.example"));
}

void TestContacts::presenceFollowsTheServiceWhileSubscribed()
{
    Kivo::Simulation::Control control(*m_Service);
    IContact* bob = m_Contacts->getContact(1);
    QSignalSpy changed(bob, &IContact::changed);
    QVERIFY(control.injectPresenceChange(1, 12, "Lunch"));
    QVERIFY(changed.wait());
    QCOMPARE(bob->presenceState(), 12);
    QCOMPARE(bob->statusText(), QString("Lunch"));

    bob->unsubscribe();
    QVERIFY(changed.wait());
    QVERIFY(!bob->isSubscribed());
    QCOMPARE(bob->presenceState(), 0);
    QSignalSpy served(m_Service.get(), &Kivo::Simulation::Service::presenceChanged);
    QVERIFY(control.injectPresenceChange(1, 7));
    QVERIFY(served.wait());
    QCOMPARE(bob->presenceState(), 0);

    bob->subscribe();
    QVERIFY(changed.wait());
    QCOMPARE(bob->presenceState(), 7);
}

void TestContacts::detachedListRefusesChanges()
{
    Tesk::Core::Logging::RecordCapture capture;
    QPointer<IContact> bob = m_Contacts->getContact(1);
    m_Contacts->detach();
    QVERIFY(m_Contacts->isReadOnly());
    QVERIFY(m_Contacts->contacts().isEmpty());
    QVERIFY(!bob);
    QVERIFY(!m_Contacts->addGroup("X"));
    IContact* draft = m_Contacts->createTemporaryContact(this);
    draft->setProperty(Properties::DisplayName, "Z");
    QSignalSpy failed(m_Contacts.get(), &Contacts::requestFailed);
    m_Contacts->addContact(draft, true, false);
    QVERIFY(capture.contains("contact addition refused"));
    QCOMPARE(failed.count(), 0);
}

QTEST_GUILESS_MAIN(TestContacts)
#include "tst_contacts.moc"
