#include "support/signed_in_session.h"
#include "support/test_environment.h"
#include "Utils/blf_selection_handler.h"
#include "Utils/contact_selection_handler.h"
#include "Utils/participant_selection_handler.h"
#include "Utils/timeline_selection_handler.h"

#include <Kivo/Models/TimelineEntry.h>

#include <QItemSelectionModel>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTest>

#include <memory>

using Utils::SelectionHandlerBase;

namespace {

constexpr int Shift = Qt::ShiftModifier;
constexpr int Ctrl = Qt::ControlModifier;

// A list as the engine's selection proxy shows it: item rows carry their kind and object,
// header rows (kind 0) cannot be selected. Rows are written as a string: 'c' a contact row,
// 'h' a header.
class ListFixture
{
public:
    explicit ListFixture(const QString& layout, int kind = SelectionHandlerBase::ContactItem,
                         int role = SelectionHandlerBase::ContactRole)
    {
        for (const QChar row : layout) {
            auto* item = new QStandardItem;
            item->setEditable(false);
            if (row == 'h') {
                item->setFlags(Qt::ItemIsEnabled);
                item->setData(SelectionHandlerBase::NoItem, SelectionHandlerBase::ItemKindRole);
            } else {
                auto* object = new QObject(&owner);
                object->setObjectName(QString::number(model.rowCount()));
                item->setData(kind, SelectionHandlerBase::ItemKindRole);
                item->setData(QVariant::fromValue(object), role);
            }
            model.appendRow(item);
        }
    }

    // The selected rows, in ascending order.
    QList<int> selectedRows() const
    {
        QList<int> rows;
        for (const QModelIndex& index : selectionModel.selectedIndexes())
            rows.append(index.row());
        std::sort(rows.begin(), rows.end());
        return rows;
    }

    QObject owner;
    QStandardItemModel model;
    QItemSelectionModel selectionModel{&model};
};

} // namespace

class SelectionHandlersTest : public QObject
{
    Q_OBJECT

private slots:
    void clicksWithModifiers_data();
    void clicksWithModifiers();
    void emptyModelIgnoresEverything();
    void keyboardSteps_data();
    void keyboardSteps();
    void writingCurrentIndexOnHeaders_data();
    void writingCurrentIndexOnHeaders();
    void removedRowsClearTheSelection();
    void selectionListsEachObjectOnce();
    void contactIdsAsDragData();
    void listContactsLeaveSearchResultsOut();
    void handlersWithoutDragData();
    void missedHistoryEntries();
};

void SelectionHandlersTest::clicksWithModifiers_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<int>("current");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QList<int>>("expectedRows");
    QTest::addColumn<int>("expectedCurrent");

    // A current row of -1 starts with nothing current; `selected` rows are selected first.
    QTest::newRow("click") << "cccc" << 1 << QList<int>{1} << 3 << 0 << QList<int>{3} << 3;
    QTest::newRow("ctrl-click adds") << "cccc" << 1 << QList<int>{1} << 3 << Ctrl << QList<int>{1, 3} << 3;
    QTest::newRow("ctrl-click on a selected row deselects it, still current")
        << "cccc" << 1 << QList<int>{1, 3} << 3 << Ctrl << QList<int>{1} << 3;
    QTest::newRow("shift-click without a current row starts at row 0")
        << "cccc" << -1 << QList<int>{} << 2 << Shift << QList<int>{0, 1, 2} << -1;
    QTest::newRow("shift-click keeps the anchor current") << "cccc" << 1 << QList<int>{1} << 3 << Shift
                                                          << QList<int>{1, 2, 3} << 1;
    QTest::newRow("shift-click upwards") << "cccc" << 3 << QList<int>{3} << 1 << Shift << QList<int>{1, 2, 3} << 3;
    QTest::newRow("shift-click replaces the selection")
        << "ccccc" << 3 << QList<int>{0, 3} << 4 << Shift << QList<int>{3, 4} << 3;
    QTest::newRow("ctrl-shift-click extends the selection")
        << "ccccc" << 3 << QList<int>{0, 3} << 4 << (Ctrl | Shift) << QList<int>{0, 3, 4} << 3;
    QTest::newRow("shift-click on the anchor alone makes it current")
        << "cccc" << -1 << QList<int>{} << 0 << Shift << QList<int>{0} << 0;
    QTest::newRow("a range skips headers") << "chcc" << 0 << QList<int>{0} << 3 << Shift << QList<int>{0, 2, 3} << 0;
}

void SelectionHandlersTest::clicksWithModifiers()
{
    QFETCH(QString, layout);
    QFETCH(int, current);
    QFETCH(QList<int>, selected);
    QFETCH(int, row);
    QFETCH(int, modifiers);
    QFETCH(QList<int>, expectedRows);
    QFETCH(int, expectedCurrent);

    ListFixture list(layout);
    Utils::BlfSelectionHandler handler(&list.model, &list.selectionModel, nullptr);
    for (int selectedRow : selected)
        list.selectionModel.select(list.model.index(selectedRow, 0), QItemSelectionModel::Select);
    if (current >= 0)
        list.selectionModel.setCurrentIndex(list.model.index(current, 0), QItemSelectionModel::NoUpdate);

    handler.select(row, modifiers);
    QCOMPARE(list.selectedRows(), expectedRows);
    QCOMPARE(handler.currentIndex(), expectedCurrent);
    QCOMPARE(handler.lastModifiers(), modifiers);
}

void SelectionHandlersTest::emptyModelIgnoresEverything()
{
    ListFixture list("");
    Utils::BlfSelectionHandler handler(&list.model, &list.selectionModel, nullptr);
    QSignalSpy current(&handler, &SelectionHandlerBase::currentIndexChanged);
    handler.setCurrentIndex(0);
    handler.setCurrentIndex(3);
    handler.moveSelection(false);
    handler.moveSelection(true);
    handler.select(0, Shift);
    handler.setSelection({&list.owner});
    QCOMPARE(handler.currentIndex(), -1);
    QVERIFY(handler.selection().isEmpty());
    QCOMPARE(handler.selectionAsString(), QString());
    QCOMPARE(current.count(), 0);
}

void SelectionHandlersTest::keyboardSteps_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("up");
    QTest::addColumn<int>("expectedCurrent");

    QTest::newRow("down without a current row skips row 0") << "ccc" << -1 << false << 1;
    QTest::newRow("up without a current row stays") << "ccc" << -1 << true << -1;
    QTest::newRow("down") << "ccc" << 0 << false << 1;
    QTest::newRow("up") << "ccc" << 2 << true << 1;
    QTest::newRow("no wrap at the end") << "ccc" << 2 << false << 2;
    QTest::newRow("no wrap at the top") << "ccc" << 0 << true << 0;
    QTest::newRow("down over a header") << "chc" << 0 << false << 2;
    QTest::newRow("up over headers") << "chhc" << 3 << true << 0;
    QTest::newRow("only headers below") << "chh" << 0 << false << 0;
}

void SelectionHandlersTest::keyboardSteps()
{
    QFETCH(QString, layout);
    QFETCH(int, current);
    QFETCH(bool, up);
    QFETCH(int, expectedCurrent);

    ListFixture list(layout);
    Utils::BlfSelectionHandler handler(&list.model, &list.selectionModel, nullptr);
    if (current >= 0)
        handler.select(current, 0);
    handler.moveSelection(up);
    QCOMPARE(handler.currentIndex(), expectedCurrent);
    QCOMPARE(list.selectedRows(), expectedCurrent >= 0 ? QList<int>{expectedCurrent} : QList<int>{});
}

void SelectionHandlersTest::writingCurrentIndexOnHeaders_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("written");
    QTest::addColumn<int>("expectedCurrent");

    // Rows: contact, header, contact, contact, header, contact.
    QTest::newRow("a contact row") << 0 << 3 << 3;
    QTest::newRow("down onto a header") << 0 << 1 << 2;
    QTest::newRow("up onto a header") << 5 << 4 << 3;
    QTest::newRow("up onto a header far from the current row") << 5 << 1 << 3;
    QTest::newRow("beyond the end") << 5 << 6 << 3;
    QTest::newRow("before the start") << 0 << -1 << 0;
}

void SelectionHandlersTest::writingCurrentIndexOnHeaders()
{
    QFETCH(int, current);
    QFETCH(int, written);
    QFETCH(int, expectedCurrent);

    ListFixture list("chcchc");
    Utils::BlfSelectionHandler handler(&list.model, &list.selectionModel, nullptr);
    handler.select(current, 0);
    QSignalSpy changed(&handler, &SelectionHandlerBase::currentIndexChanged);
    handler.setCurrentIndex(written);
    QCOMPARE(handler.currentIndex(), expectedCurrent);
    QCOMPARE(list.selectedRows(), QList<int>{expectedCurrent});
    QCOMPARE(changed.count(), expectedCurrent == current ? 0 : 1);
}

void SelectionHandlersTest::removedRowsClearTheSelection()
{
    ListFixture list("cccc");
    Utils::BlfSelectionHandler handler(&list.model, &list.selectionModel, nullptr);
    handler.select(0, 0);
    handler.select(1, Ctrl);
    bool clearedFirst = false;
    connect(&list.model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [&] { clearedFirst = !list.selectionModel.hasSelection(); });
    // A row that is not selected goes: the selection goes too.
    list.model.removeRow(3);
    QVERIFY(clearedFirst);
    QVERIFY(handler.selection().isEmpty());
}

void SelectionHandlersTest::selectionListsEachObjectOnce()
{
    ListFixture list("chcc");
    // Row 3 shows the object of row 0 again; row 2 carries no object.
    list.model.setData(list.model.index(3, 0), list.model.index(0, 0).data(SelectionHandlerBase::ContactRole),
                       SelectionHandlerBase::ContactRole);
    list.model.setData(list.model.index(2, 0), QVariant::fromValue<QObject*>(nullptr), SelectionHandlerBase::ContactRole);
    // A header made selectable still counts as no item.
    list.model.item(1)->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    Utils::BlfSelectionHandler handler(&list.model, &list.selectionModel, nullptr);
    handler.select(0, 0);
    handler.select(3, Shift);
    QCOMPARE(list.selectedRows(), (QList<int>{0, 1, 2, 3}));
    const QList<QObject*> selection = handler.selection();
    QCOMPARE(selection.size(), 1);
    QCOMPARE(selection.first()->objectName(), QStringLiteral("0"));

    handler.setSelection({list.model.index(0, 0).data(SelectionHandlerBase::ContactRole).value<QObject*>()});
    QCOMPARE(list.selectedRows(), (QList<int>{0, 3}));
    handler.clearSelection();
    QVERIFY(handler.selection().isEmpty());
    QCOMPARE(handler.currentIndex(), -1);
}

void SelectionHandlersTest::contactIdsAsDragData()
{
    TestSupport::Environment env;
    SignedInSession signedIn({});
    Kivo::Contacts::IContact* bob = signedIn.contact(1);
    Kivo::Contacts::IContact* chiara = signedIn.contact(2);
    QVERIFY(bob && chiara);
    // Directory matches: one for a person of the list, one for a stranger.
    Kivo::Contacts::IContact bobFound(-7, "Bob Lind");
    bobFound.setProperty(Kivo::Contacts::Properties::Address, bob->getAddress());
    Kivo::Contacts::IContact stranger(-8, "Dora Stone");
    stranger.setProperty(Kivo::Contacts::Properties::Address, "dora@test.example");

    QStandardItemModel model;
    for (Kivo::Contacts::IContact* contact : {chiara, &stranger, bob, &bobFound}) {
        auto* item = new QStandardItem;
        item->setData(SelectionHandlerBase::ContactItem, SelectionHandlerBase::ItemKindRole);
        item->setData(QVariant::fromValue<QObject*>(contact), SelectionHandlerBase::ContactRole);
        model.appendRow(item);
    }
    QItemSelectionModel selectionModel(&model);
    Utils::ContactSelectionHandler contactHandler(&model, &selectionModel, signedIn.contacts(), nullptr);
    Utils::BlfSelectionHandler blfHandler(&model, &selectionModel, nullptr);
    QCOMPARE(contactHandler.selectionAsString(), QString());
    contactHandler.select(0, 0);
    contactHandler.select(3, Shift);
    QCOMPARE(contactHandler.selectionAsString(), QStringLiteral("2,1"));
    QCOMPARE(blfHandler.selectionAsString(), QStringLiteral("2,-8,1,-7"));
}

void SelectionHandlersTest::listContactsLeaveSearchResultsOut()
{
    TestSupport::Environment env;
    SignedInSession signedIn({});
    Kivo::Contacts::IContact found(-3, "Bob Lind");
    QStandardItemModel model;
    for (QObject* contact : {static_cast<QObject*>(&found), static_cast<QObject*>(signedIn.contact(2)),
                             static_cast<QObject*>(signedIn.contact(1))}) {
        auto* item = new QStandardItem;
        item->setData(SelectionHandlerBase::ContactItem, SelectionHandlerBase::ItemKindRole);
        item->setData(QVariant::fromValue(contact), SelectionHandlerBase::ContactRole);
        model.appendRow(item);
    }
    QItemSelectionModel selectionModel(&model);
    Utils::ContactSelectionHandler handler(&model, &selectionModel, signedIn.contacts(), nullptr);
    handler.select(2, 0);
    handler.select(0, Shift);
    QCOMPARE(handler.selectionAsListContacts(),
             (QList<Kivo::Contacts::IContact*>{signedIn.contact(2), signedIn.contact(1)}));
}

void SelectionHandlersTest::handlersWithoutDragData()
{
    ListFixture participants("cc", SelectionHandlerBase::ParticipantItem, SelectionHandlerBase::ParticipantRole);
    Utils::ParticipantSelectionHandler participantHandler(&participants.model, &participants.selectionModel, nullptr);
    participantHandler.select(1, 0);
    participantHandler.select(0, Shift);
    QCOMPARE(participantHandler.selectionAsParticipantsList().size(), 2);
    QCOMPARE(participantHandler.selectionAsString(), QString());

    ListFixture history("cc", SelectionHandlerBase::TimelineEntryItem, SelectionHandlerBase::TimelineEntryRole);
    Utils::TimelineSelectionHandler timelineHandler(&history.model, &history.selectionModel, nullptr);
    timelineHandler.select(0, 0);
    timelineHandler.select(1, Ctrl);
    QCOMPARE(timelineHandler.selection().size(), 2);
    QCOMPARE(timelineHandler.selectionAsString(), QString());
    // Each handler steps only onto rows of its own kind.
    QVERIFY(!timelineHandler.isSelectableRow(participants.model.index(0, 0)));
    QVERIFY(participantHandler.isSelectableRow(participants.model.index(0, 0)));
}

void SelectionHandlersTest::missedHistoryEntries()
{
    QStandardItemModel model;
    QList<Kivo::Models::TimelineEntry*> entries;
    QObject owner;
    for (int row = 0; row < 3; ++row) {
        auto* entry = new Kivo::Models::TimelineEntry({}, &owner);
        entries.append(entry);
        auto* item = new QStandardItem;
        item->setData(SelectionHandlerBase::TimelineEntryItem, SelectionHandlerBase::ItemKindRole);
        item->setData(QVariant::fromValue<QObject*>(entry), SelectionHandlerBase::TimelineEntryRole);
        model.appendRow(item);
    }
    QItemSelectionModel selectionModel(&model);
    Utils::TimelineSelectionHandler handler(&model, &selectionModel, nullptr);
    entries[2]->setNewComms(true);
    QVERIFY(!handler.selectionHasAnyMissedEntries());
    handler.select(0, 0);
    handler.select(1, Shift);
    QVERIFY(!handler.selectionHasAnyMissedEntries());
    handler.select(2, Ctrl);
    QVERIFY(handler.selectionHasAnyMissedEntries());
}

QTEST_MAIN(SelectionHandlersTest)
#include "tst_selection_handlers.moc"
