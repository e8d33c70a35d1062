#include "support/program_copy.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTest>

// The built program in a copy of its program folder, with its own data folder, registry
// file and socket folder, started as a user would.
class ProgramStartTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void firstStartMovesUiSettingsAndRegistersScheme();
    void secondStartHandsOverAndEnds();
    void failedStartEndsWithCodeOne();

private:
    QString registryText() const;
    bool startFirst();

    QScopedPointer<TestSupport::ProgramCopy> m_Copy;
    QScopedPointer<QProcess> m_First;
};

void ProgramStartTest::init()
{
    m_Copy.reset(new TestSupport::ProgramCopy(TEST_PROGRAM_DIR, TEST_PROGRAM, TEST_SHIPPED_SETTINGS));
    QVERIFY(m_Copy->isValid());
}

void ProgramStartTest::cleanup()
{
    if (m_First) {
        m_First->kill();
        m_First->waitForFinished(30000);
        m_First.reset();
    }
}

QString ProgramStartTest::registryText() const
{
    QFile file(m_Copy->path("registry.ini"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool ProgramStartTest::startFirst()
{
    m_First.reset(new QProcess);
    m_First->setProcessEnvironment(m_Copy->environment());
    m_First->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_First->start(m_Copy->program(), QStringList());
    return m_First->waitForStarted(30000);
}

void ProgramStartTest::firstStartMovesUiSettingsAndRegistersScheme()
{
    QVERIFY(startFirst());
    // The scheme is registered just before the login window shows.
    QTRY_VERIFY_WITH_TIMEOUT(registryText().contains("[HKEY_CLASSES_ROOT\\qomx\\shell\\open\\command]"), 60000);
    QCOMPARE(m_First->state(), QProcess::Running);
    QVERIFY(registryText().contains("@=\"\\\"" + m_Copy->program() + "\\\" --%l\""));
    QVERIFY(registryText().contains("XQTV8_CLIENT_PATH=\"" + m_Copy->program() + "\""));
    QVERIFY(!QFile::exists(m_Copy->path("program/settings/application_setting.ini")));
    QVERIFY(QFile::exists(m_Copy->path("data/application_setting.ini")));
    QVERIFY(QDir(m_Copy->path("data/logs/dovive")).exists());
    const QSettings settings(m_Copy->path("data/application_setting.ini"), QSettings::IniFormat);
    QVERIFY(settings.contains("settings/language/active"));
    QCOMPARE(settings.value("settings/themes/active").toString(), QString("default"));
}

void ProgramStartTest::secondStartHandsOverAndEnds()
{
    // Logging on, so that the first instance's handling shows in its log.
    QVERIFY(m_Copy->enableLogging());

    QVERIFY(startFirst());
    QTRY_VERIFY_WITH_TIMEOUT(m_Copy->logText().contains("Application initialization is complete"), 60000);

    QProcess second;
    second.setProcessEnvironment(m_Copy->environment());
    second.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    second.start(m_Copy->program(), {"--qomx:bGluaw=="});
    QVERIFY(second.waitForFinished(30000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(m_Copy->logText().contains("Keeping the link until signed in: bGluaw=="), 30000);

    second.start(m_Copy->program(), QStringList());
    QVERIFY(second.waitForFinished(30000));
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(m_First->state(), QProcess::Running);
    // The second start never initialised: one start-up in the log.
    QCOMPARE(m_Copy->logText().count("Application initialization is complete"), 1);
    QCOMPARE(m_Copy->logText().count("Unable to find crash reporting application. Crash reporting will be unavailable."), 1);
}

void ProgramStartTest::failedStartEndsWithCodeOne()
{
    // A program folder without its settings folder: start-up shows why and gives up.
    const QDir program(m_Copy->path("broken"));
    QVERIFY(program.mkpath("."));
    QVERIFY(QFile::copy(ANSWERED_PROGRAM, program.filePath("Telvarion")));
    QVERIFY(QFile::copy(QDir(TEST_PROGRAM_DIR).filePath("application_name.txt"), program.filePath("application_name.txt")));

    QProcess start;
    start.setProcessEnvironment(m_Copy->environment());
    start.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    start.start(program.filePath("Telvarion"), QStringList());
    QVERIFY(start.waitForFinished(60000));
    QCOMPARE(start.exitStatus(), QProcess::NormalExit);
    QCOMPARE(start.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(start.readAllStandardOutput()), QString("message: Telvarion: UI setting error\n"));
}

QTEST_GUILESS_MAIN(ProgramStartTest)
#include "tst_program_start.moc"
