#include <Kivo/Utils/SharedPointer.h>

#include <QtTest>

namespace {

// An engine interface that is not itself a QObject, held through its implementation.
class IThing
{
public:
    virtual ~IThing() = default;
    virtual int number() const = 0;
};

class Thing : public QObject, public IThing
{
public:
    int number() const override { return 7; }
};

class CountingObserver : public Kivo::Utils::DestructionObserver
{
public:
    using DestructionObserver::DestructionObserver;
    int calls = 0;

protected:
    void objectDestroyed() override { ++calls; }
};

} // namespace

using Kivo::Utils::SharedPointer;

class TestSharedPointer : public QObject
{
    Q_OBJECT

private slots:
    void holderAndCopiesTurnNullWhenTargetDies();
    void constHolderTurnsNull();
    void interfaceTargetIsGuarded();
    void sameTargetAssignmentKeepsWatching();
    void reassignmentWatchesOnlyNewTarget();
    void holderDyingFirstLeavesTargetAlone();
    void observerReportsOnceAndCopiesWatchToo();
};

void TestSharedPointer::holderAndCopiesTurnNullWhenTargetDies()
{
    auto* target = new QObject;
    SharedPointer<QObject> holder(target);
    SharedPointer<QObject> copy(holder);
    SharedPointer<QObject> assigned;
    assigned = holder;
    QList<SharedPointer<QObject>> list{holder, copy};
    QCOMPARE(holder.data(), target);
    QVERIFY(copy == holder);

    delete target;

    QVERIFY(holder.isNull());
    QVERIFY(!copy);
    QVERIFY(assigned == nullptr);
    QVERIFY(list.at(0).isNull());
    QVERIFY(list.at(1).isNull());
    // A copy of a dead holder is null and stays harmless.
    SharedPointer<QObject> late(holder);
    QVERIFY(late.isNull());
}

void TestSharedPointer::constHolderTurnsNull()
{
    auto* target = new QObject;
    Kivo::Utils::Const::SharedPointer<QObject> holder(target);
    Kivo::Utils::SharedPointer<const QObject> constTarget(target);
    Kivo::Utils::Const::SharedPointer<QObject> sliced = SharedPointer<QObject>(target);
    QCOMPARE(holder.data(), target);
    delete target;
    QVERIFY(holder.isNull());
    QVERIFY(constTarget.isNull());
    QVERIFY(sliced.isNull());
}

void TestSharedPointer::interfaceTargetIsGuarded()
{
    auto* thing = new Thing;
    SharedPointer<IThing> holder(static_cast<IThing*>(thing));
    QCOMPARE(holder->number(), 7);
    delete thing;
    QVERIFY(holder.isNull());
}

void TestSharedPointer::sameTargetAssignmentKeepsWatching()
{
    auto* target = new QObject;
    SharedPointer<QObject> holder(target);
    SharedPointer<QObject> other(target);
    const SharedPointer<QObject>& alias = holder;
    holder = alias;
    holder = other;
    holder = target;
    QCOMPARE(holder.observed(), target);
    delete target;
    QVERIFY(holder.isNull());
    QVERIFY(other.isNull());
}

void TestSharedPointer::reassignmentWatchesOnlyNewTarget()
{
    auto* first = new QObject;
    auto* second = new QObject;
    SharedPointer<QObject> holder(first);
    holder = SharedPointer<QObject>(second);
    delete first;
    QCOMPARE(holder.data(), second);
    delete second;
    QVERIFY(holder.isNull());

    auto* third = new QObject;
    holder = third;
    holder = static_cast<QObject*>(nullptr);
    QVERIFY(holder.isNull());
    QCOMPARE(holder.observed(), nullptr);
    delete third;
}

void TestSharedPointer::holderDyingFirstLeavesTargetAlone()
{
    QPointer<QObject> target = new QObject;
    {
        SharedPointer<QObject> holder(target.data());
        SharedPointer<QObject> copy(holder);
    }
    QVERIFY(!target.isNull());
    delete target.data();
}

void TestSharedPointer::observerReportsOnceAndCopiesWatchToo()
{
    auto* target = new QObject;
    CountingObserver observer(target);
    CountingObserver copy(observer);
    copy.calls = 0;
    CountingObserver detached(target);
    detached.detach(target);
    delete target;
    QCOMPARE(observer.calls, 1);
    QCOMPARE(copy.calls, 1);
    QCOMPARE(observer.observed(), nullptr);
    QCOMPARE(detached.calls, 0);
}

QTEST_GUILESS_MAIN(TestSharedPointer)
#include "tst_shared_pointer.moc"
