#include "Utils/preferences_watcher.h"
#include "support/test_environment.h"

#include <QScopedPointer>
#include <QSignalSpy>
#include <QTest>

class PreferencesWatcherTest : public QObject
{
    Q_OBJECT

private slots:
    void coalescesOneTurn();
    void changeFromSlotGivesLaterSignal();
    void qualityDetectionIsDirect();
};

void PreferencesWatcherTest::coalescesOneTurn()
{
    TestSupport::Environment env;
    QScopedPointer<Preferences::Watcher> watcher(Preferences::Watcher::create(nullptr));
    QSignalSpy changed(watcher.data(), &Preferences::Watcher::preferencesChanged);

    QTest::ignoreMessage(QtDebugMsg, "settings updated");
    QTest::ignoreMessage(QtDebugMsg, "settings updated");
    QTest::ignoreMessage(QtDebugMsg, "settings updated");
    watcher->changed();
    watcher->changed();
    watcher->changed();
    QCOMPARE(changed.count(), 0); // not while the saving handler still runs

    QVERIFY(changed.wait());
    QCOMPARE(changed.count(), 1);
    // The remaining queued calls find nothing pending.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QCOMPARE(changed.count(), 1);
}

void PreferencesWatcherTest::changeFromSlotGivesLaterSignal()
{
    TestSupport::Environment env;
    QScopedPointer<Preferences::Watcher> watcher(Preferences::Watcher::create(nullptr));
    QSignalSpy changed(watcher.data(), &Preferences::Watcher::preferencesChanged);
    int reactions = 0;
    connect(watcher.data(), &Preferences::Watcher::preferencesChanged, this, [&] {
        if (++reactions == 1)
            watcher->changed();
    });
    QTest::ignoreMessage(QtDebugMsg, "settings updated");
    QTest::ignoreMessage(QtDebugMsg, "settings updated");

    watcher->changed();

    QVERIFY(changed.wait());
    QCOMPARE(changed.count(), 1);
    QTRY_COMPARE(changed.count(), 2);
}

void PreferencesWatcherTest::qualityDetectionIsDirect()
{
    TestSupport::Environment env;
    QScopedPointer<Preferences::Watcher> watcher(Preferences::Watcher::create(nullptr));
    QSignalSpy dynamic(watcher.data(), &Preferences::Watcher::dynamicProfileEnabled);
    QSignalSpy changed(watcher.data(), &Preferences::Watcher::preferencesChanged);

    QTest::ignoreMessage(QtDebugMsg, "Quality Detection Enabled");
    watcher->qualityDetectionEnabled();
    QCOMPARE(dynamic.count(), 1);

    QCoreApplication::processEvents();
    QCOMPARE(changed.count(), 0);
}

QTEST_GUILESS_MAIN(PreferencesWatcherTest)
#include "tst_preferences_watcher.moc"
