#include "common/constants.h"
#include "Models/left_pane_buttons_model.h"
#include "Models/timeline_tabs_model.h"
#include "support/test_environment.h"
#include "support/user_settings.h"

#include <Kivo/Configuration/Config.h>

#include <QtTest>

#include <memory>

using Models::LeftPaneButtonsModel;
using Models::TimeLineTabsModel;
using Items = QHash<int, QVariant>;

namespace {

std::unique_ptr<Kivo::Configuration::Config> configWith(const Items& items)
{
    return std::make_unique<Kivo::Configuration::Config>(QString(), Kivo::Configuration::Config::Document{"Test", items});
}

// "name@position" per row, in row order.
template <typename Model>
QStringList rows(const Model& model, int typeRole)
{
    QStringList result;
    for (int row = 0; row < model.rowCount(); ++row) {
        const QModelIndex index = model.index(row);
        result << QStringLiteral("%1@%2")
                      .arg(index.data(typeRole).toInt())
                      .arg(index.data(Model::PositionRole).toInt());
    }
    return result;
}

// Every button offered, every position automatic.
const Items AllButtons{{62, true}, {63, true}, {151, true}, {411, true}};

Items operator+(Items items, const Items& more)
{
    items.insert(more);
    return items;
}

} // namespace

class ViewButtonsModelsTest : public QObject
{
    Q_OBJECT

private slots:
    void buttonsFollowTheConfiguration_data();
    void buttonsFollowTheConfiguration();
    void savedViewIsRestored_data();
    void savedViewIsRestored();
    void buttonRolesAndToolTips();
    void withoutConfigurationNothingIsOffered();
    void tabsFollowTheConfiguration_data();
    void tabsFollowTheConfiguration();
    void savedFilterIsRestored_data();
    void savedFilterIsRestored();
    void tabRolesAndLookUps();
};

void ViewButtonsModelsTest::buttonsFollowTheConfiguration_data()
{
    QTest::addColumn<Items>("items");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("all offered, automatic")
        << AllButtons << QStringList{"0@1", "1@2", "2@3", "3@4", "4@5", "5@6"};
    QTest::newRow("only the fixed buttons") << Items{} << QStringList{"0@1", "2@2", "3@3"};
    QTest::newRow("rooms by My Room alone") << Items{{62, true}} << QStringList{"0@1", "1@2", "2@3", "3@4"};
    QTest::newRow("rooms by project rooms alone") << Items{{63, true}} << QStringList{"0@1", "1@2", "2@3", "3@4"};
    QTest::newRow("no rooms: the numbers close up")
        << Items{{151, true}, {411, true}} << QStringList{"0@1", "2@2", "3@3", "4@4", "5@5"};
    // An explicit position leaves the automatic numbering alone.
    QTest::newRow("dial pad first, explicitly")
        << Items{{20, -1}} << QStringList{"3@-1", "0@1", "2@2"};
    QTest::newRow("web button between, explicitly")
        << Items{{411, true}, {22, 2}} << QStringList{"0@1", "2@2", "5@2", "3@3"};
    QTest::newRow("all explicit, reversed")
        << Items{{62, true}, {151, true}, {17, 60}, {18, 50}, {19, 40}, {20, 30}, {21, 20}}
        << QStringList{"4@20", "3@30", "2@40", "1@50", "0@60"};
    QTest::newRow("switched-off button's position is not read")
        << Items{{21, 1}} << QStringList{"0@1", "2@2", "3@3"};
}

void ViewButtonsModelsTest::buttonsFollowTheConfiguration()
{
    QFETCH(Items, items);
    QFETCH(QStringList, expected);
    TestSupport::Environment env;
    const auto config = configWith(items);
    const LeftPaneButtonsModel model(config.get());
    QCOMPARE(rows(model, LeftPaneButtonsModel::ButtonTypeRole), expected);
}

void ViewButtonsModelsTest::savedViewIsRestored_data()
{
    QTest::addColumn<Items>("items");
    QTest::addColumn<QVariant>("saved");
    QTest::addColumn<int>("restored");

    const Items roomsWithoutProjects{{62, true}, {151, true}};
    QTest::newRow("nothing saved, configured default") << Items{{16, "dialpad"}} << QVariant() << 3;
    QTest::newRow("nothing saved, no default") << Items{} << QVariant() << 0;
    QTest::newRow("empty saved falls to the default") << Items{{16, "history"}} << QVariant("") << 2;
    QTest::newRow("saved view wins") << (AllButtons + Items{{16, "history"}}) << QVariant("directory") << 4;
    QTest::newRow("saved view switched off: first button")
        << Items{{16, "dialpad"}, {19, -5}} << QVariant("directory") << 2;
    QTest::newRow("unknown default and nothing saved: first button") << Items{{20, -1}, {16, "nowhere"}}
                                                                      << QVariant() << 3;
    QTest::newRow("rooms without project rooms: the default")
        << (roomsWithoutProjects + Items{{16, "directory"}}) << QVariant("rooms") << 4;
    QTest::newRow("rooms without project rooms, default is rooms: first other button")
        << (roomsWithoutProjects + Items{{16, "rooms"}}) << QVariant("rooms") << 0;
    QTest::newRow("rooms without project rooms, default missing: first other button")
        << (roomsWithoutProjects + Items{{16, "web-button"}, {18, -1}}) << QVariant("rooms") << 0;
    QTest::newRow("rooms first without project rooms: next button")
        << (roomsWithoutProjects + Items{{18, -1}, {17, 10}}) << QVariant("rooms") << 2;
    QTest::newRow("rooms with project rooms") << (AllButtons + Items{{16, "dialpad"}}) << QVariant("rooms") << 1;
}

void ViewButtonsModelsTest::savedViewIsRestored()
{
    QFETCH(Items, items);
    QFETCH(QVariant, saved);
    QFETCH(int, restored);
    TestSupport::Environment env;
    if (saved.isValid())
        TestSupport::writeUserSettings({{Constants::SettingsKey::MainWindowLeftPane, saved}});
    const auto config = configWith(items);
    {
        LeftPaneButtonsModel model(config.get());
        QCOMPARE(model.lastActiveView(), restored);
        QCOMPARE(model.property("lastActiveView").toInt(), restored);
        QVERIFY(model.setProperty("lastActiveView", LeftPaneButtonsModel::HistoryButton));
    }
    // The view shown last is what the next sign-in restores.
    QCOMPARE(TestSupport::userSetting(Constants::SettingsKey::MainWindowLeftPane).toString(), QString("history"));
}

void ViewButtonsModelsTest::buttonRolesAndToolTips()
{
    TestSupport::Environment env;
    const auto config = configWith(AllButtons + Items{{16, "directory"}});
    LeftPaneButtonsModel model(config.get());

    const QStringList icons{"lp_contacts", "lp_ownroom", "lp_history", "lp_dialpad", "lp_directory", "lp_extapp"};
    const QStringList tips{"Contacts", "", "Communication History", "Dialpad", "Directory", ""};
    for (int row = 0; row < model.rowCount(); ++row) {
        const QModelIndex index = model.index(row);
        QCOMPARE(index.data(Qt::DisplayRole).toString(), "qrc:/windows/MainWindow/" + icons.at(row));
        QCOMPARE(index.data(Qt::ToolTipRole).toString(), tips.at(row));
        QCOMPARE(model.getToolTip(LeftPaneButtonsModel::LeftPaneButtonType(row)), tips.at(row));
        QVERIFY(!index.data(Qt::EditRole).isValid());
    }
    QVERIFY(!model.index(6).data(Qt::DisplayRole).isValid());
    QVERIFY(!model.data(model.index(-1), LeftPaneButtonsModel::ButtonTypeRole).isValid());
    QCOMPARE(model.getToolTip(LeftPaneButtonsModel::LeftPaneButtonType(9)), QString());
    QCOMPARE(model.roleNames().value(LeftPaneButtonsModel::ButtonTypeRole), QByteArray("buttonType"));
    QCOMPARE(model.roleNames().value(Qt::DisplayRole), QByteArray("display"));

    QCOMPARE(model.getConfDefaultButtonAsString(), QString("directory"));
    QCOMPARE(model.confNameToButtonType("web-button"), 5);
    QCOMPARE(model.confNameToButtonType("Directory"), 0);
    QCOMPARE(model.confNameToButtonType(QString()), 0);
}

void ViewButtonsModelsTest::withoutConfigurationNothingIsOffered()
{
    TestSupport::Environment env;
    TestSupport::writeUserSettings({{Constants::SettingsKey::MainWindowLeftPane, "history"},
                                    {Constants::SettingsKey::TimelineFilterFlag, "calls"}});
    {
        const LeftPaneButtonsModel buttons(nullptr);
        QCOMPARE(buttons.rowCount(), 0);
        QCOMPARE(buttons.lastActiveView(), 0);
        QCOMPARE(buttons.getConfDefaultButtonAsString(), QString());

        const TimeLineTabsModel tabs(nullptr);
        QCOMPARE(tabs.rowCount(), 0);
        QCOMPARE(tabs.initialFilterType(), 0);
        QCOMPARE(tabs.typeAt(0), 0);
        QCOMPARE(tabs.nameOfType(1), QString());
    }
    QCOMPARE(TestSupport::userSetting(Constants::SettingsKey::MainWindowLeftPane), QVariant(QString()));
}

void ViewButtonsModelsTest::tabsFollowTheConfiguration_data()
{
    QTest::addColumn<Items>("items");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("only calls") << Items{} << QStringList{"1@1"};
    QTest::newRow("all automatic") << Items{{361, true}, {126, true}} << QStringList{"1@1", "0@2", "2@3"};
    QTest::newRow("voice mail without chat") << Items{{126, true}} << QStringList{"1@1", "2@2"};
    QTest::newRow("chat placed first") << Items{{361, true}, {126, true}, {208, -1}}
                                       << QStringList{"0@-1", "1@1", "2@2"};
    QTest::newRow("explicit order") << Items{{361, true}, {126, true}, {208, 30}, {209, 20}, {210, 10}}
                                    << QStringList{"2@10", "1@20", "0@30"};
}

void ViewButtonsModelsTest::tabsFollowTheConfiguration()
{
    QFETCH(Items, items);
    QFETCH(QStringList, expected);
    TestSupport::Environment env;
    const auto config = configWith(items);
    const TimeLineTabsModel model(config.get());
    QCOMPARE(rows(model, TimeLineTabsModel::FilterTypeRole), expected);
}

void ViewButtonsModelsTest::savedFilterIsRestored_data()
{
    QTest::addColumn<Items>("items");
    QTest::addColumn<QVariant>("saved");
    QTest::addColumn<int>("restored");

    const Items all{{361, true}, {126, true}};
    QTest::newRow("nothing saved: first tab") << all << QVariant() << 1;
    QTest::newRow("nothing saved, chat first") << (all + Items{{208, -1}}) << QVariant() << 0;
    QTest::newRow("saved voice mail") << all << QVariant("voicemail") << 2;
    QTest::newRow("saved voice mail after it was switched off") << Items{{361, true}} << QVariant("voicemail") << 1;
    QTest::newRow("saved chat, only calls offered") << Items{} << QVariant("chat") << 1;
    QTest::newRow("saved junk") << all << QVariant("Calls") << 1;
}

void ViewButtonsModelsTest::savedFilterIsRestored()
{
    QFETCH(Items, items);
    QFETCH(QVariant, saved);
    QFETCH(int, restored);
    TestSupport::Environment env;
    if (saved.isValid())
        TestSupport::writeUserSettings({{Constants::SettingsKey::TimelineFilterFlag, saved}});
    const auto config = configWith(items);
    QCOMPARE(TimeLineTabsModel(config.get()).initialFilterType(), restored);
}

void ViewButtonsModelsTest::tabRolesAndLookUps()
{
    TestSupport::Environment env;
    const auto config = configWith({{361, true}, {126, true}, {210, -1}});
    const TimeLineTabsModel model(config.get());
    QCOMPARE(rows(model, TimeLineTabsModel::FilterTypeRole), (QStringList{"2@-1", "1@1", "0@2"}));

    QCOMPARE(model.index(0).data(Qt::DisplayRole).toString(),
             QString("qrc:/windows/MainWindow/History/timeline_vm_tab"));
    QCOMPARE(model.index(2).data(Qt::DisplayRole).toString(),
             QString("qrc:/windows/MainWindow/History/timeline_chat_tab"));
    QVERIFY(!model.index(0).data(Qt::ToolTipRole).isValid());
    QVERIFY(!model.index(3).data(TimeLineTabsModel::FilterTypeRole).isValid());
    QCOMPARE(model.roleNames().value(TimeLineTabsModel::FilterTypeRole), QByteArray("filterType"));

    QCOMPARE(model.getToolTip(0), QString("VoiceMail"));
    QCOMPARE(model.getToolTip(1), QString("Calls"));
    QCOMPARE(model.getToolTip(2), QString("Chat"));
    // Out of range reads the first tab.
    QCOMPARE(model.getToolTip(3), QString("VoiceMail"));
    QCOMPARE(model.getToolTip(-1), QString("VoiceMail"));
    QCOMPARE(model.typeAt(1), 1);
    QCOMPARE(model.typeAt(7), 2);

    QCOMPARE(model.nameOfType(0), QString("chat"));
    QCOMPARE(model.nameOfType(1), QString("calls"));
    QCOMPARE(model.nameOfType(2), QString("voicemail"));
    QCOMPARE(model.nameOfType(3), QString());
}

QTEST_MAIN(ViewButtonsModelsTest)
#include "tst_view_buttons_models.moc"
