#include "Utils/aggregation_enabler.h"
#include "support/test_environment.h"

#include <QAction>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

using Utils::AggregationEnabler;

class AggregationEnablerTest : public QObject
{
    Q_OBJECT

private slots:
    void stateTable_data();
    void stateTable();
    void sendersAreSources();
    void attachedObjectsFollow();
    void chaining();
};

// Reports, in order, of (source, state); the enabler starts with a parent only.
void AggregationEnablerTest::stateTable_data()
{
    QTest::addColumn<QList<int>>("sources");
    QTest::addColumn<QList<bool>>("states");
    QTest::addColumn<QList<bool>>("expected");

    QTest::newRow("first false turns off") << QList<int>{1} << QList<bool>{false}
                                           << QList<bool>{false};
    QTest::newRow("first true stays on") << QList<int>{1} << QList<bool>{true}
                                         << QList<bool>{true};
    QTest::newRow("one of two false")
        << QList<int>{1, 2, 2, 1} << QList<bool>{false, true, false, true}
        << QList<bool>{false, false, false, false};
    QTest::newRow("both true again") << QList<int>{1, 2, 2, 1}
                                     << QList<bool>{false, false, true, true}
                                     << QList<bool>{false, false, false, true};
    QTest::newRow("overwrite") << QList<int>{1, 1} << QList<bool>{false, true}
                               << QList<bool>{false, true};
}

void AggregationEnablerTest::stateTable()
{
    QFETCH(QList<int>, sources);
    QFETCH(QList<bool>, states);
    QFETCH(QList<bool>, expected);
    TestSupport::Environment env;
    AggregationEnabler enabler(this);
    QVERIFY(enabler.isEnabled());
    QSignalSpy emitted(&enabler, &AggregationEnabler::enabled);
    QObject first;
    QObject second;

    bool last = true;
    int changes = 0;
    for (int i = 0; i < sources.size(); ++i) {
        enabler.setSourceEnabled(states.at(i), sources.at(i) == 1 ? &first : &second);
        QCOMPARE(enabler.isEnabled(), expected.at(i));
        if (expected.at(i) != last)
            ++changes;
        last = expected.at(i);
    }
    QCOMPARE(emitted.count(), changes);
    if (changes > 0)
        QCOMPARE(emitted.last().at(0).toBool(), last);
}

void AggregationEnablerTest::sendersAreSources()
{
    AggregationEnabler enabler(this);
    QAction trigger(nullptr);
    connect(&trigger, &QAction::toggled, &enabler, &AggregationEnabler::setEnabled);
    trigger.setCheckable(true);
    trigger.setChecked(true);
    trigger.setChecked(false);
    QVERIFY(!enabler.isEnabled());

    // A direct call is a source of its own and does not override the action's report.
    enabler.enable();
    QVERIFY(!enabler.isEnabled());
    trigger.setChecked(true);
    QVERIFY(enabler.isEnabled());
    enabler.disable();
    QVERIFY(!enabler.isEnabled());
}

void AggregationEnablerTest::attachedObjectsFollow()
{
    TestSupport::Environment env;
    QAction action(nullptr);
    AggregationEnabler actionEnabler(&action, AggregationEnabler::FollowVisible, this);
    QVERIFY(!actionEnabler.isEnabled());
    QVERIFY(!action.isVisible());

    actionEnabler.setSourceEnabled(true, nullptr);
    QVERIFY(action.isVisible());

    QWidget parent;
    QWidget* widget = new QWidget(&parent);
    widget->setEnabled(false);
    AggregationEnabler widgetEnabler(widget, this);
    QVERIFY(!widgetEnabler.isEnabled());
    QVERIFY(widget->isHidden());

    widgetEnabler.enable();
    QVERIFY(widget->isEnabled());
    QVERIFY(!widget->isHidden());
    widgetEnabler.disable();
    QVERIFY(!widget->isEnabled());
    QVERIFY(widget->isHidden());
}

void AggregationEnablerTest::chaining()
{
    TestSupport::Environment env;
    AggregationEnabler a(this);
    AggregationEnabler b(this);
    QObject other;
    b.setSourceEnabled(true, &other);

    a.chainTo(&a); // ignored
    a.chainTo(&b);
    QVERIFY(b.isEnabled());

    a.setSourceEnabled(false, nullptr);
    QVERIFY(!b.isEnabled());
    a.setSourceEnabled(true, nullptr);
    QVERIFY(b.isEnabled());

    b.setSourceEnabled(false, &other);
    a.setSourceEnabled(false, nullptr);
    a.setSourceEnabled(true, nullptr);
    QVERIFY(!b.isEnabled());
    b.setSourceEnabled(true, &other);
    QVERIFY(b.isEnabled());
    QVERIFY(env.logs().records().isEmpty());
}

QTEST_MAIN(AggregationEnablerTest)
#include "tst_aggregation_enabler.moc"
