#include <Kivo/Settings.h>
#include <Kivo/Utils/Path.h>

#include <Tesk/Core/Logging/RecordCapture.h>

#include <QtTest>

using Kivo::Settings;

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void dataPathFollowsEnvironment();
    void defaultFolders();
    void eachTypeHasItsOwnFile_data();
    void eachTypeHasItsOwnFile();
    void resourceRootIsReadOnly();
    void unknownTypeFallsBackWithLogLine();

private:
    QTemporaryDir m_Root;
};

void TestSettings::initTestCase()
{
    QVERIFY(m_Root.isValid());
    qputenv(Kivo::Utils::Path::DataPathVariable, (m_Root.path() + "/data/../data").toUtf8());
}

void TestSettings::dataPathFollowsEnvironment()
{
    QCOMPARE(Kivo::Utils::Path::writableDataPath(), m_Root.path() + "/data");
    // Asking for the path must not create the folder: start-up tells a first run by it.
    QVERIFY(!QDir(m_Root.path() + "/data").exists());
}

void TestSettings::defaultFolders()
{
    QCOMPARE(Settings::path(Settings::UserSettings), m_Root.path() + "/data");
    QCOMPARE(Settings::path(Settings::ApplicationSettings), m_Root.path() + "/data");
    QCOMPARE(Settings::path(Settings::MediaSettings), m_Root.path() + "/data");
    QCOMPARE(Settings::path(Settings::DefaultSettings), QCoreApplication::applicationDirPath() + "/settings");
    QCOMPARE(Settings::path(Settings::StyleSettings), QStringLiteral(":/"));
    QCOMPARE(Settings::filePathFor(Settings::ApplicationSettings), m_Root.path() + "/data/application_setting.ini");
}

void TestSettings::eachTypeHasItsOwnFile_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("user") << int(Settings::UserSettings) << "user_settings.ini";
    QTest::newRow("application") << int(Settings::ApplicationSettings) << "application_setting.ini";
    QTest::newRow("defaults") << int(Settings::DefaultSettings) << "defaults.ini";
    QTest::newRow("media") << int(Settings::MediaSettings) << "media_settings.ini";
}

void TestSettings::eachTypeHasItsOwnFile()
{
    QFETCH(int, type);
    QFETCH(QString, fileName);
    const auto settingsType = Settings::SettingsType(type);
    // Types may share a folder; what one writes another never reads.
    const QString folder = m_Root.path() + "/shared/";
    Settings::setPath(settingsType, folder);
    QCOMPARE(Settings::filePathFor(settingsType), folder + fileName);
    {
        Settings settings(settingsType);
        QCOMPARE(settings.type(), settingsType);
        settings.setValue("login/config", fileName);
    }
    QVERIFY(QFile::exists(folder + fileName));
    QCOMPARE(Settings(settingsType).value("login/config").toString(), fileName);
    for (int other = 0; other < Settings::SettingsTypeCount; ++other) {
        if (other != type && Settings::path(Settings::SettingsType(other)) == folder)
            QVERIFY(Settings(Settings::SettingsType(other)).value("login/config").toString() != fileName);
    }
}

void TestSettings::resourceRootIsReadOnly()
{
    Settings::setPath(Settings::StyleSettings, ":/");
    Settings settings(Settings::StyleSettings);
    QCOMPARE(settings.fileName(), QStringLiteral(":/style.ini"));
    QVERIFY(!settings.isWritable());
    QVERIFY(!settings.value("qml/button").isValid());
}

void TestSettings::unknownTypeFallsBackWithLogLine()
{
    Tesk::Core::Logging::RecordCapture capture;
    Settings::setPath(Settings::UserSettings, m_Root.path() + "/user");
    Settings::setPath(Settings::SettingsType(9), m_Root.path() + "/nowhere");
    QVERIFY(capture.contains("Ignoring the folder", Tesk::Core::Logging::LevelError));

    Settings settings(Settings::SettingsType(-1));
    QCOMPARE(settings.type(), Settings::UserSettings);
    QCOMPARE(settings.fileName(), m_Root.path() + "/user/user_settings.ini");
    QVERIFY(capture.contains("Unknown settings type -1", Tesk::Core::Logging::LevelError));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
