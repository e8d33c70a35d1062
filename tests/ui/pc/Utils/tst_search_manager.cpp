#include "support/marking_translator.h"
#include "support/signed_in_session.h"
#include "support/test_environment.h"
#include "support/user_settings.h"
#include "Utils/Search/search_manager.h"

#include <Kivo/Contacts/IGroup.h>
#include <Kivo/Controllers/Search/LdapContactSearch.h>
#include <Kivo/Controllers/Search/OutlookContactSearch.h>
#include <Kivo/Controllers/Search/VyxContactSearch.h>
#include <Kivo/Models/Roles.h>
#include <Kivo/Models/SearchFilter.h>
#include <Kivo/Models/SearchGroups.h>
#include <Kivo/Outlook/OutlookIntegration.h>

#include <QSignalSpy>
#include <QTest>

#include <memory>

using Kivo::Controllers::Search::ContactSearchResult;
using Kivo::Models::SearchGroups;
using Utils::Search::SearchManager;
namespace Properties = Kivo::Contacts::Properties;
namespace Roles = Kivo::Models::Roles;

namespace {

// Thirteen people in the directory: alice, Bob and Ada Lind, Chiara, and nine "Mora"s.
QByteArray directoryAccounts()
{
    QString accounts = R"({ "accounts": [
      { "user": "alice@test.example", "password": "a", "displayName": "Alice Carter", "domain": "test.example",
        "contacts": [
          { "id": 1, "name": "Bob Lind", "address": "bob@test.example", "number": "+49 30 1234", "group": "Team" },
          { "id": 2, "name": "Chiara Rossi", "address": "chiara@test.example", "number": "(030) 555", "group": "Team" } ] },
      { "user": "bob@test.example", "password": "b", "displayName": "Bob Lind", "domain": "test.example" },
      { "user": "chiara@test.example", "password": "c", "displayName": "Chiara Rossi", "domain": "test.example" },
      { "user": "a[1]@test.example", "password": "x", "displayName": "Ada Lind", "domain": "test.example" })";
    for (int i = 1; i <= 9; ++i)
        accounts += QStringLiteral(R"(, { "user": "mora%1@test.example", "password": "m", "displayName": "Nia Mora%1",
                                          "domain": "test.example" })")
                        .arg(i);
    accounts += "] }";
    return accounts.toUtf8();
}

// The names of the groups shown and, under each, the display names of its rows.
QStringList shownRows(const SearchGroups& groups)
{
    QStringList rows;
    for (int row = 0; row < groups.rowCount(); ++row) {
        const QModelIndex index = groups.index(row);
        rows.append(index.data(Roles::IsGroup).toBool() ? "# " + index.data(Roles::GroupName).toString()
                                                        : index.data(Qt::DisplayRole).toString());
    }
    return rows;
}

Kivo::Contacts::IGroup* groupNamed(const SearchGroups& groups, const QString& name)
{
    for (Kivo::Contacts::IGroup* group : groups.groups()) {
        if (group->getName() == name)
            return group;
    }
    return nullptr;
}

// A signed-in session with a search manager over its search groups.
struct SearchFixture
{
    explicit SearchFixture(const QHash<int, QVariant>& items)
        : signedIn(items, directoryAccounts())
        , groups(nullptr)
        , manager(&groups, signedIn.session(), nullptr)
        , finished(&signedIn.service(), &Kivo::Simulation::Service::directoryTextSearchFinished)
    {
    }

    SignedInSession signedIn;
    SearchGroups groups;
    SearchManager manager;
    QSignalSpy finished;
};

// The directories of the session: telephony (item 151 offers the enterprise directory too),
// corporate, Outlook; no delay before a search; minimum length as given.
QHash<int, QVariant> items(int minimumLength, int delay = 0)
{
    return {{151, true}, {180, true}, {181, true}, {SearchManager::SearchDelayItem, delay},
            {SearchManager::MinimumLengthItem, minimumLength}};
}

ContactSearchResult person(const QString& first, const QString& last, const QString& displayName)
{
    ContactSearchResult result;
    result.setFirstName(first);
    result.setLastName(last);
    result.setDisplayName(displayName);
    result.setUri(first.toLower() + "@dir.example");
    return result;
}

} // namespace

class SearchManagerTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void sourcesFollowTheConfiguration();
    void minimumLengthAndWildcard_data();
    void minimumLengthAndWildcard();
    void burstOfTextsIsOneSearch();
    void emptyTextClearsAtOnce();
    void uncheckedOutlookLeavesAndReturns();
    void groupOpensForTenResults();
    void resultsBecomeContacts();
    void typedTextIsNeverAPattern_data();
    void typedTextIsNeverAPattern();
    void enterpriseDirectoryAccumulates();
    void failuresAndErrors();
    void groupNamesFollowTheLanguage();

private:
    std::unique_ptr<TestSupport::Environment> m_Env;
};

void SearchManagerTest::init()
{
    m_Env.reset();
    m_Env = std::make_unique<TestSupport::Environment>();
    Kivo::Simulation::Service::shared().setOutlookInstalled(true);
    TestSupport::writeUserSettings({{Kivo::Outlook::OutlookIntegration::ContactSearchKey, true}});
}

void SearchManagerTest::sourcesFollowTheConfiguration()
{
    {
        SearchFixture all(items(1));
        QCOMPARE(shownRows(all.groups), (QStringList{"# Telephony Directory", "# Outlook", "# Corporate Directory"}));
    }
    // Without the corporate directory and Outlook only the telephony directory is there.
    SearchFixture one({{SearchManager::MinimumLengthItem, 1}});
    QCOMPARE(shownRows(one.groups), QStringList{"# Telephony Directory"});
    QVERIFY(!one.manager.createEnterpriseSearch());
}

void SearchManagerTest::minimumLengthAndWildcard_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("too short") << "Li" << QStringList{"# Telephony Directory", "# Corporate Directory"};
    QTest::newRow("long enough, a wildcard added")
        << "Lin" << QStringList{"# Telephony Directory", "Bob Lind", "Ada Lind", "# Corporate Directory", "Bob Lind",
                                "Ada Lind"};
    // A second wildcard would be searched as text and find nobody.
    QTest::newRow("wildcard kept") << "Lin*" << QStringList{"# Telephony Directory", "Bob Lind", "Ada Lind",
                                                            "# Corporate Directory", "Bob Lind", "Ada Lind"};
}

void SearchManagerTest::minimumLengthAndWildcard()
{
    QFETCH(QString, text);
    QFETCH(QStringList, rows);

    SearchFixture fixture({{181, true}, {SearchManager::SearchDelayItem, 0}, {SearchManager::MinimumLengthItem, 3}});
    fixture.manager.search("Bob");
    QTRY_COMPARE(fixture.finished.count(), 2);
    fixture.finished.clear();
    fixture.manager.search(text);
    if (rows.size() > 2)
        QTRY_COMPARE(fixture.finished.count(), 2);
    QTRY_COMPARE(shownRows(fixture.groups), rows);
    QTest::qWait(20);
    QCOMPARE(fixture.finished.count(), rows.size() > 2 ? 2 : 0);
}

void SearchManagerTest::burstOfTextsIsOneSearch()
{
    SearchFixture fixture({{SearchManager::SearchDelayItem, 300}, {SearchManager::MinimumLengthItem, 1}});
    fixture.manager.search("Bob");
    fixture.manager.search("Chi");
    QCOMPARE(fixture.finished.count(), 0);
    QTRY_COMPARE(fixture.finished.count(), 1);
    QCOMPARE(shownRows(fixture.groups), (QStringList{"# Telephony Directory", "Chiara Rossi"}));
    QTest::qWait(400);
    QCOMPARE(fixture.finished.count(), 1);
}

void SearchManagerTest::emptyTextClearsAtOnce()
{
    SearchFixture fixture({{SearchManager::SearchDelayItem, 300}, {SearchManager::MinimumLengthItem, 1}});
    Kivo::Contacts::IGroup* telephony = groupNamed(fixture.groups, "Telephony Directory");
    QVERIFY(telephony);
    fixture.manager.search("Bob");
    QTRY_COMPARE(shownRows(fixture.groups), (QStringList{"# Telephony Directory", "Bob Lind"}));
    fixture.manager.search("Chi");
    fixture.manager.search("");
    QCOMPARE(shownRows(fixture.groups), QStringList{"# Telephony Directory"});
    QVERIFY(!telephony->isSearching());
    QCOMPARE(fixture.manager.searchText(), QString());
    QTest::qWait(400);
    QCOMPARE(fixture.finished.count(), 1);
}

void SearchManagerTest::uncheckedOutlookLeavesAndReturns()
{
    SearchFixture fixture(items(1));
    Kivo::Contacts::IGroup* outlook = groupNamed(fixture.groups, "Outlook");
    QVERIFY(outlook);
    TestSupport::writeUserSettings({{Kivo::Outlook::OutlookIntegration::ContactSearchKey, false}});
    fixture.signedIn.session()->outlookContactsIntegration()->preferencesChanged();
    fixture.manager.search("Chi");
    QCOMPARE(shownRows(fixture.groups).filter("# "), (QStringList{"# Telephony Directory", "# Corporate Directory"}));

    TestSupport::writeUserSettings({{Kivo::Outlook::OutlookIntegration::ContactSearchKey, true}});
    fixture.signedIn.session()->outlookContactsIntegration()->preferencesChanged();
    fixture.manager.search("Chia");
    QCOMPARE(groupNamed(fixture.groups, "Outlook"), outlook);
    // The Outlook search finds the user's own contacts.
    QTRY_COMPARE(shownRows(fixture.groups),
                 (QStringList{"# Telephony Directory", "Chiara Rossi", "# Outlook", "Chiara Rossi",
                              "# Corporate Directory", "Chiara Rossi"}));
}

void SearchManagerTest::groupOpensForTenResults()
{
    SearchFixture fixture({{SearchManager::MinimumLengthItem, 1}});
    Kivo::Controllers::Search::VyxContactSearch* directory = fixture.signedIn.session()->vyxContactSearchController();
    Kivo::Contacts::IGroup* telephony = groupNamed(fixture.groups, "Telephony Directory");
    QList<ContactSearchResult> results;
    for (int i = 0; i < 11; ++i)
        results.append(person(QStringLiteral("Nia%1").arg(i), "Mora", QString()));
    emit directory->searchContactsResults(results, 11);
    QVERIFY(!telephony->isOpen());
    QCOMPARE(shownRows(fixture.groups), QStringList{"# Telephony Directory"});
    results.removeLast();
    emit directory->searchContactsResults(results, 10);
    QVERIFY(telephony->isOpen());
    // The earlier answer was replaced, not added to.
    QCOMPARE(shownRows(fixture.groups).size(), 11);
}

void SearchManagerTest::resultsBecomeContacts()
{
    SearchFixture fixture({{SearchManager::MinimumLengthItem, 1}, {181, true}});
    fixture.manager.search("Nia");
    Kivo::Controllers::Search::VyxContactSearch* telephony = fixture.signedIn.session()->vyxContactSearchController();
    Kivo::Controllers::Search::LdapContactSearch* corporate = fixture.signedIn.session()->ldapContactSearch();

    // The telephony directory composes display names: one that says no more than the names
    // is left out. The corporate directory's names are kept as they come.
    ContactSearchResult composed = person("Nia", "Mora", "Nia Mora");
    ContactSearchResult own = person("Ola", "Berg", "Dr. Ola Berg");
    own.setHiraganaNames("ola", "berg");
    own.setJid("Ola.Berg@Dir.Example");
    own.setPhone("+49 30 999");
    own.setCorvantiumuid("u-17");
    own.setAdditionalData("emailAddress", "first@dir.example");
    own.setAdditionalData("mail", "second@dir.example");
    own.setAdditionalData("addressLine1", "Main Street 1");
    own.setAdditionalData("addressLine2", "");
    own.setAdditionalData("department", "");
    own.setAdditionalData("extension", "17");
    own.setAdditionalData("roomId", "room-17");
    ContactSearchResult noStreet = person("Kai", "Roth", "Kai Roth");
    noStreet.setAdditionalData("addressLine1", "");
    noStreet.setAdditionalData("addressLine2", "");
    emit telephony->searchContactsResults({composed, own, noStreet}, 3);
    emit corporate->searchContactsResults({composed}, 1);

    const QList<Kivo::Contacts::IGroup*> groups = fixture.groups.groups();
    QCOMPARE(groups.size(), 2);
    QList<Kivo::Contacts::IContact*> found;
    for (int row = 0; row < fixture.groups.rowCount(); ++row) {
        if (auto* contact = qobject_cast<Kivo::Contacts::IContact*>(
                fixture.groups.index(row).data(Roles::Contact).value<QObject*>()))
            found.append(contact);
    }
    QCOMPARE(found.size(), 4);
    for (Kivo::Contacts::IContact* contact : found) {
        QVERIFY(contact->isSearchResult());
        QCOMPARE(contact->searchText(), QStringLiteral("Nia"));
    }
    QVERIFY(!found[0]->properties().contains(Properties::DisplayName));
    QCOMPARE(found[3]->getProperty(Properties::DisplayName).toString(), QStringLiteral("Nia Mora"));

    const Kivo::Contacts::IContact* ola = found[1];
    QCOMPARE(ola->getProperty(Properties::DisplayName).toString(), QStringLiteral("Dr. Ola Berg"));
    QCOMPARE(ola->getAddress(), QStringLiteral("ola@dir.example"));
    QCOMPARE(ola->getProperty(Properties::HiraganaLastName).toString(), QStringLiteral("berg"));
    QCOMPARE(ola->getProperty(Properties::Jid).toString(), QStringLiteral("ola.berg@dir.example"));
    QCOMPARE(ola->getProperty(Properties::WorkNumber).toString(), QStringLiteral("+49 30 999"));
    QCOMPARE(ola->getProperty(Properties::DirectoryUid).toString(), QStringLiteral("u-17"));
    // The later of two attributes of one property wins; empty attributes are left out.
    QCOMPARE(ola->getProperty(Properties::Email).toString(), QStringLiteral("second@dir.example"));
    QVERIFY(!ola->properties().contains(Properties::Department));
    QCOMPARE(ola->getProperty(Properties::Street).toString(), QStringLiteral("Main Street 1 "));
    QCOMPARE(ola->getProperty(Properties::Extension).toString(), QStringLiteral("17"));
    QCOMPARE(ola->getProperty(Properties::WebCollabRoom).toString(), QStringLiteral("room-17"));
    QVERIFY(!found[2]->properties().contains(Properties::Street));
}

void SearchManagerTest::typedTextIsNeverAPattern_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("own");
    QTest::addColumn<QStringList>("directory");

    QTest::newRow("a number with its country code") << "+4930" << QStringList{"Bob Lind"} << QStringList{"Bob Lind"};
    QTest::newRow("an area code in brackets") << "(030" << QStringList{"Chiara Rossi"} << QStringList{"Chiara Rossi"};
    QTest::newRow("an open bracket") << "a[" << QStringList{} << QStringList{"Ada Lind"};
}

void SearchManagerTest::typedTextIsNeverAPattern()
{
    QFETCH(QString, text);
    QFETCH(QStringList, own);
    QFETCH(QStringList, directory);

    SearchFixture fixture({{SearchManager::MinimumLengthItem, 1}});
    // The user's own contacts are filtered where they are; the directory is asked.
    Kivo::Models::SearchFilter filter(fixture.signedIn.contacts()->getModel(3), nullptr);
    filter.setFilterRegExp(text);
    QStringList ownNames;
    for (int row = 0; row < filter.rowCount(); ++row)
        ownNames.append(filter.index(row, 0).data().toString());
    QCOMPARE(ownNames, own);
    fixture.manager.search(text);
    QTRY_COMPARE(fixture.finished.count(), 1);
    QCOMPARE(shownRows(fixture.groups).mid(1), directory);
}

void SearchManagerTest::enterpriseDirectoryAccumulates()
{
    SearchFixture fixture(items(1));
    QSignalSpy searching(&fixture.manager, &SearchManager::enterpriseSearching);
    QAbstractItemModel* directory = fixture.manager.createEnterpriseSearch();
    QVERIFY(directory);
    QCOMPARE(searching.count(), 1);
    // The whole directory, and no group of its own.
    QTRY_COMPARE(directory->rowCount(), 13);
    QCOMPARE(searching.count(), 2);
    QVERIFY(!groupNamed(fixture.groups, "Directory"));
    emit fixture.signedIn.session()->contactFullSearchController()->searchContactsResults(
        {person("Kai", "Roth", "Kai Roth")}, 1);
    QCOMPARE(directory->rowCount(), 14);
    // Typing does not touch it.
    fixture.manager.search("Bob");
    QTRY_COMPARE(fixture.finished.count(), 4);
    QCOMPARE(directory->rowCount(), 14);
}

void SearchManagerTest::failuresAndErrors()
{
    SearchFixture fixture(items(1));
    fixture.manager.search("Lind");
    QTRY_COMPARE(fixture.finished.count(), 3);
    QTRY_COMPARE(shownRows(fixture.groups).count("Bob Lind"), 3);
    // A failed corporate search empties its group; Outlook errors are only logged.
    emit fixture.signedIn.session()->ldapContactSearch()->searchFailed();
    QCOMPARE(shownRows(fixture.groups).count("Bob Lind"), 2);
    using Outlook = Kivo::Controllers::Search::OutlookContactSearch;
    const QList<QPair<int, QString>> errors = {{Outlook::Initializing, "Outlook search is initializing"},
                                               {Outlook::Timeout, "Operation timeout"},
                                               {Outlook::Failure, "Outlook is busy"},
                                               // A code the engine does not name, inside the
                                               // enumeration's range (beyond it is no value at all).
                                               {0, "Unknown error while obtaining contacts from Outlook"}};
    for (const auto& error : errors) {
        emit fixture.signedIn.session()->outlookContactSearch()->errorMessage(
            Outlook::Error(error.first), error.first == Outlook::Failure ? "Outlook is busy" : "ignored");
        QVERIFY2(m_Env->logs().contains("Outlook error: " + error.second), qPrintable(error.second));
    }
    emit fixture.signedIn.session()->outlookContactSearch()->errorMessage(Outlook::Failure, QString());
    QCOMPARE(m_Env->logs().count("Outlook error: Unknown error while obtaining contacts from Outlook"), 2);
    QCOMPARE(shownRows(fixture.groups).count("Bob Lind"), 2);
    fixture.manager.clearSearch();
    QCOMPARE(shownRows(fixture.groups).filter("Lind"), QStringList());
}

void SearchManagerTest::groupNamesFollowTheLanguage()
{
    SearchFixture fixture(items(1));
    TestSupport::MarkingTranslator translator("Utils::Search::SearchManager");
    QCoreApplication::installTranslator(&translator);
    fixture.manager.retranslate();
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(shownRows(fixture.groups), (QStringList{"# ~Telephony Directory", "# ~Outlook", "# ~Corporate Directory"}));
}

QTEST_MAIN(SearchManagerTest)
#include "tst_search_manager.moc"
