// The contact list's models by kind, the grouped list, and the proxies that filter and sort
// them, followed change by change.
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Contacts/IGroup.h>
#include <Kivo/Models/BlfContactsSort.h>
#include <Kivo/Models/ContactKeys.h>
#include <Kivo/Models/ContactGroupSortProxy.h>
#include <Kivo/Models/ContactListModel.h>
#include <Kivo/Models/Groups.h>
#include <Kivo/Models/Roles.h>
#include <Kivo/Models/SearchFilter.h>
#include <Kivo/Models/SearchGroups.h>
#include <Kivo/Settings.h>
#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Service.h>

#include <QAbstractItemModelTester>
#include <QCollator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardItemModel>
#include <QtTest>

using namespace Kivo;
using ContactList = Kivo::Contacts::Contacts;
namespace Roles = Models::Roles;

namespace {

// Eve is in two groups; Fay and Gus in none; Dan is a favourite once the test marks him.
const QByteArray Scene = R"({ "accounts": [
  { "user": "carol@example.test", "password": "c", "displayName": "Carol Diaz", "contacts": [
      { "id": 1, "name": "Dan Berg", "address": "dan@example.test", "number": "+49 30 1234 567", "group": "Team", "presence": 7 },
      { "id": 2, "name": "Eve Adams", "address": "eve@example.test", "number": "+15550102", "group": "Team", "presence": 2 },
      { "id": 3, "name": "Fay Chen", "address": "fay@example.test", "presence": 4 },
      { "id": 4, "name": "Gus (030) Zorn", "number": "(030) 555-10", "presence": 0 },
      { "id": 5, "name": "Hal Young", "address": "hal@example.test", "group": "Board", "presence": 12 } ] } ] })";

QStringList column(const QAbstractItemModel& model, int role = Qt::DisplayRole)
{
    QStringList values;
    for (int row = 0; row < model.rowCount(); ++row)
        values.append(model.index(row, 0).data(role).toString());
    return values;
}

// The group headings of a grouped list, top to bottom.
QStringList groupHeaders(const QAbstractItemModel& model)
{
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row) {
        if (model.index(row, 0).data(Roles::IsGroup).toBool())
            names << model.index(row, 0).data().toString();
    }
    return names;
}

} // namespace

class TestContactModels : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void flatModelsByKind_data();
    void flatModelsByKind();
    void flatModelsFollowTheList();
    void groupedListShowsEachGroupsContacts();
    void groupedListFollowsChanges();
    void searchMatchesTextAsText_data();
    void searchMatchesTextAsText();
    void groupSortKeepsGroupsAndSortsByName();
    void keysOrderAsTheLocaleCollates_data();
    void keysOrderAsTheLocaleCollates();
    void typingOnNarrowsAndTakingBackWidens();
    void sortedRowsMoveAndKeepTheSelection();
    void rowsAddedAndRemovedInBulkKeepTheOrder();
    void movedGroupsKeepTheirPlaceInTheSortedList();
    void longListsSortAsTheirRowsCompare();
    void otherContactsFollowTheLanguage();
    void blfSortByFirstOrLastName();

private:
    void waitFor(const std::function<bool()>& done);

    QTemporaryDir m_Settings;
    Simulation::Service* m_Service = nullptr;
    std::unique_ptr<ContactList> m_List;
};

void TestContactModels::initTestCase()
{
    QVERIFY(m_Settings.isValid());
    Settings::setPath(Settings::UserSettings, m_Settings.path());
}

void TestContactModels::init()
{
    Settings(Settings::UserSettings).remove("contactlist/sort");
    m_Service = &Simulation::Service::shared();
    m_Service->setLatency(0);
    QVERIFY(m_Service->load(Scene));
    QSignalSpy signedIn(m_Service, &Simulation::Service::signedIn);
    m_Service->signIn("carol@example.test", "c");
    QVERIFY(signedIn.wait());
    m_List = std::make_unique<ContactList>();
    m_List->attach(*m_Service);
}

void TestContactModels::cleanup()
{
    m_List.reset();
    m_Service->loadDemoAccount();
}

void TestContactModels::waitFor(const std::function<bool()>& done)
{
    QTRY_VERIFY(done());
}

void TestContactModels::flatModelsByKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("names");
    const QStringList all = {"Dan Berg", "Eve Adams", "Fay Chen", "Gus (030) Zorn", "Hal Young"};
    QTest::newRow("own contacts (3)") << 3 << all;
    QTest::newRow("online (17)") << 17 << QStringList({"Dan Berg", "Fay Chen", "Hal Young"});
    QTest::newRow("reachable (0x101)") << 0x101 << all;
    QTest::newRow("favourites (0x1003)") << 0x1003 << QStringList();
    QTest::newRow("executives (0x8000)") << 0x8000 << QStringList();
}

void TestContactModels::flatModelsByKind()
{
    QFETCH(int, kind);
    QFETCH(QStringList, names);
    QAbstractItemModel* model = m_List->getModel(kind, true);
    QVERIFY(model);
    QCOMPARE(m_List->getModel(kind, false), model);
    QCOMPARE(column(*model), names);
    if (!names.isEmpty()) {
        const QModelIndex first = model->index(0, 0);
        QCOMPARE(first.data(Roles::Contact).value<QObject*>(), m_List->getContact(first.data(Roles::ContactId).toInt()));
        QCOMPARE(model->roleNames().value(Roles::Available), QByteArray("available"));
    }
    QVERIFY(!m_List->getModel(0x4));
    QVERIFY(!m_List->getModel(0x10));
}

void TestContactModels::flatModelsFollowTheList()
{
    auto* online = static_cast<Models::ContactListModel*>(m_List->getModel(17));
    auto* favourites = static_cast<Models::ContactListModel*>(m_List->getModel(0x1003));
    QAbstractItemModelTester onlineTester(online, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester favouriteTester(favourites, QAbstractItemModelTester::FailureReportingMode::QtTest);
    Simulation::Control control(*m_Service);

    // Eve comes online, Dan goes offline.
    QVERIFY(control.injectPresenceChange(2, 7));
    QVERIFY(control.injectPresenceChange(1, 3));
    waitFor([&] { return column(*online) == QStringList({"Fay Chen", "Hal Young", "Eve Adams"}); });
    QCOMPARE(online->index(2, 0).data(Roles::Available).toBool(), true);

    m_List->addFavorite(5);
    waitFor([&] { return column(*favourites) == QStringList({"Hal Young"}); });
    m_List->removeContact(m_List->getContact(5));
    waitFor([&] { return favourites->count() == 0 && online->count() == 2; });

    // Signing out empties the models before the contacts go.
    m_List->detach();
    QCOMPARE(online->count(), 0);
    QCOMPARE(static_cast<Models::ContactListModel*>(m_List->getModel(3))->count(), 0);
}

void TestContactModels::groupedListShowsEachGroupsContacts()
{
    Models::Groups* groups = m_List->groupsModel();
    QCOMPARE(m_List->getModel(1), groups);
    QAbstractItemModelTester tester(groups, QAbstractItemModelTester::FailureReportingMode::QtTest);
    // Groups by name, the contacts of no group last.
    QCOMPARE(column(*groups), QStringList({"Board", "Hal Young", "Team", "Dan Berg", "Eve Adams", "Other Contacts",
                                           "Fay Chen", "Gus (030) Zorn"}));
    QCOMPARE(column(*groups, Roles::IsGroup), QStringList({"true", "false", "true", "false", "false", "true", "false", "false"}));
    QCOMPARE(groups->index(2, 0).data(Roles::GroupCount).toInt(), 2);
    QCOMPARE(groups->index(4, 0).data(Roles::GroupName).toString(), QString("Team"));
    QCOMPARE(groups->index(4, 0).data(Roles::GroupOrder).toInt(), 1);

    groups->setFilter(Models::Groups::OnlineContacts);
    QCOMPARE(column(*groups), QStringList({"Board", "Hal Young", "Team", "Dan Berg", "Other Contacts", "Fay Chen"}));
    const int team = groups->index(2, 0).data(Roles::GroupId).toInt();
    groups->setGroupOpen(team, false);
    QCOMPARE(column(*groups), QStringList({"Board", "Hal Young", "Team", "Other Contacts", "Fay Chen"}));
    QCOMPARE(groups->index(2, 0).data(Roles::GroupOpen).toBool(), false);
    groups->setGroupOpen(team, true);
    groups->setFilter(Models::Groups::AllContacts);
    QCOMPARE(groups->rowCount(), 8);
}

void TestContactModels::groupedListFollowsChanges()
{
    Models::Groups* groups = m_List->groupsModel();
    QAbstractItemModelTester tester(groups, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const int board = m_List->groups().at(1)->getName() == "Board" ? m_List->groups().at(1)->getId()
                                                                   : m_List->groups().at(0)->getId();

    // Eve joins the board: a row of hers in each group.
    m_List->getContact(2)->addToGroup(board);
    waitFor([&] { return groups->rowCount() == 9; });
    QCOMPARE(column(*groups).mid(0, 3), QStringList({"Board", "Hal Young", "Eve Adams"}));

    // Fay joins the team and so leaves the contacts of no group; a closed group takes her in
    // without showing her.
    const int team = groups->index(3, 0).data(Roles::GroupId).toInt();
    groups->setGroupOpen(team, false);
    m_List->getContact(3)->addToGroup(team);
    waitFor([&] { return !column(*groups).contains("Fay Chen"); });
    QCOMPARE(groups->index(3, 0).data(Roles::GroupCount).toInt(), 3);
    groups->setGroupOpen(team, true);
    QVERIFY(column(*groups).contains("Fay Chen"));

    // Renames and presence reach the rows.
    QSignalSpy changed(groups, &QAbstractItemModel::dataChanged);
    Simulation::Control control(*m_Service);
    QVERIFY(control.injectPresenceChange(5, 2));
    QVERIFY(changed.wait());
    QCOMPARE(groups->index(1, 0).data(Roles::Presence).toInt(), 2);
    m_List->removeContact(m_List->getContact(2));
    waitFor([&] { return !column(*groups).contains("Eve Adams"); });
    m_List->removeGroup(board);
    waitFor([&] { return !column(*groups).contains("Board"); });
    QCOMPARE(column(*groups).constLast(), QString("Hal Young"));
}

void TestContactModels::searchMatchesTextAsText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("empty") << "" << QStringList({"Dan Berg", "Eve Adams", "Fay Chen", "Gus (030) Zorn", "Hal Young"});
    QTest::newRow("name, any case") << "bErG" << QStringList({"Dan Berg"});
    QTest::newRow("address") << "fay@" << QStringList({"Fay Chen"});
    QTest::newRow("number with a plus") << "+4930" << QStringList({"Dan Berg"});
    QTest::newRow("number as written") << "1234 567" << QStringList({"Dan Berg"});
    QTest::newRow("open bracket") << "(030" << QStringList({"Gus (030) Zorn"});
    QTest::newRow("brackets and blanks") << "(030) 555" << QStringList({"Gus (030) Zorn"});
    QTest::newRow("square bracket") << "a[" << QStringList();
    QTest::newRow("pattern signs") << ".*" << QStringList();
    QTest::newRow("digits of a number") << "5550102" << QStringList({"Eve Adams"});
}

void TestContactModels::searchMatchesTextAsText()
{
    QFETCH(QString, text);
    QFETCH(QStringList, found);
    Models::SearchFilter filter(m_List->getModel(3, true), nullptr);
    filter.sort(0);
    QSignalSpy count(&filter, &Models::SearchFilter::countChanged);
    filter.setFilterRegExp(text);
    QCOMPARE(column(filter), found);
    QCOMPARE(filter.count(), found.size());
    QCOMPARE(count.isEmpty(), text.isEmpty());

    // Through the meta-object, as the scenes call it, the text is text too.
    QVERIFY(QMetaObject::invokeMethod(&filter, "setFilterRegExp", Q_ARG(QString, "(")));
    QCOMPARE(column(filter), QStringList({"Gus (030) Zorn"}));
}

void TestContactModels::groupSortKeepsGroupsAndSortsByName()
{
    QStandardItemModel plain;
    for (const char* name : {"Zoe Abbott", "Adam Young", "anna Moss"}) {
        auto* item = new QStandardItem(name);
        item->setData(0, Roles::GroupOrder);
        plain.appendRow(item);
    }
    Models::ContactGroupSortProxy byName(&plain, nullptr);
    byName.sort(0);
    QCOMPARE(column(byName), QStringList({"Adam Young", "anna Moss", "Zoe Abbott"}));
    Settings(Settings::UserSettings).setValue("contactlist/sort", "last name");
    byName.updatePrimarySortField();
    QCOMPARE(column(byName), QStringList({"Zoe Abbott", "anna Moss", "Adam Young"}));

    Models::ContactGroupSortProxy grouped(m_List->groupsModel(), nullptr);
    grouped.sort(0);
    QAbstractItemModelTester tester(&grouped, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(column(grouped), QStringList({"Board", "Hal Young", "Team", "Eve Adams", "Dan Berg", "Other Contacts",
                                           "Fay Chen", "Gus (030) Zorn"}));
    grouped.setFilterRegExp("e");
    QCOMPARE(column(grouped), QStringList({"Board", "Hal Young", "Team", "Eve Adams", "Dan Berg", "Other Contacts",
                                           "Fay Chen"}));

    // A renamed contact takes its new place.
    m_List->getContact(1)->setProperty(Contacts::Properties::DisplayName, "Dan Aalto");
    waitFor([&] { return column(grouped).mid(3, 2) == QStringList({"Dan Aalto", "Eve Adams"}); });
}

void TestContactModels::keysOrderAsTheLocaleCollates_data()
{
    QTest::addColumn<QString>("locale");
    for (const char* locale : {"C", "en_US", "de_DE", "sv_SE", "tr_TR"})
        QTest::newRow(locale) << locale;
}

void TestContactModels::keysOrderAsTheLocaleCollates()
{
    QFETCH(QString, locale);
    // Accents, case, a letter that sorts apart in some languages, digits, signs, a letter
    // beyond the first plane, an empty text.
    QStringList texts = {"zoe",  "Zoë",  "zoe",  "Åsa",     "asa",   "Ärger", "aerger", "Öl",   "oel",  "ıd",
                         "Id",   "id",   "ida 2", "ida 10", "ida-b", "ida b", "",       "😀x", "x😀",
                         "", "ß",  "ss",   "Ǆ",       "dž",    "a	b	c", "a	b"};
    const QLocale chosen(locale);
    QCollator collator(chosen);
    QStringList byCollator = texts;
    std::stable_sort(byCollator.begin(), byCollator.end(), [&](const QString& a, const QString& b) {
        const int order = collator.compare(a, b);
        return order != 0 ? order < 0 : a < b;
    });
    QStringList byKeys = texts;
    std::stable_sort(byKeys.begin(), byKeys.end(), [&](const QString& a, const QString& b) {
        const int order = qstrcmp(Models::ContactKeys::collationKey(a, chosen), Models::ContactKeys::collationKey(b, chosen));
        return order != 0 ? order < 0 : a < b;
    });
    QCOMPARE(byKeys, byCollator);
}

void TestContactModels::sortedRowsMoveAndKeepTheSelection()
{
    // The people online: Dan, Fay and Hal. Rows come and go in the middle of the sorted list
    // and a renamed row moves; the selected row stays selected through all of it.
    Models::SearchFilter sorted(m_List->getModel(17, true), nullptr);
    sorted.sort(0);
    QAbstractItemModelTester tester(&sorted, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(column(sorted), QStringList({"Dan Berg", "Fay Chen", "Hal Young"}));
    QItemSelectionModel selection(&sorted);
    selection.setCurrentIndex(sorted.index(2, 0), QItemSelectionModel::ClearAndSelect);
    const auto selected = [&selection] {
        const QModelIndexList rows = selection.selectedIndexes();
        return rows.size() == 1 && rows.constFirst() == selection.currentIndex() ? rows.constFirst().data().toString()
                                                                                 : QString();
    };

    Simulation::Control control(*m_Service);
    QVERIFY(control.injectPresenceChange(3, 2));
    waitFor([&] { return sorted.rowCount() == 2; });
    QCOMPARE(column(sorted), QStringList({"Dan Berg", "Hal Young"}));
    QCOMPARE(selected(), QString("Hal Young"));
    QVERIFY(control.injectPresenceChange(2, 7));
    waitFor([&] { return sorted.rowCount() == 3; });
    QCOMPARE(column(sorted), QStringList({"Dan Berg", "Eve Adams", "Hal Young"}));
    QCOMPARE(selected(), QString("Hal Young"));

    m_List->getContact(5)->setProperty(Contacts::Properties::DisplayName, "Abe Young");
    waitFor([&] { return column(sorted).constFirst() == "Abe Young"; });
    QCOMPARE(column(sorted), QStringList({"Abe Young", "Dan Berg", "Eve Adams"}));
    QCOMPARE(selected(), QString("Abe Young"));
    m_List->getContact(1)->setProperty(Contacts::Properties::DisplayName, "Zed Berg");
    waitFor([&] { return column(sorted).constLast() == "Zed Berg"; });
    QCOMPARE(column(sorted), QStringList({"Abe Young", "Eve Adams", "Zed Berg"}));
    QCOMPARE(selected(), QString("Abe Young"));

    // A search that keeps the row keeps it selected; one that hides it drops the selection.
    selection.setCurrentIndex(sorted.index(2, 0), QItemSelectionModel::ClearAndSelect);
    sorted.setSearchText("er");
    QCOMPARE(column(sorted), QStringList({"Zed Berg"}));
    QCOMPARE(selected(), QString("Zed Berg"));
    sorted.setSearchText("ad");
    QCOMPARE(column(sorted), QStringList({"Eve Adams"}));
    QVERIFY(!selection.hasSelection());
}

void TestContactModels::rowsAddedAndRemovedInBulkKeepTheOrder()
{
    // Many rows added in one go are sorted in with the others in one new layout; rows removed
    // in one go leave gaps at many places. A row held across both stays on its name.
    QStandardItemModel plain;
    for (const char* name : {"Mia Lund", "Bo Berg", "Zoe Abbott"})
        plain.appendRow(new QStandardItem(name));
    Models::SearchFilter sorted(&plain, nullptr);
    sorted.sort(0);
    QAbstractItemModelTester tester(&sorted, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const QPersistentModelIndex zoe = sorted.index(2, 0);
    QCOMPARE(zoe.data().toString(), QString("Zoe Abbott"));
    const auto byName = [](const QString& a, const QString& b) {
        using namespace Models::Helper;
        return lessByName(sortKey(QString(), QString(), a, FirstName), sortKey(QString(), QString(), b, FirstName));
    };
    QStringList names = column(plain);
    QList<QStandardItem*> added;
    for (int i = 39; i >= 0; --i) {
        const QString name = QStringLiteral("Ned %1").arg(i);
        added.append(new QStandardItem(name));
        names.append(name);
    }
    plain.invisibleRootItem()->insertRows(1, added);
    std::stable_sort(names.begin(), names.end(), byName);
    QCOMPARE(column(sorted), names);
    QCOMPARE(zoe.data().toString(), QString("Zoe Abbott"));
    QCOMPARE(zoe.row(), 42);

    plain.removeRows(2, 30);
    names = column(plain);
    std::stable_sort(names.begin(), names.end(), byName);
    QCOMPARE(column(sorted), names);
    QCOMPARE(zoe.data().toString(), QString("Zoe Abbott"));
}

void TestContactModels::typingOnNarrowsAndTakingBackWidens()
{
    Models::SearchFilter own(m_List->getModel(3, true), nullptr);
    Models::SearchGroups groups(nullptr);
    groups.addSearchModel(&own);
    Models::ContactGroupSortProxy shown(&groups, nullptr);
    shown.sort(0);
    QAbstractItemModelTester tester(&shown, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const auto typed = [&](const QString& text) {
        own.setSearchText(text);
        return column(shown).mid(1);
    };
    // What each text finds, typed on, taken back and typed anew, is what it finds alone.
    const QList<QPair<QString, QStringList>> steps = {
        {"e", {"Dan Berg", "Eve Adams", "Fay Chen", "Hal Young"}},
        {"ev", {"Eve Adams"}},
        {"eve", {"Eve Adams"}},
        {"ev", {"Eve Adams"}},
        {"e", {"Dan Berg", "Eve Adams", "Fay Chen", "Hal Young"}},
        {"", {"Dan Berg", "Eve Adams", "Fay Chen", "Gus (030) Zorn", "Hal Young"}},
        // A sign alone finds no name; with a digit it is a number and finds by digits.
        {"+", {}},
        {"+4", {"Dan Berg"}},
        {"+49", {"Dan Berg"}},
        {"+49 ", {"Dan Berg"}},
        {"+49 x", {}},
        {"a", {"Dan Berg", "Eve Adams", "Fay Chen", "Hal Young"}},
        {"ad", {"Eve Adams"}}};
    for (const auto& step : steps)
        QCOMPARE(typed(step.first), step.second);

    // A contact renamed between two keystrokes is found by what it is called now, also when
    // a letter is taken back to a text typed before the change.
    QCOMPARE(typed("ada"), QStringList({"Eve Adams"}));
    m_List->getContact(5)->setProperty(Contacts::Properties::DisplayName, "Hal Adair");
    waitFor([&] { return column(shown).contains("Hal Adair"); });
    QCOMPARE(typed("ad"), QStringList({"Eve Adams", "Hal Adair"}));
    QCOMPARE(typed("adai"), QStringList({"Hal Adair"}));
    QCOMPARE(typed("ada"), QStringList({"Eve Adams", "Hal Adair"}));
    // ... and takes the place of its new name.
    m_List->getContact(5)->setProperty(Contacts::Properties::DisplayName, "Abe Adair");
    waitFor([&] { return column(shown).contains("Abe Adair"); });
    QCOMPARE(column(shown).mid(1), QStringList({"Abe Adair", "Eve Adams"}));
    QCOMPARE(typed("ad"), QStringList({"Abe Adair", "Eve Adams"}));
    QCOMPARE(typed(""), QStringList({"Abe Adair", "Dan Berg", "Eve Adams", "Fay Chen", "Gus (030) Zorn"}));
}

void TestContactModels::movedGroupsKeepTheirPlaceInTheSortedList()
{
    Models::ContactGroupSortProxy grouped(m_List->groupsModel(), nullptr);
    grouped.sort(0);
    const auto headers = [&grouped] { return groupHeaders(grouped); };
    QCOMPARE(headers(), QStringList({"Board", "Team", "Other Contacts"}));
    Contacts::IGroup* team = m_List->groups().at(1);
    QCOMPARE(team->getName(), QString("Team"));
    team->moveFirst();
    waitFor([&] { return headers() == QStringList({"Team", "Board", "Other Contacts"}); });
    // Each group's contacts stay under it, sorted by name.
    QCOMPARE(column(grouped).mid(0, 4), QStringList({"Team", "Dan Berg", "Eve Adams", "Board"}));
    team->moveDown();
    waitFor([&] { return headers() == QStringList({"Board", "Team", "Other Contacts"}); });
    m_List->groups().at(0)->moveLast();
    waitFor([&] { return headers() == QStringList({"Team", "Board", "Other Contacts"}); });
    m_List->groups().at(1)->moveUp();
    waitFor([&] { return headers() == QStringList({"Board", "Team", "Other Contacts"}); });
}

void TestContactModels::longListsSortAsTheirRowsCompare()
{
    // Enough contacts that a sort places them by number rather than comparing names: twins
    // with one name, names alike in their first 16 key bytes and apart after, contacts of
    // two groups and of none.
    QJsonArray contacts;
    const QStringList firsts = {"Ada", "Bo", "Maximiliane", "maximiliane", "Zoe"};
    const QStringList lasts = {"Konstantinopoulou", "Berg", "Konstantinopoulos", "Abbott"};
    for (int id = 1; id <= 300; ++id) {
        QString name = firsts.at(id % firsts.size()) + ' ' + lasts.at((id / firsts.size()) % lasts.size());
        if (id % 3 != 0)
            name += ' ' + QString::number(id % 17);
        contacts.append(QJsonObject{{"id", id},
                                    {"name", name},
                                    {"address", QStringLiteral("c%1@example.test").arg(id)},
                                    {"group", id % 4 == 0 ? QString() : QStringLiteral("Group %1").arg(id % 2)},
                                    {"presence", 7}});
    }
    const QJsonObject account{{"user", "many@example.test"}, {"password", "m"}, {"contacts", contacts}};
    m_List.reset();
    QSignalSpy signedOut(m_Service, &Simulation::Service::signedOut);
    m_Service->signOut();
    QVERIFY(signedOut.count() > 0 || signedOut.wait());
    QVERIFY(m_Service->load(QJsonDocument(QJsonObject{{"accounts", QJsonArray{account}}}).toJson()));
    QSignalSpy signedIn(m_Service, &Simulation::Service::signedIn);
    m_Service->signIn("many@example.test", "m");
    QVERIFY(signedIn.wait());
    m_List = std::make_unique<ContactList>();
    m_List->attach(*m_Service);

    // The proxy's rows are its source's rows it keeps, put in order one comparison at a time
    // by name roles, stably.
    const auto comparedOrder = [](const QAbstractProxyModel& proxy, Models::Helper::PrimarySortField field) {
        const QAbstractItemModel* source = proxy.sourceModel();
        QVector<int> rows;
        for (int row = 0; row < source->rowCount(); ++row) {
            if (proxy.mapFromSource(source->index(row, 0)).isValid())
                rows.append(row);
        }
        std::stable_sort(rows.begin(), rows.end(), [source, field](int a, int b) {
            const QModelIndex left = source->index(a, 0);
            const QModelIndex right = source->index(b, 0);
            if (left.data(Roles::GroupOrder).toInt() != right.data(Roles::GroupOrder).toInt())
                return left.data(Roles::GroupOrder).toInt() < right.data(Roles::GroupOrder).toInt();
            if (left.data(Roles::IsGroup).toBool() != right.data(Roles::IsGroup).toBool())
                return left.data(Roles::IsGroup).toBool();
            return Models::Helper::lessByName(Models::Helper::sortKey(left, field), Models::Helper::sortKey(right, field));
        });
        return rows;
    };
    const auto sortedOrder = [](const QAbstractProxyModel& proxy) {
        QVector<int> rows;
        for (int row = 0; row < proxy.rowCount(); ++row)
            rows.append(proxy.mapToSource(proxy.index(row, 0)).row());
        return rows;
    };

    Models::ContactGroupSortProxy grouped(m_List->groupsModel(), nullptr);
    Models::SearchFilter own(m_List->getModel(3, true), nullptr);
    Models::SearchGroups groups(nullptr);
    groups.addSearchModel(&own);
    Models::ContactGroupSortProxy searched(&groups, nullptr);
    grouped.sort(0);
    searched.sort(0);
    // Each contact in one group or none: three headings.
    QCOMPARE(grouped.rowCount(), 303);
    const auto check = [&](Models::Helper::PrimarySortField field) {
        QCOMPARE(sortedOrder(grouped), comparedOrder(grouped, field));
        QCOMPARE(sortedOrder(searched), comparedOrder(searched, field));
    };
    check(Models::Helper::FirstName);
    if (QTest::currentTestFailed())
        return;

    // A renamed contact moves among placed rows; a new presence keeps its place.
    m_List->getContact(7)->setProperty(Contacts::Properties::DisplayName, "Bo Aaberg");
    m_List->getContact(8)->setProperty(Contacts::Properties::DisplayName, "Zz Top");
    Simulation::Control control(*m_Service);
    QVERIFY(control.injectPresenceChange(9, 2));
    waitFor([&] {
        const QStringList names = column(searched);
        return names.contains("Bo Aaberg") && names.contains("Zz Top") && column(grouped).contains("Zz Top")
               && column(grouped, Roles::Presence).count("2") == 1;
    });
    check(Models::Helper::FirstName);
    if (QTest::currentTestFailed())
        return;

    // A search keeps the order; so does the other name first.
    own.setSearchText("maxim");
    check(Models::Helper::FirstName);
    own.setSearchText(QString());
    grouped.changePrimarySortField(Models::Helper::LastName);
    searched.changePrimarySortField(Models::Helper::LastName);
    check(Models::Helper::LastName);
    if (QTest::currentTestFailed())
        return;

    // Another source: nothing placed for the one before counts.
    grouped.setSourceModel(m_List->getModel(3, true));
    QCOMPARE(sortedOrder(grouped), comparedOrder(grouped, Models::Helper::LastName));
}

void TestContactModels::otherContactsFollowTheLanguage()
{
    // German for the one text, as a language switch installs it.
    class German : public QTranslator
    {
    public:
        bool isEmpty() const override { return false; }
        QString translate(const char* context, const char* source, const char*, int) const override
        {
            return QByteArray(context) == "Kivo::Models::Groups" && QByteArray(source) == "Other Contacts"
                       ? QStringLiteral("Weitere Kontakte")
                       : QString();
        }
    };
    Models::ContactGroupSortProxy grouped(m_List->groupsModel(), nullptr);
    grouped.sort(0);
    const auto headers = [&grouped] { return groupHeaders(grouped); };
    QStringList germanRows = column(grouped);
    germanRows[germanRows.indexOf("Other Contacts")] = "Weitere Kontakte";
    // The program tells the model of a switch as it tells its other objects that show texts.
    const auto tellOfTheSwitch = [this] {
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(m_List->groupsModel(), &change);
    };
    German german;
    QVERIFY(QCoreApplication::installTranslator(&german));
    tellOfTheSwitch();
    // Every row stays where it was; the other contacts' rows carry the new name too.
    QCOMPARE(column(grouped), germanRows);
    QCOMPARE(column(grouped, Roles::GroupName).last(), QString("Weitere Kontakte"));
    QCoreApplication::removeTranslator(&german);
    tellOfTheSwitch();
    QCOMPARE(headers(), QStringList({"Board", "Team", "Other Contacts"}));
}

void TestContactModels::blfSortByFirstOrLastName()
{
    Models::BlfContactsSort sort;
    sort.setSourceModel(m_List->getModel(3));
    sort.sort(0);
    QCOMPARE(column(sort), QStringList({"Dan Berg", "Eve Adams", "Fay Chen", "Gus (030) Zorn", "Hal Young"}));
    sort.changePrimarySortField(Models::Helper::LastName);
    QCOMPARE(column(sort), QStringList({"Eve Adams", "Dan Berg", "Fay Chen", "Hal Young", "Gus (030) Zorn"}));
}

QTEST_GUILESS_MAIN(TestContactModels)
#include "tst_contact_models.moc"
