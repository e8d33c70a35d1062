#include "Models/Chat/room_members_model.h"
#include "Models/contact_card_fields_model.h"
#include "Models/dialpad_buttons_model.h"
#include "Models/ringer_model.h"
#include "support/marking_translator.h"
#include "support/test_environment.h"

#include <Kivo/Actions/Action.h>
#include <Kivo/Configuration/Config.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Simulation/Service.h>

#include <QApplication>
#include <QResource>
#include <QStandardItemModel>
#include <QTemporaryFile>
#include <QtTest>

#include <memory>

using Kivo::Actions::Action;
using Models::ContactCardFieldsModel;
using Models::DialpadButtonsModel;
using Models::RingerModel;
using Models::Chat::RoomMembersModel;
using Items = QHash<int, QVariant>;
using IdList = QList<int>;

namespace {

std::unique_ptr<Kivo::Configuration::Config> configWith(const Items& items)
{
    return std::make_unique<Kivo::Configuration::Config>(QString(), Kivo::Configuration::Config::Document{"Test", items});
}

// "type" or "type*" for an editable field, per row.
QStringList fieldRows(const ContactCardFieldsModel& model)
{
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        const QModelIndex index = model.index(row);
        rows << QString::number(index.data(ContactCardFieldsModel::FieldTypeRole).toInt())
                    + (index.data(ContactCardFieldsModel::FieldEditableRole).toBool() ? "*" : "");
    }
    return rows;
}

// Every field shown, `editable` deciding all the editable items.
Items allFields(bool editable)
{
    Items items;
    for (int item = 24; item <= 40; ++item) {
        items.insert(item, true);
        items.insert(item + 18, editable);
    }
    return items;
}

Items withCollaborationRoom(Items items)
{
    items.insert(41, true);
    items.insert(295, true);
    items.insert(296, true);
    return items;
}

// A list model of engine actions as the actions provider offers them.
class ActionList : public QStandardItemModel
{
public:
    explicit ActionList(const IdList& ids)
    {
        for (int id : ids)
            add(id);
    }
    void add(int id)
    {
        auto* item = new QStandardItem;
        if (id != Action::None)
            item->setData(QVariant::fromValue<QObject*>(new Action(Action::Id(id), this)),
                          DialpadButtonsModel::ActionRole);
        appendRow(item);
    }
    void removeId(int id)
    {
        for (int row = 0; row < rowCount(); ++row) {
            if (qobject_cast<Action*>(index(row, 0).data(DialpadButtonsModel::ActionRole).value<QObject*>())->getId() == id)
                removeRow(row);
        }
    }
};

// "id" or "id!" for the default button, per row.
QStringList buttons(const DialpadButtonsModel& model)
{
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        const QModelIndex index = model.index(row, 0);
        const auto* action = qobject_cast<Action*>(index.data(DialpadButtonsModel::ActionRole).value<QObject*>());
        rows << QString::number(action->getId())
                    + (index.data(DialpadButtonsModel::IsDefaultActionRole).toBool() ? "!" : "");
    }
    return rows;
}

} // namespace

class CommunicationsModelsTest : public QObject
{
    Q_OBJECT

private slots:
    void fieldRowsFollowTheConfiguration_data();
    void fieldRowsFollowTheConfiguration();
    void fieldRolesAndLanguageChange();
    void ringerListHasTwoFixedRows_data();
    void ringerListHasTwoFixedRows();
    void themeRingSignalsAreListed();
    void dialpadKeepsTheCallButtons_data();
    void dialpadKeepsTheCallButtons();
    void dialpadFollowsTheSource();
    void roomMembersAreCheckedAndRemoved();
};

void CommunicationsModelsTest::fieldRowsFollowTheConfiguration_data()
{
    QTest::addColumn<Items>("items");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("nothing shown") << Items{} << QStringList{};
    QTest::newRow("collaboration items alone") << Items{{41, true}, {295, true}, {296, true}} << QStringList{"17"};
    QTest::newRow("collaboration needs all three")
        << Items{{41, true}, {295, true}, {296, false}, {24, true}} << QStringList{"0"};
    QTest::newRow("editable without shown gives no row") << Items{{42, true}, {45, true}} << QStringList{};
    // Mobile phone (27) comes after the work numbers by type, though its items come first.
    QTest::newRow("field order, not item order")
        << Items{{27, true}, {28, true}, {30, true}, {45, true}, {36, true}, {35, true}, {53, true}}
        << QStringList{"3", "4", "5*", "11", "12*"};
    QTest::newRow("all shown and editable, collaboration read-only")
        << withCollaborationRoom(allFields(true))
        << QStringList{"0*", "1*", "2*", "3*", "4*", "5*", "6*", "7*", "8*", "9*", "10*", "11*", "12*", "13*", "14*",
                       "15*", "16*", "17"};
    QTest::newRow("all shown, none editable")
        << allFields(false)
        << QStringList{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16"};
}

void CommunicationsModelsTest::fieldRowsFollowTheConfiguration()
{
    QFETCH(Items, items);
    QFETCH(QStringList, expected);
    TestSupport::Environment env;
    const auto config = configWith(items);
    QCOMPARE(fieldRows(ContactCardFieldsModel(config.get())), expected);
}

void CommunicationsModelsTest::fieldRolesAndLanguageChange()
{
    TestSupport::Environment env;
    const auto config = configWith({{24, true}, {42, true}, {29, true}, {37, true}, {40, true}});
    ContactCardFieldsModel model(config.get());
    QCOMPARE(model.rowCount(), 4);
    const QStringList labels{"Display Name", "Personal Phone", "Dial-in Number", "Web Address"};
    const QList<int> groups{0, 1, 4, 5};
    for (int row = 0; row < model.rowCount(); ++row) {
        QCOMPARE(model.index(row).data(361).toString(), labels.at(row));
        QCOMPARE(model.index(row).data(315).toInt(), groups.at(row));
    }
    QCOMPARE(model.index(1).data(360).toInt(), int(Models::FieldData::PersonalPhoneField));
    QCOMPARE(model.index(0).data(Qt::EditRole), QVariant(true));
    QCOMPARE(model.index(1).data(Qt::EditRole), QVariant(false));
    QVERIFY(!model.index(0).data(Qt::DisplayRole).isValid());
    QVERIFY(!model.index(4).data(361).isValid());
    QVERIFY(!model.data(model.index(-1), 361).isValid());
    const QHash<int, QByteArray> names = model.roleNames();
    QCOMPARE(names.value(361), QByteArray("fieldName"));
    QCOMPARE(names.value(360), QByteArray("fieldType"));
    QCOMPARE(names.value(315), QByteArray("fieldGroup"));
    QCOMPARE(names.value(Qt::EditRole), QByteArray("fieldEditable"));
    QCOMPARE(names.value(Qt::DisplayRole), QByteArray("display"));

    // A new language reaches the labels, and only the labels are reported changed.
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    TestSupport::MarkingTranslator translator("QObject");
    QCoreApplication::installTranslator(&translator);
    QTRY_COMPARE(changed.count(), 1);
    QCOMPARE(changed.first().at(0).toModelIndex().row(), 0);
    QCOMPARE(changed.first().at(1).toModelIndex().row(), 3);
    QCOMPARE(changed.first().at(2).value<QVector<int>>(), QVector<int>{361});
    QCOMPARE(model.index(2).data(361).toString(), QString("~Dial-in Number"));
    QCOMPARE(model.index(2).data(360).toInt(), int(Models::FieldData::ConferencePhoneField));
    QCOMPARE(model.index(0).data(Qt::EditRole), QVariant(true));
    QCoreApplication::removeTranslator(&translator);
    QTRY_COMPARE(model.index(2).data(361).toString(), QString("Dial-in Number"));
}

void CommunicationsModelsTest::ringerListHasTwoFixedRows_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("descriptions");

    QTest::newRow("ringers among other elements")
        << QByteArray("<?xml version=\"1.0\"?><ringsignals>"
                      "<ringer file=\"a.wav\" description=\"Alpha\" default=\"true\"/>"
                      "<ringsignal file=\"skipped.wav\" description=\"Skipped\"/>"
                      "<ringer description=\"No file\"/><group><ringer file=\"nested.wav\"/></group>"
                      "<ringer file=\"c.wav\" description=\"Gamma &amp; more\"/></ringsignals>")
        << QStringList{"a.wav", "", "c.wav"} << QStringList{"Alpha", "No file", "Gamma & more"};
    QTest::newRow("no ringers") << QByteArray("<ringsignals/>") << QStringList{} << QStringList{};
    QTest::newRow("not XML") << QByteArray("<ringer file=\"x.wav\"") << QStringList{} << QStringList{};
}

void CommunicationsModelsTest::ringerListHasTwoFixedRows()
{
    QFETCH(QByteArray, list);
    QFETCH(QStringList, files);
    QFETCH(QStringList, descriptions);
    TestSupport::Environment env;
    QTemporaryFile file;
    QVERIFY(file.open());
    file.write(list);
    file.close();

    const RingerModel model(file.fileName(), nullptr);
    QCOMPARE(model.rowCount(), files.size() + 2);
    QCOMPARE(model.index(0).data(Qt::UserRole).toString(), QString("Select other..."));
    QCOMPARE(model.index(1).data(Qt::UserRole).toString(), QString("Use default ring signal"));
    QCOMPARE(model.index(0).data(Qt::DisplayRole).toString(), QString());
    QCOMPARE(model.index(1).data(Qt::DisplayRole).toString(), QString());
    for (int i = 0; i < files.size(); ++i) {
        QCOMPARE(model.index(i + 2).data(Qt::UserRole).toString(), files.at(i));
        QCOMPARE(model.index(i + 2).data(Qt::DisplayRole).toString(), descriptions.at(i));
    }
    QVERIFY(!model.index(0).data(Qt::EditRole).isValid());
    QVERIFY(!model.index(files.size() + 2).data(Qt::UserRole).isValid());
}

void CommunicationsModelsTest::themeRingSignalsAreListed()
{
    TestSupport::Environment env;
    // Without the theme the list is missing: only the fixed rows.
    QCOMPARE(RingerModel().rowCount(), 2);
    QVERIFY(QResource::registerResource(QStringLiteral(TEST_THEME_RESOURCES)));
    const RingerModel model;
    QVERIFY(model.rowCount() > 2);
    QCOMPARE(model.index(2).data(Qt::UserRole).toString(), QString(":/sounds/ring.wav"));
    QVERIFY(!model.index(2).data(Qt::DisplayRole).toString().isEmpty());
    QVERIFY(QResource::unregisterResource(QStringLiteral(TEST_THEME_RESOURCES)));
}

void CommunicationsModelsTest::dialpadKeepsTheCallButtons_data()
{
    QTest::addColumn<IdList>("source");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("video call alone is the default") << IdList{6} << QStringList{"6!"};
    QTest::newRow("call before video call") << IdList{6, 4} << QStringList{"4!", "6"};
    QTest::newRow("all three: call in the middle") << IdList{5, 4, 6} << QStringList{"6", "4!", "5"};
    QTest::newRow("all three, other source order") << IdList{4, 5, 6} << QStringList{"6", "4!", "5"};
    QTest::newRow("two without a call keep the source order") << IdList{5, 6} << QStringList{"5", "6"};
    QTest::newRow("two without a call, reversed") << IdList{6, 5} << QStringList{"6", "5"};
    QTest::newRow("other actions never appear") << IdList{3, 15, 4, 16, 25, 0} << QStringList{"4!"};
    QTest::newRow("no call actions") << IdList{3, 17} << QStringList{};
}

void CommunicationsModelsTest::dialpadKeepsTheCallButtons()
{
    QFETCH(IdList, source);
    QFETCH(QStringList, expected);
    ActionList actions(source);
    DialpadButtonsModel model;
    model.setSourceModel(&actions);
    model.sort(0, Qt::AscendingOrder);
    QCOMPARE(buttons(model), expected);
    QCOMPARE(model.roleNames().value(DialpadButtonsModel::IsDefaultActionRole), QByteArray("isDefaultAction"));
    QCOMPARE(model.roleNames().value(Qt::DisplayRole), QByteArray("display"));
}

void CommunicationsModelsTest::dialpadFollowsTheSource()
{
    ActionList actions({5, 6});
    DialpadButtonsModel model;
    model.setSourceModel(&actions);
    model.sort(0, Qt::AscendingOrder);
    QCOMPARE(buttons(model), (QStringList{"5", "6"}));
    actions.add(Action::Call);
    QCOMPARE(buttons(model), (QStringList{"6", "4!", "5"}));
    // Without a call the two left go back to the source order.
    actions.removeId(Action::Call);
    QCOMPARE(buttons(model), (QStringList{"5", "6"}));
    actions.removeId(Action::VideoCall);
    QCOMPARE(buttons(model), (QStringList{"5!"}));
    actions.add(Action::Chat);
    QCOMPARE(buttons(model), (QStringList{"5!"}));
}

void CommunicationsModelsTest::roomMembersAreCheckedAndRemoved()
{
    TestSupport::Environment env;
    Kivo::Simulation::Service service;
    service.setLatency(0);
    QVERIFY(service.load(R"({ "accounts": [
      { "user": "alice@test.example", "password": "a", "displayName": "Alice", "domain": "test.example",
        "contacts": [ { "id": 1, "name": "Bob Lind", "address": "bob@test.example" } ] } ] })"));
    QSignalSpy signedIn(&service, &Kivo::Simulation::Service::signedIn);
    service.signIn("alice@test.example", "a");
    QVERIFY(signedIn.wait());
    Kivo::Contacts::Contacts contacts;
    contacts.attach(service);

    RoomMembersModel model(&contacts);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    model.addMembers({"BOB@test.example", "zed@elsewhere.example", "bob@test.example"});
    QCOMPARE(inserted.count(), 3);
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.index(0).data().toString(), QString("Bob Lind"));
    QCOMPARE(model.index(1).data().toString(), QString("zed@elsewhere.example"));
    QCOMPARE(model.index(2).data().toString(), QString("Bob Lind"));
    QCOMPARE(model.index(1).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    QVERIFY(!model.index(3).data().isValid());
    QVERIFY(!model.index(0).data(Qt::EditRole).isValid());
    QCOMPARE(model.flags(model.index(5)), Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);

    // Nothing ticked: nothing goes.
    QCOMPARE(model.removeCheckedMembers(), 3);
    QCOMPARE(model.checkedMembers(), QStringList());

    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QVERIFY(model.setData(model.index(0), Qt::Checked, Qt::CheckStateRole));
    QVERIFY(model.setData(model.index(1), Qt::PartiallyChecked, Qt::CheckStateRole));
    QVERIFY(model.setData(model.index(2), Qt::Checked, Qt::CheckStateRole));
    QCOMPARE(changed.count(), 3);
    QCOMPARE(changed.at(1).at(0).toModelIndex().row(), 1);
    QCOMPARE(changed.at(1).at(2).value<QVector<int>>(), QVector<int>{Qt::CheckStateRole});
    QVERIFY(!model.setData(model.index(0), "Robert", Qt::DisplayRole));
    QVERIFY(!model.setData(model.index(3), Qt::Checked, Qt::CheckStateRole));
    QCOMPARE(changed.count(), 3);
    QCOMPARE(model.index(0).data().toString(), QString("Bob Lind"));

    // A partly checked row is kept and not reported.
    QCOMPARE(model.checkedMembers(), (QStringList{"BOB@test.example", "bob@test.example"}));
    QCOMPARE(model.index(1).data(Qt::CheckStateRole).toInt(), int(Qt::PartiallyChecked));
    QCOMPARE(model.removeCheckedMembers(), 1);
    QCOMPARE(model.index(0).data().toString(), QString("zed@elsewhere.example"));
    QVERIFY(model.setData(model.index(0), Qt::Checked, Qt::CheckStateRole));
    QCOMPARE(model.removeCheckedMembers(), 0);
    QCOMPARE(model.rowCount(), 0);
}

QTEST_MAIN(CommunicationsModelsTest)
#include "tst_communications_models.moc"
