#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
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

private:
    void copyProgramFolder();
    QProcessEnvironment environment() const;
    QString logText() const;
    QString registryText() const;
    bool startFirst();

    QScopedPointer<QTemporaryDir> m_Root;
    QScopedPointer<QProcess> m_First;
};

void ProgramStartTest::init()
{
    m_Root.reset(new QTemporaryDir);
    QVERIFY(m_Root->isValid());
    copyProgramFolder();
    QDir().mkpath(m_Root->filePath("tmp"));
}

void ProgramStartTest::cleanup()
{
    if (m_First) {
        m_First->kill();
        m_First->waitForFinished(30000);
        m_First.reset();
    }
}

void ProgramStartTest::copyProgramFolder()
{
    const QDir from(TEST_PROGRAM_DIR);
    const QDir to(m_Root->filePath("program"));
    QVERIFY(to.mkpath("."));
    QVERIFY(QFile::copy(TEST_PROGRAM, to.filePath("Telvarion")));
    for (const char* item : {"application_name.txt", "config_demo.xml", "themes/default/resources.rcc",
                                "themes/default/description.xml", "translations/ui_de.qm"}) {
        to.mkpath(QFileInfo(to.filePath(item)).path());
        QVERIFY2(QFile::copy(from.filePath(item), to.filePath(item)), qPrintable(item));
    }
    // From the sources: a start from the build's own folder may have moved the shipped copy.
    const QDir shipped(TEST_SHIPPED_SETTINGS);
    to.mkpath("settings");
    for (const char* item : {"application_setting.ini", "defaults.ini"})
        QVERIFY2(QFile::copy(shipped.filePath(item), to.filePath(QString("settings/") + item)), item);
}

QProcessEnvironment ProgramStartTest::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TELVARION_DATA_PATH", m_Root->filePath("data"));
    env.insert("TELVARION_REGISTRY_FILE", m_Root->filePath("registry.ini"));
    env.insert("TMPDIR", m_Root->filePath("tmp"));
    env.insert("XDG_DATA_HOME", m_Root->filePath("share"));
    env.insert("XDG_CONFIG_HOME", m_Root->filePath("config"));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QT_QUICK_BACKEND", "software");
    return env;
}

QString ProgramStartTest::logText() const
{
    QString text;
    QDirIterator logs(m_Root->filePath("data/logs"), {"*.log"}, QDir::Files, QDirIterator::Subdirectories);
    while (logs.hasNext()) {
        QFile file(logs.next());
        if (file.open(QIODevice::ReadOnly))
            text += QString::fromUtf8(file.readAll());
    }
    return text;
}

QString ProgramStartTest::registryText() const
{
    QFile file(m_Root->filePath("registry.ini"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool ProgramStartTest::startFirst()
{
    m_First.reset(new QProcess);
    m_First->setProcessEnvironment(environment());
    m_First->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_First->start(m_Root->filePath("program/Telvarion"), QStringList());
    return m_First->waitForStarted(30000);
}

void ProgramStartTest::firstStartMovesUiSettingsAndRegistersScheme()
{
    QVERIFY(startFirst());
    // The scheme is registered just before the login window shows.
    QTRY_VERIFY_WITH_TIMEOUT(registryText().contains("[HKEY_CLASSES_ROOT\\qomx\\shell\\open\\command]"), 60000);
    QCOMPARE(m_First->state(), QProcess::Running);
    QVERIFY(registryText().contains("@=\"\\\"" + m_Root->filePath("program/Telvarion") + "\\\" --%l\""));
    QVERIFY(registryText().contains("XQTV8_CLIENT_PATH=\"" + m_Root->filePath("program/Telvarion") + "\""));
    QVERIFY(!QFile::exists(m_Root->filePath("program/settings/application_setting.ini")));
    QVERIFY(QFile::exists(m_Root->filePath("data/application_setting.ini")));
    QVERIFY(QDir(m_Root->filePath("data/logs/dovive")).exists());
    const QSettings settings(m_Root->filePath("data/application_setting.ini"), QSettings::IniFormat);
    QVERIFY(settings.contains("settings/language/active"));
    QCOMPARE(settings.value("settings/themes/active").toString(), QString("default"));
}

void ProgramStartTest::secondStartHandsOverAndEnds()
{
    // Logging on, so that the first instance's handling shows in its log.
    QDir().mkpath(m_Root->filePath("data"));
    QFile settings(m_Root->filePath("data/application_setting.ini"));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("[settings]\nloggingenabled=true\n");
    settings.close();

    QVERIFY(startFirst());
    QTRY_VERIFY_WITH_TIMEOUT(logText().contains("Application initialization is complete"), 60000);

    QProcess second;
    second.setProcessEnvironment(environment());
    second.start(m_Root->filePath("program/Telvarion"), {"--qomx:bGluaw=="});
    QVERIFY(second.waitForFinished(30000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(logText().contains("Keeping the link until signed in: bGluaw=="), 30000);

    second.start(m_Root->filePath("program/Telvarion"), QStringList());
    QVERIFY(second.waitForFinished(30000));
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(m_First->state(), QProcess::Running);
    // The second start never initialised: one start-up in the log.
    QCOMPARE(logText().count("Application initialization is complete"), 1);
    QCOMPARE(logText().count("Unable to find crash reporting application. Crash reporting will be unavailable."), 1);
}

QTEST_GUILESS_MAIN(ProgramStartTest)
#include "tst_program_start.moc"
