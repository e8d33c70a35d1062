#include "contacts_fixture.h"

#include <Kivo/Contacts/ContactSynchronizer.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Controllers/ContactSearchController.h>

using Kivo::Contacts::ContactSynchronizer;
using Kivo::Contacts::IContact;
using Kivo::Controllers::ContactSearchController;
namespace Properties = Kivo::Contacts::Properties;

class TestContactSynchronizer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void lookUp_data();
    void lookUp();
    void keepExistingLeavesOutKnownDetails();
    void refusedStarts();
    void directoryWithoutSessionReportsAnError();

private:
    std::unique_ptr<Kivo::Simulation::Service> m_Service;
    std::unique_ptr<ContactSearchController> m_Search;
};

void TestContactSynchronizer::init()
{
    m_Service = ContactsFixture::signedInService();
    QVERIFY(m_Service);
    m_Search = std::make_unique<ContactSearchController>(m_Service.get());
}

void TestContactSynchronizer::cleanup()
{
    m_Search.reset();
    m_Service.reset();
}

void TestContactSynchronizer::lookUp_data()
{
    QTest::addColumn<Properties::Map>("contact");
    QTest::addColumn<bool>("imAddressOnly");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("matches");
    QTest::addColumn<QString>("name");

    const Properties::Map bob{{Properties::Address, "BOB@test.example"}, {Properties::MobileNumber, "+1 (555) 0102"}};
    QTest::newRow("by address, ignoring case") << bob << false << int(Properties::Address) << 1 << "Bob Lind";
    QTest::newRow("complete look-up") << Properties::Map{{Properties::Email, "dev@test.example"}} << false << 0 << 1
                                      << "Dev Patel";
    QTest::newRow("number by its digits, any number field")
        << Properties::Map{{Properties::HomeNumber, "+1-555-0101"}} << false << int(Properties::HomeNumber) << 2
        << QString();
    QTest::newRow("IM address only ignores numbers")
        << Properties::Map{{Properties::Jid, "dev@test.example"}, {Properties::WorkNumber, "+15550101"}} << true << 0
        << 1 << "Dev Patel";
    QTest::newRow("no match") << Properties::Map{{Properties::Email, "nobody@test.example"}} << false << 0 << 0
                              << QString();
}

void TestContactSynchronizer::lookUp()
{
    QFETCH(Properties::Map, contact);
    QFETCH(bool, imAddressOnly);
    QFETCH(int, key);
    QFETCH(int, matches);
    QFETCH(QString, name);

    IContact draft(-1);
    draft.updateProperties(contact);
    ContactSynchronizer synchronizer(m_Search.get(), imAddressOnly, false);
    QSignalSpy done(&synchronizer, &ContactSynchronizer::syncDone);
    QSignalSpy error(&synchronizer, &ContactSynchronizer::syncError);
    QVERIFY(synchronizer.syncWithDirectory(&draft, key));
    QVERIFY(synchronizer.isRunning());
    QVERIFY(!synchronizer.syncWithDirectory(&draft, key));
    QTRY_COMPARE(done.count() + error.count(), 1);

    QCOMPARE(synchronizer.getContact(), &draft);
    QCOMPARE(error.count(), matches == 0 ? 1 : 0);
    QCOMPARE(synchronizer.hasMultipleMatches(), matches > 1);
    QCOMPARE(synchronizer.getProperties().value(Properties::DisplayName).toString(), name);
    if (matches == 1) {
        QCOMPARE(synchronizer.getProperties().value(Properties::FirstName).toString(), name.section(' ', 0, 0));
        QCOMPARE(synchronizer.getProperties().value(Properties::Company).toString(), QString("test.example"));
    }
}

void TestContactSynchronizer::keepExistingLeavesOutKnownDetails()
{
    IContact draft(-1, "Bobby");
    draft.setProperty(Properties::Address, "bob@test.example");
    ContactSynchronizer synchronizer(m_Search.get(), false, true);
    QSignalSpy done(&synchronizer, &ContactSynchronizer::syncDone);
    QVERIFY(synchronizer.syncWithDirectory(&draft, 0));
    QVERIFY(done.wait());
    const Properties::Map found = synchronizer.getProperties();
    QVERIFY(!found.contains(Properties::DisplayName));
    QVERIFY(!found.contains(Properties::Address));
    QCOMPARE(found.value(Properties::WorkNumber).toString(), QString("+1 555 0101"));
}

void TestContactSynchronizer::refusedStarts()
{
    IContact empty(-1, "Only a name");
    ContactSynchronizer synchronizer(m_Search.get(), false, false);
    QVERIFY(!synchronizer.syncWithDirectory(nullptr, 0));
    QVERIFY(!synchronizer.syncWithDirectory(&empty, 0));
    QVERIFY(!synchronizer.syncWithDirectory(&empty, Properties::Email));
    ContactSynchronizer noDirectory(nullptr, false, false);
    empty.setProperty(Properties::Email, "bob@test.example");
    QVERIFY(!noDirectory.syncWithDirectory(&empty, 0));
    QVERIFY(!synchronizer.isRunning());
}

void TestContactSynchronizer::directoryWithoutSessionReportsAnError()
{
    QSignalSpy signedOut(m_Service.get(), &Kivo::Simulation::Service::signedOut);
    m_Service->signOut();
    QVERIFY(signedOut.wait());
    IContact draft(-1);
    draft.setProperty(Properties::Email, "bob@test.example");
    ContactSynchronizer synchronizer(m_Search.get(), false, false);
    QSignalSpy error(&synchronizer, &ContactSynchronizer::syncError);
    QVERIFY(synchronizer.syncWithDirectory(&draft, 0));
    QVERIFY(error.wait());
}

QTEST_GUILESS_MAIN(TestContactSynchronizer)
#include "tst_contact_synchronizer.moc"
