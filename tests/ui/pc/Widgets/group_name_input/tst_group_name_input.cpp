#include "Widgets/group_name_input.h"
#include "support/test_environment.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

QLineEdit* editOf(Widgets::GroupNameInput* input)
{
    return input->findChild<QLineEdit*>("nameEdit");
}

QPushButton* okOf(Widgets::GroupNameInput* input)
{
    return input->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok);
}

} // namespace

class GroupNameInputTest : public QObject
{
    Q_OBJECT

private slots:
    void modeByName_data();
    void modeByName();
    void typedNames_data();
    void typedNames();
    void offlineRefusesWhateverTheText();
    void longNamesCannotBeTyped();
};

void GroupNameInputTest::modeByName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("label");
    QTest::newRow("null: add") << QString() << "Add Group" << "Enter a group name";
    QTest::newRow("empty: edit") << QString("") << "Edit Group" << "Edit group name";
    QTest::newRow("named: edit") << QString("Team") << "Edit Group" << "Edit group name";
}

void GroupNameInputTest::modeByName()
{
    QFETCH(QString, name);
    QFETCH(QString, title);
    QFETCH(QString, label);
    TestSupport::Environment env;
    Widgets::GroupNameInput input(name, false);
    QCOMPARE(input.isAddMode(), name.isNull());
    QCOMPARE(input.windowTitle(), title);
    QCOMPARE(input.findChild<QLabel*>("nameLabel")->text(), label);
    QCOMPARE(editOf(&input)->text(), name);
    QCOMPARE(editOf(&input)->selectedText(), name);
    QCOMPARE(input.helpContext(), QString("addGroup"));
}

void GroupNameInputTest::typedNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("accepted");
    QTest::newRow("blanks only") << QString("   ") << QString();
    QTest::newRow("trimmed") << QString("  Team A ") << QString("Team A");
}

void GroupNameInputTest::typedNames()
{
    QFETCH(QString, typed);
    QFETCH(QString, accepted);
    TestSupport::Environment env;
    QPointer<Widgets::GroupNameInput> input = new Widgets::GroupNameInput(QString(), false);
    input->show();
    QSignalSpy named(input.data(), SIGNAL(accepted(const QString&)));
    QTest::keyClicks(editOf(input), typed);
    QCOMPARE(okOf(input)->isEnabled(), !accepted.isEmpty());
    QTest::keyClick(editOf(input), Qt::Key_Return);
    if (accepted.isEmpty()) {
        QCOMPARE(named.count(), 0);
        QVERIFY(input->isVisible());
        delete input;
        return;
    }
    QCOMPARE(named.count(), 1);
    QCOMPARE(named.first().first().toString(), accepted);
    QTRY_VERIFY(!input);
}

void GroupNameInputTest::offlineRefusesWhateverTheText()
{
    TestSupport::Environment env;
    Widgets::GroupNameInput input(QString("Team"), false);
    QSignalSpy named(&input, SIGNAL(accepted(const QString&)));
    QVERIFY(okOf(&input)->isEnabled());
    input.setAcceptAllowed(false);
    QVERIFY(!okOf(&input)->isEnabled());
    QTest::keyClick(editOf(&input), Qt::Key_Return);
    QCOMPARE(named.count(), 0);
    input.setAcceptAllowed(true);
    QVERIFY(okOf(&input)->isEnabled());
}

void GroupNameInputTest::longNamesCannotBeTyped()
{
    TestSupport::Environment env;
    Widgets::GroupNameInput input(QString(), false);
    QTest::keyClicks(editOf(&input), QString(300, 'x'));
    QCOMPARE(editOf(&input)->text().length(), Widgets::GroupNameInput::MaxNameLength);
}

QTEST_MAIN(GroupNameInputTest)
#include "tst_group_name_input.moc"
