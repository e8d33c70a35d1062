// The search results' groups and the selection proxy that list views select through.
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Contacts/IGroup.h>
#include <Kivo/Models/Roles.h>
#include <Kivo/Models/SearchFilter.h>
#include <Kivo/Models/SearchGroups.h>
#include <Kivo/Models/SelectionHandler.h>

#include <QAbstractItemModelTester>
#include <QItemSelectionModel>
#include <QStandardItemModel>
#include <QtTest>

using namespace Kivo::Models;
using Kivo::Contacts::IGroup;

namespace {

QStringList column(const QAbstractItemModel& model, int role = Qt::DisplayRole)
{
    QStringList values;
    for (int row = 0; row < model.rowCount(); ++row)
        values.append(model.index(row, 0).data(role).toString());
    return values;
}

// A list of people as a search model gives them: name and object.
class People : public QStandardItemModel
{
public:
    explicit People(const QStringList& names)
    {
        for (const QString& name : names)
            add(name);
    }
    void add(const QString& name)
    {
        auto* contact = new Kivo::Contacts::IContact(int(m_Contacts.size()) + 100, name, this);
        m_Contacts.append(contact);
        auto* item = new QStandardItem(name);
        item->setData(QVariant::fromValue<QObject*>(contact), Roles::Contact);
        item->setData(contact->getId(), Roles::ContactId);
        appendRow(item);
    }

private:
    QList<Kivo::Contacts::IContact*> m_Contacts;
};

} // namespace

class TestSelectionAndGroups : public QObject
{
    Q_OBJECT

private slots:
    void groupsShowTheirSearchModels();
    void groupsFollowTheirModels();
    void removedGroupReturnsToItsPlace();
    void selectionProxyMarksItemsAndSelection();
    void selectionProxyFollowsItsSource();
};

void TestSelectionAndGroups::groupsShowTheirSearchModels()
{
    People own({"Ann", "Bo"});
    People directory({"Cy"});
    SearchGroups groups(nullptr);
    QAbstractItemModelTester tester(&groups, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY(!groups.addSearchModel(nullptr));
    IGroup* ownGroup = groups.addSearchModel(&own);
    IGroup* directoryGroup = groups.addSearchModel(&directory);
    ownGroup->setName("Own Contacts");
    directoryGroup->setName("Directory");
    directoryGroup->setCountShown(true);
    QCOMPARE(column(groups), QStringList({"Own Contacts", "Ann", "Bo", "Directory", "Cy"}));
    QCOMPARE(column(groups, Roles::IsGroup), QStringList({"true", "false", "false", "true", "false"}));
    QCOMPARE(groups.index(3, 0).data(Roles::GroupCount).toInt(), 1);
    QCOMPARE(groups.index(4, 0).data(Roles::GroupName).toString(), QString("Directory"));
    QCOMPARE(groups.index(4, 0).data(Roles::GroupOrder).toInt(), 1);
    QVERIFY(groups.index(4, 0).data(Roles::Contact).value<QObject*>());
    QVERIFY(directoryGroup->isCountShown());

    QSignalSpy changed(&groups, &QAbstractItemModel::dataChanged);
    directoryGroup->setSearching(true);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toModelIndex().row(), 3);
    QVERIFY(groups.index(3, 0).data(Roles::GroupSearching).toBool());

    ownGroup->setOpen(false);
    QCOMPARE(column(groups), QStringList({"Own Contacts", "Directory", "Cy"}));
    QCOMPARE(groups.index(0, 0).data(Roles::GroupCount).toInt(), 2);
    ownGroup->setOpen(true);
    QCOMPARE(groups.rowCount(), 5);
}

void TestSelectionAndGroups::groupsFollowTheirModels()
{
    People own({"Ann", "Bo", "Cy", "Dee"});
    SearchFilter filter(&own, nullptr);
    People directory({"Eli"});
    SearchGroups groups(nullptr);
    QAbstractItemModelTester tester(&groups, QAbstractItemModelTester::FailureReportingMode::QtTest);
    groups.addSearchModel(&filter)->setName("Own Contacts");
    IGroup* directoryGroup = groups.addSearchModel(&directory);
    directoryGroup->setName("Directory");

    filter.setFilterRegExp("e");
    QCOMPARE(column(groups), QStringList({"Own Contacts", "Dee", "Directory", "Eli"}));
    filter.setFilterRegExp(QString());
    QCOMPARE(groups.rowCount(), 7);

    // Results arriving or going in a closed group change only its count.
    directory.add("Fox");
    QCOMPARE(column(groups).mid(6), QStringList({"Eli", "Fox"}));
    directoryGroup->setOpen(false);
    directory.add("Gil");
    directory.removeRow(0);
    QCOMPARE(column(groups).constLast(), QString("Directory"));
    QCOMPARE(groups.index(5, 0).data(Roles::GroupCount).toInt(), 2);
    directoryGroup->setOpen(true);
    QCOMPARE(column(groups).mid(6), QStringList({"Fox", "Gil"}));
    directory.clear();
    QCOMPARE(groups.rowCount(), 6);
}

void TestSelectionAndGroups::removedGroupReturnsToItsPlace()
{
    People first({"Ann"});
    People second({"Bo"});
    People third({"Cy"});
    SearchGroups groups(nullptr);
    QAbstractItemModelTester tester(&groups, QAbstractItemModelTester::FailureReportingMode::QtTest);
    IGroup* a = groups.addSearchModel(&first);
    IGroup* b = groups.addSearchModel(&second);
    IGroup* c = groups.addSearchModel(&third);
    a->setName("A");
    b->setName("B");
    c->setName("C");
    groups.removeGroup(b);
    groups.removeGroup(b);
    QCOMPARE(column(groups), QStringList({"A", "Ann", "C", "Cy"}));
    QCOMPARE(groups.groups(), QList<IGroup*>({a, c}));
    second.appendRow(new QStandardItem("Bea"));
    groups.addGroup(b);
    groups.addGroup(b);
    QCOMPARE(column(groups), QStringList({"A", "Ann", "B", "Bo", "Bea", "C", "Cy"}));
    IGroup stranger(9, "X");
    groups.addGroup(&stranger);
    groups.removeGroup(&stranger);
    QCOMPARE(groups.rowCount(), 7);
}

void TestSelectionAndGroups::selectionProxyMarksItemsAndSelection()
{
    People people({"Ann", "Bo"});
    auto* header = new QStandardItem("Team");
    header->setData(true, Roles::IsGroup);
    people.insertRow(0, header);
    people.appendRow(new QStandardItem("Nobody"));

    SelectionHandler contacts(&people, SelectionHandler::ContactItem);
    QAbstractItemModelTester tester(&contacts, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(contacts.objectRole(), int(Roles::Contact));
    QCOMPARE(column(contacts, Roles::ItemKind), QStringList({"0", "1", "1", "0"}));
    QVERIFY(!(contacts.flags(contacts.index(0, 0)) & Qt::ItemIsSelectable));
    QVERIFY(contacts.flags(contacts.index(1, 0)) & Qt::ItemIsSelectable);
    QVERIFY(!(contacts.flags(contacts.index(3, 0)) & Qt::ItemIsSelectable));
    QVERIFY(contacts.hasItems());
    QCOMPARE(contacts.objectAt(2)->property("displayName").toString(), QString("Bo"));
    QVERIFY(!contacts.objectAt(0));
    QCOMPARE(contacts.roleNames().value(Roles::ItemKind), QByteArray("itemKind"));

    // A proxy of another kind finds no items in the same rows.
    SelectionHandler history(&people, SelectionHandler::TimelineEntryItem);
    QCOMPARE(history.objectRole(), int(Roles::TimelineEntry));
    QVERIFY(!history.hasItems());

    QItemSelectionModel selection(&contacts);
    contacts.setSelectionModel(&selection);
    QSignalSpy changed(&contacts, &QAbstractItemModel::dataChanged);
    selection.select(contacts.index(2, 0), QItemSelectionModel::ClearAndSelect);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().at(2).value<QVector<int>>(), QVector<int>({Roles::Selected}));
    QCOMPARE(column(contacts, Roles::Selected), QStringList({"false", "false", "true", "false"}));
    selection.select(contacts.index(1, 0), QItemSelectionModel::ClearAndSelect);
    QCOMPARE(changed.count(), 3);
    QCOMPARE(column(contacts, Roles::Selected), QStringList({"false", "true", "false", "false"}));
}

void TestSelectionAndGroups::selectionProxyFollowsItsSource()
{
    People first({"Ann"});
    People second({"Bo", "Cy"});
    SelectionHandler contacts(nullptr, SelectionHandler::ContactItem);
    QCOMPARE(contacts.count(), 0);
    QVERIFY(!contacts.hasItems());
    QSignalSpy count(&contacts, &SelectionHandler::countChanged);
    contacts.setSourceModel(&first);
    QVERIFY(contacts.hasItems());
    QVERIFY(!count.isEmpty());
    count.clear();
    contacts.setSourceModel(&second);
    QCOMPARE(contacts.count(), 2);
    QVERIFY(!count.isEmpty());
    count.clear();
    second.removeRow(0);
    QCOMPARE(count.count(), 1);
    QCOMPARE(column(contacts), QStringList({"Cy"}));
}

QTEST_GUILESS_MAIN(TestSelectionAndGroups)
#include "tst_selection_and_groups.moc"
