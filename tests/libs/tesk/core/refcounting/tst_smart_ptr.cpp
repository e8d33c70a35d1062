#include <Tesk/Core/Refcounting/SmartPtr.h>

#include <QtTest>

using Tesk::Core::RefCountable;
using Tesk::Core::Logging::RecordCapture;
using Tesk::Core::Refcounting::SmartPtr;

namespace Fixture {
class Counted : public RefCountable
{
public:
    Counted(bool autoDelete, bool* deleted) : RefCountable("Counted", autoDelete), m_Deleted(deleted) {}
    ~Counted() override
    {
        if (m_Deleted)
            *m_Deleted = true;
    }
    void raiseTo(std::uint32_t count)
    {
        while (ReferenceCount() < count)
            Reference();
    }

private:
    bool* m_Deleted;
};

class Payload
{
public:
    virtual ~Payload() = default;
    int value = 7;
};

// A list link: the next node may be kept alive only by the one before it.
class Node : public RefCountable
{
public:
    explicit Node(bool* deleted) : RefCountable("Node"), m_Deleted(deleted) {}
    ~Node() override { *m_Deleted = true; }
    SmartPtr<Node> next;

private:
    bool* m_Deleted;
};

// The counted part is not the first base: the holder must find it and delete through T.
class SecondBase : public Payload, public RefCountable
{
public:
    explicit SecondBase(bool* deleted) : RefCountable("SecondBase"), m_Deleted(deleted) {}
    ~SecondBase() override { *m_Deleted = true; }

private:
    bool* m_Deleted;
};
} // namespace Fixture

using Fixture::Counted;

namespace {
int holderNotes(const RecordCapture& capture)
{
    int notes = 0;
    for (const auto& record : capture.records()) {
        if (record.function.startsWith(QStringLiteral("Tesk::Core::Refcounting::SmartPtr<class Fixture::Counted>::")))
            ++notes;
    }
    return notes;
}
} // namespace

class TestSmartPtr : public QObject
{
    Q_OBJECT

private slots:
    void copyChecksCountBound_data();
    void copyChecksCountBound();
    void holderNoteText();
    void lastRelease_data();
    void lastRelease();
    void selfAssignmentKeepsCount();
    void assignmentMovesReference();
    void assignmentToTargetKeptByOldTarget();
    void unreferenceAtZeroStaysAtZero();
    void nullDereferenceIsLogged();
    void deletesThroughTargetWhenNotFirstBase();
};

void TestSmartPtr::copyChecksCountBound_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("notes");
    QTest::newRow("9999") << 9999 << 0;
    QTest::newRow("exactly 10000") << 10000 << 0;
    QTest::newRow("10001") << 10001 << 1;
}

void TestSmartPtr::copyChecksCountBound()
{
    QFETCH(int, count);
    QFETCH(int, notes);
    Counted target(false, nullptr);
    target.raiseTo(std::uint32_t(count) - 1);
    const SmartPtr<Counted> first(&target);
    QCOMPARE(target.ReferenceCount(), std::uint32_t(count));

    RecordCapture capture;
    {
        const SmartPtr<Counted> copy(first);
        QCOMPARE(holderNotes(capture), notes);
        QCOMPARE(target.ReferenceCount(), std::uint32_t(count) + 1);
        // At the bound and beyond the count itself notes every step up.
        QCOMPARE(capture.contains(QStringLiteral(" Refcount upping to "), 0), count >= 10000);
        capture.clear();
    }
    QCOMPARE(target.ReferenceCount(), std::uint32_t(count));
    target.setAutoDelete(false);
}

void TestSmartPtr::holderNoteText()
{
    Counted target(false, nullptr);
    RecordCapture capture;
    // A fresh object has no references yet: the holder notes it and still takes one.
    const SmartPtr<Counted> holder(&target);
    QCOMPARE(target.ReferenceCount(), 1u);
    QCOMPARE(capture.records().size(), 1);
    const auto note = capture.records().first();
    QCOMPARE(note.level, (unsigned short)0);
    QCOMPARE(note.source, QStringLiteral("tesk/core/refcount"));
    QCOMPARE(note.category, QStringLiteral("AppLogger"));
    QCOMPARE(note.function, QStringLiteral("Tesk::Core::Refcounting::SmartPtr<class Fixture::Counted>::SmartPtr"));
    QCOMPARE(note.text, QStringLiteral("SmartPtr 0x%1 calling Reference() for 0x%2")
                            .arg(QString::number(quintptr(&holder), 16), QString::number(quintptr(&target), 16)));
}

void TestSmartPtr::lastRelease_data()
{
    QTest::addColumn<bool>("autoDelete");
    QTest::newRow("auto-delete") << true;
    QTest::newRow("kept") << false;
}

void TestSmartPtr::lastRelease()
{
    QFETCH(bool, autoDelete);
    bool deleted = false;
    auto* target = new Counted(autoDelete, &deleted);
    SmartPtr<Counted> holder(target);
    {
        const SmartPtr<Counted> second(holder);
        QCOMPARE(target->ReferenceCount(), 2u);
    }
    QVERIFY(!deleted);
    holder = nullptr;
    QVERIFY(holder.isNull());
    QCOMPARE(deleted, autoDelete);
    if (!autoDelete) {
        QCOMPARE(target->ReferenceCount(), 0u);
        delete target;
    }
}

void TestSmartPtr::selfAssignmentKeepsCount()
{
    Counted target(false, nullptr);
    SmartPtr<Counted> holder(&target);
    RecordCapture capture;
    holder = holder;
    holder = &target;
    QCOMPARE(target.ReferenceCount(), 1u);
    QVERIFY(capture.records().isEmpty());
}

void TestSmartPtr::assignmentMovesReference()
{
    bool firstDeleted = false;
    bool secondDeleted = false;
    auto* first = new Counted(true, &firstDeleted);
    auto* second = new Counted(true, &secondDeleted);
    SmartPtr<Counted> holder(first);
    const SmartPtr<Counted> other(second);
    holder = other;
    QVERIFY(firstDeleted);
    QCOMPARE(second->ReferenceCount(), 2u);
    QVERIFY(holder == other);
    QVERIFY(!secondDeleted);
}

void TestSmartPtr::assignmentToTargetKeptByOldTarget()
{
    bool firstDeleted = false;
    bool secondDeleted = false;
    SmartPtr<Fixture::Node> holder(new Fixture::Node(&firstDeleted));
    holder->next = new Fixture::Node(&secondDeleted);
    holder = holder->next;
    QVERIFY(firstDeleted);
    QVERIFY(!secondDeleted);
    QCOMPARE(holder->ReferenceCount(), 1u);
    holder = nullptr;
    QVERIFY(secondDeleted);
}

void TestSmartPtr::unreferenceAtZeroStaysAtZero()
{
    Counted target(true, nullptr);
    RecordCapture capture;
    QVERIFY(!target.Unreference());
    QCOMPARE(target.ReferenceCount(), 0u);
    QVERIFY(capture.contains(QStringLiteral(" Refcount lowering to -1 for Counted"), 0));
    QVERIFY(capture.contains(QStringLiteral("Assertion 'm_RefCount > 0' failed: Refcount error!"), 4));
    QVERIFY(capture.contains(QStringLiteral("Backtrace:"), 0));
    // Still usable: the next reference counts from zero.
    target.Reference();
    QCOMPARE(target.ReferenceCount(), 1u);
    target.setAutoDelete(false);
    QVERIFY(!target.Unreference());
}

void TestSmartPtr::nullDereferenceIsLogged()
{
    RecordCapture capture;
    const SmartPtr<Counted> empty;
    QCOMPARE(empty.operator->(), nullptr);
    QCOMPARE(capture.count(QStringLiteral("Assertion 'm_T' failed: NULL pointer dereference"), 4), 1);
}

void TestSmartPtr::deletesThroughTargetWhenNotFirstBase()
{
    bool deleted = false;
    {
        const SmartPtr<Fixture::SecondBase> holder(new Fixture::SecondBase(&deleted));
        QCOMPARE(holder->value, 7);
        QCOMPARE(holder->ReferenceCount(), 1u);
    }
    QVERIFY(deleted);
}

QTEST_GUILESS_MAIN(TestSmartPtr)
#include "tst_smart_ptr.moc"
